// CCuttingPlane: the one place its templates are compiled.
#include "model3d/CCuttingPlane.h"

ZX_INSTANTIATE_KIND(ICuttingPlane, CCuttingPlane, CCuttingPlaneID, 0);
