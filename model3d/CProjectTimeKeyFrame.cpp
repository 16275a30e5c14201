// CProjectTimeKeyFrame: the one place its templates are compiled.
#include "model3d/CProjectTimeKeyFrame.h"

ZX_INSTANTIATE_KIND(IProjectTimeKeyFrame, CProjectTimeKeyFrame, CKeyFrameID, 0);
