// C3DNotation: the one place its templates are compiled.
#include "model3d/C3DNotation.h"

ZX_INSTANTIATE_KIND(I3DNotation, C3DNotation, C3DNotationID, 0);
