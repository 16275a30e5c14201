// CProjectBaseline: the stored baseline and the task records it owns.
//
// Baselining a whole project asks for the record of a task, and of each of its successors, once
// per task, so lookups by task ID must not cost more as the baseline grows: the keyed collection's
// hash index answers them, and records are appended, which defers their place in the ordered
// index until something asks for ID order. As with the collection's own index, a record whose ID
// is changed in place is found under its new ID only after resort(), and no longer under its old
// one.
//
// The handle getBaselinedTasks() returns may leave the collection unsorted (its NoSort
// operations); the baseline's next lookup through a writable path sorts it again, and a const
// lookup searches the storage meanwhile.
//
// Threads: as the collection's: any number of threads may read one baseline while none changes
// it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "basetypes/IProjectBaseline.h"
#include "basetypes/ZxApi.h"
#include "schedule/CTaskBaselineData.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CProjectBaseline : public CStored<CProjectBaseline, IProjectBaseline> {
public:
    CProjectBaseline() = default;
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

    // The record with this ID, or null; a writable lookup sorts an unsorted collection first.
    const CTaskBaselineData* findRecord(const CTaskID& id) const;
    CTaskBaselineData* findRecord(const CTaskID& id);
    // Takes ownership of the record and stores it at index; false (record freed) when refused.
    bool adopt(std::unique_ptr<CTaskBaselineData> record, int index);
    // Replaces the records with copies of the source's, skipping null entries and repeated IDs.
    void replaceRecords(const ITaskBaselineDataConstArrayHandle& source);

    CTaskBaselineDataArray m_tasks;
};

using CProjectBaselineArray =
    CUniqueObjectPointerArray<IProjectBaseline, CProjectBaseline, CProjectBaselineID>;
using CProjectBaselineHandle = CBasicHandle<IProjectBaseline, CProjectBaseline>;
using CProjectBaselineWritableHandle = CWritableBasicHandle<IProjectBaseline, CProjectBaseline>;
using CProjectBaselineArrayHandle =
    CBasicArrayHandle<IProjectBaseline, CProjectBaseline, CProjectBaselineID, 0>;
ZX_DECLARE_KIND(IProjectBaseline, CProjectBaseline, CProjectBaselineID, 0);
