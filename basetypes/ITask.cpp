#include "basetypes/ITask.h"

#include <algorithm>
#include <vector>

const CUserID& ITask::commentUserID() {
    static const CUserID id(CString::fromUtf8(s_commentUserGUID));
    return id;
}

void ITask::setManualPercentComplete(double percent) {
    fields().manualPercentComplete = std::min(100.0, std::max(0.0, percent));
}

CString ITask::getComments() const {
    CString text;
    const auto notes = getNotes();
    for (int i = 0; i < notes.GetSize(); ++i) {
        const INoteHandle note = notes.getConstReference(i);
        if (!(note->getCreatedUserID() == commentUserID())) continue;
        if (!text.IsEmpty()) text += L"\n";
        text += note->getText().getString().view();
    }
    return text;
}

bool ITask::isMilestone() const {
    const TaskType type = getTaskType().getValue();
    return type == TaskType::StartMilestone || type == TaskType::FinishMilestone;
}

bool ITask::canBecomeSummaryTask(bool withoutCosts, bool withoutAssignments,
                                 bool withoutRisks) const {
    if (isMilestone()) return false;
    if (withoutCosts && numberOfCosts() > 0) return false;
    if (withoutAssignments &&
        (getAssignedResources().GetSize() > 0 || getAssignedResourceGroups().GetSize() > 0))
        return false;
    if (withoutRisks && numberOfAssignedRisks() > 0) return false;
    return true;
}

bool ITask::canAssignRisks() const {
    return !isSummary() && !isMilestone() && !getRiskBuffer().getValue();
}

int ITask::countSubTasks(bool recursive) const {
    if (!recursive) return getSubTasks().GetSize();
    // From a work-list rather than by recursion: sub-tasks nest to any depth.
    int count = 0;
    std::vector<const ITask*> pending{this};
    while (!pending.empty()) {
        const auto subTasks = pending.back()->getSubTasks();
        pending.pop_back();
        count += subTasks.GetSize();
        for (int i = 0; i < subTasks.GetSize(); ++i)
            pending.push_back(&*subTasks.getConstReference(i));
    }
    return count;
}
