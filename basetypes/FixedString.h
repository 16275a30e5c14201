// zx::FixedString: a string literal as a template argument, for templates whose instances differ
// only in the name they record (CObjectPresentation<"TaskPresentation">).
#pragma once

#include <algorithm>
#include <cstddef>

namespace zx {

template <std::size_t N>
struct FixedString {
    // NOLINTNEXTLINE(google-explicit-constructor): a literal converts where a name is expected.
    constexpr FixedString(const char (&literal)[N]) { std::copy_n(literal, N, text); }
    char text[N]{};
};

}  // namespace zx
