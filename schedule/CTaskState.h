// CTaskState: a stored task state; everything it is comes from ITaskState.
#pragma once

#include "basetypes/ITaskState.h"
#include "basetypes/ZxApi.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CTaskState : public CStored<CTaskState, ITaskState> {
public:
    CTaskState() = default;
};

using CTaskStateArray = CUniqueObjectPointerArray<ITaskState, CTaskState, CTaskStateID>;
using CTaskStateHandle = CBasicHandle<ITaskState, CTaskState>;
using CTaskStateWritableHandle = CWritableBasicHandle<ITaskState, CTaskState>;
using CTaskStateArrayHandle = CBasicArrayHandle<ITaskState, CTaskState, CTaskStateID, 0>;
ZX_DECLARE_KIND(ITaskState, CTaskState, CTaskStateID, 0);
