#include "schedule/CRule.h"

#include <vector>

#include "store/FreeTree.h"

CRule::CRule() = default;

CRule::CRule(const CRule& other) : CRule() { copyFrom(other); }

CRule& CRule::operator=(const CRule& other) {
    copyFrom(other);
    return *this;
}

// Without recursion however deep the tree below (see store/FreeTree.h).
CRule::~CRule() {
    zx::freeTree(m_subRules.get(), [](CRule& child) { return child.m_subRules.get(); });
}

bool CRule::removeSubRule(const CRuleID& id, bool recursive) {
    if (!m_subRules.exists()) return false;
    // The direct sub-rules are matched before any subtree is searched: an ID that occurs both
    // here and deeper goes from this level.
    if (m_subRules.remove(id)) return true;
    if (!recursive) return false;
    // Each sub-rule in storage order, then its own subtree the same way; the path down is an
    // explicit stack, so a deep tree takes no deeper call stack.
    struct Frame {
        CRule* rule;
        int next;
    };
    std::vector<Frame> path{{this, 0}};
    while (!path.empty()) {
        Frame& frame = path.back();
        CRule& rule = *frame.rule;
        if (frame.next >= rule.m_subRules.GetSize()) {
            path.pop_back();
            continue;
        }
        CRule& child = rule.m_subRules.get()->getWritableReference(frame.next++);
        if (!child.m_subRules.exists()) continue;
        if (child.m_subRules.remove(id)) return true;
        path.push_back({&child, 0});
    }
    return false;
}

IRuleHandle CRule::addSubRule(const IRule& rule, int index) {
    const int count = m_subRules.GetSize();
    if (index > count) return {};
    if (index < 0) index = count;
    if (!m_subRules.insert(rule, index)) return {};
    return m_subRules.get()->getConstReference(index).getHandle();
}

ZX_INSTANTIATE_KIND(IRule, CRule, CRuleID, 0);
