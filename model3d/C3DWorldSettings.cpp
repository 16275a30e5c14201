// C3DWorldSettings: the one place its templates are compiled.
#include "model3d/C3DWorldSettings.h"

ZX_INSTANTIATE_KIND(I3DWorldSettings, C3DWorldSettings, C3DWorldSettingsID, 0);
