// CRuleRate: a rule's rate and cost from one effective date on, keyed by that date in a
// CRuleRateArray (at most one rate per day).
//
// Archive record (written to disk; must never change): effective date, rate, cost, in that order
// (from describeFields), no framing.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "store/CUniqueValueArray.h"

class ZX_API CRuleRate : public CDescribedValue<CRuleRate> {
public:
    static constexpr const char* s_kindName = "RuleRate";

    CRuleRate() = default;
    CRuleRate(const CProjectDate& effectiveDate, const CProjectDouble& rate,
              const CProjectDouble& cost)
        : m_effectiveDate(effectiveDate), m_rate(rate), m_cost(cost) {}

    template <class V>
    static void describeFields(V& v) {
        v.field("EffectiveDate", &CRuleRate::m_effectiveDate);
        v.field("Rate", &CRuleRate::m_rate);
        v.field("Cost", &CRuleRate::m_cost);
    }

    // The key of the rate in its array.
    const CProjectDate& getID() const { return m_effectiveDate; }
    const CProjectDate& getEffectiveDate() const { return m_effectiveDate; }
    void setEffectiveDate(const CProjectDate& date) { m_effectiveDate = date; }
    const CProjectDouble& getRate() const { return m_rate; }
    void setRate(const CProjectDouble& rate) { m_rate = rate; }
    const CProjectDouble& getCost() const { return m_cost; }
    void setCost(const CProjectDouble& cost) { m_cost = cost; }

private:
    CProjectDate m_effectiveDate;
    CProjectDouble m_rate;
    CProjectDouble m_cost;
};

struct CRuleRateIDGetter {
    const CProjectDate& operator()(const CRuleRate& rate) const { return rate.getID(); }
};

using CRuleRateArray = CUniqueValueArray<CRuleRate, CProjectDate, CRuleRateIDGetter>;
