// CTGraphicalPoint2D<T> and CTGraphicalVector2D<T>: points and directions of the plane (screen
// positions), used in their float forms CGraphicalPoint2D and CGraphicalVector2D.
//
// Plain values of two contiguous components (x, y); default (0, 0). A 2D point widens to a 3D
// point with z = 0 and converts to a 2D vector with its components unchanged.
//
// Archive record (written to disk; must never change): x, y, each one scalar of type T
// (4-byte float little-endian for the named forms).
#pragma once

#include <concepts>

#include "model3d/CGraphicalPointDouble3D.h"
#include "model3d/GraphicalComponents.h"

template <std::floating_point T>
class CTGraphicalVector2D : public geometry::GraphicalComponents<T, 2, CTGraphicalVector2D<T>> {
    using Base = geometry::GraphicalComponents<T, 2, CTGraphicalVector2D<T>>;

public:
    constexpr CTGraphicalVector2D() = default;
    constexpr CTGraphicalVector2D(T x, T y) : Base(x, y) {}
    explicit CTGraphicalVector2D(const T* components) : Base(components) {}
};

template <std::floating_point T>
class CTGraphicalPoint2D : public geometry::GraphicalComponents<T, 2, CTGraphicalPoint2D<T>> {
    using Base = geometry::GraphicalComponents<T, 2, CTGraphicalPoint2D<T>>;

public:
    constexpr CTGraphicalPoint2D() = default;
    constexpr CTGraphicalPoint2D(T x, T y) : Base(x, y) {}
    explicit CTGraphicalPoint2D(const T* components) : Base(components) {}

    explicit operator CTGraphicalPoint3D<T>() const {
        return CTGraphicalPoint3D<T>(this->getX(), this->getY(), T{0});
    }
    explicit operator CTGraphicalVector2D<T>() const {
        return CTGraphicalVector2D<T>(this->getX(), this->getY());
    }
};

using CGraphicalPoint2D = CTGraphicalPoint2D<float>;
using CGraphicalVector2D = CTGraphicalVector2D<float>;
