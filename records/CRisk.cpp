#include "records/CRisk.h"

CRisk::CRisk() { initialize(); }

CRisk::CRisk(const CRisk& other) : CRisk() { copyFrom(other); }

CRisk& CRisk::operator=(const CRisk& other) {
    copyFrom(other);
    return *this;
}

CRisk::~CRisk() = default;

IRiskArrayHandle CRisk::getSubRisks() const {
    if (!m_subRisks) return {};
    return IRiskArrayHandle(new CRiskArrayHandle(m_subRisks.get()));
}

int CRisk::addSubRisk(const IRisk& risk) {
    allocateSubRisks();
    const int i = m_subRisks->Add(risk);
    freeSubRisksIfEmpty();
    return i;
}

bool CRisk::insertSubRisk(const IRisk& risk, int index) {
    allocateSubRisks();
    const bool inserted = m_subRisks->InsertAt(index, risk);
    freeSubRisksIfEmpty();
    return inserted;
}

bool CRisk::removeSubRisk(const CRiskID& id, bool recursive) {
    if (!m_subRisks) return false;
    // Each child is matched before its own subtree is searched, and the children are taken in
    // storage order: where an ID occurs on several levels, the first one met that way goes.
    bool removed = false;
    for (int i = 0; !removed && i < m_subRisks->GetSize(); ++i) {
        CRisk& child = m_subRisks->getWritableReference(i);
        if (child.getID() == id)
            removed =
                m_subRisks->isSorted() ? m_subRisks->RemoveAt(i) : m_subRisks->RemoveAtNoSort(i);
        else if (recursive)
            removed = child.removeSubRisk(id, true);
    }
    freeSubRisksIfEmpty();
    return removed;
}

void CRisk::removeAllSubRisks() { m_subRisks.reset(); }

IRiskWritableHandle CRisk::findTargetSubRisk(const CRiskID& id) {
    if (getID() == id) return getWritableHandle();
    if (!m_subRisks) return {};
    for (int i = 0; i < m_subRisks->GetSize(); ++i) {
        IRiskWritableHandle found = m_subRisks->getWritableReference(i).findTargetSubRisk(id);
        if (!found.isNull()) return found;
    }
    return {};
}

void CRisk::allocateSubRisks() {
    if (!m_subRisks) m_subRisks = std::make_unique<CRiskArray>();
}

void CRisk::freeSubRisksIfEmpty() {
    if (m_subRisks && m_subRisks->GetSize() == 0) m_subRisks.reset();
}
