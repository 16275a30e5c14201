#include "SampleCalculation.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

std::int64_t delayOf(const ILink& link) {
    const CProjectDuration& delay = link.getDelay();
    return delay.isValid() ? delay.getCount() : 0;
}

std::size_t slot(CostKind kind) { return static_cast<std::size_t>(kind); }

double amountOf(const ICostConstArrayHandle& costs) {
    double sum = 0.0;
    for (int i = 0; i < costs.GetSize(); ++i) {
        const ICostHandle cost = costs.getConstReference(i);
        if (!cost.isNull()) sum += cost->getAmount().getValue();
    }
    return sum;
}

CostKind kindOf(const CCostType& type) {
    switch (type.getValue()) {
        case CostType::Labour:
            return CostKind::Human;
        case CostType::Material:
            return CostKind::Material;
        case CostType::Equipment:
            return CostKind::Equipment;
        default:
            return CostKind::Location;
    }
}

}  // namespace

void SampleCalculation::IDIndex::reserve(std::size_t n) {
    while (m_slots.size() < 2 * n) grow();
}

bool SampleCalculation::IDIndex::insert(const zx::IDKey& key, int position) {
    // At most half full, so probes stay short.
    if (2 * (m_count + 1) > m_slots.size()) grow();
    for (std::size_t i = home(key);; i = (i + 1) & m_mask) {
        Slot& slot = m_slots[i];
        if (slot.position < 0) {
            slot = {key, position};
            ++m_count;
            return true;
        }
        if (slot.key == key) return false;
    }
}

int SampleCalculation::IDIndex::find(const zx::IDKey& key) const {
    if (m_slots.empty()) return -1;
    for (std::size_t i = home(key);; i = (i + 1) & m_mask) {
        const Slot& slot = m_slots[i];
        if (slot.position < 0) return -1;
        if (slot.key == key) return slot.position;
    }
}

void SampleCalculation::IDIndex::grow() {
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? 16 : 2 * old.size(), Slot{});
    m_mask = m_slots.size() - 1;
    m_count = 0;
    for (const Slot& slot : old)
        if (slot.position >= 0) (void)insert(slot.key, slot.position);
}

SampleCalculation::SampleCalculation(const CTaskArray& tasks, CProjectTime referenceTime) {
    m_taskIndex.reserve(static_cast<std::size_t>(tasks.GetSize()));
    for (int i = 0; i < tasks.GetSize(); ++i) collect(tasks.getConstReference(i), -1);
    resolveLinks();
    schedule(topologicalOrder());
    rollUpSummaries();
    totalCosts();
    m_referenceTime = referenceTime.isValid() ? referenceTime : CProjectTime(m_projectStart);
}

// Depth first with an explicit stack, so that deep work breakdowns cannot exhaust the call stack.
void SampleCalculation::collect(const ITask& root, int rootParent) {
    std::vector<std::pair<const ITask*, int>> pending{{&root, rootParent}};
    while (!pending.empty()) {
        const auto [task, parent] = pending.back();
        pending.pop_back();
        const int index = static_cast<int>(m_nodes.size());
        // A repeated ID keeps its first task.
        if (!m_taskIndex.insert(zx::IDKey::of(task->getID()), index)) continue;
        Node node;
        node.task = task;
        node.parent = parent;
        const auto subTasks = task->getSubTasks();
        node.summary = subTasks.GetSize() > 0;
        const CProjectDuration& duration = task->getTaskDuration();
        node.duration = duration.isValid() ? std::max<std::int64_t>(0, duration.getCount()) : 0;
        m_nodes.push_back(std::move(node));
        // Pushed last to first, so sub-tasks are numbered in their stored order.
        for (int i = subTasks.GetSize() - 1; i >= 0; --i) {
            const ITaskHandle child = subTasks.getConstReference(i);
            if (!child.isNull()) pending.emplace_back(child.get(), index);
        }
    }
}

void SampleCalculation::resolveLinks() {
    for (std::size_t v = 0; v < m_nodes.size(); ++v) {
        const auto links = m_nodes[v].task->getUpstreamLinks();
        for (int i = 0; i < links.GetSize(); ++i) {
            const ILinkHandle handle = links.getConstReference(i);
            if (handle.isNull()) continue;
            const int index = static_cast<int>(m_links.size());
            if (!m_linkIndex.insert(zx::IDKey::of(handle->getID()), index)) continue;
            Link link;
            link.link = handle.get();
            link.successor = static_cast<int>(v);
            const int predecessor = m_taskIndex.find(zx::IDKey::of(handle->getUpstreamTaskID()));
            if (predecessor >= 0) {
                link.predecessor = predecessor;
                m_nodes[static_cast<std::size_t>(link.predecessor)].leaving.push_back(index);
                m_nodes[v].entering.push_back(index);
            }
            m_links.push_back(link);
        }
    }
}

// Predecessors before successors. A link to a task still on the walk's path closes a cycle and is
// marked as a back edge, so every task is ordered and no pass can loop.
std::vector<int> SampleCalculation::topologicalOrder() {
    enum : char { Unvisited, OnPath, Done };
    std::vector<char> state(m_nodes.size(), Unvisited);
    std::vector<int> order;
    order.reserve(m_nodes.size());
    std::vector<std::pair<int, std::size_t>> path;
    for (std::size_t start = 0; start < m_nodes.size(); ++start) {
        if (state[start] != Unvisited) continue;
        state[start] = OnPath;
        path.emplace_back(static_cast<int>(start), 0);
        while (!path.empty()) {
            auto& [v, next] = path.back();
            const std::vector<int>& entering = m_nodes[static_cast<std::size_t>(v)].entering;
            if (next < entering.size()) {
                Link& link = m_links[static_cast<std::size_t>(entering[next++])];
                const auto u = static_cast<std::size_t>(link.predecessor);
                if (state[u] == OnPath) {
                    link.backEdge = true;
                } else if (state[u] == Unvisited) {
                    state[u] = OnPath;
                    path.emplace_back(link.predecessor, 0);
                }
                continue;
            }
            state[static_cast<std::size_t>(v)] = Done;
            order.push_back(v);
            path.pop_back();
        }
    }
    return order;
}

std::int64_t SampleCalculation::requiredStart(const Link& link) const {
    const Node& u = m_nodes[static_cast<std::size_t>(link.predecessor)];
    const Node& v = m_nodes[static_cast<std::size_t>(link.successor)];
    const std::int64_t delay = delayOf(*link.link);
    switch (link.link->getType().getValue()) {
        case LinkType::StartToStart:
            return u.earlyStart + delay;
        case LinkType::FinishToFinish:
            return u.earlyFinish + delay - v.duration;
        case LinkType::StartToFinish:
            return u.earlyStart + delay - v.duration;
        default:
            return u.earlyFinish + delay;
    }
}

std::int64_t SampleCalculation::allowedFinish(const Link& link) const {
    const Node& v = m_nodes[static_cast<std::size_t>(link.predecessor)];
    const Node& w = m_nodes[static_cast<std::size_t>(link.successor)];
    const std::int64_t delay = delayOf(*link.link);
    switch (link.link->getType().getValue()) {
        case LinkType::StartToStart:
            return w.lateStart - delay + v.duration;
        case LinkType::FinishToFinish:
            return w.lateFinish - delay;
        case LinkType::StartToFinish:
            return w.lateFinish - delay + v.duration;
        default:
            return w.lateStart - delay;
    }
}

void SampleCalculation::schedule(const std::vector<int>& order) {
    std::int64_t start = std::numeric_limits<std::int64_t>::max();
    for (const Node& node : m_nodes) {
        const CProjectTime& planned = node.task->getPlannedStartTime();
        if (planned.isValid()) start = std::min(start, planned.getMilliseconds());
    }
    m_projectStart = start == std::numeric_limits<std::int64_t>::max() ? 0 : start;

    int rank = 0;
    std::int64_t finish = m_projectStart;
    for (const int v : order) {
        Node& node = m_nodes[static_cast<std::size_t>(v)];
        const CProjectTime& planned = node.task->getPlannedStartTime();
        node.earlyStart = planned.isValid() ? planned.getMilliseconds() : m_projectStart;
        for (const int e : node.entering) {
            const Link& link = m_links[static_cast<std::size_t>(e)];
            if (link.backEdge) continue;
            const std::int64_t required = requiredStart(link);
            node.requiredStart =
                node.constrained ? std::max(node.requiredStart, required) : required;
            node.constrained = true;
        }
        if (node.constrained) node.earlyStart = std::max(node.earlyStart, node.requiredStart);
        node.earlyFinish = node.earlyStart + node.duration;
        node.rank = rank++;
        finish = std::max(finish, node.earlyFinish);
        for (const int e : node.entering) {
            Link& link = m_links[static_cast<std::size_t>(e)];
            if (!link.backEdge) link.driving = requiredStart(link) == node.earlyStart;
        }
    }
    m_projectFinish = finish;

    for (auto v = order.rbegin(); v != order.rend(); ++v) {
        Node& node = m_nodes[static_cast<std::size_t>(*v)];
        node.lateFinish = m_projectFinish;
        bool hasSuccessor = false;
        std::int64_t freeFloat = std::numeric_limits<std::int64_t>::max();
        for (const int e : node.leaving) {
            const Link& link = m_links[static_cast<std::size_t>(e)];
            if (link.backEdge) continue;
            node.lateFinish = std::min(node.lateFinish, allowedFinish(link));
            const Node& successor = m_nodes[static_cast<std::size_t>(link.successor)];
            freeFloat = std::min(freeFloat, successor.earlyStart - requiredStart(link));
            hasSuccessor = true;
        }
        node.lateStart = node.lateFinish - node.duration;
        node.freeFloat = std::max<std::int64_t>(
            0, hasSuccessor ? freeFloat : m_projectFinish - node.earlyFinish);
    }
}

// Sub-tasks follow their parents in m_nodes, so a reverse walk finishes every sub-tree before its
// parent.
void SampleCalculation::rollUpSummaries() {
    std::vector<char> spanned(m_nodes.size(), 0);
    for (std::size_t v = m_nodes.size(); v-- > 0;) {
        const Node& node = m_nodes[v];
        if (node.parent < 0) continue;
        const auto p = static_cast<std::size_t>(node.parent);
        Node& parent = m_nodes[p];
        if (!spanned[p]) {
            parent.earlyStart = node.earlyStart;
            parent.earlyFinish = node.earlyFinish;
            parent.lateStart = node.lateStart;
            parent.lateFinish = node.lateFinish;
            spanned[p] = 1;
            continue;
        }
        parent.earlyStart = std::min(parent.earlyStart, node.earlyStart);
        parent.earlyFinish = std::max(parent.earlyFinish, node.earlyFinish);
        parent.lateStart = std::min(parent.lateStart, node.lateStart);
        parent.lateFinish = std::max(parent.lateFinish, node.lateFinish);
    }
}

void SampleCalculation::totalCosts() {
    for (Node& node : m_nodes) {
        const ITask& task = *node.task;
        if (task.getActualFinishTime().isValid()) {
            node.percentComplete = 100.0;
        } else if (task.getActualStartTime().isValid() && node.duration > 0) {
            const CProjectDuration& remaining = task.getTaskRemainingDuration();
            const double left = remaining.isValid() ? static_cast<double>(remaining.getCount())
                                                    : static_cast<double>(node.duration);
            node.percentComplete =
                std::clamp(100.0 * (1.0 - left / static_cast<double>(node.duration)), 0.0, 100.0);
        }

        const auto costs = task.getCosts();
        for (int i = 0; i < costs.GetSize(); ++i) {
            const ICostHandle cost = costs.getConstReference(i);
            if (cost.isNull()) continue;
            const double amount = cost->getAmount().getValue();
            node.planned[slot(kindOf(cost->getType()))] += amount;
            node.planned[slot(CostKind::Task)] += amount;
        }
        const auto reports = task.getTaskReports();
        for (int i = 0; i < reports.GetSize(); ++i) {
            const ITaskReportHandle report = reports.getConstReference(i);
            if (!report.isNull())
                node.planned[slot(CostKind::Report)] += amountOf(report->getCosts());
        }
        const auto risks = task.getAssignedRisks();
        for (int i = 0; i < risks.GetSize(); ++i) {
            const IAssignedRiskHandle risk = risks.getConstReference(i);
            if (risk.isNull()) continue;
            const double amount = amountOf(risk->getCosts());
            node.planned[slot(CostKind::UnmitigatedRisk)] += amount;
            const RiskStatus status = risk->getStatus().getValue();
            if (status == RiskStatus::Mitigated || status == RiskStatus::Closed)
                node.planned[slot(CostKind::MitigatedRisk)] += amount;
        }
        for (std::size_t k = 0; k < kCostKinds; ++k)
            node.actual[k] = node.planned[k] * node.percentComplete / 100.0;
        if (node.summary) {
            node.rollUp = static_cast<int>(m_rollUps.size());
            m_rollUps.push_back({node.planned, node.actual});
        }
    }
    for (std::size_t v = m_nodes.size(); v-- > 0;) {
        const Node& node = m_nodes[v];
        if (node.parent < 0) continue;
        const Node& parent = m_nodes[static_cast<std::size_t>(node.parent)];
        auto& sums = m_rollUps[static_cast<std::size_t>(parent.rollUp)];
        const bool leaf = node.rollUp < 0;
        const Costs& planned =
            leaf ? node.planned : m_rollUps[static_cast<std::size_t>(node.rollUp)][0];
        const Costs& actual =
            leaf ? node.actual : m_rollUps[static_cast<std::size_t>(node.rollUp)][1];
        for (std::size_t k = 0; k < kCostKinds; ++k) {
            sums[0][k] += planned[k];
            sums[1][k] += actual[k];
        }
    }
}

const SampleCalculation::Node* SampleCalculation::node(const CTaskID& id) const {
    const int found = m_taskIndex.find(zx::IDKey::of(id));
    return found < 0 ? nullptr : &m_nodes[static_cast<std::size_t>(found)];
}

const SampleCalculation::Link* SampleCalculation::link(const CLinkID& id) const {
    const int found = m_linkIndex.find(zx::IDKey::of(id));
    return found < 0 ? nullptr : &m_links[static_cast<std::size_t>(found)];
}

const ITask* SampleCalculation::findTask(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? n->task : nullptr;
}

const ITask* SampleCalculation::getParentTask(const CTaskID& id) const {
    const Node* n = node(id);
    return n && n->parent >= 0 ? m_nodes[static_cast<std::size_t>(n->parent)].task : nullptr;
}

const ITask* SampleCalculation::getLinkOwner(const CLinkID& id) const {
    const Link* l = link(id);
    return l ? m_nodes[static_cast<std::size_t>(l->successor)].task : nullptr;
}

std::vector<CLinkID> SampleCalculation::getLinksLeaving(const CTaskID& id) const {
    std::vector<CLinkID> ids;
    if (const Node* n = node(id)) {
        ids.reserve(n->leaving.size());
        for (const int e : n->leaving)
            ids.push_back(m_links[static_cast<std::size_t>(e)].link->getID());
    }
    return ids;
}

CProjectDouble SampleCalculation::getRemainingPhysicalVolume(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? n->task->getRemainingPhysicalVolume() : CProjectDouble();
}

CProjectDouble SampleCalculation::getActualPhysicalVolume(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? n->task->getActualPhysicalVolume() : CProjectDouble();
}

CProjectTime SampleCalculation::getStartTime(const CTaskID& id) const {
    const Node* n = node(id);
    if (!n) return {};
    const CProjectTime& actual = n->task->getActualStartTime();
    return actual.isValid() ? actual : CProjectTime(n->earlyStart);
}

CProjectTime SampleCalculation::getFinishTime(const CTaskID& id) const {
    const Node* n = node(id);
    if (!n) return {};
    const CProjectTime& actual = n->task->getActualFinishTime();
    if (actual.isValid()) return actual;
    return CProjectTime(getStartTime(id).getMilliseconds() + (n->earlyFinish - n->earlyStart));
}

CProjectDuration SampleCalculation::getDuration(const CTaskID& id) const {
    if (!node(id)) return {};
    return CProjectDuration(getFinishTime(id).getMilliseconds() -
                            getStartTime(id).getMilliseconds());
}

CProjectTime SampleCalculation::getPlannedStartTime(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? CProjectTime(n->earlyStart) : CProjectTime();
}

CProjectTime SampleCalculation::getPlannedFinishTime(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? CProjectTime(n->earlyFinish) : CProjectTime();
}

CProjectDuration SampleCalculation::getPlannedDuration(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? CProjectDuration(n->earlyFinish - n->earlyStart) : CProjectDuration();
}

CProjectTime SampleCalculation::getActualStartTime(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? n->task->getActualStartTime() : CProjectTime();
}

CProjectTime SampleCalculation::getActualFinishTime(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? n->task->getActualFinishTime() : CProjectTime();
}

// Started tasks have run until they finished or, while still running, until the reference time.
CProjectDuration SampleCalculation::getActualDuration(const CTaskID& id) const {
    const Node* n = node(id);
    if (!n) return {};
    const CProjectTime& start = n->task->getActualStartTime();
    if (!start.isValid()) return CProjectDuration(0);
    const CProjectTime& finish = n->task->getActualFinishTime();
    const CProjectTime end = finish.isValid() ? finish : m_referenceTime;
    return CProjectDuration(
        std::max<std::int64_t>(0, end.getMilliseconds() - start.getMilliseconds()));
}

CProjectDuration SampleCalculation::getRemainingDuration(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? n->task->getTaskRemainingDuration() : CProjectDuration();
}

CProjectTime SampleCalculation::getEstimatedFinishTime(const CTaskID& id) const {
    return getFinishTime(id);
}

CProjectDouble SampleCalculation::getPercentComplete(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? CProjectDouble(n->percentComplete) : CProjectDouble();
}

CProjectDouble SampleCalculation::getManualPercentComplete(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? n->task->getManualPercentComplete() : CProjectDouble();
}

// Units are not tracked here: the duration percentage stands in.
CProjectDouble SampleCalculation::getUnitPercentComplete(const CTaskID& id) const {
    return getPercentComplete(id);
}

CProjectDouble SampleCalculation::getCost(const CTaskID& id, CostKind kind,
                                          CostTotalType total) const {
    const Node* n = node(id);
    if (!n) return {};
    const Costs& costs = total == CostTotalType::Actual ? n->actual : n->planned;
    return costs[slot(kind)];
}

CProjectDouble SampleCalculation::getSummaryCost(const CTaskID& id, CostKind kind,
                                                 CostTotalType total) const {
    const Node* n = node(id);
    if (!n) return {};
    if (n->rollUp < 0) return getCost(id, kind, total);
    const auto& sums = m_rollUps[static_cast<std::size_t>(n->rollUp)];
    return sums[total == CostTotalType::Actual ? 1 : 0][slot(kind)];
}

CProjectDuration SampleCalculation::getWorkingDuration(const CCalendarID&, const CProjectTime& from,
                                                       const CProjectTime& to) const {
    if (!from.isValid() || !to.isValid()) return {};
    return CProjectDuration(to.getMilliseconds() - from.getMilliseconds());
}

CProjectTime SampleCalculation::getEarlyStart(const ITask& task) const {
    const Node* n = node(task);
    return n ? CProjectTime(n->earlyStart) : CProjectTime();
}

CProjectTime SampleCalculation::getEarlyFinish(const ITask& task) const {
    const Node* n = node(task);
    return n ? CProjectTime(n->earlyFinish) : CProjectTime();
}

CProjectTime SampleCalculation::getLateStart(const ITask& task) const {
    const Node* n = node(task);
    return n ? CProjectTime(n->lateStart) : CProjectTime();
}

CProjectTime SampleCalculation::getLateFinish(const ITask& task) const {
    const Node* n = node(task);
    return n ? CProjectTime(n->lateFinish) : CProjectTime();
}

CProjectDuration SampleCalculation::getUpstreamTotalFloat(const ITask& task) const {
    const Node* n = node(task);
    return n ? CProjectDuration(n->lateStart - n->earlyStart) : CProjectDuration();
}

CProjectDuration SampleCalculation::getDownstreamTotalFloat(const ITask& task) const {
    const Node* n = node(task);
    return n ? CProjectDuration(n->lateFinish - n->earlyFinish) : CProjectDuration();
}

CProjectInt SampleCalculation::getScheduleRank(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? CProjectInt(n->rank) : CProjectInt();
}

bool SampleCalculation::isCritical(const CTaskID& id) const {
    const Node* n = node(id);
    return n && n->lateStart <= n->earlyStart;
}

// The longest path ends at the project finish: its last tasks are the critical ones that end
// there.
bool SampleCalculation::isOnLongestPath(const CTaskID& id) const {
    const Node* n = node(id);
    return n && n->earlyFinish == m_projectFinish && isCritical(id);
}

CProjectTime SampleCalculation::getScheduledStart(const ITask& task) const {
    return getEarlyStart(task);
}

CProjectTime SampleCalculation::getScheduledFinish(const ITask& task) const {
    return getEarlyFinish(task);
}

CProjectDuration SampleCalculation::getScheduledDuration(const ITask& task) const {
    const Node* n = node(task);
    return n ? CProjectDuration(n->earlyFinish - n->earlyStart) : CProjectDuration();
}

// A link is critical when it sets its successor's early start and that successor is critical.
bool SampleCalculation::isLinkCritical(const CLinkID& id) const {
    const Link* l = link(id);
    return l && l->driving &&
           isCritical(m_nodes[static_cast<std::size_t>(l->successor)].task->getID());
}

const ILink* SampleCalculation::findLink(const CLinkID& id) const {
    const Link* l = link(id);
    return l ? l->link : nullptr;
}

CProjectTime SampleCalculation::addDelay(const ILink& l, const CProjectTime& from) const {
    if (!from.isValid()) return {};
    return CProjectTime(from.getMilliseconds() + delayOf(l));
}

// Upstream: how long the task waits after its links allow it to start (its planned start holds
// it back). Downstream: how long it may slip before it moves a successor or the project finish.
CProjectDuration SampleCalculation::getUpstreamFloat(const CTaskID& id) const {
    const Node* n = node(id);
    if (!n) return {};
    return CProjectDuration(
        n->constrained ? std::max<std::int64_t>(0, n->earlyStart - n->requiredStart) : 0);
}

CProjectDuration SampleCalculation::getDownstreamFloat(const CTaskID& id) const {
    const Node* n = node(id);
    return n ? CProjectDuration(n->freeFloat) : CProjectDuration();
}
