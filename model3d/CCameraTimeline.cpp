// CCameraTimeline: the one place its templates are compiled.
#include "model3d/CCameraTimeline.h"

ZX_INSTANTIATE_KIND(ICameraTimeline, CCameraTimeline, CTimelineID, 0);
