// Clash and join tests: their defaults, the results they own (refused duplicates, positions of
// join results, changes and removals by ID) and the entity-state rule through copies and records.
// Records, copies, comparisons and ID renewal of every kind are the conformance suite's.
#include <gtest/gtest.h>

#include <memory>

#include "records/CClashTest.h"
#include "records/CClashTestResult.h"
#include "records/CJoinTest.h"
#include "records/CJoinTestResult.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::load;
using conformance::save;

template <class Result>
Result resultWith(const wchar_t* resolution) {
    Result result;
    result.generateIDs();
    result.setResolution(CProjectString(resolution));
    return result;
}

std::wstring resolutionAt(const IJoinTestResultConstArrayHandle& results, int i) {
    return results.getConstReference(i)->getResolution().getString().c_str();
}

TEST(ClashTest, ANewTestLooksForHardClashesInEveryEntityAndHasNoResults) {
    const CClashTest test;
    EXPECT_FALSE(test.getID().isValid());
    EXPECT_EQ(test.getMode(), ClashTestMode::Static);
    EXPECT_EQ(test.getType(), ClashTestType::Hard);
    EXPECT_TRUE(test.getTestAllEntities().getValue());
    EXPECT_FALSE(test.getIsTempoSpatial().getValue());
    EXPECT_EQ(test.getResults().GetSize(), 0);
    CDataDefiningEntityState ddes;
    ddes.setExcludeHidden(false);
    test.getDDES(ddes);
    EXPECT_TRUE(ddes.getExcludeHidden());
}

TEST(ClashTest, ResultsAreRefusedTwiceChangedAndRemovedByID) {
    CClashTest test;
    const auto first = resultWith<CClashTestResult>(L"move the duct");
    EXPECT_EQ(test.addResult(first), 0);
    EXPECT_EQ(test.addResult(first), -1);
    EXPECT_FALSE(test.insertResult(resultWith<CClashTestResult>(L"late"), 2));
    EXPECT_EQ(test.getResults().GetSize(), 1);

    auto changed = first;
    changed.setStatus(ClashStatus::Resolved);
    EXPECT_TRUE(test.changeResult(changed));
    EXPECT_EQ(test.getResults().getConstReference(0)->getStatus(), ClashStatus::Resolved);
    const auto stranger = resultWith<CClashTestResult>(L"nobody's");
    EXPECT_FALSE(test.changeResult(stranger));

    EXPECT_FALSE(test.removeResult(stranger.getID()));
    EXPECT_TRUE(test.removeResult(first.getID()));
    EXPECT_EQ(test.getResults().GetSize(), 0);
}

TEST(ClashTest, CopiesOwnTheirResultsAndKeepTheEntityStateRule) {
    CClashTest test;
    test.generateIDs();
    CDataDefiningEntityState ddes;
    ddes.setExcludeHidden(false);
    CTaskStateIDArray states;
    CTaskStateID state;
    state.generateInPlace();
    (void)states.Add(state);
    ddes.setPresentStates(states);
    test.setDDES(ddes);
    (void)test.addResult(resultWith<CClashTestResult>(L"lower the beam"));

    CClashTest copy(test);
    test.removeAllResults();
    EXPECT_EQ(copy.getResults().GetSize(), 1);
    const CClashTest loaded = load<CClashTest>(save(copy));
    CDataDefiningEntityState read;
    loaded.getDDES(read);
    EXPECT_FALSE(read.getExcludeHidden());
    EXPECT_EQ(read.getPresentStates().GetSize(), 1);
    EXPECT_TRUE(loaded == copy);
}

TEST(ClashTestResult, ACloneIsAnIndependentCopy) {
    auto result = resultWith<CClashTestResult>(L"raise the pipe");
    const std::unique_ptr<IClashTestResult> clone = result.clone();
    EXPECT_TRUE(*clone == result);
    result.setResponsible(CProjectString(L"site engineer"));
    EXPECT_FALSE(*clone == result);
}

TEST(JoinTest, AddResultInsertsAtAnIndexInsideAndAppendsOutside) {
    CJoinTest test;
    (void)test.addResult(resultWith<CJoinTestResult>(L"a"), -1);
    (void)test.addResult(resultWith<CJoinTestResult>(L"b"), -1);
    const auto first = resultWith<CJoinTestResult>(L"first");
    EXPECT_EQ(test.addResult(first, 0), 0);
    EXPECT_EQ(test.addResult(resultWith<CJoinTestResult>(L"last"), 5), 3);
    EXPECT_EQ(test.addResult(first, 0), -1);
    EXPECT_EQ(test.addResult(first, 7), -1);

    const auto results = static_cast<const CJoinTest&>(test).getResults();
    ASSERT_EQ(results.GetSize(), 4);
    EXPECT_EQ(resolutionAt(results, 0), L"first");
    EXPECT_EQ(resolutionAt(results, 3), L"last");
}

TEST(JoinTest, ChangeAndRemoveFindResultsByID) {
    CJoinTest test;
    auto result = resultWith<CJoinTestResult>(L"gap at the joint");
    (void)test.addResult(result, -1);
    result.setStatus(ClashStatus::Approved);
    EXPECT_TRUE(test.changeResult(result));
    EXPECT_FALSE(test.changeResult(resultWith<CJoinTestResult>(L"unknown")));
    EXPECT_EQ(test.getResults().getConstReference(0)->getStatus(), ClashStatus::Approved);
    EXPECT_TRUE(test.removeResult(result.getID()));
    EXPECT_FALSE(test.removeResult(result.getID()));
}

}  // namespace
