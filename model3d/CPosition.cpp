// CPosition: the one place its templates are compiled.
#include "model3d/CPosition.h"

ZX_INSTANTIATE_KIND(IPosition, CPosition, CPositionID, 0);
