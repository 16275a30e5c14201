// The non-inline operations of CTGraphicalTransform<T>, compiled for float and double.
#include "model3d/CGraphicalTransformDouble.h"

#include <cmath>
#include <cstdint>
#include <cwchar>
#include <iterator>
#include <stdexcept>
#include <type_traits>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

// The sum of products of the float form is formed in double and rounded once at the end.
template <class T>
using ProductSum = std::conditional_t<std::is_same_v<T, float>, double, T>;

// One bracket group (or one line) per column of the column-major storage.
constexpr const wchar_t* kSingleLineFormat =
    L"[ [ %08.3g, %08.3g, %08.3g, %08.3g ] [ %08.3g, %08.3g, %08.3g, %08.3g ] "
    L"[ %08.3g, %08.3g, %08.3g, %08.3g ] [ %08.3g, %08.3g, %08.3g, %08.3g ] ]";
constexpr const wchar_t* kMultiLineFormat =
    L"[\n\t\t%08.3g\t\t%08.3g\t\t%08.3g\t\t%08.3g\n\t\t%08.3g\t\t%08.3g\t\t%08.3g\t\t%08.3g"
    L"\n\t\t%08.3g\t\t%08.3g\t\t%08.3g\t\t%08.3g\n\t\t%08.3g\t\t%08.3g\t\t%08.3g\t\t%08.3g\n]";

}  // namespace

template <std::floating_point T>
void CTGraphicalTransform<T>::setMatrix(const T* elements) {
    if (elements == nullptr) {
        std::memset(m_elements, 0, sizeof m_elements);
        throw std::invalid_argument("CTGraphicalTransform: null source matrix");
    }
    // memmove: the source may be this matrix's own storage.
    std::memmove(m_elements, elements, sizeof m_elements);
}

template <std::floating_point T>
void CTGraphicalTransform<T>::setAsTranslation(const CTGraphicalVector3D<T>& v) {
    setToIdentity();
    m_elements[12] = v.getX();
    m_elements[13] = v.getY();
    m_elements[14] = v.getZ();
}

template <std::floating_point T>
void CTGraphicalTransform<T>::setAsScale(const CTGraphicalVector3D<T>& v) {
    setToIdentity();
    m_elements[0] = v.getX();
    m_elements[5] = v.getY();
    m_elements[10] = v.getZ();
}

template <std::floating_point T>
void CTGraphicalTransform<T>::setAsRotation(int cosine1, int sine, int minusSine, int cosine2,
                                            T degrees) {
    // Sine and cosine are taken in double for both forms so that float angles turn alike.
    const double radians = static_cast<double>(degrees) * kRadiansPerDegree;
    const T c = static_cast<T>(std::cos(radians));
    const T s = static_cast<T>(std::sin(radians));
    setToIdentity();
    m_elements[cosine1] = c;
    m_elements[sine] = s;
    m_elements[minusSine] = -s;
    m_elements[cosine2] = c;
}

template <std::floating_point T>
void CTGraphicalTransform<T>::setAsRotation_X(T degrees) {
    setAsRotation(5, 6, 9, 10, degrees);
}

template <std::floating_point T>
void CTGraphicalTransform<T>::setAsRotation_Y(T degrees) {
    setAsRotation(0, 2, 8, 10, degrees);
}

template <std::floating_point T>
void CTGraphicalTransform<T>::setAsRotation_Z(T degrees) {
    setAsRotation(0, 1, 4, 5, degrees);
}

template <std::floating_point T>
void CTGraphicalTransform<T>::Mult(const T* b) {
    if (b == nullptr) return;
    const T* a = m_elements;
    T product[s_elementCount];
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            ProductSum<T> sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += static_cast<ProductSum<T>>(b[4 * column + k]) *
                       static_cast<ProductSum<T>>(a[4 * k + row]);
            }
            product[4 * column + row] = static_cast<T>(sum);
        }
    }
    std::memcpy(m_elements, product, sizeof m_elements);
}

template <std::floating_point T>
void CTGraphicalTransform<T>::mapPoint(const CTGraphicalPoint3D<T>& point,
                                       CTGraphicalPoint3D<T>& out) const {
    const T* m = m_elements;
    const T x = point.getX(), y = point.getY(), z = point.getZ();
    out.set(m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14]);
}

template <std::floating_point T>
void CTGraphicalTransform<T>::multiplyNormal(const CTGraphicalVector3D<T>& normal,
                                             CTGraphicalVector3D<T>& out) const {
    CTGraphicalTransform inverse;
    (void)invert(inverse);  // a singular matrix leaves the identity, passing the normal through
    const T* i = inverse.m_elements;
    const T x = normal.getX(), y = normal.getY(), z = normal.getZ();
    out.set(i[0] * x + i[1] * y + i[2] * z, i[4] * x + i[5] * y + i[6] * z,
            i[8] * x + i[9] * y + i[10] * z);
}

template <std::floating_point T>
bool CTGraphicalTransform<T>::invert(CTGraphicalTransform& out) const {
    // Written over the flat array read row by row: the inverse of the transpose is the transpose
    // of the inverse, so the same formulas invert the column-major matrix in place.
    const T* m = m_elements;
    // 2x2 minors of the upper two and the lower two rows.
    const T s0 = m[0] * m[5] - m[4] * m[1];
    const T s1 = m[0] * m[6] - m[4] * m[2];
    const T s2 = m[0] * m[7] - m[4] * m[3];
    const T s3 = m[1] * m[6] - m[5] * m[2];
    const T s4 = m[1] * m[7] - m[5] * m[3];
    const T s5 = m[2] * m[7] - m[6] * m[3];
    const T c5 = m[10] * m[15] - m[14] * m[11];
    const T c4 = m[9] * m[15] - m[13] * m[11];
    const T c3 = m[9] * m[14] - m[13] * m[10];
    const T c2 = m[8] * m[15] - m[12] * m[11];
    const T c1 = m[8] * m[14] - m[12] * m[10];
    const T c0 = m[8] * m[13] - m[12] * m[9];

    // The adjugate.
    const T a[s_elementCount] = {
        m[5] * c5 - m[6] * c4 + m[7] * c3,     -m[1] * c5 + m[2] * c4 - m[3] * c3,
        m[13] * s5 - m[14] * s4 + m[15] * s3,  -m[9] * s5 + m[10] * s4 - m[11] * s3,
        -m[4] * c5 + m[6] * c2 - m[7] * c1,    m[0] * c5 - m[2] * c2 + m[3] * c1,
        -m[12] * s5 + m[14] * s2 - m[15] * s1, m[8] * s5 - m[10] * s2 + m[11] * s1,
        m[4] * c4 - m[5] * c2 + m[7] * c0,     -m[0] * c4 + m[1] * c2 - m[3] * c0,
        m[12] * s4 - m[13] * s2 + m[15] * s0,  -m[8] * s4 + m[9] * s2 - m[11] * s0,
        -m[4] * c3 + m[5] * c1 - m[6] * c0,    m[0] * c3 - m[1] * c1 + m[2] * c0,
        -m[12] * s3 + m[13] * s1 - m[14] * s0, m[8] * s3 - m[9] * s1 + m[10] * s0,
    };
    const T determinant = m[0] * a[0] + m[1] * a[4] + m[2] * a[8] + m[3] * a[12];
    // Exactly zero only: a nearly singular matrix is still inverted, as callers expect.
    if (determinant == T{0}) return false;
    const T r = T{1} / determinant;
    for (int k = 0; k < s_elementCount; ++k) out.m_elements[k] = r * a[k];
    return true;
}

template <std::floating_point T>
void CTGraphicalTransform<T>::transpose(CTGraphicalTransform& out) const {
    T transposed[s_elementCount];
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) transposed[4 * i + j] = m_elements[4 * j + i];
    }
    std::memcpy(out.m_elements, transposed, sizeof transposed);
}

template <std::floating_point T>
bool CTGraphicalTransform<T>::isValidMatrix() const {
    for (const T element : m_elements) {
        if (std::isnan(element)) return false;
    }
    return true;
}

template <std::floating_point T>
bool CTGraphicalTransform<T>::relativelyEqual(const CTGraphicalTransform& other,
                                              T tolerance) const {
    for (int k = 0; k < s_elementCount; ++k) {
        if (!geometry::relativelyEqualComponent(m_elements[k], other.m_elements[k], tolerance))
            return false;
    }
    return true;
}

template <std::floating_point T>
unsigned int CTGraphicalTransform<T>::hashCode() const {
    // The bytes, not the values: transforms equal by operator== (bytes) must hash equal, and
    // 0.0 / -0.0 are unequal there.
    unsigned char bytes[sizeof m_elements];
    std::memcpy(bytes, m_elements, sizeof bytes);
    std::uint32_t hash = 0;
    for (const unsigned char b : bytes) hash = hash * 33u + b;
    return hash;
}

template <std::floating_point T>
CString CTGraphicalTransform<T>::toString(bool multiLine) const {
    // 16 fields of at most 12 characters ("-1.23e+308" and padding) plus the separators.
    wchar_t text[512];
    const auto e = [this](int k) { return static_cast<double>(m_elements[k]); };
    const int length = std::swprintf(
        text, std::size(text), multiLine ? kMultiLineFormat : kSingleLineFormat, e(0), e(1), e(2),
        e(3), e(4), e(5), e(6), e(7), e(8), e(9), e(10), e(11), e(12), e(13), e(14), e(15));
    return CString(text, length < 0 ? 0 : static_cast<std::size_t>(length));
}

template class CTGraphicalTransform<float>;
template class CTGraphicalTransform<double>;
