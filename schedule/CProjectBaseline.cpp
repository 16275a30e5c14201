#include "schedule/CProjectBaseline.h"

#include <utility>

#include "store/CollectionOps.h"

// The handles on the records. Lookups through the writable one sort the collection first, since
// the handle's NoSort operations may have left it unsorted; copies go through the baseline so
// that they stay linear.
class CProjectBaseline::TasksHandle : public CTaskBaselineDataArrayHandle {
public:
    explicit TasksHandle(CProjectBaseline* owner)
        : CTaskBaselineDataArrayHandle(&owner->m_tasks), m_owner(owner) {}

    int findByID(const CTaskID& id) const override {
        m_array->sort();
        return CTaskBaselineDataArrayHandle::findByID(id);
    }
    void copyFrom(const ITaskBaselineDataConstArrayHandle& source) override {
        m_owner->replaceRecords(source);
    }
    TasksHandle* clone() const override { return new TasksHandle(m_owner); }

private:
    CProjectBaseline* m_owner;
};

// The read-only handle of a const baseline. It leaves the records as they are: on an unsorted
// collection a lookup by ID goes through the baseline's own lookup, and the record's position is
// found by a pass over the storage.
class CProjectBaseline::ConstTasksHandle
    : public CBasicConstArrayHandle<ITaskBaselineData, CTaskBaselineData, CTaskID, 0> {
public:
    explicit ConstTasksHandle(const CProjectBaseline* owner)
        : CBasicConstArrayHandle(&owner->m_tasks), m_owner(owner) {}
    using CBasicConstArrayHandle::find;

    int findByID(const CTaskID& id) const override {
        if (m_array->isSorted()) return CBasicConstArrayHandle::findByID(id);
        const CTaskBaselineData* record = m_owner->findRecord(id);
        for (int i = 0; record && i < m_array->GetSize(); ++i)
            if (&m_array->getConstReference(i) == record) return i;
        return -1;
    }
    CWrapperHandle<ITaskBaselineData> find(const CTaskID& id) const override {
        const CTaskBaselineData* record = m_owner->findRecord(id);
        return record ? CWrapperHandle<ITaskBaselineData>(new CTaskBaselineDataHandle(record))
                      : CWrapperHandle<ITaskBaselineData>();
    }
    ConstTasksHandle* clone() const override { return new ConstTasksHandle(m_owner); }

private:
    const CProjectBaseline* m_owner;
};

CProjectBaseline::~CProjectBaseline() = default;

ITaskBaselineDataConstArrayHandle CProjectBaseline::getBaselinedTasks() const {
    return ITaskBaselineDataConstArrayHandle(new ConstTasksHandle(this));
}

ITaskBaselineDataArrayHandle CProjectBaseline::getBaselinedTasks() {
    return ITaskBaselineDataArrayHandle(new TasksHandle(this));
}

ITaskBaselineDataHandle CProjectBaseline::findBaselinedTask(const CTaskID& id) const {
    const CTaskBaselineData* record = findRecord(id);
    return record ? ITaskBaselineDataHandle(new CTaskBaselineDataHandle(record))
                  : ITaskBaselineDataHandle();
}

ITaskBaselineDataWritableHandle CProjectBaseline::findBaselinedTask(const CTaskID& id) {
    CTaskBaselineData* record = findRecord(id);
    return record ? ITaskBaselineDataWritableHandle(new CTaskBaselineDataWritableHandle(record))
                  : ITaskBaselineDataWritableHandle();
}

void CProjectBaseline::baselineTask(const ITask& task, const IProjectAccessor* accessor,
                                    bool scheduledDates) {
    if (!task.canBaseline()) return;
    if (CTaskBaselineData* record = findRecord(task.getID())) {
        record->storeBaselineData(*this, task, accessor, scheduledDates);
        return;
    }
    auto record = std::make_unique<CTaskBaselineData>();
    record->storeBaselineData(*this, task, accessor, scheduledDates);
    // Without an accessor the record keeps the unset ID, which only one record can hold.
    (void)adopt(std::move(record), m_tasks.GetSize());
}

void CProjectBaseline::unBaselineTask(const ITask& task) {
    const CTaskID id = task.getID();
    if (!removeTaskFromProjectBaseline(id)) return;
    for (int i = 0; i < m_tasks.GetSize(); ++i) m_tasks.getWritableReference(i).removeLinks(id);
}

bool CProjectBaseline::removeTaskFromProjectBaseline(const CTaskID& id) {
    const CTaskBaselineData* record = findRecord(id);
    if (!record) return false;
    return removeAtKeepingSort(m_tasks, m_tasks.findByID(id));
}

bool CProjectBaseline::insertTaskIntoProjectBaseline(const ITaskBaselineData& data, int index) {
    if (index < 0 || index > m_tasks.GetSize()) return false;
    auto copy = std::make_unique<CTaskBaselineData>();
    copy->copyFrom(data);
    return adopt(std::move(copy), index);
}

const CTaskBaselineData* CProjectBaseline::findRecord(const CTaskID& id) const {
    if (m_tasks.isSorted()) {
        const int i = m_tasks.findByID(id);
        if (i < 0) return nullptr;
        // A record whose ID was changed in place through a handle is no longer this one.
        const CTaskBaselineData& record = m_tasks.getConstReference(i);
        return record.getID() == id ? &record : nullptr;
    }
    for (int i = 0; i < m_tasks.GetSize(); ++i)
        if (m_tasks.getConstReference(i).getID() == id) return &m_tasks.getConstReference(i);
    return nullptr;
}

CTaskBaselineData* CProjectBaseline::findRecord(const CTaskID& id) {
    m_tasks.sort();
    const int i = m_tasks.findByID(id);
    if (i < 0) return nullptr;
    CTaskBaselineData& record = m_tasks.getWritableReference(i);
    return record.getID() == id ? &record : nullptr;
}

bool CProjectBaseline::adopt(std::unique_ptr<CTaskBaselineData> record, int index) {
    m_tasks.sort();
    if (!m_tasks.Attach(index, record.get())) return false;
    (void)record.release();
    return true;
}

void CProjectBaseline::replaceRecords(const ITaskBaselineDataConstArrayHandle& source) {
    // Copied aside first: the source may view these very records.
    CTaskBaselineDataArray copies;
    copies.Reserve(source.GetSize());
    for (int i = 0; i < source.GetSize(); ++i) {
        const ITaskBaselineDataHandle record = source.getConstReference(i);
        if (!record.isNull()) (void)copies.Add(*record);
    }
    m_tasks = std::move(copies);
}

ZX_INSTANTIATE_KIND(IProjectBaseline, CProjectBaseline, CProjectBaselineID, 0);
