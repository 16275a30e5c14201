// CNonUniqueValueArray<T>: an array of values without identity (times, numbers, points, polylines)
// kept inside stored objects.
//
// The array owns its values by value in one vector. Positions and counts are 32-bit signed ints.
// The bounded operations refuse a position outside the array (false, a default value or no
// effect); operator[], getConstReference and getWritableReference trust the caller to pass
// 0 <= i < count. After a removal a large, mostly empty array gives its storage back
// (ArrayCapacity.h).
//
// Archive record (written to disk; must never change): the count as int32, then each value's own
// record in storage order. Loading replaces the contents; a negative count throws
// CArchiveLengthError ("vector too long"), other bad input CArchiveException, and either
// leaves the array empty.
//
// Not safe for concurrent use.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"
#include "store/ArrayCapacity.h"

template <class T>
class CNonUniqueValueArray {
public:
    CNonUniqueValueArray() = default;
    CNonUniqueValueArray(const CNonUniqueValueArray&) = default;
    CNonUniqueValueArray& operator=(const CNonUniqueValueArray&) = default;
    CNonUniqueValueArray(CNonUniqueValueArray&& other) noexcept { Copy(std::move(other)); }
    CNonUniqueValueArray& operator=(CNonUniqueValueArray&& other) noexcept {
        Copy(std::move(other));
        return *this;
    }

    int GetSize() const { return static_cast<int>(m_values.size()); }
    int GetUpperBound() const { return GetSize() - 1; }
    // Elements the storage holds before it must grow.
    int capacity() const { return static_cast<int>(m_values.capacity()); }

    const T& operator[](int i) const { return m_values[static_cast<std::size_t>(i)]; }
    T& operator[](int i) { return m_values[static_cast<std::size_t>(i)]; }
    const T& getConstReference(int i) const { return (*this)[i]; }
    T& getWritableReference(int i) { return (*this)[i]; }

    // Append; return the new position.
    int Add(const T& value) {
        m_values.push_back(value);
        return GetUpperBound();
    }
    int Add(T&& value) {
        m_values.push_back(std::move(value));
        return GetUpperBound();
    }

    // False unless 0 <= i <= count.
    [[nodiscard]] bool InsertAt(int i, const T& value) {
        if (!isInsertPosition(i)) return false;
        m_values.insert(at(i), value);
        return true;
    }
    [[nodiscard]] bool InsertAt(int i, const CNonUniqueValueArray& other) {
        if (!isInsertPosition(i)) return false;
        insertRange(i, other.m_values);
        return true;
    }

    // False unless 0 <= i < count.
    [[nodiscard]] bool RemoveAt(int i) {
        if (!isPosition(i)) return false;
        m_values.erase(at(i));
        shrinkExcessCapacity(m_values);
        return true;
    }
    void RemoveAll() {
        m_values.clear();
        shrinkExcessCapacity(m_values);
    }

    // New elements are default-constructed; a negative size empties the array.
    void SetSize(int n) {
        const auto size = static_cast<std::size_t>(std::max(n, 0));
        const bool shrinking = size < m_values.size();
        m_values.resize(size);
        if (shrinking) shrinkExcessCapacity(m_values);
    }

    // Removes and returns the value at i; a default value when i is out of range.
    T Detach(int i) {
        if (!isPosition(i)) return T{};
        T value = std::move(m_values[static_cast<std::size_t>(i)]);
        m_values.erase(at(i));
        shrinkExcessCapacity(m_values);
        return value;
    }
    // i < 0 appends; i > count refuses (false) and leaves `value` untouched; otherwise inserts at
    // i.
    [[nodiscard]] bool Attach(T&& value, int i) {
        if (i > GetSize()) return false;
        if (i < 0)
            m_values.push_back(std::move(value));
        else
            m_values.insert(at(i), std::move(value));
        return true;
    }

    // Moves the value at oldPosition so that it ends at newPosition, the others keeping their
    // order. False unless both positions are inside the array.
    [[nodiscard]] bool changePosition(int newPosition, int oldPosition) {
        if (!isPosition(newPosition) || !isPosition(oldPosition)) return false;
        const auto from = at(oldPosition);
        const auto to = at(newPosition);
        if (oldPosition < newPosition)
            std::rotate(from, from + 1, to + 1);
        else if (newPosition < oldPosition)
            std::rotate(to, from, from + 1);
        return true;
    }

    // Appends copies of other's values; returns the count before.
    int Append(const CNonUniqueValueArray& other) {
        const int before = GetSize();
        insertRange(before, other.m_values);
        return before;
    }

    void Copy(const CNonUniqueValueArray& other) {
        if (&other != this) m_values = other.m_values;
    }
    // Takes over other's values; other is left empty.
    void Copy(CNonUniqueValueArray&& other) noexcept {
        if (&other == this) return;
        m_values = std::move(other.m_values);
        other.m_values.clear();
    }

    // Equal counts and no position where the values differ (by T's operator!=).
    bool operator==(const CNonUniqueValueArray& other) const {
        if (GetSize() != other.GetSize()) return false;
        for (std::size_t i = 0; i < m_values.size(); ++i) {
            if (m_values[i] != other.m_values[i]) return false;
        }
        return true;
    }

    void Serialize(CZentrixArchive& ar) {
        zx::RecordScope scope(ar, "CNonUniqueValueArray");
        if (ar.IsStoring()) {
            ar << GetSize();
            for (int i = 0; i < GetSize(); ++i) {
                ar.setRecordIndex(i);
                zx::serializeValue(ar, (*this)[i]);
            }
            return;
        }
        RemoveAll();
        const int count = ar.readCount(1, "values");
        if (count < 0) ar.failNegativeCount(ar.position() - sizeof(std::int32_t));
        // Read into a separate vector so that a failure part-way leaves this array empty.
        std::vector<T> loaded;
        loaded.reserve(static_cast<std::size_t>(std::min(count, kMaxUpfrontReserve)));
        for (int i = 0; i < count; ++i) {
            ar.setRecordIndex(i);
            T value{};
            zx::serializeValue(ar, value);
            loaded.push_back(std::move(value));
        }
        m_values = std::move(loaded);
    }

private:
    bool isPosition(int i) const { return i >= 0 && i < GetSize(); }
    bool isInsertPosition(int i) const { return i >= 0 && i <= GetSize(); }
    auto at(int i) { return m_values.begin() + i; }

    // vector::insert must not be given a range of the vector itself, so a self-insert copies
    // first.
    void insertRange(int i, const std::vector<T>& source) {
        if (&source == &m_values) {
            const std::vector<T> copy = source;
            m_values.insert(at(i), copy.begin(), copy.end());
        } else {
            m_values.insert(at(i), source.begin(), source.end());
        }
    }

    std::vector<T> m_values;
};

// A JSON array of the values' own dump texts, in storage order.
template <class T>
std::string toDumpText(const CNonUniqueValueArray<T>& values) {
    std::string text = "[";
    for (int i = 0; i < values.GetSize(); ++i) {
        if (i != 0) text += ',';
        text += toDumpText(values[i]);
    }
    text += ']';
    return text;
}

using CProjectTimeArray = CNonUniqueValueArray<CProjectTime>;
using CProjectIntArray = CNonUniqueValueArray<CProjectInt>;
using CProjectDoubleArray = CNonUniqueValueArray<CProjectDouble>;
