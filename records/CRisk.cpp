#include "records/CRisk.h"

CRisk::CRisk() { initialize(); }

CRisk::CRisk(const CRisk& other) : CRisk() { copyFrom(other); }

CRisk& CRisk::operator=(const CRisk& other) {
    copyFrom(other);
    return *this;
}

// Out of line: the sub-risk container holds objects of this very class.
CRisk::~CRisk() = default;

bool CRisk::removeSubRisk(const CRiskID& id, bool recursive) {
    // Each child is matched before its own subtree is searched, and the children are taken in
    // storage order: where an ID occurs on several levels, the first one met that way goes.
    int match = -1;
    for (int i = 0; match < 0 && i < m_subRisks.GetSize(); ++i) {
        CRisk& child = m_subRisks.get()->getWritableReference(i);
        if (child.getID() == id)
            match = i;
        else if (recursive && child.removeSubRisk(id, true))
            return true;
    }
    // With no match this removes nothing but still frees an allocated, empty collection.
    return m_subRisks.removeAt(match);
}

IRiskWritableHandle CRisk::findTargetSubRisk(const CRiskID& id) {
    if (getID() == id) return getWritableHandle();
    for (int i = 0; i < m_subRisks.GetSize(); ++i) {
        IRiskWritableHandle found = m_subRisks.get()->getWritableReference(i).findTargetSubRisk(id);
        if (!found.isNull()) return found;
    }
    return {};
}

ZX_INSTANTIATE_KIND(IRisk, CRisk, CRiskID, 0);
