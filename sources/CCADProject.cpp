// CCADProject: the one place its handle templates are compiled.
#include "sources/CCADProject.h"

ZX_INSTANTIATE_VALUE_HANDLES(CCADProject);
