// The geometry items a 3D entity carries, in single (float) and double precision: circles,
// circular arcs, cylinders, ellipses, elliptical arcs, spheres, texts, extrusions, includes
// (float only), meshes, NURBS curves and surfaces, poly-cylinders, polygons, shells and shell
// triangle strips. Polylines are CTPolyLine3D (CPolyLineDouble3D.h).
//
// Each item is a plain value deriving from CGeometry and from geometry::GeometryItem, which
// derives its record, comparison, validation, memory estimate and dump from the item's one
// describe() list, so that the twins of both precisions and all the items share one body.
// Coordinates are flat arrays of scalars (x, y, z of one vertex after the other; texture
// coordinates u, v) and indices arrays of uint32, each stored as one block (ArchiveBlocks.h).
//
// Archive record of an item (written to disk; must never change):
//   start marker of the item's name (s_markerName: "CMesh", "CMeshDouble", ...)
//   its fields in describe() order: scalars as 4-byte float / 8-byte double, points and vectors
//   as three scalars, int32 and bool through the archive's operators, texts as CString, arrays
//   as int32 element count followed by the elements' bytes (zx::ioBlock)
//   end marker of the item's name
// Loading reads into a fresh item and refuses (CArchiveException naming the item's record and
// the byte where it started) a NaN or infinite number, an index past the vertex count, an array
// whose length does not fit its item (coordinates not in threes, a NURBS whose knot count does
// not match degree and control points, ...); the item keeps its old value then.
#pragma once

#include <bit>
#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "basetypes/ArchiveBlocks.h"
#include "basetypes/CString.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"
#include "model3d/CGeometry.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "model3d/GeometryScalar.h"

namespace geometry {

using Indices = std::vector<std::uint32_t>;

// Reads or writes every field of an item. Scalars and components go through a local copy:
// GCC's -O3 flow analysis otherwise reports the archive's copy into a member of an item reached
// through its polymorphic base as an overflow.
class SerializeFields {
public:
    explicit SerializeFields(CZentrixArchive& ar) : m_ar(ar) {}
    template <class T>
    requires std::is_arithmetic_v<T>
    void operator()(const char*, T& value) {
        T local = value;
        m_ar.io(local);
        value = local;
    }
    void operator()(const char*, CString& value) { m_ar.io(value); }
    template <class P>
    requires requires(P& p) { p.getWritablePointer(); }
    void operator()(const char*, P& value) {
        using T = typename P::Scalar;
        T components[P::s_componentCount];
        for (int i = 0; i < P::s_componentCount; ++i) {
            components[i] = value.getPointer()[i];
            m_ar.io(components[i]);
        }
        value.set(components);
    }
    template <class E>
    void operator()(const char* name, std::vector<E>& values) {
        zx::ioBlock(m_ar, values, name);
    }

private:
    CZentrixArchive& m_ar;
};

// Finds the first NaN or infinite number among the fields.
class FindNonFinite {
public:
    template <std::floating_point T>
    void operator()(const char* name, const T& value) {
        if (!std::isfinite(value)) m_field = name;
    }
    // Tests the exponent bits rather than calling std::isfinite, so that the loop over a mesh's
    // coordinates vectorizes: it runs on every load, over every number of every block.
    template <std::floating_point T>
    void operator()(const char* name, const std::vector<T>& values) {
        static_assert(std::numeric_limits<T>::is_iec559 && (sizeof(T) == 4 || sizeof(T) == 8));
        using Bits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
        // Infinity's bits are exactly the exponent field, all ones.
        constexpr Bits exponent = std::bit_cast<Bits>(std::numeric_limits<T>::infinity());
        Bits nonFinite = 0;
        for (const T value : values)
            nonFinite |= static_cast<Bits>((std::bit_cast<Bits>(value) & exponent) == exponent);
        if (nonFinite != 0) m_field = name;
    }
    template <class P>
    requires requires(const P& p) { p.getPointer(); }
    void operator()(const char* name, const P& value) {
        for (int i = 0; i < P::s_componentCount; ++i) {
            if (!std::isfinite(value.getPointer()[i])) m_field = name;
        }
    }
    template <class Other>
    void operator()(const char*, const Other&) {}

    const char* field() const { return m_field; }

private:
    const char* m_field = nullptr;
};

// Bytes of the drawable form: a float per coordinate, 4 bytes per index.
class EstimateMemory {
public:
    template <std::floating_point T>
    void operator()(const char*, const std::vector<T>& values) {
        m_coordinates += values.size() * 4u;
    }
    void operator()(const char*, const Indices& values) { m_indices += values.size() * 4u; }
    template <class Other>
    void operator()(const char*, const Other&) {}

    unsigned long bytes(bool withNormals) const {
        return static_cast<unsigned long>((withNormals ? 2u : 1u) * m_coordinates + m_indices);
    }

private:
    std::size_t m_coordinates = 0;
    std::size_t m_indices = 0;
};

class DumpFields {
public:
    template <class V>
    void operator()(const char* name, const V& value) {
        m_text += m_text.empty() ? "{" : ",";
        m_text += '"';
        m_text += name;
        m_text += "\":";
        m_text += text(value);
    }
    std::string finish() { return m_text.empty() ? "{}" : m_text + "}"; }

private:
    template <std::floating_point T>
    static std::string text(T value) {
        return componentDumpText(value);
    }
    static std::string text(std::int32_t value) { return toDumpText(value); }
    static std::string text(bool value) { return toDumpText(value); }
    static std::string text(const CString& value) { return toDumpText(value); }
    template <class P>
    requires requires(const P& p) { p.getPointer(); }
    static std::string text(const P& value) {
        return componentsDumpText(value.getPointer(), P::s_componentCount);
    }
    template <class E>
    static std::string text(const std::vector<E>& values) {
        std::string out = "[";
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i != 0) out += ',';
            if constexpr (std::is_floating_point_v<E>)
                out += componentDumpText(values[i]);
            else
                out += std::to_string(values[i]);
        }
        return out + "]";
    }

    std::string m_text;
};

// Coordinates that are not whole triples (or pairs), or indices past the vertex count.
inline bool wholeTuples(std::size_t scalars, std::size_t width) { return scalars % width == 0; }
// Every index is compared with the count and the results or-ed together: unlike a running
// maximum, that has no chain from one element to the next, so the loop runs at load bandwidth.
inline bool indicesWithin(const Indices& indices, std::size_t vertexCount) {
    if (vertexCount > std::numeric_limits<std::uint32_t>::max()) return true;
    const auto limit = static_cast<std::uint32_t>(vertexCount);
    std::uint32_t outside = 0;
    for (const std::uint32_t index : indices) outside |= static_cast<std::uint32_t>(index >= limit);
    return outside == 0;
}
// Runs of `sizes` (each at least `minimum`) that together cover exactly `indices`.
inline bool runsCover(const Indices& sizes, const Indices& indices, std::uint32_t minimum) {
    std::uint64_t total = 0;
    for (const std::uint32_t size : sizes) {
        if (size < minimum) return false;
        total += size;
    }
    return total == indices.size();
}
template <std::floating_point T>
bool nonDecreasing(const std::vector<T>& values) {
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (values[i] < values[i - 1]) return false;
    }
    return true;
}

// What every item shares, derived from Derived::describe(visitor, items...), which calls
// visitor(name, items.field...) for each field in record order (one item, or two to compare).
template <class Derived>
class GeometryItem : public CGeometry {
public:
    // Why the item cannot be stored or drawn, or empty when it can.
    std::string validationError() const {
        FindNonFinite finite;
        Derived::describe(finite, self());
        if (finite.field() != nullptr)
            return std::string("finite numbers in ") + finite.field() + ", found NaN or infinity";
        return self().structuralError();
    }

    unsigned long estimateRequiredMemory(bool withNormals) const override {
        EstimateMemory estimate;
        Derived::describe(estimate, self());
        // A parametric shape (no arrays) is tessellated into about 64 vertices.
        const unsigned long bytes = estimate.bytes(withNormals);
        return bytes != 0 ? bytes : (withNormals ? 64ul * 24ul : 64ul * 12ul);
    }

    void Serialize(CZentrixArchive& ar) {
        zx::RecordScope scope(ar, Derived::s_markerName);
        if (ar.IsStoring()) {
            ar.checkMarkerStart(zx::ArchiveMarker(Derived::s_markerName));
            SerializeFields io(ar);
            Derived::describe(io, self());
            ar.checkMarkerEnd(zx::ArchiveMarker(Derived::s_markerName));
            return;
        }
        const std::uint64_t start = ar.position();
        // Loaded aside, so that a refused item leaves this one as it was.
        Derived loaded;
        ar.checkMarkerStart(zx::ArchiveMarker(Derived::s_markerName));
        SerializeFields io(ar);
        Derived::describe(io, loaded);
        ar.checkMarkerEnd(zx::ArchiveMarker(Derived::s_markerName));
        const std::string error = loaded.validationError();
        if (!error.empty()) ar.failAt(start, error);
        self() = std::move(loaded);
    }

    friend bool operator==(const Derived& a, const Derived& b) {
        bool equal = true;
        Derived::describe([&](const char*, const auto& x, const auto& y) { equal &= x == y; }, a,
                          b);
        return equal;
    }

    friend std::string toDumpText(const Derived& item) {
        DumpFields dump;
        Derived::describe(dump, item);
        return dump.finish();
    }

protected:
    // Items without rules beyond finite numbers.
    std::string structuralError() const { return {}; }

private:
    Derived& self() { return static_cast<Derived&>(*this); }
    const Derived& self() const { return static_cast<const Derived&>(*this); }
};

template <std::floating_point T>
struct Precision {
    using Point = CTGraphicalPoint3D<T>;
    using Vector = CTGraphicalVector3D<T>;
    using Coordinates = std::vector<T>;
    static constexpr bool isDouble = std::is_same_v<T, double>;
};

// Names "CCircle" / "CCircleDouble".
template <std::floating_point T>
constexpr const char* markerName(const char* single, const char* twin) {
    return std::is_same_v<T, double> ? twin : single;
}

}  // namespace geometry

// The items. Each lists its fields once, in record order, in describe(); data members are public,
// as the items are plain values with no invariant but the ones validationError() checks.

template <std::floating_point T>
class CTCircle : public geometry::GeometryItem<CTCircle<T>> {
public:
    static constexpr const char* s_markerName = geometry::markerName<T>("CCircle", "CCircleDouble");
    CTGraphicalPoint3D<T> center;
    CTGraphicalVector3D<T> normal{0, 0, 1};
    T radius = 0;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Center", s.center...);
        v("Normal", s.normal...);
        v("Radius", s.radius...);
    }
};

// An arc of a circle from startAngle, sweeping sweepAngle (radians, counter-clockwise about the
// normal).
template <std::floating_point T>
class CTCircularArc : public geometry::GeometryItem<CTCircularArc<T>> {
public:
    static constexpr const char* s_markerName =
        geometry::markerName<T>("CCircularArc", "CCircularArcDouble");
    CTGraphicalPoint3D<T> center;
    CTGraphicalVector3D<T> normal{0, 0, 1};
    T radius = 0;
    T startAngle = 0;
    T sweepAngle = 0;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Center", s.center...);
        v("Normal", s.normal...);
        v("Radius", s.radius...);
        v("StartAngle", s.startAngle...);
        v("SweepAngle", s.sweepAngle...);
    }
};

// A solid cylinder standing on baseCenter along axis (whose length is the height).
template <std::floating_point T>
class CTCylinder : public geometry::GeometryItem<CTCylinder<T>> {
public:
    static constexpr const char* s_markerName =
        geometry::markerName<T>("CCylinder", "CCylinderDouble");
    CTGraphicalPoint3D<T> baseCenter;
    CTGraphicalVector3D<T> axis{0, 0, 1};
    T radius = 0;
    bool capped = true;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("BaseCenter", s.baseCenter...);
        v("Axis", s.axis...);
        v("Radius", s.radius...);
        v("Capped", s.capped...);
    }
};

// An ellipse: majorAxis is the vector from the centre to the end of the major axis; the minor
// radius lies perpendicular to it and to the normal.
template <std::floating_point T>
class CTEllipse : public geometry::GeometryItem<CTEllipse<T>> {
public:
    static constexpr const char* s_markerName =
        geometry::markerName<T>("CEllipse", "CEllipseDouble");
    CTGraphicalPoint3D<T> center;
    CTGraphicalVector3D<T> normal{0, 0, 1};
    CTGraphicalVector3D<T> majorAxis{1, 0, 0};
    T minorRadius = 0;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Center", s.center...);
        v("Normal", s.normal...);
        v("MajorAxis", s.majorAxis...);
        v("MinorRadius", s.minorRadius...);
    }
};

template <std::floating_point T>
class CTEllipticalArc : public geometry::GeometryItem<CTEllipticalArc<T>> {
public:
    static constexpr const char* s_markerName =
        geometry::markerName<T>("CEllipticalArc", "CEllipticalArcDouble");
    CTGraphicalPoint3D<T> center;
    CTGraphicalVector3D<T> normal{0, 0, 1};
    CTGraphicalVector3D<T> majorAxis{1, 0, 0};
    T minorRadius = 0;
    T startAngle = 0;
    T sweepAngle = 0;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Center", s.center...);
        v("Normal", s.normal...);
        v("MajorAxis", s.majorAxis...);
        v("MinorRadius", s.minorRadius...);
        v("StartAngle", s.startAngle...);
        v("SweepAngle", s.sweepAngle...);
    }
};

template <std::floating_point T>
class CTSphere : public geometry::GeometryItem<CTSphere<T>> {
public:
    static constexpr const char* s_markerName = geometry::markerName<T>("CSphere", "CSphereDouble");
    CTGraphicalPoint3D<T> center;
    T radius = 0;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Center", s.center...);
        v("Radius", s.radius...);
    }
};

// A line of text placed at position, running along direction with its letters standing along
// up, height model units tall.
template <std::floating_point T>
class CTText : public geometry::GeometryItem<CTText<T>> {
public:
    static constexpr const char* s_markerName = geometry::markerName<T>("CText", "CTextDouble");
    CString text;
    CTGraphicalPoint3D<T> position;
    CTGraphicalVector3D<T> direction{1, 0, 0};
    CTGraphicalVector3D<T> up{0, 0, 1};
    T height = 1;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Text", s.text...);
        v("Position", s.position...);
        v("Direction", s.direction...);
        v("Up", s.up...);
        v("Height", s.height...);
    }
};

// A closed profile (vertex triples) swept along direction, whose length is the depth.
template <std::floating_point T>
class CTExtrusion : public geometry::GeometryItem<CTExtrusion<T>> {
public:
    static constexpr const char* s_markerName =
        geometry::markerName<T>("CExtrusion", "CExtrusionDouble");
    std::vector<T> profile;
    CTGraphicalVector3D<T> direction{0, 0, 1};

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Profile", s.profile...);
        v("Direction", s.direction...);
    }
    std::string structuralError() const {
        return geometry::wholeTuples(profile.size(), 3) ? std::string()
                                                        : "profile coordinates in triples";
    }
};

// A reference to geometry kept in another file, placed by an offset and a uniform scale.
class CInclude : public geometry::GeometryItem<CInclude> {
public:
    static constexpr const char* s_markerName = "CInclude";
    CString fileName;
    CGraphicalPoint3D offset;
    float scale = 1;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("FileName", s.fileName...);
        v("Offset", s.offset...);
        v("Scale", s.scale...);
    }
};

// A triangle mesh: positions (vertex triples), per-vertex normals (none, or one triple per
// vertex), texture coordinates (none, or one pair per vertex) and three indices per triangle.
template <std::floating_point T>
class CTMesh : public geometry::GeometryItem<CTMesh<T>> {
public:
    static constexpr const char* s_markerName = geometry::markerName<T>("CMesh", "CMeshDouble");
    std::vector<T> positions;
    std::vector<T> normals;
    std::vector<T> textureCoordinates;
    geometry::Indices triangles;

    std::size_t vertexCount() const { return positions.size() / 3; }

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Positions", s.positions...);
        v("Normals", s.normals...);
        v("TextureCoordinates", s.textureCoordinates...);
        v("Triangles", s.triangles...);
    }
    std::string structuralError() const {
        using namespace geometry;
        if (!wholeTuples(positions.size(), 3)) return "positions in triples";
        if (!normals.empty() && normals.size() != positions.size())
            return "no normals or one per vertex";
        if (!textureCoordinates.empty() && textureCoordinates.size() != vertexCount() * 2)
            return "no texture coordinates or one pair per vertex";
        if (!wholeTuples(triangles.size(), 3)) return "triangle indices in threes";
        if (!indicesWithin(triangles, vertexCount()))
            return "triangle indices below the vertex count";
        return {};
    }
};

// A NURBS curve of the given degree: control points (triples), their weights (none for a
// non-rational curve, or one per point) and control point count + degree + 1 knots in
// non-decreasing order.
template <std::floating_point T>
class CTNURBSCurve : public geometry::GeometryItem<CTNURBSCurve<T>> {
public:
    static constexpr const char* s_markerName =
        geometry::markerName<T>("CNURBSCurve", "CNURBSCurveDouble");
    std::int32_t degree = 1;
    std::vector<T> controlPoints;
    std::vector<T> weights;
    std::vector<T> knots;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Degree", s.degree...);
        v("ControlPoints", s.controlPoints...);
        v("Weights", s.weights...);
        v("Knots", s.knots...);
    }
    std::string structuralError() const {
        using namespace geometry;
        if (degree < 1 || degree > 64) return "a degree from 1 to 64";
        if (!wholeTuples(controlPoints.size(), 3)) return "control points in triples";
        const std::size_t count = controlPoints.size() / 3;
        if (count == 0 && knots.empty() && weights.empty()) return {};
        if (count < static_cast<std::size_t>(degree) + 1)
            return "at least degree + 1 control points";
        if (!weights.empty() && weights.size() != count)
            return "no weights or one per control point";
        if (knots.size() != count + static_cast<std::size_t>(degree) + 1)
            return "control point count + degree + 1 knots";
        if (!nonDecreasing(knots)) return "knots in non-decreasing order";
        return {};
    }
};

// A NURBS surface: countU x countV control points (row by row along u), weights as for curves,
// and countU + degreeU + 1 knots along u, countV + degreeV + 1 along v.
template <std::floating_point T>
class CTNURBSSurface : public geometry::GeometryItem<CTNURBSSurface<T>> {
public:
    static constexpr const char* s_markerName =
        geometry::markerName<T>("CNURBSSurface", "CNURBSSurfaceDouble");
    std::int32_t degreeU = 1;
    std::int32_t degreeV = 1;
    std::int32_t countU = 0;
    std::int32_t countV = 0;
    std::vector<T> controlPoints;
    std::vector<T> weights;
    std::vector<T> knotsU;
    std::vector<T> knotsV;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("DegreeU", s.degreeU...);
        v("DegreeV", s.degreeV...);
        v("CountU", s.countU...);
        v("CountV", s.countV...);
        v("ControlPoints", s.controlPoints...);
        v("Weights", s.weights...);
        v("KnotsU", s.knotsU...);
        v("KnotsV", s.knotsV...);
    }
    std::string structuralError() const {
        using namespace geometry;
        if (degreeU < 1 || degreeU > 64 || degreeV < 1 || degreeV > 64)
            return "degrees from 1 to 64";
        if (countU < 0 || countV < 0) return "non-negative control point counts";
        const std::uint64_t count =
            static_cast<std::uint64_t>(countU) * static_cast<std::uint64_t>(countV);
        if (controlPoints.size() != count * 3) return "countU x countV control point triples";
        if (count == 0 && knotsU.empty() && knotsV.empty() && weights.empty()) return {};
        if (countU < degreeU + 1 || countV < degreeV + 1)
            return "at least degree + 1 control points in each direction";
        if (!weights.empty() && weights.size() != count)
            return "no weights or one per control point";
        if (knotsU.size() != static_cast<std::size_t>(countU + degreeU + 1) ||
            knotsV.size() != static_cast<std::size_t>(countV + degreeV + 1))
            return "control point count + degree + 1 knots in each direction";
        if (!nonDecreasing(knotsU) || !nonDecreasing(knotsV))
            return "knots in non-decreasing order";
        return {};
    }
};

// A tube of the given radius along a chain of points (triples).
template <std::floating_point T>
class CTPolyCylinder : public geometry::GeometryItem<CTPolyCylinder<T>> {
public:
    static constexpr const char* s_markerName =
        geometry::markerName<T>("CPolyCylinder", "CPolyCylinderDouble");
    std::vector<T> points;
    T radius = 0;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Points", s.points...);
        v("Radius", s.radius...);
    }
    std::string structuralError() const {
        return geometry::wholeTuples(points.size(), 3) ? std::string() : "points in triples";
    }
};

// A closed planar polygon through its points (triples); the last point joins the first.
template <std::floating_point T>
class CTPolygon3D : public geometry::GeometryItem<CTPolygon3D<T>> {
public:
    static constexpr const char* s_markerName =
        geometry::markerName<T>("CPolygon3D", "CPolygonDouble3D");
    std::vector<T> points;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Points", s.points...);
    }
    std::string structuralError() const {
        return geometry::wholeTuples(points.size(), 3) ? std::string() : "points in triples";
    }
};

// A shell of polygonal faces: vertices (triples), the vertex count of each face (3 or more) and
// the faces' vertex indices one face after the other.
template <std::floating_point T>
class CTShell : public geometry::GeometryItem<CTShell<T>> {
public:
    static constexpr const char* s_markerName = geometry::markerName<T>("CShell", "CShellDouble");
    std::vector<T> vertices;
    geometry::Indices faceSizes;
    geometry::Indices faceIndices;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Vertices", s.vertices...);
        v("FaceSizes", s.faceSizes...);
        v("FaceIndices", s.faceIndices...);
    }
    std::string structuralError() const {
        using namespace geometry;
        if (!wholeTuples(vertices.size(), 3)) return "vertices in triples";
        if (!runsCover(faceSizes, faceIndices, 3))
            return "faces of 3 or more vertices covering the face indices";
        if (!indicesWithin(faceIndices, vertices.size() / 3))
            return "face indices below the vertex count";
        return {};
    }
};

// A shell drawn as triangle strips: vertices (triples), the length of each strip (3 or more) and
// the strips' vertex indices one strip after the other.
template <std::floating_point T>
class CTShellTristrip : public geometry::GeometryItem<CTShellTristrip<T>> {
public:
    static constexpr const char* s_markerName =
        geometry::markerName<T>("CShellTristrip", "CShellTristripDouble");
    std::vector<T> vertices;
    geometry::Indices stripLengths;
    geometry::Indices stripIndices;

    template <class V, class... S>
    static void describe(V&& v, S&... s) {
        v("Vertices", s.vertices...);
        v("StripLengths", s.stripLengths...);
        v("StripIndices", s.stripIndices...);
    }
    std::string structuralError() const {
        using namespace geometry;
        if (!wholeTuples(vertices.size(), 3)) return "vertices in triples";
        if (!runsCover(stripLengths, stripIndices, 3))
            return "strips of 3 or more vertices covering the strip indices";
        if (!indicesWithin(stripIndices, vertices.size() / 3))
            return "strip indices below the vertex count";
        return {};
    }
};

using CCircle = CTCircle<float>;
using CCircleDouble = CTCircle<double>;
using CCircularArc = CTCircularArc<float>;
using CCircularArcDouble = CTCircularArc<double>;
using CCylinder = CTCylinder<float>;
using CCylinderDouble = CTCylinder<double>;
using CEllipse = CTEllipse<float>;
using CEllipseDouble = CTEllipse<double>;
using CEllipticalArc = CTEllipticalArc<float>;
using CEllipticalArcDouble = CTEllipticalArc<double>;
using CSphere = CTSphere<float>;
using CSphereDouble = CTSphere<double>;
using CText = CTText<float>;
using CTextDouble = CTText<double>;
using CExtrusion = CTExtrusion<float>;
using CExtrusionDouble = CTExtrusion<double>;
using CMesh = CTMesh<float>;
using CMeshDouble = CTMesh<double>;
using CNURBSCurve = CTNURBSCurve<float>;
using CNURBSCurveDouble = CTNURBSCurve<double>;
using CNURBSSurface = CTNURBSSurface<float>;
using CNURBSSurfaceDouble = CTNURBSSurface<double>;
using CPolyCylinder = CTPolyCylinder<float>;
using CPolyCylinderDouble = CTPolyCylinder<double>;
using CPolygon3D = CTPolygon3D<float>;
using CPolygonDouble3D = CTPolygon3D<double>;
using CShell = CTShell<float>;
using CShellDouble = CTShell<double>;
using CShellTristrip = CTShellTristrip<float>;
using CShellTristripDouble = CTShellTristrip<double>;
