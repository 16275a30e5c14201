// CProjectTimeTimeline: the one place its templates are compiled.
#include "model3d/CProjectTimeTimeline.h"

template class CTimeline<CProjectTimeTimeline, IProjectTimeTimeline, CProjectTimeKeyFrame>;
ZX_INSTANTIATE_KIND(IProjectTimeTimeline, CProjectTimeTimeline, CTimelineID, 0);
