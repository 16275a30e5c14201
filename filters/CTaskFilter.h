// CTaskFilter: a stored task filter; its values, sub-filters and record come from ITaskFilter. It
// owns nothing but its values: its sub-filters live and die with it.
#pragma once

#include "basetypes/ITaskFilter.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CTaskFilter : public CStored<CTaskFilter, ITaskFilter> {
public:
    CTaskFilter() = default;
};

using CTaskFilterArray = CUniqueObjectPointerArray<ITaskFilter, CTaskFilter, CFilterID>;
using CTaskFilterHandle = CBasicHandle<ITaskFilter, CTaskFilter>;
using CTaskFilterWritableHandle = CWritableBasicHandle<ITaskFilter, CTaskFilter>;
using CTaskFilterArrayHandle = CBasicArrayHandle<ITaskFilter, CTaskFilter, CFilterID, 0>;
ZX_DECLARE_KIND(ITaskFilter, CTaskFilter, CFilterID, 0);
