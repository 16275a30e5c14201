// CTPlane<T>: a plane given by a point on it and its normal, with the stored forms CPlane (float)
// and CPlaneDouble (double).
//
// CTPlane holds no data: its operations reach the point and the normal through four virtual
// accessors, so that owners may keep the two values wherever they already live. The normal is
// stored as given (not normalised); only Transform normalises the normal it produces.
//
// Archive record (written to disk; must never change): the position point (x, y, z), then the
// direction vector (x, y, z), each component one scalar of type T (4-byte float or 8-byte
// double, little-endian): 24 or 48 bytes.
#pragma once

#include <concepts>
#include <string>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "model3d/CGraphicalTransformDouble.h"

template <std::floating_point T>
class ZX_API CTPlane {
public:
    using Point = CTGraphicalPoint3D<T>;
    using Vector = CTGraphicalVector3D<T>;

    virtual ~CTPlane() = default;
    virtual const Point& Position() const = 0;
    virtual const Vector& Direction() const = 0;
    virtual Point& WritablePosition() = 0;
    virtual Vector& WritableDirection() = 0;

    // Copies position and direction into whatever storage this plane uses.
    CTPlane& operator=(const CTPlane& other) {
        if (&other != this) Set(other.Position(), other.Direction());
        return *this;
    }

    void Set(const Point& position, const Vector& direction) {
        WritablePosition() = position;
        WritableDirection() = direction;
    }
    void SetPosition(const Point& position) { WritablePosition() = position; }
    void SetPosition(T x, T y, T z) { WritablePosition().set(x, y, z); }
    void SetDirection(const Vector& direction) { WritableDirection() = direction; }
    void SetDirection(T x, T y, T z) { WritableDirection().set(x, y, z); }

    // a*x + b*y + c*z + d = 0 for the points of the plane, (a, b, c) being the direction.
    void GetPlaneCoefficients(T& a, T& b, T& c, T& d) const {
        coefficients(Direction(), a, b, c, d);
    }
    // The same plane facing the other way: all four coefficients negated.
    void GetInversePlaneCoefficients(T& a, T& b, T& c, T& d) const {
        const Vector& n = Direction();
        coefficients(Vector(-n.getX(), -n.getY(), -n.getZ()), a, b, c, d);
    }

    // out = this plane mapped by m: the position as a point, the direction as a normal (inverse
    // transpose), then normalised. out may be this plane.
    void Transform(const CTGraphicalTransform<T>& m, CTPlane& out) const {
        Point position;
        Vector direction;
        m.multiplyLeft(Position(), position);
        m.multiplyNormal(Direction(), direction);
        direction.normalize();
        out.Set(position, direction);
    }

    // Exact comparison of position x, y, z, then direction x, y, z.
    bool Equal(const CTPlane& other) const {
        return Position() == other.Position() && Direction() == other.Direction();
    }
    bool operator==(const CTPlane& other) const { return Equal(other); }

    void Serialize(CZentrixArchive& ar) {
        WritablePosition().Serialize(ar);
        WritableDirection().Serialize(ar);
    }

protected:
    CTPlane() = default;
    CTPlane(const CTPlane&) = default;

private:
    void coefficients(const Vector& n, T& a, T& b, T& c, T& d) const {
        const Point& p = Position();
        a = n.getX();
        b = n.getY();
        c = n.getZ();
        d = -(a * p.getX() + b * p.getY() + c * p.getZ());
    }
};

// The plane that keeps its own position and direction, in that order.
template <std::floating_point T>
class ZX_API CTStoredPlane final : public CTPlane<T> {
public:
    using typename CTPlane<T>::Point;
    using typename CTPlane<T>::Vector;

    CTStoredPlane() = default;
    CTStoredPlane(const Point& position, const Vector& direction)
        : m_position(position), m_direction(direction) {}
    CTStoredPlane(const CTStoredPlane& other)
        : CTPlane<T>(), m_position(other.m_position), m_direction(other.m_direction) {}
    CTStoredPlane& operator=(const CTStoredPlane& other) {
        m_position = other.m_position;
        m_direction = other.m_direction;
        return *this;
    }
    using CTPlane<T>::operator=;

    const Point& Position() const override { return m_position; }
    const Vector& Direction() const override { return m_direction; }
    Point& WritablePosition() override { return m_position; }
    Vector& WritableDirection() override { return m_direction; }

private:
    Point m_position;
    Vector m_direction;
};

template <std::floating_point T>
std::string toDumpText(const CTPlane<T>& plane) {
    return "{\"position\":" + toDumpText(plane.Position()) +
           ",\"direction\":" + toDumpText(plane.Direction()) + "}";
}

using CPlane = CTStoredPlane<float>;
using CPlaneDouble = CTStoredPlane<double>;
