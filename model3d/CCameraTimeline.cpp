// CCameraTimeline: the one place its templates are compiled.
#include "model3d/CCameraTimeline.h"

template class CTimeline<CCameraTimeline, ICameraTimeline, CCameraKeyFrame>;
ZX_INSTANTIATE_KIND(ICameraTimeline, CCameraTimeline, CTimelineID, 0);
