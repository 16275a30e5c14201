// CCost: a stored cost; everything it is comes from ICost.
#pragma once

#include "basetypes/ICost.h"
#include "basetypes/ZxApi.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CCost : public CStored<CCost, ICost> {
public:
    CCost() = default;
};

using CCostArray = CUniqueObjectPointerArray<ICost, CCost, CCostID>;
using CCostHandle = CBasicHandle<ICost, CCost>;
using CCostWritableHandle = CWritableBasicHandle<ICost, CCost>;
using CCostArrayHandle = CBasicArrayHandle<ICost, CCost, CCostID, 0>;
ZX_DECLARE_KIND(ICost, CCost, CCostID, 0);
