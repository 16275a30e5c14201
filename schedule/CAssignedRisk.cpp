#include "schedule/CAssignedRisk.h"

CAssignedRisk::CAssignedRisk() = default;

CAssignedRisk::CAssignedRisk(const CRiskID& riskID, const CRiskValueMode& valueMode)
    : CAssignedRisk() {
    setRiskID(riskID);
    setValueMode(valueMode);
}

CAssignedRisk::CAssignedRisk(const CAssignedRisk& other) : CAssignedRisk() { copyFrom(other); }

CAssignedRisk& CAssignedRisk::operator=(const CAssignedRisk& other) {
    copyFrom(other);
    return *this;
}

CAssignedRisk::~CAssignedRisk() = default;

bool CAssignedRisk::addCost(const ICost& cost) {
    // Overwriting in place keeps the position and the ID, and stays safe when cost is the stored
    // object itself (as it is when a caller passes back what getCosts() handed out).
    if (!m_costs.change(cost)) (void)m_costs.add(cost);
    return true;
}

ZX_INSTANTIATE_KIND(IAssignedRisk, CAssignedRisk, CAssignedRiskID, 0);
