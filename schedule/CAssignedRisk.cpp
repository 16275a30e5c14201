#include "schedule/CAssignedRisk.h"

CAssignedRisk::CAssignedRisk() { initialize(); }

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

ICostArrayHandle CAssignedRisk::getCosts() const {
    if (!m_costs) return {};
    return ICostArrayHandle(new CCostArrayHandle(m_costs.get()));
}

bool CAssignedRisk::addCost(const ICost& cost) {
    allocateCosts();
    // Overwriting in place keeps the position and the ID, and stays safe when cost is the stored
    // object itself (as it is when a caller passes back what getCosts() handed out).
    if (!m_costs->changeElement(cost)) (void)m_costs->Add(cost);
    return true;
}

bool CAssignedRisk::removeCost(const CCostID& id) {
    if (!m_costs || !m_costs->Remove(id)) return false;
    if (m_costs->GetSize() == 0) m_costs.reset();
    return true;
}

void CAssignedRisk::removeAllCosts() { m_costs.reset(); }

void CAssignedRisk::allocateCosts() {
    if (!m_costs) m_costs = std::make_unique<CCostArray>();
}
