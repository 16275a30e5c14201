// CCuttingPlane: a stored cutting plane; values and record come from ICuttingPlane.
#pragma once

#include "basetypes/ICuttingPlane.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CCuttingPlane : public CStored<CCuttingPlane, ICuttingPlane> {
public:
    CCuttingPlane() = default;
    explicit CCuttingPlane(const CString& name) : CCuttingPlane() { setName(name); }
};

using CCuttingPlaneArray = CUniqueObjectPointerArray<ICuttingPlane, CCuttingPlane, CCuttingPlaneID>;
using CCuttingPlaneHandle = CBasicHandle<ICuttingPlane, CCuttingPlane>;
using CCuttingPlaneWritableHandle = CWritableBasicHandle<ICuttingPlane, CCuttingPlane>;
using CCuttingPlaneArrayHandle =
    CBasicArrayHandle<ICuttingPlane, CCuttingPlane, CCuttingPlaneID, 0>;
ZX_DECLARE_KIND(ICuttingPlane, CCuttingPlane, CCuttingPlaneID, 0);
