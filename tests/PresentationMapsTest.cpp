// Presentation maps: one entry per key, ascending iteration whatever the insertion order, the
// records of the code and code-value maps (what a load keeps, which of a repeated key wins,
// refused counts), handles on owned code presentations, and the expanded-state maps' default and
// exceptions.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "presentation/CPresentationMaps.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::save;

template <class ID>
ID newID() {
    ID id;
    id.generateInPlace();
    return id;
}

// Reads a record into a map that may hold entries already.
template <class Map>
void loadInto(Map& map, const std::vector<std::byte>& bytes) {
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    map.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
}

// A record of the map's layout holding the given entries as they are, repeats included.
template <class Map>
std::vector<std::byte> recordOf(
    std::vector<std::pair<typename Map::Key, typename Map::Presentation>> entries,
    std::int32_t count = -2) {
    CZentrixArchive out;
    out.checkMarkerStart(Map::s_marker);
    out << (count == -2 ? static_cast<std::int32_t>(entries.size()) : count);
    for (auto& [key, value] : entries) {
        key.Serialize(out);
        value.Serialize(out);
    }
    out.checkMarkerEnd(Map::s_marker);
    return out.takeStoredBytes();
}

CCodeValuePresentation codeValueShowing(bool children) {
    CCodeValuePresentation value;
    value.setShowChildren(children);
    return value;
}

CCodePresentation codeActive(bool active) {
    CCodePresentation value;
    value.setIsActive(active);
    return value;
}

TEST(PresentationMap, ASecondSetOfAKeyReplacesItsValue) {
    CTaskPresentationMap map;
    const CTaskID task = newID<CTaskID>();
    CTaskPresentation red, blue;
    red.setColor(CProjectColorRGB(0xFF0000));
    blue.setColor(CProjectColorRGB(0x0000FF));
    map.SetAt(task, red);
    map.SetAt(task, blue);
    EXPECT_EQ(map.GetCount(), 1);
    CTaskPresentation found;
    ASSERT_TRUE(map.Lookup(task, found));
    EXPECT_TRUE(found == blue);

    CTaskPresentation untouched = red;
    EXPECT_FALSE(map.Lookup(newID<CTaskID>(), untouched));
    EXPECT_TRUE(untouched == red);
    EXPECT_FALSE(map.RemoveKey(newID<CTaskID>()));
    EXPECT_TRUE(map.RemoveKey(task));
    EXPECT_TRUE(map.IsEmpty());
}

TEST(PresentationMap, IterationYieldsAscendingKeysWhateverTheInsertionOrder) {
    CRiskPresentationMap map;
    std::vector<CRiskID> ids;
    for (int i = 0; i < 200; ++i) ids.push_back(newID<CRiskID>());
    for (const CRiskID& id : ids) {
        CRiskPresentation value;
        value.setOrder(static_cast<int>(&id - ids.data()));
        map.SetAt(id, value);
    }
    std::sort(ids.begin(), ids.end());
    const auto it = map.getIterator();
    std::size_t n = 0;
    while (it->hasNext()) {
        CRiskID key;
        CRiskPresentation value;
        it->next(key, value);
        ASSERT_LT(n, ids.size());
        EXPECT_TRUE(key == ids[n++]);
    }
    EXPECT_EQ(n, ids.size());
    // A copy through its record and a clone are equal; one more key is not.
    CRiskPresentationMap back;
    loadInto(back, save(map));
    EXPECT_TRUE(back == map);
    const auto clone = map.clone();
    EXPECT_TRUE(*clone == map);
    clone->SetAt(newID<CRiskID>(), CRiskPresentation());
    EXPECT_FALSE(*clone == map);
}

TEST(PresentationMap, ACodeValueMapLoadKeepsOtherKeysAndTheLastOfARepeatedKey) {
    const CCodeValueID kept = newID<CCodeValueID>(), repeated = newID<CCodeValueID>();
    CCodeValuePresentationMap map;
    map.SetAt(kept, codeValueShowing(false));
    loadInto(map, recordOf<CCodeValuePresentationMap>(
                      {{repeated, codeValueShowing(false)}, {repeated, codeValueShowing(true)}}));
    EXPECT_EQ(map.GetCount(), 2);
    CCodeValuePresentation value;
    ASSERT_TRUE(map.Lookup(kept, value));
    ASSERT_TRUE(map.Lookup(repeated, value));
    EXPECT_TRUE(value.getShowChildren().getValue());
}

TEST(PresentationMap, ACodeMapLoadReplacesTheMapAndKeepsTheFirstOfARepeatedKey) {
    const CCodeID dropped = newID<CCodeID>(), repeated = newID<CCodeID>();
    CCodePresentationMap map;
    map.SetAt(dropped, codeActive(true));
    loadInto(map, recordOf<CCodePresentationMap>(
                      {{repeated, codeActive(true)}, {repeated, codeActive(false)}}));
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_TRUE(map.Lookup(dropped).isNull());
    EXPECT_TRUE(map.Lookup(repeated)->getIsActive().getValue());
}

TEST(PresentationMap, NegativeAndImpossibleCountsAreRefused) {
    CCodeValuePresentationMap map;
    EXPECT_THROW(loadInto(map, recordOf<CCodeValuePresentationMap>({}, -1)), std::length_error);
    EXPECT_THROW(loadInto(map, recordOf<CCodeValuePresentationMap>({}, 1'000'000)),
                 CArchiveException);
    EXPECT_TRUE(map.IsEmpty());
}

TEST(PresentationMap, ACodeMapOwnsItsPresentationsAndHandlesOutlastOtherInserts) {
    CCodePresentationMap map;
    const CCodeID first = newID<CCodeID>();
    auto owned = std::make_unique<CCodePresentation>(codeActive(true));
    const CCodePresentation* address = owned.get();
    map.SetAt(first, std::move(owned));
    const auto handle = map.Lookup(first);
    EXPECT_EQ(&*handle, address);
    for (int i = 0; i < 100; ++i) map.SetAt(newID<CCodeID>(), codeActive(false));
    EXPECT_EQ(&*handle, address);
    EXPECT_TRUE(handle->getIsActive().getValue());

    // Copies own copies.
    const CCodePresentationMap copy(map);
    EXPECT_TRUE(copy == map);
    EXPECT_NE(&*copy.Lookup(first), address);
}

TEST(ExpandedStateMap, TheDefaultAndItsExceptionsDecideEachItem) {
    CLayoutPresentationMap map;
    const CLayoutID a = newID<CLayoutID>(), b = newID<CLayoutID>();
    EXPECT_FALSE(map.getDefaultValue().getValue());
    map.setExpanded(a, true);
    EXPECT_TRUE(map.getExpanded(a));
    EXPECT_FALSE(map.getExpanded(b));
    map.setDefaultValue(true);
    EXPECT_TRUE(map.getExpanded(a));
    EXPECT_TRUE(map.getExpanded(b));
    map.setExpanded(a, false);
    EXPECT_FALSE(map.getExpanded(a));
    EXPECT_TRUE(map.getExpanded(b));
    EXPECT_EQ(map.getExceptionIDs().GetSize(), 1);

    CLayoutPresentationMap back;
    loadInto(back, save(map));
    EXPECT_TRUE(back == map);
    map.remove(a);
    EXPECT_TRUE(map.getExpanded(a));
    EXPECT_FALSE(back == map);
}

}  // namespace
