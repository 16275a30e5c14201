// CPathKey: a stored path key; its values and record come from IPathKey. A timeline owns its key
// frames; clone() hands a copy to the caller.
#pragma once

#include <memory>

#include "basetypes/IPathKey.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CPathKey : public CStored<CPathKey, IPathKey> {
public:
    CPathKey() = default;
    // A key frame at this tick, with every other value as a new one has it.
    explicit CPathKey(int tick) : CPathKey() { setTick(tick); }

    std::unique_ptr<IPathKey> clone() const override { return std::make_unique<CPathKey>(*this); }
};

using CPathKeyArray = CUniqueObjectPointerArray<IPathKey, CPathKey, CKeyFrameID>;
using CPathKeyHandle = CBasicHandle<IPathKey, CPathKey>;
using CPathKeyWritableHandle = CWritableBasicHandle<IPathKey, CPathKey>;
using CPathKeyArrayHandle = CBasicArrayHandle<IPathKey, CPathKey, CKeyFrameID, 0>;
ZX_DECLARE_KIND(IPathKey, CPathKey, CKeyFrameID, 0);
