// SampleCalculation: a small stand-in for the host's calculation services, so that the demo, the
// tests and the benchmarks can capture baselines without the application's scheduler.
//
// It is built once over a task collection (top-level tasks, walked with all their sub-tasks) and
// answers every question of IProjectAccessor from what it computed then, in constant time per
// question; building it is linear in the tasks and links. It schedules simply and
// deterministically:
//   - every hour is working time (calendars are ignored) and a link's delay is calendar time;
//   - a forward pass in topological order gives each task an early start no earlier than its
//     planned start (or the project start when it has none) and than what each link from a known
//     predecessor requires by its type and delay; early finish = early start + task duration;
//   - a backward pass from the project finish gives late dates; total float = late start - early
//     start, and a task is critical when it has none. A link that closes a cycle is ignored;
//   - summary tasks span their sub-tasks; their costs are the sums of their sub-tasks';
//   - costs come from the task's own costs by type (labour: human; material; equipment;
//     subcontract and other: location), its task reports (report cost) and its assigned risks
//     (unmitigated: all of them, mitigated: those mitigated or closed); actual costs are planned
//     costs times the percent complete.
// The tasks must outlive the calculation and stay unchanged while it is used.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "basetypes/IProjectAccessor.h"
#include "schedule/CTask.h"

class SampleCalculation : public IProjectAccessor,
                          private ITaskAccessor,
                          private ICalendarAccessor,
                          private ICriticalPathAccessor,
                          private ILinkAccessor,
                          private IFloatService {
public:
    // referenceTime is the data date progress is measured at; unset takes the project start.
    explicit SampleCalculation(const CTaskArray& tasks, CProjectTime referenceTime = {});

    const ITaskAccessor& getTaskAccessor() const override { return *this; }
    const ICalendarAccessor& getCalendarAccessor() const override { return *this; }
    const ICriticalPathAccessor& getCriticalPathAccessor() const override { return *this; }
    const ILinkAccessor& getLinkAccessor() const override { return *this; }
    const IFloatService& getFloatService() const override { return *this; }

    // Every task, parents before their sub-tasks.
    int taskCount() const { return static_cast<int>(m_nodes.size()); }
    const ITask& task(int i) const { return *m_nodes[static_cast<std::size_t>(i)].task; }
    int linkCount() const { return static_cast<int>(m_links.size()); }
    CProjectTime projectStart() const { return CProjectTime(m_projectStart); }
    CProjectTime projectFinish() const { return CProjectTime(m_projectFinish); }

private:
    static constexpr std::size_t kCostKinds = 8;
    using Costs = std::array<double, kCostKinds>;

    struct Node {
        const ITask* task = nullptr;
        int parent = -1;
        bool summary = false;
        std::int64_t duration = 0;
        std::int64_t earlyStart = 0;
        std::int64_t earlyFinish = 0;
        std::int64_t lateStart = 0;
        std::int64_t lateFinish = 0;
        // The latest start the incoming links require, when there are any.
        bool constrained = false;
        std::int64_t requiredStart = 0;
        std::int64_t freeFloat = 0;
        int rank = 0;
        double percentComplete = 0.0;
        // The task's own costs; a summary task also has the sums of its sub-tasks' at rollUp.
        Costs planned{};
        Costs actual{};
        int rollUp = -1;
        std::vector<int> entering;
        std::vector<int> leaving;
    };
    struct Link {
        const ILink* link = nullptr;
        int successor = -1;
        int predecessor = -1;
        // Closes a cycle: left out of both passes.
        bool backEdge = false;
        bool driving = false;
    };
    // IDs to positions in one flat table (open addressing, linear probing): a lookup costs one
    // cache miss, where a node-based map costs two or three, and lookups are what answering
    // questions mostly does.
    class IDIndex {
    public:
        void reserve(std::size_t n);
        // False (nothing changed) when the ID is present.
        bool insert(const zx::IDKey& key, int position);
        // The position stored for the ID, or -1.
        int find(const zx::IDKey& key) const;

    private:
        struct Slot {
            zx::IDKey key;
            int position = -1;
        };
        std::size_t home(const zx::IDKey& key) const {
            return static_cast<std::size_t>((key.hi ^ (key.lo * 0x9E3779B97F4A7C15ULL)) >> 7) &
                   m_mask;
        }
        void grow();

        std::vector<Slot> m_slots;
        std::size_t m_mask = 0;
        std::size_t m_count = 0;
    };

    void collect(const ITask& task, int parent);
    void resolveLinks();
    std::vector<int> topologicalOrder();
    void schedule(const std::vector<int>& order);
    void rollUpSummaries();
    void totalCosts();
    // The earliest start of the successor that the link requires, from its predecessor's dates.
    std::int64_t requiredStart(const Link& link) const;
    // The latest finish of the predecessor that the link allows, from its successor's dates.
    std::int64_t allowedFinish(const Link& link) const;

    const Node* node(const CTaskID& id) const;
    const Node* node(const ITask& task) const { return node(task.getID()); }
    const Link* link(const CLinkID& id) const;

    // ITaskAccessor.
    const ITask* findTask(const CTaskID& id) const override;
    const ITask* getParentTask(const CTaskID& id) const override;
    const ITask* getLinkOwner(const CLinkID& id) const override;
    std::vector<CLinkID> getLinksLeaving(const CTaskID& id) const override;
    CProjectDouble getRemainingPhysicalVolume(const CTaskID& id) const override;
    CProjectDouble getActualPhysicalVolume(const CTaskID& id) const override;
    CProjectTime getStartTime(const CTaskID& id) const override;
    CProjectTime getFinishTime(const CTaskID& id) const override;
    CProjectDuration getDuration(const CTaskID& id) const override;
    CProjectTime getPlannedStartTime(const CTaskID& id) const override;
    CProjectTime getPlannedFinishTime(const CTaskID& id) const override;
    CProjectDuration getPlannedDuration(const CTaskID& id) const override;
    CProjectTime getActualStartTime(const CTaskID& id) const override;
    CProjectTime getActualFinishTime(const CTaskID& id) const override;
    CProjectDuration getActualDuration(const CTaskID& id) const override;
    CProjectDuration getRemainingDuration(const CTaskID& id) const override;
    CProjectTime getEstimatedFinishTime(const CTaskID& id) const override;
    CProjectDouble getPercentComplete(const CTaskID& id) const override;
    CProjectDouble getManualPercentComplete(const CTaskID& id) const override;
    CProjectDouble getUnitPercentComplete(const CTaskID& id) const override;
    CProjectDouble getCost(const CTaskID& id, CostKind kind, CostTotalType total) const override;
    CProjectDouble getSummaryCost(const CTaskID& id, CostKind kind,
                                  CostTotalType total) const override;

    // ICalendarAccessor.
    CProjectTime getReferenceTime() const override { return m_referenceTime; }
    CProjectDuration getWorkingDuration(const CCalendarID& calendar, const CProjectTime& from,
                                        const CProjectTime& to) const override;

    // ICriticalPathAccessor.
    CProjectTime getEarlyStart(const ITask& task) const override;
    CProjectTime getEarlyFinish(const ITask& task) const override;
    CProjectTime getLateStart(const ITask& task) const override;
    CProjectTime getLateFinish(const ITask& task) const override;
    CProjectDuration getUpstreamTotalFloat(const ITask& task) const override;
    CProjectDuration getDownstreamTotalFloat(const ITask& task) const override;
    CProjectInt getScheduleRank(const CTaskID& id) const override;
    bool isCritical(const CTaskID& id) const override;
    bool isOnLongestPath(const CTaskID& id) const override;
    CProjectTime getScheduledStart(const ITask& task) const override;
    CProjectTime getScheduledFinish(const ITask& task) const override;
    CProjectDuration getScheduledDuration(const ITask& task) const override;
    bool isLinkCritical(const CLinkID& id) const override;

    // ILinkAccessor.
    const ILink* findLink(const CLinkID& id) const override;
    CProjectTime addDelay(const ILink& link, const CProjectTime& from) const override;

    // IFloatService.
    CProjectDuration getUpstreamFloat(const CTaskID& id) const override;
    CProjectDuration getDownstreamFloat(const CTaskID& id) const override;

    std::vector<Node> m_nodes;
    std::vector<Link> m_links;
    // Planned and actual sums of each summary task's sub-tree.
    std::vector<std::array<Costs, 2>> m_rollUps;
    IDIndex m_taskIndex;
    IDIndex m_linkIndex;
    std::int64_t m_projectStart = 0;
    std::int64_t m_projectFinish = 0;
    CProjectTime m_referenceTime;
};
