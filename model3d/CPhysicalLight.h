// CPhysicalLight: ; values and record come from IPhysicalLight.
#pragma once

#include "basetypes/IPhysicalLight.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CPhysicalLight : public CStored<CPhysicalLight, IPhysicalLight> {
public:
    // New lights carry the null ID, not the unset one.
    static constexpr bool s_newObjectsHaveNullIdentity = true;

    CPhysicalLight() = default;
};

using CPhysicalLightArray =
    CUniqueObjectPointerArray<IPhysicalLight, CPhysicalLight, CPhysicalLightID>;
using CPhysicalLightHandle = CBasicHandle<IPhysicalLight, CPhysicalLight>;
using CPhysicalLightWritableHandle = CWritableBasicHandle<IPhysicalLight, CPhysicalLight>;
using CPhysicalLightArrayHandle =
    CBasicArrayHandle<IPhysicalLight, CPhysicalLight, CPhysicalLightID, 0>;
ZX_DECLARE_KIND(IPhysicalLight, CPhysicalLight, CPhysicalLightID, 0);
