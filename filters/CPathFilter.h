// CPathFilter: a stored path filter; its values, sub-filters and record come from IPathFilter. It
// owns nothing but its values: its sub-filters live and die with it.
#pragma once

#include "basetypes/IPathFilter.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CPathFilter : public CStored<CPathFilter, IPathFilter> {
public:
    CPathFilter() = default;
};

using CPathFilterArray = CUniqueObjectPointerArray<IPathFilter, CPathFilter, CFilterID>;
using CPathFilterHandle = CBasicHandle<IPathFilter, CPathFilter>;
using CPathFilterWritableHandle = CWritableBasicHandle<IPathFilter, CPathFilter>;
using CPathFilterArrayHandle = CBasicArrayHandle<IPathFilter, CPathFilter, CFilterID, 0>;
ZX_DECLARE_KIND(IPathFilter, CPathFilter, CFilterID, 0);
