#include "project/CProjectRoots.h"

void CProjectRoots::Serialize(CZentrixArchive& ar) {
    forEachRoot([&](auto& root) { root.Serialize(ar); });
}

bool CProjectRoots::operator==(const CProjectRoots& other) const {
    bool equal = true;
    std::apply(
        [&](const auto&... mine) {
            ((equal = equal && mine == other.get<std::remove_cvref_t<decltype(mine)>>()), ...);
        },
        m_roots);
    return equal;
}
