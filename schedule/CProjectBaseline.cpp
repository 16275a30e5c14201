#include "schedule/CProjectBaseline.h"

#include <utility>

#include "store/CollectionOps.h"

// The handle on the records. Lookups sort the collection first, since the baseline adds records
// without sorting; everything that replaces or re-indexes the records tells the baseline, and
// copies go through the baseline so that they stay linear.
class CProjectBaseline::TasksHandle : public CTaskBaselineDataArrayHandle {
public:
    // The baseline is reached through a const getter, as the collection is; like the collection
    // handle itself, this one writes through it.
    TasksHandle(const CProjectBaseline* owner)
        : CTaskBaselineDataArrayHandle(&owner->m_tasks),
          m_owner(const_cast<CProjectBaseline*>(owner)) {}

    int findByID(const CTaskID& id) const override {
        m_array->sort();
        return CTaskBaselineDataArrayHandle::findByID(id);
    }
    void Serialize(CZentrixArchive& ar) override {
        // Before loading, since a failed load leaves the collection emptied.
        if (ar.IsLoading()) m_owner->forgetIndex();
        CTaskBaselineDataArrayHandle::Serialize(ar);
    }
    void resort() override {
        CTaskBaselineDataArrayHandle::resort();
        m_owner->forgetIndex();
    }
    void copyFrom(const ITaskBaselineDataArrayHandle& source) override {
        m_owner->replaceRecords(source);
    }
    TasksHandle* clone() const override { return new TasksHandle(m_owner); }

private:
    CProjectBaseline* m_owner;
};

CProjectBaseline::~CProjectBaseline() = default;

ITaskBaselineDataArrayHandle CProjectBaseline::getBaselinedTasks() const {
    return ITaskBaselineDataArrayHandle(new TasksHandle(this));
}

ITaskBaselineDataWritableHandle CProjectBaseline::findBaselinedTask(const CTaskID& id) const {
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
    // Removing shifts the storage anyway, so finding the position by a pass costs nothing more.
    for (int i = 0; i < m_tasks.GetSize(); ++i) {
        if (&m_tasks.getConstReference(i) != record) continue;
        m_index.erase(IDKey::of(id));
        return removeAtKeepingSort(m_tasks, i);
    }
    return false;
}

bool CProjectBaseline::insertTaskIntoProjectBaseline(const ITaskBaselineData& data, int index) {
    if (index < 0 || index > m_tasks.GetSize()) return false;
    auto copy = std::make_unique<CTaskBaselineData>();
    copy->copyFrom(data);
    return adopt(std::move(copy), index);
}

CTaskBaselineData* CProjectBaseline::findRecord(const CTaskID& id) const {
    if (!m_indexCurrent) rebuildIndex();
    const auto found = m_index.find(IDKey::of(id));
    if (found == m_index.end()) return nullptr;
    // A record whose ID was changed in place through a handle is no longer this one.
    return found->second->getID() == id ? found->second : nullptr;
}

bool CProjectBaseline::adopt(std::unique_ptr<CTaskBaselineData> record, int index) {
    if (findRecord(record->getID())) return false;
    CTaskBaselineData* stored = record.get();
    if (!m_tasks.AttachNoSort(index, stored)) return false;
    (void)record.release();
    m_index.emplace(IDKey::of(stored->getID()), stored);
    return true;
}

void CProjectBaseline::replaceRecords(const ITaskBaselineDataArrayHandle& source) {
    // Copied aside first: the source may view these very records.
    CTaskBaselineDataArray copies;
    std::unordered_map<IDKey, CTaskBaselineData*, KeyHash> index;
    copies.Reserve(source.GetSize());
    index.reserve(static_cast<std::size_t>(source.GetSize()));
    for (int i = 0; i < source.GetSize(); ++i) {
        const ITaskBaselineDataHandle record = source.getConstReference(i);
        if (record.isNull() || index.contains(IDKey::of(record->getID()))) continue;
        const int position = copies.AddNoSort(*record);
        CTaskBaselineData* stored = &copies.getWritableReference(position);
        index.emplace(IDKey::of(stored->getID()), stored);
    }
    copies.sort();
    // Moving the collection moves the owning pointers, not the records the index points at.
    m_tasks = std::move(copies);
    m_index = std::move(index);
    m_indexCurrent = true;
}

void CProjectBaseline::rebuildIndex() const {
    m_index.clear();
    m_index.reserve(static_cast<std::size_t>(m_tasks.GetSize()));
    // A malformed archive may hold an ID twice; the first record keeps it.
    for (int i = 0; i < m_tasks.GetSize(); ++i) {
        CTaskBaselineData& record = m_tasks.getWritableReference(i);
        m_index.emplace(IDKey::of(record.getID()), &record);
    }
    m_indexCurrent = true;
}

ZX_INSTANTIATE_KIND(IProjectBaseline, CProjectBaseline, CProjectBaselineID, 0);
