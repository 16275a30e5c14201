// CCubeMap: the one place its handle templates are compiled.
#include "model3d/CCubeMap.h"

ZX_INSTANTIATE_VALUE_HANDLES(CCubeMap);
