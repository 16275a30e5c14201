// CCameraTimeline: a stored timeline of camera key frames (model3d/CTimeline.h).
#pragma once

#include "basetypes/ICameraTimeline.h"
#include "basetypes/ZxApi.h"
#include "model3d/CCameraKeyFrame.h"
#include "model3d/CTimeline.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CCameraTimeline : public CTimeline<CCameraTimeline, ICameraTimeline, CCameraKeyFrame> {
};

extern template class CTimeline<CCameraTimeline, ICameraTimeline, CCameraKeyFrame>;
using CCameraTimelineArray =
    CUniqueObjectPointerArray<ICameraTimeline, CCameraTimeline, CTimelineID>;
using CCameraTimelineHandle = CBasicHandle<ICameraTimeline, CCameraTimeline>;
using CCameraTimelineWritableHandle = CWritableBasicHandle<ICameraTimeline, CCameraTimeline>;
using CCameraTimelineArrayHandle =
    CBasicArrayHandle<ICameraTimeline, CCameraTimeline, CTimelineID, 0>;
ZX_DECLARE_KIND(ICameraTimeline, CCameraTimeline, CTimelineID, 0);
