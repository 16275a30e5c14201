// CAssignedResourceParameters: how one resource works on a task it is assigned to, keyed by the
// resource's ID in a CAssignedResourceParametersArray (at most one set per resource).
//
// A resource assignment holds one set; a resource group assignment holds one per member resource.
// Units per time is the share of the resource the task takes while the resource works on it (1.0:
// one unit full time); quantity the amount of work or material planned for the task; lag how long
// after the task's start the resource begins. Unset values leave the choice to the resource.
//
// Archive record (written to disk; must never change): resource ID, units per time, quantity,
// lag, in that order (from describeFields), no framing.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/CUniqueValueArray.h"

class ZX_API CAssignedResourceParameters : public CDescribedValue<CAssignedResourceParameters> {
public:
    static constexpr const char* s_kindName = "AssignedResourceParameters";

    CAssignedResourceParameters() = default;
    explicit CAssignedResourceParameters(const CResourceID& resourceID)
        : m_resourceID(resourceID) {}

    template <class V>
    static void describeFields(V& v) {
        v.field("ResourceID", &CAssignedResourceParameters::m_resourceID);
        v.field("UnitsPerTime", &CAssignedResourceParameters::m_unitsPerTime, {.min = 0});
        v.field("Quantity", &CAssignedResourceParameters::m_quantity);
        v.field("Lag", &CAssignedResourceParameters::m_lag);
    }

    // The key of the set in its array.
    const CResourceID& getID() const { return getResourceID(); }
    const CResourceID& getResourceID() const { return m_resourceID; }
    void setResourceID(const CResourceID& id) { m_resourceID = id; }
    const CProjectDouble& getUnitsPerTime() const { return m_unitsPerTime; }
    void setUnitsPerTime(double units) { m_unitsPerTime = units; }
    const CProjectDouble& getQuantity() const { return m_quantity; }
    void setQuantity(double quantity) { m_quantity = quantity; }
    const CProjectDuration& getLag() const { return m_lag; }
    void setLag(const CProjectDuration& lag) { m_lag = lag; }

private:
    CResourceID m_resourceID;
    CProjectDouble m_unitsPerTime;
    CProjectDouble m_quantity;
    CProjectDuration m_lag;
};

struct CAssignedResourceParametersIDGetter {
    const CResourceID& operator()(const CAssignedResourceParameters& parameters) const {
        return parameters.getID();
    }
};

using CAssignedResourceParametersArray = CUniqueValueArray<CAssignedResourceParameters, CResourceID,
                                                           CAssignedResourceParametersIDGetter>;
