// CZentrixProject: adding batches of ID pairs.
#include "sources/CZentrixProject.h"

#include <algorithm>
#include <span>
#include <type_traits>
#include <vector>

ZX_INSTANTIATE_VALUE_HANDLES(CZentrixProject);

namespace {

bool usable(const CIDBase& id) { return id.isValidNotNull(); }

}  // namespace

bool CZentrixProject::addMultipleToMap(const std::map<CIDBase, CIDBase>& pairs, int type) {
    return withPair(type, [&](auto& internal, auto& external) {
        using Internal = std::remove_cvref_t<decltype(internal.getConstReference(0))>;
        using External = std::remove_cvref_t<decltype(external.getConstReference(0))>;
        if (internal.GetSize() != external.GetSize()) return false;
        // The map is walked once, into two arrays: its nodes lie apart on the heap. Every pair
        // is judged before anything is added, so a refusal changes nothing.
        std::vector<Internal> keys;
        std::vector<External> values;
        keys.reserve(pairs.size());
        values.reserve(pairs.size());
        for (const auto& [key, value] : pairs) {
            if (!usable(key) || !usable(value)) return false;
            keys.emplace_back(key);
            values.emplace_back(value);
        }
        // The keys ascend (the map's order), so the internal set is walked once.
        bool known = false;
        internal.forEachHeld(std::span<const Internal>(keys), [&](std::size_t i) {
            known = known || external.findByID(values[i]) >= 0;
        });
        if (known) return false;
        const int added = static_cast<int>(pairs.size());
        internal.Reserve(internal.GetSize() + added);
        external.Reserve(external.GetSize() + added);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            internal.addNoSort(keys[i]);
            external.addNoSort(values[i]);
        }
        internal.sort();
        external.sort();
        return internal.GetSize() == external.GetSize();
    });
}

void CZentrixProject::rebuildMaps(const ICADProject& cad) {
    if (&cad != &m_cadProject) setCADProject(cad);
    for (int type = dtNone + 1; type <= s_dataTypeCount; ++type) {
        (void)withPair(type, [](auto& internal, auto& external) {
            internal.sort();
            external.sort();
            return true;
        });
    }
}
