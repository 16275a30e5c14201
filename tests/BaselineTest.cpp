// Baselines: capture from the calculation services (the order of questions, which value lands
// where), the bookkeeping of links and their delay endpoints as tasks are baselined and removed,
// the refusals, archive round trips and malformed records, and the sample calculation.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "SampleCalculation.h"
#include "SampleProject.h"
#include "schedule/CCalendar.h"
#include "schedule/CLink.h"
#include "schedule/CProjectBaseline.h"
#include "schedule/CTask.h"
#include "schedule/CTaskBaselineData.h"
#include "schedule/CTaskReport.h"
#include "schedule/CTaskState.h"
#include "tests/RoundTrip.h"

namespace {

constexpr std::int64_t kHour = 3'600'000;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kEpoch = 1'767'254'400'000LL;

const char* costName(CostKind kind) {
    static const char* const names[] = {"Equipment",     "Human",           "Location", "Material",
                                        "MitigatedRisk", "UnmitigatedRisk", "Task",     "Report"};
    return names[static_cast<int>(kind)];
}

// A host whose every answer is appended, by name, to one log. Tasks and links are registered by
// the test; the values are fixed per question so that tests can tell where each one landed.
class RecordingHost : public IProjectAccessor,
                      private ITaskAccessor,
                      private ICalendarAccessor,
                      private ICriticalPathAccessor,
                      private ILinkAccessor,
                      private IFloatService {
public:
    mutable std::vector<std::string> log;
    std::map<CTaskID, const ITask*> tasks;
    std::map<CTaskID, const ITask*> parents;
    // Early starts other than the usual one, per task.
    std::map<CTaskID, CProjectTime> earlyStarts;
    CProjectTime referenceTime{kEpoch + 10 * kDay};
    bool linksCritical = false;

    // Registers the task and its upstream links (owner and leaving lists follow from them).
    void add(const ITask& task) {
        tasks[task.getID()] = &task;
        const auto links = task.getUpstreamLinks();
        for (int i = 0; i < links.GetSize(); ++i) {
            const ILink* link = links.getConstReference(i).get();
            m_links[link->getID()] = {link, &task};
        }
    }

    const ITaskAccessor& getTaskAccessor() const override { return note("getTaskAccessor", *this); }
    const ICalendarAccessor& getCalendarAccessor() const override {
        return note("getCalendarAccessor", *this);
    }
    const ICriticalPathAccessor& getCriticalPathAccessor() const override {
        return note("getCriticalPathAccessor", *this);
    }
    const ILinkAccessor& getLinkAccessor() const override { return note("getLinkAccessor", *this); }
    const IFloatService& getFloatService() const override { return note("getFloatService", *this); }

    // Scheduled dates differ from the task accessor's, so tests see which source was used.
    static CProjectTime scheduledStart() { return CProjectTime(kEpoch + 5 * kDay); }
    static CProjectTime scheduledFinish() { return CProjectTime(kEpoch + 9 * kDay); }
    static CProjectTime start() { return CProjectTime(kEpoch + 1 * kDay); }
    static CProjectTime finish() { return CProjectTime(kEpoch + 3 * kDay); }

private:
    struct LinkEntry {
        const ILink* link;
        const ITask* owner;
    };

    template <class T>
    const T& note(const char* question, const T& answer) const {
        log.emplace_back(question);
        return answer;
    }
    template <class T>
    T ask(const char* question, T answer) const {
        log.emplace_back(question);
        return answer;
    }
    const ITask* known(const std::map<CTaskID, const ITask*>& from, const CTaskID& id) const {
        const auto found = from.find(id);
        return found == from.end() ? nullptr : found->second;
    }

    const ITask* findTask(const CTaskID& id) const override {
        return ask("findTask", known(tasks, id));
    }
    const ITask* getParentTask(const CTaskID& id) const override {
        return ask("getParentTask", known(parents, id));
    }
    const ITask* getLinkOwner(const CLinkID& id) const override {
        const auto found = m_links.find(id);
        return ask("getLinkOwner", found == m_links.end() ? nullptr : found->second.owner);
    }
    std::vector<CLinkID> getLinksLeaving(const CTaskID& id) const override {
        std::vector<CLinkID> leaving;
        for (const auto& [linkID, entry] : m_links)
            if (entry.link->getUpstreamTaskID() == id) leaving.push_back(linkID);
        return ask("getLinksLeaving", leaving);
    }
    CProjectDouble getRemainingPhysicalVolume(const CTaskID&) const override {
        return ask("getRemainingPhysicalVolume", CProjectDouble(4.0));
    }
    CProjectDouble getActualPhysicalVolume(const CTaskID&) const override {
        return ask("getActualPhysicalVolume", CProjectDouble(6.0));
    }
    CProjectTime getStartTime(const CTaskID&) const override {
        return ask("getStartTime", start());
    }
    CProjectTime getFinishTime(const CTaskID&) const override {
        return ask("getFinishTime", finish());
    }
    CProjectDuration getDuration(const CTaskID&) const override {
        return ask("getDuration", CProjectDuration(2 * kDay));
    }
    CProjectTime getPlannedStartTime(const CTaskID&) const override {
        return ask("getPlannedStartTime", CProjectTime(kEpoch));
    }
    CProjectTime getPlannedFinishTime(const CTaskID&) const override {
        return ask("getPlannedFinishTime", CProjectTime(kEpoch + 2 * kDay));
    }
    CProjectDuration getPlannedDuration(const CTaskID&) const override {
        return ask("getPlannedDuration", CProjectDuration(2 * kDay));
    }
    CProjectTime getActualStartTime(const CTaskID&) const override {
        return ask("getActualStartTime", CProjectTime(kEpoch + kHour));
    }
    CProjectTime getActualFinishTime(const CTaskID&) const override {
        return ask("getActualFinishTime", CProjectTime());
    }
    CProjectDuration getActualDuration(const CTaskID&) const override {
        return ask("getActualDuration", CProjectDuration(kHour));
    }
    CProjectDuration getRemainingDuration(const CTaskID&) const override {
        return ask("getRemainingDuration", CProjectDuration(kDay));
    }
    CProjectTime getEstimatedFinishTime(const CTaskID&) const override {
        return ask("getEstimatedFinishTime", CProjectTime(kEpoch + 4 * kDay));
    }
    CProjectDouble getPercentComplete(const CTaskID&) const override {
        return ask("getPercentComplete", CProjectDouble(25.0));
    }
    CProjectDouble getManualPercentComplete(const CTaskID&) const override {
        return ask("getManualPercentComplete", CProjectDouble(30.0));
    }
    CProjectDouble getUnitPercentComplete(const CTaskID&) const override {
        return ask("getUnitPercentComplete", CProjectDouble(35.0));
    }
    // Cost values encode their question: kind * 10 + total, plus 1000 for summary tasks.
    CProjectDouble getCost(const CTaskID&, CostKind kind, CostTotalType total) const override {
        log.push_back(std::string("getCost ") + costName(kind) + " " +
                      std::to_string(static_cast<int>(total)));
        return CProjectDouble(static_cast<int>(kind) * 10 + static_cast<int>(total));
    }
    CProjectDouble getSummaryCost(const CTaskID&, CostKind kind,
                                  CostTotalType total) const override {
        log.push_back(std::string("getSummaryCost ") + costName(kind) + " " +
                      std::to_string(static_cast<int>(total)));
        return CProjectDouble(1000 + static_cast<int>(kind) * 10 + static_cast<int>(total));
    }

    CProjectTime getReferenceTime() const override {
        return ask("getReferenceTime", referenceTime);
    }
    CProjectDuration getWorkingDuration(const CCalendarID&, const CProjectTime& from,
                                        const CProjectTime& to) const override {
        return ask("getWorkingDuration",
                   CProjectDuration(to.getMilliseconds() - from.getMilliseconds()));
    }

    CProjectTime getEarlyStart(const ITask& task) const override {
        const auto found = earlyStarts.find(task.getID());
        return ask("getEarlyStart",
                   found == earlyStarts.end() ? CProjectTime(kEpoch + 2 * kDay) : found->second);
    }
    CProjectTime getEarlyFinish(const ITask&) const override {
        return ask("getEarlyFinish", CProjectTime(kEpoch + 3 * kDay));
    }
    CProjectTime getLateStart(const ITask&) const override {
        return ask("getLateStart", CProjectTime(kEpoch + 6 * kDay));
    }
    CProjectTime getLateFinish(const ITask&) const override {
        return ask("getLateFinish", CProjectTime(kEpoch + 7 * kDay));
    }
    CProjectDuration getUpstreamTotalFloat(const ITask&) const override {
        return ask("getUpstreamTotalFloat", CProjectDuration(4 * kDay));
    }
    CProjectDuration getDownstreamTotalFloat(const ITask&) const override {
        return ask("getDownstreamTotalFloat", CProjectDuration(4 * kDay));
    }
    CProjectInt getScheduleRank(const CTaskID&) const override {
        return ask("getScheduleRank", CProjectInt(7));
    }
    bool isCritical(const CTaskID&) const override { return ask("isCritical", false); }
    bool isOnLongestPath(const CTaskID&) const override { return ask("isOnLongestPath", true); }
    CProjectTime getScheduledStart(const ITask&) const override {
        return ask("getScheduledStart", scheduledStart());
    }
    CProjectTime getScheduledFinish(const ITask&) const override {
        return ask("getScheduledFinish", scheduledFinish());
    }
    CProjectDuration getScheduledDuration(const ITask&) const override {
        return ask("getScheduledDuration", CProjectDuration(4 * kDay));
    }
    bool isLinkCritical(const CLinkID&) const override {
        return ask("isLinkCritical", linksCritical);
    }

    const ILink* findLink(const CLinkID& id) const override {
        const auto found = m_links.find(id);
        return ask("findLink", found == m_links.end() ? nullptr : found->second.link);
    }
    CProjectTime addDelay(const ILink& link, const CProjectTime& from) const override {
        return ask("addDelay", CProjectTime(from.getMilliseconds() + link.getDelay().getCount()));
    }

    CProjectDuration getUpstreamFloat(const CTaskID&) const override {
        return ask("getUpstreamFloat", CProjectDuration(kHour));
    }
    CProjectDuration getDownstreamFloat(const CTaskID&) const override {
        return ask("getDownstreamFloat", CProjectDuration(2 * kHour));
    }

    std::map<CLinkID, LinkEntry> m_links;
};

CTask taskNamed(const wchar_t* name) {
    CTask task;
    task.generateIDs();
    task.setName(name);
    return task;
}

CLink linkFrom(const ITask& predecessor, LinkType type = LinkType::FinishToStart,
               std::int64_t delay = 0) {
    CLink link(predecessor.getID(), type);
    link.generateIDs();
    link.setDelay(CProjectDuration(delay));
    return link;
}

CTaskReport report(int day, TaskReportType type, std::int64_t duration) {
    CTaskReport r;
    r.generateIDs();
    r.setDate(CProjectTime(kEpoch + day * kDay).getDate());
    r.setType(type);
    r.setDuration(CProjectDuration(duration));
    return r;
}

const ITaskBaselineData& recordOf(const CProjectBaseline& baseline, const ITask& task) {
    const ITaskBaselineDataHandle record = baseline.findBaselinedTask(task.getID());
    EXPECT_FALSE(record.isNull());
    return *record;
}

// Every record's endpoints line up with its links, and its critical IDs name its links.
void expectLinksInStep(const CProjectBaseline& baseline) {
    const auto records = baseline.getBaselinedTasks();
    for (int i = 0; i < records.GetSize(); ++i) {
        const ITaskBaselineDataHandle record = records.getConstReference(i);
        const auto links = record->getUpstreamLinks();
        EXPECT_EQ(record->getUpstreamLinksDelaysEndpoints().GetSize(), links.GetSize());
        const CLinkIDArray& critical = record->getCriticalUpstreamLinks();
        for (int c = 0; c < critical.GetSize(); ++c)
            EXPECT_GE(links.findByID(critical.getConstReference(c)), 0);
    }
}

// A predecessor, the task under test (linked from it, with a report) and a successor that was
// baselined while the task was still unknown to the host, so it lacks its link from the task.
struct Scenario {
    CTask predecessor = taskNamed(L"Excavate");
    CTask task = taskNamed(L"Pour footing");
    CTask successor = taskNamed(L"Backfill");
    RecordingHost host;
    CProjectBaseline baseline;

    Scenario() {
        (void)task.addUpstreamLink(linkFrom(predecessor, LinkType::FinishToStart, 2 * kHour));
        (void)task.addTaskReport(report(1, TaskReportType::Delay, kHour));
        (void)successor.addUpstreamLink(linkFrom(task));
        host.add(predecessor);
        host.add(successor);
        baseline.baselineTask(successor, &host, false);
        host.add(task);
        host.log.clear();
    }
};

std::vector<std::string> costQuestions(const char* operation) {
    std::vector<std::string> questions;
    for (const int total : {1, 2})
        for (const CostKind kind :
             {CostKind::Equipment, CostKind::Human, CostKind::Location, CostKind::Material})
            questions.push_back(std::string(operation) + " " + costName(kind) + " " +
                                std::to_string(total));
    for (const CostKind kind :
         {CostKind::MitigatedRisk, CostKind::UnmitigatedRisk, CostKind::Task, CostKind::Report})
        questions.push_back(std::string(operation) + " " + costName(kind) + " 1");
    return questions;
}

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(BaselineCapture, AsksTheHostInOrderWithDatesFromTheTaskAccessor) {
    Scenario s;
    s.baseline.baselineTask(s.task, &s.host, false);
    const std::vector<std::string> expected = concat({
        {"getTaskAccessor",
         "getCalendarAccessor",
         "getCriticalPathAccessor",
         "getLinkAccessor",
         "getFloatService",
         "getRemainingPhysicalVolume",
         "getActualPhysicalVolume",
         "getParentTask",
         "getUpstreamFloat",
         "getDownstreamFloat",
         "getEarlyStart",
         "getEarlyFinish",
         "getLateStart",
         "getLateFinish",
         "getUpstreamTotalFloat",
         "getDownstreamTotalFloat",
         "getScheduleRank",
         "isCritical",
         "isOnLongestPath",
         "getPlannedStartTime",
         "getPlannedFinishTime",
         "getPlannedDuration",
         "getStartTime",
         "getFinishTime",
         "getDuration",
         "getActualStartTime",
         "getActualFinishTime",
         "getActualDuration",
         "getRemainingDuration",
         "getPercentComplete",
         "getReferenceTime",
         "getManualPercentComplete",
         "getUnitPercentComplete"},
        costQuestions("getCost"),
        // The task's own link from its predecessor.
        {"getTaskAccessor", "getCriticalPathAccessor", "findTask", "getStartTime", "getFinishTime",
         "getLinkAccessor", "addDelay", "isLinkCritical"},
        // The successor receives its missing link, with the task accessor's dates.
        {"getLinksLeaving", "getLinkOwner", "findLink", "getTaskAccessor",
         "getCriticalPathAccessor", "findTask", "getStartTime", "getFinishTime", "getLinkAccessor",
         "addDelay", "isLinkCritical"},
    });
    EXPECT_EQ(s.host.log, expected);

    const ITaskBaselineData& record = recordOf(s.baseline, s.task);
    EXPECT_EQ(record.getName(), s.task.getName());
    EXPECT_EQ(record.getRemainingPhysicalVolume().getValue(), 4.0);
    EXPECT_EQ(record.getUpstreamFloat(), CProjectDuration(kHour));
    EXPECT_EQ(record.getDownstreamFloat(), CProjectDuration(2 * kHour));
    EXPECT_EQ(record.getScheduleRank().getValue(), 7);
    EXPECT_TRUE(record.isOnCriticalPath().getValue());  // the second test alone suffices
    EXPECT_FALSE(record.isSummary().getValue());
    EXPECT_FALSE(record.getParentID().isValid());
    EXPECT_EQ(record.getPlannedStartTime(), CProjectTime(kEpoch));
    EXPECT_EQ(record.getStartTime(), RecordingHost::start());
    EXPECT_FALSE(record.getEstimatedFinishTime().isValid());  // not completed
    EXPECT_EQ(record.getEquipmentCost().getValue(), 1.0);
    EXPECT_EQ(record.getActualMaterialCost().getValue(), 32.0);
    EXPECT_EQ(record.getReportCost().getValue(), 71.0);
    // The predecessor's finish plus the link's two hours.
    ASSERT_EQ(record.getUpstreamLinksDelaysEndpoints().GetSize(), 1);
    EXPECT_EQ(record.getUpstreamLinksDelaysEndpoints()[0],
              CProjectTime(RecordingHost::finish().getMilliseconds() + 2 * kHour));
    EXPECT_EQ(recordOf(s.baseline, s.successor).getUpstreamLinks().GetSize(), 1);
    expectLinksInStep(s.baseline);
}

TEST(BaselineCapture, AsksTheCriticalPathForScheduledDatesAndComputesFreeFloat) {
    Scenario s;
    (void)s.task.addSubTask(taskNamed(L"Rebar"));  // a summary task: the other cost operation
    s.task.setStatus(CTaskStateID(), TaskStatus::Completed);
    s.host.earlyStarts[s.task.getID()] = CProjectTime(kEpoch + 4 * kDay);
    s.host.earlyStarts[s.successor.getID()] = CProjectTime(kEpoch + 5 * kDay);
    s.baseline.baselineTask(s.task, &s.host, true);
    const std::vector<std::string> expected = concat({
        {"getTaskAccessor", "getCalendarAccessor", "getCriticalPathAccessor", "getLinkAccessor",
         "getFloatService", "getRemainingPhysicalVolume", "getActualPhysicalVolume",
         "getParentTask",
         // Free float: before the task, then after it.
         "getEarlyStart", "findTask", "getEarlyFinish", "getWorkingDuration", "getEarlyFinish",
         "getLinksLeaving", "getLinkOwner", "getEarlyStart", "getWorkingDuration",
         // The critical path.
         "getEarlyStart", "getEarlyFinish", "getLateStart", "getLateFinish",
         "getUpstreamTotalFloat", "getDownstreamTotalFloat", "getScheduleRank", "isCritical",
         "isOnLongestPath", "getScheduledStart", "getScheduledFinish", "getScheduledDuration",
         // Not in progress: current dates from the task accessor.
         "getStartTime", "getFinishTime", "getDuration", "getActualStartTime",
         "getActualFinishTime", "getActualDuration", "getRemainingDuration", "getPercentComplete",
         "getEstimatedFinishTime", "getReferenceTime", "getManualPercentComplete",
         "getUnitPercentComplete"},
        costQuestions("getSummaryCost"),
        {"getTaskAccessor", "getCriticalPathAccessor", "findTask", "getScheduledStart",
         "getScheduledFinish", "getLinkAccessor", "addDelay", "isLinkCritical"},
        // The successor's link is added with the task accessor's dates whatever the flag.
        {"getLinksLeaving", "getLinkOwner", "findLink", "getTaskAccessor",
         "getCriticalPathAccessor", "findTask", "getStartTime", "getFinishTime", "getLinkAccessor",
         "addDelay", "isLinkCritical"},
    });
    EXPECT_EQ(s.host.log, expected);

    const ITaskBaselineData& record = recordOf(s.baseline, s.task);
    // Every early finish is day 3: the task starts on day 4 and its successor on day 5.
    EXPECT_EQ(record.getUpstreamFloat(), CProjectDuration(kDay));
    EXPECT_EQ(record.getDownstreamFloat(), CProjectDuration(2 * kDay));
    EXPECT_EQ(record.getEarlyStart(), CProjectTime(kEpoch + 4 * kDay));
    EXPECT_TRUE(record.isSummary().getValue());
    EXPECT_EQ(record.getEquipmentCost().getValue(), 1001.0);
    EXPECT_EQ(record.getEstimatedFinishTime(), CProjectTime(kEpoch + 4 * kDay));
    EXPECT_EQ(record.getPlannedStartTime(), RecordingHost::scheduledStart());
    EXPECT_EQ(record.getStartTime(), RecordingHost::start());
    EXPECT_EQ(record.getUpstreamLinksDelaysEndpoints()[0],
              CProjectTime(RecordingHost::scheduledFinish().getMilliseconds() + 2 * kHour));
}

TEST(BaselineCapture, ScheduledDatesOfATaskInProgressAreItsCurrentDates) {
    Scenario s;
    s.task.setMinimalDuration(CProjectDuration(kHour));
    s.task.setMaximalRemainingDuration(CProjectDuration(kDay));
    s.task.setStatus(CTaskStateID(), TaskStatus::InProgress);
    s.baseline.baselineTask(s.task, &s.host, true);
    const ITaskBaselineData& record = recordOf(s.baseline, s.task);
    EXPECT_EQ(record.getStartTime(), RecordingHost::scheduledStart());
    EXPECT_EQ(record.getFinishTime(), RecordingHost::scheduledFinish());
    EXPECT_EQ(record.getDuration(), record.getPlannedDuration());
    EXPECT_FALSE(record.getMinimalDuration().isValid());
    EXPECT_FALSE(record.getMaximalDuration().isValid());
    EXPECT_FALSE(record.getMinimalRemainingDuration().isValid());
    EXPECT_FALSE(record.getMaximalRemainingDuration().isValid());
    // Without the flag they are the task's own.
    s.baseline.baselineTask(s.task, &s.host, false);
    EXPECT_EQ(record.getMinimalDuration(), CProjectDuration(kHour));
    EXPECT_EQ(record.getMaximalRemainingDuration(), CProjectDuration(kDay));
    EXPECT_EQ(record.getStartTime(), RecordingHost::start());
}

TEST(BaselineCapture, ReportsUpToTheReferenceDateMoveProgress) {
    Scenario s;
    CTask task = taskNamed(L"Strip formwork");
    (void)task.addTaskReport(report(2, TaskReportType::Delay, 5 * kHour));
    (void)task.addTaskReport(report(3, TaskReportType::Quality, 5 * kHour));
    (void)task.addTaskReport(report(10, TaskReportType::Quality, 3 * kHour));  // the reference day
    (void)task.addTaskReport(report(11, TaskReportType::Delay, 7 * kHour));    // after it
    (void)task.addTaskReport(report(4, TaskReportType::Safety, 9 * kHour));    // not counted
    s.host.add(task);
    s.baseline.baselineTask(task, &s.host, false);
    EXPECT_EQ(recordOf(s.baseline, task).getProgressByReports(), CProjectDuration(3 * kHour));
}

TEST(ProjectBaseline, BaseliningAgainRefreshesTheOneRecord) {
    Scenario s;
    s.host.linksCritical = true;
    s.baseline.baselineTask(s.task, &s.host, false);
    s.task.setName(L"Pour footing, revised");
    s.baseline.baselineTask(s.task, &s.host, false);
    EXPECT_EQ(s.baseline.getBaselinedTasks().GetSize(), 2);
    const ITaskBaselineData& record = recordOf(s.baseline, s.task);
    EXPECT_TRUE(record.getName() == s.task.getName());
    EXPECT_EQ(record.getUpstreamLinks().GetSize(), 1);
    EXPECT_EQ(record.getCriticalUpstreamLinks().GetSize(), 1);
    EXPECT_EQ(recordOf(s.baseline, s.successor).getUpstreamLinks().GetSize(), 1);
    expectLinksInStep(s.baseline);
}

TEST(ProjectBaseline, SuccessorFirstKeepsExactlyOneLinkAndEndpoint) {
    RecordingHost host;
    CTask predecessor = taskNamed(L"Erect columns");
    CTask successor = taskNamed(L"Erect beams");
    (void)successor.addUpstreamLink(linkFrom(predecessor, LinkType::StartToStart, kHour));
    host.add(successor);
    host.add(predecessor);
    CProjectBaseline baseline;
    baseline.baselineTask(successor, &host, false);
    baseline.baselineTask(predecessor, &host, false);
    baseline.baselineTask(predecessor, &host, true);
    const ITaskBaselineData& record = recordOf(baseline, successor);
    EXPECT_EQ(record.getUpstreamLinks().GetSize(), 1);
    ASSERT_EQ(record.getUpstreamLinksDelaysEndpoints().GetSize(), 1);
    // A start-to-start link counts from the predecessor's start.
    EXPECT_EQ(record.getUpstreamLinksDelaysEndpoints()[0],
              CProjectTime(RecordingHost::start().getMilliseconds() + kHour));

    // Unknown when the successor was baselined: the predecessor's baselining adds the link.
    CProjectBaseline late;
    host.tasks.erase(predecessor.getID());
    late.baselineTask(successor, &host, false);
    EXPECT_EQ(recordOf(late, successor).getUpstreamLinks().GetSize(), 0);
    host.add(predecessor);
    late.baselineTask(predecessor, &host, false);
    late.baselineTask(predecessor, &host, false);
    EXPECT_EQ(recordOf(late, successor).getUpstreamLinks().GetSize(), 1);
    EXPECT_EQ(recordOf(late, successor).getUpstreamLinksDelaysEndpoints().GetSize(), 1);
}

TEST(ProjectBaseline, UnbaseliningRemovesTheTasksLinksEverywhere) {
    RecordingHost host;
    host.linksCritical = true;
    CTask a = taskNamed(L"A"), x = taskNamed(L"X"), b = taskNamed(L"B"), c = taskNamed(L"C");
    (void)b.addUpstreamLink(linkFrom(a));
    (void)c.addUpstreamLink(linkFrom(x, LinkType::FinishToFinish, kHour));
    (void)c.addUpstreamLink(linkFrom(a, LinkType::StartToStart));
    (void)c.addUpstreamLink(linkFrom(a, LinkType::FinishToStart, kDay));
    const CLinkID fromX = c.getUpstreamLinks()[0]->getID();
    CProjectBaseline baseline;
    for (const CTask* task : {&a, &x, &b, &c}) host.add(*task);
    for (const CTask* task : {&a, &x, &b, &c}) baseline.baselineTask(*task, &host, false);
    const CProjectTime endpointFromX = recordOf(baseline, c).getUpstreamLinksDelaysEndpoints()[0];

    baseline.unBaselineTask(a);
    EXPECT_TRUE(baseline.findBaselinedTask(a.getID()).isNull());
    EXPECT_EQ(baseline.getBaselinedTasks().GetSize(), 3);
    EXPECT_EQ(recordOf(baseline, b).getUpstreamLinks().GetSize(), 0);
    const ITaskBaselineData& record = recordOf(baseline, c);
    ASSERT_EQ(record.getUpstreamLinks().GetSize(), 1);
    EXPECT_EQ(record.getUpstreamLinks()[0]->getID(), fromX);
    EXPECT_EQ(record.getUpstreamLinksDelaysEndpoints()[0], endpointFromX);
    EXPECT_EQ(record.getCriticalUpstreamLinks().GetSize(), 1);
    expectLinksInStep(baseline);

    // Unbaselining a task that has no record changes nothing; removing a record directly leaves
    // the other records' links.
    baseline.unBaselineTask(a);
    EXPECT_TRUE(baseline.removeTaskFromProjectBaseline(x.getID()));
    EXPECT_FALSE(baseline.removeTaskFromProjectBaseline(x.getID()));
    EXPECT_EQ(recordOf(baseline, c).getUpstreamLinks().GetSize(), 1);
}

TEST(ProjectBaseline, RemovingMostEndpointsGivesTheirMemoryBack) {
    RecordingHost host;
    CTask predecessor = taskNamed(L"Deliver precast");
    CTask task = taskNamed(L"Place precast");
    CTask other = taskNamed(L"Crane on site");
    for (int i = 0; i < 18'200; ++i) (void)task.addUpstreamLink(linkFrom(predecessor));
    for (int i = 0; i < 20; ++i) (void)task.addUpstreamLink(linkFrom(other));
    for (const CTask* t : {&predecessor, &task, &other}) host.add(*t);
    CProjectBaseline baseline;
    baseline.baselineTask(task, &host, false);
    baseline.baselineTask(predecessor, &host, false);
    const ITaskBaselineData& record = recordOf(baseline, task);
    ASSERT_GT(record.getUpstreamLinksDelaysEndpoints().capacity(), 18'000);
    baseline.unBaselineTask(predecessor);
    EXPECT_EQ(record.getUpstreamLinksDelaysEndpoints().GetSize(), 20);
    EXPECT_LE(record.getUpstreamLinksDelaysEndpoints().capacity(), 18'000);
    expectLinksInStep(baseline);
}

TEST(ProjectBaseline, Refusals) {
    RecordingHost host;
    CTask task = taskNamed(L"Pour slab");
    CTask unknown = taskNamed(L"Not in the schedule");
    (void)task.addUpstreamLink(linkFrom(unknown));
    host.add(task);

    // A template is not baselined; no accessor gives a record of defaults, once.
    CProjectBaseline baseline;
    CTask pattern = taskNamed(L"Typical floor");
    pattern.setTemplate(true);
    baseline.baselineTask(pattern, &host, false);
    EXPECT_EQ(baseline.getBaselinedTasks().GetSize(), 0);
    baseline.baselineTask(task, nullptr, false);
    baseline.baselineTask(unknown, nullptr, false);
    ASSERT_EQ(baseline.getBaselinedTasks().GetSize(), 1);
    EXPECT_TRUE(baseline.getBaselinedTasks()[0]->getName().getString().IsEmpty());

    // A link whose predecessor the host does not know is left out.
    CProjectBaseline captured;
    captured.baselineTask(task, &host, false);
    EXPECT_EQ(recordOf(captured, task).getUpstreamLinks().GetSize(), 0);

    const ITaskBaselineData& record = recordOf(captured, task);
    CTaskBaselineData second;
    second.generateIDs();
    EXPECT_FALSE(captured.insertTaskIntoProjectBaseline(record, 0));
    EXPECT_FALSE(captured.insertTaskIntoProjectBaseline(second, -1));
    EXPECT_FALSE(captured.insertTaskIntoProjectBaseline(second, 2));
    EXPECT_TRUE(captured.insertTaskIntoProjectBaseline(second, 0));
    EXPECT_EQ(captured.getBaselinedTasks()[0]->getID(), second.getID());
    EXPECT_EQ(captured.getBaselinedTasks().findByID(task.getID()), 1);
    EXPECT_FALSE(captured.findBaselinedTask(second.getID()).isNull());
}

// Collects each record's values by name, to damage one of them.
struct EndpointAdder {
    template <class T>
    void value(const char*, T&) {}
    void value(const char* name, CProjectTimeArray& endpoints) {
        if (std::string(name) == "UpstreamLinksDelaysEndpoints") endpoints.Add(CProjectTime(0));
    }
    template <class H>
    void children(const char*, const H&) {}
};

TEST(ProjectBaseline, SurvivesTheArchiveAndRefusesMalformedRecords) {
    Scenario s;
    s.baseline.baselineTask(s.task, &s.host, false);
    s.baseline.baselineTask(s.predecessor, &s.host, false);
    s.baseline.setName(L"Contract baseline");
    CZentrixArchive out;
    s.baseline.Serialize(out);
    const std::vector<std::byte> bytes = out.takeStoredBytes();

    CProjectBaseline loaded;
    loaded.baselineTask(s.task, nullptr, false);  // replaced by the load
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    loaded.Serialize(in);
    EXPECT_TRUE(loaded == s.baseline);
    EXPECT_EQ(recordOf(loaded, s.successor).getUpstreamLinks().GetSize(), 1);
    loaded.unBaselineTask(s.task);
    expectLinksInStep(loaded);
    EXPECT_EQ(recordOf(loaded, s.successor).getUpstreamLinks().GetSize(), 0);

    // Copies are independent and find their own records.
    const CProjectBaseline copy(s.baseline);
    s.baseline.unBaselineTask(s.predecessor);
    EXPECT_FALSE(copy.findBaselinedTask(s.predecessor.getID()).isNull());
    EXPECT_EQ(recordOf(copy, s.task).getUpstreamLinks().GetSize(), 1);

    // Every truncation fails as an archive error.
    for (std::size_t n = 0; n < bytes.size(); n += 7) {
        CProjectBaseline partial;
        // The archive's header is checked as it is opened.
        EXPECT_THROW(
            {
                CZentrixArchive cut{std::span<const std::byte>(bytes.data(), n)};
                partial.Serialize(cut);
            },
            CArchiveException)
            << n;
        EXPECT_EQ(partial.getBaselinedTasks().GetSize(), 0);
        EXPECT_TRUE(partial.findBaselinedTask(s.task.getID()).isNull());
    }

    // A record with an endpoint for a link it does not have.
    CTaskBaselineData record;
    record.copyFrom(recordOf(copy, s.task));
    EndpointAdder damage;
    record.visitValues(damage);
    CZentrixArchive bad;
    record.Serialize(bad);
    const std::vector<std::byte> badBytes = bad.takeStoredBytes();
    CTaskBaselineData back;
    CZentrixArchive badIn{std::span<const std::byte>(badBytes)};
    EXPECT_THROW(back.Serialize(badIn), CArchiveException);
}

TEST(SampleCalculation, SchedulesByLinkTypeAndSurvivesCycles) {
    CTaskArray tasks;
    CTask a = taskNamed(L"A"), b = taskNamed(L"B"), c = taskNamed(L"C");
    a.setPlannedStartTime(CProjectTime(kEpoch));
    a.setTaskDuration(CProjectDuration(2 * kDay));
    b.setTaskDuration(CProjectDuration(kDay));
    c.setTaskDuration(CProjectDuration(kDay));
    (void)b.addUpstreamLink(linkFrom(a, LinkType::FinishToStart, kHour));
    (void)c.addUpstreamLink(linkFrom(a, LinkType::StartToStart));
    // A cycle of its own, which must not keep the passes from ending.
    CTask d = taskNamed(L"D"), e = taskNamed(L"E");
    d.setPlannedStartTime(CProjectTime(kEpoch));
    (void)e.addUpstreamLink(linkFrom(d));
    (void)d.addUpstreamLink(linkFrom(e));
    for (const CTask* t : {&a, &b, &c, &d, &e}) (void)tasks.Add(*t);
    const SampleCalculation calculation(tasks);
    const ICriticalPathAccessor& cp = calculation.getCriticalPathAccessor();
    const ITask& storedB = tasks.getConstReference(1);
    const ITask& storedC = tasks.getConstReference(2);
    EXPECT_EQ(cp.getEarlyStart(storedB), CProjectTime(kEpoch + 2 * kDay + kHour));
    EXPECT_EQ(cp.getEarlyStart(storedC), CProjectTime(kEpoch));
    EXPECT_TRUE(cp.isCritical(b.getID()));
    EXPECT_FALSE(cp.isCritical(c.getID()));
    EXPECT_EQ(calculation.projectFinish(), CProjectTime(kEpoch + 3 * kDay + kHour));
    EXPECT_EQ(calculation.getTaskAccessor().getLinksLeaving(a.getID()).size(), 2u);
    EXPECT_TRUE(cp.getEarlyStart(tasks.getConstReference(4)).isValid());
}

TEST(SampleCalculation, BaselinesTheSampleProject) {
    const SampleProject project = SampleProject::build(120, 11);
    const SampleCalculation calculation(project.get<CTaskRoot>().getArray());
    ASSERT_GT(calculation.linkCount(), 0);
    for (const bool scheduled : {false, true}) {
        CProjectBaseline baseline;
        for (int i = 0; i < calculation.taskCount(); ++i)
            baseline.baselineTask(calculation.task(i), &calculation, scheduled);
        EXPECT_EQ(baseline.getBaselinedTasks().GetSize(), calculation.taskCount());
        int links = 0;
        const auto records = baseline.getBaselinedTasks();
        for (int i = 0; i < records.GetSize(); ++i)
            links += records[i]->getUpstreamLinks().GetSize();
        EXPECT_EQ(links, calculation.linkCount());
        expectLinksInStep(baseline);
        // Summary tasks total their sub-tasks' costs.
        const ITask& phase = project.get<CTaskRoot>().getArray().getConstReference(0);
        EXPECT_GT(recordOf(baseline, phase).getTaskCost().getValue(), 0.0);
        EXPECT_TRUE(recordOf(baseline, phase).isSummary().getValue());
    }
}

}  // namespace
