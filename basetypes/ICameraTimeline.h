// ICameraTimeline: where an animation's camera stands: its camera key frames place the viewpoint
// at their ticks.
// Its rules and its record are every timeline's (basetypes/ITimeline.h).
#pragma once

#include "basetypes/ICameraKeyFrame.h"
#include "basetypes/ITimeline.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/ZxApi.h"

class ZX_API ICameraTimeline : public ITimeline<ICameraTimeline, ICameraKeyFrame> {
public:
    static constexpr const char* s_kindName = "CameraTimeline";
};

using ICameraTimelineHandle = CWrapperHandle<ICameraTimeline>;
using ICameraTimelineWritableHandle = CWritableWrapperHandle<ICameraTimeline>;
using ICameraTimelineArrayHandle = CWrapperArrayHandle<ICameraTimeline, CTimelineID, 0>;
using ICameraTimelineConstArrayHandle = CConstWrapperArrayHandle<ICameraTimeline, CTimelineID, 0>;
ZX_DECLARE_INTERFACE(ICameraTimeline, CTimelineID, 0);
