// IEventTimeline: the display changes of an animation, one event key frame per tick at which
// something is switched.
// Its rules and its record are every timeline's (basetypes/ITimeline.h).
#pragma once

#include "basetypes/IEventKeyFrame.h"
#include "basetypes/ITimeline.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/ZxApi.h"

class ZX_API IEventTimeline : public ITimeline<IEventTimeline, IEventKeyFrame> {
public:
    static constexpr const char* s_kindName = "EventTimeline";
};

using IEventTimelineHandle = CWrapperHandle<IEventTimeline>;
using IEventTimelineWritableHandle = CWritableWrapperHandle<IEventTimeline>;
using IEventTimelineArrayHandle = CWrapperArrayHandle<IEventTimeline, CTimelineID, 0>;
using IEventTimelineConstArrayHandle = CConstWrapperArrayHandle<IEventTimeline, CTimelineID, 0>;
ZX_DECLARE_INTERFACE(IEventTimeline, CTimelineID, 0);
