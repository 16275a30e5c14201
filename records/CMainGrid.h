// CMainGrid: a project's stored main grid; values, record and copy come from IMainGrid.
#pragma once

#include "basetypes/IMainGrid.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CMainGrid : public CStored<CMainGrid, IMainGrid> {
public:
    CMainGrid() = default;
};

using CMainGridArray = CUniqueObjectPointerArray<IMainGrid, CMainGrid, CMainGridID>;
using CMainGridHandle = CBasicHandle<IMainGrid, CMainGrid>;
using CMainGridWritableHandle = CWritableBasicHandle<IMainGrid, CMainGrid>;
using CMainGridArrayHandle = CBasicArrayHandle<IMainGrid, CMainGrid, CMainGridID, 0>;
ZX_DECLARE_KIND(IMainGrid, CMainGrid, CMainGridID, 0);
