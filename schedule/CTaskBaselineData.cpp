#include "schedule/CTaskBaselineData.h"

#include <utility>
#include <vector>

#include "basetypes/IProjectBaseline.h"

namespace {

// The status and report values the capture branches on, as the calculation services define them.
static_assert(static_cast<int>(TaskStatus::InProgress) == 1);
static_assert(static_cast<int>(TaskStatus::Completed) == 2);
static_assert(static_cast<int>(TaskReportType::Delay) == 1);
static_assert(static_cast<int>(TaskReportType::Quality) == 2);

constexpr CostKind kCategories[] = {CostKind::Equipment, CostKind::Human, CostKind::Location,
                                    CostKind::Material};

}  // namespace

void CTaskBaselineData::storeBaselineData(IProjectBaseline& baseline, const ITask& task,
                                          const IProjectAccessor* accessor, bool scheduledDates) {
    if (!accessor) return;
    // The questions below are asked in a fixed order, which hosts may rely on.
    const ITaskAccessor& tasks = accessor->getTaskAccessor();
    const ICalendarAccessor& calendars = accessor->getCalendarAccessor();
    const ICriticalPathAccessor& criticalPath = accessor->getCriticalPathAccessor();
    const ILinkAccessor& links = accessor->getLinkAccessor();
    const IFloatService& floats = accessor->getFloatService();
    Fields& f = fields();
    const CTaskID id = task.getID();

    f.id = id;
    f.dominantCalendarID = task.getDominantCalendarID();
    f.constraint = task.getConstraint();
    f.name = task.getName();
    f.taskCode.set(task.getTaskCode());
    f.comments.set(task.getComments());
    f.url.set(task.getURL());
    f.physicalVolume = task.getPhysicalVolume();
    f.remainingPhysicalVolume = tasks.getRemainingPhysicalVolume(id);
    f.actualPhysicalVolume = tasks.getActualPhysicalVolume(id);
    f.durationType = task.getDurationType();
    f.physicalVolumeUnit = task.getPhysicalVolumeUnit();
    f.type = task.getTaskType();
    f.progressType = task.getProgressType();
    f.status = task.getStatus();
    const ITask* parent = tasks.getParentTask(id);
    f.parentID = parent ? parent->getID() : CTaskID();
    const bool summary = task.countSubTasks(false) > 0;
    f.summary = summary;

    if (scheduledDates) {
        getFreeTaskFloat(tasks, calendars, criticalPath, task, f.upstreamFloat, f.downstreamFloat);
    } else {
        f.upstreamFloat = floats.getUpstreamFloat(id);
        f.downstreamFloat = floats.getDownstreamFloat(id);
    }

    f.earlyStart = criticalPath.getEarlyStart(task);
    f.earlyFinish = criticalPath.getEarlyFinish(task);
    f.lateStart = criticalPath.getLateStart(task);
    f.lateFinish = criticalPath.getLateFinish(task);
    f.upstreamTotalFloat = criticalPath.getUpstreamTotalFloat(task);
    f.downstreamTotalFloat = criticalPath.getDownstreamTotalFloat(task);
    f.scheduleRank = criticalPath.getScheduleRank(id);
    // Both tests are always asked, so that the order of questions does not depend on answers.
    const bool critical = criticalPath.isCritical(id);
    const bool onLongestPath = criticalPath.isOnLongestPath(id);
    f.onCriticalPath = critical || onLongestPath;

    const TaskStatus status = task.getStatus().getValue();
    const auto currentDatesFromTasks = [&] {
        f.startTime = tasks.getStartTime(id);
        f.finishTime = tasks.getFinishTime(id);
        f.duration = tasks.getDuration(id);
    };
    if (scheduledDates) {
        f.plannedStartTime = criticalPath.getScheduledStart(task);
        f.plannedFinishTime = criticalPath.getScheduledFinish(task);
        f.plannedDuration = criticalPath.getScheduledDuration(task);
        // A task in progress is baselined where the calculation puts it now.
        if (status == TaskStatus::InProgress) {
            f.startTime = f.plannedStartTime;
            f.finishTime = f.plannedFinishTime;
            f.duration = f.plannedDuration;
        } else {
            currentDatesFromTasks();
        }
        f.minimalDuration.unset();
        f.maximalDuration.unset();
        f.minimalRemainingDuration.unset();
        f.maximalRemainingDuration.unset();
    } else {
        f.plannedStartTime = tasks.getPlannedStartTime(id);
        f.plannedFinishTime = tasks.getPlannedFinishTime(id);
        f.plannedDuration = tasks.getPlannedDuration(id);
        currentDatesFromTasks();
        f.minimalDuration = task.getMinimalDuration();
        f.maximalDuration = task.getMaximalDuration();
        f.minimalRemainingDuration = task.getMinimalRemainingDuration();
        f.maximalRemainingDuration = task.getMaximalRemainingDuration();
    }

    f.actualStartTime = tasks.getActualStartTime(id);
    f.actualFinishTime = tasks.getActualFinishTime(id);
    f.actualDuration = tasks.getActualDuration(id);
    f.taskRemainingDuration = tasks.getRemainingDuration(id);
    f.percentComplete = tasks.getPercentComplete(id);
    f.estimatedFinishTime =
        status == TaskStatus::Completed ? tasks.getEstimatedFinishTime(id) : CProjectTime();

    // Delays reported up to the reference date take progress back, quality work moves it on.
    f.progressByReports = CProjectDuration(0);
    const CProjectDate referenceDate = calendars.getReferenceTime().getDate();
    const auto reports = task.getTaskReports();
    for (int i = 0; i < reports.GetSize(); ++i) {
        const ITaskReportHandle report = reports.getConstReference(i);
        if (report.isNull() || report->getDate() > referenceDate) continue;
        const TaskReportType type = report->getType().getValue();
        if (type == TaskReportType::Delay)
            f.progressByReports -= report->getDuration();
        else if (type == TaskReportType::Quality)
            f.progressByReports += report->getDuration();
    }

    f.manualPercentComplete = tasks.getManualPercentComplete(id);
    f.unitPercentComplete = tasks.getUnitPercentComplete(id);
    f.expectedFinishTime = task.getExpectedFinishTime();

    // A summary task's costs are the roll-up of its children, which the host totals separately.
    const auto cost = [&](CostKind kind, CostTotalType total) {
        return summary ? tasks.getSummaryCost(id, kind, total) : tasks.getCost(id, kind, total);
    };
    CProjectDouble* const planned[] = {&f.equipmentCost, &f.humanCost, &f.locationCost,
                                       &f.materialCost};
    CProjectDouble* const actual[] = {&f.actualEquipmentCost, &f.actualHumanCost,
                                      &f.actualLocationCost, &f.actualMaterialCost};
    for (int k = 0; k < 4; ++k) *planned[k] = cost(kCategories[k], CostTotalType::Planned);
    for (int k = 0; k < 4; ++k) *actual[k] = cost(kCategories[k], CostTotalType::Actual);
    f.mitigatedRiskCost = cost(CostKind::MitigatedRisk, CostTotalType::Planned);
    f.unmitigatedRiskCost = cost(CostKind::UnmitigatedRisk, CostTotalType::Planned);
    f.taskCost = cost(CostKind::Task, CostTotalType::Planned);
    f.reportCost = cost(CostKind::Report, CostTotalType::Planned);

    removeAllLinks();
    const auto upstream = task.getUpstreamLinks();
    for (int i = 0; i < upstream.GetSize(); ++i) {
        const ILinkHandle link = upstream.getConstReference(i);
        if (!link.isNull()) addUpstreamLink(*link, *accessor, scheduledDates);
    }

    // Successors baselined before this task may lack their link from it (the task was unknown to
    // the accessor then); they get it now, with endpoints from the task accessor's dates whatever
    // this call was asked for.
    for (const CLinkID& linkID : tasks.getLinksLeaving(id)) {
        const ITask* owner = tasks.getLinkOwner(linkID);
        if (!owner) continue;
        const ITaskBaselineDataWritableHandle successor =
            baseline.findBaselinedTask(owner->getID());
        if (successor.isNull() || successor.get() == this || successor->hasUpstreamLink(linkID))
            continue;
        if (const ILink* link = links.findLink(linkID))
            successor->addUpstreamLink(*link, *accessor, false);
    }
}

void CTaskBaselineData::addUpstreamLink(const ILink& link, const IProjectAccessor& accessor,
                                        bool scheduledDates) {
    const ITaskAccessor& tasks = accessor.getTaskAccessor();
    const ICriticalPathAccessor& criticalPath = accessor.getCriticalPathAccessor();
    const ITask* predecessor = tasks.findTask(link.getUpstreamTaskID());
    if (!predecessor) return;
    // A second copy of a link would leave two endpoints for one link.
    if (m_upstreamLinks.Add(link) < 0) return;

    CProjectTime start, finish;
    if (scheduledDates) {
        start = criticalPath.getScheduledStart(*predecessor);
        finish = criticalPath.getScheduledFinish(*predecessor);
    } else {
        start = tasks.getStartTime(predecessor->getID());
        finish = tasks.getFinishTime(predecessor->getID());
    }
    // Add appends, so the new link's storage position is the endpoint's.
    fields().upstreamLinksDelaysEndpoints.Add(
        getLinksDelaysEndpoint(link, start, finish, accessor.getLinkAccessor()));
    if (criticalPath.isLinkCritical(link.getID()))
        (void)fields().criticalUpstreamLinks.Add(link.getID());
}

void CTaskBaselineData::removeLinks(const CTaskID& predecessor) {
    const int count = m_upstreamLinks.GetSize();
    std::vector<bool> removed(static_cast<std::size_t>(count), false);
    bool any = false;
    for (int i = 0; i < count; ++i) {
        if (!(m_upstreamLinks.getConstReference(i).getUpstreamTaskID() == predecessor)) continue;
        removed[static_cast<std::size_t>(i)] = true;
        any = true;
    }
    if (!any) return;

    // One pass over the links and their endpoints, whatever share of them goes: removing them one
    // at a time would shift the collection's index once per link.
    Fields& f = fields();
    CProjectTimeArray& endpoints = f.upstreamLinksDelaysEndpoints;
    CLinkArray kept;
    kept.Reserve(count);
    int keptEndpoints = 0;
    for (int i = 0; i < count; ++i) {
        const ILink& link = m_upstreamLinks.getConstReference(i);
        if (removed[static_cast<std::size_t>(i)]) {
            (void)f.criticalUpstreamLinks.removeByID(link.getID());
            continue;
        }
        kept.AddNoSort(link);
        if (i < endpoints.GetSize()) endpoints[keptEndpoints++] = endpoints[i];
    }
    kept.sort();
    m_upstreamLinks = std::move(kept);
    // Shrinking the endpoints gives their storage back once it is mostly unused.
    endpoints.SetSize(keptEndpoints);
}

void CTaskBaselineData::removeAllLinks() {
    m_upstreamLinks.RemoveAll();
    fields().upstreamLinksDelaysEndpoints.RemoveAll();
    fields().criticalUpstreamLinks.RemoveAll();
}

ZX_INSTANTIATE_KIND(ITaskBaselineData, CTaskBaselineData, CTaskID, 0);
