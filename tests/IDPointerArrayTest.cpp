// ID sets: sorted adds, the ordered walk over two segments, sharing between copies, removals,
// the archive record and its refusals of bad input, the dump, and the IDRange view.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <span>
#include <type_traits>
#include <unordered_set>
#include <variant>
#include <vector>

#include "basetypes/CZentrixArchive.h"
#include "store/CIDPointerArray.h"
#include "store/IDArrays.h"
#include "store/IDBucketIndex.h"

static_assert(std::forward_iterator<IDPointerArrayIterator<CIDBase>>);
static_assert(std::forward_iterator<CIDBaseArray::OrderedIterator>);
static_assert(std::forward_iterator<IDRangeIterator<CIDBase>>);

namespace {

// IDs that order as n does.
CIDBase idOf(int n) {
    GUID guid{};
    guid[0] = 0x10;
    guid[14] = static_cast<std::uint8_t>(n >> 8);
    guid[15] = static_cast<std::uint8_t>(n);
    return CIDBase(guid);
}

// An ID whose bits spread as a drawn GUID's do.
CIDBase randomIDFrom(std::mt19937_64& random) {
    GUID guid;
    const std::uint64_t a = random(), b = random();
    std::memcpy(guid.data(), &a, 8);
    std::memcpy(guid.data() + 8, &b, 8);
    return CIDBase(guid);
}

std::vector<CIDBase> idsOf(std::initializer_list<int> ns) {
    std::vector<CIDBase> ids;
    for (const int n : ns) ids.push_back(idOf(n));
    return ids;
}

CIDBaseArray setOf(std::initializer_list<int> ns) {
    CIDBaseArray set;
    for (const int n : ns) (void)set.Add(idOf(n));  // a repeated number is simply present
    return set;
}

// A set whose IDs all sit in the shared segment: a copy of a set that held them itself.
CIDBaseArray sharedOnly(std::initializer_list<int> ns) {
    const CIDBaseArray source = setOf(ns);
    return CIDBaseArray(source);
}

std::vector<CIDBase> positional(const CIDBaseArray& set) { return {set.begin(), set.end()}; }

std::vector<CIDBase> inOrder(const CIDBaseArray& set) {
    const auto walk = set.ordered();
    return {walk.begin(), walk.end()};
}

// Shared segment {2, 4, 6} (from a copy), owned segment {1, 5, 7}.
CIDBaseArray twoSegments() {
    CIDBaseArray set = sharedOnly({2, 4, 6});
    for (const int n : {5, 1, 7}) EXPECT_GE(set.Add(idOf(n)), 0);
    return set;
}

std::vector<std::byte> save(CIDBaseArray& set) {
    CZentrixArchive out;
    set.Serialize(out);
    return out.takeStoredBytes();
}

CIDBaseArray load(std::vector<std::byte> bytes) {
    CZentrixArchive in(std::move(bytes));
    CIDBaseArray set;
    set.Serialize(in);
    return set;
}

TEST(IDPointerArray, EmptySet) {
    const CIDBaseArray set;
    EXPECT_EQ(set.GetSize(), 0);
    EXPECT_EQ(set.GetUpperBound(), -1);
    EXPECT_TRUE(set.isSorted());
    EXPECT_EQ(set.begin(), set.end());
    EXPECT_EQ(set.orderedBegin(), set.orderedEnd());
    EXPECT_EQ(set.findByID(idOf(1)), -1);
    EXPECT_FALSE(set.getConstReference(0).isValid());
    EXPECT_EQ(set, CIDBaseArray(std::unordered_set<CIDBase>{}));
}

TEST(IDPointerArray, AddKeepsTheSetSortedAndUnique) {
    CIDBaseArray set;
    EXPECT_EQ(set.Add(idOf(5)), 0);
    EXPECT_EQ(set.Add(idOf(1)), 0);
    EXPECT_EQ(set.Add(idOf(3)), 1);
    EXPECT_EQ(set.Add(idOf(3)), -1);
    EXPECT_EQ(positional(set), idsOf({1, 3, 5}));
    EXPECT_EQ(set.findByID(idOf(5)), 2);
    EXPECT_EQ(set.findByID(idOf(4)), -1);
}

TEST(IDPointerArray, BuiltFromAnUnorderedSetIsSortedAndOwnedOnly) {
    std::unordered_set<CIDBase> source;
    for (int i = 0; i < 500; ++i) source.insert(CIDBase::generate());
    const CIDBaseArray set(source);
    EXPECT_TRUE(set.isSorted());
    EXPECT_FALSE(set.hasShared());
    ASSERT_EQ(set.GetSize(), 500);
    EXPECT_TRUE(std::is_sorted(set.begin(), set.end()));
    for (const CIDBase& id : source) EXPECT_GE(set.findByID(id), 0);
}

TEST(IDPointerArray, CopiesShareOneSegmentAndStayIndependent) {
    CIDBaseArray source = setOf({1, 2, 3});
    const CIDBase* first = &source.getConstReference(0);
    const CIDBaseArray a(source);
    CIDBaseArray b;
    b = a;
    const CIDBaseArray third(b);
    // The first copy keeps its copy of the source's IDs as its shared segment; the copies taken
    // from it share that.
    EXPECT_TRUE(a.haveTheSameSharedPartAs(b));
    EXPECT_TRUE(third.haveTheSameSharedPartAs(a));
    EXPECT_EQ(a.getSharedDetails(), b.getSharedDetails());
    EXPECT_EQ(a.getSharedSize(), 3);
    EXPECT_EQ(a.getOwnedSize(), 0);
    // Copying changed nothing in the source: its IDs are where they were, all in its own segment.
    EXPECT_EQ(&source.getConstReference(0), first);
    EXPECT_EQ(source.getOwnedSize(), 3);
    EXPECT_FALSE(source.hasShared());
    EXPECT_EQ(positional(source), idsOf({1, 2, 3}));

    EXPECT_GE(b.Add(idOf(0)), 0);
    EXPECT_TRUE(b.RemoveAt(2));  // ID 2, in the shared segment
    EXPECT_TRUE(source.removeByID(idOf(3)));
    EXPECT_EQ(positional(a), idsOf({1, 2, 3}));
    EXPECT_EQ(positional(b), idsOf({0, 1, 3}));
    EXPECT_EQ(positional(source), idsOf({1, 2}));

    // An unsorted set is copied whole; the copies still agree on (having no) shared segment.
    CIDBaseArray unsorted;
    unsorted.addNoSort(idOf(2));
    unsorted.addNoSort(idOf(1));
    const CIDBaseArray c(unsorted), d(unsorted);
    EXPECT_TRUE(c.haveTheSameSharedPartAs(d));
    EXPECT_FALSE(c.isSorted());
    EXPECT_EQ(positional(c), idsOf({2, 1}));
}

TEST(IDPointerArray, OrderedWalkMergesBothSegments) {
    const CIDBaseArray set = twoSegments();
    EXPECT_EQ(set.getOwnedSize(), 3);
    EXPECT_EQ(set.getSharedSize(), 3);
    EXPECT_EQ(positional(set), idsOf({1, 5, 7, 2, 4, 6}));
    EXPECT_EQ(inOrder(set), idsOf({1, 2, 4, 5, 6, 7}));
    EXPECT_EQ(set.findByID(idOf(4)), 4);
    CIDBaseArray copy(set);
    EXPECT_EQ(copy.Add(idOf(4)), -1);  // held by the shared segment
    EXPECT_EQ(copy.Add(idOf(3)), 1);

    // Only the shared segment, then only the owned one.
    const CIDBaseArray shared = sharedOnly({3, 1});
    ASSERT_FALSE(shared.hasOwned());
    EXPECT_EQ(inOrder(shared), idsOf({1, 3}));
    EXPECT_EQ(inOrder(setOf({9})), idsOf({9}));
}

// Public operations never put one ID in both segments; the walk must still give the owned entry
// first and then the shared one.
class SplitSet : public CIDBaseArray {
public:
    SplitSet(std::vector<CIDBase> owned, std::vector<CIDBase> shared) {
        m_owned = std::make_shared<Details>(Details{std::move(owned), false});
        m_shared = std::make_shared<const Details>(Details{std::move(shared), false});
    }
};

// Sees the owned segment's capacity.
class CapacitySet : public CIDBaseArray {
public:
    std::size_t ownedCapacity() const { return m_owned->ids.capacity(); }
};

TEST(IDPointerArray, RemovalsGiveBackTheStorageOfALargeSet) {
    CapacitySet set;
    set.Reserve(20000);
    for (int n = 0; n < 20000; ++n) set.addNoSort(idOf(n));
    set.sort();
    while (set.GetSize() > 6000) ASSERT_TRUE(set.RemoveAt(set.GetUpperBound()));
    EXPECT_GE(set.ownedCapacity(), 20000u);  // still more than a quarter used
    while (set.GetSize() > 4000)
        ASSERT_TRUE(set.removeByID(set.getConstReference(set.GetUpperBound())));
    EXPECT_LT(set.ownedCapacity(), 20000u);
    EXPECT_GE(set.ownedCapacity(), 4000u);
}

TEST(IDPointerArray, OrderedWalkGivesTheOwnedEntryOfAnEqualPairFirst) {
    const SplitSet set(idsOf({2, 3}), idsOf({1, 2, 4}));
    std::vector<bool> fromOwned;
    std::vector<CIDBase> ids;
    for (TwoSegmentIndex at = set.orderedBegin(); at != set.orderedEnd();
         at = set.orderedNext(at)) {
        fromOwned.push_back(at.atOwned);
        ids.push_back(set.getConstReference(at));
    }
    EXPECT_EQ(ids, idsOf({1, 2, 2, 3, 4}));
    EXPECT_EQ(fromOwned, (std::vector<bool>{false, true, false, true, false}));
}

// Sorting after addNoSort sorts the appended tail and merges it into the sorted run before it:
// repeats within the tail, of the run and of the shared segment all go, whatever the tail's order.
TEST(IDPointerArray, SortingAnAppendedTailMergesItIntoTheSortedRun) {
    std::mt19937 random(5);
    for (int round = 0; round < 50; ++round) {
        CIDBaseArray set = sharedOnly({10, 20, 30});
        std::set<int> expected{10, 20, 30};
        for (int i = 0; i < 12; ++i) {
            const int n = static_cast<int>(random() % 40);
            (void)set.Add(idOf(n));
            expected.insert(n);
        }
        // A tail that starts with the run's last ID does not extend the run.
        set.addNoSort(set.getConstReference(set.GetSize() - 1));
        for (int i = 0; i < 15; ++i) {
            const int n = static_cast<int>(random() % 40);
            set.addNoSort(idOf(n));
            expected.insert(n);
        }
        set.sort();
        std::vector<CIDBase> want;
        for (const int n : expected) want.push_back(idOf(n));
        ASSERT_EQ(inOrder(set), want) << "round " << round;
        EXPECT_EQ(set.GetSize(), static_cast<int>(want.size()));
    }
}

TEST(IDPointerArray, UnsortedSetYieldsNothingInOrderUntilSorted) {
    CIDBaseArray set = sharedOnly({4});
    for (const int n : {3, 1, 3, 4}) set.addNoSort(idOf(n));
    EXPECT_FALSE(set.isSorted());
    EXPECT_EQ(set.orderedBegin(), set.orderedEnd());
    EXPECT_TRUE(inOrder(set).empty());
    EXPECT_EQ(set.findByID(idOf(3)), 0);
    EXPECT_EQ(set.Add(idOf(1)), -1);
    EXPECT_EQ(set.Add(idOf(2)), 4);  // appended: the set is unsorted
    set.sort();
    EXPECT_TRUE(set.isSorted());
    EXPECT_EQ(positional(set), idsOf({1, 2, 3, 4}));
    EXPECT_EQ(inOrder(set), idsOf({1, 2, 3, 4}));
}

TEST(IDPointerArray, RemovalsAndInsertionsKeepTheOtherPositions) {
    CIDBaseArray set = twoSegments();  // 1 5 7 | 2 4 6
    EXPECT_FALSE(set.RemoveAt(6));
    EXPECT_FALSE(set.RemoveAt(-1));
    // Removing from the back while walking down must leave lower positions alone.
    for (int i = set.GetUpperBound(); i >= 0; --i) {
        if (set.getConstReference(i).getGUID()[15] % 2 == 0) {
            EXPECT_TRUE(set.RemoveAt(i));
        }
    }
    EXPECT_EQ(positional(set), idsOf({1, 5, 7}));
    EXPECT_TRUE(set.removeByID(idOf(5)));
    EXPECT_FALSE(set.removeByID(idOf(5)));

    CIDBaseArray shared = sharedOnly({10, 20, 30});
    ASSERT_TRUE(shared.hasShared());
    EXPECT_TRUE(shared.RemoveAt(0));  // no owned IDs: the rest becomes the owned segment
    EXPECT_FALSE(shared.hasShared());
    EXPECT_EQ(positional(shared), idsOf({20, 30}));

    CIDBaseArray ordered = setOf({1, 5});
    EXPECT_TRUE(ordered.InsertAt(1, idOf(3)));
    EXPECT_TRUE(ordered.isSorted());
    EXPECT_FALSE(ordered.InsertAt(0, idOf(3)));
    EXPECT_FALSE(ordered.InsertAt(4, idOf(9)));
    EXPECT_TRUE(ordered.InsertAt(0, idOf(9)));
    EXPECT_FALSE(ordered.isSorted());
    EXPECT_EQ(positional(ordered), idsOf({9, 1, 3, 5}));

    CIDBaseArray split = twoSegments();
    EXPECT_TRUE(split.InsertAt(4, idOf(3)));  // inside the shared segment
    EXPECT_EQ(positional(split), idsOf({1, 5, 7, 2, 3, 4, 6}));
    EXPECT_FALSE(split.isSorted());

    split.RemoveAll();
    EXPECT_EQ(split.GetSize(), 0);
    EXPECT_FALSE(split.hasOwned() || split.hasShared());
}

TEST(IDPointerArray, EqualityComparesTheIDsNotTheLayout) {
    const CIDBaseArray split = twoSegments();
    const CIDBaseArray flat = setOf({7, 6, 5, 4, 2, 1});
    EXPECT_EQ(split, flat);
    CIDBaseArray unsorted;
    for (const int n : {6, 1, 2, 7, 5, 4, 1}) unsorted.addNoSort(idOf(n));
    EXPECT_EQ(unsorted, split);
    CIDBaseArray other(split);
    EXPECT_TRUE(other.removeByID(idOf(7)));
    EXPECT_NE(other, split);
    EXPECT_GE(other.Add(idOf(8)), 0);
    EXPECT_NE(other, split);
    EXPECT_NE(setOf({1}), unsorted);
}

TEST(IDPointerArray, MoveLeavesTheSourceEmptyAndTheResultSorted) {
    CIDBaseArray source;
    source.addNoSort(idOf(2));
    source.addNoSort(idOf(1));
    CIDBaseArray moved(std::move(source));
    EXPECT_EQ(source.GetSize(), 0);
    EXPECT_EQ(positional(moved), idsOf({1, 2}));
    CIDBaseArray assigned = twoSegments();
    assigned = std::move(moved);
    EXPECT_EQ(positional(assigned), idsOf({1, 2}));
}

TEST(IDPointerArray, ArchiveRoundTrip) {
    CIDBaseArray split = twoSegments();
    const std::vector<std::byte> bytes = save(split);
    ASSERT_EQ(bytes.size(), 8 + 4 + 6 * 16 + 1u);  // header, count, IDs, sorted flag
    CIDBaseArray loaded = load(bytes);
    EXPECT_EQ(positional(loaded), idsOf({1, 2, 4, 5, 6, 7}));
    EXPECT_TRUE(loaded.isSorted());
    EXPECT_FALSE(loaded.hasShared());
    EXPECT_EQ(save(loaded), bytes);

    CIDBaseArray unsorted;
    for (const int n : {3, 1, 3}) unsorted.addNoSort(idOf(n));
    const CIDBaseArray back = load(save(unsorted));
    EXPECT_FALSE(back.isSorted());
    EXPECT_EQ(positional(back), idsOf({3, 1, 3}));

    CIDBaseArray empty;
    EXPECT_EQ(load(save(empty)).GetSize(), 0);
}

TEST(IDPointerArray, ArchiveSortsARecordThatClaimsOrderFalsely) {
    CZentrixArchive out;
    out << std::int32_t{4};
    for (const int n : {3, 1, 3, 2}) {
        CIDBase id = idOf(n);
        id.Serialize(out);
    }
    out << true;
    const CIDBaseArray set = load(out.takeStoredBytes());
    EXPECT_TRUE(set.isSorted());
    EXPECT_EQ(positional(set), idsOf({1, 2, 3}));
}

TEST(IDPointerArray, ArchiveRefusesBadInputAndLeavesTheSetEmpty) {
    CIDBaseArray split = twoSegments();
    const std::vector<std::byte> bytes = save(split);
    for (std::size_t size = 8; size < bytes.size(); ++size) {
        CZentrixArchive in(std::vector<std::byte>(bytes.begin(), bytes.begin() + size));
        CIDBaseArray set = setOf({1});
        EXPECT_THROW(set.Serialize(in), CArchiveException) << size << " bytes";
        EXPECT_EQ(set.GetSize(), 0);
    }

    const auto record = [](std::int32_t count, std::uint8_t flag) {
        CZentrixArchive out;
        out << count;
        CIDBase id = idOf(1);
        id.Serialize(out);
        out.Write(&flag, 1);
        return out.takeStoredBytes();
    };
    EXPECT_THROW(load(record(-1, 1)), CArchiveLengthError);  // negative count
    // More IDs than bytes, refused before allocating.
    EXPECT_THROW(load(record(1'000'000'000, 1)), CArchiveException);
    EXPECT_THROW(load(record(1, 2)), CArchiveException);  // a bool that is neither 0 nor 1
}

TEST(IDPointerArray, DumpTextListsTheIDsInRecordOrder) {
    EXPECT_EQ(toDumpText(CIDBaseArray()), "[]");
    CIDBaseArray set = setOf({2, 1});
    set.addNoSort(CIDBase());
    EXPECT_EQ(toDumpText(set),
              "[\"10000000-0000-0000-0000-000000000001\",\"10000000-0000-0000-0000-000000000002\","
              "\"unset\"]");
    EXPECT_EQ(toDumpText(twoSegments()), toDumpText(setOf({1, 2, 4, 5, 6, 7})));
}

int countOf(IDRange<CIDBase> range) {
    return static_cast<int>(std::distance(range.begin(), range.end()));
}

// The bucket index's tags may only ever rule an ID out: every ID of the array must pass them and
// be found, whether the IDs spread (random) or crowd into one bucket (made by hand).
TEST(IDBucketIndex, TagsRuleOutAbsentIDsAndNeverAHeldOne) {
    std::mt19937_64 random(7);
    const auto randomID = [&random] { return randomIDFrom(random); };
    std::vector<CIDBase> spread(zx::IDBucketIndex::kWorthAbove + 1000);
    std::generate(spread.begin(), spread.end(), randomID);
    std::vector<CIDBase> crowded;
    for (int n = 0; n < static_cast<int>(zx::IDBucketIndex::kWorthAbove); ++n)
        crowded.push_back(idOf(n));
    for (std::vector<CIDBase>* ids : {&spread, &crowded}) {
        std::sort(ids->begin(), ids->end());
        const std::span<const CIDBase> view(*ids);
        zx::IDBucketIndex index;
        index.build(view);
        ASSERT_FALSE(index.empty());
        for (std::size_t i = 0; i < ids->size(); ++i) {
            ASSERT_TRUE(index.mayHold((*ids)[i])) << i;
            ASSERT_EQ(index.lowerBound(view, (*ids)[i]), i);
        }
    }
    const std::span<const CIDBase> view(spread);
    zx::IDBucketIndex index;
    index.build(view);
    int ruledOut = 0;
    for (int i = 0; i < 10'000; ++i) {
        const CIDBase absent = randomID();
        if (std::binary_search(spread.begin(), spread.end(), absent)) continue;
        ruledOut += index.mayHold(absent) ? 0 : 1;
    }
    EXPECT_GT(ruledOut, 9'000);
}

TEST(IDRange, ViewsEitherSourceAndNothingThrows) {
    const CIDBaseArray set = twoSegments();
    const std::unordered_set<CIDBase> unordered{idOf(1), idOf(2)};
    IDRange<CIDBase> range(set);
    EXPECT_EQ(range.tag(), 0);
    EXPECT_EQ(std::vector<CIDBase>(range.begin(), range.end()), positional(set));
    range = IDRange<CIDBase>(unordered);
    EXPECT_EQ(range.tag(), 1);
    EXPECT_EQ(std::unordered_set<CIDBase>(range.begin(), range.end()), unordered);
    EXPECT_EQ(countOf(set), 6);
    EXPECT_EQ(countOf(unordered), 2);

    const IDRange<CIDBase> nothing;
    EXPECT_EQ(nothing.tag(), -1);
    EXPECT_THROW(nothing.begin(), std::bad_variant_access);
    EXPECT_THROW(nothing.end(), std::bad_variant_access);
}

// The pool numbers the set reports holding when asked about batch.
std::vector<int> heldOf(const CIDBaseArray& set, const std::vector<int>& batch) {
    std::vector<CIDBase> ids;
    for (const int n : batch) ids.push_back(idOf(n));
    std::vector<int> held;
    set.forEachHeld(std::span<const CIDBase>(ids),
                    [&](std::size_t i) { held.push_back(batch[i]); });
    std::sort(held.begin(), held.end());
    return held;
}

// A random run of operations against a plain std::set, checking after each step that the set
// holds the same IDs, finds each of them (one at a time and in batches, in order and not), walks
// them in order, and that earlier copies are untouched by later changes.
TEST(IDPointerArray, RandomOperationsMatchAPlainSet) {
    std::mt19937 random(20240611);
    const auto pick = [&random](int below) {
        return std::uniform_int_distribution<int>(0, below - 1)(random);
    };
    constexpr int kPool = 48;
    CIDBaseArray set;
    std::set<int> model;
    std::vector<std::pair<CIDBaseArray, std::set<int>>> copies;
    std::vector<int> pool(kPool);
    std::iota(pool.begin(), pool.end(), 0);
    for (int step = 0; step < 3000; ++step) {
        const int n = pick(kPool);
        switch (pick(8)) {
            case 0:
                EXPECT_EQ(set.Add(idOf(n)) < 0, !model.insert(n).second);
                break;
            case 1:
                EXPECT_EQ(set.removeByID(idOf(n)), model.erase(n) == 1);
                break;
            case 2:
                if (!model.empty()) {
                    const int pos = pick(set.GetSize());
                    model.erase(set.getConstReference(pos).getGUID()[15]);
                    EXPECT_TRUE(set.RemoveAt(pos));
                }
                break;
            case 3:
                if (copies.size() < 8) copies.emplace_back(set, model);
                break;
            case 4: {
                const int m = pick(kPool);
                set.addNoSort(idOf(n));
                set.addNoSort(idOf(m));
                model.insert(n);
                model.insert(m);
                set.sort();
                break;
            }
            case 5:
                EXPECT_EQ(set.InsertAt(pick(set.GetSize() + 1), idOf(n)), model.insert(n).second);
                set.sort();
                break;
            case 6:
                set = load(save(set));
                break;
            case 7: {
                // Changes while unsorted (an appended ID may repeat one the set holds), then one
                // sort, which must find where the ascending run ends however they moved it.
                set.addNoSort(idOf(n));
                model.insert(n);
                for (int change = 0; change < 3; ++change) {
                    const int m = pick(kPool);
                    const int kind = pick(3);
                    if (kind == 0) {
                        EXPECT_EQ(set.InsertAt(pick(set.GetSize() + 1), idOf(m)),
                                  model.insert(m).second);
                    } else if (kind == 1) {
                        const int pos = pick(set.GetSize());
                        const CIDBase removed = set.getConstReference(pos);
                        EXPECT_TRUE(set.RemoveAt(pos));
                        if (set.findByID(removed) < 0) model.erase(removed.getGUID()[15]);
                    } else {
                        EXPECT_EQ(set.removeByID(idOf(m)), model.erase(m) == 1);
                    }
                    if (set.GetSize() == 0) break;
                }
                EXPECT_EQ(heldOf(set, pool), std::vector<int>(model.begin(), model.end()));
                set.sort();
                break;
            }
        }
        ASSERT_TRUE(set.isSorted()) << step;
        std::vector<CIDBase> expected;
        for (const int m : model) expected.push_back(idOf(m));
        ASSERT_EQ(inOrder(set), expected) << step;
        for (int m = 0; m < kPool; ++m) {
            const int pos = set.findByID(idOf(m));
            ASSERT_EQ(pos >= 0, model.count(m) == 1) << step;
            if (pos >= 0) {
                ASSERT_EQ(set.getConstReference(pos), idOf(m)) << step;
            }
        }
        const std::vector<int> held(model.begin(), model.end());
        ASSERT_EQ(heldOf(set, pool), held) << step;
        std::vector<int> shuffled = pool;
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        ASSERT_EQ(heldOf(set, shuffled), held) << step;
    }
    for (const auto& [copy, snapshot] : copies) {
        std::vector<CIDBase> expected;
        for (const int m : snapshot) expected.push_back(idOf(m));
        EXPECT_EQ(inOrder(copy), expected);
    }
}

// Batches of random IDs into one set until it is large: the set moves what it gathers into its
// shared segment now and then and finds IDs there through an index. Checked against a plain set
// after every batch (size, lookups of held and absent IDs, a batch walk), then through removals,
// an insertion, the ordered walk and the archive; a copy taken along the way keeps what it had.
TEST(IDPointerArray, LargeSetFedInBatchesMatchesAPlainSet) {
    std::mt19937_64 random(20261208);
    const auto randomID = [&random] { return randomIDFrom(random); };
    CIDBaseArray set;
    std::set<CIDBase> model;
    std::optional<std::pair<CIDBaseArray, std::set<CIDBase>>> taken;
    for (int batch = 0; batch < 40; ++batch) {
        std::vector<CIDBase> fresh;
        for (int i = 0; i < 4'000; ++i) fresh.push_back(randomID());
        // Some IDs the set holds already, which sorting must drop.
        for (auto at = model.begin(); at != model.end() && fresh.size() < 4'100; ++at)
            if (random() % 64 == 0) fresh.push_back(*at);
        std::vector<CIDBase> probe = fresh;
        probe.push_back(randomID());
        std::sort(probe.begin(), probe.end());
        std::vector<CIDBase> expectedHeld;
        for (const CIDBase& id : probe)
            if (model.count(id)) expectedHeld.push_back(id);
        std::vector<CIDBase> held;
        set.forEachHeld(std::span<const CIDBase>(probe),
                        [&](std::size_t i) { held.push_back(probe[i]); });
        ASSERT_EQ(held, expectedHeld) << batch;

        set.Reserve(set.GetSize() + static_cast<int>(fresh.size()));
        for (const CIDBase& id : fresh) set.addNoSort(id);
        model.insert(fresh.begin(), fresh.end());
        set.sort();
        ASSERT_TRUE(set.isSorted()) << batch;
        ASSERT_EQ(set.GetSize(), static_cast<int>(model.size())) << batch;
        for (const CIDBase& id : fresh) {
            const int pos = set.findByID(id);
            ASSERT_GE(pos, 0) << batch;
            ASSERT_EQ(set.getConstReference(pos), id) << batch;
        }
        ASSERT_LT(set.findByID(randomID()), 0) << batch;
        if (batch == 36) taken.emplace(set, model);
    }
    // Gathered twice: once into an empty shared segment, once merged with it.
    EXPECT_GT(set.getSharedSize(), 2 * static_cast<int>(zx::IDBucketIndex::kWorthAbove));
    EXPECT_FALSE(set.getSharedDetails()->index.empty());
    EXPECT_TRUE(std::equal(set.ordered().begin(), set.ordered().end(), model.begin(), model.end()));

    // Removals from the shared segment, then an insertion that takes the shared IDs in.
    for (int i = 0; i < 50; ++i) {
        const int pos = static_cast<int>(random() % static_cast<std::uint64_t>(set.GetSize()));
        const CIDBase id = set.getConstReference(pos);
        ASSERT_TRUE(i % 2 ? set.RemoveAt(pos) : set.removeByID(id));
        model.erase(id);
        ASSERT_LT(set.findByID(id), 0);
    }
    const CIDBase inserted = randomID();
    ASSERT_TRUE(set.InsertAt(set.GetSize(), inserted));
    model.insert(inserted);
    set.sort();
    EXPECT_TRUE(std::equal(set.ordered().begin(), set.ordered().end(), model.begin(), model.end()));
    EXPECT_EQ(load(save(set)), set);

    ASSERT_TRUE(taken);
    const auto& [copy, snapshot] = *taken;
    EXPECT_EQ(copy.GetSize(), static_cast<int>(snapshot.size()));
    EXPECT_TRUE(
        std::equal(copy.ordered().begin(), copy.ordered().end(), snapshot.begin(), snapshot.end()));
}

// Every named ID set class is the ID set of its own ID kind. They share one template, so a few
// of them stand for all in the runtime check; compiling each costs more than it could find.
template <class... Set>
constexpr bool allAreIDSetsOfTheirOwnID(::testing::Types<Set...>) {
    return (std::is_same_v<Set, CIDPointerArray<typename Set::value_type>> && ...);
}
static_assert(allAreIDSetsOfTheirOwnID(
    ::testing::Types<C3DNotationIDArray, CAnimationIDArray, CAssignedResourceGroupIDArray,
                     CAssignedResourceIDArray, CAssignedRiskIDArray, CCalendarIDArray, CCodeIDArray,
                     CCodeValueIDArray, CCompanyIDArray, CCostIDArray, CCuttingPlaneIDArray,
                     CDocumentFileIDArray, CEntity3DIDArray, CFilterIDArray, CGraphicalImageIDArray,
                     CIDBaseArray, CLayoutIDArray, CLinkIDArray, CPathIDArray, CPositionIDArray,
                     CProjectBaselineIDArray, CResourceGroupIDArray, CResourceIDArray,
                     CResourceRateIDArray, CResourceStateIDArray, CRiskIDArray, CRuleIDArray,
                     CTableFormatRuleIDArray, CTaskIDArray, CTaskReportIDArray, CTaskStateIDArray,
                     CTextureDefinitionIDArray, CUniFolderIDArray, CUseProfileIDArray,
                     CUserFieldIDArray, CUserGridIDArray>{}));

template <class Set>
class IDPointerArrayNamed : public ::testing::Test {};

using NamedIDSets = ::testing::Types<CIDBaseArray, CTaskIDArray, CUserGridIDArray>;
TYPED_TEST_SUITE(IDPointerArrayNamed, NamedIDSets);

TYPED_TEST(IDPointerArrayNamed, CopyAndRoundTrip) {
    using ID = typename TypeParam::value_type;
    TypeParam set(std::unordered_set<ID>{ID(idOf(3)), ID(idOf(1))});
    const TypeParam copy(set);
    EXPECT_TRUE(TypeParam(copy).haveTheSameSharedPartAs(copy));
    EXPECT_FALSE(set.hasShared());
    CZentrixArchive out;
    set.Serialize(out);
    CZentrixArchive in(out.takeStoredBytes());
    TypeParam loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded, copy);
    EXPECT_EQ(loaded.getConstReference(0), ID(idOf(1)));
}

}  // namespace
