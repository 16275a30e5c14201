// CTPolyLine3D<P, PA>: an open chain of 3D points, used as CPolyLineDouble3D (double points in a
// CNonUniqueValueArray) and CPolyLine3D (float points).
//
// A plain value owning its point array; copying copies the points, moving takes them over and
// leaves the source empty.
//
// Archive record (written to disk; must never change):
//   start marker "CPolyLine3D"
//   the point array's record: int32 count, then count x the point record (x, y, z as 8-byte
//   doubles, little-endian, for CPolyLineDouble3D)
//   end marker "CPolyLine3D"
// Bad input throws CArchiveException and leaves the polyline empty.
#pragma once

#include <cmath>
#include <string>
#include <utility>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGeometry.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "store/CNonUniqueValueArray.h"

template <class P, class PA>
class ZX_API CTPolyLine3D : public CGeometry {
public:
    static constexpr const char* s_markerName = "CPolyLine3D";

    CTPolyLine3D() = default;
    // The segment from `from` to `to`.
    CTPolyLine3D(const P& from, const P& to) {
        m_points.Add(from);
        m_points.Add(to);
    }
    explicit CTPolyLine3D(const PA& points) : m_points(points) {}
    explicit CTPolyLine3D(PA&& points) : m_points(std::move(points)) {}
    CTPolyLine3D(const CTPolyLine3D&) = default;
    CTPolyLine3D(CTPolyLine3D&&) = default;
    CTPolyLine3D& operator=(const CTPolyLine3D&) = default;
    CTPolyLine3D& operator=(CTPolyLine3D&&) = default;
    ~CTPolyLine3D() override = default;

    const PA& getPoints() const { return m_points; }
    void setPoints(const PA& points) { m_points = points; }
    void setPoints(PA&& points) { m_points = std::move(points); }
    void addPoint(const P& point) { m_points.Add(point); }
    // Hands the points over and leaves the polyline empty.
    PA detachPoints() { return std::move(m_points); }

    friend bool operator==(const CTPolyLine3D& a, const CTPolyLine3D& b) {
        return a.m_points == b.m_points;
    }

    // 12 bytes per point (three floats of the drawable form), twice that with normals.
    unsigned long estimateRequiredMemory(bool withNormals) const override {
        const unsigned long bytes = static_cast<unsigned long>(m_points.GetSize()) * 12ul;
        return withNormals ? bytes * 2ul : bytes;
    }

    void Serialize(CZentrixArchive& ar) {
        ar.checkMarkerStart(zx::ArchiveMarker(s_markerName));
        m_points.Serialize(ar);
        ar.checkMarkerEnd(zx::ArchiveMarker(s_markerName));
    }

private:
    PA m_points;
};

// The points as a JSON array of [x,y,z] arrays.
template <class P, class PA>
std::string toDumpText(const CTPolyLine3D<P, PA>& polyline) {
    return toDumpText(polyline.getPoints());
}

// Why the polyline cannot be drawn (a NaN or infinite coordinate), or empty when it can; the
// geometry items' validation asks every item this.
template <class P, class PA>
std::string validationError(const CTPolyLine3D<P, PA>& polyline) {
    const PA& points = polyline.getPoints();
    for (int i = 0; i < points.GetSize(); ++i) {
        for (int c = 0; c < 3; ++c) {
            if (!std::isfinite(points[i].getPointer()[c]))
                return "finite numbers in Points, found NaN or infinity";
        }
    }
    return {};
}

using CPolyLine3D = CTPolyLine3D<CGraphicalPoint3D, CNonUniqueValueArray<CGraphicalPoint3D>>;
using CPolyLineDouble3D =
    CTPolyLine3D<CGraphicalPointDouble3D, CNonUniqueValueArray<CGraphicalPointDouble3D>>;
