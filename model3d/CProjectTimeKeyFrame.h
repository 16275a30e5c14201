// CProjectTimeKeyFrame: a stored project-time key frame; its values and record come from
// IProjectTimeKeyFrame. A timeline owns its key frames; clone() hands a copy to the caller.
#pragma once

#include <memory>

#include "basetypes/IProjectTimeKeyFrame.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CProjectTimeKeyFrame : public CStored<CProjectTimeKeyFrame, IProjectTimeKeyFrame> {
public:
    CProjectTimeKeyFrame() = default;
    // A key frame at this tick, with every other value as a new one has it.
    explicit CProjectTimeKeyFrame(int tick) : CProjectTimeKeyFrame() { setTick(tick); }

    std::unique_ptr<IProjectTimeKeyFrame> clone() const override {
        return std::make_unique<CProjectTimeKeyFrame>(*this);
    }
};

using CProjectTimeKeyFrameArray =
    CUniqueObjectPointerArray<IProjectTimeKeyFrame, CProjectTimeKeyFrame, CKeyFrameID>;
using CProjectTimeKeyFrameHandle = CBasicHandle<IProjectTimeKeyFrame, CProjectTimeKeyFrame>;
using CProjectTimeKeyFrameWritableHandle =
    CWritableBasicHandle<IProjectTimeKeyFrame, CProjectTimeKeyFrame>;
using CProjectTimeKeyFrameArrayHandle =
    CBasicArrayHandle<IProjectTimeKeyFrame, CProjectTimeKeyFrame, CKeyFrameID, 0>;
ZX_DECLARE_KIND(IProjectTimeKeyFrame, CProjectTimeKeyFrame, CKeyFrameID, 0);
