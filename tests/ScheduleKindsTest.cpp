// The rules of the first schedule kinds beyond what the conformance suite covers: code value
// trees and their ownership moves, task report costs, construction forms, and roots.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "zentrix.h"

namespace {

CCodeValue valueNamed(const wchar_t* name) {
    CCodeValue value;
    value.generateIDs();
    value.setName(name);
    return value;
}

TEST(Code, AttachAcceptsTheEndAndRefusesBeyondIt) {
    CCode code;
    (void)code.addCodeValue(valueNamed(L"A"));
    CCode other;
    for (const wchar_t* name : {L"B", L"C", L"D"}) (void)other.addCodeValue(valueNamed(name));

    const auto ids = [&other](int i) { return other.getCodeValues()[i]->getID(); };
    const CCodeValueID first = ids(0), second = ids(1), third = ids(2);
    const ICodeValue* address = other.getCodeValues()[0].get();
    EXPECT_TRUE(code.attachCodeValue(other.detachCodeValue(first), -1));
    EXPECT_EQ(code.getCodeValues()[1].get(), address);  // moved, not copied
    EXPECT_TRUE(
        code.attachCodeValue(other.detachCodeValue(second), code.getCodeValues().GetSize()));
    EXPECT_EQ(code.getCodeValues().GetSize(), 3);

    ICodeValueWritableHandle outside = other.detachCodeValue(third);
    std::unique_ptr<ICodeValue> owner(outside.get());  // a refused attach leaves it with us
    EXPECT_FALSE(code.attachCodeValue(outside, 4));
    EXPECT_TRUE(other.detachCodeValue(third).isNull());
    EXPECT_EQ(other.getCodeValues().GetSize(), 0);
}

TEST(CodeValue, SubValueCollectionLivesAsLongAsTheValue) {
    CCodeValue parent = valueNamed(L"Level 1");
    EXPECT_EQ(parent.getBarColor(), CProjectColorRGB::white());
    ASSERT_FALSE(parent.getSubCodeValues().isNull());
    const CCodeValue child = valueNamed(L"Room 101");
    EXPECT_EQ(parent.addSubCodeValue(child), 0);
    EXPECT_FALSE(parent.insertSubCodeValue(child, 0));
    EXPECT_FALSE(parent.removeSubCodeValue(1));
    EXPECT_TRUE(parent.removeSubCodeValue(child.getID()));
    EXPECT_FALSE(parent.removeSubCodeValue(child.getID()));
    EXPECT_FALSE(parent.getSubCodeValues().isNull());
    EXPECT_EQ(parent.getSubCodeValues().GetSize(), 0);

    // A sub-tree moves between parents with its own children.
    CCodeValue grandchild = valueNamed(L"Desk");
    CCodeValue middle = valueNamed(L"Room 102");
    (void)middle.addSubCodeValue(grandchild);
    (void)parent.addSubCodeValue(middle);
    CCodeValue otherParent = valueNamed(L"Level 2");
    EXPECT_TRUE(otherParent.attachSubCodeValue(parent.detachSubCodeValue(middle.getID()), -1));
    EXPECT_EQ(parent.getSubCodeValues().GetSize(), 0);
    EXPECT_EQ(otherParent.getSubCodeValues()[0]->getSubCodeValues()[0]->getID(),
              grandchild.getID());
}

TEST(ScheduleKinds, ConstructionForms) {
    GUID guid{};
    guid[3] = 7;
    const CLink link(CTaskID(guid), LinkType::StartToFinish);
    EXPECT_EQ(link.getUpstreamTaskID(), CTaskID(guid));
    EXPECT_EQ(link.getType(), LinkType::StartToFinish);
    EXPECT_FALSE(link.getID().isValid());

    const CTaskCategory category(CProjectString(L"Concrete works"));
    EXPECT_EQ(category.getName(), CProjectString(L"Concrete works"));
    EXPECT_FALSE(category.getID().isValid());

    EXPECT_EQ(CCode().getMaxValueLength(), CProjectInt(40));
    CTaskState state;
    state.setIsDefault(true);
    EXPECT_TRUE(state.getIsDefault().isValid() && state.getIsDefault().getValue());
}

TEST(TaskReport, CostsAreKeyedByID) {
    CTaskReport report;
    CCost cost;
    cost.generateIDs();
    cost.setAmount(1250.0);
    EXPECT_EQ(report.getCosts().GetSize(), 0);
    EXPECT_FALSE(report.changeCost(cost));
    report.addCost(cost);
    report.addCost(cost);
    EXPECT_EQ(report.getCosts().GetSize(), 1);
    cost.setAmount(900.0);
    EXPECT_TRUE(report.changeCost(cost));
    EXPECT_EQ(report.getCosts()[0]->getAmount(), CProjectDouble(900.0));
    CCost absent;
    absent.generateIDs();
    report.removeCost(absent.getID());
    EXPECT_EQ(report.getCosts().GetSize(), 1);
    report.removeCost(cost.getID());
    EXPECT_EQ(report.getCosts().GetSize(), 0);
}

TEST(Root, NewRootsAreEmptyAndDistinct) {
    const CCodeRoot a, b;
    EXPECT_TRUE(a.getID().isValidNotNull());
    EXPECT_FALSE(a.getID() == b.getID());
    EXPECT_EQ(a.get().GetSize(), 0);
    EXPECT_TRUE(a.getArray().isSorted());
}

TEST(Root, SetCopiesAndSkipsRepeatedIDs) {
    CTaskStateArray states;
    CTaskState state;
    state.generateIDs();
    states.AddNoSort(state);
    states.AddNoSort(state);
    CTaskStateRoot root;
    root.set(ITaskStateArrayHandle(new CTaskStateArrayHandle(&states)));
    EXPECT_EQ(root.get().GetSize(), 1);
    EXPECT_NE(&root.getArray().getConstReference(0), &states.getConstReference(0));
}

TEST(Root, SettingFromItsOwnObjectsKeepsThem) {
    CCodeRoot codes;
    for (const wchar_t* name : {L"Zone", L"Level", L"Trade"}) {
        CCode code;
        code.generateIDs();
        code.setName(name);
        ASSERT_GE(codes.getArray().Add(code), 0);
    }
    const std::string before = codes.getArray().getConstReference(1).dump();
    const ICode* second = &codes.getArray().getConstReference(1);
    codes.set(codes.get());
    ASSERT_EQ(codes.get().GetSize(), 3);
    // Nothing was copied: the objects (and every handle on them) are the same ones.
    EXPECT_EQ(&codes.getArray().getConstReference(1), second);
    EXPECT_EQ(codes.getArray().getConstReference(1).dump(), before);
    EXPECT_EQ(codes.get().findByID(second->getID()), 1);

    // A handle on a collection owned by one of the root's own objects stays readable while the
    // root replaces its contents with copies of that collection.
    CTaskRoot tasks;
    CTask summary;
    summary.generateIDs();
    for (const wchar_t* name : {L"Formwork", L"Rebar"}) {
        CTask child;
        child.generateIDs();
        child.setName(name);
        ASSERT_GE(summary.addSubTask(child), 0);
    }
    ASSERT_EQ(tasks.getArray().Add(summary), 0);
    tasks.set(tasks.getArray().getConstReference(0).getSubTasks());
    ASSERT_EQ(tasks.get().GetSize(), 2);
    EXPECT_EQ(tasks.get()[0]->getName(), CProjectString(L"Formwork"));
    EXPECT_EQ(tasks.get()[1]->getName(), CProjectString(L"Rebar"));
}

TEST(Root, SavesAndLoadsWithItsID) {
    CUserFieldRoot root;
    CUserField field;
    field.generateIDs();
    field.setName(L"Crew size");
    (void)root.getArray().Add(field);
    CZentrixArchive out;
    root.Serialize(out);
    const auto bytes = out.takeStoredBytes();
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    CUserFieldRoot loaded;
    loaded.Serialize(in);
    EXPECT_TRUE(loaded == root);
    EXPECT_EQ(loaded.getID(), root.getID());

    // Another kind's root record is refused at its marker.
    CZentrixArchive wrong{std::span<const std::byte>(bytes)};
    CCodeRoot codes;
    EXPECT_THROW(codes.Serialize(wrong), CArchiveException);
}

}  // namespace
