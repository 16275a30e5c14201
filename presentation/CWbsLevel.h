// CWbsLevel: a stored level of a work breakdown layout; its values and record come from
// IWbsLevel.
#pragma once

#include <memory>

#include "basetypes/IWbsLevel.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CWbsLevel : public CStored<CWbsLevel, IWbsLevel> {
public:
    CWbsLevel() = default;

    std::unique_ptr<IWbsLevel> clone() const override { return std::make_unique<CWbsLevel>(*this); }
};

using CWbsLevelArray = CUniqueObjectPointerArray<IWbsLevel, CWbsLevel, CWbsLevelID>;
using CWbsLevelHandle = CBasicHandle<IWbsLevel, CWbsLevel>;
using CWbsLevelWritableHandle = CWritableBasicHandle<IWbsLevel, CWbsLevel>;
using CWbsLevelArrayHandle = CBasicArrayHandle<IWbsLevel, CWbsLevel, CWbsLevelID, 0>;
ZX_DECLARE_KIND(IWbsLevel, CWbsLevel, CWbsLevelID, 0);
