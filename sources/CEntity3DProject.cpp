// CEntity3DProject: the one place its handle templates are compiled.
#include "sources/CEntity3DProject.h"

ZX_INSTANTIATE_VALUE_HANDLES(CEntity3DProject);
