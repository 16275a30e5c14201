// Scalar rules shared by the geometry value types: the two tolerant comparisons of one component
// and the text of one component in dumps.
//
// Both comparisons take the machine epsilon of the scalar type as their unit; "almost equal"
// scales it by the size of the values and a number of units in the last place, "relatively
// equal" uses it as an absolute floor under a relative tolerance. NaN is equal to nothing.
#pragma once

#include <cmath>
#include <concepts>
#include <cstdio>
#include <limits>
#include <string>

#include "basetypes/DumpText.h"

namespace geometry {

// |a - b| <= |a + b| * epsilon * ulps, or a difference too small to be a normal number.
template <std::floating_point T>
bool almostEqualComponent(T a, T b, int ulps) {
    const T difference = std::fabs(a - b);
    return difference <=
               std::fabs(a + b) * std::numeric_limits<T>::epsilon() * static_cast<T>(ulps) ||
           difference < std::numeric_limits<T>::min();
}

// A difference below epsilon passes whatever the tolerance, so that values near zero compare
// equal; otherwise the difference relative to the larger magnitude must be within the tolerance.
template <std::floating_point T>
bool relativelyEqualComponent(T a, T b, T tolerance) {
    const T difference = std::fabs(a - b);
    if (difference < std::numeric_limits<T>::epsilon()) return true;
    const T larger = std::fabs(b) > std::fabs(a) ? std::fabs(b) : std::fabs(a);
    return difference / larger <= tolerance;
}

// Enough digits to read the value back exactly: 17 for double, 9 for float (a float printed with
// double's digits would show the binary noise of its widening).
template <std::floating_point T>
std::string componentDumpText(T value) {
    if constexpr (std::is_same_v<T, float>) {
        if (std::isfinite(value)) {
            char text[32];
            std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
            return text;
        }
    }
    return toDumpText(static_cast<double>(value));
}

// "[a,b,c]" of the given components.
template <std::floating_point T>
std::string componentsDumpText(const T* components, int count) {
    std::string text = "[";
    for (int i = 0; i < count; ++i) {
        if (i != 0) text += ',';
        text += componentDumpText(components[i]);
    }
    text += ']';
    return text;
}

}  // namespace geometry
