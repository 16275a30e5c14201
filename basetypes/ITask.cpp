#include "basetypes/ITask.h"

#include <algorithm>

const CUserID& ITask::commentUserID() {
    static const CUserID id(CString::fromUtf8(s_commentUserGUID));
    return id;
}

void ITask::setManualPercentComplete(double percent) {
    fields().manualPercentComplete = std::min(100.0, std::max(0.0, percent));
}

CString ITask::getComments() const {
    CString text;
    const INoteArrayHandle notes = getNotes();
    for (int i = 0; i < notes.GetSize(); ++i) {
        const INoteHandle note = notes.getConstReference(i);
        if (!(note->getCreatedUserID() == commentUserID())) continue;
        if (!text.IsEmpty()) text += L"\n";
        text += note->getText().getString().view();
    }
    return text;
}

bool ITask::addUserFieldValue(const CUserFieldValue& value, int index) {
    CHeapValue<CUserFieldValueArray>& values = fields().userFieldValues;
    if (!values) {
        if (index != 0 && index != -1) return false;
        return values.ensure().addValue(value) >= 0;
    }
    if (index == -1) return values.getWritable()->addValue(value) >= 0;
    // insertValue refuses an index outside 0..count and a user field that has a value already.
    return values.getWritable()->insertValue(index, value);
}

bool ITask::changeUserFieldValue(const CUserFieldValue& value) {
    CUserFieldValueArray* values = fields().userFieldValues.getWritable();
    if (!values) return false;
    const int i = values->findByID(value.getID());
    if (i < 0) return false;
    values->getWritableReference(i) = value;
    return true;
}

bool ITask::removeUserFieldValue(const CUserFieldID& id) {
    CUserFieldValueArray* values = fields().userFieldValues.getWritable();
    if (!values) return false;
    const int i = values->findByID(id);
    if (i < 0) return false;
    values->RemoveAt(i);
    if (values->GetSize() == 0) removeAllUserFieldValues();
    return true;
}

void ITask::setUserFieldValues(CUserFieldValueArray&& values) {
    if (values.GetSize() == 0)
        removeAllUserFieldValues();
    else
        fields().userFieldValues.set(std::move(values));
}

void ITask::setUserFieldValues(const CUserFieldValueArray& values) {
    if (values.GetSize() == 0)
        removeAllUserFieldValues();
    else
        fields().userFieldValues.set(values);
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
    const ITaskArrayHandle subTasks = getSubTasks();
    int count = subTasks.GetSize();
    if (recursive)
        for (int i = 0; i < subTasks.GetSize(); ++i)
            count += subTasks.getConstReference(i)->countSubTasks(true);
    return count;
}
