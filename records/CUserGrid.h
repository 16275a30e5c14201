// CUserGrid: a stored user grid; values, record and copy come from IUserGrid.
#pragma once

#include "basetypes/IUserGrid.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CUserGrid : public CStored<CUserGrid, IUserGrid> {
public:
    CUserGrid() = default;
    // A copy of the grid the handle holds, or a new grid when it holds none.
    explicit CUserGrid(const IUserGridHandle& grid) : CUserGrid() {
        if (!grid.isNull()) copyFrom(*grid);
    }
};

using CUserGridArray = CUniqueObjectPointerArray<IUserGrid, CUserGrid, CUserGridID>;
using CUserGridHandle = CBasicHandle<IUserGrid, CUserGrid>;
using CUserGridWritableHandle = CWritableBasicHandle<IUserGrid, CUserGrid>;
using CUserGridArrayHandle = CBasicArrayHandle<IUserGrid, CUserGrid, CUserGridID, 0>;
ZX_DECLARE_KIND(IUserGrid, CUserGrid, CUserGridID, 0);
