// ITaskReport: one dated report on a task, with its duration, type, comments, the risk it
// concerns and its own costs.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/ICost.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API ITaskReport : public IDescribed<ITaskReport> {
public:
    static constexpr const char* s_kindName = "TaskReport";

    struct Fields {
        CTaskReportID id;
        CRiskID riskID;
        CProjectDate date;
        CProjectDuration duration;
        CTaskReportType type;
        CProjectString comments;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("RiskID", &Fields::riskID);
        v.field("Date", &Fields::date);
        v.field("Duration", &Fields::duration);
        v.field("Type", &Fields::type);
        v.field("Comments", &Fields::comments);
        v.collection("Costs", &ITaskReport::getCosts, &ITaskReport::getCosts);
    }

    const CTaskReportID& getID() const { return fields().id; }
    void setID(const CTaskReportID& id) { fields().id = id; }
    const CRiskID& getRiskID() const { return fields().riskID; }
    void setRiskID(const CRiskID& id) { fields().riskID = id; }
    const CProjectDate& getDate() const { return fields().date; }
    void setDate(const CProjectDate& date) { fields().date = date; }
    const CProjectDuration& getDuration() const { return fields().duration; }
    void setDuration(const CProjectDuration& duration) { fields().duration = duration; }
    const CTaskReportType& getType() const { return fields().type; }
    void setType(const CTaskReportType& type) { fields().type = type; }
    const CProjectString& getComments() const { return fields().comments; }
    void setComments(const CString& comments) { fields().comments = comments; }

    virtual ICostConstArrayHandle getCosts() const = 0;
    virtual ICostArrayHandle getCosts() = 0;
    // A cost whose ID is present is not added.
    virtual void addCost(const ICost& cost) = 0;
    // Overwrites the stored cost with cost's ID; false when there is none.
    [[nodiscard]] virtual bool changeCost(const ICost& cost) = 0;
    virtual void removeCost(const CCostID& id) = 0;
    virtual void removeAllCosts() = 0;

protected:
    friend IDescribed<ITaskReport>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using ITaskReportHandle = CWrapperHandle<ITaskReport>;
using ITaskReportWritableHandle = CWritableWrapperHandle<ITaskReport>;
using ITaskReportArrayHandle = CWrapperArrayHandle<ITaskReport, CTaskReportID, 0>;
using ITaskReportConstArrayHandle = CConstWrapperArrayHandle<ITaskReport, CTaskReportID, 0>;
ZX_DECLARE_INTERFACE(ITaskReport, CTaskReportID, 0);
