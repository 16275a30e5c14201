// CProjectBaseline: the stored baseline and the task records it owns.
//
// Baselining a whole project asks for the record of a task, and of each of its successors, once
// per task, so lookups by task ID must not cost more as the baseline grows. Beside the keyed
// collection the baseline therefore keeps a hash index from task ID to record, and adds records
// without maintaining the collection's ordered index, which would cost a shift of the whole index
// per record. The collection sorts itself when a lookup through the writable getBaselinedTasks()
// needs it (once per batch of additions) and when it is saved.
//
// Whatever replaces the collection through the handle getBaselinedTasks() returns (copyFrom,
// loading, resort) makes the baseline rebuild its index before its next lookup. As with the
// collection's own index, a record whose ID is changed in place is found under its new ID only
// after resort().
//
// Threads: const lookups change nothing. They take the hash index while it is current, and
// otherwise (after a load or resort, until the next change) the collection's ordered index; on
// records added since the last sort the read-only handle's position lookup searches the storage.
// So any number of threads may read one baseline while none changes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "basetypes/IProjectBaseline.h"
#include "basetypes/ZxApi.h"
#include "schedule/CTaskBaselineData.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CProjectBaseline : public CStored<CProjectBaseline, IProjectBaseline> {
public:
    CProjectBaseline() { initialize(); }
    CProjectBaseline(const CProjectBaseline& other) : CProjectBaseline() { copyFrom(other); }
    CProjectBaseline& operator=(const CProjectBaseline& other) {
        copyFrom(other);
        return *this;
    }
    ~CProjectBaseline() override;

    ITaskBaselineDataConstArrayHandle getBaselinedTasks() const override;
    ITaskBaselineDataArrayHandle getBaselinedTasks() override;
    ITaskBaselineDataHandle findBaselinedTask(const CTaskID& id) const override;
    [[nodiscard]] ITaskBaselineDataWritableHandle findBaselinedTask(const CTaskID& id) override;

    void baselineTask(const ITask& task, const IProjectAccessor* accessor,
                      bool scheduledDates) override;
    void unBaselineTask(const ITask& task) override;
    [[nodiscard]] bool removeTaskFromProjectBaseline(const CTaskID& id) override;
    [[nodiscard]] bool insertTaskIntoProjectBaseline(const ITaskBaselineData& data,
                                                     int index) override;

private:
    class TasksHandle;
    class ConstTasksHandle;

    struct KeyHash {
        std::size_t operator()(const zx::IDKey& key) const {
            // IDs are random GUIDs; mixing both words is plenty.
            return static_cast<std::size_t>(key.hi ^ (key.lo * 0x9E3779B97F4A7C15ULL));
        }
    };

    // The record with this ID, or null; a baseline that may change rebuilds a stale index first.
    const CTaskBaselineData* findRecord(const CTaskID& id) const;
    CTaskBaselineData* findRecord(const CTaskID& id);
    // The record the current index holds for this ID, or null.
    CTaskBaselineData* indexedRecord(const CTaskID& id) const;
    // Takes ownership of the record and stores it at index; false (record freed) when refused.
    bool adopt(std::unique_ptr<CTaskBaselineData> record, int index);
    // Replaces the records with copies of the source's, skipping null entries and repeated IDs.
    void replaceRecords(const ITaskBaselineDataConstArrayHandle& source);
    void forgetIndex() { m_indexCurrent = false; }
    void rebuildIndex();

    CTaskBaselineDataArray m_tasks;
    std::unordered_map<zx::IDKey, CTaskBaselineData*, KeyHash> m_index;
    bool m_indexCurrent = true;
};

using CProjectBaselineArray =
    CUniqueObjectPointerArray<IProjectBaseline, CProjectBaseline, CProjectBaselineID>;
using CProjectBaselineHandle = CBasicHandle<IProjectBaseline, CProjectBaseline>;
using CProjectBaselineWritableHandle = CWritableBasicHandle<IProjectBaseline, CProjectBaseline>;
using CProjectBaselineArrayHandle =
    CBasicArrayHandle<IProjectBaseline, CProjectBaseline, CProjectBaselineID, 0>;
ZX_DECLARE_KIND(IProjectBaseline, CProjectBaseline, CProjectBaselineID, 0);
