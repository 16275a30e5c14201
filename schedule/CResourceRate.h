// CResourceRate: a stored resource rate and the costs it owns (embedded, never null).
#pragma once

#include "basetypes/IResourceRate.h"
#include "basetypes/ZxApi.h"
#include "schedule/CCost.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CResourceRate : public CStored<CResourceRate, IResourceRate> {
public:
    CResourceRate() = default;
    // Copies start from the fields of a new rate, without initialize(), and then copy.
    CResourceRate(const CResourceRate& other) : CStored() { copyFrom(other); }
    CResourceRate& operator=(const CResourceRate& other) {
        copyFrom(other);
        return *this;
    }
    ~CResourceRate() override;

    ICostConstArrayHandle getCosts() const override;
    ICostArrayHandle getCosts() override;
    void setCosts(const ICostConstArrayHandle& costs) override;
    [[nodiscard]] int addCost(const ICost& cost) override { return m_costs.Add(cost); }
    [[nodiscard]] bool insertCost(const ICost& cost, int index) override {
        return m_costs.InsertAt(index, cost);
    }
    [[nodiscard]] bool removeCost(const CCostID& id) override;
    void removeAllCosts() override { m_costs.RemoveAll(); }
    [[nodiscard]] bool changeCost(const ICost& cost) override {
        return m_costs.changeElement(cost);
    }

private:
    CCostArray m_costs;
};

using CResourceRateArray = CUniqueObjectPointerArray<IResourceRate, CResourceRate, CResourceRateID>;
using CResourceRateHandle = CBasicHandle<IResourceRate, CResourceRate>;
using CResourceRateWritableHandle = CWritableBasicHandle<IResourceRate, CResourceRate>;
using CResourceRateArrayHandle =
    CBasicArrayHandle<IResourceRate, CResourceRate, CResourceRateID, 0>;
ZX_DECLARE_KIND(IResourceRate, CResourceRate, CResourceRateID, 0);
