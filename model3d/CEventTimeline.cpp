// CEventTimeline: the one place its templates are compiled.
#include "model3d/CEventTimeline.h"

template class CTimeline<CEventTimeline, IEventTimeline, CEventKeyFrame>;
ZX_INSTANTIATE_KIND(IEventTimeline, CEventTimeline, CTimelineID, 0);
