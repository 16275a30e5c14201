// CRule: a stored rule and the sub-rules it owns. The sub-rule collection is allocated on first
// insertion and freed as soon as a removal or detach empties it; a refused insertion leaves none
// behind either.
#pragma once

#include "basetypes/IRule.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/COptionalObjectArray.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CRule;
using CRuleArray = CUniqueObjectPointerArray<IRule, CRule, CRuleID>;
using CRuleHandle = CBasicHandle<IRule, CRule>;
using CRuleWritableHandle = CWritableBasicHandle<IRule, CRule>;
using CRuleArrayHandle = CBasicArrayHandle<IRule, CRule, CRuleID, 0>;

class ZX_API CRule : public CStored<CRule, IRule> {
public:
    CRule();
    CRule(const CRule& other);
    CRule& operator=(const CRule& other);
    ~CRule() override;

    IRuleConstArrayHandle getSubRules() const override { return m_subRules.handle(); }
    IRuleArrayHandle getSubRules() override { return m_subRules.handle(); }
    [[nodiscard]] bool removeSubRule(const CRuleID& id, bool recursive) override;
    void removeAllSubRules() override { m_subRules.reset(); }
    IRuleHandle addSubRule(const IRule& rule, int index) override;
    [[nodiscard]] IRuleWritableHandle detach(const CRuleID& id) override {
        return m_subRules.detach(id);
    }
    // The range is checked against the current count (0 while there is no collection), so a
    // refused attach allocates nothing.
    [[nodiscard]] bool attach(IRuleWritableHandle rule, int index) override {
        return m_subRules.attach(rule, index);
    }

protected:
    void allocateSubRules() override {
        m_subRules.reset();
        m_subRules.ensure();
    }

private:
    COptionalObjectArray<IRule, CRule, CRuleID> m_subRules;
};

ZX_DECLARE_KIND(IRule, CRule, CRuleID, 0);
