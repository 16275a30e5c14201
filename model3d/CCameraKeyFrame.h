// CCameraKeyFrame: a stored camera key frame; its values and record come from ICameraKeyFrame. A
// timeline owns its key frames; clone() hands a copy to the caller.
#pragma once

#include <memory>

#include "basetypes/ICameraKeyFrame.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CCameraKeyFrame : public CStored<CCameraKeyFrame, ICameraKeyFrame> {
public:
    CCameraKeyFrame() = default;
    // A key frame at this tick, with every other value as a new one has it.
    explicit CCameraKeyFrame(int tick) : CCameraKeyFrame() { setTick(tick); }

    std::unique_ptr<ICameraKeyFrame> clone() const override {
        return std::make_unique<CCameraKeyFrame>(*this);
    }
};

using CCameraKeyFrameArray =
    CUniqueObjectPointerArray<ICameraKeyFrame, CCameraKeyFrame, CKeyFrameID>;
using CCameraKeyFrameHandle = CBasicHandle<ICameraKeyFrame, CCameraKeyFrame>;
using CCameraKeyFrameWritableHandle = CWritableBasicHandle<ICameraKeyFrame, CCameraKeyFrame>;
using CCameraKeyFrameArrayHandle =
    CBasicArrayHandle<ICameraKeyFrame, CCameraKeyFrame, CKeyFrameID, 0>;
ZX_DECLARE_KIND(ICameraKeyFrame, CCameraKeyFrame, CKeyFrameID, 0);
