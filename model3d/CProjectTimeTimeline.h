// CProjectTimeTimeline: a stored timeline of project-time key frames (model3d/CTimeline.h).
#pragma once

#include "basetypes/IProjectTimeTimeline.h"
#include "basetypes/ZxApi.h"
#include "model3d/CProjectTimeKeyFrame.h"
#include "model3d/CTimeline.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CProjectTimeTimeline
    : public CTimeline<CProjectTimeTimeline, IProjectTimeTimeline, CProjectTimeKeyFrame> {};

extern template class CTimeline<CProjectTimeTimeline, IProjectTimeTimeline, CProjectTimeKeyFrame>;
using CProjectTimeTimelineArray =
    CUniqueObjectPointerArray<IProjectTimeTimeline, CProjectTimeTimeline, CTimelineID>;
using CProjectTimeTimelineHandle = CBasicHandle<IProjectTimeTimeline, CProjectTimeTimeline>;
using CProjectTimeTimelineWritableHandle =
    CWritableBasicHandle<IProjectTimeTimeline, CProjectTimeTimeline>;
using CProjectTimeTimelineArrayHandle =
    CBasicArrayHandle<IProjectTimeTimeline, CProjectTimeTimeline, CTimelineID, 0>;
ZX_DECLARE_KIND(IProjectTimeTimeline, CProjectTimeTimeline, CTimelineID, 0);
