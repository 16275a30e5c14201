// The 3D world's own rules beyond the conformance suite: the camera's default and direction
// repair, world units, camera markers and the handles of the plain values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <span>
#include <vector>

#include "basetypes/CArchive.h"
#include "model3d/C3DWorldSettings.h"
#include "model3d/CCameraMarker.h"
#include "model3d/CViewpointCamera.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::load;
using conformance::save;
using Vector = CGraphicalVectorDouble3D;

// Every proper prefix of a value's record is refused with the archive's exception.
template <class T>
void expectEveryPrefixRefused(const std::vector<std::byte>& bytes) {
    // The first bytes are the archive's header; prefixes shorter than it fail there.
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        EXPECT_THROW(
            {
                CZentrixArchive in{std::span<const std::byte>(bytes.data(), n)};
                T value;
                value.Serialize(in);
            },
            CArchiveException)
            << n << " of " << bytes.size() << " bytes";
    }
}

CViewpointCamera cameraWith(const Vector& forwards, const Vector& up) {
    CViewpointCamera camera;
    camera.setForwards(forwards);
    camera.setUp(up);
    return camera;
}

TEST(ViewpointCamera, NewCameraLooksAtTheOriginFromBehindAndAbove) {
    const C3DWorldSettings world;
    const double d30 = world.convertWorldDistanceTo3DUnits(30.0, DistanceUnitType::Metre);
    const double d10 = world.convertWorldDistanceTo3DUnits(10.0, DistanceUnitType::Metre);
    const CViewpointCamera camera;
    EXPECT_EQ(camera.getPosition(), CGraphicalPointDouble3D(0.0, -d30, d10));
    Vector towardsOrigin(-0.0, d30, -d10);
    towardsOrigin.normalize();
    EXPECT_EQ(camera.getForwards(), towardsOrigin);
    const Vector& up = camera.getUp();
    EXPECT_GT(up.getZ(), 0.0);
    EXPECT_DOUBLE_EQ(up.getX(), 0.0);
    EXPECT_NEAR(up.length(), 1.0, 1e-15);
    EXPECT_NEAR(up.dotProduct(camera.getForwards()), 0.0, 1e-15);
    EXPECT_EQ(camera.getProjectionMode(), CameraProjectionMode::Perspective);
    EXPECT_EQ(camera.getFieldOfView(), 0.0);

    CViewpointCamera moved = camera;
    moved.setPosition({1, 2, 3});
    moved.setFieldOfView(45.0);
    moved.clear();
    EXPECT_TRUE(moved == camera);
}

TEST(ViewpointCamera, ValidateDirectionRepairsAsDocumented) {
    struct Case {
        Vector forwards, up;
        Vector expectedForwards, expectedUp;
        bool result;
    };
    const Case cases[] = {
        // Forwards too long: shortened; right (-1, 0, 0); up stays.
        {{0, 0, 2}, {0, 1, 0}, {0, 0, 1}, {0, 1, 0}, true},
        // Parallel: right from the quarter turn about Z, (0, 1, 0); up becomes -Z.
        {{1, 0, 0}, {2, 0, 0}, {1, 0, 0}, {0, 0, -1}, true},
        // Parallel along -Y: the turn about Y leaves forwards as it is, so the default axes.
        {{0, -1, 0}, {0, 1, 0}, {1, 0, 0}, {0, 0, 1}, false},
        // No forwards: +X, and false although up is then repaired.
        {{0, 0, 0}, {0, 0, 5}, {1, 0, 0}, {0, 0, 1}, false},
        {{0, 0, 0}, {0, 3, 0}, {1, 0, 0}, {0, 1, 0}, false},
        // No up: +Z, which with forwards +Y gives a valid pair.
        {{0, 4, 0}, {0, 0, 0}, {0, 1, 0}, {0, 0, 1}, true},
        // Parallel along +Y: the turn about X gives right (0, 0, 1), up (-1, 0, 0).
        {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {-1, 0, 0}, true},
    };
    for (const Case& c : cases) {
        CViewpointCamera camera = cameraWith(c.forwards, c.up);
        camera.setPosition({7, 8, 9});
        camera.setProjectionMode(CameraProjectionMode::Orthographic);
        camera.setFieldOfView(60.0);
        EXPECT_EQ(camera.validateDirection(), c.result) << toDumpText(c.forwards);
        EXPECT_EQ(camera.getForwards(), c.expectedForwards) << toDumpText(camera.getForwards());
        EXPECT_EQ(camera.getUp(), c.expectedUp) << toDumpText(camera.getUp());
        EXPECT_EQ(camera.getPosition(), CGraphicalPointDouble3D(7, 8, 9));
        EXPECT_EQ(camera.getProjectionMode(), CameraProjectionMode::Orthographic);
        EXPECT_EQ(camera.getFieldOfView(), 60.0);
    }
}

TEST(ViewpointCamera, ValidateDirectionMakesAnyPairOrthonormalAndKeepsAValidOne) {
    // A valid pair comes back valid, to rounding; exact unit vectors come back bit for bit.
    const CViewpointCamera standard;
    CViewpointCamera same = standard;
    EXPECT_TRUE(same.validateDirection());
    EXPECT_TRUE(same.getForwards().almostEqual(standard.getForwards(), 4));
    EXPECT_TRUE(same.getUp().almostEqual(standard.getUp(), 4));
    CViewpointCamera axes = cameraWith({0, -0.0, -1}, {0, 1, 0});
    const CViewpointCamera before = axes;
    EXPECT_TRUE(axes.validateDirection());
    EXPECT_TRUE(axes == before);

    CViewpointCamera skewed = cameraWith({3, -1, 2}, {0.5, 0.2, 4});
    EXPECT_TRUE(skewed.validateDirection());
    EXPECT_NEAR(skewed.getForwards().length(), 1.0, 1e-12);
    EXPECT_NEAR(skewed.getUp().length(), 1.0, 1e-12);
    EXPECT_NEAR(skewed.getUp().dotProduct(skewed.getForwards()), 0.0, 1e-12);
    EXPECT_GT(skewed.getUp().getZ(), 0.0);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    CViewpointCamera broken = cameraWith({nan, 0, 0}, {0, 0, 1});
    EXPECT_FALSE(broken.validateDirection());
    EXPECT_EQ(broken.getForwards(), Vector(1, 0, 0));
    EXPECT_EQ(broken.getUp(), Vector(0, 0, 1));
}

TEST(ViewpointCamera, RecordRoundTripsAndRefusesTruncation) {
    CViewpointCamera camera = cameraWith({1, 2, 3}, {-4, 5, 6});
    camera.setPosition({0.25, -1e300, 3});
    camera.setProjectionMode(CameraProjectionMode::Orthographic);
    camera.setFieldOfView(35.5);
    const auto bytes = save(camera);
    const CViewpointCamera loaded = load<CViewpointCamera>(bytes);
    EXPECT_TRUE(loaded == camera);
    expectEveryPrefixRefused<CViewpointCamera>(bytes);

    // A projection mode outside the enumeration is refused, not stored.
    auto bad = bytes;
    const std::size_t modeOffset = bytes.size() - 9 - 4;
    bad[modeOffset] = std::byte{7};
    EXPECT_THROW(load<CViewpointCamera>(bad), CArchiveException);
}

TEST(ViewpointCamera, HandlesViewTheCameraAndNullOnesTheInvalidObject) {
    CViewpointCamera camera;
    const CWritableWrapperHandle<CViewpointCamera> writable = camera.getWritableHandle();
    writable->setFieldOfView(12.0);
    EXPECT_EQ(camera.getFieldOfView(), 12.0);
    const CWrapperHandle<CViewpointCamera> readable = camera.getHandle();
    EXPECT_EQ(readable.get(), &camera);
    const CWrapperHandle<CViewpointCamera> none;
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(&*none, &CViewpointCamera::invalidObject());
    EXPECT_TRUE(*none == CViewpointCamera());
}

TEST(CameraMarker, StartsEmptyRoundTripsAndClears) {
    CCameraMarker marker;
    EXPECT_EQ(marker.getType(), CameraMarkerType::None);
    EXPECT_FALSE(marker.getObjectID().isValid());
    CEntity3DID entity;
    entity.generate();
    marker.setType(CameraMarkerType::Entity3D);
    marker.setObjectID(entity);
    const auto bytes = save(marker);
    EXPECT_TRUE(load<CCameraMarker>(bytes) == marker);
    expectEveryPrefixRefused<CCameraMarker>(bytes);
    marker.getWritableHandle()->clear();
    EXPECT_TRUE(marker == CCameraMarker());
}

TEST(WorldSettings, UnitSizeTakesOnlyPositiveSizes) {
    C3DWorldSettings world;
    EXPECT_EQ(world.get3DUnitSize().getValue(), 1.0);
    EXPECT_EQ(world.get3DUnitType(), DistanceUnitType::Metre);
    world.set3DUnitSize(0.0);
    world.set3DUnitSize(-1.0);
    world.set3DUnitSize(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(world.get3DUnitSize().getValue(), 1.0);
    world.set3DUnitSize(2.5);
    EXPECT_EQ(world.get3DUnitSize().getValue(), 2.5);
    world.clear();
    EXPECT_TRUE(world == C3DWorldSettings());
}

TEST(WorldSettings, ConvertsWorldDistancesIntoModelUnits) {
    C3DWorldSettings world;
    EXPECT_EQ(world.convertWorldDistanceTo3DUnits(30.0, DistanceUnitType::Metre), 30.0);
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(2.0, DistanceUnitType::Kilometre), 2000.0);
    // A model drawn in feet: one model unit is one foot.
    world.set3DUnitType(DistanceUnitType::Foot);
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(0.3048, DistanceUnitType::Metre), 1.0);
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(1.0, DistanceUnitType::Yard), 3.0);
    // One model unit of 5 cm.
    world.set3DUnitType(DistanceUnitType::Centimetre);
    world.set3DUnitSize(5.0);
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(1.0, DistanceUnitType::Metre), 20.0);
    EXPECT_DOUBLE_EQ(world.convertWorldDistanceTo3DUnits(10.0, DistanceUnitType::Millimetre), 0.2);
}

TEST(WorldSettings, LoadedNonPositiveUnitSizeCountsAsOneUnit) {
    I3DWorldSettings::Fields loaded;
    loaded.unitSize = -4.0;
    EXPECT_EQ(I3DWorldSettings::convertWorldDistanceTo3DUnits(loaded, 3.0, DistanceUnitType::Metre),
              3.0);
    loaded.unitSize.unset();
    EXPECT_EQ(I3DWorldSettings::convertWorldDistanceTo3DUnits(loaded, 3.0, DistanceUnitType::Metre),
              3.0);
}

}  // namespace
