// C3DFilter: a stored 3D filter; its values, sub-filters and record come from I3DFilter. It owns
// nothing but its values: its sub-filters live and die with it.
#pragma once

#include "basetypes/I3DFilter.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API C3DFilter : public CStored<C3DFilter, I3DFilter> {
public:
    C3DFilter() = default;
};

using C3DFilterArray = CUniqueObjectPointerArray<I3DFilter, C3DFilter, CFilterID>;
using C3DFilterHandle = CBasicHandle<I3DFilter, C3DFilter>;
using C3DFilterWritableHandle = CWritableBasicHandle<I3DFilter, C3DFilter>;
using C3DFilterArrayHandle = CBasicArrayHandle<I3DFilter, C3DFilter, CFilterID, 0>;
ZX_DECLARE_KIND(I3DFilter, C3DFilter, CFilterID, 0);
