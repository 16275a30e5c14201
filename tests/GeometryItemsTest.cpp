// Geometry items and the geometry array: round trips of every kind, refusal of items that could
// not be drawn, and hostile records (bad indices, NaN, impossible counts, unknown kinds).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "model3d/CGeometryArray.h"

namespace {

template <class T>
std::vector<T> coordinates(int count, T start) {
    std::vector<T> values;
    for (int i = 0; i < count; ++i) values.push_back(start + static_cast<T>(i) * T(0.5));
    return values;
}

// A drawable item of every kind with its arrays filled.
template <class K>
K sample() {
    K item;
    if constexpr (requires { item.radius; }) item.radius = 2;
    if constexpr (requires { item.sweepAngle; }) item.sweepAngle = 1;
    if constexpr (requires { item.minorRadius; }) item.minorRadius = 1;
    if constexpr (requires { item.text; }) item.text = L"Level 2";
    if constexpr (requires { item.fileName; }) item.fileName = L"pump.ifc";
    if constexpr (requires { item.profile; })
        item.profile = coordinates<typename decltype(item.profile)::value_type>(9, 1);
    if constexpr (requires { item.triangles; }) {
        using S = typename decltype(item.positions)::value_type;
        item.positions = coordinates<S>(12, 0);
        item.normals = coordinates<S>(12, 1);
        item.textureCoordinates = coordinates<S>(8, 0);
        item.triangles = {0, 1, 2, 2, 3, 0};
    }
    if constexpr (requires { item.knots; }) {
        using S = typename decltype(item.knots)::value_type;
        item.degree = 2;
        item.controlPoints = coordinates<S>(9, 0);
        item.weights = {1, S(0.5), 1};
        item.knots = {0, 0, 0, 1, 1, 1};
    }
    if constexpr (requires { item.knotsU; }) {
        using S = typename decltype(item.knotsU)::value_type;
        item.countU = 2;
        item.countV = 2;
        item.controlPoints = coordinates<S>(12, 0);
        item.knotsU = {0, 0, 1, 1};
        item.knotsV = {0, 0, 1, 1};
    }
    if constexpr (requires { item.faceSizes; }) {
        using S = typename decltype(item.vertices)::value_type;
        item.vertices = coordinates<S>(12, 0);
        item.faceSizes = {4};
        item.faceIndices = {0, 1, 2, 3};
    }
    if constexpr (requires { item.stripLengths; }) {
        using S = typename decltype(item.vertices)::value_type;
        item.vertices = coordinates<S>(12, 0);
        item.stripLengths = {4};
        item.stripIndices = {0, 1, 2, 3};
    }
    if constexpr (requires { item.getPoints(); }) {
        item.addPoint({1, 2, 3});
        item.addPoint({4, 5, 6});
    } else if constexpr (requires { item.points; }) {
        using S = typename decltype(item.points)::value_type;
        item.points = coordinates<S>(9, 0);
    }
    return item;
}

template <class... K>
CGeometryArray oneOfEach(geometry::ItemKinds<K...>) {
    CGeometryArray array;
    const int indices[] = {array.Add(sample<K>())...};
    for (const int index : indices) EXPECT_GE(index, 0);
    return array;
}

std::vector<std::byte> store(CGeometryArray& array) {
    CZentrixArchive out;
    array.Serialize(out);
    return out.takeStoredBytes();
}

// The record of an array holding the one item, written without the array's check.
template <class K>
std::vector<std::byte> unchecked(K item) {
    CZentrixArchive out;
    out.checkMarkerStart(CGeometryArray::s_markerName);
    out << std::int32_t{1} << geometry::GeometryItemKinds::tagOf<K>();
    item.Serialize(out);
    out.checkMarkerEnd(CGeometryArray::s_markerName);
    return out.takeStoredBytes();
}

// Loading the bytes fails with the archive's exception and leaves the array as it was.
void expectRefused(std::vector<std::byte> bytes, const char* recordPart) {
    CGeometryArray array;
    ASSERT_GE(array.Add(sample<CSphere>()), 0);
    const CGeometryArray before = array;
    CZentrixArchive in(std::move(bytes));
    try {
        array.Serialize(in);
        ADD_FAILURE() << "loaded";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find(recordPart), std::string::npos) << e.what();
        EXPECT_GT(e.offset(), 0u);
    }
    EXPECT_EQ(array, before);
}

}  // namespace

TEST(GeometryItems, EveryKindRoundTripsCopiesAndCompares) {
    CGeometryArray array = oneOfEach(geometry::GeometryItemKinds{});
    ASSERT_EQ(array.GetSize(), static_cast<int>(geometry::GeometryItemKinds::size));
    const std::vector<std::byte> bytes = store(array);

    CZentrixArchive in(bytes);
    CGeometryArray loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(loaded, array);
    EXPECT_EQ(store(loaded), bytes);

    CGeometryArray copy = loaded;
    EXPECT_EQ(copy, array);
    ASSERT_NE(copy.get<CMeshDouble>(9), nullptr);
    EXPECT_EQ(copy.get<CMesh>(9), nullptr);
    EXPECT_NE(&copy.GetAt(9), &loaded.GetAt(9));

    CSphereDouble moved = sample<CSphereDouble>();
    moved.radius = 7;
    ASSERT_TRUE(copy.RemoveAt(1));
    EXPECT_NE(copy, array);
    EXPECT_FALSE(copy.RemoveAt(copy.GetSize()));
    EXPECT_NE(toDumpText(array).find("\"kind\":\"CMeshDouble\""), std::string::npos);
}

TEST(GeometryItems, AddRefusesWhatCouldNotBeDrawn) {
    CGeometryArray array;
    CMesh mesh = sample<CMesh>();
    mesh.triangles.back() = 4;  // four vertices: 0..3
    EXPECT_EQ(array.Add(mesh), -1);
    CMesh noVertices;
    noVertices.triangles = {0, 0, 0};
    EXPECT_EQ(array.Add(noVertices), -1);
    mesh.triangles.back() = 3;
    mesh.positions[5] = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(array.Add(mesh), -1);
    CNURBSCurveDouble curve = sample<CNURBSCurveDouble>();
    curve.knots.pop_back();
    EXPECT_EQ(array.Add(curve), -1);
    CShell shell = sample<CShell>();
    shell.faceSizes = {2, 2};
    EXPECT_EQ(array.Add(shell), -1);
    CPolyLineDouble3D line = sample<CPolyLineDouble3D>();
    line.addPoint({0, std::numeric_limits<double>::infinity(), 0});
    EXPECT_EQ(array.Add(line), -1);
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(array.Add(sample<CMesh>()), 0);
}

TEST(GeometryItems, HostileRecordsAreRefused) {
    CMeshDouble mesh = sample<CMeshDouble>();
    mesh.triangles[2] = 1000;
    expectRefused(unchecked(mesh), "CMeshDouble");

    CShellTristrip strip = sample<CShellTristrip>();
    strip.vertices[4] = -std::numeric_limits<float>::infinity();
    expectRefused(unchecked(strip), "CShellTristrip");

    CNURBSSurface surface = sample<CNURBSSurface>();
    surface.knotsV.push_back(2);
    expectRefused(unchecked(surface), "knots");

    CNURBSCurve curve = sample<CNURBSCurve>();
    curve.knots = {0, 1, 0, 1, 1, 1};
    expectRefused(unchecked(curve), "non-decreasing");

    CPolyLine3D line = sample<CPolyLine3D>();
    line.addPoint({std::numeric_limits<float>::quiet_NaN(), 0, 0});
    expectRefused(unchecked(line), "NaN");

    // An unknown kind tag.
    std::vector<std::byte> bytes = unchecked(sample<CSphere>());
    bytes[16] = std::byte{200};  // header, marker, count, then the tag
    expectRefused(bytes, "geometry item kind");

    // A block length past the end: refused before anything is allocated.
    CMesh big = sample<CMesh>();
    bytes = unchecked(big);
    const std::size_t positionsCount = 8 + 4 + 4 + 1 + 4;
    const std::int32_t huge = 0x7fffff00;
    std::memcpy(bytes.data() + positionsCount, &huge, sizeof huge);
    expectRefused(bytes, "Positions");

    // A negative block length.
    const std::int32_t negative = -3;
    std::memcpy(bytes.data() + positionsCount, &negative, sizeof negative);
    expectRefused(bytes, "Positions");

    // Every truncation.
    const std::vector<std::byte> whole = unchecked(sample<CNURBSSurfaceDouble>());
    for (std::size_t size = 8; size < whole.size(); ++size) {
        CZentrixArchive in(std::vector<std::byte>(whole.begin(), whole.begin() + size));
        CGeometryArray array;
        EXPECT_THROW(array.Serialize(in), CArchiveException) << size;
    }
}

TEST(GeometryItems, BlocksAreStoredWhole) {
    CMesh mesh;
    mesh.positions = coordinates<float>(3000, 0);
    mesh.triangles.assign(3000, 7);
    CZentrixArchive out;
    mesh.Serialize(out);
    // Markers, four counts and the raw bytes: nothing per value.
    EXPECT_EQ(out.storedBytes().size(), 8u + 8u + 16u + 3000u * 4u + 3000u * 4u);
    const std::vector<std::byte> bytes = out.takeStoredBytes();
    CZentrixArchive in(bytes);
    CMesh loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded, mesh);
    EXPECT_EQ(mesh.estimateRequiredMemory(true), 3000u * 8u + 3000u * 4u);
}
