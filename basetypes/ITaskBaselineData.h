// ITaskBaselineData: what one task looked like when it was baselined: its descriptive values, the
// dates, durations, floats, progress and costs the calculation services gave it at that moment,
// and copies of its upstream links with, per link, the time the link's delay ended.
//
// A record is filled only by storeBaselineData (and loaded or copied whole); it never follows
// later edits of the task. The upstream links, their delay endpoints and the critical link IDs
// are kept in step: endpoint i belongs to link i, and a critical ID names one of the links. A
// loaded record whose endpoint count differs from its link count is refused.
//
// Defaults of a new record: IDs unset, texts empty, times unset, durations zero, numbers and
// flags unset, enumerations their first value, no links.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "basetypes/CCompactValue.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CTaskConstraint.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "basetypes/ILink.h"
#include "basetypes/IProjectAccessor.h"
#include "basetypes/ITask.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CNonUniqueValueArray.h"
#include "store/IDArrays.h"

class IProjectBaseline;

class ZX_API ITaskBaselineData : public IDescribed<ITaskBaselineData> {
public:
    static constexpr const char* s_kindName = "TaskBaselineData";
    // A record's ID is the ID of the task it describes; its links are copies of the task's.
    static constexpr zx::IDRole s_idRole = zx::IDRole::key;

    struct Fields {
        CTaskID id;
        CCalendarID dominantCalendarID;
        CTaskConstraint constraint;
        CProjectString name;
        // Most tasks have no code, comments or URL.
        CCompactValue<CProjectString> taskCode;
        CCompactValue<CProjectString> comments;
        CCompactValue<CProjectString> url;
        CProjectDouble physicalVolume;
        CProjectDouble remainingPhysicalVolume;
        CProjectDouble actualPhysicalVolume;
        CDurationType durationType;
        CResourceUnitType physicalVolumeUnit;
        CTaskType type;
        CProgressType progressType;
        CTaskStatus status;
        CTaskID parentID;
        CProjectBool summary;
        CProjectDuration upstreamFloat;
        CProjectDuration downstreamFloat;
        CProjectTime earlyStart;
        CProjectTime earlyFinish;
        CProjectTime lateStart;
        CProjectTime lateFinish;
        CProjectDuration upstreamTotalFloat;
        CProjectDuration downstreamTotalFloat;
        CProjectInt scheduleRank;
        CProjectBool onCriticalPath;
        CProjectTimeArray upstreamLinksDelaysEndpoints;
        CLinkIDArray criticalUpstreamLinks;
        CProjectTime startTime;
        CProjectTime finishTime;
        CProjectTime plannedStartTime;
        CProjectTime plannedFinishTime;
        CProjectTime actualStartTime;
        CProjectTime estimatedFinishTime;
        CProjectTime actualFinishTime;
        CProjectTime expectedFinishTime;
        CProjectDuration plannedDuration;
        CProjectDuration actualDuration;
        CProjectDuration duration;
        CProjectDuration minimalDuration;
        CProjectDuration maximalDuration;
        CProjectDuration taskRemainingDuration;
        CProjectDuration minimalRemainingDuration;
        CProjectDuration maximalRemainingDuration;
        CProjectDuration progressByReports;
        CProjectDouble percentComplete;
        CProjectDouble manualPercentComplete;
        CProjectDouble unitPercentComplete;
        CProjectDouble equipmentCost;
        CProjectDouble humanCost;
        CProjectDouble locationCost;
        CProjectDouble materialCost;
        CProjectDouble mitigatedRiskCost;
        CProjectDouble unmitigatedRiskCost;
        CProjectDouble taskCost;
        CProjectDouble actualEquipmentCost;
        CProjectDouble actualHumanCost;
        CProjectDouble actualLocationCost;
        CProjectDouble actualMaterialCost;
        CProjectDouble reportCost;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("DominantCalendarID", &Fields::dominantCalendarID);
        v.field("Constraint", &Fields::constraint);
        v.field("Name", &Fields::name);
        v.field("TaskCode", &Fields::taskCode);
        v.field("Comments", &Fields::comments);
        v.field("URL", &Fields::url);
        v.field("PhysicalVolume", &Fields::physicalVolume);
        v.field("RemainingPhysicalVolume", &Fields::remainingPhysicalVolume);
        v.field("ActualPhysicalVolume", &Fields::actualPhysicalVolume);
        v.field("DurationType", &Fields::durationType);
        v.field("PhysicalVolumeUnit", &Fields::physicalVolumeUnit);
        v.field("Type", &Fields::type);
        v.field("ProgressType", &Fields::progressType);
        v.field("Status", &Fields::status);
        v.field("ParentID", &Fields::parentID, {.parentLink = true});
        v.field("Summary", &Fields::summary);
        v.field("UpstreamFloat", &Fields::upstreamFloat);
        v.field("DownstreamFloat", &Fields::downstreamFloat);
        v.field("EarlyStart", &Fields::earlyStart);
        v.field("EarlyFinish", &Fields::earlyFinish);
        v.field("LateStart", &Fields::lateStart);
        v.field("LateFinish", &Fields::lateFinish);
        v.field("UpstreamTotalFloat", &Fields::upstreamTotalFloat);
        v.field("DownstreamTotalFloat", &Fields::downstreamTotalFloat);
        v.field("ScheduleRank", &Fields::scheduleRank);
        v.field("OnCriticalPath", &Fields::onCriticalPath);
        v.collection("UpstreamLinks", &ITaskBaselineData::getUpstreamLinks,
                     &ITaskBaselineData::getUpstreamLinks);
        v.field("UpstreamLinksDelaysEndpoints", &Fields::upstreamLinksDelaysEndpoints);
        v.field("CriticalUpstreamLinks", &Fields::criticalUpstreamLinks,
                {.namesOwnChildren = true});
        v.field("StartTime", &Fields::startTime);
        v.field("FinishTime", &Fields::finishTime);
        v.field("PlannedStartTime", &Fields::plannedStartTime);
        v.field("PlannedFinishTime", &Fields::plannedFinishTime);
        v.field("ActualStartTime", &Fields::actualStartTime);
        v.field("EstimatedFinishTime", &Fields::estimatedFinishTime);
        v.field("ActualFinishTime", &Fields::actualFinishTime);
        v.field("ExpectedFinishTime", &Fields::expectedFinishTime);
        v.field("PlannedDuration", &Fields::plannedDuration);
        v.field("ActualDuration", &Fields::actualDuration);
        v.field("Duration", &Fields::duration);
        v.field("MinimalDuration", &Fields::minimalDuration);
        v.field("MaximalDuration", &Fields::maximalDuration);
        v.field("TaskRemainingDuration", &Fields::taskRemainingDuration);
        v.field("MinimalRemainingDuration", &Fields::minimalRemainingDuration);
        v.field("MaximalRemainingDuration", &Fields::maximalRemainingDuration);
        v.field("ProgressByReports", &Fields::progressByReports);
        v.field("PercentComplete", &Fields::percentComplete, {.min = 0, .max = 100});
        v.field("ManualPercentComplete", &Fields::manualPercentComplete, {.min = 0, .max = 100});
        v.field("UnitPercentComplete", &Fields::unitPercentComplete, {.min = 0, .max = 100});
        v.field("EquipmentCost", &Fields::equipmentCost);
        v.field("HumanCost", &Fields::humanCost);
        v.field("LocationCost", &Fields::locationCost);
        v.field("MaterialCost", &Fields::materialCost);
        v.field("MitigatedRiskCost", &Fields::mitigatedRiskCost);
        v.field("UnmitigatedRiskCost", &Fields::unmitigatedRiskCost);
        v.field("TaskCost", &Fields::taskCost);
        v.field("ActualEquipmentCost", &Fields::actualEquipmentCost);
        v.field("ActualHumanCost", &Fields::actualHumanCost);
        v.field("ActualLocationCost", &Fields::actualLocationCost);
        v.field("ActualMaterialCost", &Fields::actualMaterialCost);
        v.field("ReportCost", &Fields::reportCost);
    }

    // Identity and the two other identifiers with setters.
    const CTaskID& getID() const { return fields().id; }
    void setID(const CTaskID& id) { fields().id = id; }
    const CCalendarID& getDominantCalendarID() const { return fields().dominantCalendarID; }
    void setDominantCalendarID(const CCalendarID& id) { fields().dominantCalendarID = id; }
    // The unset ID for a task that had no parent.
    const CTaskID& getParentID() const { return fields().parentID; }
    void setParentID(const CTaskID& id) { fields().parentID = id; }

    // The task as it was described.
    const CTaskConstraint& getConstraint() const { return fields().constraint; }
    const CProjectString& getName() const { return fields().name; }
    const CProjectString& getTaskCode() const { return fields().taskCode.get(); }
    const CProjectString& getComments() const { return fields().comments.get(); }
    const CProjectString& getURL() const { return fields().url.get(); }
    const CProjectDouble& getPhysicalVolume() const { return fields().physicalVolume; }
    const CProjectDouble& getRemainingPhysicalVolume() const {
        return fields().remainingPhysicalVolume;
    }
    const CProjectDouble& getActualPhysicalVolume() const { return fields().actualPhysicalVolume; }
    const CDurationType& getDurationType() const { return fields().durationType; }
    const CResourceUnitType& getPhysicalVolumeUnit() const { return fields().physicalVolumeUnit; }
    const CTaskType& getType() const { return fields().type; }
    const CProgressType& getProgressType() const { return fields().progressType; }
    const CTaskStatus& getStatus() const { return fields().status; }
    const CProjectBool& isSummary() const { return fields().summary; }

    // Floats and the critical path.
    const CProjectDuration& getUpstreamFloat() const { return fields().upstreamFloat; }
    const CProjectDuration& getDownstreamFloat() const { return fields().downstreamFloat; }
    const CProjectTime& getEarlyStart() const { return fields().earlyStart; }
    const CProjectTime& getEarlyFinish() const { return fields().earlyFinish; }
    const CProjectTime& getLateStart() const { return fields().lateStart; }
    const CProjectTime& getLateFinish() const { return fields().lateFinish; }
    const CProjectDuration& getUpstreamTotalFloat() const { return fields().upstreamTotalFloat; }
    const CProjectDuration& getDownstreamTotalFloat() const {
        return fields().downstreamTotalFloat;
    }
    const CProjectInt& getScheduleRank() const { return fields().scheduleRank; }
    const CProjectBool& isOnCriticalPath() const { return fields().onCriticalPath; }

    // Upstream links; endpoint i belongs to link i.
    virtual ILinkConstArrayHandle getUpstreamLinks() const = 0;
    virtual ILinkArrayHandle getUpstreamLinks() = 0;
    const CProjectTimeArray& getUpstreamLinksDelaysEndpoints() const {
        return fields().upstreamLinksDelaysEndpoints;
    }
    const CLinkIDArray& getCriticalUpstreamLinks() const { return fields().criticalUpstreamLinks; }
    bool hasUpstreamLink(const CLinkID& id) const { return getUpstreamLinks().findByID(id) >= 0; }

    // Dates and durations.
    const CProjectTime& getStartTime() const { return fields().startTime; }
    const CProjectTime& getFinishTime() const { return fields().finishTime; }
    const CProjectTime& getPlannedStartTime() const { return fields().plannedStartTime; }
    const CProjectTime& getPlannedFinishTime() const { return fields().plannedFinishTime; }
    const CProjectTime& getActualStartTime() const { return fields().actualStartTime; }
    const CProjectTime& getEstimatedFinishTime() const { return fields().estimatedFinishTime; }
    const CProjectTime& getActualFinishTime() const { return fields().actualFinishTime; }
    const CProjectTime& getExpectedFinishTime() const { return fields().expectedFinishTime; }
    const CProjectDuration& getPlannedDuration() const { return fields().plannedDuration; }
    const CProjectDuration& getActualDuration() const { return fields().actualDuration; }
    const CProjectDuration& getDuration() const { return fields().duration; }
    const CProjectDuration& getMinimalDuration() const { return fields().minimalDuration; }
    const CProjectDuration& getMaximalDuration() const { return fields().maximalDuration; }
    const CProjectDuration& getTaskRemainingDuration() const {
        return fields().taskRemainingDuration;
    }
    const CProjectDuration& getMinimalRemainingDuration() const {
        return fields().minimalRemainingDuration;
    }
    const CProjectDuration& getMaximalRemainingDuration() const {
        return fields().maximalRemainingDuration;
    }

    // Progress and costs.
    const CProjectDuration& getProgressByReports() const { return fields().progressByReports; }
    const CProjectDouble& getPercentComplete() const { return fields().percentComplete; }
    const CProjectDouble& getManualPercentComplete() const {
        return fields().manualPercentComplete;
    }
    const CProjectDouble& getUnitPercentComplete() const { return fields().unitPercentComplete; }
    const CProjectDouble& getEquipmentCost() const { return fields().equipmentCost; }
    const CProjectDouble& getHumanCost() const { return fields().humanCost; }
    const CProjectDouble& getLocationCost() const { return fields().locationCost; }
    const CProjectDouble& getMaterialCost() const { return fields().materialCost; }
    const CProjectDouble& getMitigatedRiskCost() const { return fields().mitigatedRiskCost; }
    const CProjectDouble& getUnmitigatedRiskCost() const { return fields().unmitigatedRiskCost; }
    const CProjectDouble& getTaskCost() const { return fields().taskCost; }
    const CProjectDouble& getActualEquipmentCost() const { return fields().actualEquipmentCost; }
    const CProjectDouble& getActualHumanCost() const { return fields().actualHumanCost; }
    const CProjectDouble& getActualLocationCost() const { return fields().actualLocationCost; }
    const CProjectDouble& getActualMaterialCost() const { return fields().actualMaterialCost; }
    const CProjectDouble& getReportCost() const { return fields().reportCost; }

    // The record, then the check that every link has its delay endpoint.
    void Serialize(CZentrixArchive& ar) override {
        IDescribed<ITaskBaselineData>::Serialize(ar);
        if (!ar.IsLoading()) return;
        const int links = getUpstreamLinks().GetSize();
        const int endpoints = fields().upstreamLinksDelaysEndpoints.GetSize();
        if (links != endpoints) {
            ar.fail("one delay endpoint per upstream link in a TaskBaselineData, found " +
                    std::to_string(endpoints) + " for " + std::to_string(links) + " links");
        }
    }
    // Baselined values are snapshots that never follow the project, so a loaded record needs
    // nothing from the calculation services.
    virtual void postSerialize(const IProjectAccessor*) {}

    // Fills the record from the task and the calculation services; a null accessor changes
    // nothing. Successors of the task already baselined in `baseline` receive the links from this
    // task they are missing.
    virtual void storeBaselineData(IProjectBaseline& baseline, const ITask& task,
                                   const IProjectAccessor* accessor, bool scheduledDates) = 0;
    // Removes every upstream link from this predecessor, with its endpoint and critical mark.
    virtual void removeLinks(const CTaskID& predecessor) = 0;
    // Adds a copy of the link, its delay endpoint and its critical mark. Nothing is added when the
    // accessor does not know the predecessor or a link with this ID is present already.
    virtual void addUpstreamLink(const ILink& link, const IProjectAccessor& accessor,
                                 bool scheduledDates) = 0;

    // Free float as the store computes it when it baselines scheduled dates, in working time of
    // the task's dominant calendar and never negative. Upstream: from the latest early finish of
    // the task's known predecessors to its early start (zero without any). Downstream: from its
    // early finish to the earliest early start of its known successors or, without any, to its
    // late finish. Upstream is written before downstream.
    static void getFreeTaskFloat(const ITaskAccessor& tasks, const ICalendarAccessor& calendars,
                                 const ICriticalPathAccessor& criticalPath, const ITask& task,
                                 CProjectDuration& upstream, CProjectDuration& downstream) {
        const CCalendarID& calendar = task.getDominantCalendarID();
        const auto gap = [&](const CProjectTime& from, const CProjectTime& to) {
            if (!from.isValid() || !to.isValid()) return CProjectDuration(0);
            const CProjectDuration d = calendars.getWorkingDuration(calendar, from, to);
            return d.isValid() ? CProjectDuration(std::max<std::int64_t>(0, d.getCount()))
                               : CProjectDuration(0);
        };

        const CProjectTime earlyStart = criticalPath.getEarlyStart(task);
        CProjectTime latestPredecessorFinish;
        const auto links = task.getUpstreamLinks();
        for (int i = 0; i < links.GetSize(); ++i) {
            const ILinkHandle link = links.getConstReference(i);
            if (link.isNull()) continue;
            const ITask* predecessor = tasks.findTask(link->getUpstreamTaskID());
            if (!predecessor) continue;
            const CProjectTime finish = criticalPath.getEarlyFinish(*predecessor);
            if (finish.isValid() &&
                (!latestPredecessorFinish.isValid() || latestPredecessorFinish < finish))
                latestPredecessorFinish = finish;
        }
        upstream = gap(latestPredecessorFinish, earlyStart);

        const CProjectTime earlyFinish = criticalPath.getEarlyFinish(task);
        CProjectTime earliestSuccessorStart;
        for (const CLinkID& id : tasks.getLinksLeaving(task.getID())) {
            const ITask* successor = tasks.getLinkOwner(id);
            if (!successor) continue;
            const CProjectTime start = criticalPath.getEarlyStart(*successor);
            if (start.isValid() &&
                (!earliestSuccessorStart.isValid() || start < earliestSuccessorStart))
                earliestSuccessorStart = start;
        }
        if (!earliestSuccessorStart.isValid())
            earliestSuccessorStart = criticalPath.getLateFinish(task);
        downstream = gap(earlyFinish, earliestSuccessorStart);
    }

    // When the delay of a link ends: it starts at the predecessor's finish for finish-to-start and
    // finish-to-finish links and at its start for the other two, and lasts the link's delay as
    // the link accessor counts it. Unset when that start or finish is unset.
    static CProjectTime getLinksDelaysEndpoint(const ILink& link,
                                               const CProjectTime& predecessorStart,
                                               const CProjectTime& predecessorFinish,
                                               const ILinkAccessor& links) {
        const LinkType type = link.getType().getValue();
        const bool fromFinish = type == LinkType::FinishToStart || type == LinkType::FinishToFinish;
        const CProjectTime& from = fromFinish ? predecessorFinish : predecessorStart;
        if (!from.isValid()) return CProjectTime();
        return links.addDelay(link, from);
    }

protected:
    friend IDescribed<ITaskBaselineData>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

private:
    // Empties the upstream links, their endpoints and the critical link IDs together.
    virtual void removeAllLinks() = 0;
};

using ITaskBaselineDataHandle = CWrapperHandle<ITaskBaselineData>;
using ITaskBaselineDataWritableHandle = CWritableWrapperHandle<ITaskBaselineData>;
using ITaskBaselineDataArrayHandle = CWrapperArrayHandle<ITaskBaselineData, CTaskID, 0>;
using ITaskBaselineDataConstArrayHandle = CConstWrapperArrayHandle<ITaskBaselineData, CTaskID, 0>;
ZX_DECLARE_INTERFACE(ITaskBaselineData, CTaskID, 0);
