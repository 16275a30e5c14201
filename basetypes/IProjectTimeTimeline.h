// IProjectTimeTimeline: the schedule dates an animation shows: its project-time key frames map
// ticks to focus dates.
// Its rules and its record are every timeline's (basetypes/ITimeline.h).
#pragma once

#include "basetypes/IProjectTimeKeyFrame.h"
#include "basetypes/ITimeline.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/ZxApi.h"

class ZX_API IProjectTimeTimeline : public ITimeline<IProjectTimeTimeline, IProjectTimeKeyFrame> {
public:
    static constexpr const char* s_kindName = "ProjectTimeTimeline";
};

using IProjectTimeTimelineHandle = CWrapperHandle<IProjectTimeTimeline>;
using IProjectTimeTimelineWritableHandle = CWritableWrapperHandle<IProjectTimeTimeline>;
using IProjectTimeTimelineArrayHandle = CWrapperArrayHandle<IProjectTimeTimeline, CTimelineID, 0>;
using IProjectTimeTimelineConstArrayHandle =
    CConstWrapperArrayHandle<IProjectTimeTimeline, CTimelineID, 0>;
ZX_DECLARE_INTERFACE(IProjectTimeTimeline, CTimelineID, 0);
