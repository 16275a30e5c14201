// CCameraKeyFrame: the one place its templates are compiled.
#include "model3d/CCameraKeyFrame.h"

ZX_INSTANTIATE_KIND(ICameraKeyFrame, CCameraKeyFrame, CKeyFrameID, 0);
