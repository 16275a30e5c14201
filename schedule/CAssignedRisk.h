// CAssignedRisk: a stored assigned risk and the costs it owns. The cost collection is created by
// the first cost and freed with the last one, so a null collection is the only empty state.
#pragma once

#include "basetypes/IAssignedRisk.h"
#include "basetypes/ZxApi.h"
#include "schedule/CCost.h"
#include "store/COptionalObjectArray.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CAssignedRisk : public CStored<CAssignedRisk, IAssignedRisk> {
public:
    CAssignedRisk();
    // The risk and value mode are stored over the initial values.
    CAssignedRisk(const CRiskID& riskID, const CRiskValueMode& valueMode);
    CAssignedRisk(const CAssignedRisk& other);
    CAssignedRisk& operator=(const CAssignedRisk& other);
    ~CAssignedRisk() override;

    ICostConstArrayHandle getCosts() const override { return m_costs.handle(); }
    ICostArrayHandle getCosts() override { return m_costs.handle(); }
    [[nodiscard]] bool addCost(const ICost& cost) override;
    [[nodiscard]] bool removeCost(const CCostID& id) override { return m_costs.remove(id); }
    void removeAllCosts() override { m_costs.reset(); }

protected:
    void allocateCosts() override { m_costs.ensure(); }

private:
    COptionalObjectArray<ICost, CCost, CCostID> m_costs;
};

using CAssignedRiskArray = CUniqueObjectPointerArray<IAssignedRisk, CAssignedRisk, CAssignedRiskID>;
using CAssignedRiskHandle = CBasicHandle<IAssignedRisk, CAssignedRisk>;
using CAssignedRiskWritableHandle = CWritableBasicHandle<IAssignedRisk, CAssignedRisk>;
using CAssignedRiskArrayHandle =
    CBasicArrayHandle<IAssignedRisk, CAssignedRisk, CAssignedRiskID, 0>;
ZX_DECLARE_KIND(IAssignedRisk, CAssignedRisk, CAssignedRiskID, 0);
