// IProjectAccessor and the accessors behind it: the questions the store asks the host's
// calculation services when it captures a baseline.
//
// The store schedules nothing itself. Dates, floats, criticality, costs and the structure of the
// project as the scheduler sees it come from these interfaces, which the host implements
// (tools/SampleCalculation is a small stand-in). Every question is const and names its subject by
// task ID, link ID or task; an accessor that does not know the subject answers with an unset or
// default value (null for lookups), and the store takes that value as it is.
//
// Objects returned as pointers belong to the host and stay valid while the project is unchanged;
// the store never keeps them beyond one capture.
#pragma once

#include <cstdint>
#include <vector>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"

class ILink;
class ITask;

// Which total of a task's costs is asked for. The numbers are the host's.
enum class CostTotalType : std::int32_t { Planned = 1, Actual = 2 };

// The costs a task accessor totals per task.
enum class CostKind : std::int32_t {
    Equipment,
    Human,
    Location,
    Material,
    MitigatedRisk,
    UnmitigatedRisk,
    Task,
    Report,
};

// The tasks as the scheduler holds them: lookups, structure, current dates, progress and costs.
class ZX_API ITaskAccessor {
public:
    virtual ~ITaskAccessor() = default;

    // The task with this ID anywhere in the project (sub-tasks included), or null.
    virtual const ITask* findTask(const CTaskID& id) const = 0;
    // The summary task directly above the task, or null for a top-level or unknown task.
    virtual const ITask* getParentTask(const CTaskID& id) const = 0;
    // The task that holds the link among its upstream links (the link's successor), or null.
    virtual const ITask* getLinkOwner(const CLinkID& id) const = 0;
    // The IDs of the links whose predecessor is this task.
    virtual std::vector<CLinkID> getLinksLeaving(const CTaskID& id) const = 0;

    virtual CProjectDouble getRemainingPhysicalVolume(const CTaskID& id) const = 0;
    virtual CProjectDouble getActualPhysicalVolume(const CTaskID& id) const = 0;

    // The task's current dates: actual where it has them, forecast otherwise.
    virtual CProjectTime getStartTime(const CTaskID& id) const = 0;
    virtual CProjectTime getFinishTime(const CTaskID& id) const = 0;
    virtual CProjectDuration getDuration(const CTaskID& id) const = 0;
    // The dates the plan gives the task, ignoring progress.
    virtual CProjectTime getPlannedStartTime(const CTaskID& id) const = 0;
    virtual CProjectTime getPlannedFinishTime(const CTaskID& id) const = 0;
    virtual CProjectDuration getPlannedDuration(const CTaskID& id) const = 0;

    virtual CProjectTime getActualStartTime(const CTaskID& id) const = 0;
    virtual CProjectTime getActualFinishTime(const CTaskID& id) const = 0;
    virtual CProjectDuration getActualDuration(const CTaskID& id) const = 0;
    virtual CProjectDuration getRemainingDuration(const CTaskID& id) const = 0;
    // The finish the scheduler expects for a completed task.
    virtual CProjectTime getEstimatedFinishTime(const CTaskID& id) const = 0;

    virtual CProjectDouble getPercentComplete(const CTaskID& id) const = 0;
    virtual CProjectDouble getManualPercentComplete(const CTaskID& id) const = 0;
    virtual CProjectDouble getUnitPercentComplete(const CTaskID& id) const = 0;

    // A cost of a task without sub-tasks.
    virtual CProjectDouble getCost(const CTaskID& id, CostKind kind, CostTotalType total) const = 0;
    // A cost of a summary task, rolled up from the tasks below it.
    virtual CProjectDouble getSummaryCost(const CTaskID& id, CostKind kind,
                                          CostTotalType total) const = 0;
};

// Working time and the project's reference date.
class ZX_API ICalendarAccessor {
public:
    virtual ~ICalendarAccessor() = default;

    // The moment progress is measured at (the project's data date).
    virtual CProjectTime getReferenceTime() const = 0;
    // The working time of the calendar from `from` to `to`; negative when `to` comes first.
    virtual CProjectDuration getWorkingDuration(const CCalendarID& calendar,
                                                const CProjectTime& from,
                                                const CProjectTime& to) const = 0;
};

// The result of the last critical-path calculation.
class ZX_API ICriticalPathAccessor {
public:
    virtual ~ICriticalPathAccessor() = default;

    virtual CProjectTime getEarlyStart(const ITask& task) const = 0;
    virtual CProjectTime getEarlyFinish(const ITask& task) const = 0;
    virtual CProjectTime getLateStart(const ITask& task) const = 0;
    virtual CProjectTime getLateFinish(const ITask& task) const = 0;
    // Total float measured from the start side and from the finish side.
    virtual CProjectDuration getUpstreamTotalFloat(const ITask& task) const = 0;
    virtual CProjectDuration getDownstreamTotalFloat(const ITask& task) const = 0;
    // The task's place in the order the scheduler handled the tasks.
    virtual CProjectInt getScheduleRank(const CTaskID& id) const = 0;
    // The two criticality tests: no total float left, and lying on the longest path.
    virtual bool isCritical(const CTaskID& id) const = 0;
    virtual bool isOnLongestPath(const CTaskID& id) const = 0;
    // The dates and duration the calculation scheduled the task at.
    virtual CProjectTime getScheduledStart(const ITask& task) const = 0;
    virtual CProjectTime getScheduledFinish(const ITask& task) const = 0;
    virtual CProjectDuration getScheduledDuration(const ITask& task) const = 0;
    // Whether the link drives its successor on the critical path.
    virtual bool isLinkCritical(const CLinkID& id) const = 0;
};

// Links as the scheduler holds them.
class ZX_API ILinkAccessor {
public:
    virtual ~ILinkAccessor() = default;

    // The link with this ID, or null.
    virtual const ILink* findLink(const CLinkID& id) const = 0;
    // When the link's delay, counted in its delay calendar, ends if it begins at `from`.
    virtual CProjectTime addDelay(const ILink& link, const CProjectTime& from) const = 0;
};

// The floats the scheduler computed for each task.
class ZX_API IFloatService {
public:
    virtual ~IFloatService() = default;

    virtual CProjectDuration getUpstreamFloat(const CTaskID& id) const = 0;
    virtual CProjectDuration getDownstreamFloat(const CTaskID& id) const = 0;
};

// The host's calculation services for one project.
class ZX_API IProjectAccessor {
public:
    virtual ~IProjectAccessor() = default;

    virtual const ITaskAccessor& getTaskAccessor() const = 0;
    virtual const ICalendarAccessor& getCalendarAccessor() const = 0;
    virtual const ICriticalPathAccessor& getCriticalPathAccessor() const = 0;
    virtual const ILinkAccessor& getLinkAccessor() const = 0;
    virtual const IFloatService& getFloatService() const = 0;
};
