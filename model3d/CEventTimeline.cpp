// CEventTimeline: the one place its templates are compiled.
#include "model3d/CEventTimeline.h"

ZX_INSTANTIATE_KIND(IEventTimeline, CEventTimeline, CTimelineID, 0);
