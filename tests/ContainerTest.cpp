// The keyed container: ordered-index bookkeeping through every mutator, refusals, ownership
// moves, bulk copies, the shrink rule and the archive record.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

#include "zentrix.h"

namespace {

CLink linkWithID(std::uint8_t first, std::uint8_t last = 0) {
    GUID guid{};
    guid[0] = first;
    guid[15] = last;
    CLink link;
    link.setID(CLinkID(guid));
    return link;
}

// The ordered index is a permutation of the storage positions in ascending ID order, and every
// object is found at its own position.
void expectConsistent(const CLinkArray& links) {
    ASSERT_TRUE(links.isSorted());
    std::set<int> seen;
    for (int k = 0; k < links.GetSize(); ++k) {
        const int i = links.getOrderedIndex(k);
        ASSERT_GE(i, 0);
        ASSERT_LT(i, links.GetSize());
        seen.insert(i);
        if (k > 0) {
            EXPECT_FALSE(links.getID(i) < links.getID(links.getOrderedIndex(k - 1)));
        }
        EXPECT_EQ(links.findByID(links.getConstReference(i).getID()), i);
    }
    EXPECT_EQ(static_cast<int>(seen.size()), links.GetSize());
}

// Five links whose IDs are in descending storage order: 50, 40, 30, 20, 10.
CLinkArray fiveLinks() {
    CLinkArray links;
    for (std::uint8_t id : {50, 40, 30, 20, 10}) EXPECT_GE(links.Add(linkWithID(id)), 0);
    return links;
}

TEST(Container, NewContainerIsSortedAndEmptyWithADefaultItem) {
    const CLinkArray links;
    EXPECT_TRUE(links.isSorted());
    EXPECT_EQ(links.GetSize(), 0);
    EXPECT_EQ(links.GetUpperBound(), -1);
    EXPECT_EQ(&links.getConstReference(0), &links.getConstReference(-1));
    EXPECT_FALSE(links.getID(3).isValid());
    EXPECT_EQ(links.getOrderedIndex(0), -1);
}

TEST(Container, PlainMutatorsRefuseDuplicatesAndKeepTheIndex) {
    CLinkArray links = fiveLinks();
    expectConsistent(links);
    EXPECT_EQ(links.Add(linkWithID(30)), -1);
    EXPECT_FALSE(links.InsertAt(0, linkWithID(30)));
    EXPECT_FALSE(links.InsertAt(6, linkWithID(60)));
    EXPECT_EQ(links.GetSize(), 5);

    ASSERT_TRUE(links.InsertAt(2, linkWithID(35)));
    EXPECT_EQ(links.findByID(linkWithID(35).getID()), 2);
    EXPECT_EQ(links.findByID(linkWithID(30).getID()), 3);
    EXPECT_EQ(links.findByID(linkWithID(10).getID()), 5);
    expectConsistent(links);

    EXPECT_TRUE(links.RemoveAt(0));
    EXPECT_FALSE(links.RemoveAt(5));
    EXPECT_EQ(links.removeByID(linkWithID(35).getID()), 1);
    EXPECT_EQ(links.removeByID(linkWithID(35).getID()), -1);
    EXPECT_TRUE(links.Remove(linkWithID(10).getID()));
    EXPECT_FALSE(links.Remove(linkWithID(10).getID()));
    EXPECT_EQ(links.GetSize(), 3);
    expectConsistent(links);
}

TEST(Container, NoSortMutatorsHideEverythingFromLookupsUntilSorted) {
    CLinkArray links = fiveLinks();
    EXPECT_EQ(links.AddNoSort(linkWithID(30)), 5);
    EXPECT_FALSE(links.isSorted());
    EXPECT_EQ(links.findByID(linkWithID(50).getID()), -1);
    EXPECT_FALSE(links.Remove(linkWithID(50).getID()));
    links.sort();
    EXPECT_EQ(links.findByID(linkWithID(50).getID()), 0);
    const int duplicate = links.findByID(linkWithID(30).getID());
    EXPECT_TRUE(duplicate == 2 || duplicate == 5);
    EXPECT_EQ(links.GetSize(), 6);

    // A plain mutator sorts first, so it works on an unsorted container.
    CLinkArray other = fiveLinks();
    ASSERT_TRUE(other.InsertAtNoSort(0, linkWithID(60)));
    EXPECT_EQ(other.Add(linkWithID(70)), 6);
    expectConsistent(other);
}

TEST(Container, ChangePositionMovesAndKeepsLookups) {
    CLinkArray links = fiveLinks();
    EXPECT_TRUE(links.changePosition(0, 4));
    EXPECT_EQ(links.getConstReference(0).getID(), linkWithID(10).getID());
    EXPECT_EQ(links.findByID(linkWithID(50).getID()), 1);
    expectConsistent(links);
    EXPECT_TRUE(links.changePosition(3, 1));
    EXPECT_EQ(links.getConstReference(3).getID(), linkWithID(50).getID());
    expectConsistent(links);
    EXPECT_TRUE(links.changePosition(2, 2));
    EXPECT_FALSE(links.changePosition(5, 0));
    EXPECT_FALSE(links.changePosition(0, -1));
}

TEST(Container, DetachAndAttachMoveOwnershipWithoutCopying) {
    CLinkArray from = fiveLinks(), to;
    const CLink* address = &from.getConstReference(1);
    CLink* moved = from.Detach(1);
    ASSERT_EQ(moved, address);
    EXPECT_EQ(from.GetSize(), 4);
    expectConsistent(from);
    EXPECT_TRUE(to.Attach(0, moved));
    EXPECT_EQ(&to.getConstReference(0), address);

    // A refused attach leaves the object with its owner.
    auto duplicate = std::make_unique<CLink>(linkWithID(40));
    EXPECT_FALSE(to.Attach(0, duplicate.get()));
    auto outside = std::make_unique<CLink>(linkWithID(41));
    EXPECT_FALSE(to.Attach(2, outside.get()));
    EXPECT_EQ(to.GetSize(), 1);

    EXPECT_EQ(from.Detach(9), nullptr);
    std::unique_ptr<ILink> byID(from.Detach(linkWithID(30).getID()));
    ASSERT_NE(byID, nullptr);
    EXPECT_EQ(from.findByID(linkWithID(30).getID()), -1);
    expectConsistent(from);
}

TEST(Container, PutAddsOrInsertsAsTheContainerIs) {
    CLinkArray links = fiveLinks();
    int position = -1;
    ASSERT_NE(links.Put(position, linkWithID(60)), nullptr);
    EXPECT_EQ(position, 5);
    position = -1;
    EXPECT_EQ(links.Put(position, linkWithID(60)), nullptr);
    EXPECT_EQ(position, -1);
    position = 1;
    ILink* stored = links.Put(position, linkWithID(45));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->getID(), linkWithID(45).getID());
    expectConsistent(links);
}

TEST(Container, ChangeElementOverwritesByID) {
    CLinkArray links = fiveLinks();
    CLink changed = linkWithID(20);
    changed.setType(LinkType::StartToStart);
    EXPECT_TRUE(links.changeElement(changed));
    EXPECT_EQ(links.getConstReference(3).getType(), LinkType::StartToStart);
    EXPECT_FALSE(links.changeElement(linkWithID(99)));
}

TEST(Container, BulkCopiesAndComparisons) {
    const CLinkArray links = fiveLinks();
    CLinkArray copy(links);
    EXPECT_TRUE(copy == links);
    EXPECT_NE(&copy.getConstReference(0), &links.getConstReference(0));

    CLinkArray appended;
    (void)appended.Add(linkWithID(40));
    EXPECT_EQ(appended.Append(links), 1);
    EXPECT_EQ(appended.GetSize(), 5);  // the repeated 40 is skipped
    expectConsistent(appended);

    CLinkArray slice;
    slice.Copy(links, 3, 4);  // positions 5 and 6 fall outside: one default item is added
    EXPECT_EQ(slice.GetSize(), 3);

    CLinkArray inserted;
    (void)inserted.Add(linkWithID(20));
    EXPECT_FALSE(inserted.InsertAt(0, links));  // stops at the repeated 20
    EXPECT_EQ(inserted.GetSize(), 4);

    CLinkArray::Set set;
    for (std::uint8_t id : {30, 10, 20}) EXPECT_TRUE(set.insert(linkWithID(id)));
    EXPECT_FALSE(set.insert(linkWithID(10)));
    CLinkArray fromSet;
    fromSet.Copy(set);
    EXPECT_EQ(fromSet.getConstReference(0).getID(), linkWithID(10).getID());
    EXPECT_TRUE(fromSet == set);
    expectConsistent(fromSet);
    CLinkArray moved;
    moved.Copy(std::move(set));
    EXPECT_EQ(set.GetSize(), 0);
    EXPECT_TRUE(moved == fromSet);

    CLinkArray stolen(std::move(copy));
    EXPECT_EQ(copy.GetSize(), 0);
    EXPECT_TRUE(copy.isSorted());
    EXPECT_TRUE(stolen == links);
    CLinkArray reordered = links;
    EXPECT_TRUE(reordered.changePosition(0, 1));
    EXPECT_FALSE(reordered == links);
}

TEST(Container, ShrinksAfterDetachingMostOfALargeContainer) {
    CLinkArray links;
    for (int i = 0; i < 20000; ++i) {
        CLink link;
        link.generateIDs();
        links.AddNoSort(link);
    }
    links.sort();
    while (links.GetSize() > 4000) EXPECT_TRUE(links.RemoveAt(links.GetUpperBound()));
    expectConsistent(links);
    EXPECT_LT(links.GetSize(), 5000);
    EXPECT_THROW(links.Reserve(-1), std::length_error);
}

TEST(Container, ArchiveRestoresStorageOrderAndIndex) {
    CLinkArray links = fiveLinks();
    ASSERT_TRUE(links.changePosition(0, 3));
    CZentrixArchive out;
    links.Serialize(out);
    const auto bytes = out.takeStoredBytes();
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    CLinkArray loaded;
    (void)loaded.Add(linkWithID(1));  // replaced by the load
    loaded.Serialize(in);
    EXPECT_TRUE(loaded == links);
    for (int k = 0; k < links.GetSize(); ++k)
        EXPECT_EQ(loaded.getOrderedIndex(k), links.getOrderedIndex(k));
    expectConsistent(loaded);
}

// A container record: the archive header, markers, count and the given entries, with the IDs
// given or else 10, 20, 30, ...
std::vector<std::byte> recordWithIndex(const std::vector<int>& index,
                                       const std::vector<std::uint8_t>& ids = {}) {
    CZentrixArchive out;
    out.checkMarkerStart("CUniquePointerArray");
    out << static_cast<int>(index.size());
    for (std::size_t i = 0; i < index.size(); ++i) {
        CLink link = linkWithID(ids.empty() ? static_cast<std::uint8_t>(10 * (i + 1)) : ids[i]);
        link.Serialize(out);
        out << index[i];
    }
    out.checkMarkerEnd("CUniquePointerArray");
    return out.takeStoredBytes();
}

TEST(Container, ArchiveCountsAndIndexesFromBadFiles) {
    CLinkArray links = fiveLinks();
    CZentrixArchive empty{recordWithIndex({})};
    links.Serialize(empty);
    EXPECT_EQ(links.GetSize(), 0);

    // Entries that are not a permutation in ID order are rebuilt, not trusted.
    for (const auto& bad : {std::vector<int>{1, 0, 2}, {0, 0, 2}, {0, 1, 7}, {-1, 1, 2}}) {
        CZentrixArchive in{recordWithIndex(bad)};
        CLinkArray loaded;
        loaded.Serialize(in);
        EXPECT_EQ(loaded.GetSize(), 3);
        expectConsistent(loaded);
    }

    // A file whose IDs repeat: its stored order is kept when it is a permutation in ID order, and
    // rebuilt when it names a position twice.
    for (const auto& stored : {std::vector<int>{1, 0, 2}, {0, 0, 2}, {1, 1, 2}}) {
        CZentrixArchive in{recordWithIndex(stored, {10, 10, 30})};
        CLinkArray loaded;
        loaded.Serialize(in);
        std::vector<int> order;
        for (int k = 0; k < loaded.GetSize(); ++k) order.push_back(loaded.getOrderedIndex(k));
        if (stored == std::vector<int>{1, 0, 2})
            EXPECT_EQ(order, stored);
        else
            EXPECT_TRUE(order == std::vector<int>({0, 1, 2}) ||
                        order == std::vector<int>({1, 0, 2}))
                << "stored " << stored[0] << stored[1] << stored[2];
    }

    CZentrixArchive negative;
    negative.checkMarkerStart("CUniquePointerArray");
    negative << -1;
    CZentrixArchive in(negative.takeStoredBytes());
    links = fiveLinks();
    try {
        links.Serialize(in);
        FAIL() << "a negative count must be refused";
    } catch (const CArchiveLengthError& error) {
        const std::length_error& standard = error;
        EXPECT_STREQ(standard.what(), "vector too long");
        EXPECT_EQ(error.offset(), 12u);  // the count, after the header and the marker
        EXPECT_EQ(error.recordPath(), "CUniquePointerArray");
    }
    EXPECT_EQ(links.GetSize(), 0);
    EXPECT_TRUE(links.isSorted());
}

}  // namespace
