// Geometry values: exact versus tolerant comparison, rotation senses, products and inversion,
// hash and text forms, planes and polylines, their archive records and hostile input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

#include "model3d/CGraphicalPoint2D.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "model3d/CGraphicalTransformDouble.h"
#include "model3d/CPlaneDouble.h"
#include "model3d/CPolyLineDouble3D.h"
#include "model3d/CSubdivisionByUniformSlices.h"
#include "model3d/GeometryArrays.h"

namespace {

constexpr std::size_t kHeaderBytes = 8;

template <class T>
std::vector<std::byte> store(T value) {
    CZentrixArchive out;
    value.Serialize(out);
    return out.takeStoredBytes();
}

template <class T>
T load(std::vector<std::byte> bytes) {
    CZentrixArchive in(std::move(bytes));
    T value;
    value.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    return value;
}

// Every proper prefix of a record's bytes must be refused.
template <class T>
void expectEveryTruncationRefused(const std::vector<std::byte>& bytes) {
    for (std::size_t size = kHeaderBytes; size < bytes.size(); ++size) {
        CZentrixArchive in(std::vector<std::byte>(bytes.begin(), bytes.begin() + size));
        T value;
        EXPECT_THROW(value.Serialize(in), CArchiveException) << "prefix of " << size << " bytes";
    }
}

CGraphicalPointDouble3D mapped(const CGraphicalTransformDouble& m, CGraphicalPointDouble3D p) {
    m.multiplyLeft(p, p);
    return p;
}

void expectNear(const CGraphicalPointDouble3D& p, double x, double y, double z) {
    EXPECT_NEAR(p.getX(), x, 1e-12);
    EXPECT_NEAR(p.getY(), y, 1e-12);
    EXPECT_NEAR(p.getZ(), z, 1e-12);
}

// ---- points and vectors ----

TEST(GeometryPoint, ExactAndTolerantComparison) {
    EXPECT_EQ(CGraphicalPointDouble3D(0.0, 1, 2), CGraphicalPointDouble3D(-0.0, 1, 2));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_NE(CGraphicalPointDouble3D(nan, 0, 0), CGraphicalPointDouble3D(nan, 0, 0));

    // A difference below epsilon passes even with tolerance 0; above it, the difference is taken
    // relative to the larger magnitude.
    EXPECT_TRUE(CGraphicalPointDouble3D(1e-17, 0, 0).relativelyEqual({0, 0, 0}, 0.0));
    EXPECT_TRUE(CGraphicalPointDouble3D(100, 0, 0).relativelyEqual({90, 0, 0}, 0.1));
    EXPECT_FALSE(CGraphicalPointDouble3D(90, 0, 0).relativelyEqual({100, 0, 0}, 0.099));
    EXPECT_FALSE(CGraphicalPointDouble3D(nan, 0, 0).relativelyEqual({nan, 0, 0}, 1.0));

    const double one = 1.0;
    const double nextUp = std::nextafter(one, 2.0);
    EXPECT_TRUE(CGraphicalPointDouble3D(one, 0, 0).almostEqual({nextUp, 0, 0}, 1));
    EXPECT_FALSE(CGraphicalPointDouble3D(one, 0, 0).almostEqual({1.0 + 1e-10, 0, 0}, 4));
    EXPECT_TRUE(CGraphicalPoint3D(1e-39f, 0, 0).almostEqual({0, 0, 0}, 0));  // below float min
}

TEST(GeometryVector, ProductsLengthAndNormalize) {
    CGraphicalVectorDouble3D z;
    CGraphicalVectorDouble3D x(1, 0, 0), y(0, 1, 0);
    x.crossProduct(y, z);
    EXPECT_EQ(z, CGraphicalVectorDouble3D(0, 0, 1));  // right-handed
    y.crossProduct(x, y);                             // output aliasing an input
    EXPECT_EQ(y, CGraphicalVectorDouble3D(0, 0, -1));
    EXPECT_EQ(CGraphicalVectorDouble3D(1, 2, 3).dotProduct({4, -5, 6}), 12.0);

    CGraphicalVectorDouble3D v(3, 0, 4);
    EXPECT_EQ(v.length(), 5.0);
    v.normalize();
    EXPECT_EQ(v, CGraphicalVectorDouble3D(0.6, 0, 0.8));
    CGraphicalVectorDouble3D zero;
    zero.normalize();
    EXPECT_EQ(zero, CGraphicalVectorDouble3D());  // no NaN from a zero length
}

// ---- transforms ----

CGraphicalTransformDouble randomTransform(std::mt19937& random) {
    std::uniform_real_distribution<double> element(-10.0, 10.0);
    CGraphicalTransformDouble m;
    for (int k = 0; k < 16; ++k) m.setAt(k, element(random));
    return m;
}

TEST(GeometryTransform, IdentityIsByteWise) {
    CGraphicalTransformDouble m;
    EXPECT_TRUE(m.isIdentityTransform());
    EXPECT_EQ(m, CGraphicalTransformDouble::s_identityTransform);
    m.setAt(4, -0.0);
    EXPECT_FALSE(m.isIdentityTransform());
    EXPECT_NE(m, CGraphicalTransformDouble::s_identityTransform);
    EXPECT_NE(m.hashCode(), CGraphicalTransformDouble::s_identityTransform.hashCode());
    EXPECT_TRUE(m.relativelyEqual(CGraphicalTransformDouble::s_identityTransform, 0.0));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    m.setAt(4, nan);
    CGraphicalTransformDouble same(m.getMatrix());
    EXPECT_EQ(m, same);  // the same NaN bits
    EXPECT_FALSE(m.isValidMatrix());
    EXPECT_TRUE(CGraphicalTransformDouble().isValidMatrix());

    // The hash runs over the element bytes; pinned so that stored hashes stay comparable.
    EXPECT_EQ(CGraphicalTransformDouble().hashCode(), 3494436540u);
    EXPECT_EQ(CGraphicalTransform().hashCode(), 4138771452u);
}

TEST(GeometryTransform, RotationSenses) {
    CGraphicalTransformDouble m;
    m.setAsRotation_X(90);
    expectNear(mapped(m, {0, 1, 0}), 0, 0, 1);
    m.setAsRotation_Y(90);
    expectNear(mapped(m, {1, 0, 0}), 0, 0, 1);  // +x turns towards +z
    expectNear(mapped(m, {0, 0, 1}), -1, 0, 0);
    m.setAsRotation_Z(90);
    expectNear(mapped(m, {1, 0, 0}), 0, 1, 0);

    CGraphicalTransform f;
    f.setAsRotation_Z(90.0f);
    EXPECT_EQ(f.getMatrix()[1], 1.0f);
    EXPECT_EQ(f.getMatrix()[4], -1.0f);
    EXPECT_EQ(f.getMatrix()[15], 1.0f);
}

TEST(GeometryTransform, ProductAppliesTheRightOperandFirst) {
    CGraphicalTransformDouble translate, scale;
    translate.setAsTranslation({10, 20, 30});
    scale.setAsScale({2, 3, 4});
    CGraphicalTransformDouble both;
    translate.multiplyRight(scale, both);
    expectNear(mapped(both, {1, 1, 1}), 12, 23, 34);
    scale.Mult(translate);
    expectNear(mapped(scale, {1, 1, 1}), 22, 63, 124);

    const CGraphicalTransformDouble before = both;
    both.Mult(static_cast<const double*>(nullptr));
    EXPECT_EQ(both, before);
}

TEST(GeometryTransform, InversionRoundTrips) {
    std::mt19937 random(7);
    for (int i = 0; i < 50; ++i) {
        const CGraphicalTransformDouble m = randomTransform(random);  // projective row included
        CGraphicalTransformDouble inverse;
        ASSERT_TRUE(m.invert(inverse));
        CGraphicalTransformDouble product = m;
        product.Mult(inverse);
        // Absolute: relativelyEqual is no measure of round-off around zero.
        for (int k = 0; k < 16; ++k) {
            EXPECT_NEAR(product.getMatrix()[k], CGraphicalTransformDouble().getMatrix()[k], 1e-12)
                << k << " of " << product.toString(false).toUtf8();
        }
        CGraphicalTransformDouble inPlace = m;
        ASSERT_TRUE(inPlace.invert(inPlace));
        EXPECT_EQ(inPlace, inverse);
    }

    CGraphicalTransformDouble translate, inverse;
    translate.setAsTranslation({1.5, -2, 8});
    ASSERT_TRUE(translate.invert(inverse));
    CGraphicalTransformDouble expected;
    expected.setAsTranslation({-1.5, 2, -8});
    EXPECT_TRUE(inverse.relativelyEqual(expected, 0.0));

    CGraphicalTransform f;
    f.setAsScale({2, 4, 8});
    CGraphicalTransform fInverse;
    ASSERT_TRUE(f.invert(fInverse));
    EXPECT_EQ(fInverse.getMatrix()[10], 0.125f);
}

TEST(GeometryTransform, SingularMatrixIsRefusedAndNormalsPassThrough) {
    CGraphicalTransformDouble singular;
    for (int k = 4; k < 8; ++k) singular.setAt(k, 0.0);  // a zero column
    CGraphicalTransformDouble out;
    out.setAsTranslation({1, 2, 3});
    const CGraphicalTransformDouble untouched = out;
    EXPECT_FALSE(singular.invert(out));
    EXPECT_EQ(out, untouched);

    CGraphicalVectorDouble3D normal(1, 2, 3);
    singular.multiplyNormal(normal, normal);
    EXPECT_EQ(normal, CGraphicalVectorDouble3D(1, 2, 3));

    // A stretched plane's normal leans the other way: the inverse transpose.
    CGraphicalTransformDouble stretch;
    stretch.setAsScale({2, 1, 1});
    stretch.multiplyNormal({1, 1, 0}, normal);
    EXPECT_EQ(normal, CGraphicalVectorDouble3D(0.5, 1, 0));
}

TEST(GeometryTransform, NullSourceZeroesAndThrows) {
    CGraphicalTransformDouble m;
    EXPECT_THROW(m.setMatrix(nullptr), std::invalid_argument);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(m.getMatrix()[k], 0.0);
    EXPECT_THROW(CGraphicalTransform(static_cast<const float*>(nullptr)), std::invalid_argument);
}

TEST(GeometryTransform, TransposeSwapsRowsAndColumns) {
    CGraphicalTransformDouble m, t;
    m.setAsTranslation({1, 2, 3});
    m.transpose(t);
    EXPECT_EQ(t.getMatrix()[3], 1.0);
    EXPECT_EQ(t.getMatrix()[7], 2.0);
    EXPECT_EQ(t.getMatrix()[11], 3.0);
    t.transpose(t);
    EXPECT_EQ(t, m);
}

TEST(GeometryTransform, TextForms) {
    const CGraphicalTransformDouble identity;
    EXPECT_EQ(identity.toString(false).toUtf8(),
              "[ [ 00000001, 00000000, 00000000, 00000000 ] [ 00000000, 00000001, 00000000, "
              "00000000 ] [ 00000000, 00000000, 00000001, 00000000 ] [ 00000000, 00000000, "
              "00000000, 00000001 ] ]");
    CGraphicalTransform m;
    m.setAsTranslation({12.5f, -1234.0f, -0.0f});
    EXPECT_EQ(m.toString(true).toUtf8(),
              "[\n\t\t00000001\t\t00000000\t\t00000000\t\t00000000"
              "\n\t\t00000000\t\t00000001\t\t00000000\t\t00000000"
              "\n\t\t00000000\t\t00000000\t\t00000001\t\t00000000"
              "\n\t\t000012.5\t\t-1.23e+03\t\t-0000000\t\t00000001\n]");
}

// ---- archive records and dumps ----

TEST(GeometryArchive, RecordsHaveFixedWidthsAndRoundTrip) {
    const CGraphicalPointDouble3D point(1, -0.0, 3);
    const auto pointBytes = store(point);
    EXPECT_EQ(pointBytes.size(), kHeaderBytes + 24);
    const auto loadedPoint = load<CGraphicalPointDouble3D>(pointBytes);
    EXPECT_TRUE(std::signbit(loadedPoint.getY()));
    expectEveryTruncationRefused<CGraphicalPointDouble3D>(pointBytes);

    CGraphicalTransformDouble m;
    m.setAsRotation_Y(30);
    m.setAt(3, -0.0);
    const auto transformBytes = store(m);
    EXPECT_EQ(transformBytes.size(), kHeaderBytes + 128);
    EXPECT_EQ(load<CGraphicalTransformDouble>(transformBytes), m);
    expectEveryTruncationRefused<CGraphicalTransformDouble>(transformBytes);
    EXPECT_EQ(store(CGraphicalTransform()).size(), kHeaderBytes + 64);

    CGraphicalTransformDoubleArray transforms;
    transforms.Add(m);
    transforms.Add(CGraphicalTransformDouble());
    EXPECT_EQ(load<CGraphicalTransformDoubleArray>(store(transforms)), transforms);
}

TEST(GeometryArchive, DumpTexts) {
    EXPECT_EQ(toDumpText(CGraphicalPointDouble3D(1, 2.5, -0.0)), "[1,2.5,-0]");
    EXPECT_EQ(toDumpText(CGraphicalPoint3D(0.1f, 0, 0)), "[0.100000001,0,0]");
    EXPECT_EQ(toDumpText(CGraphicalTransformDouble()), "[1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1]");
    EXPECT_EQ(toDumpText(static_cast<CGraphicalPoint3D>(CGraphicalPoint2D(2.5f, -1.0f))),
              "[2.5,-1,0]");
    EXPECT_EQ(toDumpText(CPlaneDouble({1, 2, 3}, {0, 0, 1})),
              "{\"position\":[1,2,3],\"direction\":[0,0,1]}");
    EXPECT_EQ(toDumpText(CPolyLineDouble3D({0, 0, 0}, {1, 1, 1})), "[[0,0,0],[1,1,1]]");
}

// ---- planes ----

TEST(GeometryPlane, CoefficientsAndTransform) {
    CPlaneDouble plane({0, 0, 5}, {0, 0, 2});  // the normal is kept unnormalised
    double a, b, c, d;
    plane.GetPlaneCoefficients(a, b, c, d);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(c, 2.0);
    EXPECT_EQ(d, -10.0);
    double ia, ib, ic, id;
    plane.GetInversePlaneCoefficients(ia, ib, ic, id);
    EXPECT_EQ(ic, -c);
    EXPECT_EQ(id, -d);

    CGraphicalTransformDouble turn;
    turn.setAsRotation_X(90);  // +z turns to -y
    CPlaneDouble turned;
    plane.Transform(turn, turned);
    expectNear(turned.Position(), 0, -5, 0);
    EXPECT_NEAR(turned.Direction().getY(), -1.0, 1e-12);
    EXPECT_NEAR(turned.Direction().length(), 1.0, 1e-12);

    EXPECT_EQ(load<CPlaneDouble>(store(plane)), plane);
    EXPECT_EQ(store(CPlane()).size(), kHeaderBytes + 24);
    CTPlane<double>& base = turned;
    base = plane;
    EXPECT_TRUE(turned.Equal(plane));
}

// ---- polylines ----

TEST(GeometryPolyline, PointsMemoryAndEquality) {
    CPolyLineDouble3D segment({0, 0, 0}, {1, 2, 3});
    EXPECT_EQ(segment.estimateRequiredMemory(false), 24ul);
    EXPECT_EQ(segment.estimateRequiredMemory(true), 48ul);
    CPolyLineDouble3D copy = segment;
    copy.addPoint({4, 5, 6});
    EXPECT_NE(copy, segment);
    const CGraphicalPointDouble3DArray points = copy.detachPoints();
    EXPECT_EQ(points.GetSize(), 3);
    EXPECT_EQ(copy.getPoints().GetSize(), 0);
    CPolyLineDouble3D moved(std::move(segment));
    EXPECT_EQ(segment.getPoints().GetSize(), 0);
    EXPECT_EQ(moved.getPoints()[1], CGraphicalPointDouble3D(1, 2, 3));
}

TEST(GeometryPolyline, RecordIsMarkedAndRefusesBadInput) {
    CPolyLineDouble3D line({0, 0, 0}, {1, 2, 3});
    line.addPoint({-1, -0.0, 7});
    const auto bytes = store(line);
    // start marker, count, three points, end marker
    ASSERT_EQ(bytes.size(), kHeaderBytes + 4 + 4 + 3 * 24 + 4);
    std::uint32_t marker = 0;
    std::memcpy(&marker, bytes.data() + kHeaderBytes, 4);
    EXPECT_EQ(marker, zx::archiveTag("CPolyLine3D"));
    EXPECT_EQ(load<CPolyLineDouble3D>(bytes), line);
    expectEveryTruncationRefused<CPolyLineDouble3D>(bytes);

    auto badMarker = bytes;
    badMarker[kHeaderBytes] ^= std::byte{1};
    EXPECT_THROW(load<CPolyLineDouble3D>(badMarker), CArchiveException);
    for (const std::int32_t count : {-1, 4, 0x7fffffff}) {
        auto badCount = bytes;
        std::memcpy(badCount.data() + kHeaderBytes + 4, &count, 4);
        if (count < 0) {
            EXPECT_THROW(load<CPolyLineDouble3D>(badCount), CArchiveLengthError);
        } else {
            EXPECT_THROW(load<CPolyLineDouble3D>(badCount), CArchiveException) << count;
        }
    }

    CPolyLineDouble3DArray lines;
    lines.Add(line);
    lines.Add(CPolyLineDouble3D());
    EXPECT_EQ(load<CPolyLineDouble3DArray>(store(lines)), lines);
}

// ---- subdivision ----

TEST(GeometrySubdivision, CopiesCompareAndRoundTrip) {
    CSubdivisionByUniformSlices slices;
    slices.setNumberOfXCuts(3);
    CGraphicalTransformDouble axes;
    axes.setAsRotation_Z(45);
    slices.setAxesOrientation(axes);
    slices.getWritablePolylines().Add(CPolyLineDouble3D({0, 0, 0}, {0, 0, 1}));
    slices.setIsUserSlices(true);
    slices.getWritableUserSlicesArray().Add(CProjectDouble(0.25));
    (void)slices.getWritable3DSet().Add(CEntity3DID(CIDBase::generate()));

    CSubdivisionByUniformSlices copy = slices;
    EXPECT_EQ(copy, slices);
    EXPECT_EQ(copy.getNumPolylines(), 1);
    copy.setNumberOfYCuts(0);  // set to 0 differs from unset
    EXPECT_NE(copy, slices);

    const auto bytes = store(slices);
    EXPECT_EQ(load<CSubdivisionByUniformSlices>(bytes), slices);
    expectEveryTruncationRefused<CSubdivisionByUniformSlices>(bytes);
    EXPECT_EQ(toDumpText(CSubdivisionByUniformSlices()).rfind("{\"NumberOfXCuts\":null,", 0), 0u);
}

}  // namespace
