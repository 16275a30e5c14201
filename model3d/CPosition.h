// CPosition: a stored saved position; its values and record come from IPosition. It owns nothing
// but its values (the camera is embedded).
#pragma once

#include "basetypes/IPosition.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CPosition : public CStored<CPosition, IPosition> {
public:
    CPosition() = default;
    // A new position with this name.
    explicit CPosition(const CString& name) : CPosition() { setName(name); }
};

using CPositionArray = CUniqueObjectPointerArray<IPosition, CPosition, CPositionID>;
using CPositionHandle = CBasicHandle<IPosition, CPosition>;
using CPositionWritableHandle = CWritableBasicHandle<IPosition, CPosition>;
using CPositionArrayHandle = CBasicArrayHandle<IPosition, CPosition, CPositionID, 0>;
ZX_DECLARE_KIND(IPosition, CPosition, CPositionID, 0);
