// Const objects stay unchanged through their handles: the compile-time checks that no writable
// element, iterator or collection operation can be reached from a const task, root or read-only
// view, and the behaviour of read-only views over collections that change under them.
#include <gtest/gtest.h>

#include <utility>

#include "project/Roots.h"
#include "schedule/CTask.h"

namespace {

// Renaming the first sub-task through whatever T's getSubTasks() hands out.
template <class T>
concept CanRenameSubTask = requires(T& task) {
    task.getSubTasks().getWritableReference(0)->setName(CString());
};
// Any operation of a writable view on T's sub-tasks.
template <class T>
concept CanChangeSubTasks = requires(T& task, CZentrixArchive& ar) {
    task.getSubTasks().resort();
}
|| requires(T& task, CZentrixArchive& ar) { task.getSubTasks().Serialize(ar); }
|| requires(T& task) { task.getSubTasks().copyFrom(ITaskConstArrayHandle()); };
template <class T>
concept CanIterateNotesWritably = requires(T& task) {
    task.getNotes().getIterator();
};
template <class T>
concept CanWriteThroughRoot = requires(T& root) {
    root.get().getWritableReference(0);
}
|| requires(T& root) { root.getArray().getWritableReference(0); };
template <class T>
concept CanWriteBaselineRecord = requires(T& baseline, const CTaskID& id) {
    baseline.findBaselinedTask(id)->setName(CString());
};

static_assert(CanRenameSubTask<CTask> && CanRenameSubTask<ITask>);
static_assert(!CanRenameSubTask<const CTask> && !CanRenameSubTask<const ITask>);
static_assert(CanChangeSubTasks<CTask> && !CanChangeSubTasks<const CTask>);
static_assert(CanIterateNotesWritably<CTask> && !CanIterateNotesWritably<const CTask>);
static_assert(CanWriteThroughRoot<CTaskRoot> && !CanWriteThroughRoot<const CTaskRoot>);
static_assert(!CanWriteThroughRoot<const ITaskRoot>);
static_assert(!CanWriteBaselineRecord<const CProjectBaseline>);

// A read-only view never turns back into a writable one, and its elements are const.
static_assert(!std::is_constructible_v<ITaskArrayHandle, ITaskConstArrayHandle>);
static_assert(!std::is_convertible_v<ITaskConstArrayHandle, ITaskArrayHandle>);
static_assert(std::is_convertible_v<ITaskArrayHandle, ITaskConstArrayHandle>);
template <class View>
concept WritesThroughView = requires(const View& view) {
    view[0]->setName(CString());
}
|| requires(const View& view) { view.getWritableReference(0); };
static_assert(WritesThroughView<ITaskArrayHandle> && !WritesThroughView<ITaskConstArrayHandle>);
// Nor does a basic handle take a const container for a writable view.
static_assert(!std::is_constructible_v<CTaskArrayHandle, const CTaskArray*>);
static_assert(
    std::is_constructible_v<CBasicConstArrayHandle<ITask, CTask, CTaskID, 0>, const CTaskArray*>);
// Sub-tasks of a sub-task reached through a read-only view are read-only too.
static_assert(std::is_same_v<decltype(std::declval<const ITask&>().getSubTasks()[0]->getSubTasks()),
                             ITaskConstArrayHandle>);
// The same holds for value sets and heap values of a const object.
template <class T>
concept HandsOutWritable = requires(T& value) {
    value.getWritable();
}
|| requires(T& array) { array.getWritableReference(0); };
static_assert(HandsOutWritable<CHeapValue<CUserFieldValueArray>> && HandsOutWritable<CTaskArray>);
static_assert(!HandsOutWritable<const CHeapValue<CUserFieldValueArray>>);
static_assert(!HandsOutWritable<const CTaskArray>);

CTask taskNamed(const wchar_t* name) {
    CTask task;
    task.generateIDs();
    task.setName(name);
    return task;
}

TEST(ConstAccess, ReadOnlyViewsFollowTheCollectionTheyView) {
    CTask parent = taskNamed(L"parent");
    const CTask& constParent = parent;
    const ITaskConstArrayHandle before = constParent.getSubTasks();
    EXPECT_TRUE(before.isNull());  // no sub-task collection yet

    const CTask child = taskNamed(L"child");
    ASSERT_GE(parent.addSubTask(child), 0);
    const ITaskConstArrayHandle view = constParent.getSubTasks();
    ASSERT_EQ(view.GetSize(), 1);
    EXPECT_EQ(view.find(child.getID())->getName(), CProjectString(L"child"));

    // A writable view converts to a read-only one over the same objects.
    const ITaskConstArrayHandle converted = parent.getSubTasks();
    EXPECT_TRUE(converted == view);
    EXPECT_EQ(converted[0].get(), view[0].get());

    parent.getSubTasks().getWritableReference(0)->setName(L"renamed");
    EXPECT_EQ(view[0]->getName(), CProjectString(L"renamed"));
}

TEST(ConstAccess, ConstIteratorsNeverRemove) {
    CTask task = taskNamed(L"task");
    CNote note;
    note.generateIDs();
    ASSERT_GE(task.addNote(note), 0);

    const CTask& constTask = task;
    auto readOnly = constTask.getNotes().getConstIterator();
    ASSERT_TRUE(readOnly.hasNext());
    EXPECT_FALSE(readOnly.next().isNull());
    EXPECT_FALSE(readOnly.remove());
    // A const iterator from a writable view refuses as well: it is read-only by type.
    auto fromWritable = task.getNotes().getConstIterator();
    EXPECT_FALSE(fromWritable.next().isNull());
    EXPECT_FALSE(fromWritable.remove());
    EXPECT_EQ(task.numberOfNotes(), 1);

    auto writable = task.getNotes().getIterator();
    EXPECT_FALSE(writable.next().isNull());
    EXPECT_TRUE(writable.remove());
    EXPECT_EQ(task.numberOfNotes(), 0);
}

TEST(ConstAccess, ConstRootComparesAndReadsWithoutChanging) {
    CTaskRoot root;
    ASSERT_GE(root.getArray().Add(taskNamed(L"one")), 0);
    const CTaskRoot& constRoot = root;
    const CTaskRoot copy = root;
    EXPECT_EQ(constRoot.get().GetSize(), 1);
    EXPECT_TRUE(constRoot == copy);
    EXPECT_EQ(constRoot.get()[0]->getName(), CProjectString(L"one"));
}

}  // namespace
