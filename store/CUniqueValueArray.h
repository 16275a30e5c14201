// CUniqueValueArray<T, Key, Getter>: an array of values each carrying a unique key (calendar
// exceptions by date, user field values by field, ...), kept in a storage order the owner chooses.
//
// The array owns its values by value. Lookups by key go through an ordered index: entry k is the
// storage position of the value with the k-th smallest key. The index is either complete (the
// array is sorted) or empty (unsorted, after RemoveAtNoSort). A lookup never misses for want of
// sorting: through a non-const array it sorts first, while a const one changes nothing and, on an
// unsorted array, searches the storage instead (linear) or orders a copy of the index. addValue and
// insertValue refuse a key that is already present; they are the operations the owning objects
// build their add and insert on.
//
// Keys are compared with Key::operator< and Key::operator!=; Getter is a function object returning
// an element's key as const Key&. A key changed in place through a writable reference is found
// under its new key only after resort().
//
// Archive record (written to disk; must never change): the count as int32, then each value's own
// record in storage order. Loading rebuilds the index; a negative count throws CArchiveLengthError
// ("vector too long"), a repeated key or any other bad input CArchiveException, and either leaves
// the array empty.
//
// Threads: const operations change nothing, hidden state included, so any number of threads may
// read one array while none changes it; anything else needs the caller's exclusion. A loaded
// array is sorted, so its const lookups are as fast as any.
#pragma once

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"
#include "store/ArrayCapacity.h"

// The getter must hand out a reference into the element: a getter returning a key by value would
// leave the comparisons holding a reference to a temporary.
template <class Getter, class T, class Key>
concept KeyGetterOf = std::default_initializable<Getter> && requires(const Getter g, const T& v) {
    { g(v) } -> std::same_as<const Key&>;
};

template <class T, class Key, class Getter>
requires KeyGetterOf<Getter, T, Key>
class CUniqueValueArray {
public:
    static inline const Getter s_getter{};

    CUniqueValueArray() = default;
    CUniqueValueArray(const CUniqueValueArray&) = default;
    CUniqueValueArray& operator=(const CUniqueValueArray&) = default;
    CUniqueValueArray(CUniqueValueArray&& other) noexcept { Copy(std::move(other)); }
    CUniqueValueArray& operator=(CUniqueValueArray&& other) noexcept {
        Copy(std::move(other));
        return *this;
    }

    int GetSize() const { return static_cast<int>(m_values.size()); }
    int GetUpperBound() const { return GetSize() - 1; }
    // Elements the storage holds before it must grow.
    int capacity() const { return static_cast<int>(m_values.capacity()); }
    bool isSorted() const { return m_sorted; }

    // Storage order; no range check.
    const T& getConstReference(int i) const { return m_values[static_cast<std::size_t>(i)]; }
    T& getWritableReference(int i) { return m_values[static_cast<std::size_t>(i)]; }
    // The value with the k-th smallest key; no range check. On an unsorted array it orders a
    // copy of the index first, which costs a sort per call.
    const T& getConstOrderedReference(int k) const {
        if (!m_sorted)
            return m_values[static_cast<std::size_t>(
                buildOrderedIndex()[static_cast<std::size_t>(k)])];
        return m_values[static_cast<std::size_t>(m_orderedIndex[static_cast<std::size_t>(k)])];
    }
    T& getWritableOrderedReference(int k) {
        sort();
        return m_values[static_cast<std::size_t>(m_orderedIndex[static_cast<std::size_t>(k)])];
    }

    // Storage position of the value with this key, or -1. Sorts an unsorted array first.
    [[nodiscard]] int findByID(const Key& key) {
        sort();
        return std::as_const(*this).findByID(key);
    }
    // The same without sorting: an unsorted array is searched in storage order (linear).
    [[nodiscard]] int findByID(const Key& key) const {
        if (!m_sorted) {
            for (int i = 0; i < GetSize(); ++i)
                if (!(keyAt(i) != key)) return i;
            return -1;
        }
        if (m_orderedIndex.size() != m_values.size()) return -1;
        const auto found = lowerBound(key);
        if (found == m_orderedIndex.end() || keyAt(*found) != key) return -1;
        return *found;
    }

    // Appends the value; returns its position, or -1 (nothing changed) when its key is present.
    [[nodiscard]] int addValue(const T& value) { return add(value); }
    [[nodiscard]] int addValue(T&& value) { return add(std::move(value)); }

    // Inserts the value at storage position i. False (nothing changed) unless 0 <= i <= count and
    // the key is absent.
    [[nodiscard]] bool insertValue(int i, const T& value) {
        if (i < 0 || i > GetSize()) return false;
        sort();
        const int k = findSortInsertPosition(value);
        if (k < 0) return false;
        reserveOneMore(m_orderedIndex);
        m_values.insert(m_values.begin() + i, value);
        insertOrderedIndex(k, i);
        return true;
    }

    // Both false when i is outside the array. RemoveAt keeps the index current (one linear
    // renumbering); RemoveAtNoSort drops it, for bulk removals that end with a lookup or resort().
    [[nodiscard]] bool RemoveAt(int i) {
        if (i < 0 || i >= GetSize()) return false;
        sort();
        m_values.erase(m_values.begin() + i);
        removeOrderedIndex(i);
        shrinkExcessCapacity(m_values, m_orderedIndex);
        return true;
    }
    [[nodiscard]] bool RemoveAtNoSort(int i) {
        if (i < 0 || i >= GetSize()) return false;
        m_values.erase(m_values.begin() + i);
        if (m_sorted) discardSorting();
        shrinkExcessCapacity(m_values, m_orderedIndex);
        return true;
    }
    void RemoveAll() {
        m_values.clear();
        m_orderedIndex.clear();
        m_sorted = true;
        shrinkExcessCapacity(m_values, m_orderedIndex);
    }

    void reserve(int n) {
        if (n <= 0) return;
        m_values.reserve(static_cast<std::size_t>(n));
        m_orderedIndex.reserve(static_cast<std::size_t>(n));
    }

    // Rebuilds the index, for after keys were changed in place.
    void resort() {
        discardSorting();
        sort();
    }

    // Takes over other's values, index and sorted state; other is left empty and sorted.
    void Copy(CUniqueValueArray&& other) noexcept {
        if (&other == this) return;
        m_values = std::move(other.m_values);
        m_orderedIndex = std::move(other.m_orderedIndex);
        m_sorted = other.m_sorted;
        other.m_values.clear();
        other.m_orderedIndex.clear();
        other.m_sorted = true;
    }

    // Equal counts and T::operator== at every storage position; the index is not compared.
    bool operator==(const CUniqueValueArray& other) const { return m_values == other.m_values; }

    void Serialize(CZentrixArchive& ar) {
        zx::RecordScope scope(ar, "CUniqueValueArray");
        if (ar.IsStoring()) {
            ar << GetSize();
            for (int i = 0; i < GetSize(); ++i) {
                ar.setRecordIndex(i);
                zx::serializeValue(ar, m_values[static_cast<std::size_t>(i)]);
            }
            return;
        }
        RemoveAll();
        const int count = ar.readCount(1, "values");
        if (count < 0) ar.failNegativeCount(ar.position() - sizeof(std::int32_t));
        // Built apart so that a failure part-way leaves this array empty.
        CUniqueValueArray loaded;
        loaded.reserve(std::min(count, kMaxUpfrontReserve));
        for (int i = 0; i < count; ++i) {
            ar.setRecordIndex(i);
            const std::uint64_t start = ar.position();
            T value{};
            zx::serializeValue(ar, value);
            if (loaded.addValue(std::move(value)) < 0)
                ar.failAt(start, "expected a value whose key is not already in the array");
        }
        Copy(std::move(loaded));
    }

protected:
    // Builds the index from scratch when unsorted; equal keys (possible only through keys changed
    // in place) keep no particular order.
    void sort() {
        if (m_sorted) return;
        m_orderedIndex = buildOrderedIndex();
        m_sorted = true;
    }
    // Storage positions in ascending key order, computed from the values alone.
    std::vector<int> buildOrderedIndex() const {
        std::vector<int> index(m_values.size());
        std::iota(index.begin(), index.end(), 0);
        std::sort(index.begin(), index.end(), [this](int a, int b) { return keyAt(a) < keyAt(b); });
        return index;
    }
    void discardSorting() {
        m_sorted = false;
        m_orderedIndex.clear();
    }
    // Where the value's key belongs in the (sorted) index: the index length past the end, -1 when
    // the key is already present.
    [[nodiscard]] int findSortInsertPosition(const T& value) const {
        const Key& key = s_getter(value);
        const auto found = lowerBound(key);
        if (found != m_orderedIndex.end() && !(keyAt(*found) != key)) return -1;
        return static_cast<int>(found - m_orderedIndex.begin());
    }
    // Makes room for a value inserted at storage position i and records it at ordered position k.
    // Ignored unless 0 <= k <= index length.
    void insertOrderedIndex(int k, int i) {
        if (k < 0 || k > static_cast<int>(m_orderedIndex.size())) return;
        for (int& entry : m_orderedIndex) {
            if (entry >= i) ++entry;
        }
        m_orderedIndex.insert(m_orderedIndex.begin() + k, i);
    }
    // Drops the entry of storage position i and closes the gap in the later positions, in one
    // pass. Ignored unless 0 <= i < index length.
    void removeOrderedIndex(int i) {
        if (i < 0 || i >= static_cast<int>(m_orderedIndex.size())) return;
        std::size_t kept = 0;
        for (const int entry : m_orderedIndex) {
            if (entry != i) m_orderedIndex[kept++] = entry > i ? entry - 1 : entry;
        }
        m_orderedIndex.resize(kept);
    }

private:
    const Key& keyAt(int i) const { return s_getter(m_values[static_cast<std::size_t>(i)]); }
    std::vector<int>::const_iterator lowerBound(const Key& key) const {
        return std::lower_bound(m_orderedIndex.cbegin(), m_orderedIndex.cend(), key,
                                [this](int i, const Key& k) { return keyAt(i) < k; });
    }

    template <class V>
    [[nodiscard]] int add(V&& value) {
        sort();
        const int k = findSortInsertPosition(value);
        if (k < 0) return -1;
        const int n = GetSize();
        // Room in the index first: once the value is in, nothing below can throw and leave the
        // index one entry short.
        reserveOneMore(m_orderedIndex);
        m_values.push_back(std::forward<V>(value));
        // The new position is past every entry, so unlike insertOrderedIndex nothing is
        // renumbered: adding in key order (as a load usually does) stays cheap.
        m_orderedIndex.insert(m_orderedIndex.begin() + k, n);
        return n;
    }

    std::vector<T> m_values;
    std::vector<int> m_orderedIndex;
    bool m_sorted = true;
};

// A JSON array of the values' own dump texts, in storage order.
template <class T, class Key, class Getter>
std::string toDumpText(const CUniqueValueArray<T, Key, Getter>& values) {
    std::string text = "[";
    for (int i = 0; i < values.GetSize(); ++i) {
        if (i != 0) text += ',';
        text += toDumpText(values.getConstReference(i));
    }
    text += ']';
    return text;
}
