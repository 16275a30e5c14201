// The integrity check: the sample project checks clean at every scale, and each kind of damage
// done to a copy of it gives exactly the finding it should, at the right object and field.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <type_traits>
#include <vector>

#include "ProjectCheck.h"
#include "SampleProject.h"

namespace {

using zxtool::Finding;

std::string text(const std::vector<Finding>& findings) {
    std::string out;
    for (const Finding& f : findings) out += zxtool::toText(f) + '\n';
    return out;
}

std::string idText(const CIDBase& id) { return id.toString().toUtf8(); }

template <class ID>
ID freshID() {
    return ID(CIDBase::generate());
}

// Sets the value of the named entry of an object, whatever kind it is, bypassing its setters.
template <class T>
struct ValueSetter {
    static constexpr bool s_valuesOnly = true;

    const char* name;
    T newValue;
    bool done = false;

    template <class U>
    void value(const char* entry, U& value) {
        if constexpr (std::is_assignable_v<U&, const T&>) {
            if (std::string(entry) == name) {
                value = newValue;
                done = true;
            }
        }
    }
};

template <class T, class Object>
void setValue(Object& object, const char* name, const T& value) {
    ValueSetter<T> setter{name, value};
    object.visitValues(setter);
    ASSERT_TRUE(setter.done) << name;
}

// The sample project, built once: two phases of activities, two calendars with sub-calendars,
// resources with histories, two baselines.
const SampleProject& sample() {
    static const SampleProject project = SampleProject::build(80, 11);
    return project;
}

class ProjectCheckBreakage : public ::testing::Test {
protected:
    ProjectCheckBreakage() : project(sample()) {}

    CTask& phase(int i) { return project.get<CTaskRoot>().getArray().getWritableReference(i); }
    // Activity `a` of zone `z` of the first phase; every activity but the very first has links.
    ITaskWritableHandle activity(int z, int a) {
        return phase(0).getSubTasks().getWritableReference(z)->getSubTasks().getWritableReference(
            a);
    }
    CResource& resource(int i) {
        return project.get<CResourceRoot>().getArray().getWritableReference(i);
    }
    CCalendar& calendar(int i) {
        return project.get<CCalendarRoot>().getArray().getWritableReference(i);
    }
    std::vector<Finding> check() const { return zxtool::checkProject(project); }

    void expectOnly(const Finding& expected) {
        const std::vector<Finding> findings = check();
        ASSERT_EQ(findings.size(), 1u) << text(findings);
        EXPECT_EQ(zxtool::toText(findings[0]), zxtool::toText(expected));
    }

    SampleProject project;
};

TEST(ProjectCheck, SampleProjectIsCleanAtEveryScale) {
    for (const int scale : {0, 1, 2, 3, 9, 41, 101}) {
        const SampleProject project = SampleProject::build(scale, 5 + scale);
        EXPECT_EQ(text(zxtool::checkProject(project)), "") << "scale " << scale;
    }
    EXPECT_EQ(text(zxtool::checkProject(sample())), "");
}

TEST(ProjectCheck, UnsetAndNullIDsAreNoReferences) {
    CProjectRoots project;
    CTask task;
    task.setID(freshID<CTaskID>());
    CLink unset;
    unset.setID(freshID<CLinkID>());
    CLink null(CTaskID(CIDBase::getNullGUID()), LinkType::FinishToStart);
    null.setID(freshID<CLinkID>());
    ASSERT_GE(task.addUpstreamLink(unset), 0);
    ASSERT_GE(task.addUpstreamLink(null), 0);
    ASSERT_GE(project.get<CTaskRoot>().getArray().Add(task), 0);
    EXPECT_EQ(text(zxtool::checkProject(project)), "");
    EXPECT_EQ(text(zxtool::checkProject(CProjectRoots())), "");
}

TEST_F(ProjectCheckBreakage, DanglingLinkPredecessor) {
    const ITaskWritableHandle task = activity(0, 1);
    ILinkWritableHandle link = task->getUpstreamLinks().getWritableReference(0);
    link->setUpstreamTaskID(freshID<CTaskID>());
    expectOnly({"Link", idText(link->getID()), "UpstreamTaskID", "names no Task"});
}

TEST_F(ProjectCheckBreakage, DanglingAssignedResource) {
    const ITaskWritableHandle task = activity(1, 3);
    IAssignedResourceWritableHandle crew = task->getAssignedResources().getWritableReference(0);
    CAssignedResourceParameters parameters = crew->getParameters();
    parameters.setResourceID(freshID<CResourceID>());
    crew->setParameters(parameters);
    expectOnly(
        {"AssignedResource", idText(crew->getID()), "Parameters.ResourceID", "names no Resource"});
}

TEST_F(ProjectCheckBreakage, DanglingIDInAnIDSet) {
    CIssue& issue = project.get<CIssueRoot>().getArray().getWritableReference(2);
    const CTaskID gone = freshID<CTaskID>();
    ASSERT_GE(issue.addTask(gone), 0);
    expectOnly({"Issue", idText(issue.getID()), "Tasks", idText(gone) + " names no Task"});
}

// Every resource that used the removed calendar names nothing now, and nothing else does.
TEST_F(ProjectCheckBreakage, MissingCalendar) {
    auto& calendars = project.get<CCalendarRoot>().getArray();
    ASSERT_EQ(calendars.GetSize(), 2);
    const CCalendarID gone(calendars.getID(1));
    ASSERT_TRUE(calendars.RemoveAt(1));

    std::vector<std::string> expected;
    const auto& resources = project.get<CResourceRoot>().getArray();
    for (int i = 0; i < resources.GetSize(); ++i)
        if (resources.getConstReference(i).getCalendarID() == gone)
            expected.push_back("Resource " + idText(resources.getID(i)) +
                               " CalendarID: names no Calendar");
    ASSERT_FALSE(expected.empty());
    // The synchronizers' settings hold lists of calendar IDs, which may name it or a calendar it
    // owned.
    std::vector<std::string> found;
    for (const Finding& f : check()) {
        const std::string text = zxtool::toText(f);
        if (text.starts_with("Resource "))
            found.push_back(text);
        else
            EXPECT_TRUE(text.starts_with("Synchronizer ") && text.ends_with(" names no Calendar"))
                << text;
    }
    EXPECT_EQ(found, expected);
}

// The week names day types of its own calendar: a day type of another calendar does not do.
TEST_F(ProjectCheckBreakage, WeekDayTypeOutsideItsCalendar) {
    CCalendar& site = calendar(0);
    CCalendarWeek week = site.getCalendarWeek();
    week.setDayTypeID(3, freshID<CCalendarDayTypeID>());
    site.setCalendarWeek(week);
    expectOnly({"Calendar", idText(site.getID()), "CalendarWeek.Tuesday",
                "names no CalendarDayType of this Calendar"});

    const ICalendarHandle night = site.getSubCalendars().getConstReference(0);
    week.setDayTypeID(3, night->getCalendarWeek().getDayTypeID(3));
    ASSERT_LT(site.getCalendarDayTypes().findByID(week.getDayTypeID(3)), 0);
    site.setCalendarWeek(week);
    EXPECT_EQ(check().size(), 1u);
}

TEST_F(ProjectCheckBreakage, ExceptionDayTypeNamesNothing) {
    CCalendar& site = calendar(1);
    CCalendarExceptionArray exceptions = site.getCalendarDayExceptions();
    CCalendarException changed = exceptions.getConstReference(1);
    changed.setCalendarDayTypeID(freshID<CCalendarDayTypeID>());
    exceptions.getWritableReference(1) = changed;
    site.setCalendarDayExceptions(exceptions);
    expectOnly({"Calendar", idText(site.getID()), "CalendarDayExceptions[1].CalendarDayTypeID",
                "names no CalendarDayType of this Calendar"});
}

TEST_F(ProjectCheckBreakage, RepeatedIDInTwoPlaces) {
    const ITaskWritableHandle first = activity(0, 2), second = activity(2, 5);
    const ICostHandle cost = first->getCosts().getConstReference(0);
    ASSERT_GE(second->addCost(*cost), 0);
    expectOnly({"Cost", idText(cost->getID()), "ID", "repeats the ID of another Cost"});
}

// A task that holds, deep down, a task with its own ID: the sub-tree would be a cycle.
TEST_F(ProjectCheckBreakage, ObjectHoldingItsOwnID) {
    CTask& top = phase(1);
    ITaskWritableHandle zone = top.getSubTasks().getWritableReference(0);
    CTask copy;
    copy.setID(top.getID());
    copy.setName(L"Loop");
    ASSERT_GE(zone->addSubTask(copy), 0);
    expectOnly({"Task", idText(top.getID()), "ID", "repeats the ID of the Task that holds it"});
}

TEST_F(ProjectCheckBreakage, HistoryOutOfTimeOrder) {
    IRSHistoryWritableHandle history = resource(3).getHistories().getWritableReference(0);
    const IRSHistoryItemArrayHandle items = history->getItems();
    ASSERT_EQ(items.GetSize(), 5);
    IRSHistoryItemWritableHandle item = items.getWritableReference(3);
    const CProjectTime earlier = items.getConstReference(1)->getTime();
    const CProjectTime before = items.getConstReference(2)->getTime();
    item->setTime(earlier);
    expectOnly({"ResourceStateHistoryItem", idText(item->getID()), "Time",
                toDumpText(earlier) + " comes before the previous ResourceStateHistoryItem's " +
                    toDumpText(before)});
}

TEST_F(ProjectCheckBreakage, ValuesOutOfRange) {
    const ITaskWritableHandle task = activity(1, 1);
    setValue(*task, "ManualPercentComplete", CProjectDouble(150.0));
    expectOnly({"Task", idText(task->getID()), "ManualPercentComplete", "150 is outside 0 to 100"});

    setValue(*task, "ManualPercentComplete", CProjectDouble(std::nan("")));
    ASSERT_EQ(check().size(), 1u);

    setValue(*task, "ManualPercentComplete", CProjectDouble(100.0));
    ILinkWritableHandle link = task->getUpstreamLinks().getWritableReference(0);
    link->setType(static_cast<LinkType>(9));
    expectOnly({"Link", idText(link->getID()), "Type", "9 is not a CLinkType (0 to 3)"});
}

// The assignments and resource groups that used a removed use profile name nothing now; a
// sub-profile is a use profile like any other and may be named instead.
TEST_F(ProjectCheckBreakage, RemovedUseProfileLeavesItsUsersDangling) {
    auto& profiles = project.get<CUseProfileRoot>().getArray();
    ASSERT_EQ(profiles.GetSize(), 3);
    const CUseProfileID gone = profiles.getConstReference(1).getID();
    ASSERT_TRUE(profiles.Remove(gone));
    const std::vector<Finding> findings = check();
    ASSERT_FALSE(findings.empty());
    bool groups = false, assignments = false;
    for (const Finding& f : findings) {
        // ID lists (a synchronizer's settings) put the missing ID before the problem.
        EXPECT_TRUE(f.problem == "names no UseProfile" ||
                    f.problem == idText(gone) + " names no UseProfile")
            << text(findings);
        groups = groups || (f.kind == "ResourceGroup" && f.field == "ActivityTypeID");
        assignments = assignments || (f.kind == "AssignedResource" && f.field == "UseProfileID");
    }
    EXPECT_TRUE(groups && assignments) << text(findings);

    const CUseProfileID variant = profiles.getConstReference(0).getSubUseProfiles()[0]->getID();
    const auto& packages = project.get<CResourceGroupRoot>().getArray();
    for (int i = 0; i < packages.GetSize(); ++i)
        if (packages.getConstReference(i).getActivityTypeID() == gone)
            project.get<CResourceGroupRoot>().getArray().getWritableReference(i).setActivityTypeID(
                variant);
    for (const Finding& f : check()) EXPECT_NE(f.kind, "ResourceGroup");
}

TEST_F(ProjectCheckBreakage, AppearanceOpaquenessOutOfRange) {
    CUseProfile& install = project.get<CUseProfileRoot>().getArray().getWritableReference(0);
    IUseProfileWritableHandle variant = install.getSubUseProfiles().getWritableReference(1);
    CEntityAppearance fading = variant->getEndAppearance();
    fading.setFinishOpaqueness(120);
    variant->setEndAppearance(fading);
    expectOnly({"UseProfile", idText(variant->getID()), "EndAppearance.FinishOpaqueness",
                "120 is outside 0 to 100"});
}

TEST_F(ProjectCheckBreakage, BaselineParentsLoop) {
    CProjectBaseline& baseline =
        project.get<CProjectBaselineRoot>().getArray().getWritableReference(1);
    const ITaskBaselineDataArrayHandle records = baseline.getBaselinedTasks();
    ITaskBaselineDataWritableHandle a = records.getWritableReference(0);
    ITaskBaselineDataWritableHandle b = records.getWritableReference(1);
    a->setParentID(b->getID());
    b->setParentID(a->getID());
    expectOnly({"TaskBaselineData", idText(a->getID()), "ParentID",
                "parents loop back to this TaskBaselineData (2 in the loop)"});
}

// A history's ID is the resource state it records.
TEST_F(ProjectCheckBreakage, KeyNamingNothing) {
    const IRSHistoryArrayHandle histories = resource(1).getHistories();
    IRSHistoryWritableHandle history = histories.getWritableReference(0);
    history->setID(freshID<CResourceStateID>());
    histories.resort();
    expectOnly({"ResourceStateHistory", idText(history->getID()), "ID", "names no ResourceState"});
}

}  // namespace
