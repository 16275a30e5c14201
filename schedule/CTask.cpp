#include "schedule/CTask.h"

#include "store/CollectionOps.h"
#include "store/FreeTree.h"

// Without recursion however deep the tree below (see store/FreeTree.h).
CTask::~CTask() {
    zx::freeTree(m_subTasks.get(), [](CTask& child) { return child.m_subTasks.get(); });
}

ISupplyChainHandle CTask::getSupplyChain() const {
    return ISupplyChainHandle(new CSupplyChainHandle(&m_supplyChain));
}

ISupplyChainWritableHandle CTask::getWritableSupplyChain() {
    return ISupplyChainWritableHandle(new CSupplyChainWritableHandle(&m_supplyChain));
}

void CTask::setSubTasks(const ITaskConstArrayHandle& tasks) {
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

ILinkConstArrayHandle CTask::getUpstreamLinks() const {
    return ILinkConstArrayHandle::over(&m_upstreamLinks);
}

ILinkArrayHandle CTask::getUpstreamLinks() { return ILinkArrayHandle::over(&m_upstreamLinks); }

void CTask::setUpstreamLinks(const ILinkConstArrayHandle& links) {
    replaceWithCopies(m_upstreamLinks, links);
}

IAssignedResourceConstArrayHandle CTask::getAssignedResources() const {
    return IAssignedResourceConstArrayHandle::over(&m_assignedResources);
}

IAssignedResourceArrayHandle CTask::getAssignedResources() {
    return IAssignedResourceArrayHandle::over(&m_assignedResources);
}

void CTask::setAssignedResources(const IAssignedResourceConstArrayHandle& assignments) {
    replaceWithCopies(m_assignedResources, assignments);
}

IAssignedResourceGroupConstArrayHandle CTask::getAssignedResourceGroups() const {
    return IAssignedResourceGroupConstArrayHandle::over(&m_assignedResourceGroups);
}

IAssignedResourceGroupArrayHandle CTask::getAssignedResourceGroups() {
    return IAssignedResourceGroupArrayHandle::over(&m_assignedResourceGroups);
}

void CTask::setAssignedResourceGroups(const IAssignedResourceGroupConstArrayHandle& groups) {
    replaceWithCopies(m_assignedResourceGroups, groups);
}

// A summary task's cost is the sum of its children's, so it keeps none of its own.
void CTask::setCosts(const ICostConstArrayHandle& costs) {
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
