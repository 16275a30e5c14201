// Resource states and their histories: the conformance suite, the sub-state collection that
// exists only while it has entries, the time order of history items and the searches over it,
// and the history's own archive record (old layout, refused counts, truncation, damaged order).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "schedule/CRSHistory.h"
#include "schedule/CRSHistoryItem.h"
#include "schedule/CResourceState.h"
#include "tests/RoundTrip.h"

namespace {

CResourceState stateNamed(const wchar_t* name) {
    CResourceState state;
    state.generateIDs();
    state.setName(name);
    return state;
}

CResourceStateID freshStateID() { return CResourceStateID(CIDBase::generate()); }

CRSHistoryItem itemAt(std::int64_t time, const CResourceStateID& status = {}) {
    CRSHistoryItem item;
    item.setTime(CProjectTime(time));
    item.setStatusID(status);
    return item;
}

std::vector<std::int64_t> timesOf(const CRSHistory& history) {
    std::vector<std::int64_t> times;
    for (auto it = history.begin(); it.hasNext();)
        times.push_back(it.next()->getTime().getMilliseconds());
    return times;
}

// A history with items at 5, 7 and 10, added out of order.
CRSHistory historyAt5And7And10() {
    CRSHistory history;
    for (const std::int64_t time : {10, 5, 7}) (void)history.Add(itemAt(time));
    return history;
}

std::vector<std::byte> save(IRSHistory& history,
                            int version = CZentrixArchive::s_currentFileVersion) {
    CZentrixArchive out(version);
    history.Serialize(out);
    return out.takeStoredBytes();
}

CRSHistory load(const std::vector<std::byte>& bytes) {
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    CRSHistory history;
    history.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    return history;
}

TEST(ResourceState, NewStateIsVisibleOpaqueByItsOwnTransparencyAndAState) {
    const CResourceState state;
    EXPECT_EQ(state.getVisible(), CProjectBool(true));
    EXPECT_EQ(state.getUseOriginalTransparency(), CProjectBool(true));
    EXPECT_EQ(state.getTransparency(), CProjectInt(0));
    EXPECT_EQ(state.getType().toInt(), 1);
    EXPECT_TRUE(state.getSubStates().isNull());
}

TEST(ResourceState, SubStateCollectionExistsOnlyWhileItHasEntries) {
    CResourceState parent = stateNamed(L"Delivery");
    const CResourceState ordered = stateNamed(L"Ordered"), shipped = stateNamed(L"Shipped");

    // Refusals create nothing.
    EXPECT_FALSE(parent.insertSubState(ordered, -1));
    EXPECT_FALSE(parent.insertSubState(ordered, 1));
    EXPECT_TRUE(parent.getSubStates().isNull());
    EXPECT_FALSE(parent.changeSubStatePosition(0, 0));

    ASSERT_TRUE(parent.insertSubState(ordered, 0));
    EXPECT_FALSE(parent.insertSubState(ordered, 1));  // its ID is present
    ASSERT_TRUE(parent.insertSubState(shipped, 0));
    ASSERT_EQ(parent.getSubStates().GetSize(), 2);
    EXPECT_EQ(parent.getSubStates()[0]->getName(), CProjectString(L"Shipped"));

    EXPECT_TRUE(parent.changeSubStatePosition(1, 1));
    EXPECT_FALSE(parent.changeSubStatePosition(0, 2));
    EXPECT_FALSE(parent.changeSubStatePosition(-1, 0));
    EXPECT_TRUE(parent.changeSubStatePosition(0, 1));
    EXPECT_EQ(parent.getSubStates()[0]->getName(), CProjectString(L"Ordered"));
    EXPECT_EQ(parent.getSubStates().findByID(shipped.getID()), 1);  // the index followed

    EXPECT_FALSE(parent.removeSubState(parent.getID()));
    EXPECT_TRUE(parent.removeSubState(ordered.getID()));
    EXPECT_FALSE(parent.getSubStates().isNull());
    EXPECT_TRUE(parent.removeSubState(shipped.getID()));
    EXPECT_TRUE(parent.getSubStates().isNull());
    EXPECT_FALSE(parent.removeSubState(shipped.getID()));

    // An emptied collection is absent, so the state equals one that never had sub-states and
    // writes the same record.
    CResourceState fresh = stateNamed(L"Delivery");
    fresh.setID(parent.getID());
    EXPECT_TRUE(parent == fresh);
    EXPECT_EQ(conformance::save(parent), conformance::save(fresh));
}

TEST(ResourceState, SubStatesMoveBetweenParentsWithoutCopies) {
    CResourceState from = stateNamed(L"Equipment"), to = stateNamed(L"Crane");
    CResourceState idle = stateNamed(L"Idle");
    ASSERT_TRUE(idle.insertSubState(stateNamed(L"Idle overnight"), 0));
    ASSERT_TRUE(from.insertSubState(idle, 0));
    const IResourceState* address = from.getSubStates()[0].get();

    // Without a collection only position 0 exists.
    EXPECT_FALSE(to.attachSubState(from.getSubStates().getWritableReference(0), 1));
    EXPECT_TRUE(to.getSubStates().isNull());

    IResourceStateWritableHandle moved = from.detachSubState(idle.getID());
    ASSERT_FALSE(moved.isNull());
    EXPECT_TRUE(from.getSubStates().isNull());  // its last sub-state left
    EXPECT_TRUE(from.detachSubState(idle.getID()).isNull());
    ASSERT_TRUE(to.attachSubState(moved, 0));
    EXPECT_EQ(to.getSubStates()[0].get(), address);
    EXPECT_EQ(to.getSubStates()[0]->getSubStates().GetSize(), 1);

    // A refused attach (the ID is present) leaves the object with the caller.
    auto twin = std::make_unique<CResourceState>(idle);
    EXPECT_FALSE(to.attachSubState(twin->getWritableHandle(), 0));
    EXPECT_FALSE(to.attachSubState(twin->getWritableHandle(), -1));
    EXPECT_EQ(to.getSubStates().GetSize(), 1);
}

TEST(RSHistoryItem, NewItemIsRecordedNowUnderAFreshIdentityByNobody) {
    const CProjectTime before = CProjectTime::GetTickCount();
    const CRSHistoryItem item;
    const CProjectTime after = CProjectTime::GetTickCount();
    EXPECT_TRUE(item.getID().isValidNotNull());
    EXPECT_LE(before, item.getRecordTime());
    EXPECT_LE(item.getRecordTime(), after);
    EXPECT_TRUE(item.getUserID().isNULL());
    EXPECT_FALSE(item.getTime().isValid());
    EXPECT_EQ(item.getCritical(), CProjectBool(false));

    CRSHistoryItem original = itemAt(42, freshStateID());
    original.setNote(L"Crane arrived on site");
    const std::unique_ptr<IRSHistoryItem> copy = original.clone();
    EXPECT_TRUE(*copy == original);
    copy->setNote(L"changed");
    EXPECT_EQ(original.getNote(), CProjectString(L"Crane arrived on site"));
}

TEST(RSHistory, AddKeepsTimeOrderAndRefusesARepeatedItem) {
    CRSHistory history;
    const CRSHistoryItem ten = itemAt(10);
    EXPECT_EQ(history.Add(ten), 0);
    EXPECT_EQ(history.Add(itemAt(5)), 0);
    EXPECT_EQ(history.Add(itemAt(7)), 1);
    EXPECT_EQ(timesOf(history), (std::vector<std::int64_t>{5, 7, 10}));

    CRSHistoryItem moved = ten;
    moved.setTime(CProjectTime(1));
    EXPECT_EQ(history.Add(moved), -1);
    EXPECT_EQ(timesOf(history), (std::vector<std::int64_t>{5, 7, 10}));

    // An item at a time already present goes after the items at that time when it is the last.
    const CRSHistoryItem secondTen = itemAt(10);
    EXPECT_EQ(history.Add(secondTen), 3);
    EXPECT_EQ(history.getLastState().current()->getID(), secondTen.getID());

    // Replacing the items wholesale through the array handle adds them by time as well.
    CRSHistoryItemArray unordered;
    for (const std::int64_t time : {30, 20, 25}) (void)unordered.Add(itemAt(time));
    history.getItems().copyFrom(
        IRSHistoryItemArrayHandle(new CRSHistoryItemArrayHandle(&unordered)));
    EXPECT_EQ(timesOf(history), (std::vector<std::int64_t>{20, 25, 30}));
}

TEST(RSHistory, ManyItemsStaySortedAndEverySearchFindsTheStateInForce) {
    std::mt19937 random(3);
    CRSHistory history;
    for (int i = 0; i < 300; ++i) (void)history.Add(itemAt(random() % 100));
    const std::vector<std::int64_t> times = timesOf(history);
    ASSERT_EQ(times.size(), 300u);
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));

    for (std::int64_t t = -1; t <= 101; ++t) {
        const auto inForce = history.getActiveState(CProjectTime(t));
        const auto later = std::upper_bound(times.begin(), times.end(), t);
        if (later == times.begin()) {
            EXPECT_FALSE(inForce.valid()) << t;
            continue;
        }
        ASSERT_TRUE(inForce.valid()) << t;
        EXPECT_EQ(inForce.current()->getTime().getMilliseconds(), *(later - 1)) << t;
    }
}

TEST(RSHistory, SearchesByTimeFindTheStateInForceOrTheExactItem) {
    CRSHistory history = historyAt5And7And10();
    const auto timeOf = [](const IRSHistory::CRSHistoryConstIterator& it) {
        return it.current()->getTime().getMilliseconds();
    };
    const CRSHistory& view = history;
    EXPECT_EQ(timeOf(view.getActiveState(CProjectTime(6))), 5);
    EXPECT_EQ(timeOf(view.getActiveState(CProjectTime(7))), 7);
    EXPECT_EQ(timeOf(view.getActiveState(CProjectTime(12))), 10);
    EXPECT_TRUE(view.getActiveState(CProjectTime(4)).isNull());
    EXPECT_FALSE(view.getActiveState(CProjectTime(4)).valid());

    EXPECT_EQ(timeOf(view.get(CProjectTime(7))), 7);
    EXPECT_TRUE(view.get(CProjectTime(8)).isNull());
    EXPECT_TRUE(history.get(CProjectTime(4)).current().isNull());

    const CResourceStateHistoryItemID idAt10 = history.getLastState().current()->getID();
    EXPECT_EQ(view.get(idAt10).current()->getTime(), CProjectTime(10));
    EXPECT_TRUE(view.get(CResourceStateHistoryItemID(CIDBase::generate())).isNull());

    EXPECT_FALSE(history.Remove(CProjectTime(8)));
    EXPECT_FALSE(history.Remove(CProjectTime(4)));
    EXPECT_TRUE(history.Remove(CProjectTime(7)));
    EXPECT_EQ(timesOf(history), (std::vector<std::int64_t>{5, 10}));
    EXPECT_TRUE(history.Remove(idAt10));
    EXPECT_FALSE(history.Remove(idAt10));
    EXPECT_EQ(timesOf(history), (std::vector<std::int64_t>{5}));
    // Removals keep the ID index in step with the list.
    const CResourceStateHistoryItemID idAt5 = history.getLastState().current()->getID();
    EXPECT_EQ(history.get(idAt5).current()->getTime(), CProjectTime(5));

    history.RemoveAll();
    EXPECT_EQ(history.GetSize(), 0);
    EXPECT_TRUE(view.getLastState().isNull());
    EXPECT_TRUE(view.getActiveState(CProjectTime(5)).isNull());
    EXPECT_FALSE(history.begin().hasNext());
}

TEST(RSHistory, FirstStatusIsTheEarliestItemOfThatState) {
    const CResourceStateID onSite = freshStateID(), away = freshStateID();
    CRSHistory history;
    (void)history.Add(itemAt(10, onSite));
    (void)history.Add(itemAt(7, away));
    (void)history.Add(itemAt(5, onSite));
    const CRSHistory& view = history;
    EXPECT_EQ(view.getFirstStatus(onSite).current()->getTime(), CProjectTime(5));
    EXPECT_EQ(history.getFirstStatus(away).current()->getTime(), CProjectTime(7));
    EXPECT_TRUE(view.getFirstStatus(freshStateID()).isNull());
}

TEST(RSHistory, IteratorsWalkBothWaysAndRemoveWhereTheyStand) {
    CRSHistory history = historyAt5And7And10();
    IRSHistory::CRSHistoryIterator it = history.begin();
    EXPECT_TRUE(it.valid());
    EXPECT_FALSE(it.hasPrevious());
    EXPECT_EQ(it.next()->getTime(), CProjectTime(5));
    IRSHistory::CRSHistoryIterator copy = it;  // an independent position
    EXPECT_EQ(it.next()->getTime(), CProjectTime(7));
    EXPECT_EQ(copy.current()->getTime(), CProjectTime(7));
    EXPECT_EQ(it.previous()->getTime(), CProjectTime(10));
    EXPECT_EQ(it.current()->getTime(), CProjectTime(7));

    // Writable handles reach the items themselves.
    it.current()->setNote(L"checked on site");
    EXPECT_EQ(history.get(CProjectTime(7)).current()->getNote(),
              CProjectString(L"checked on site"));

    EXPECT_TRUE(it.remove());
    EXPECT_EQ(it.current()->getTime(), CProjectTime(10));
    EXPECT_EQ(it.next()->getTime(), CProjectTime(10));
    EXPECT_FALSE(it.valid());
    EXPECT_FALSE(it.hasNext());
    EXPECT_TRUE(it.next().isNull());
    EXPECT_FALSE(it.remove());
    EXPECT_EQ(timesOf(history), (std::vector<std::int64_t>{5, 10}));
    EXPECT_EQ(history.get(CProjectTime(10)).current()->getTime(), CProjectTime(10));

    IRSHistory::CRSHistoryIterator none;
    EXPECT_FALSE(none.valid());
    EXPECT_FALSE(none.remove());
    EXPECT_TRUE(none.next().isNull());
}

// The layout of files before histories had IDs: marker, count, item records, marker.
std::vector<std::byte> oldFormat(const std::vector<CRSHistoryItem>& items, std::int32_t count) {
    CZentrixArchive out(CRSHistory::s_firstKeyedVersion - 1);
    out.checkMarkerStart("ResourceStateHistory");
    out << count;
    for (CRSHistoryItem item : items) item.Serialize(out);
    out.checkMarkerEnd("ResourceStateHistory");
    return out.takeStoredBytes();
}

TEST(RSHistory, OldFormatLoadsWithNullIDsSortedAndWithoutRepeats) {
    const CRSHistoryItem ten = itemAt(10), five = itemAt(5);
    const CRSHistory loaded = load(oldFormat({ten, five, ten, itemAt(7)}, 4));
    EXPECT_TRUE(loaded.getID().isNULL());
    EXPECT_TRUE(loaded.getGroupID().isNULL());
    EXPECT_EQ(timesOf(loaded), (std::vector<std::int64_t>{5, 7, 10}));
    EXPECT_EQ(loaded.get(five.getID()).current()->getTime(), CProjectTime(5));

    // Storing for an old file writes that layout: the items survive, the IDs do not.
    CRSHistory current = historyAt5And7And10();
    current.generateIDs();
    current.setGroupID(freshStateID());
    const CRSHistory reloaded = load(save(current, CRSHistory::s_firstKeyedVersion - 1));
    EXPECT_TRUE(reloaded.getID().isNULL());
    EXPECT_TRUE(reloaded.getGroupID().isNULL());
    EXPECT_TRUE(reloaded.getItems() == current.getItems());
}

TEST(RSHistory, CurrentFormatKeepsIDsItemsAndTheirOrder) {
    CRSHistory history;
    history.generateIDs();
    history.setGroupID(freshStateID());
    const CRSHistoryItem first = itemAt(7), second = itemAt(7);
    (void)history.Add(itemAt(9));
    (void)history.Add(first);
    (void)history.Add(second);
    const CRSHistory loaded = load(save(history));
    EXPECT_EQ(loaded.getID(), history.getID());
    EXPECT_EQ(loaded.getGroupID(), history.getGroupID());
    ASSERT_EQ(loaded.GetSize(), 3);
    EXPECT_EQ(loaded.getItems()[0]->getID(), first.getID());
    EXPECT_EQ(loaded.getItems()[1]->getID(), second.getID());
    EXPECT_TRUE(loaded == history);
}

// A current-layout history record around the given item list record.
std::vector<std::byte> currentFormat(CRSHistoryItemArray& items) {
    CZentrixArchive out;
    out.checkMarkerStart("ResourceStateHistory");
    CResourceStateID id = freshStateID(), group = freshStateID();
    id.Serialize(out);
    group.Serialize(out);
    items.Serialize(out);
    out.checkMarkerEnd("ResourceStateHistory");
    return out.takeStoredBytes();
}

TEST(RSHistory, AStoredListOutOfTimeOrderIsPutBackInOrder) {
    CRSHistoryItemArray unordered;
    for (const std::int64_t time : {10, 5, 7}) (void)unordered.Add(itemAt(time));
    const CRSHistory loaded = load(currentFormat(unordered));
    EXPECT_EQ(timesOf(loaded), (std::vector<std::int64_t>{5, 7, 10}));
    EXPECT_EQ(loaded.get(unordered.getConstReference(0).getID()).current()->getTime(),
              CProjectTime(10));
}

TEST(RSHistory, NegativeItemCountsAreRefusedWithTheHistoryMessage) {
    const std::string message =
        "Error on serializing CUniquePointerArray (archive returned 0 items)";
    CRSHistory empty;
    std::vector<std::byte> keyed = save(empty);
    // The count follows the header (8 bytes), the marker, both IDs and the list's marker.
    const std::size_t countOffset = 8 + 4 + 16 + 16 + 4;
    ASSERT_GT(keyed.size(), countOffset + 4);
    const std::int32_t negative = -1;
    std::memcpy(keyed.data() + countOffset, &negative, sizeof negative);
    // The old layout's count follows the header and the history's marker.
    const std::pair<std::vector<std::byte>, std::size_t> records[] = {{keyed, countOffset},
                                                                      {oldFormat({}, -3), 8 + 4}};
    for (const auto& [bytes, offset] : records) {
        try {
            load(bytes);
            ADD_FAILURE() << "a negative count was accepted";
        } catch (const CArchiveRuntimeError& e) {
            // Exactly the message; where it happened is beside it.
            const std::runtime_error& standard = e;
            EXPECT_STREQ(standard.what(), message.c_str());
            EXPECT_EQ(e.offset(), offset);
            EXPECT_EQ(e.recordPath(), "ResourceStateHistory.Items");
        }
    }
}

TEST(RSHistory, HostileOldCountIsRefusedBeforeReadingItems) {
    const auto bytes = oldFormat({itemAt(1)}, 0x7FFFFFFF);
    EXPECT_THROW(load(bytes), CArchiveException);
}

TEST(RSHistory, EveryTruncationOfARecordEndsInAnArchiveError) {
    CRSHistory history = historyAt5And7And10();
    history.generateIDs();
    history.getLastState().current()->setNote(L"last delivery");
    for (const int version :
         {CZentrixArchive::s_currentFileVersion, CRSHistory::s_firstKeyedVersion - 1}) {
        const std::vector<std::byte> bytes = save(history, version);
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            const std::vector<std::byte> cut(bytes.begin(),
                                             bytes.begin() + static_cast<std::ptrdiff_t>(size));
            CRSHistory target = historyAt5And7And10();
            EXPECT_THROW(
                {
                    CZentrixArchive in{std::span<const std::byte>(cut)};
                    target.Serialize(in);
                },
                CArchiveException)
                << "version " << version << ", " << size << " of " << bytes.size() << " bytes";
        }
    }
}

}  // namespace
