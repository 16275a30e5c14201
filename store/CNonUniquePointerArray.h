// CNonUniquePointerArray<T>: an owning array of heap objects without identity (the display states
// of an entity, for one).
//
// Every slot holds an object the array owns; it deletes them on removal, clearing and destruction.
// Ownership crosses the boundary only through Attach (the array takes a raw pointer, unless it
// refuses the position, in which case the caller keeps it) and Detach (the caller receives the
// pointer). Copies are deep. Positions and counts are 32-bit signed ints; operator[] and the
// reference accessors trust the caller to pass 0 <= i < count.
//
// The only virtual member is Serialize(CZentrixArchive&), so the destructor is not virtual: do
// not delete a derived array through a pointer to this class.
//
// Archive record (written to disk; must never change), with a marker name that may be null:
//   start marker (when named), int32 count, each object's own record in storage order,
//   end marker (when named).
// The one-argument Serialize uses the marker name "CNonUniquePointerArray". Loading replaces the
// contents; a negative count throws CArchiveLengthError ("vector too long"), an impossible count or
// any other bad input CArchiveException, and either leaves the array empty with every object it
// built freed.
//
// Not safe for concurrent use.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"
#include "store/ArrayCapacity.h"

template <class T>
class CNonUniquePointerArray {
public:
    static constexpr const char* s_defaultMarker = "CNonUniquePointerArray";

    CNonUniquePointerArray() = default;
    CNonUniquePointerArray(const CNonUniquePointerArray& other) { Copy(other); }
    CNonUniquePointerArray& operator=(const CNonUniquePointerArray& other) {
        Copy(other);
        return *this;
    }
    CNonUniquePointerArray(CNonUniquePointerArray&& other) noexcept { Copy(std::move(other)); }
    CNonUniquePointerArray& operator=(CNonUniquePointerArray&& other) noexcept {
        Copy(std::move(other));
        return *this;
    }
    ~CNonUniquePointerArray() = default;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetUpperBound() const { return GetSize() - 1; }
    // Elements the storage holds before it must grow.
    int capacity() const { return static_cast<int>(m_items.capacity()); }

    const T& operator[](int i) const { return *m_items[static_cast<std::size_t>(i)]; }
    T& operator[](int i) { return *m_items[static_cast<std::size_t>(i)]; }
    const T& getConstReference(int i) const { return (*this)[i]; }
    T& getWritableReference(int i) { return (*this)[i]; }

    // Appends a new heap copy; returns its position.
    int Add(const T& value) {
        m_items.push_back(std::make_unique<T>(value));
        return GetUpperBound();
    }
    int Add(T&& value) {
        m_items.push_back(std::make_unique<T>(std::move(value)));
        return GetUpperBound();
    }
    // Appends copies of other's objects; returns the count before.
    int Append(const CNonUniquePointerArray& other) {
        const int before = GetSize();
        InsertAt(before, other);
        return before;
    }

    // Ignored unless 0 <= i <= count.
    void InsertAt(int i, const T& value) {
        if (!isInsertPosition(i)) return;
        m_items.insert(at(i), std::make_unique<T>(value));
    }
    void InsertAt(int i, const CNonUniquePointerArray& other) {
        if (!isInsertPosition(i)) return;
        // Copies first: other may be this array, and a copy that throws leaves it unchanged.
        std::vector<std::unique_ptr<T>> copies = copiesOf(other);
        m_items.insert(at(i), std::make_move_iterator(copies.begin()),
                       std::make_move_iterator(copies.end()));
    }

    // Takes ownership of `object` and stores it at i (i < 0 appends). Refused, with the caller
    // keeping the object, when i > count or the pointer is null.
    [[nodiscard]] bool Attach(T* object, int i) {
        if (object == nullptr || i > GetSize()) return false;
        // The only step that can throw runs while the caller still owns the object.
        reserveOneMore(m_items);
        std::unique_ptr<T> owned(object);
        if (i < 0)
            m_items.push_back(std::move(owned));
        else
            m_items.insert(at(i), std::move(owned));
        return true;
    }
    // Removes the object at i and hands it to the caller; null when i is out of range.
    [[nodiscard]] T* Detach(int i) {
        if (!isPosition(i)) return nullptr;
        T* object = m_items[static_cast<std::size_t>(i)].release();
        m_items.erase(at(i));
        shrinkExcessCapacity(m_items);
        return object;
    }

    // Deletes the object at i; false when i is out of range.
    [[nodiscard]] bool RemoveAt(int i) {
        if (!isPosition(i)) return false;
        m_items.erase(at(i));
        shrinkExcessCapacity(m_items);
        return true;
    }
    void RemoveAll() {
        m_items.clear();
        shrinkExcessCapacity(m_items);
    }
    // Surplus objects are deleted; new slots get new default-constructed objects. A negative size
    // empties the array.
    void SetSize(int n) {
        const auto size = static_cast<std::size_t>(std::max(n, 0));
        if (size < m_items.size()) {
            m_items.resize(size);
            shrinkExcessCapacity(m_items);
            return;
        }
        m_items.reserve(size);
        while (m_items.size() < size) m_items.push_back(std::make_unique<T>());
    }

    // Moves the object at oldPosition so that it ends at newPosition, the others keeping their
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

    // Replaces the contents with copies of other's objects.
    void Copy(const CNonUniquePointerArray& other) {
        if (&other != this) m_items = copiesOf(other);
    }
    // Takes over other's objects; other is left empty.
    void Copy(CNonUniquePointerArray&& other) noexcept {
        if (&other == this) return;
        m_items = std::move(other.m_items);
        other.m_items.clear();
    }

    // Equal counts and every pair of objects equal by T's operator==.
    bool operator==(const CNonUniquePointerArray& other) const {
        return std::equal(m_items.begin(), m_items.end(), other.m_items.begin(),
                          other.m_items.end(),
                          [](const auto& a, const auto& b) { return *a == *b; });
    }

    virtual void Serialize(CZentrixArchive& ar) { Serialize(ar, s_defaultMarker); }

    // markerName may be null: the record then has no markers.
    void Serialize(CZentrixArchive& ar, const char* markerName) {
        std::optional<zx::RecordScope> unmarked;
        std::vector<std::unique_ptr<T>> loaded;
        if (ar.IsLoading()) RemoveAll();
        if (markerName != nullptr)
            ar.checkMarkerStart(markerName);
        else
            unmarked.emplace(ar, s_defaultMarker);
        if (ar.IsStoring())
            store(ar);
        else
            loaded = load(ar);
        if (markerName != nullptr) ar.checkMarkerEnd(markerName);
        // Taken only once the whole record was read, so that any failure leaves the array empty.
        if (ar.IsLoading()) m_items = std::move(loaded);
    }

private:
    bool isPosition(int i) const { return i >= 0 && i < GetSize(); }
    bool isInsertPosition(int i) const { return i >= 0 && i <= GetSize(); }
    auto at(int i) { return m_items.begin() + i; }

    static std::vector<std::unique_ptr<T>> copiesOf(const CNonUniquePointerArray& source) {
        std::vector<std::unique_ptr<T>> copies;
        copies.reserve(source.m_items.size());
        for (const auto& item : source.m_items) copies.push_back(std::make_unique<T>(*item));
        return copies;
    }

    void store(CZentrixArchive& ar) {
        ar << GetSize();
        for (int i = 0; i < GetSize(); ++i) {
            ar.setRecordIndex(i);
            (*this)[i].Serialize(ar);
        }
    }
    static std::vector<std::unique_ptr<T>> load(CZentrixArchive& ar) {
        const int count = ar.readCount(1, "objects");
        if (count < 0) ar.failNegativeCount(ar.position() - sizeof(std::int32_t));
        std::vector<std::unique_ptr<T>> loaded;
        loaded.reserve(static_cast<std::size_t>(std::min(count, kMaxUpfrontReserve)));
        for (int i = 0; i < count; ++i) {
            ar.setRecordIndex(i);
            auto object = std::make_unique<T>();
            object->Serialize(ar);
            loaded.push_back(std::move(object));
        }
        return loaded;
    }

    std::vector<std::unique_ptr<T>> m_items;
};

// A JSON array of the objects' own dump texts, in storage order.
template <class T>
std::string toDumpText(const CNonUniquePointerArray<T>& objects) {
    std::string text = "[";
    for (int i = 0; i < objects.GetSize(); ++i) {
        if (i != 0) text += ',';
        text += toDumpText(objects[i]);
    }
    text += ']';
    return text;
}
