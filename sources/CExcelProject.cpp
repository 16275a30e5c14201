// CExcelProject: the one place its handle templates are compiled.
#include "sources/CExcelProject.h"

ZX_INSTANTIATE_VALUE_HANDLES(CExcelProject);
