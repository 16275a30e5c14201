// CTGraphicalTransform<T>: a 4x4 transform of 3D space, named CGraphicalTransform (float) and
// CGraphicalTransformDouble (double).
//
// Sixteen elements stored column-major: elements 0-3 are the first column, 12-15 the last, the
// translation sits in 12, 13, 14 and element 15 is the homogeneous 1. A point maps as
// x' = m0*x + m4*y + m8*z + m12 (likewise y', z'; no division by w). Default: the identity.
// Operations treat the matrix as general (the projective row 3, 7, 11 is never assumed zero).
//
// Identity and equality are byte-wise: 0.0 and -0.0 differ, a NaN equals a NaN of the same bits.
// That is what lets an owner drop a transform "equal to s_identityTransform" without storing it;
// the tolerant comparison is relativelyEqual. hashCode() agrees with operator==.
//
// Archive record (written to disk; must never change): the 16 elements in storage order, each
// one scalar of type T (4-byte float or 8-byte double, little-endian): 64 or 128 bytes.
//
// Plain value; no allocation (toString aside), not shared, not synchronised.
#pragma once

#include <concepts>
#include <cstring>
#include <string>

#include "basetypes/CString.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPointDouble3D.h"

template <std::floating_point T>
class ZX_API CTGraphicalTransform {
public:
    static constexpr int s_elementCount = 16;
    // The identity every identity test compares with, byte for byte.
    static const CTGraphicalTransform s_identityTransform;

    constexpr CTGraphicalTransform() : m_elements{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}
    // Copies 16 elements in storage order. A null source throws std::invalid_argument.
    explicit CTGraphicalTransform(const T* elements) { setMatrix(elements); }

    // Copy 16 elements. A null source zeroes the matrix and throws std::invalid_argument.
    void setMatrix(const T* elements);
    void copyFrom(const CTGraphicalTransform& other) { setMatrix(other.m_elements); }

    const T* getMatrix() const { return m_elements; }
    static constexpr int getSize() { return s_elementCount; }
    // The caller keeps index within 0-15.
    void setAt(int index, T value) { m_elements[index] = value; }

    void setToIdentity() { *this = CTGraphicalTransform(); }
    void setAsTranslation(const CTGraphicalVector3D<T>& v);
    void setAsScale(const CTGraphicalVector3D<T>& v);
    // Angles in degrees; the whole matrix is overwritten. X and Z turn counter-clockwise seen
    // from the positive axis (right-handed); Y turns the other way, taking +x towards +z
    // (m2 = +sin, m8 = -sin), and stored files depend on that sense.
    void setAsRotation_X(T degrees);
    void setAsRotation_Y(T degrees);
    void setAsRotation_Z(T degrees);

    // this = this x b (b applied first to a point). A null pointer leaves this unchanged.
    void Mult(const CTGraphicalTransform& b) { Mult(b.m_elements); }
    void Mult(const T* b);
    void multiplyRight(const CTGraphicalTransform& b, CTGraphicalTransform& out) const {
        out = *this;
        out.Mult(b);
    }

    // The mapped point, translation included. out may be point.
    void multiplyLeft(const CTGraphicalPoint3D<T>& point, CTGraphicalPoint3D<T>& out) const {
        mapPoint(point, out);
    }
    void multiplyRight(const CTGraphicalPoint3D<T>& point, CTGraphicalPoint3D<T>& out) const {
        mapPoint(point, out);
    }
    // The normal mapped by the inverse transpose of the upper 3x3 (a singular matrix passes the
    // normal through). The result is not normalised. out may be normal.
    void multiplyNormal(const CTGraphicalVector3D<T>& normal, CTGraphicalVector3D<T>& out) const;

    // The general inverse by cofactors. False, with out untouched, when the determinant is
    // exactly zero. out may be this.
    [[nodiscard]] bool invert(CTGraphicalTransform& out) const;
    // out may be this.
    void transpose(CTGraphicalTransform& out) const;

    bool isIdentityTransform() const { return *this == s_identityTransform; }
    // False when any element is NaN.
    bool isValidMatrix() const;

    friend bool operator==(const CTGraphicalTransform& a, const CTGraphicalTransform& b) {
        return std::memcmp(a.m_elements, b.m_elements, sizeof a.m_elements) == 0;
    }
    // Every element relatively equal (GeometryScalar.h), in storage order.
    bool relativelyEqual(const CTGraphicalTransform& other, T tolerance) const;

    // Multiplicative hash (factor 33, unsigned 32-bit) over the element bytes in memory order.
    unsigned int hashCode() const;

    // The elements with "%08.3g", one column per bracket group (or per line when multiLine).
    CString toString(bool multiLine) const;

    void Serialize(CZentrixArchive& ar) {
        for (T& element : m_elements) ar.io(element);
    }

private:
    void mapPoint(const CTGraphicalPoint3D<T>& point, CTGraphicalPoint3D<T>& out) const;
    void setAsRotation(int cosine1, int sine, int minusSine, int cosine2, T degrees);

    T m_elements[s_elementCount];
};

template <std::floating_point T>
const CTGraphicalTransform<T> CTGraphicalTransform<T>::s_identityTransform{};

// The elements in storage order as a JSON array.
template <std::floating_point T>
std::string toDumpText(const CTGraphicalTransform<T>& transform) {
    return geometry::componentsDumpText(transform.getMatrix(), transform.getSize());
}

// Members not defined above are compiled once, for float and double, in the source file (an
// explicit instantiation there); the inline ones are instantiated where they are used. There is
// no extern declaration: GCC emits no constexpr member in an explicit instantiation, so a host
// that is not optimising would find no constructor.

using CGraphicalTransform = CTGraphicalTransform<float>;
using CGraphicalTransformDouble = CTGraphicalTransform<double>;
