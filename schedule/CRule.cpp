#include "schedule/CRule.h"

CRule::CRule() { initialize(); }

CRule::CRule(const CRule& other) : CRule() { copyFrom(other); }

CRule& CRule::operator=(const CRule& other) {
    copyFrom(other);
    return *this;
}

// Out of line: the sub-rule container holds objects of this very class.
CRule::~CRule() = default;

bool CRule::removeSubRule(const CRuleID& id, bool recursive) {
    if (!m_subRules.exists()) return false;
    // The direct sub-rules are matched before any subtree is searched: an ID that occurs both
    // here and deeper goes from this level.
    if (m_subRules.remove(id)) return true;
    if (!recursive) return false;
    for (int i = 0; i < m_subRules.GetSize(); ++i) {
        if (m_subRules.get()->getWritableReference(i).removeSubRule(id, true)) return true;
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
