// CNameSubFilter: the index of names by prefix.
#include "basetypes/CNameSubFilter.h"

#include <algorithm>
#include <utility>

wchar_t CNameSubFilter::toLower(wchar_t c) {
    const auto u = static_cast<std::uint32_t>(c);
    if (u < 0x80) return (u >= 'A' && u <= 'Z') ? static_cast<wchar_t>(u + 0x20) : c;
    // Latin-1 capitals (the multiplication sign sits among them).
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<wchar_t>(u + 0x20);
    // Latin Extended-A pairs capitals and small letters: even then odd, except in the stretch
    // from U+0139 to U+0148 and from U+0179 to U+017E, where the capital is odd. U+0130 (capital
    // I with dot) and U+0178 (capital Y with diaeresis) lower to letters outside their pair.
    if (u == 0x130) return L'i';
    if (u == 0x178) return static_cast<wchar_t>(0xFF);
    if ((u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E))
        return (u % 2 == 1) ? static_cast<wchar_t>(u + 1) : c;
    if (u >= 0x100 && u <= 0x17F && u != 0x138 && u != 0x149 && u != 0x17F)
        return (u % 2 == 0) ? static_cast<wchar_t>(u + 1) : c;
    // Greek capitals (U+03A2 is unassigned) and Cyrillic capitals.
    if (u >= 0x391 && u <= 0x3A9 && u != 0x3A2) return static_cast<wchar_t>(u + 0x20);
    if (u >= 0x410 && u <= 0x42F) return static_cast<wchar_t>(u + 0x20);
    if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 0x50);
    return c;
}

void CNameSubFilter::setNames(const CProjectStringArray& names, bool matchCase) {
    if (&names != &m_names) m_names = names;
    m_matchCase = matchCase;
    buildIndex(matchCase);
}

void CNameSubFilter::buildIndex(bool matchCase) {
    std::vector<ComparisonEntry> entries;
    entries.reserve(static_cast<std::size_t>(m_names.GetSize()));
    for (int i = 0; i < m_names.GetSize(); ++i) {
        const std::wstring& name = m_names.GetAt(i).getString().str();
        if (name.empty()) continue;
        ComparisonEntry& entry = entries.emplace_back(ComparisonEntry{name, -1});
        // A lambda, not the function's address: the algorithm's instantiations then stay
        // inside the library instead of being exported with the pointer's type.
        if (!matchCase)
            std::ranges::transform(entry.text, entry.text.begin(),
                                   [](wchar_t c) { return toLower(c); });
    }
    // Ordinal order of code units; equal texts stay separate entries, so stability is irrelevant.
    std::ranges::sort(entries, {}, &ComparisonEntry::text);

    // Each entry's candidates are the previous entry (when it is shorter) and then the chain of
    // prefixes that entry already knows: any prefix of this entry that precedes it is a prefix
    // of the previous entry too, so the chain reaches the longest one.
    const auto count = static_cast<std::int32_t>(entries.size());
    for (std::int32_t j = 1; j < count; ++j) {
        const std::wstring& text = entries[j].text;
        const ComparisonEntry& previous = entries[j - 1];
        std::int32_t candidate = previous.text.size() < text.size() ? j - 1 : previous.prefixIndex;
        while (candidate != -1) {
            const std::wstring& prefix = entries[candidate].text;
            if (prefix.size() <= text.size() && text.compare(0, prefix.size(), prefix) == 0) {
                entries[j].prefixIndex = candidate;
                break;
            }
            candidate = entries[candidate].prefixIndex;
        }
    }
    m_sorted = std::move(entries);
}

void CNameSubFilter::rebuildDerived() { buildIndex(m_matchCase.getValue()); }
