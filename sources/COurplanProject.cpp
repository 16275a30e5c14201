// COurplanProject: the one place its handle templates are compiled.
#include "sources/COurplanProject.h"

ZX_INSTANTIATE_VALUE_HANDLES(COurplanProject);
