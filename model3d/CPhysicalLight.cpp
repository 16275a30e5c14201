// CPhysicalLight: the one place its templates are compiled.
#include "model3d/CPhysicalLight.h"

ZX_INSTANTIATE_KIND(IPhysicalLight, CPhysicalLight, CPhysicalLightID, 0);
