// C3DNotation: ; values and record come from I3DNotation.
#pragma once

#include "basetypes/I3DNotation.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API C3DNotation : public CStored<C3DNotation, I3DNotation> {
public:
    C3DNotation() = default;
};

using C3DNotationArray = CUniqueObjectPointerArray<I3DNotation, C3DNotation, C3DNotationID>;
using C3DNotationHandle = CBasicHandle<I3DNotation, C3DNotation>;
using C3DNotationWritableHandle = CWritableBasicHandle<I3DNotation, C3DNotation>;
using C3DNotationArrayHandle = CBasicArrayHandle<I3DNotation, C3DNotation, C3DNotationID, 0>;
ZX_DECLARE_KIND(I3DNotation, C3DNotation, C3DNotationID, 0);
