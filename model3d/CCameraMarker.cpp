// CCameraMarker: the one place its handle templates are compiled.
#include "model3d/CCameraMarker.h"

ZX_INSTANTIATE_VALUE_HANDLES(CCameraMarker);
