// CExcelList<T, Derived>: an ordered list of values held by value (an Excel source's sheets, a
// sheet's columns), with the record both share. Derived adds its own rules for adding and
// replacing entries; this base gives positions, removal, comparison and the record.
//
// Archive record (written to disk; must never change): start marker Derived::s_recordMarker,
// int32 count, each entry's record, end marker. Loading creates `count` default entries, reads
// each and then replaces the list, so a failed load leaves the list as it was; a negative count
// throws CArchiveLengthError and a count the remaining bytes cannot hold is refused before
// anything is allocated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"

template <class T, class Derived>
class CExcelList {
public:
    using Element = T;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    // No range check: the caller keeps 0 <= i < GetSize().
    const T& operator[](int i) const { return m_items[static_cast<std::size_t>(i)]; }
    // Removes the entry at i; an index outside the list changes nothing.
    void RemoveAt(int i) {
        if (i >= 0 && i < GetSize()) m_items.erase(m_items.begin() + i);
    }
    void RemoveAll() { m_items.clear(); }

    friend bool operator==(const CExcelList& a, const CExcelList& b) {
        return a.m_items == b.m_items;
    }

    void Serialize(CZentrixArchive& ar) {
        ar.checkMarkerStart(zx::ArchiveMarker(Derived::s_recordMarker));
        if (ar.IsStoring()) {
            ar << static_cast<std::int32_t>(m_items.size());
            for (std::size_t i = 0; i < m_items.size(); ++i) {
                ar.setRecordIndex(static_cast<int>(i));
                m_items[i].Serialize(ar);
            }
            ar.checkMarkerEnd(zx::ArchiveMarker(Derived::s_recordMarker));
            return;
        }
        // Every entry's record takes at least a text's 4-byte length.
        const int count = ar.readCount(4, Derived::s_recordMarker);
        if (count < 0) ar.failNegativeCount(ar.position() - sizeof(std::int32_t));
        std::vector<T> loaded(static_cast<std::size_t>(count));
        for (std::size_t i = 0; i < loaded.size(); ++i) {
            ar.setRecordIndex(static_cast<int>(i));
            loaded[i].Serialize(ar);
        }
        ar.checkMarkerEnd(zx::ArchiveMarker(Derived::s_recordMarker));
        m_items = std::move(loaded);
    }

    // Appends without the list's rules: for readers that restore a list exactly as it was
    // written (text formats), never for edits.
    void appendUnchecked(T item) { m_items.push_back(std::move(item)); }

protected:
    CExcelList() = default;

    // The first position whose entry satisfies `match`, other than `skip`, or -1.
    template <class Match>
    int findIf(Match match, int skip = -1) const {
        for (int i = 0; i < GetSize(); ++i)
            if (i != skip && match(m_items[static_cast<std::size_t>(i)])) return i;
        return -1;
    }
    std::vector<T>& items() { return m_items; }

private:
    std::vector<T> m_items;
};

template <class T, class Derived>
std::string toDumpText(const CExcelList<T, Derived>& list) {
    return zx::dumpArray(static_cast<std::size_t>(list.GetSize()),
                         [&](std::size_t i) { return toDumpText(list[static_cast<int>(i)]); });
}
