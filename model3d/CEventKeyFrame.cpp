// CEventKeyFrame: the one place its templates are compiled.
#include "model3d/CEventKeyFrame.h"

ZX_INSTANTIATE_KIND(IEventKeyFrame, CEventKeyFrame, CKeyFrameID, 0);
