// CIFCProject: the one place its handle templates are compiled.
#include "sources/CIFCProject.h"

ZX_INSTANTIATE_VALUE_HANDLES(CIFCProject);
