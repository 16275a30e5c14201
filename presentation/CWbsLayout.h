// CWbsLayout: a stored work breakdown layout and the levels it owns.
#pragma once

#include "basetypes/IWbsLayout.h"
#include "basetypes/ZxApi.h"
#include "presentation/CWbsLevel.h"

class ZX_API CWbsLayout : public CStored<CWbsLayout, IWbsLayout> {
public:
    CWbsLayout() = default;

    IWbsLevelConstArrayHandle getLevels() const override;
    IWbsLevelArrayHandle getLevels() override;
    [[nodiscard]] int addLevel(const IWbsLevel& level) override { return m_levels.Add(level); }
    [[nodiscard]] bool insertLevel(const IWbsLevel& level, int index) override {
        return m_levels.InsertAt(index, level);
    }
    [[nodiscard]] bool removeLevel(const CWbsLevelID& id) override { return m_levels.Remove(id); }

private:
    CWbsLevelArray m_levels;
};

using CWbsLayoutArray = CUniqueObjectPointerArray<IWbsLayout, CWbsLayout, CWbsLayoutID>;
using CWbsLayoutHandle = CBasicHandle<IWbsLayout, CWbsLayout>;
using CWbsLayoutWritableHandle = CWritableBasicHandle<IWbsLayout, CWbsLayout>;
using CWbsLayoutArrayHandle = CBasicArrayHandle<IWbsLayout, CWbsLayout, CWbsLayoutID, 0>;
ZX_DECLARE_KIND(IWbsLayout, CWbsLayout, CWbsLayoutID, 0);
