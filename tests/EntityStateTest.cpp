// Entity states: groups that live only while they hold an item, refused transparencies, the text
// id, equality without the path key, and the record with its older layouts.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "model3d/CEntityState.h"

namespace {

CGraphicalTransformDouble translation(double x) {
    CGraphicalTransformDouble transform;
    transform.setAsTranslation({x, 2, 3});
    return transform;
}

CEntityState fullState() {
    CEntityState state;
    state.setTransform(translation(1.5));
    state.setColorLock(CProjectColorRGB::fromRGB(255, 127, 0));
    state.setTransparencyLock(CProjectInt(40));
    state.setDynamicTransparency(CProjectInt(30));
    state.setCuttingPlane(CPlaneDouble({1, 2, 3}, {0, 0, 1}));
    CPathKey key(12);
    key.setPosition({4, 5, 6});
    state.setPathKey(key);
    return state;
}

std::vector<std::byte> store(CEntityState& state,
                             int version = CZentrixArchive::s_currentFileVersion) {
    CZentrixArchive out(version);
    state.Serialize(out);
    return out.takeStoredBytes();
}

CEntityState load(std::vector<std::byte> bytes) {
    CZentrixArchive in(std::move(bytes));
    CEntityState state;
    state.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    return state;
}

}  // namespace

TEST(EntityState, GroupsLiveOnlyWhileTheyHoldAnItem) {
    CEntityState state;
    EXPECT_TRUE(state.empty());
    EXPECT_TRUE(state.UseOriginalColor());
    EXPECT_TRUE(state.UseOriginalTransparency());
    EXPECT_FALSE(state.UseOriginalTransform());

    state.setTransparencyLock(CProjectInt(40));
    ASSERT_NE(state.getTransparencyLock(), nullptr);
    EXPECT_FALSE(state.UseOriginalTransparency());
    // Out of range or unset: the item goes, and with it the group it was alone in.
    state.setTransparencyLock(CProjectInt(101));
    EXPECT_EQ(state.getTransparencyLock(), nullptr);
    EXPECT_TRUE(state.empty());
    state.setTransparencyLock(CProjectInt(0));
    state.setTransparencyLock(CProjectInt(-1));
    EXPECT_TRUE(state.empty());
    state.setTransparencyLock(CProjectInt(100));
    state.setTransparencyLock(CProjectInt());
    EXPECT_TRUE(state.empty());

    // The colour lock keeps the group alive when the transparency lock goes.
    state.setColorLock(CProjectColorRGB::white());
    state.setTransparencyLock(CProjectInt(20));
    state.setTransparencyLock(CProjectInt(300));
    EXPECT_NE(state.getColorLock(), nullptr);
    EXPECT_FALSE(state.empty());
    state.clearColorLock();
    EXPECT_TRUE(state.empty());

    state.setDynamicTransparency(CProjectInt(30));
    state.setPathKey(CPathKey(3));
    state.clearDynamicTransparency();
    EXPECT_NE(state.getPathKey(), nullptr);
    state.setDynamicTransparency(CProjectInt(130));
    state.clearPathKey();
    EXPECT_TRUE(state.empty());

    state = fullState();
    EXPECT_TRUE(state.UseOriginalTransform());
    state.clear();
    EXPECT_TRUE(state.empty());
}

TEST(EntityState, TextIdAndEffectiveTransparency) {
    CEntityState state;
    EXPECT_EQ(state.toString(), "-_-_-_-");
    state.setDynamicTransparency(CProjectInt(30));
    EXPECT_EQ(state.toString(), "-_-_-_-_dt");
    EXPECT_FALSE(state.UseOriginalTransparency());
    CProjectColorRGB color;
    state.GetEffectiveTransparencyColor(color);
    EXPECT_EQ(color, CProjectColorRGB().getTransmissionColor(30 * 0.01f));

    state.setTransparencyLock(CProjectInt(40));
    state.GetEffectiveTransparencyColor(color);
    EXPECT_EQ(color, CProjectColorRGB().getTransmissionColor(30 * 0.01f));  // the dynamic one wins
    state.clearDynamicTransparency();
    state.GetEffectiveTransparencyColor(color);
    EXPECT_EQ(color, CProjectColorRGB().getTransmissionColor(40 * 0.01f));
    EXPECT_EQ(state.toString(), "-_-_-_40");

    state.setColorLock(CProjectColorRGB::fromRGB(255, 127, 0));
    EXPECT_EQ(state.toString(), "255_127_0_40");
    state.clearTransparencyLock();
    EXPECT_EQ(state.toString(), "255_127_0_-");
    // Transform, plane and path key do not show.
    state.setTransform(translation(4));
    state.setCuttingPlane(CPlaneDouble());
    EXPECT_EQ(state.toString(), "255_127_0_-");
}

TEST(EntityState, EqualityIgnoresThePathKeyOnly) {
    CEntityState a = fullState();
    CEntityState b = fullState();
    EXPECT_EQ(a, b);
    b.setPathKey(CPathKey(99));
    EXPECT_EQ(a, b);
    b.clearPathKey();
    EXPECT_EQ(a, b);

    b = a;
    b.setCuttingPlane(CPlaneDouble({1, 2, 3}, {0, 1, 0}));
    EXPECT_NE(a, b);
    b = a;
    b.clearTransform();
    EXPECT_NE(a, b);
    b = a;
    b.setDynamicTransparency(CProjectInt(31));
    EXPECT_NE(a, b);

    // Copies are deep; a move leaves the source empty.
    CEntityState copy(a);
    a.clear();
    EXPECT_EQ(copy, fullState());
    CEntityState moved(std::move(copy));
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(moved, fullState());
}

TEST(EntityState, RecordRoundTripsAndLayout) {
    CEntityState state = fullState();
    const std::vector<std::byte> bytes = store(state);
    CEntityState loaded = load(bytes);
    EXPECT_EQ(loaded, state);
    ASSERT_NE(loaded.getPathKey(), nullptr);
    EXPECT_EQ(loaded.getPathKey()->getPosition(), CGraphicalPointDouble3D(4, 5, 6));
    CEntityState again = loaded;
    EXPECT_EQ(store(again), bytes);

    // An empty state is three false flags.
    CEntityState empty;
    EXPECT_EQ(store(empty).size(), 8u + 3u);
    // A colour lock alone: flags, colour, no transparency lock, no dynamic group.
    CEntityState colour;
    colour.setColorLock(CProjectColorRGB(0x00112233));
    const std::vector<std::byte> colourBytes = store(colour);
    const std::vector<std::byte> expected = {std::byte{0},    std::byte{1},    std::byte{1},
                                             std::byte{0x33}, std::byte{0x22}, std::byte{0x11},
                                             std::byte{0},    std::byte{0},    std::byte{0}};
    EXPECT_EQ(std::vector<std::byte>(colourBytes.begin() + 8, colourBytes.end()), expected);
}

TEST(EntityState, OlderVersionsStoreFloats) {
    CEntityState state = fullState();
    const std::size_t current = store(state).size();
    // Version 438: the plane in floats; version 425: the transform too.
    const std::vector<std::byte> v438 = store(state, 438);
    const std::vector<std::byte> v425 = store(state, 425);
    EXPECT_EQ(v438.size(), current - 6 * 4);
    EXPECT_EQ(v425.size(), current - 6 * 4 - 16 * 4);
    // Values that floats hold exactly come back equal.
    EXPECT_EQ(load(v438), state);
    EXPECT_EQ(load(v425), state);

    // A version-425 record written by hand: a transform of 16 floats, then no groups.
    CZentrixArchive out(425);
    out << true;
    for (int i = 0; i < 16; ++i) out << (i % 5 == 0 ? 1.0f : 0.0f);
    out << false << false;
    const CEntityState identity = load(out.takeStoredBytes());
    ASSERT_NE(identity.getTransform(), nullptr);
    EXPECT_EQ(*identity.getTransform(), CGraphicalTransformDouble());

    // A version-438 record: a cutting plane of six floats.
    CZentrixArchive planeOut(438);
    planeOut << false << false << true << false << true;
    for (const float value : {1.0f, 2.0f, 3.0f, 0.0f, 0.0f, 1.0f}) planeOut << value;
    planeOut << false;
    const CEntityState plane = load(planeOut.takeStoredBytes());
    ASSERT_NE(plane.getCuttingPlane(), nullptr);
    EXPECT_EQ(*plane.getCuttingPlane(), CPlaneDouble({1, 2, 3}, {0, 0, 1}));
}

TEST(EntityState, HostileRecordsAreRefused) {
    CEntityState state = fullState();
    std::vector<std::byte> bytes = store(state);
    // Every truncation.
    for (std::size_t size = 8; size < bytes.size(); ++size) {
        CZentrixArchive in(std::vector<std::byte>(bytes.begin(), bytes.begin() + size));
        CEntityState loaded;
        EXPECT_THROW(loaded.Serialize(in), CArchiveException) << size;
    }
    // A transparency lock of 200.
    CZentrixArchive out;
    out << false << true << false << true << std::uint8_t{1} << std::int32_t{200} << false;
    CZentrixArchive in(out.takeStoredBytes());
    CEntityState loaded;
    EXPECT_THROW(loaded.Serialize(in), CArchiveException);

    // A state array round trips.
    CEntityStateArray states;
    (void)states.Add(fullState());
    (void)states.Add(CEntityState());
    CZentrixArchive arrayOut;
    states.Serialize(arrayOut);
    CZentrixArchive arrayIn(arrayOut.takeStoredBytes());
    CEntityStateArray loadedStates;
    loadedStates.Serialize(arrayIn);
    ASSERT_EQ(loadedStates.GetSize(), 2);
    EXPECT_EQ(loadedStates[0], fullState());
    EXPECT_TRUE(loadedStates[1].empty());
}

TEST(EntityState, LocksFollowAnAppearance) {
    CEntityAppearance appearance;
    appearance.setColor(CProjectColorRGB::fromRGB(10, 20, 30));
    appearance.setUseOriginalColor(false);
    appearance.setUseOriginalTransparency(false);
    appearance.setStartTransparency(20);
    appearance.setFinishTransparency(60);

    CEntityState state;
    state.setColorByAppearance(appearance, 0.5);
    ASSERT_NE(state.getColorLock(), nullptr);
    EXPECT_EQ(*state.getColorLock(), CProjectColorRGB::fromRGB(10, 20, 30));
    ASSERT_NE(state.getTransparencyLock(), nullptr);
    EXPECT_EQ(state.getTransparencyLock()->getValue(), appearance.getTransparency(0.0));
    ASSERT_NE(state.getDynamicTransparency(), nullptr);
    EXPECT_EQ(state.getDynamicTransparency()->getValue(), appearance.getTransparency(0.5));

    // Keeping the model's own colour and transparency clears the locks and their group; a
    // dynamic transparency set before stays.
    appearance.setUseOriginalColor(true);
    appearance.setUseOriginalTransparency(true);
    state.setColorByAppearance(appearance, 0.5);
    EXPECT_TRUE(state.UseOriginalColor());
    EXPECT_EQ(state.getTransparencyLock(), nullptr);
    EXPECT_EQ(state.toString(), "-_-_-_-_dt");
}
