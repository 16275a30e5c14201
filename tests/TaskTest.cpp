// Tasks: the conformance suite, the pointer-held collections' life cycle, the refusals, the
// sub-task ownership moves (by identity) and the user field and comment rules.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "basetypes/CUserFieldValue.h"
#include "records/CNote.h"
#include "schedule/CAssignedRisk.h"
#include "schedule/CCost.h"
#include "schedule/CLink.h"
#include "schedule/CSupplyChain.h"
#include "schedule/CTask.h"
#include "schedule/CTaskReport.h"
#include "schedule/CUserField.h"
#include "tests/RoundTrip.h"

namespace {

template <class ID>
ID fresh() {
    return ID(CIDBase::generate());
}

CTask namedTask(const wchar_t* name) {
    CTask task;
    task.setID(fresh<CTaskID>());
    task.setName(name);
    return task;
}

template <class T>
T withFreshID() {
    T object;
    object.generateIDs();
    return object;
}

// Owns a task that a detach handed out, as the caller of detachSubTask must.
std::unique_ptr<ITask> adopt(const ITaskWritableHandle& handle) {
    return std::unique_ptr<ITask>(handle.isNull() ? nullptr : &*handle);
}

TEST(Task, NewTaskHasNoPointerHeldCollections) {
    const CTask task;
    EXPECT_EQ(task.getUserFieldValues(), nullptr);
    EXPECT_TRUE(task.getSubTasks().isNull());
    EXPECT_TRUE(task.getCosts().isNull());
    EXPECT_TRUE(task.getAssignedRisks().isNull());
    EXPECT_TRUE(task.getTaskReports().isNull());
    EXPECT_TRUE(task.getNotes().isNull());
    EXPECT_FALSE(task.getUpstreamLinks().isNull());
    EXPECT_EQ(task.getManualPercentComplete().getValue(), 0.0);
    EXPECT_FALSE(task.isTemplate());
    EXPECT_TRUE(task.canBaseline());
}

TEST(Task, EmptiedAndRefusedCollectionsAreFreed) {
    struct Case {
        const char* name;
        std::function<bool(CTask&)> addAndRemove;
        // Tries to put an entry into the empty collection in a way the task refuses; true when
        // it was refused.
        std::function<bool(CTask&)> refusedAdd;
        std::function<bool(const CTask&)> isNull;
    };
    const std::vector<Case> cases = {
        {"notes",
         [](CTask& t) {
             const CNote note = withFreshID<CNote>();
             return t.addNote(note) == 0 && t.removeNote(note.getID());
         },
         [](CTask& t) { return !t.insertNote(withFreshID<CNote>(), 1); },
         [](const CTask& t) { return t.getNotes().isNull(); }},
        {"costs",
         [](CTask& t) {
             const CCost cost = withFreshID<CCost>();
             return t.addCost(cost) == 0 && t.removeCost(cost.getID());
         },
         [](CTask& t) {
             // A summary task takes no costs.
             return t.addSubTask(namedTask(L"child")) == 0 && t.addCost(withFreshID<CCost>()) == -1;
         },
         [](const CTask& t) { return t.getCosts().isNull(); }},
        {"assigned risks",
         [](CTask& t) {
             const CAssignedRisk risk = withFreshID<CAssignedRisk>();
             return t.addAssignedRisk(risk) == 0 && t.removeAssignedRisk(risk.getID());
         },
         [](CTask& t) { return !t.insertAssignedRisk(withFreshID<CAssignedRisk>(), 1); },
         [](const CTask& t) { return t.getAssignedRisks().isNull(); }},
        {"task reports",
         [](CTask& t) {
             const CTaskReport report = withFreshID<CTaskReport>();
             return t.addTaskReport(report) == 0 && t.removeTaskReport(report.getID());
         },
         [](CTask& t) { return !t.insertTaskReport(withFreshID<CTaskReport>(), -1); },
         [](const CTask& t) { return t.getTaskReports().isNull(); }},
        {"sub-tasks",
         [](CTask& t) {
             const CTask child = namedTask(L"child");
             return t.addSubTask(child) == 0 && t.removeSubTask(child.getID());
         },
         [](CTask& t) {
             // A milestone takes no sub-tasks.
             t.setTaskType(TaskType::FinishMilestone);
             return !t.insertSubTask(namedTask(L"child"), 0);
         },
         [](const CTask& t) { return t.getSubTasks().isNull(); }},
        {"user field values",
         [](CTask& t) {
             const CUserFieldValue value(fresh<CUserFieldID>(), CProjectVariant());
             return t.addUserFieldValue(value, -1) && t.removeUserFieldValue(value.getID());
         },
         [](CTask& t) {
             // Without values only the positions 0 and -1 are accepted.
             return !t.addUserFieldValue(CUserFieldValue(fresh<CUserFieldID>(), CProjectVariant()),
                                         1);
         },
         [](const CTask& t) { return t.getUserFieldValues() == nullptr; }},
    };
    for (const Case& c : cases) {
        CTask task;
        EXPECT_TRUE(c.addAndRemove(task)) << c.name;
        EXPECT_TRUE(c.isNull(task)) << c.name;
        CTask refusing;
        EXPECT_TRUE(c.refusedAdd(refusing)) << c.name;
        EXPECT_TRUE(c.isNull(refusing)) << c.name;
        // A refusal after the collection was emptied leaves nothing behind either.
        EXPECT_TRUE(c.refusedAdd(task)) << c.name;
        EXPECT_TRUE(c.isNull(task)) << c.name;
    }
}

TEST(Task, RefusedAddsAndInsertsLeaveNoEmptyCollection) {
    CTask task;
    const CTaskReport report = withFreshID<CTaskReport>();
    EXPECT_FALSE(task.insertTaskReport(report, 1));
    EXPECT_TRUE(task.getTaskReports().isNull());
    EXPECT_FALSE(task.insertSubTask(namedTask(L"a"), -1));
    EXPECT_TRUE(task.getSubTasks().isNull());
    EXPECT_EQ(task.addNote(withFreshID<CNote>()), 0);
    task.setNotes(INoteArrayHandle());
    EXPECT_TRUE(task.getNotes().isNull());
}

TEST(Task, ManualPercentCompleteIsClamped) {
    CTask task;
    task.setManualPercentComplete(-5);
    EXPECT_EQ(task.getManualPercentComplete().getValue(), 0.0);
    task.setManualPercentComplete(250);
    EXPECT_EQ(task.getManualPercentComplete().getValue(), 100.0);
    task.setManualPercentComplete(37.5);
    EXPECT_EQ(task.getManualPercentComplete().getValue(), 37.5);
}

TEST(Task, SummaryTasksTakeNoCosts) {
    CTask task;
    const CTask child = namedTask(L"child");
    ASSERT_EQ(task.addSubTask(child), 0);
    const CCost cost = withFreshID<CCost>();
    EXPECT_EQ(task.addCost(cost), -1);
    EXPECT_FALSE(task.insertCost(cost, 0));
    CCostArray costs;
    (void)costs.Add(cost);
    task.setCosts(ICostArrayHandle(new CCostArrayHandle(&costs)));
    EXPECT_TRUE(task.getCosts().isNull());
    ASSERT_TRUE(task.removeSubTask(child.getID()));
    EXPECT_EQ(task.addCost(cost), 0);
    // And a task that carries costs does not become a summary task by insertion.
    EXPECT_FALSE(task.insertSubTask(child, 0));
    EXPECT_EQ(task.addSubTask(child), 0) << "addSubTask does not ask";
}

TEST(Task, RiskTypeNeedsATaskThatCanTakeRisks) {
    CTask task;
    EXPECT_TRUE(task.setRiskType(RiskType::Threat));
    ASSERT_EQ(task.addSubTask(namedTask(L"child")), 0);
    EXPECT_FALSE(task.setRiskType(RiskType::Opportunity));
    EXPECT_EQ(task.getRiskType().getValue(), RiskType::Threat);
    CTask milestone;
    milestone.setTaskType(TaskType::FinishMilestone);
    EXPECT_FALSE(milestone.setRiskType(RiskType::Threat));
    EXPECT_FALSE(milestone.insertSubTask(namedTask(L"child"), 0));
}

TEST(Task, AttachAndDetachMoveTasksWithoutCopying) {
    CTask parent;
    CTask* loose = new CTask(namedTask(L"loose"));
    EXPECT_FALSE(parent.attachSubTask(loose->getWritableHandle(), 1));
    ASSERT_TRUE(parent.attachSubTask(loose->getWritableHandle(), 0));
    for (const wchar_t* name : {L"b", L"c"}) ASSERT_GE(parent.addSubTask(namedTask(name)), 0);
    ASSERT_EQ(parent.getSubTasks().GetSize(), 3);
    EXPECT_EQ(&*parent.getSubTasks().getConstReference(0), loose);

    std::unique_ptr<ITask> extra(new CTask(namedTask(L"d")));
    EXPECT_FALSE(parent.attachSubTask(extra->getWritableHandle(), 4));
    EXPECT_FALSE(parent.attachSubTask(extra->getWritableHandle(), -1));
    ASSERT_TRUE(parent.attachSubTask(extra->getWritableHandle(), 3));
    ITask* attached = extra.release();
    EXPECT_EQ(&*parent.getSubTasks().getConstReference(3), attached);
    // The same task cannot be attached twice.
    EXPECT_FALSE(parent.attachSubTask(attached->getWritableHandle(), 0));

    EXPECT_TRUE(parent.detachSubTask(fresh<CTaskID>()).isNull());
    EXPECT_EQ(parent.getSubTasks().GetSize(), 4);
    std::unique_ptr<ITask> detached = adopt(parent.detachSubTask(loose->getID()));
    EXPECT_EQ(detached.get(), loose);
    EXPECT_EQ(parent.getSubTasks().findByID(loose->getID()), -1);
    EXPECT_EQ(parent.getSubTasks().GetSize(), 3);

    CTask single;
    ASSERT_TRUE(single.attachSubTask(detached->getWritableHandle(), 0));
    detached.release();
    std::unique_ptr<ITask> back = adopt(single.detachSubTask(loose->getID()));
    EXPECT_TRUE(single.getSubTasks().isNull())
        << "detaching the only sub-task frees the collection";
}

TEST(Task, MovingASubTreeKeepsEveryTaskInPlace) {
    // A summary with a sub-tree of 10,000 tasks (100 children of 99 grandchildren each), moved to
    // another summary: every task must be the very same object afterwards.
    CTask from, to;
    CTask root = namedTask(L"root");
    for (int i = 0; i < 100; ++i) {
        CTask child = namedTask(L"child");
        for (int j = 0; j < 99; ++j) (void)child.addSubTask(namedTask(L"leaf"));
        (void)root.addSubTask(child);
    }
    ASSERT_EQ(from.addSubTask(root), 0);
    ASSERT_EQ(from.countSubTasks(true), 1 + 100 + 9900);

    std::vector<const ITask*> before;
    const std::function<void(const ITask&)> collect = [&](const ITask& task) {
        before.push_back(&task);
        const auto children = task.getSubTasks();
        for (int i = 0; i < children.GetSize(); ++i) collect(*children.getConstReference(i));
    };
    collect(*from.getSubTasks().getConstReference(0));

    ITaskWritableHandle moved = from.detachSubTask(root.getID());
    ASSERT_FALSE(moved.isNull());
    ASSERT_TRUE(to.attachSubTask(moved, 0));
    EXPECT_TRUE(from.getSubTasks().isNull());

    std::vector<const ITask*> after;
    const std::function<void(const ITask&)> collectAfter = [&](const ITask& task) {
        after.push_back(&task);
        const auto children = task.getSubTasks();
        for (int i = 0; i < children.GetSize(); ++i) collectAfter(*children.getConstReference(i));
    };
    collectAfter(*to.getSubTasks().getConstReference(0));
    EXPECT_EQ(before, after);
}

TEST(Task, SubTaskPositions) {
    CTask parent;
    EXPECT_FALSE(parent.changeSubTaskPosition(0, 0));
    std::vector<CTaskID> ids;
    for (int i = 0; i < 3; ++i) {
        const CTask child = namedTask(L"child");
        ids.push_back(child.getID());
        ASSERT_EQ(parent.addSubTask(child), i);
    }
    EXPECT_TRUE(parent.changeSubTaskPosition(1, 1));
    EXPECT_FALSE(parent.changeSubTaskPosition(0, 3));
    EXPECT_FALSE(parent.changeSubTaskPosition(-1, 0));
    EXPECT_TRUE(parent.changeSubTaskPosition(0, 2));
    const auto children = parent.getSubTasks();
    EXPECT_EQ(children[0]->getID(), ids[1]);
    EXPECT_EQ(children[1]->getID(), ids[2]);
    EXPECT_EQ(children[2]->getID(), ids[0]);
    // The ordered index follows the move.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(children.findByID(ids[static_cast<std::size_t>(i)]), (i + 2) % 3);
}

TEST(Task, SettingACollectionFromItselfKeepsItsContents) {
    CTask task;
    for (int i = 0; i < 3; ++i) (void)task.addSubTask(namedTask(L"child"));
    (void)task.addUpstreamLink(withFreshID<CLink>());
    task.setSubTasks(task.getSubTasks());
    task.setUpstreamLinks(task.getUpstreamLinks());
    EXPECT_EQ(task.getSubTasks().GetSize(), 3);
    EXPECT_EQ(task.getUpstreamLinks().GetSize(), 1);
}

TEST(Task, UserFieldValueIndexRules) {
    const CUserFieldValue a(fresh<CUserFieldID>(), CProjectVariant());
    const CUserFieldValue b(fresh<CUserFieldID>(), CProjectVariant());
    {
        CTask task;
        EXPECT_FALSE(task.addUserFieldValue(a, 1));
        EXPECT_EQ(task.getUserFieldValues(), nullptr);
        EXPECT_TRUE(task.addUserFieldValue(a, -1));
        EXPECT_FALSE(task.addUserFieldValue(a, -1)) << "one value per user field";
        EXPECT_FALSE(task.addUserFieldValue(b, 2));
        EXPECT_FALSE(task.addUserFieldValue(b, -2));
        EXPECT_TRUE(task.addUserFieldValue(b, 0));
        EXPECT_EQ(task.getUserFieldValues()->getConstReference(0).getID(), b.getID());
    }
    {
        CTask task;
        EXPECT_TRUE(task.addUserFieldValue(a, 0));
        CUserFieldValue changed = a;
        changed.setImported(true);
        EXPECT_TRUE(task.changeUserFieldValue(changed));
        EXPECT_TRUE(task.getUserFieldValues()->getConstReference(0).getImported().getValue());
        EXPECT_FALSE(task.changeUserFieldValue(b));
        task.setUserFieldValues(CUserFieldValueArray());
        EXPECT_EQ(task.getUserFieldValues(), nullptr);
        EXPECT_FALSE(task.changeUserFieldValue(a));
    }
}

TEST(Task, CommentsBecomeNotesOfTheCommentUser) {
    CTask task;
    task.setComments(L"");
    EXPECT_TRUE(task.getNotes().isNull());
    task.setComments(L"x");
    const auto notes = task.getNotes();
    ASSERT_EQ(notes.GetSize(), 1);
    const INoteHandle note = notes.getConstReference(0);
    EXPECT_EQ(note->getText().getString().str(), L"x");
    const CUserID author(CString(L"8232b9a0-19dc-9549-9ae8-58bff525a438"));
    EXPECT_EQ(note->getCreatedUserID(), author);
    EXPECT_EQ(note->getUpdatedUserID(), author);
    EXPECT_TRUE(note->getID().isValidNotNull());
    // A note by someone else is not a comment.
    CNote other = withFreshID<CNote>();
    other.setText(L"not a comment");
    (void)task.addNote(other);
    task.setComments(L"second");
    EXPECT_EQ(task.getComments().str(), L"x\nsecond");
}

TEST(Task, SupplyChainIsCopiedAndRenewed) {
    CTask task;
    CSupplyChain chain;
    chain.generateIDs();
    chain.setSupplierID(fresh<CCompanyID>());
    (void)chain.addCustomerID(fresh<CCompanyID>());
    task.setSupplyChain(chain);
    EXPECT_TRUE(*task.getSupplyChain() == chain);
    task.generateNewSupplyChainID();
    EXPECT_FALSE(task.getSupplyChain()->getID() == chain.getID());
    EXPECT_EQ(task.getSupplyChain()->getSupplierID(), chain.getSupplierID());
}

TEST(Task, DeepTreeRoundTripsByteForByte) {
    CTask top = namedTask(L"top");
    CTask* level = &top;
    // A chain of summaries well inside the archive's nesting limit.
    for (int depth = 0; depth < 40; ++depth) {
        (void)level->addSubTask(namedTask(L"level"));
        level = static_cast<CTask*>(&*level->getSubTasks().getWritableReference(0));
    }
    level->setComments(L"deepest");
    CZentrixArchive out;
    top.Serialize(out);
    const std::vector<std::byte> bytes = out.takeStoredBytes();
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    CTask loaded;
    loaded.Serialize(in);
    EXPECT_TRUE(loaded == top);
    EXPECT_EQ(loaded.countSubTasks(true), 40);
    CZentrixArchive again;
    loaded.Serialize(again);
    EXPECT_EQ(again.takeStoredBytes(), bytes);
}

}  // namespace
