#include "schedule/CTask.h"

#include "store/CollectionOps.h"

CTask::~CTask() = default;

ISupplyChainHandle CTask::getSupplyChain() const {
    return ISupplyChainHandle(new CSupplyChainHandle(&m_supplyChain));
}

ISupplyChainWritableHandle CTask::getWritableSupplyChain() {
    return ISupplyChainWritableHandle(new CSupplyChainWritableHandle(&m_supplyChain));
}

void CTask::setSubTasks(const ITaskArrayHandle& tasks) {
    if (canBecomeSummaryTask(true, true, true)) m_subTasks.set(tasks);
}

bool CTask::insertSubTask(const ITask& task, int index) {
    if (index < 0 || !canBecomeSummaryTask(true, true, true)) return false;
    return m_subTasks.insert(task, index);
}

bool CTask::attachSubTask(ITaskWritableHandle task, int index) {
    if (!m_subTasks.exists() && index != 0) return false;
    return m_subTasks.attach(task, index);
}

ILinkArrayHandle CTask::getUpstreamLinks() const {
    return ILinkArrayHandle(new CLinkArrayHandle(&m_upstreamLinks));
}

void CTask::setUpstreamLinks(const ILinkArrayHandle& links) {
    replaceWithCopies(m_upstreamLinks, links);
}

IAssignedResourceArrayHandle CTask::getAssignedResources() const {
    return IAssignedResourceArrayHandle(new CAssignedResourceArrayHandle(&m_assignedResources));
}

void CTask::setAssignedResources(const IAssignedResourceArrayHandle& assignments) {
    replaceWithCopies(m_assignedResources, assignments);
}

IAssignedResourceGroupArrayHandle CTask::getAssignedResourceGroups() const {
    return IAssignedResourceGroupArrayHandle(
        new CAssignedResourceGroupArrayHandle(&m_assignedResourceGroups));
}

void CTask::setAssignedResourceGroups(const IAssignedResourceGroupArrayHandle& groups) {
    replaceWithCopies(m_assignedResourceGroups, groups);
}

// A summary task's cost is the sum of its children's, so it keeps none of its own.
void CTask::setCosts(const ICostArrayHandle& costs) {
    if (!m_subTasks.exists()) m_costs.set(costs);
}

int CTask::addCost(const ICost& cost) { return m_subTasks.exists() ? -1 : m_costs.add(cost); }

bool CTask::insertCost(const ICost& cost, int index) {
    return !m_subTasks.exists() && m_costs.insert(cost, index);
}

void CTask::setComments(const CString& text) {
    if (text.IsEmpty()) return;
    CNote note;
    note.generateIDs();
    note.setText(text);
    note.setCreatedTimestamp(CProjectTime::GetTickCount());
    note.setUpdatedTimestamp(CProjectTime::GetTickCount());
    note.setCreatedUserID(commentUserID());
    note.setUpdatedUserID(commentUserID());
    (void)addNote(note);
}

ZX_INSTANTIATE_KIND(ITask, CTask, CTaskID, 0);
