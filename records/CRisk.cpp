#include "records/CRisk.h"

#include <vector>

#include "store/FreeTree.h"

CRisk::CRisk() = default;

CRisk::CRisk(const CRisk& other) : CRisk() { copyFrom(other); }

CRisk& CRisk::operator=(const CRisk& other) {
    copyFrom(other);
    return *this;
}

// Without recursion however deep the tree below (see store/FreeTree.h).
CRisk::~CRisk() {
    zx::freeTree(m_subRisks.get(), [](CRisk& child) { return child.m_subRisks.get(); });
}

bool CRisk::removeSubRisk(const CRiskID& id, bool recursive) {
    // Each child is matched before its own subtree is searched, and the children are taken in
    // storage order: where an ID occurs on several levels, the first one met that way goes. The
    // path down is an explicit stack, so a deep tree takes no deeper call stack.
    struct Frame {
        CRisk* risk;
        int next;
    };
    std::vector<Frame> path{{this, 0}};
    while (!path.empty()) {
        Frame& frame = path.back();
        CRisk& risk = *frame.risk;
        if (frame.next < risk.m_subRisks.GetSize()) {
            const int i = frame.next++;
            CRisk& child = risk.m_subRisks.get()->getWritableReference(i);
            if (child.getID() == id) return risk.m_subRisks.removeAt(i);
            if (recursive) path.push_back({&child, 0});
            continue;
        }
        // No match here: this removes nothing but still frees an allocated, empty collection.
        (void)risk.m_subRisks.removeAt(-1);
        path.pop_back();
    }
    return false;
}

IRiskWritableHandle CRisk::findTargetSubRisk(const CRiskID& id) {
    // Depth first in storage order: the children are stacked last first.
    std::vector<CRisk*> pending{this};
    while (!pending.empty()) {
        CRisk& risk = *pending.back();
        pending.pop_back();
        if (risk.getID() == id) return risk.getWritableHandle();
        for (int i = risk.m_subRisks.GetSize(); i-- > 0;)
            pending.push_back(&risk.m_subRisks.get()->getWritableReference(i));
    }
    return {};
}

ZX_INSTANTIATE_KIND(IRisk, CRisk, CRiskID, 0);
