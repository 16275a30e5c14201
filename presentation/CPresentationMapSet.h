// CPresentationMapSet: a project's stored presentation maps; values, record and copy come from
// IPresentationMapSet.
#pragma once

#include "basetypes/ZxApi.h"
#include "presentation/IPresentationMapSet.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CPresentationMapSet : public CStored<CPresentationMapSet, IPresentationMapSet> {
public:
    CPresentationMapSet() = default;
};

using CPresentationMapSetArray =
    CUniqueObjectPointerArray<IPresentationMapSet, CPresentationMapSet, CPresentationMapSetID>;
using CPresentationMapSetHandle = CBasicHandle<IPresentationMapSet, CPresentationMapSet>;
using CPresentationMapSetWritableHandle =
    CWritableBasicHandle<IPresentationMapSet, CPresentationMapSet>;
using CPresentationMapSetArrayHandle =
    CBasicArrayHandle<IPresentationMapSet, CPresentationMapSet, CPresentationMapSetID, 0>;
ZX_DECLARE_KIND(IPresentationMapSet, CPresentationMapSet, CPresentationMapSetID, 0);
