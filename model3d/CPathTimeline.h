// CPathTimeline: a stored timeline of path keys (model3d/CTimeline.h).
#pragma once

#include "basetypes/IPathTimeline.h"
#include "basetypes/ZxApi.h"
#include "model3d/CPathKey.h"
#include "model3d/CTimeline.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CPathTimeline : public CTimeline<CPathTimeline, IPathTimeline, CPathKey> {
public:
    using CTimeline::addKeyFrame;
    // A key with an ID already present replaces it (the count stays); a refused replacement
    // leaves the old key where it was.
    [[nodiscard]] int addKeyFrame(const IPathKey& keyFrame) override {
        return keyFrameList().replace(keyFrame);
    }
    [[nodiscard]] int addKeyFrame(const CKeyFrameID& id, const CGraphicalPointDouble3D& position,
                                  const CQuat& rotation, const CGraphicalPointDouble3D& center,
                                  int tick) override;
    void removeAllKeyFrames() override { keyFrameList().removeAll(); }
};

extern template class CTimeline<CPathTimeline, IPathTimeline, CPathKey>;
using CPathTimelineArray = CUniqueObjectPointerArray<IPathTimeline, CPathTimeline, CTimelineID>;
using CPathTimelineHandle = CBasicHandle<IPathTimeline, CPathTimeline>;
using CPathTimelineWritableHandle = CWritableBasicHandle<IPathTimeline, CPathTimeline>;
using CPathTimelineArrayHandle = CBasicArrayHandle<IPathTimeline, CPathTimeline, CTimelineID, 0>;
ZX_DECLARE_KIND(IPathTimeline, CPathTimeline, CTimelineID, 0);
