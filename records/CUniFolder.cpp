// CUniFolder: the one place its templates are compiled.
#include "records/CUniFolder.h"

ZX_INSTANTIATE_KIND(IUniFolder, CUniFolder, CUniFolderID, 0);
