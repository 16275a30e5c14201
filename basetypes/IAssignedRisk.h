// IAssignedRisk: a risk attached to a task, with its status, weight, value (a percentage or a
// fixed duration, as the value mode says), the costs it would bring and the task that serves as
// its buffer.
//
// The costs exist only while there is at least one: an assigned risk without costs pays one null
// pointer for them, and getCosts() hands out an empty handle.
//
// Record (written to disk; must never change): ID, risk ID, status, weight, value percent, value
// fixed, value mode, costs (a presence byte, then the cost collection when present), buffer ID.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/ICost.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IAssignedRisk : public IDescribed<IAssignedRisk> {
public:
    static constexpr const char* s_kindName = "AssignedRisk";

    struct Fields {
        CAssignedRiskID id;
        CRiskID riskID;
        CRiskStatus status;
        CRiskWeight weight;
        CProjectDouble valuePercent;
        CProjectDuration valueFixed;
        CRiskValueMode valueMode;
        CTaskID bufferID;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("RiskID", &Fields::riskID);
        v.field("Status", &Fields::status);
        v.field("Weight", &Fields::weight);
        v.field("ValuePercent", &Fields::valuePercent, {.min = 0, .max = 100});
        v.field("ValueFixed", &Fields::valueFixed);
        v.field("ValueMode", &Fields::valueMode);
        v.optionalCollection("Costs", &IAssignedRisk::getCosts, &IAssignedRisk::getCosts,
                             &IAssignedRisk::allocateCosts, &IAssignedRisk::removeAllCosts);
        v.field("BufferID", &Fields::bufferID);
    }

    const CAssignedRiskID& getID() const { return fields().id; }
    void setID(const CAssignedRiskID& id) { fields().id = id; }
    const CRiskID& getRiskID() const { return fields().riskID; }
    void setRiskID(const CRiskID& id) { fields().riskID = id; }
    const CRiskStatus& getStatus() const { return fields().status; }
    void setStatus(const CRiskStatus& status) { fields().status = status; }
    const CRiskWeight& getWeight() const { return fields().weight; }
    void setWeight(const CRiskWeight& weight) { fields().weight = weight; }
    double getValuePercent() const { return fields().valuePercent.getValue(); }
    void setValuePercent(double percent) { fields().valuePercent = percent; }
    const CProjectDuration& getValueFixed() const { return fields().valueFixed; }
    void setValueFixed(const CProjectDuration& value) { fields().valueFixed = value; }
    const CRiskValueMode& getValueMode() const { return fields().valueMode; }
    void setValueMode(const CRiskValueMode& mode) { fields().valueMode = mode; }
    // The task that serves as the risk's buffer.
    const CTaskID& getBufferID() const { return fields().bufferID; }
    void setBufferID(const CTaskID& id) { fields().bufferID = id; }

    // An empty handle while there are no costs.
    virtual ICostConstArrayHandle getCosts() const = 0;
    virtual ICostArrayHandle getCosts() = 0;
    // A cost whose ID is present replaces the stored one in place (same position); any other is
    // appended. Always true.
    [[nodiscard]] virtual bool addCost(const ICost& cost) = 0;
    // False when there is no such cost. Removing the last cost frees the collection.
    [[nodiscard]] virtual bool removeCost(const CCostID& id) = 0;
    virtual void removeAllCosts() = 0;

protected:
    friend IDescribed<IAssignedRisk>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    // Creates the empty cost collection if there is none.
    virtual void allocateCosts() = 0;
};

using IAssignedRiskHandle = CWrapperHandle<IAssignedRisk>;
using IAssignedRiskWritableHandle = CWritableWrapperHandle<IAssignedRisk>;
using IAssignedRiskArrayHandle = CWrapperArrayHandle<IAssignedRisk, CAssignedRiskID, 0>;
using IAssignedRiskConstArrayHandle = CConstWrapperArrayHandle<IAssignedRisk, CAssignedRiskID, 0>;
ZX_DECLARE_INTERFACE(IAssignedRisk, CAssignedRiskID, 0);
