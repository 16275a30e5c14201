// CEventTimeline: a stored timeline of event key frames (model3d/CTimeline.h).
#pragma once

#include "basetypes/IEventTimeline.h"
#include "basetypes/ZxApi.h"
#include "model3d/CEventKeyFrame.h"
#include "model3d/CTimeline.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CEventTimeline : public CTimeline<CEventTimeline, IEventTimeline, CEventKeyFrame> {};

extern template class CTimeline<CEventTimeline, IEventTimeline, CEventKeyFrame>;
using CEventTimelineArray = CUniqueObjectPointerArray<IEventTimeline, CEventTimeline, CTimelineID>;
using CEventTimelineHandle = CBasicHandle<IEventTimeline, CEventTimeline>;
using CEventTimelineWritableHandle = CWritableBasicHandle<IEventTimeline, CEventTimeline>;
using CEventTimelineArrayHandle = CBasicArrayHandle<IEventTimeline, CEventTimeline, CTimelineID, 0>;
ZX_DECLARE_KIND(IEventTimeline, CEventTimeline, CTimelineID, 0);
