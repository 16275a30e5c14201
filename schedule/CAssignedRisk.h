// CAssignedRisk: a stored assigned risk and the costs it owns. The cost collection is created by
// the first cost and freed with the last one, so a null collection is the only empty state.
#pragma once

#include <memory>

#include "basetypes/IAssignedRisk.h"
#include "schedule/CCost.h"
#include "store/CUniqueObjectPointerArray.h"

class CAssignedRisk : public CStored<CAssignedRisk, IAssignedRisk> {
public:
    CAssignedRisk();
    // The risk and value mode are stored over the initial values.
    CAssignedRisk(const CRiskID& riskID, const CRiskValueMode& valueMode);
    CAssignedRisk(const CAssignedRisk& other);
    CAssignedRisk& operator=(const CAssignedRisk& other);
    ~CAssignedRisk() override;

    ICostArrayHandle getCosts() const override;
    bool addCost(const ICost& cost) override;
    bool removeCost(const CCostID& id) override;
    void removeAllCosts() override;

protected:
    void allocateCosts() override;

private:
    std::unique_ptr<CCostArray> m_costs;
};

using CAssignedRiskArray = CUniqueObjectPointerArray<IAssignedRisk, CAssignedRisk, CAssignedRiskID>;
using CAssignedRiskHandle = CBasicHandle<IAssignedRisk, CAssignedRisk>;
using CAssignedRiskWritableHandle = CWritableBasicHandle<IAssignedRisk, CAssignedRisk>;
using CAssignedRiskArrayHandle =
    CBasicArrayHandle<IAssignedRisk, CAssignedRisk, CAssignedRiskID, 0>;
template <>
struct ConcreteKind<IAssignedRisk> {
    using type = CAssignedRisk;
};
