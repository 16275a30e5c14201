// Array handles and ID-order iterators: how objects and roots hand out their collections.
//
// An array handle is a non-owning view of one keyed container behind a virtual interface, so
// callers never see the container type. Elements come back as wrapper handles. A wrapper array
// handle owns one array handle. Flag 1 handles add iterators that walk the collection in
// ascending ID order; flag 0 handles have find(ID, int&) instead.
//
// A null array handle (no container) behaves as an empty collection. The handles never own the
// container; removing or destroying it leaves them dangling. Not safe for concurrent use.
#pragma once

#include <memory>
#include <utility>

#include "basetypes/CZentrixArchive.h"
#include "store/CUniqueObjectPointerArray.h"
#include "store/Handles.h"

template <class I, class ID, int flag>
class CWrapperArrayHandle;

template <class I>
class IIterator {
public:
    virtual ~IIterator() = default;
    // Element results are new heap handles owned by the caller, or null for none.
    virtual IWritableHandle<I>* current() const = 0;
    virtual IWritableHandle<I>* next() = 0;
    virtual IWritableHandle<I>* previous() = 0;
    virtual bool hasNext() const = 0;
    virtual bool hasPrevious() const = 0;
    virtual bool remove() = 0;
    virtual IIterator* clone() const = 0;
};

template <class I>
class IConstIterator {
public:
    virtual ~IConstIterator() = default;
    virtual IHandle<I>* current() const = 0;
    virtual IHandle<I>* next() = 0;
    virtual IHandle<I>* previous() = 0;
    virtual bool hasNext() const = 0;
    virtual bool hasPrevious() const = 0;
    virtual bool remove() = 0;
    virtual IConstIterator* clone() const = 0;
};

// Owns one iterator (or none); element results come back as wrapper handles.
template <class It, class Wrapper>
class CIteratorWrapperBase {
public:
    CIteratorWrapperBase() = default;
    explicit CIteratorWrapperBase(It* iterator) : m_iterator(iterator) {}
    CIteratorWrapperBase(const CIteratorWrapperBase& other)
        : m_iterator(other.m_iterator ? other.m_iterator->clone() : nullptr) {}
    CIteratorWrapperBase(CIteratorWrapperBase&&) noexcept = default;
    CIteratorWrapperBase& operator=(const CIteratorWrapperBase& other) {
        if (this != &other)
            m_iterator.reset(other.m_iterator ? other.m_iterator->clone() : nullptr);
        return *this;
    }
    CIteratorWrapperBase& operator=(CIteratorWrapperBase&&) noexcept = default;

    explicit operator bool() const { return m_iterator != nullptr; }
    Wrapper current() const { return Wrapper(m_iterator ? m_iterator->current() : nullptr); }
    Wrapper next() { return Wrapper(m_iterator ? m_iterator->next() : nullptr); }
    Wrapper previous() { return Wrapper(m_iterator ? m_iterator->previous() : nullptr); }
    bool hasNext() const { return m_iterator && m_iterator->hasNext(); }
    bool hasPrevious() const { return m_iterator && m_iterator->hasPrevious(); }
    bool remove() { return m_iterator && m_iterator->remove(); }

private:
    std::unique_ptr<It> m_iterator;
};

template <class I>
using CIteratorWrapper = CIteratorWrapperBase<IIterator<I>, CWritableWrapperHandle<I>>;
template <class I>
using CConstIteratorWrapper = CIteratorWrapperBase<IConstIterator<I>, CWrapperHandle<I>>;

// The operations every array handle has.
template <class I, class ID, int flag>
class IArrayHandleCommon {
public:
    virtual ~IArrayHandleCommon() = default;
    virtual int GetSize() const = 0;
    virtual CWrapperHandle<I> operator[](int i) const = 0;
    virtual CWrapperHandle<I> getConstReference(int i) const = 0;
    virtual int findByID(const ID& id) const = 0;
    virtual CWrapperHandle<I> find(const ID& id) const = 0;
    virtual CWritableWrapperHandle<I> getWritableReference(int i) const = 0;
    virtual void Serialize(CZentrixArchive& ar) = 0;
    virtual void resort() = 0;
    virtual void copyFrom(const CWrapperArrayHandle<I, ID, flag>& source) = 0;
    virtual IArrayHandleCommon* clone() const = 0;
    virtual bool isNull() const = 0;
    virtual bool isMemoryHandle() const { return false; }
};

template <class I, class ID, int flag>
class IArrayHandle;

template <class I, class ID>
class IArrayHandle<I, ID, 0> : public IArrayHandleCommon<I, ID, 0> {
public:
    using IArrayHandleCommon<I, ID, 0>::find;
    // The element with this ID; i receives its storage position (-1 when absent).
    virtual CWrapperHandle<I> find(const ID& id, int& i) const = 0;
    IArrayHandle* clone() const override = 0;
};

template <class I, class ID>
class IArrayHandle<I, ID, 1> : public IArrayHandleCommon<I, ID, 1> {
public:
    virtual CIteratorWrapper<I> getIterator(const ID& id) const = 0;
    virtual CIteratorWrapper<I> getIterator() const = 0;
    virtual CIteratorWrapper<I> getReverseIterator() const = 0;
    virtual CConstIteratorWrapper<I> getConstIterator(const ID& id) const = 0;
    virtual CConstIteratorWrapper<I> getConstIterator() const = 0;
    virtual CConstIteratorWrapper<I> getConstReverseIterator() const = 0;
    IArrayHandle* clone() const override = 0;
};

// Owns one array handle (or none) and forwards to it; with none it is an empty collection.
template <class I, class ID, int flag>
class CWrapperArrayHandle {
public:
    using Handle = IArrayHandle<I, ID, flag>;

    CWrapperArrayHandle() = default;
    // Takes ownership of the given heap array handle.
    explicit CWrapperArrayHandle(Handle* handle) : m_handle(handle) {}
    CWrapperArrayHandle(const CWrapperArrayHandle& other) : m_handle(cloneOf(other)) {}
    CWrapperArrayHandle(CWrapperArrayHandle&&) noexcept = default;
    CWrapperArrayHandle& operator=(const CWrapperArrayHandle& other) {
        if (this != &other) m_handle.reset(cloneOf(other));
        return *this;
    }
    CWrapperArrayHandle& operator=(CWrapperArrayHandle&&) noexcept = default;

    int GetSize() const { return m_handle ? m_handle->GetSize() : 0; }
    CWrapperHandle<I> operator[](int i) const {
        return m_handle ? (*m_handle)[i] : CWrapperHandle<I>();
    }
    CWrapperHandle<I> getConstReference(int i) const {
        return m_handle ? m_handle->getConstReference(i) : CWrapperHandle<I>();
    }
    CWritableWrapperHandle<I> getWritableReference(int i) const {
        return m_handle ? m_handle->getWritableReference(i) : CWritableWrapperHandle<I>();
    }
    int findByID(const ID& id) const { return m_handle ? m_handle->findByID(id) : -1; }
    CWrapperHandle<I> find(const ID& id) const {
        return m_handle ? m_handle->find(id) : CWrapperHandle<I>();
    }
    CWrapperHandle<I> find(const ID& id, int& i) const requires(flag == 0) {
        i = -1;
        return m_handle ? m_handle->find(id, i) : CWrapperHandle<I>();
    }
    CIteratorWrapper<I> getIterator() const requires(flag == 1) {
        return m_handle ? m_handle->getIterator() : CIteratorWrapper<I>();
    }
    CIteratorWrapper<I> getIterator(const ID& id) const requires(flag == 1) {
        return m_handle ? m_handle->getIterator(id) : CIteratorWrapper<I>();
    }
    CIteratorWrapper<I> getReverseIterator() const requires(flag == 1) {
        return m_handle ? m_handle->getReverseIterator() : CIteratorWrapper<I>();
    }
    CConstIteratorWrapper<I> getConstIterator() const requires(flag == 1) {
        return m_handle ? m_handle->getConstIterator() : CConstIteratorWrapper<I>();
    }
    CConstIteratorWrapper<I> getConstIterator(const ID& id) const requires(flag == 1) {
        return m_handle ? m_handle->getConstIterator(id) : CConstIteratorWrapper<I>();
    }
    CConstIteratorWrapper<I> getConstReverseIterator() const requires(flag == 1) {
        return m_handle ? m_handle->getConstReverseIterator() : CConstIteratorWrapper<I>();
    }

    void Serialize(CZentrixArchive& ar) const {
        if (m_handle) m_handle->Serialize(ar);
    }
    void resort() const {
        if (m_handle) m_handle->resort();
    }
    void copyFrom(const CWrapperArrayHandle& source) const {
        if (m_handle) m_handle->copyFrom(source);
    }
    bool isNull() const { return !m_handle || m_handle->isNull(); }
    bool operator!() const { return isNull(); }
    const Handle* handle() const { return m_handle.get(); }

    friend bool operator==(const CWrapperArrayHandle& a, const CWrapperArrayHandle& b) {
        const bool aEmpty = a.isNull(), bEmpty = b.isNull();
        if (aEmpty && bEmpty) return true;
        if (aEmpty != bEmpty) {
            const CWrapperArrayHandle& full = aEmpty ? b : a;
            return !full.m_handle->isMemoryHandle() && full.GetSize() == 0;
        }
        const int n = a.GetSize();
        if (n != b.GetSize()) return false;
        for (int i = 0; i < n; ++i)
            if (!(a.getConstReference(i) == b.getConstReference(i))) return false;
        return true;
    }

private:
    static Handle* cloneOf(const CWrapperArrayHandle& other) {
        return other.m_handle && !other.m_handle->isNull() ? other.m_handle->clone() : nullptr;
    }

    std::unique_ptr<Handle> m_handle;
};

// Iterator over a container's ordered index; Base is IIterator<I> or IConstIterator<I>.
template <class I, class C, class ID, class Base, class ElementHandle>
class CArrayIteratorImpl : public Base {
public:
    using Array = CUniqueObjectPointerArray<I, C, ID>;

    CArrayIteratorImpl(Array* array, int position) : m_array(array), m_position(position) {}

    ElementHandle* current() const override {
        return inside(m_position) ? handleAt(m_position) : nullptr;
    }
    ElementHandle* next() override {
        if (m_position < -1 || m_position >= count()) return nullptr;
        return handleAt(++m_position);
    }
    ElementHandle* previous() override {
        if (m_position < 0 || m_position > count()) return nullptr;
        return handleAt(--m_position);
    }
    bool hasNext() const override { return m_position >= -1 && m_position < count() - 1; }
    bool hasPrevious() const override { return m_position >= 1 && m_position <= count(); }
    bool remove() override {
        if (!inside(m_position)) return false;
        m_array->RemoveAt(m_array->getOrderedIndex(m_position));
        --m_position;
        return true;
    }
    CArrayIteratorImpl* clone() const override {
        return new CArrayIteratorImpl(m_array, m_position);
    }

private:
    int count() const { return m_array->GetSize(); }
    bool inside(int position) const { return position >= 0 && position < count(); }
    // A handle on the object at ordered position k; outside the index, the container's default
    // item.
    ElementHandle* handleAt(int k) const {
        C& object = m_array->getWritableReference(m_array->getOrderedIndex(k));
        if constexpr (std::is_same_v<ElementHandle, IHandle<I>>)
            return new CBasicHandle<I, C>(&object);
        else
            return new CWritableBasicHandle<I, C>(&object);
    }

    Array* m_array;
    int m_position;
};

template <class I, class C, class ID>
using CArrayIterator = CArrayIteratorImpl<I, C, ID, IIterator<I>, IWritableHandle<I>>;
template <class I, class C, class ID>
using CArrayConstIterator = CArrayIteratorImpl<I, C, ID, IConstIterator<I>, IHandle<I>>;

// The operations every basic array handle implements over its container.
template <class I, class C, class ID, int flag>
class CBasicArrayHandleCommon : public IArrayHandle<I, ID, flag> {
public:
    using Array = CUniqueObjectPointerArray<I, C, ID>;
    // Keeps the flag-specific find overloads visible beside the one defined here.
    using IArrayHandle<I, ID, flag>::find;

    CBasicArrayHandleCommon() = default;
    explicit CBasicArrayHandleCommon(Array* array) : m_array(array) {}
    explicit CBasicArrayHandleCommon(const Array* array) : m_array(const_cast<Array*>(array)) {}

    int GetSize() const override { return m_array ? m_array->GetSize() : 0; }
    CWrapperHandle<I> operator[](int i) const override { return getConstReference(i); }
    CWrapperHandle<I> getConstReference(int i) const override {
        if (!m_array) return {};
        return CWrapperHandle<I>(new CBasicHandle<I, C>(&m_array->getWritableReference(i)));
    }
    CWritableWrapperHandle<I> getWritableReference(int i) const override {
        if (!m_array) return {};
        return CWritableWrapperHandle<I>(
            new CWritableBasicHandle<I, C>(&m_array->getWritableReference(i)));
    }
    int findByID(const ID& id) const override { return m_array ? m_array->findByID(id) : -1; }
    CWrapperHandle<I> find(const ID& id) const override {
        const int i = findByID(id);
        return i < 0 ? CWrapperHandle<I>() : getConstReference(i);
    }
    void Serialize(CZentrixArchive& ar) override {
        if (m_array) m_array->Serialize(ar);
    }
    void resort() override {
        if (!m_array) return;
        m_array->discardSorting();
        m_array->sort();
    }
    void copyFrom(const CWrapperArrayHandle<I, ID, flag>& source) override {
        if (!m_array) return;
        m_array->RemoveAll();
        for (int i = 0; i < source.GetSize(); ++i) {
            const CWrapperHandle<I> element = source.getConstReference(i);
            if (!element.isNull()) (void)m_array->Add(*element);
        }
    }
    bool isNull() const override { return m_array == nullptr; }
    bool isMemoryHandle() const override { return true; }
    Array* array() const { return m_array; }

protected:
    Array* m_array = nullptr;
};

template <class I, class C, class ID, int flag>
class CBasicArrayHandle;

template <class I, class C, class ID>
class CBasicArrayHandle<I, C, ID, 0> : public CBasicArrayHandleCommon<I, C, ID, 0> {
public:
    using CBasicArrayHandleCommon<I, C, ID, 0>::CBasicArrayHandleCommon;
    using CBasicArrayHandleCommon<I, C, ID, 0>::find;

    CWrapperHandle<I> find(const ID& id, int& i) const override {
        i = this->findByID(id);
        return i < 0 ? CWrapperHandle<I>() : this->getConstReference(i);
    }
    CBasicArrayHandle* clone() const override { return new CBasicArrayHandle(this->m_array); }
};

template <class I, class C, class ID>
class CBasicArrayHandle<I, C, ID, 1> : public CBasicArrayHandleCommon<I, C, ID, 1> {
public:
    using CBasicArrayHandleCommon<I, C, ID, 1>::CBasicArrayHandleCommon;

    CIteratorWrapper<I> getIterator(const ID& id) const override {
        const int k = orderedPosition(id);
        return k < 0 ? CIteratorWrapper<I>() : CIteratorWrapper<I>(iterator(k));
    }
    CIteratorWrapper<I> getIterator() const override { return CIteratorWrapper<I>(iterator(-1)); }
    CIteratorWrapper<I> getReverseIterator() const override {
        return CIteratorWrapper<I>(iterator(this->GetSize()));
    }
    CConstIteratorWrapper<I> getConstIterator(const ID& id) const override {
        const int k = orderedPosition(id);
        return k < 0 ? CConstIteratorWrapper<I>() : CConstIteratorWrapper<I>(constIterator(k));
    }
    CConstIteratorWrapper<I> getConstIterator() const override {
        return CConstIteratorWrapper<I>(constIterator(-1));
    }
    CConstIteratorWrapper<I> getConstReverseIterator() const override {
        return CConstIteratorWrapper<I>(constIterator(this->GetSize()));
    }
    CBasicArrayHandle* clone() const override { return new CBasicArrayHandle(this->m_array); }

private:
    int orderedPosition(const ID& id) const {
        return this->m_array ? this->m_array->findOrderedIndex(id) : -1;
    }
    // Iterators walk the ordered index, so they start from a sorted container.
    IIterator<I>* iterator(int k) const {
        if (!this->m_array) return nullptr;
        this->m_array->sort();
        return new CArrayIterator<I, C, ID>(this->m_array, k);
    }
    IConstIterator<I>* constIterator(int k) const {
        if (!this->m_array) return nullptr;
        this->m_array->sort();
        return new CArrayConstIterator<I, C, ID>(this->m_array, k);
    }
};
