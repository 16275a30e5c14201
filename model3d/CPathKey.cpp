// CPathKey: the one place its templates are compiled.
#include "model3d/CPathKey.h"

ZX_INSTANTIATE_KIND(IPathKey, CPathKey, CKeyFrameID, 0);
