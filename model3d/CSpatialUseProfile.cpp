// CSpatialUseProfile: the one place its templates are compiled.
#include "model3d/CSpatialUseProfile.h"

ZX_INSTANTIATE_KIND(ISpatialUseProfile, CSpatialUseProfile, CSpatialUseProfileID, 0);
