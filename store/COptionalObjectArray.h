// COptionalObjectArray<I, C, ID>: a keyed child collection that exists only while it has entries.
//
// Most objects have none of most of their child kinds (a task without notes, a risk without
// sub-risks), so the collection is one null pointer until the first entry arrives and is freed
// again when the last one leaves. A null collection reads as an empty one everywhere. Every
// operation that could leave an empty collection behind (a refused add, the last removal or
// detach, setting from an empty source) frees it.
//
// The owner keeps the operations' rules of its own (what it refuses) and forwards the rest here.
#pragma once

#include "basetypes/OwnedPointer.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"
#include "store/CollectionOps.h"

template <class I, class C, class ID, int flag = 0>
class ZX_API COptionalObjectArray {
public:
    using Array = CUniqueObjectPointerArray<I, C, ID>;
    using ArrayHandle = CWrapperArrayHandle<I, ID, flag>;
    using ConstArrayHandle = CConstWrapperArrayHandle<I, ID, flag>;

    COptionalObjectArray() = default;
    COptionalObjectArray(const COptionalObjectArray& other)
        : m_array(other.m_array ? zx::makeOwned<Array>(*other.m_array) : nullptr) {}
    COptionalObjectArray& operator=(const COptionalObjectArray& other) {
        if (this != &other)
            m_array = other.m_array ? zx::makeOwned<Array>(*other.m_array) : nullptr;
        return *this;
    }
    COptionalObjectArray(COptionalObjectArray&&) noexcept = default;
    COptionalObjectArray& operator=(COptionalObjectArray&&) noexcept = default;

    bool exists() const { return m_array != nullptr; }
    int GetSize() const { return m_array ? m_array->GetSize() : 0; }
    // The collection, or null while there is none.
    const Array* get() const { return m_array.get(); }
    Array* get() { return m_array.get(); }
    // The collection, created empty when there is none.
    Array& ensure() {
        if (!m_array) m_array = zx::makeOwned<Array>();
        return *m_array;
    }
    void reset() { m_array.reset(); }

    // An array handle over the collection (read-only when the collection is reached as const);
    // an empty handle while there is none.
    ConstArrayHandle handle() const { return ConstArrayHandle::over(get()); }
    ArrayHandle handle() { return ArrayHandle::over(get()); }

    // Adds a copy; its position, or -1 when the ID is present.
    [[nodiscard]] int add(const I& object) {
        const int i = ensure().Add(object);
        freeIfEmpty();
        return i;
    }
    // Inserts a copy at index; false unless 0 <= index <= count and the ID is absent.
    [[nodiscard]] bool insert(const I& object, int index) {
        const bool inserted = ensure().InsertAt(index, object);
        freeIfEmpty();
        return inserted;
    }
    // Copies object into the stored entry with its ID, which keeps its place.
    [[nodiscard]] bool change(const I& object) { return m_array && m_array->changeElement(object); }
    // Removals, even refused ones, also free a collection that was allocated and left empty.
    [[nodiscard]] bool remove(const ID& id) {
        const bool removed = m_array && removeByIDKeepingSort(*m_array, id);
        freeIfEmpty();
        return removed;
    }
    // Removes the entry at this position; false when it is out of range.
    [[nodiscard]] bool removeAt(int index) {
        const bool removed = m_array && removeAtKeepingSort(*m_array, index);
        freeIfEmpty();
        return removed;
    }
    // Replaces the contents with copies of what the handle yields (null entries and repeated IDs
    // skipped).
    void set(const ConstArrayHandle& source) {
        auto copies = zx::makeOwned<Array>();
        replaceWithCopies(*copies, source);
        m_array = copies->GetSize() > 0 ? std::move(copies) : nullptr;
    }
    [[nodiscard]] bool changePosition(int from, int to) {
        if (!m_array) return false;
        const int n = m_array->GetSize();
        if (from < 0 || from >= n || to < 0 || to >= n) return false;
        return from == to || m_array->changePosition(to, from);
    }
    // Moves the handle's object in at index without copying. With no collection only index 0 is
    // accepted; otherwise 0 <= index <= count. On refusal the object stays with the caller.
    [[nodiscard]] bool attach(const CWritableWrapperHandle<I>& object, int index) {
        if (index < 0 || index > GetSize() || object.isNull()) return false;
        const bool attached = attachFromHandle(ensure(), object, index);
        freeIfEmpty();
        return attached;
    }
    // Takes the object with this ID out without deleting it; the caller owns it through the
    // returned handle (empty when absent).
    [[nodiscard]] CWritableWrapperHandle<I> detach(const ID& id) {
        if (!m_array) return {};
        CWritableWrapperHandle<I> detached = detachToHandle(*m_array, id);
        freeIfEmpty();
        return detached;
    }

private:
    void freeIfEmpty() {
        if (m_array && m_array->GetSize() == 0) m_array.reset();
    }

    zx::OwnedPointer<Array> m_array;
};
