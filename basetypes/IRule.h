// IRule: a coded rate with a unit, its effective rates by date and the tree of sub-rules below
// it. Every rule owns its sub-rules; the sub-rule collection exists only while it has entries, so
// a leaf rule costs one null pointer. Resources refer to their rule by ID.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CRuleRate.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IRule;
using IRuleHandle = CWrapperHandle<IRule>;
using IRuleWritableHandle = CWritableWrapperHandle<IRule>;
using IRuleArrayHandle = CWrapperArrayHandle<IRule, CRuleID, 0>;
using IRuleConstArrayHandle = CConstWrapperArrayHandle<IRule, CRuleID, 0>;
ZX_DECLARE_INTERFACE(IRule, CRuleID, 0);

class ZX_API IRule : public IDescribed<IRule> {
public:
    static constexpr const char* s_kindName = "Rule";

    struct Fields {
        CRuleID id;
        CRuleRateArray effectiveRates;
        CProjectString ruleCode;
        CProjectString description;
        CProjectDouble rate = 0.0;
        CResourceUnitType unit;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("EffectiveRates", &Fields::effectiveRates);
        v.field("RuleCode", &Fields::ruleCode);
        v.field("Description", &Fields::description);
        v.field("Rate", &Fields::rate);
        v.field("Unit", &Fields::unit);
        v.optionalCollection("SubRules", &IRule::getSubRules, &IRule::getSubRules,
                             &IRule::allocateSubRules, &IRule::removeAllSubRules);
    }

    const CRuleID& getID() const { return fields().id; }
    void setID(const CRuleID& id) { fields().id = id; }
    const CProjectString& getRuleCode() const { return fields().ruleCode; }
    void setRuleCode(const CString& code) { fields().ruleCode = code; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CProjectDouble& getRate() const { return fields().rate; }
    void setRate(const CProjectDouble& rate) { fields().rate = rate; }
    const CResourceUnitType& getUnit() const { return fields().unit; }
    void setUnit(const CResourceUnitType& unit) { fields().unit = unit; }

    // Sub-rules. An empty handle while the rule has none.
    virtual IRuleConstArrayHandle getSubRules() const = 0;
    virtual IRuleArrayHandle getSubRules() = 0;
    // Removes the direct sub-rule with this ID or, when recursive and no direct sub-rule has it,
    // the first one found below the direct sub-rules taken in storage order. A collection the
    // removal empties is freed.
    [[nodiscard]] virtual bool removeSubRule(const CRuleID& id, bool recursive) = 0;
    // Frees the sub-rule collection and every rule in it.
    virtual void removeAllSubRules() = 0;
    // Stores a copy at index (negative: at the end). A handle on the stored copy; an empty handle
    // for an index above the count or an ID already present.
    [[nodiscard]] virtual IRuleHandle addSubRule(const IRule& rule, int index) = 0;
    // Takes the sub-rule with this ID out without deleting it: the caller owns it through the
    // returned handle (empty when absent) until it is attached somewhere or deleted.
    [[nodiscard]] virtual IRuleWritableHandle detach(const CRuleID& id) = 0;
    // Moves the rule the handle views (one nobody owns, as detach hands out) in at index, without
    // copying: ownership passes to this rule. False for an empty handle, an index outside
    // 0..count or an ID already present; the rule then stays the caller's.
    [[nodiscard]] virtual bool attach(IRuleWritableHandle rule, int index) = 0;

    // Effective rates, keyed by their effective date.
    const CRuleRateArray& getEffectiveRates() const { return fields().effectiveRates; }
    void setEffectiveRates(CRuleRateArray&& rates) { fields().effectiveRates = std::move(rates); }
    void setEffectiveRates(const CRuleRateArray& rates) { fields().effectiveRates = rates; }
    // Inserts at storage position index when 0 <= index < count, otherwise appends. A rate whose
    // date is already present is not stored; the result is true either way, so callers that must
    // know look the date up first.
    [[nodiscard]] bool addEffectiveRate(const CRuleRate& rate, int index) {
        CRuleRateArray& rates = fields().effectiveRates;
        if (index >= 0 && index < rates.GetSize())
            (void)rates.insertValue(index, rate);
        else
            (void)rates.addValue(rate);
        return true;
    }
    // Overwrites the stored rate with rate's date, which keeps its place; false when absent.
    [[nodiscard]] bool changeEffectiveRate(const CRuleRate& rate) {
        CRuleRateArray& rates = fields().effectiveRates;
        const int i = rates.findByID(rate.getID());
        if (i < 0) return false;
        rates.getWritableReference(i) = rate;
        return true;
    }
    // False when no rate has this date.
    [[nodiscard]] bool removeEffectiveRate(const CProjectDate& date) {
        CRuleRateArray& rates = fields().effectiveRates;
        return rates.RemoveAt(rates.findByID(date));
    }
    void removeAllEffectiveRates() { fields().effectiveRates.RemoveAll(); }

protected:
    friend IDescribed<IRule>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    // Replaces the sub-rule collection with a new empty one, deleting any rules it held.
    virtual void allocateSubRules() = 0;
};
