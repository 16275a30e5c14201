// The project diff: identical projects give nothing, and each edit of a copy of the sample
// project gives exactly the change it should (a field, an added, removed or moved object, a new
// order), matched by kind and ID wherever the object is nested. The JSON form parses and is
// stable.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "ProjectDiff.h"
#include "SampleProject.h"

namespace {

using zxtool::Change;

std::string idText(const CIDBase& id) { return id.toString().toUtf8(); }

std::string text(const std::vector<Change>& changes) {
    std::ostringstream out;
    zxtool::printChanges(out, changes, false);
    return out.str();
}

std::string json(const std::vector<Change>& changes) {
    std::ostringstream out;
    zxtool::printChanges(out, changes, true);
    return out.str();
}

const SampleProject& sample() {
    static const SampleProject project = SampleProject::build(80, 23);
    return project;
}

class ProjectDiffEdit : public ::testing::Test {
protected:
    ProjectDiffEdit() : edited(sample()) {}

    CTask& phase(int i) { return edited.get<CTaskRoot>().getArray().getWritableReference(i); }
    ITaskWritableHandle zone(int z) { return phase(0).getSubTasks().getWritableReference(z); }
    ITaskWritableHandle activity(int z, int a) {
        return zone(z)->getSubTasks().getWritableReference(a);
    }
    std::vector<Change> diff() const { return zxtool::diffProjects(sample(), edited); }

    // The only change, checked against its expected type, object, field and values.
    Change only() {
        const std::vector<Change> changes = diff();
        EXPECT_EQ(changes.size(), 1u) << text(changes);
        return changes.empty() ? Change{} : changes.front();
    }

    SampleProject edited;
};

void expectChange(const Change& c, Change::Type type, const std::string& kind,
                  const std::string& id, const std::string& field) {
    EXPECT_EQ(c.type, type);
    EXPECT_EQ(c.kind, kind);
    EXPECT_EQ(c.objectID, id);
    EXPECT_EQ(c.field, field);
}

TEST(ProjectDiff, IdenticalProjectsGiveNothing) {
    EXPECT_EQ(text(zxtool::diffProjects(sample(), sample())), "");
    const SampleProject copy = sample();
    EXPECT_EQ(text(zxtool::diffProjects(sample(), copy)), "");
    EXPECT_EQ(text(zxtool::diffProjects(CProjectRoots(), CProjectRoots())), "");
    EXPECT_EQ(json({}), "[]\n");
}

TEST_F(ProjectDiffEdit, OneChangedField) {
    const ITaskWritableHandle task = activity(1, 4);
    const std::string before = toDumpText(task->getName());
    task->setName(L"Pour \"slab\" \u00e9");
    const Change c = only();
    expectChange(c, Change::Type::changed, "Task", idText(task->getID()), "Name");
    EXPECT_EQ(c.oldValue, before);
    EXPECT_EQ(c.newValue, "\"Pour \\\"slab\\\" \u00e9\"");
}

TEST_F(ProjectDiffEdit, AddedNestedObject) {
    const ITaskWritableHandle task = activity(2, 6);
    CCost cost;
    cost.setID(CCostID(CIDBase::generate()));
    cost.setAmount(12.5);
    ASSERT_GE(task->addCost(cost), 0);
    const Change c = only();
    expectChange(c, Change::Type::added, "Cost", idText(cost.getID()),
                 "Task " + idText(task->getID()) + " Costs");
    EXPECT_EQ(c.oldValue, "");
    EXPECT_EQ(c.newValue, cost.dump());
}

// What a removed object holds goes with it: one change for the zone and its ten activities.
TEST_F(ProjectDiffEdit, RemovedObjectWithWhatItHolds) {
    const CTaskID gone = zone(2)->getID();
    const std::string dumped = zone(2)->dump();
    ASSERT_TRUE(phase(0).removeSubTask(gone));
    const Change c = only();
    expectChange(c, Change::Type::removed, "Task", idText(gone),
                 "Task " + idText(phase(0).getID()) + " SubTasks");
    EXPECT_EQ(c.oldValue, dumped);
    EXPECT_EQ(c.newValue, "");
}

TEST_F(ProjectDiffEdit, MovedObjectIsAChangeOfOwner) {
    const CTaskID moved = activity(0, 3)->getID();
    ITaskWritableHandle task = zone(0)->detachSubTask(moved);
    ASSERT_FALSE(task.isNull());
    const int end = zone(3)->getSubTasks().GetSize();
    ASSERT_TRUE(zone(3)->attachSubTask(std::move(task), end));
    const Change c = only();
    expectChange(c, Change::Type::changed, "Task", idText(moved), "Owner");
    EXPECT_EQ(c.oldValue, "\"Task " + idText(zone(0)->getID()) + " SubTasks\"");
    EXPECT_EQ(c.newValue, "\"Task " + idText(zone(3)->getID()) + " SubTasks\"");
}

// An object inserted before the others moves none of them.
TEST_F(ProjectDiffEdit, InsertedFirstIsOnlyAnAddition) {
    CTask task;
    task.setID(CTaskID(CIDBase::generate()));
    task.setName(L"Inserted first");
    ASSERT_TRUE(zone(2)->insertSubTask(task, 0));
    expectChange(only(), Change::Type::added, "Task", idText(task.getID()),
                 "Task " + idText(zone(2)->getID()) + " SubTasks");
}

// A moved object that also changed: its owner and its field, and what it holds stays matched.
TEST_F(ProjectDiffEdit, MovedAndChanged) {
    ITaskWritableHandle task = zone(1)->detachSubTask(activity(1, 6)->getID());
    ASSERT_FALSE(task.isNull());
    task->setTaskCode(L"A-moved");
    const CTaskID moved = task->getID();
    ASSERT_TRUE(phase(1).attachSubTask(std::move(task), 0));
    const std::vector<Change> changes = diff();
    ASSERT_EQ(changes.size(), 2u) << text(changes);
    expectChange(changes[0], Change::Type::changed, "Task", idText(moved), "Owner");
    expectChange(changes[1], Change::Type::changed, "Task", idText(moved), "TaskCode");
}

TEST_F(ProjectDiffEdit, NewOrderOfACollection) {
    const ITaskWritableHandle owner = zone(1);
    const auto ids = [&] {
        std::string list = "[";
        for (int i = 0; i < owner->getSubTasks().GetSize(); ++i)
            list += (i ? ",\"" : "\"") + idText(owner->getSubTasks()[i]->getID()) + '"';
        return list + ']';
    };
    const std::string before = ids();
    ASSERT_TRUE(owner->changeSubTaskPosition(0, 4));
    const Change c = only();
    expectChange(c, Change::Type::changed, "Task", idText(owner->getID()), "SubTasks order");
    EXPECT_EQ(c.oldValue, before);
    EXPECT_EQ(c.newValue, ids());
}

TEST_F(ProjectDiffEdit, EmbeddedPartIsItsOwnersField) {
    const ITaskWritableHandle task = activity(0, 5);
    CSupplyChain chain;
    chain.setID(task->getSupplyChain()->getID());
    const CCompanyID supplier(CIDBase::generate());
    chain.setSupplierID(supplier);
    task->setSupplyChain(chain);
    const Change c = only();
    expectChange(c, Change::Type::changed, "Task", idText(task->getID()), "SupplyChain.SupplierID");
    EXPECT_EQ(c.newValue, toDumpText(supplier));
}

// Every calendar holds the default day types under the same IDs: they are matched within their
// calendar, so an edit in one calendar is not mistaken for one in another.
TEST_F(ProjectDiffEdit, LocalIDsMatchWithinTheirHolder) {
    CCalendar& second = edited.get<CCalendarRoot>().getArray().getWritableReference(1);
    ICalendarDayTypeWritableHandle working = second.getCalendarDayTypes().getWritableReference(0);
    ASSERT_EQ(working->getID(), CCalendar().getCalendarDayTypes()[0]->getID());
    working->setDescription(L"Working day, long shift");
    const Change c = only();
    expectChange(c, Change::Type::changed, "CalendarDayType", idText(working->getID()),
                 "Description");
}

TEST_F(ProjectDiffEdit, JsonParsesAndIsStable) {
    activity(1, 2)->setName(L"Renamed");
    ASSERT_TRUE(phase(1).removeSubTask(phase(1).getSubTasks()[1]->getID()));
    CNote note;
    note.setID(CNoteID(CIDBase::generate()));
    note.setText(L"Line one\nline \"two\"\t\u00e9");
    ASSERT_GE(activity(0, 0)->addNote(note), 0);
    edited.get<CRiskRoot>().getArray().getWritableReference(0).setDescription(L"Changed");

    const std::vector<Change> changes = diff();
    ASSERT_EQ(changes.size(), 4u) << text(changes);
    const std::string printed = json(changes);
    EXPECT_EQ(printed, json(diff()));

    const nlohmann::json parsed = nlohmann::json::parse(printed);
    ASSERT_TRUE(parsed.is_array());
    ASSERT_EQ(parsed.size(), changes.size());
    for (std::size_t k = 0; k < changes.size(); ++k) {
        const nlohmann::json& item = parsed[k];
        EXPECT_EQ(item.at("kind"), changes[k].kind);
        EXPECT_EQ(item.at("objectID"), changes[k].objectID);
        EXPECT_EQ(item.at("field"), changes[k].field);
        const auto value = [](const std::string& text) {
            return text.empty() ? nlohmann::json() : nlohmann::json::parse(text);
        };
        EXPECT_EQ(item.at("oldValue"), value(changes[k].oldValue));
        EXPECT_EQ(item.at("newValue"), value(changes[k].newValue));
    }
    // Kinds in the order of the list of kinds: the risk's root comes before the tasks'.
    EXPECT_EQ(parsed[0].at("kind"), "Risk");
    EXPECT_EQ(parsed[0].at("type"), "changed");
    const std::string lines = text(changes);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 4);
}

}  // namespace
