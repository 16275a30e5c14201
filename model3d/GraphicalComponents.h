// GraphicalComponents<T, N, Derived>: what points and vectors of 2 or 3 components share.
//
// The components are one array of N scalars (x, y, then z), so getPointer() may be read as an
// array of N. Equality is exact per component (0.0 equals -0.0, NaN equals nothing); the tolerant
// comparisons follow GeometryScalar.h. Each derived type compares only with its own type.
//
// Archive record (written to disk; must never change): the N components in order x, y, (z), each
// one scalar of type T (4-byte float or 8-byte double, little-endian).
#pragma once

#include <concepts>
#include <string>

#include "basetypes/CZentrixArchive.h"
#include "model3d/GeometryScalar.h"

namespace geometry {

template <std::floating_point T, int N, class Derived>
class GraphicalComponents {
public:
    using Scalar = T;
    static constexpr int s_componentCount = N;

    const T* getPointer() const { return m_components; }
    T* getWritablePointer() { return m_components; }

    T getX() const { return m_components[0]; }
    T getY() const { return m_components[1]; }
    T getZ() const requires(N == 3) { return m_components[2]; }
    void setX(T x) { m_components[0] = x; }
    void setY(T y) { m_components[1] = y; }
    void setZ(T z) requires(N == 3) { m_components[2] = z; }
    void set(T x, T y) requires(N == 2) {
        m_components[0] = x;
        m_components[1] = y;
    }
    void set(T x, T y, T z) requires(N == 3) {
        m_components[0] = x;
        m_components[1] = y;
        m_components[2] = z;
    }
    void set(const T* components) {
        for (int i = 0; i < N; ++i) m_components[i] = components[i];
    }

    friend bool operator==(const Derived& a, const Derived& b) {
        for (int i = 0; i < N; ++i) {
            if (a.m_components[i] != b.m_components[i]) return false;
        }
        return true;
    }

    bool almostEqual(const Derived& other, int ulps) const {
        for (int i = 0; i < N; ++i) {
            if (!almostEqualComponent(m_components[i], other.m_components[i], ulps)) return false;
        }
        return true;
    }
    bool relativelyEqual(const Derived& other, T tolerance) const {
        for (int i = 0; i < N; ++i) {
            if (!relativelyEqualComponent(m_components[i], other.m_components[i], tolerance))
                return false;
        }
        return true;
    }

    void Serialize(CZentrixArchive& ar) {
        for (T& component : m_components) ar.io(component);
    }

    friend std::string toDumpText(const Derived& value) {
        return componentsDumpText(value.m_components, N);
    }

protected:
    constexpr GraphicalComponents() = default;
    constexpr GraphicalComponents(T x, T y) requires(N == 2) : m_components{x, y} {}
    constexpr GraphicalComponents(T x, T y, T z) requires(N == 3) : m_components{x, y, z} {}
    explicit GraphicalComponents(const T* components) { set(components); }

private:
    T m_components[N] = {};
};

}  // namespace geometry
