// IResourceRate: what a resource costs from one effective date on: a use rate per day and the
// costs that apply from that date. A rate owns its costs.
//
// Defaults of a new rate (initialize): ID unset, effective date the zero date, use rate per day
// unset, no costs.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/ICost.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IResourceRate;
using IResourceRateHandle = CWrapperHandle<IResourceRate>;
using IResourceRateWritableHandle = CWritableWrapperHandle<IResourceRate>;
using IResourceRateArrayHandle = CWrapperArrayHandle<IResourceRate, CResourceRateID, 0>;
using IResourceRateConstArrayHandle = CConstWrapperArrayHandle<IResourceRate, CResourceRateID, 0>;
ZX_DECLARE_INTERFACE(IResourceRate, CResourceRateID, 0);

class ZX_API IResourceRate : public IDescribed<IResourceRate> {
public:
    static constexpr const char* s_kindName = "ResourceRate";

    struct Fields {
        CResourceRateID id;
        CProjectDate effectiveDate;
        CProjectInt useRatePerDay;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("EffectiveDate", &Fields::effectiveDate);
        v.field("UseRatePerDay", &Fields::useRatePerDay, {.min = 0});
        v.collection("Costs", &IResourceRate::getCosts, &IResourceRate::getCosts);
    }

    const CResourceRateID& getID() const { return fields().id; }
    void setID(const CResourceRateID& id) { fields().id = id; }
    const CProjectDate& getEffectiveDate() const { return fields().effectiveDate; }
    void setEffectiveDate(const CProjectDate& date) { fields().effectiveDate = date; }
    // The plain number; 0 while the rate is unset.
    int getUseRatePerDay() const { return fields().useRatePerDay.getValue(); }
    void setUseRatePerDay(int rate) { fields().useRatePerDay = rate; }

    // Costs (embedded).
    virtual ICostConstArrayHandle getCosts() const = 0;
    virtual ICostArrayHandle getCosts() = 0;
    // Replaces the costs with copies of what the handle yields.
    virtual void setCosts(const ICostConstArrayHandle& costs) = 0;
    // Position of the stored copy, or -1 when a cost with that ID is present.
    [[nodiscard]] virtual int addCost(const ICost& cost) = 0;
    // False for an index outside 0..count or an ID already present.
    [[nodiscard]] virtual bool insertCost(const ICost& cost, int index) = 0;
    [[nodiscard]] virtual bool removeCost(const CCostID& id) = 0;
    virtual void removeAllCosts() = 0;
    // Overwrites the stored cost with cost's ID; false when there is none.
    [[nodiscard]] virtual bool changeCost(const ICost& cost) = 0;
    int numberOfCosts() const { return getCosts().GetSize(); }

protected:
    friend IDescribed<IResourceRate>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};
