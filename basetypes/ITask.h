// ITask: one activity of the schedule (work package, summary task or milestone) with its dates,
// durations, progress and classification, and everything that hangs off it: sub-tasks, upstream
// links, resource and group assignments, assigned risks, costs, task reports, notes, code values,
// document links, user field values and a supply chain.
//
// The interface holds the rules defined over the task's primitives (which tasks may become
// summary tasks, take risks or be baselined, counts, comments). A task owns every object in its
// collections. Six of them (sub-tasks, costs, assigned risks, task reports, notes, user field
// values) are held through pointers that stay null while the collection is empty, since most tasks
// have none of most of them.
//
// Defaults of a new task (initialize): every ID unset, names empty, dates and durations unset,
// manual percent complete 0, template and risk buffer false, every enumeration its first value
// (task dependent, fixed duration, no unit, no risk, progress by duration, planned), constraint
// none, no children.
#pragma once

#include "basetypes/CCompactValue.h"
#include "basetypes/CHeapValue.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CTaskConstraint.h"
#include "basetypes/CUserFieldValue.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/ClassificationAccess.h"
#include "basetypes/IAssignedResource.h"
#include "basetypes/IAssignedResourceGroup.h"
#include "basetypes/IAssignedRisk.h"
#include "basetypes/ICost.h"
#include "basetypes/IDescribed.h"
#include "basetypes/ILink.h"
#include "basetypes/INote.h"
#include "basetypes/ISupplyChain.h"
#include "basetypes/ITaskReport.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/IDArrays.h"

class ZX_API ITask;
using ITaskHandle = CWrapperHandle<ITask>;
using ITaskWritableHandle = CWritableWrapperHandle<ITask>;
using ITaskArrayHandle = CWrapperArrayHandle<ITask, CTaskID, 0>;
using ITaskConstArrayHandle = CConstWrapperArrayHandle<ITask, CTaskID, 0>;
ZX_DECLARE_INTERFACE(ITask, CTaskID, 0);

class ZX_API ITask : public IDescribed<ITask>, public ClassificationAccess<ITask> {
public:
    static constexpr const char* s_kindName = "Task";
    // The user recorded as author of notes made from comments: no real user wrote them.
    static constexpr const char* s_commentUserGUID = "8232b9a0-19dc-9549-9ae8-58bff525a438";
    static const CUserID& commentUserID();

    struct Fields {
        CTaskID id;
        CCalendarID dominantCalendarID;
        CTaskCategoryID categoryID;
        CTaskStateID taskStateID;
        CProjectString name;
        // Most tasks have neither a code nor a URL.
        CCompactValue<CProjectString> taskCode;
        CCompactValue<CProjectString> url;
        CTaskConstraint constraint;
        CProjectTime plannedStartTime;
        CProjectTime actualStartTime;
        CProjectTime plannedFinishTimeForStartedTask;
        CProjectTime predictedFinishTime;
        CProjectTime actualFinishTime;
        CProjectTime expectedFinishTime;
        CProjectDuration minimalDuration;
        CProjectDuration maximalDuration;
        CProjectDuration taskDuration;
        CProjectDuration minimalRemainingDuration;
        CProjectDuration maximalRemainingDuration;
        CProjectDuration taskRemainingDuration;
        CProjectDouble manualPercentComplete = 0.0;
        CProjectDouble physicalVolume;
        CProjectDouble remainingPhysicalVolume;
        CProjectDouble actualPhysicalVolume;
        CDurationType durationType;
        CResourceUnitType physicalVolumeUnit;
        CRiskType riskType;
        CTaskType taskType;
        CProgressType progressType;
        CTaskStatus status;
        CProjectBool isTemplate = false;
        CProjectBool riskBuffer = false;
        CCompactValue<CCodeValueIDArray> assignedCodeValues;
        CCompactValue<CDocumentFileIDArray> documentFileIDs;
        CHeapValue<CUserFieldValueArray> userFieldValues;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("TaskCode", &Fields::taskCode);
        v.field("URL", &Fields::url);
        v.field("DominantCalendarID", &Fields::dominantCalendarID);
        v.field("CategoryID", &Fields::categoryID);
        v.field("TaskStateID", &Fields::taskStateID);
        v.field("Status", &Fields::status);
        v.field("TaskType", &Fields::taskType);
        v.field("Constraint", &Fields::constraint);
        v.field("PlannedStartTime", &Fields::plannedStartTime);
        v.field("ActualStartTime", &Fields::actualStartTime);
        v.field("PlannedFinishTimeForStartedTask", &Fields::plannedFinishTimeForStartedTask);
        v.field("PredictedFinishTime", &Fields::predictedFinishTime);
        v.field("ActualFinishTime", &Fields::actualFinishTime);
        v.field("ExpectedFinishTime", &Fields::expectedFinishTime);
        v.field("MinimalDuration", &Fields::minimalDuration);
        v.field("MaximalDuration", &Fields::maximalDuration);
        v.field("TaskDuration", &Fields::taskDuration);
        v.field("MinimalRemainingDuration", &Fields::minimalRemainingDuration);
        v.field("MaximalRemainingDuration", &Fields::maximalRemainingDuration);
        v.field("TaskRemainingDuration", &Fields::taskRemainingDuration);
        v.field("DurationType", &Fields::durationType);
        v.field("ProgressType", &Fields::progressType);
        v.field("ManualPercentComplete", &Fields::manualPercentComplete, {.min = 0, .max = 100});
        v.field("PhysicalVolume", &Fields::physicalVolume);
        v.field("RemainingPhysicalVolume", &Fields::remainingPhysicalVolume);
        v.field("ActualPhysicalVolume", &Fields::actualPhysicalVolume);
        v.field("PhysicalVolumeUnit", &Fields::physicalVolumeUnit);
        v.field("RiskType", &Fields::riskType);
        v.field("RiskBuffer", &Fields::riskBuffer);
        v.field("Template", &Fields::isTemplate);
        v.field("AssignedCodeValues", &Fields::assignedCodeValues);
        v.field("DocumentFileIDs", &Fields::documentFileIDs);
        v.field("UserFieldValues", &Fields::userFieldValues);
        v.part("SupplyChain", &ITask::getSupplyChain, &ITask::getWritableSupplyChain);
        v.collection("UpstreamLinks", &ITask::getUpstreamLinks, &ITask::getUpstreamLinks);
        v.collection("AssignedResources", &ITask::getAssignedResources,
                     &ITask::getAssignedResources);
        v.collection("AssignedResourceGroups", &ITask::getAssignedResourceGroups,
                     &ITask::getAssignedResourceGroups);
        v.optionalCollection("Costs", &ITask::getCosts, &ITask::getCosts, &ITask::allocateCosts,
                             &ITask::removeAllCosts);
        v.optionalCollection("AssignedRisks", &ITask::getAssignedRisks, &ITask::getAssignedRisks,
                             &ITask::allocateAssignedRisks, &ITask::removeAllAssignedRisks);
        v.optionalCollection("TaskReports", &ITask::getTaskReports, &ITask::getTaskReports,
                             &ITask::allocateTaskReports, &ITask::removeAllTaskReports);
        v.optionalCollection("Notes", &ITask::getNotes, &ITask::getNotes, &ITask::allocateNotes,
                             &ITask::removeAllNotes);
        v.optionalCollection("SubTasks", &ITask::getSubTasks, &ITask::getSubTasks,
                             &ITask::allocateSubTasks, &ITask::removeAllSubTasks);
    }

    // Identity and classification.
    const CTaskID& getID() const { return fields().id; }
    void setID(const CTaskID& id) { fields().id = id; }
    const CTaskType& getTaskType() const { return fields().taskType; }
    void setTaskType(const CTaskType& type) { fields().taskType = type; }
    const CTaskConstraint& getConstraint() const { return fields().constraint; }
    void setConstraint(const CTaskConstraint& constraint) { fields().constraint = constraint; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectString& getTaskCode() const { return fields().taskCode.get(); }
    void setTaskCode(const CString& code) { fields().taskCode.set(code); }
    const CProjectString& getURL() const { return fields().url.get(); }
    void setURL(const CString& url) { fields().url.set(url); }
    const CTaskCategoryID& getCategoryID() const { return fields().categoryID; }
    void setCategoryID(const CTaskCategoryID& id) { fields().categoryID = id; }
    const CCalendarID& getDominantCalendarID() const { return fields().dominantCalendarID; }
    void setDominantCalendarID(const CCalendarID& id) { fields().dominantCalendarID = id; }
    const CTaskStateID& getTaskStateID() const { return fields().taskStateID; }
    const CTaskStatus& getStatus() const { return fields().status; }
    // The state and the status always change together.
    void setStatus(const CTaskStateID& state, const CTaskStatus& status) {
        fields().taskStateID = state;
        fields().status = status;
    }
    const CRiskType& getRiskType() const { return fields().riskType; }
    // Refused (false, nothing changed) unless the task can take risks.
    [[nodiscard]] bool setRiskType(const CRiskType& type) {
        if (!canAssignRisks()) return false;
        fields().riskType = type;
        return true;
    }
    const CProjectBool& getRiskBuffer() const { return fields().riskBuffer; }
    void setRiskBuffer(bool riskBuffer) { fields().riskBuffer = riskBuffer; }
    bool isTemplate() const { return fields().isTemplate.getValue(); }
    void setTemplate(bool isTemplate) { fields().isTemplate = isTemplate; }

    // Dates.
    const CProjectTime& getPlannedStartTime() const { return fields().plannedStartTime; }
    void setPlannedStartTime(const CProjectTime& t) { fields().plannedStartTime = t; }
    const CProjectTime& getActualStartTime() const { return fields().actualStartTime; }
    void setActualStartTime(const CProjectTime& t) { fields().actualStartTime = t; }
    const CProjectTime& getPlannedFinishTimeForStartedTask() const {
        return fields().plannedFinishTimeForStartedTask;
    }
    void setPlannedFinishTimeForStartedTask(const CProjectTime& t) {
        fields().plannedFinishTimeForStartedTask = t;
    }
    const CProjectTime& getPredictedFinishTime() const { return fields().predictedFinishTime; }
    void setPredictedFinishTime(const CProjectTime& t) { fields().predictedFinishTime = t; }
    const CProjectTime& getActualFinishTime() const { return fields().actualFinishTime; }
    void setActualFinishTime(const CProjectTime& t) { fields().actualFinishTime = t; }
    const CProjectTime& getExpectedFinishTime() const { return fields().expectedFinishTime; }
    void setExpectedFinishTime(const CProjectTime& t) { fields().expectedFinishTime = t; }

    // Durations.
    const CProjectDuration& getMinimalDuration() const { return fields().minimalDuration; }
    void setMinimalDuration(const CProjectDuration& d) { fields().minimalDuration = d; }
    const CProjectDuration& getMaximalDuration() const { return fields().maximalDuration; }
    void setMaximalDuration(const CProjectDuration& d) { fields().maximalDuration = d; }
    const CProjectDuration& getTaskDuration() const { return fields().taskDuration; }
    void setTaskDuration(const CProjectDuration& d) { fields().taskDuration = d; }
    const CProjectDuration& getMinimalRemainingDuration() const {
        return fields().minimalRemainingDuration;
    }
    void setMinimalRemainingDuration(const CProjectDuration& d) {
        fields().minimalRemainingDuration = d;
    }
    const CProjectDuration& getMaximalRemainingDuration() const {
        return fields().maximalRemainingDuration;
    }
    void setMaximalRemainingDuration(const CProjectDuration& d) {
        fields().maximalRemainingDuration = d;
    }
    const CProjectDuration& getTaskRemainingDuration() const {
        return fields().taskRemainingDuration;
    }
    void setTaskRemainingDuration(const CProjectDuration& d) { fields().taskRemainingDuration = d; }
    const CDurationType& getDurationType() const { return fields().durationType; }
    void setDurationType(const CDurationType& type) { fields().durationType = type; }

    // Progress and quantities.
    const CProgressType& getProgressType() const { return fields().progressType; }
    void setProgressType(const CProgressType& type) { fields().progressType = type; }
    const CProjectDouble& getManualPercentComplete() const {
        return fields().manualPercentComplete;
    }
    // Clamped to 0-100.
    void setManualPercentComplete(double percent);
    const CProjectDouble& getPhysicalVolume() const { return fields().physicalVolume; }
    void setPhysicalVolume(double volume) { fields().physicalVolume = volume; }
    const CProjectDouble& getRemainingPhysicalVolume() const {
        return fields().remainingPhysicalVolume;
    }
    void setRemainingPhysicalVolume(double volume) { fields().remainingPhysicalVolume = volume; }
    const CProjectDouble& getActualPhysicalVolume() const { return fields().actualPhysicalVolume; }
    void setActualPhysicalVolume(double volume) { fields().actualPhysicalVolume = volume; }
    const CResourceUnitType& getPhysicalVolumeUnit() const { return fields().physicalVolumeUnit; }
    void setPhysicalVolumeUnit(const CResourceUnitType& unit) {
        fields().physicalVolumeUnit = unit;
    }

    // The embedded supply chain.
    virtual ISupplyChainHandle getSupplyChain() const = 0;
    void setSupplyChain(const ISupplyChain& chain) { getWritableSupplyChain()->copyFrom(chain); }
    // A new identity for the supply chain; supplier and customers stay.
    void generateNewSupplyChainID() { getWritableSupplyChain()->generateIDs(); }

    // Sub-tasks. addSubTask does not ask canBecomeSummaryTask; insertSubTask and setSubTasks do.
    virtual ITaskConstArrayHandle getSubTasks() const = 0;
    virtual ITaskArrayHandle getSubTasks() = 0;
    virtual void setSubTasks(const ITaskConstArrayHandle& tasks) = 0;
    [[nodiscard]] virtual int addSubTask(const ITask& task) = 0;
    [[nodiscard]] virtual bool insertSubTask(const ITask& task, int index) = 0;
    [[nodiscard]] virtual bool changeSubTask(const ITask& task) = 0;
    [[nodiscard]] virtual bool removeSubTask(const CTaskID& id) = 0;
    virtual void removeAllSubTasks() = 0;
    [[nodiscard]] virtual bool changeSubTaskPosition(int from, int to) = 0;
    // Moves the handle's task in without copying; the collection owns it from then on. On
    // refusal the task stays with the handle's holder.
    [[nodiscard]] virtual bool attachSubTask(ITaskWritableHandle task, int index) = 0;
    // Takes the sub-task out without deleting it: the caller owns it through the handle.
    [[nodiscard]] virtual ITaskWritableHandle detachSubTask(const CTaskID& id) = 0;

    // Upstream links (embedded).
    virtual ILinkConstArrayHandle getUpstreamLinks() const = 0;
    virtual ILinkArrayHandle getUpstreamLinks() = 0;
    virtual void setUpstreamLinks(const ILinkConstArrayHandle& links) = 0;
    [[nodiscard]] virtual int addUpstreamLink(const ILink& link) = 0;
    [[nodiscard]] virtual bool insertUpstreamLink(const ILink& link, int index) = 0;
    [[nodiscard]] virtual bool changeUpstreamLink(const ILink& link) = 0;
    [[nodiscard]] virtual bool removeUpstreamLink(const CLinkID& id) = 0;
    virtual void removeAllUpstreamLinks() = 0;

    // Resource assignments (embedded).
    virtual IAssignedResourceConstArrayHandle getAssignedResources() const = 0;
    virtual IAssignedResourceArrayHandle getAssignedResources() = 0;
    virtual void setAssignedResources(const IAssignedResourceConstArrayHandle& assignments) = 0;
    [[nodiscard]] virtual int addAssignedResource(const IAssignedResource& assignment) = 0;
    [[nodiscard]] virtual bool insertAssignedResource(const IAssignedResource& assignment,
                                                      int index) = 0;
    [[nodiscard]] virtual bool changeAssignedResource(const IAssignedResource& assignment) = 0;
    [[nodiscard]] virtual bool removeAssignedResource(const CAssignedResourceID& id) = 0;
    virtual void removeAllAssignedResources() = 0;

    // Resource group assignments (embedded).
    virtual IAssignedResourceGroupConstArrayHandle getAssignedResourceGroups() const = 0;
    virtual IAssignedResourceGroupArrayHandle getAssignedResourceGroups() = 0;
    virtual void setAssignedResourceGroups(
        const IAssignedResourceGroupConstArrayHandle& groups) = 0;
    [[nodiscard]] virtual int addAssignedResourceGroup(const IAssignedResourceGroup& group) = 0;
    [[nodiscard]] virtual bool insertAssignedResourceGroup(const IAssignedResourceGroup& group,
                                                           int index) = 0;
    [[nodiscard]] virtual bool changeAssignedResourceGroup(const IAssignedResourceGroup& group) = 0;
    [[nodiscard]] virtual bool removeAssignedResourceGroup(const CAssignedResourceGroupID& id) = 0;
    virtual void removeAllAssignedResourceGroups() = 0;

    // Assigned risks. These do not ask canAssignRisks; only setRiskType does.
    virtual IAssignedRiskConstArrayHandle getAssignedRisks() const = 0;
    virtual IAssignedRiskArrayHandle getAssignedRisks() = 0;
    virtual void setAssignedRisks(const IAssignedRiskConstArrayHandle& risks) = 0;
    [[nodiscard]] virtual int addAssignedRisk(const IAssignedRisk& risk) = 0;
    [[nodiscard]] virtual bool insertAssignedRisk(const IAssignedRisk& risk, int index) = 0;
    [[nodiscard]] virtual bool changeAssignedRisk(const IAssignedRisk& risk) = 0;
    [[nodiscard]] virtual bool removeAssignedRisk(const CAssignedRiskID& id) = 0;
    virtual void removeAllAssignedRisks() = 0;

    // Costs; refused while the task has sub-tasks.
    virtual ICostConstArrayHandle getCosts() const = 0;
    virtual ICostArrayHandle getCosts() = 0;
    virtual void setCosts(const ICostConstArrayHandle& costs) = 0;
    [[nodiscard]] virtual int addCost(const ICost& cost) = 0;
    [[nodiscard]] virtual bool insertCost(const ICost& cost, int index) = 0;
    [[nodiscard]] virtual bool changeCost(const ICost& cost) = 0;
    [[nodiscard]] virtual bool removeCost(const CCostID& id) = 0;
    virtual void removeAllCosts() = 0;

    // Task reports.
    virtual ITaskReportConstArrayHandle getTaskReports() const = 0;
    virtual ITaskReportArrayHandle getTaskReports() = 0;
    [[nodiscard]] virtual int addTaskReport(const ITaskReport& report) = 0;
    [[nodiscard]] virtual bool insertTaskReport(const ITaskReport& report, int index) = 0;
    [[nodiscard]] virtual bool changeTaskReport(const ITaskReport& report) = 0;
    [[nodiscard]] virtual bool removeTaskReport(const CTaskReportID& id) = 0;
    virtual void removeAllTaskReports() = 0;

    // Notes.
    virtual INoteConstArrayHandle getNotes() const = 0;
    virtual INoteArrayHandle getNotes() = 0;
    virtual void setNotes(const INoteConstArrayHandle& notes) = 0;
    [[nodiscard]] virtual int addNote(const INote& note) = 0;
    [[nodiscard]] virtual bool insertNote(const INote& note, int index) = 0;
    [[nodiscard]] virtual bool changeNote(const INote& note) = 0;
    [[nodiscard]] virtual bool removeNote(const CNoteID& id) = 0;
    virtual void removeAllNotes() = 0;
    // Stores a non-empty text as a new note by the comment user; an empty text adds nothing.
    virtual void setComments(const CString& text) = 0;
    // The texts of the notes the comment user wrote, in note order, one per line.
    CString getComments() const;

    // The rules. A task may become a summary task unless it is a milestone and, as asked, it has
    // costs (withoutCosts), resource or group assignments (withoutAssignments) or assigned risks
    // (withoutRisks).
    bool canBecomeSummaryTask(bool withoutCosts, bool withoutAssignments, bool withoutRisks) const;
    // Risks belong to work: not to summary tasks, milestones or risk buffers.
    bool canAssignRisks() const;
    // Templates are patterns, not planned work.
    bool canBaseline() const { return !isTemplate(); }
    bool isSummary() const { return getSubTasks().GetSize() > 0; }
    bool isMilestone() const;
    int countSubTasks(bool recursive) const;
    int numberOfNotes() const { return getNotes().GetSize(); }
    int numberOfCosts() const { return getCosts().GetSize(); }
    int numberOfTaskReports() const { return getTaskReports().GetSize(); }
    int numberOfAssignedRisks() const { return getAssignedRisks().GetSize(); }
    int numberOfUserFieldValues() const {
        const CUserFieldValueArray* values = getUserFieldValues();
        return values ? values->GetSize() : 0;
    }

protected:
    friend IDescribed<ITask>;
    friend ClassificationAccess<ITask>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

private:
    virtual ISupplyChainWritableHandle getWritableSupplyChain() = 0;
    // Create the pointer-held collections (empty) when they are absent.
    virtual void allocateSubTasks() = 0;
    virtual void allocateCosts() = 0;
    virtual void allocateAssignedRisks() = 0;
    virtual void allocateTaskReports() = 0;
    virtual void allocateNotes() = 0;
};
