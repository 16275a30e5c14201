// IPathTimeline: how an object moves along a path: its path keys place it at their ticks. A key
// added with the ID of a key already present replaces it.
// Its rules and its record are every timeline's (basetypes/ITimeline.h).
#pragma once

#include "basetypes/IPathKey.h"
#include "basetypes/ITimeline.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "model3d/CQuat.h"

class ZX_API IPathTimeline : public ITimeline<IPathTimeline, IPathKey> {
public:
    static constexpr const char* s_kindName = "PathTimeline";

    using ITimeline::addKeyFrame;
    // Builds a path key from the five values and adds it as addKeyFrame(pathKey) does.
    [[nodiscard]] virtual int addKeyFrame(const CKeyFrameID& id,
                                          const CGraphicalPointDouble3D& position,
                                          const CQuat& rotation,
                                          const CGraphicalPointDouble3D& center, int tick) = 0;
    virtual void removeAllKeyFrames() = 0;
};

using IPathTimelineHandle = CWrapperHandle<IPathTimeline>;
using IPathTimelineWritableHandle = CWritableWrapperHandle<IPathTimeline>;
using IPathTimelineArrayHandle = CWrapperArrayHandle<IPathTimeline, CTimelineID, 0>;
using IPathTimelineConstArrayHandle = CConstWrapperArrayHandle<IPathTimeline, CTimelineID, 0>;
ZX_DECLARE_INTERFACE(IPathTimeline, CTimelineID, 0);
