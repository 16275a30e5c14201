// CEventKeyFrame: a stored event key frame; its values and record come from IEventKeyFrame. A
// timeline owns its key frames; clone() hands a copy to the caller.
#pragma once

#include <memory>

#include "basetypes/IEventKeyFrame.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CEventKeyFrame : public CStored<CEventKeyFrame, IEventKeyFrame> {
public:
    CEventKeyFrame() = default;
    // A key frame at this tick, with every other value as a new one has it.
    explicit CEventKeyFrame(int tick) : CEventKeyFrame() { setTick(tick); }

    std::unique_ptr<IEventKeyFrame> clone() const override {
        return std::make_unique<CEventKeyFrame>(*this);
    }
};

using CEventKeyFrameArray = CUniqueObjectPointerArray<IEventKeyFrame, CEventKeyFrame, CKeyFrameID>;
using CEventKeyFrameHandle = CBasicHandle<IEventKeyFrame, CEventKeyFrame>;
using CEventKeyFrameWritableHandle = CWritableBasicHandle<IEventKeyFrame, CEventKeyFrame>;
using CEventKeyFrameArrayHandle = CBasicArrayHandle<IEventKeyFrame, CEventKeyFrame, CKeyFrameID, 0>;
ZX_DECLARE_KIND(IEventKeyFrame, CEventKeyFrame, CKeyFrameID, 0);
