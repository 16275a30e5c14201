// CTGraphicalPoint3D<T> and CTGraphicalVector3D<T>: points and directions of 3D space, and their
// named forms CGraphicalPoint3D / CGraphicalVector3D (float) and CGraphicalPointDouble3D /
// CGraphicalVectorDouble3D (double).
//
// Plain values of three contiguous components (x, y, z); default (0, 0, 0). A point converts to
// a vector and back with its components unchanged. Vectors add the dot and right-handed cross
// products, length and normalisation; normalising a zero vector leaves it unchanged.
//
// Archive record (written to disk; must never change): x, y, z, each one scalar of type T
// (4-byte float or 8-byte double, little-endian). Points and vectors write the same record.
#pragma once

#include <cmath>
#include <concepts>

#include "model3d/GraphicalComponents.h"

template <std::floating_point T>
class CTGraphicalVector3D;

template <std::floating_point T>
class CTGraphicalPoint3D : public geometry::GraphicalComponents<T, 3, CTGraphicalPoint3D<T>> {
    using Base = geometry::GraphicalComponents<T, 3, CTGraphicalPoint3D<T>>;

public:
    constexpr CTGraphicalPoint3D() = default;
    constexpr CTGraphicalPoint3D(T x, T y, T z) : Base(x, y, z) {}
    explicit CTGraphicalPoint3D(const T* components) : Base(components) {}
    explicit CTGraphicalPoint3D(const CTGraphicalVector3D<T>& vector);
};

template <std::floating_point T>
class CTGraphicalVector3D : public geometry::GraphicalComponents<T, 3, CTGraphicalVector3D<T>> {
    using Base = geometry::GraphicalComponents<T, 3, CTGraphicalVector3D<T>>;

public:
    constexpr CTGraphicalVector3D() = default;
    constexpr CTGraphicalVector3D(T x, T y, T z) : Base(x, y, z) {}
    explicit CTGraphicalVector3D(const T* components) : Base(components) {}
    explicit CTGraphicalVector3D(const CTGraphicalPoint3D<T>& point) : Base(point.getPointer()) {}

    T dotProduct(const CTGraphicalVector3D& v) const {
        return this->getX() * v.getX() + this->getY() * v.getY() + this->getZ() * v.getZ();
    }
    // out = this x v (right-handed). out may be this or v.
    void crossProduct(const CTGraphicalVector3D& v, CTGraphicalVector3D& out) const {
        const T x = this->getX(), y = this->getY(), z = this->getZ();
        out.set(y * v.getZ() - v.getY() * z, v.getX() * z - x * v.getZ(),
                x * v.getY() - v.getX() * y);
    }
    T lengthSquared() const { return dotProduct(*this); }
    T length() const { return std::sqrt(lengthSquared()); }
    // Divides by the length only when there is one, so a zero vector stays zero (not NaN).
    void normalize() {
        const T size = length();
        if (!(size > 0)) return;
        this->set(this->getX() / size, this->getY() / size, this->getZ() / size);
    }
};

template <std::floating_point T>
CTGraphicalPoint3D<T>::CTGraphicalPoint3D(const CTGraphicalVector3D<T>& vector)
    : Base(vector.getPointer()) {}

using CGraphicalPoint3D = CTGraphicalPoint3D<float>;
using CGraphicalVector3D = CTGraphicalVector3D<float>;
using CGraphicalPointDouble3D = CTGraphicalPoint3D<double>;
using CGraphicalVectorDouble3D = CTGraphicalVector3D<double>;
