// Animations: the tick order of timelines (insert positions, the key frame in force at a tick,
// start and end ticks through adds and removals, refused ticks, loaded records out of order),
// the fixed interpolation types, path key replacement, sub-path moves and renewal, and the values
// the key frames and positions embed (scalars unset with a value, legends, filter colours).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>
#include <span>
#include <sstream>
#include <utility>
#include <vector>

#include "JsonTree.h"
#include "JsonValues.h"
#include "basetypes/CArchive.h"
#include "model3d/CAnimation.h"
#include "model3d/CCameraKeyFrame.h"
#include "model3d/CCameraTimeline.h"
#include "model3d/CEventKeyFrame.h"
#include "model3d/CEventTimeline.h"
#include "model3d/CPath.h"
#include "model3d/CPathKey.h"
#include "model3d/CPathTimeline.h"
#include "model3d/CPosition.h"
#include "model3d/CProjectTimeKeyFrame.h"
#include "model3d/CProjectTimeTimeline.h"
#include "store/InterpolationSearch.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::filled;
using conformance::load;
using conformance::save;

template <class ID>
ID fresh() {
    return ID(CIDBase::generate());
}

// The key frame class each timeline holds.
template <class Timeline>
struct KeyOf;
template <>
struct KeyOf<CEventTimeline> {
    using type = CEventKeyFrame;
};
template <>
struct KeyOf<CProjectTimeTimeline> {
    using type = CProjectTimeKeyFrame;
};
template <>
struct KeyOf<CCameraTimeline> {
    using type = CCameraKeyFrame;
};
template <>
struct KeyOf<CPathTimeline> {
    using type = CPathKey;
};

template <class Timeline>
typename KeyOf<Timeline>::type keyAt(int tick) {
    typename KeyOf<Timeline>::type key(tick);
    key.setID(fresh<CKeyFrameID>());
    return key;
}

// The key frames, read-only.
template <class Timeline>
auto keysOf(const Timeline& timeline) {
    return timeline.getKeyFrames();
}

// The ticks of the key frames in storage order.
template <class Timeline>
std::vector<int> ticksOf(const Timeline& timeline) {
    std::vector<int> ticks;
    const auto keys = keysOf(timeline);
    for (int i = 0; i < keys.GetSize(); ++i)
        ticks.push_back(keys.getConstReference(i)->getTick().getValue());
    return ticks;
}

template <class Timeline>
class TimelineRules : public ::testing::Test {};
using Timelines =
    ::testing::Types<CEventTimeline, CCameraTimeline, CProjectTimeTimeline, CPathTimeline>;
TYPED_TEST_SUITE(TimelineRules, Timelines);

TYPED_TEST(TimelineRules, KeyFramesAddedOutOfOrderAreKeptInTickOrder) {
    TypeParam timeline;
    EXPECT_EQ(timeline.getStartTick(), -1);
    EXPECT_EQ(timeline.getEndTick(), -1);
    EXPECT_EQ(timeline.getKeyFrameIndexForTick(0), -1);
    EXPECT_EQ(timeline.getLastKeyFrameIndex(), -1);
    const auto k10 = keyAt<TypeParam>(10), k30 = keyAt<TypeParam>(30), k20 = keyAt<TypeParam>(20);
    EXPECT_EQ(timeline.addKeyFrame(k10), 0);
    EXPECT_EQ(timeline.addKeyFrame(k30), 1);
    EXPECT_EQ(timeline.addKeyFrame(k20), 1);
    EXPECT_EQ(ticksOf(timeline), (std::vector<int>{10, 20, 30}));
    // Lookups by ID follow the key frames to their places in tick order.
    EXPECT_EQ(keysOf(timeline).findByID(k30.getID()), 2);
    EXPECT_EQ(keysOf(timeline).findByID(k20.getID()), 1);
    EXPECT_EQ(timeline.keyFrame(0)->getID(), k10.getID());
    EXPECT_EQ(timeline.keyFrame(1)->getID(), k20.getID());
    EXPECT_EQ(timeline.keyFrame(2)->getID(), k30.getID());
    EXPECT_EQ(timeline.getStartTick(), 10);
    EXPECT_EQ(timeline.getEndTick(), 30);
    EXPECT_EQ(timeline.getLastKeyFrameIndex(), 2);
    const std::pair<int, int> expected[] = {{5, -1}, {10, 0}, {15, 0}, {20, 1},
                                            {25, 1}, {30, 2}, {99, 2}, {-7, -1}};
    for (const auto& [tick, index] : expected)
        EXPECT_EQ(timeline.getKeyFrameIndexForTick(tick), index) << "tick " << tick;
    EXPECT_EQ(timeline.keyFrame(1)->getTick().getValue(), 20);
    EXPECT_TRUE(timeline.keyFrame(3).isNull());
    EXPECT_TRUE(timeline.keyFrame(-1).isNull());
}

TYPED_TEST(TimelineRules, LookupAgreesWithAScanOnLongTimelines) {
    TypeParam timeline;
    for (int tick = 3; tick < 3000; tick += 7)
        ASSERT_GE(timeline.addKeyFrame(keyAt<TypeParam>(tick)), 0);
    for (int tick = 0; tick < 3010; ++tick) {
        const int expected =
            tick < 3 ? -1 : std::min((tick - 3) / 7, timeline.getKeyFrameCount() - 1);
        ASSERT_EQ(timeline.getKeyFrameIndexForTick(tick), expected) << "tick " << tick;
    }
}

// Timelines search their ticks by interpolation; the answer must be std::upper_bound's however the
// ticks are spread: regular steps, growing steps, a tight cluster beside far outliers, and the
// ends of the int range.
TEST(TickSearch, AgreesWithUpperBoundHoweverTicksAreSpread) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const auto spreads = std::vector<std::vector<int>>{
        [] {
            std::vector<int> t;
            for (int i = 0; i < 5000; ++i) t.push_back(10 * i);
            return t;
        }(),
        [] {
            std::vector<int> t;
            for (int i = 0; i < 3000; ++i) t.push_back(i * i);
            return t;
        }(),
        [] {
            std::vector<int> t{kMin, kMin + 1, -5};
            for (int i = 0; i < 2000; ++i) t.push_back(i);
            t.insert(t.end(), {kMax - 1, kMax});
            return t;
        }(),
        {3},
        {},
    };
    for (const std::vector<int>& ticks : spreads) {
        std::vector<int> probes{kMin, kMax, -1, 0, 1};
        for (const int t : ticks) {
            probes.push_back(t);
            if (t > kMin) probes.push_back(t - 1);
            if (t < kMax) probes.push_back(t + 1);
        }
        for (const int probe : probes) {
            const auto expected =
                std::upper_bound(ticks.begin(), ticks.end(), probe) - ticks.begin();
            ASSERT_EQ(static_cast<std::ptrdiff_t>(zx::upperBoundTick(ticks, probe)), expected)
                << ticks.size() << " ticks, probe " << probe;
        }
    }
}

// The searches must see the key frames as they are, whichever way they changed: through the
// timeline, through writable handles on the key frames and their container, by a copy or a load.
TYPED_TEST(TimelineRules, SearchesFollowChangesMadeAroundTheTimeline) {
    const auto agreesWithAScan = [](const TypeParam& timeline, const char* after) {
        const std::vector<int> ticks = ticksOf(timeline);
        for (int tick = -1; tick <= (ticks.empty() ? 1 : ticks.back() + 1); ++tick) {
            const int expected =
                static_cast<int>(std::upper_bound(ticks.begin(), ticks.end(), tick) -
                                 ticks.begin()) -
                1;
            ASSERT_EQ(timeline.getKeyFrameIndexForTick(tick), expected)
                << "tick " << tick << " after " << after;
            const int free = static_cast<int>(std::lower_bound(ticks.begin(), ticks.end(), tick) -
                                              ticks.begin());
            const bool taken = free < static_cast<int>(ticks.size()) && ticks[free] == tick;
            ASSERT_EQ(timeline.findInsertPosition(keyAt<TypeParam>(tick)),
                      taken || tick < 0 ? -1 : free)
                << "tick " << tick << " after " << after;
        }
    };
    TypeParam timeline;
    for (int tick : {10, 20, 30, 40, 50})
        ASSERT_GE(timeline.addKeyFrame(keyAt<TypeParam>(tick)), 0);
    agreesWithAScan(timeline, "adding");
    // A tick moved within its neighbours through a writable handle.
    timeline.getKeyFrames().getWritableReference(2)->setTick(33);
    agreesWithAScan(timeline, "a tick changed through a handle");
    ASSERT_EQ(timeline.addKeyFrame(keyAt<TypeParam>(35)), 3);
    agreesWithAScan(timeline, "adding after the change");
    // The key frames replaced through the container itself, more of them than before.
    TypeParam other;
    for (int tick : {5, 15, 25, 45, 60, 70})
        ASSERT_GE(other.addKeyFrame(keyAt<TypeParam>(tick)), 0);
    timeline.getKeyFrames().copyFrom(std::as_const(other).getKeyFrames());
    agreesWithAScan(timeline, "replacing the key frames through the container");
    ASSERT_TRUE(timeline.removeKeyFrame(timeline.keyFrame(1)->getID()));
    agreesWithAScan(timeline, "a removal through the timeline");
    const TypeParam copy(timeline);
    agreesWithAScan(copy, "a copy");
    TypeParam assigned;
    assigned = timeline;
    agreesWithAScan(assigned, "an assignment");
    agreesWithAScan(load<TypeParam>(save(timeline)), "a load");
    timeline.getKeyFrames().copyFrom(TypeParam().getKeyFrames());
    agreesWithAScan(timeline, "emptying the container");
    ASSERT_EQ(timeline.addKeyFrame(keyAt<TypeParam>(5)), 0);
    agreesWithAScan(timeline, "adding to the emptied timeline");
}

TYPED_TEST(TimelineRules, RefusedTicksChangeNothing) {
    TypeParam timeline;
    ASSERT_EQ(timeline.addKeyFrame(keyAt<TypeParam>(10)), 0);
    // A taken tick, a new key frame's tick (-1), a negative one and an unset one.
    EXPECT_EQ(timeline.findInsertPosition(keyAt<TypeParam>(10)), -1);
    EXPECT_EQ(timeline.addKeyFrame(keyAt<TypeParam>(10)), -1);
    typename KeyOf<TypeParam>::type fresh;
    fresh.setID(::fresh<CKeyFrameID>());
    EXPECT_EQ(timeline.addKeyFrame(fresh), -1);
    EXPECT_EQ(timeline.addKeyFrame(keyAt<TypeParam>(-3)), -1);
    EXPECT_EQ(timeline.findInsertPosition(keyAt<TypeParam>(0)), 0);
    EXPECT_EQ(timeline.findInsertPosition(keyAt<TypeParam>(11)), 1);
    EXPECT_EQ(timeline.getKeyFrameCount(), 1);
    EXPECT_EQ(timeline.getStartTick(), 10);
    EXPECT_EQ(timeline.getEndTick(), 10);
}

TYPED_TEST(TimelineRules, RemovalsKeepStartAndEndTicks) {
    TypeParam timeline;
    std::vector<CKeyFrameID> ids;
    for (int tick : {40, 10, 30, 20}) {
        const auto key = keyAt<TypeParam>(tick);
        ids.push_back(key.getID());
        ASSERT_GE(timeline.addKeyFrame(key), 0);
    }
    EXPECT_FALSE(timeline.removeKeyFrame(fresh<CKeyFrameID>()));
    ASSERT_TRUE(timeline.removeKeyFrame(ids[1]));  // the first, tick 10
    EXPECT_EQ(timeline.getStartTick(), 20);
    EXPECT_EQ(timeline.getEndTick(), 40);
    ASSERT_TRUE(timeline.removeKeyFrame(ids[0]));  // the last, tick 40
    EXPECT_EQ(timeline.getEndTick(), 30);
    EXPECT_EQ(timeline.getKeyFrameIndexForTick(35), 1);
    // The index still finds the remaining key frames by ID after the storage moved.
    EXPECT_EQ(timeline.keyFrame(0)->getID(), ids[3]);
    ASSERT_TRUE(timeline.removeKeyFrame(ids[3]));
    ASSERT_TRUE(timeline.removeKeyFrame(ids[2]));
    EXPECT_EQ(timeline.getKeyFrameCount(), 0);
    EXPECT_EQ(timeline.getStartTick(), -1);
    EXPECT_EQ(timeline.getEndTick(), -1);
    EXPECT_FALSE(timeline.removeKeyFrame(ids[2]));
}

// Where the record of a set CProjectInt holding value starts in bytes (its state byte 1).
std::size_t findSetInt(const std::vector<std::byte>& bytes, std::int32_t value) {
    std::byte pattern[5] = {std::byte{1}};
    std::memcpy(pattern + 1, &value, sizeof value);
    const auto at = std::search(bytes.begin(), bytes.end(), std::begin(pattern), std::end(pattern));
    EXPECT_NE(at, bytes.end());
    return static_cast<std::size_t>(at - bytes.begin());
}

TYPED_TEST(TimelineRules, KeyFramesOutOfTickOrderAreRefusedBothWays) {
    TypeParam timeline;
    // IDs without a byte 1 in them, so the ticks' bytes are found unambiguously.
    for (int tick : {10, 20}) {
        typename KeyOf<TypeParam>::type key(tick);
        GUID guid;
        guid.fill(static_cast<std::uint8_t>(0x40 + tick));
        key.setID(CKeyFrameID(guid));
        ASSERT_GE(timeline.addKeyFrame(key), 0);
    }
    const auto bytes = save(timeline);
    EXPECT_TRUE(load<TypeParam>(bytes) == timeline);
    // A file is not trusted: a later tick first, a repeated tick, a negative one.
    const std::size_t first = findSetInt(bytes, 10);
    for (std::int32_t tick : {30, 20, -5}) {
        std::vector<std::byte> broken = bytes;
        std::memcpy(broken.data() + first + 1, &tick, sizeof tick);
        CZentrixArchive in{std::span<const std::byte>(broken)};
        TypeParam loaded;
        try {
            loaded.Serialize(in);
            ADD_FAILURE() << "tick " << tick << " was loaded";
        } catch (const CArchiveException& e) {
            EXPECT_NE(std::string(e.what()).find(TypeParam::s_kindName), std::string::npos)
                << e.what();
            EXPECT_NE(std::string(e.what()).find("KeyFrameTicks"), std::string::npos) << e.what();
        }
    }
    // A tick changed through a writable handle is refused when saving, not written.
    TypeParam changed(timeline);
    changed.getKeyframes().getWritableReference(0)->setTick(20);
    CZentrixArchive out;
    EXPECT_THROW(changed.Serialize(out), CArchiveException);
}

TYPED_TEST(TimelineRules, FilledTimelinesKeepTheirOrder) {
    for (std::uint64_t seed = 1; seed < 40; ++seed) {
        TypeParam timeline = filled<TypeParam>(seed);
        const std::vector<int> ticks = ticksOf(timeline);
        ASSERT_EQ(ticks.size(), 2u);
        EXPECT_LT(ticks[0], ticks[1]) << "seed " << seed;
        EXPECT_EQ(timeline.getStartTick(), ticks.front());
        EXPECT_EQ(timeline.getEndTick(), ticks.back());
        EXPECT_TRUE(load<TypeParam>(save(timeline)) == timeline);
    }
}

TEST(KeyFrames, InterpolationTypesOfEventsAndPathKeysAreFixed) {
    CEventKeyFrame event;
    event.setInterpolationType(InterpolationType::Linear);
    EXPECT_EQ(event.getInterpolationType().toInt(), 0);
    CPathKey key;
    EXPECT_EQ(key.getInterpolationType().toInt(), 2);
    key.setInterpolationType(InterpolationType::Step);
    EXPECT_EQ(key.getInterpolationType().toInt(), 2);
    CProjectTimeKeyFrame focus(5);
    EXPECT_EQ(focus.getInterpolationType().toInt(), 2);
    EXPECT_EQ(focus.getTick().getValue(), 5);
    focus.setInterpolationType(InterpolationType::Step);
    EXPECT_EQ(load<CProjectTimeKeyFrame>(save(focus)).getInterpolationType().toInt(), 0);
}

TEST(KeyFrames, NewEventKeyFrameHasItsDefaults) {
    const CEventKeyFrame event;
    EXPECT_EQ(event.getTick().getValue(), -1);
    EXPECT_EQ(event.get3DRenderMode().toInt(), 4);
    EXPECT_EQ(event.getDatesToUse().toInt(), 1);
    EXPECT_EQ(event.getColoringMode().toInt(), 1);
    EXPECT_EQ(event.getFilterOperation().getValue(), 0);
    EXPECT_FALSE(event.getHideLines().getValue());
    EXPECT_FALSE(event.getActiveResourceStateID().isValid());
    // Hide and show are separate flags.
    CEventKeyFrame both;
    both.setHideLines(true);
    both.setShowLines(true);
    EXPECT_TRUE(both.getHideLines().getValue() && both.getShowLines().getValue());
    const std::unique_ptr<IEventKeyFrame> copy = both.clone();
    EXPECT_TRUE(*copy == both);
}

TEST(PathTimeline, AKeyWithAPresentIDReplacesIt) {
    CPathTimeline timeline;
    const CPathKey first = keyAt<CPathTimeline>(10);
    ASSERT_EQ(timeline.addKeyFrame(first), 0);
    ASSERT_EQ(timeline.addKeyFrame(keyAt<CPathTimeline>(20)), 1);
    CPathKey moved(first);
    moved.setTick(30);
    moved.setPosition(CGraphicalPointDouble3D(1, 2, 3));
    EXPECT_EQ(timeline.addKeyFrame(moved), 1);
    EXPECT_EQ(timeline.getKeyFrameCount(), 2);
    EXPECT_EQ(ticksOf(timeline), (std::vector<int>{20, 30}));
    EXPECT_EQ(timeline.getStartTick(), 20);
    EXPECT_EQ(timeline.getEndTick(), 30);
    EXPECT_TRUE(*timeline.keyFrame(1) == moved);
    // A replacement whose tick another key holds is refused and the old key stays.
    CPathKey clash(moved);
    clash.setTick(20);
    EXPECT_EQ(timeline.addKeyFrame(clash), -1);
    EXPECT_EQ(timeline.getKeyFrameCount(), 2);
    EXPECT_TRUE(*timeline.keyFrame(1) == moved);
    EXPECT_EQ(timeline.getKeyframes().findByID(moved.getID()), 1);
    // The five-value form builds the key.
    const CKeyFrameID id = fresh<CKeyFrameID>();
    EXPECT_EQ(timeline.addKeyFrame(id, CGraphicalPointDouble3D(4, 5, 6), CQuat(0, 0, 1, 0),
                                   CGraphicalPointDouble3D(), 25),
              1);
    const IPathKeyHandle built = timeline.getKeyframes().find(id);
    EXPECT_EQ(built->getTick().getValue(), 25);
    EXPECT_TRUE(built->getRotation() == CQuat(0, 0, 1, 0));
    timeline.removeAllKeyFrames();
    EXPECT_EQ(timeline.getStartTick(), -1);
}

// Owns a path that a detach handed out, as the caller of detachSubPath must.
std::unique_ptr<IPath> adopt(const IPathWritableHandle& handle) {
    return std::unique_ptr<IPath>(handle.isNull() ? nullptr : &*handle);
}

CPath namedPath(const wchar_t* name) {
    CPath path;
    path.generateIDs();
    path.setName(name);
    return path;
}

TEST(Path, SubPathsMoveWithoutCopying) {
    CPath parent = namedPath(L"Crane");
    auto loose = std::make_unique<CPath>(namedPath(L"Hook"));
    // Without sub-paths only index 0 is open; a refused attach leaves the path with its holder.
    EXPECT_FALSE(parent.attachSubPath(loose->getWritableHandle(), 1));
    EXPECT_FALSE(parent.attachSubPath(loose->getWritableHandle(), -1));
    EXPECT_TRUE(parent.getSubPaths().isNull());
    ASSERT_TRUE(parent.attachSubPath(loose->getWritableHandle(), 0));
    IPath* attached = loose.release();
    EXPECT_EQ(&*parent.getSubPaths().getConstReference(0), attached);
    // The same path (by ID) cannot go in twice.
    CPath twin;
    twin.copyFrom(*attached);
    EXPECT_FALSE(parent.attachSubPath(twin.getWritableHandle(), 1));
    EXPECT_EQ(parent.addSubPath(twin), -1);

    std::unique_ptr<IPath> detached = adopt(parent.detachSubPath(attached->getID()));
    EXPECT_EQ(detached.get(), attached);
    EXPECT_TRUE(parent.getSubPaths().isNull())
        << "detaching the last sub-path frees the collection";
    EXPECT_TRUE(parent.detachSubPath(attached->getID()).isNull());
}

TEST(Path, SubPathPositionsMoveFromTo) {
    CPath parent = namedPath(L"Site");
    std::vector<CPathID> ids;
    for (const wchar_t* name : {L"A", L"B", L"C"}) {
        const CPath child = namedPath(name);
        ids.push_back(child.getID());
        ASSERT_GE(parent.addSubPath(child), 0);
    }
    EXPECT_FALSE(parent.changeSubPathPosition(0, 3));
    EXPECT_FALSE(parent.changeSubPathPosition(-1, 0));
    ASSERT_TRUE(parent.changeSubPathPosition(0, 2));
    const IPathConstArrayHandle order = std::as_const(parent).getSubPaths();
    EXPECT_EQ(order.getConstReference(0)->getID(), ids[1]);
    EXPECT_EQ(order.getConstReference(2)->getID(), ids[0]);
    EXPECT_EQ(order.findByID(ids[0]), 2);
    EXPECT_FALSE(parent.insertSubPath(namedPath(L"D"), 4));
    EXPECT_TRUE(parent.insertSubPath(namedPath(L"D"), 3));
    ASSERT_TRUE(parent.removeSubPath(ids[2]));
    EXPECT_EQ(order.findByID(ids[0]), 1);
    parent.removeAllSubPaths();
    EXPECT_TRUE(parent.getSubPaths().isNull());
}

TEST(Path, TimelineIsOwnedCopiedAndRenewed) {
    CPath path = namedPath(L"Truck");
    EXPECT_TRUE(path.getTimeline().isNull());
    EXPECT_EQ(path.getColor().getPacked(), 0x0000FFu);
    CPathTimeline timeline;
    timeline.generateIDs();
    ASSERT_GE(timeline.addKeyFrame(keyAt<CPathTimeline>(4)), 0);
    path.setTimeline(timeline);
    CPath child = namedPath(L"Trailer");
    child.setTimeline(timeline);
    ASSERT_GE(path.addSubPath(child), 0);

    CPath copy(path);
    EXPECT_TRUE(copy == path);
    EXPECT_NE(&*copy.getTimeline(), &*path.getTimeline());
    copy.generateIDs();
    EXPECT_FALSE(copy.getTimeline()->getID() == timeline.getID());
    EXPECT_FALSE(copy.getTimeline()->keyFrame(0)->getID() == timeline.keyFrame(0)->getID());
    const IPathHandle copiedChild = std::as_const(copy).getSubPaths().getConstReference(0);
    EXPECT_FALSE(copiedChild->getID() == child.getID());
    EXPECT_FALSE(copiedChild->getTimeline()->getID() == timeline.getID());
    EXPECT_EQ(copiedChild->getTimeline()->getStartTick(), 4);

    path.clearTimeline();
    EXPECT_TRUE(path.getTimeline().isNull());
    EXPECT_TRUE(load<CPath>(save(path)) == path);
}

// Sub-paths nest to any depth: copying, comparing, renewing, dumping and destroying a deep chain
// take the stack of one level.
TEST(Path, DeepChainsOfSubPathsNeedNoDeepStack) {
    constexpr int depth = 20000;
    auto top = std::make_unique<CPath>(namedPath(L"Level"));
    for (int i = 1; i < depth; ++i) {
        auto parent = std::make_unique<CPath>(namedPath(L"Level"));
        ASSERT_TRUE(parent->attachSubPath(top->getWritableHandle(), 0));
        (void)top.release();
        top = std::move(parent);
    }
    CPath copy(*top);
    EXPECT_TRUE(copy == *top);
    copy.generateIDs();
    EXPECT_FALSE(copy == *top);
    EXPECT_GT(copy.dump().size(), static_cast<std::size_t>(depth) * 40);
}

TEST(ScalarsUnsetWithAValue, KeepTheValueThroughRecordsAndJson) {
    CProjectBool flag;
    flag.unsetKeeping(true);
    EXPECT_FALSE(flag.isValid());
    EXPECT_TRUE(flag.getValue());
    EXPECT_FALSE(flag == CProjectBool());
    // State byte 2, then the value; the plain states keep their old bytes.
    CZentrixArchive out;
    flag.Serialize(out);
    CProjectBool unset, set = false;
    unset.Serialize(out);
    set.Serialize(out);
    const std::vector<std::byte> bytes = out.takeStoredBytes();
    const std::size_t header = bytes.size() - 5;
    EXPECT_EQ(
        std::vector<std::byte>(bytes.begin() + static_cast<std::ptrdiff_t>(header), bytes.end()),
        (std::vector<std::byte>{std::byte{2}, std::byte{1}, std::byte{0}, std::byte{1},
                                std::byte{0}}));
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    CProjectBool a, b, c;
    a.Serialize(in);
    b.Serialize(in);
    c.Serialize(in);
    EXPECT_TRUE(a == flag);
    EXPECT_TRUE(b == unset);
    EXPECT_TRUE(c == set);
    // Any other state byte is refused.
    std::vector<std::byte> bad(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(header));
    bad.insert(bad.end(), {std::byte{3}, std::byte{1}});
    CZentrixArchive badIn{std::span<const std::byte>(bad)};
    EXPECT_THROW(a.Serialize(badIn), CArchiveException);

    CProjectInt number;
    number.unsetKeeping(-4);
    zxjson::JsonOutput text;
    zxjson::writeJson(text, number);
    EXPECT_EQ(text.view(), R"({"unset":-4})");
    zxjson::JsonTree tree;
    std::istringstream json{std::string(text.view())};
    tree.parse(json);
    CProjectInt read = 7;
    zxjson::readJson(tree.root(), read);
    EXPECT_TRUE(read == number);
}

TEST(Legend, SetsAreCopiedWholeAndReachableForChange) {
    CLegendProperties legend;
    EXPECT_TRUE(legend.getShowLegend());
    EXPECT_TRUE(legend.getIncludeAllCodeValues());
    EXPECT_DOUBLE_EQ(legend.getTitleFontSize(), 12.0);
    CCodeValueIDArray values;
    const CCodeValueID first = fresh<CCodeValueID>();
    (void)values.Add(first);
    legend.setIncludedCodeValueIDs(values);
    (void)values.Add(fresh<CCodeValueID>());
    EXPECT_EQ(legend.getIncludedCodeValueIDs().GetSize(), 1);
    (void)legend.getIncludedCodeValueIDsWritableReference().Add(fresh<CCodeValueID>());
    EXPECT_EQ(legend.getIncludedCodeValueIDs().GetSize(), 2);
    EXPECT_GE(legend.getIncludedCodeValueIDs().findByID(first), 0);
    const std::unique_ptr<CLegendProperties> copy = legend.clone();
    EXPECT_TRUE(*copy == legend);
    legend.setToDefault();
    EXPECT_TRUE(legend == CLegendProperties());
}

// The protected unset operations of a position, opened for the test.
class OpenPosition : public CPosition {
public:
    using CPosition::CPosition;
    using IPosition::getWritableViewpoint;
    using IPosition::unsetIsFiltersValid;
    using IPosition::unsetShowMainGrid;
};

TEST(Position, UnsetFlagsKeepTheirValue) {
    OpenPosition position;
    position.unsetShowMainGrid(true);
    EXPECT_TRUE(position.getShowMainGrid().getValue());
    EXPECT_FALSE(position.getShowMainGrid().isValid());
    position.unsetIsFiltersValid(false);
    EXPECT_FALSE(position.getIsFiltersValid().isValid());
    const CPosition loaded = load<CPosition>(save(position));
    EXPECT_TRUE(loaded == position);
    EXPECT_TRUE(loaded.getShowMainGrid().getValue());
    EXPECT_FALSE(loaded.getShowMainGrid().isValid());
    position.setShowMainGrid(true);
    EXPECT_TRUE(position.getShowMainGrid().isValid());
    EXPECT_FALSE(position == loaded);
}

TEST(Position, NamedPositionDiffersOnlyInName) {
    CPosition named(CString(L"North elevation"));
    EXPECT_EQ(named.getName().getString(), CString(L"North elevation"));
    named.setName(CString());
    EXPECT_TRUE(named == CPosition());
    EXPECT_EQ(CPosition().get3DRenderMode().toInt(), 4);
}

TEST(Position, CopiesOwnTheirViewpoint) {
    OpenPosition position;
    CViewpointCamera camera;
    camera.setPosition(CGraphicalPointDouble3D(1, 2, 3));
    position.setViewpoint(camera);
    CPosition copy;
    copy.copyFrom(position);
    EXPECT_NE(&*copy.getViewpoint(), &*position.getViewpoint());
    position.getWritableViewpoint()->setPosition(CGraphicalPointDouble3D(7, 8, 9));
    EXPECT_TRUE(copy.getViewpoint()->getPosition() == CGraphicalPointDouble3D(1, 2, 3));
    EXPECT_FALSE(copy == position);
}

TEST(CameraKeyFrame, TurnAndMarkerAreOptionalAndOwned) {
    CCameraKeyFrame key(12);
    EXPECT_TRUE(key.getTurnableAnimation().isNull());
    EXPECT_TRUE(key.getCameraMarker().isNull());
    EXPECT_TRUE(load<CCameraKeyFrame>(save(key)) == key);
    CTurnableAnimation turn;
    turn.setDegrees(90.0);
    turn.setClockwise(false);
    key.setTurnableAnimation(turn);
    key.allocateCameraMarker().setObjectID(CIDBase::generate());
    CCameraKeyFrame copy(key);
    EXPECT_NE(&*copy.getTurnableAnimation(), &*key.getTurnableAnimation());
    key.getWritableTurnableAnimation()->setDegrees(45.0);
    EXPECT_EQ(copy.getTurnableAnimation()->getDegrees().getValue(), 90.0);
    const CCameraKeyFrame loaded = load<CCameraKeyFrame>(save(copy));
    EXPECT_TRUE(loaded == copy);
    EXPECT_FALSE(loaded.getTurnableAnimation()->getClockwise().getValue());
    copy.clearTurnableAnimation();
    copy.clearCameraMarker();
    EXPECT_TRUE(copy.getTurnableAnimation().isNull());
    EXPECT_TRUE(load<CCameraKeyFrame>(save(copy)).getCameraMarker().isNull());
}

TEST(Animation, TimelinesAreReplacedByCopiesAndRenewed) {
    CAnimation animation;
    animation.generateIDs();
    EXPECT_TRUE(animation.getEventTimeline().isNull());
    EXPECT_TRUE(animation.getWritableCameraTimeline().isNull());
    CEventTimeline events;
    events.generateIDs();
    ASSERT_GE(events.addKeyFrame(keyAt<CEventTimeline>(10)), 0);
    animation.setEventTimeline(events);
    ASSERT_GE(events.addKeyFrame(keyAt<CEventTimeline>(20)), 0);
    EXPECT_EQ(animation.getEventTimeline()->getKeyFrameCount(), 1) << "set copies";
    animation.setEventTimeline(events);
    EXPECT_EQ(animation.getEventTimeline()->getEndTick(), 20);
    CCameraTimeline cameras;
    cameras.generateIDs();
    CCameraKeyFrame view(3);
    view.setID(fresh<CKeyFrameID>());
    ASSERT_EQ(cameras.addKeyFrame(view), 0);
    animation.setCameraTimeline(cameras);
    CProjectTimeTimeline focus;
    focus.generateIDs();
    animation.setFocusTimeTimeline(focus);
    ASSERT_FALSE(animation.getWritableTemporalTimeline().isNull());

    const CAnimation loaded = load<CAnimation>(save(animation));
    EXPECT_TRUE(loaded == animation);
    CAnimation renewed(animation);
    renewed.generateIDs();
    EXPECT_FALSE(renewed.getEventTimeline()->getID() == events.getID());
    EXPECT_FALSE(renewed.getEventTimeline()->keyFrame(0)->getID() == events.keyFrame(0)->getID());
    EXPECT_FALSE(renewed.getCameraTimeline()->keyFrame(0)->getID() == view.getID());
    EXPECT_FALSE(renewed.getFocusTimeTimeline()->getID() == focus.getID());

    animation.removeEventTimeline();
    animation.removeCameraTimeline();
    animation.removeFocusTimeTimeline();
    EXPECT_TRUE(animation.getEventTimeline().isNull());
    EXPECT_TRUE(load<CAnimation>(save(animation)) == animation);
}

// Every flag of a kind, as getter and setter: a setter that writes another flag than its getter
// reads (one line copied from the next) shows here.
template <class T, class Flag, class Setter>
void expectEachSetterChangesItsOwnFlagOnly(const std::vector<std::pair<Flag, Setter>>& flags) {
    const T fresh;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        T object;
        const bool value = !(fresh.*flags[i].first)().getValue();
        (object.*flags[i].second)(value);
        for (std::size_t j = 0; j < flags.size(); ++j)
            EXPECT_EQ(((object.*flags[j].first)() == (fresh.*flags[j].first)()), i != j)
                << "setter " << i << ", flag " << j;
    }
}

TEST(KeyFrames, EachEventFlagHasItsOwnSetter) {
    using Getter = const CProjectBool& (IEventKeyFrame::*)() const;
    using Setter = void (IEventKeyFrame::*)(const bool&);
    expectEachSetterChangesItsOwnFlagOnly<CEventKeyFrame>(std::vector<std::pair<Getter, Setter>>{
        {&IEventKeyFrame::getHideAll3DNotations, &IEventKeyFrame::setHideAll3DNotations},
        {&IEventKeyFrame::getHideAllUserGrids, &IEventKeyFrame::setHideAllUserGrids},
        {&IEventKeyFrame::getHideMainGrid, &IEventKeyFrame::setHideMainGrid},
        {&IEventKeyFrame::getShowMainGrid, &IEventKeyFrame::setShowMainGrid},
        {&IEventKeyFrame::getHideAllCuttingPlanes, &IEventKeyFrame::setHideAllCuttingPlanes},
        {&IEventKeyFrame::getChangeFilters, &IEventKeyFrame::setChangeFilters},
        {&IEventKeyFrame::getChange3DRenderMode, &IEventKeyFrame::setChange3DRenderMode},
        {&IEventKeyFrame::getChangeDatesToUse, &IEventKeyFrame::setChangeDatesToUse},
        {&IEventKeyFrame::getIgnoreTimeline, &IEventKeyFrame::setIgnoreTimeline},
        {&IEventKeyFrame::getChangeColoringMode, &IEventKeyFrame::setChangeColoringMode},
        {&IEventKeyFrame::getHideLines, &IEventKeyFrame::setHideLines},
        {&IEventKeyFrame::getShowLines, &IEventKeyFrame::setShowLines},
        {&IEventKeyFrame::getHideEdges, &IEventKeyFrame::setHideEdges},
        {&IEventKeyFrame::getShowEdges, &IEventKeyFrame::setShowEdges},
        {&IEventKeyFrame::getHideFaces, &IEventKeyFrame::setHideFaces},
        {&IEventKeyFrame::getShowFaces, &IEventKeyFrame::setShowFaces},
        {&IEventKeyFrame::getHideText, &IEventKeyFrame::setHideText},
        {&IEventKeyFrame::getShowText, &IEventKeyFrame::setShowText},
        {&IEventKeyFrame::getDisableAmbientOcclusion, &IEventKeyFrame::setDisableAmbientOcclusion},
        {&IEventKeyFrame::getEnableAmbientOcclusion, &IEventKeyFrame::setEnableAmbientOcclusion},
        {&IEventKeyFrame::getDisableBloom, &IEventKeyFrame::setDisableBloom},
        {&IEventKeyFrame::getEnableBloom, &IEventKeyFrame::setEnableBloom},
        {&IEventKeyFrame::getDisableFastSilHouetteEdges,
         &IEventKeyFrame::setDisableFastSilHouetteEdges},
        {&IEventKeyFrame::getEnableFastSilHouetteEdges,
         &IEventKeyFrame::setEnableFastSilHouetteEdges},
        {&IEventKeyFrame::getDisableShadows, &IEventKeyFrame::setDisableShadows},
        {&IEventKeyFrame::getEnableShadows, &IEventKeyFrame::setEnableShadows},
        {&IEventKeyFrame::getDisableUsageOfProjectGlobalLight,
         &IEventKeyFrame::setDisableUsageOfProjectGlobalLight},
        {&IEventKeyFrame::getEnableUsageOfProjectGlobalLight,
         &IEventKeyFrame::setEnableUsageOfProjectGlobalLight},
        {&IEventKeyFrame::getHideAxisIndicator, &IEventKeyFrame::setHideAxisIndicator},
        {&IEventKeyFrame::getShowAxisIndicator, &IEventKeyFrame::setShowAxisIndicator},
        {&IEventKeyFrame::getDisableVisibilityOfGrids,
         &IEventKeyFrame::setDisableVisibilityOfGrids},
        {&IEventKeyFrame::getEnableVisibilityOfGrids, &IEventKeyFrame::setEnableVisibilityOfGrids},
        {&IEventKeyFrame::getHideLegend, &IEventKeyFrame::setHideLegend},
        {&IEventKeyFrame::getShowLegend, &IEventKeyFrame::setShowLegend},
        {&IEventKeyFrame::getHidePaths, &IEventKeyFrame::setHidePaths},
        {&IEventKeyFrame::getShowPaths, &IEventKeyFrame::setShowPaths},
        {&IEventKeyFrame::getHideFocusTime, &IEventKeyFrame::setHideFocusTime},
        {&IEventKeyFrame::getShowFocusTime, &IEventKeyFrame::setShowFocusTime},
        {&IEventKeyFrame::getHideIndicatorOfVisibleGridSize,
         &IEventKeyFrame::setHideIndicatorOfVisibleGridSize},
        {&IEventKeyFrame::getShowIndicatorOfVisibleGridSize,
         &IEventKeyFrame::setShowIndicatorOfVisibleGridSize},
        {&IEventKeyFrame::getDisableVisibilityOfSkyline,
         &IEventKeyFrame::setDisableVisibilityOfSkyline},
        {&IEventKeyFrame::getEnableVisibilityOfSkyline,
         &IEventKeyFrame::setEnableVisibilityOfSkyline},
        {&IEventKeyFrame::getChangeLegendProperties, &IEventKeyFrame::setChangeLegendProperties},
    });
}

TEST(Legend, EachFlagHasItsOwnSetter) {
    struct Flag {
        bool (CLegendProperties::*get)() const;
        void (CLegendProperties::*set)(const bool&);
    };
    const std::vector<Flag> flags{
        {&CLegendProperties::getShowLegend, &CLegendProperties::setShowLegend},
        {&CLegendProperties::getAutotitle, &CLegendProperties::setAutotitle},
        {&CLegendProperties::getTransparentBackground,
         &CLegendProperties::setTransparentBackground},
        {&CLegendProperties::getDrawBorder, &CLegendProperties::setDrawBorder},
        {&CLegendProperties::getShowStartAppearance, &CLegendProperties::setShowStartAppearance},
        {&CLegendProperties::getShowActiveAppearance, &CLegendProperties::setShowActiveAppearance},
        {&CLegendProperties::getShowEndAppearance, &CLegendProperties::setShowEndAppearance},
        {&CLegendProperties::getShowCodeName, &CLegendProperties::setShowCodeName},
        {&CLegendProperties::getShowCodeValueDescription,
         &CLegendProperties::setShowCodeValueDescription},
        {&CLegendProperties::getIncludeAllAppearanceProfiles,
         &CLegendProperties::setIncludeAllAppearanceProfiles},
        {&CLegendProperties::getIncludeAllResourceStatuses,
         &CLegendProperties::setIncludeAllResourceStatuses},
        {&CLegendProperties::getIncludeAllCompanies, &CLegendProperties::setIncludeAllCompanies},
        {&CLegendProperties::getIncludeAllCodeValues, &CLegendProperties::setIncludeAllCodeValues},
        {&CLegendProperties::getIncludeAllTableFormatRules,
         &CLegendProperties::setIncludeAllTableFormatRules},
    };
    const CLegendProperties fresh;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        CLegendProperties legend;
        (legend.*flags[i].set)(!(fresh.*flags[i].get)());
        for (std::size_t j = 0; j < flags.size(); ++j)
            EXPECT_EQ((legend.*flags[j].get)() == (fresh.*flags[j].get)(), i != j)
                << "setter " << i << ", flag " << j;
    }
}

// Every flag of a position with its setter and, where it has one, its protected unset operation.
class PositionFlags : public CPosition {
public:
    struct Flag {
        const CProjectBool& (IPosition::*get)() const;
        void (IPosition::*set)(bool);
        void (PositionFlags::*unset)(bool);
    };
    static std::vector<Flag> all() {
        return {
            {&PositionFlags::getIsFocusTime, &PositionFlags::setIsFocusTime,
             &PositionFlags::unsetIsFocusTime},
            {&PositionFlags::getIsViewpoint, &PositionFlags::setIsViewpoint,
             &PositionFlags::unsetIsViewpoint},
            {&PositionFlags::getIsCuttingPlanesValid, &PositionFlags::setIsCuttingPlanesValid,
             &PositionFlags::unsetIsCuttingPlanesValid},
            {&PositionFlags::getIsFiltersValid, &PositionFlags::setIsFiltersValid,
             &PositionFlags::unsetIsFiltersValid},
            {&PositionFlags::getIs3DRenderModeValid, &PositionFlags::setIs3DRenderModeValid,
             &PositionFlags::unsetIs3DRenderModeValid},
            {&PositionFlags::getIsDatesToUseValid, &PositionFlags::setIsDatesToUseValid,
             &PositionFlags::unsetIsDatesToUseValid},
            {&PositionFlags::getIgnoreTimeline, &PositionFlags::setIgnoreTimeline,
             &PositionFlags::unsetIgnoreTimeline},
            {&PositionFlags::getIsColoringModeValid, &PositionFlags::setIsColoringModeValid,
             &PositionFlags::unsetIsColoringModeValid},
            {&PositionFlags::getIsVisibilityPropertiesValid,
             &PositionFlags::setIsVisibilityPropertiesValid,
             &PositionFlags::unsetIsVisibilityPropertiesValid},
            {&PositionFlags::getVisibleLines, &PositionFlags::setVisibleLines,
             &PositionFlags::unsetVisibleLines},
            {&PositionFlags::getVisibleEdges, &PositionFlags::setVisibleEdges,
             &PositionFlags::unsetVisibleEdges},
            {&PositionFlags::getVisibleFaces, &PositionFlags::setVisibleFaces,
             &PositionFlags::unsetVisibleFaces},
            {&PositionFlags::getVisibleText, &PositionFlags::setVisibleText,
             &PositionFlags::unsetVisibleText},
            {&PositionFlags::getIsEffectPropertiesValid, &PositionFlags::setIsEffectPropertiesValid,
             &PositionFlags::unsetIsEffectPropertiesValid},
            {&PositionFlags::getAmbientOcclusionEnabled, &PositionFlags::setAmbientOcclusionEnabled,
             &PositionFlags::unsetAmbientOcclusionEnabled},
            {&PositionFlags::getBloomEnabled, &PositionFlags::setBloomEnabled,
             &PositionFlags::unsetBloomEnabled},
            {&PositionFlags::getFastSilHouetteEdgesEnabled,
             &PositionFlags::setFastSilHouetteEdgesEnabled,
             &PositionFlags::unsetFastSilHouetteEdgesEnabled},
            {&PositionFlags::getShadowsEnabled, &PositionFlags::setShadowsEnabled,
             &PositionFlags::unsetShadowsEnabled},
            {&PositionFlags::getUseProjectGlobalLight, &PositionFlags::setUseProjectGlobalLight,
             &PositionFlags::unsetUseProjectGlobalLight},
            {&PositionFlags::getIsIndicatorPropertiesValid,
             &PositionFlags::setIsIndicatorPropertiesValid,
             &PositionFlags::unsetIsIndicatorPropertiesValid},
            {&PositionFlags::getDisplayAxisIndicator, &PositionFlags::setDisplayAxisIndicator,
             &PositionFlags::unsetDisplayAxisIndicator},
            {&PositionFlags::getVisibilityOfGrids, &PositionFlags::setVisibilityOfGrids,
             &PositionFlags::unsetVisibilityOfGrids},
            {&PositionFlags::getShowPaths, &PositionFlags::setShowPaths,
             &PositionFlags::unsetShowPaths},
            {&PositionFlags::getDisplayFocusTime, &PositionFlags::setDisplayFocusTime,
             &PositionFlags::unsetDisplayFocusTime},
            {&PositionFlags::getFocusTimeIsBackground, &PositionFlags::setFocusTimeIsBackground,
             &PositionFlags::unsetFocusTimeIsBackground},
            {&PositionFlags::getDisplayIndicatorOfVisibleGridSize,
             &PositionFlags::setDisplayIndicatorOfVisibleGridSize,
             &PositionFlags::unsetDisplayIndicatorOfVisibleGridSize},
            {&PositionFlags::getVisibilityOfSkyline, &PositionFlags::setVisibilityOfSkyline,
             &PositionFlags::unsetVisibilityOfSkyline},
            {&PositionFlags::getIs3DNotationsValid, &PositionFlags::setIs3DNotationsValid,
             &PositionFlags::unsetIs3DNotationsValid},
            {&PositionFlags::getIsGridsValid, &PositionFlags::setIsGridsValid,
             &PositionFlags::unsetIsGridsValid},
            {&PositionFlags::getShowMainGrid, &PositionFlags::setShowMainGrid,
             &PositionFlags::unsetShowMainGrid},
            {&PositionFlags::getIsLegendPropertiesValid, &PositionFlags::setIsLegendPropertiesValid,
             &PositionFlags::unsetIsLegendPropertiesValid},
        };
    }
};

TEST(Position, EachFlagHasItsOwnSetterAndUnset) {
    const std::vector<PositionFlags::Flag> flags = PositionFlags::all();
    ASSERT_EQ(flags.size(), 31u);
    const PositionFlags fresh;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        PositionFlags set, unset;
        (set.*flags[i].set)(true);
        (unset.*flags[i].unset)(true);
        EXPECT_TRUE((unset.*flags[i].get)().getValue());
        EXPECT_FALSE((unset.*flags[i].get)().isValid());
        EXPECT_TRUE((set.*flags[i].get)().isValid());
        for (std::size_t j = 0; j < flags.size(); ++j) {
            EXPECT_EQ((set.*flags[j].get)() == (fresh.*flags[j].get)(), i != j) << i << ", " << j;
            EXPECT_EQ((unset.*flags[j].get)() == (fresh.*flags[j].get)(), i != j) << i << ", " << j;
        }
        EXPECT_TRUE(load<CPosition>(save(unset)) == unset);
    }
}

}  // namespace
