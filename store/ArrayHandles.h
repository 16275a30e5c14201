// Array handles and ID-order iterators: how objects and roots hand out their collections.
//
// An array handle is a non-owning view of one keyed container behind a virtual interface, so
// callers never see the container type. Elements come back as wrapper handles. A wrapper array
// handle owns one array handle. Flag 1 handles add iterators that walk the collection in
// ascending ID order; flag 0 handles have find(ID, int&) instead.
//
// Views come in two strengths, and the type says which. A read-only view (IConstArrayHandle,
// CBasicConstArrayHandle over a const container, CConstWrapperArrayHandle) reads, looks up,
// compares and walks with const iterators; it has no operation that hands out a writable element
// or changes the collection, and nothing converts it into a writable view. A writable view
// (IArrayHandle, CBasicArrayHandle over a non-const container, CWrapperArrayHandle) adds
// writable elements and iterators, Serialize, resort and copyFrom, and converts to a read-only
// view. Objects hand out writable views only from their non-const getters, so a const object and
// everything it owns stay unchanged through its handles. Const iterators never remove.
//
// A null array handle (no container) behaves as an empty collection. The handles never own the
// container; removing or destroying it leaves them dangling. Not safe for concurrent use.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/OwnedPointer.h"
#include "store/CUniqueObjectPointerArray.h"
#include "store/Handles.h"

template <class I, class ID, int flag>
class CWrapperArrayHandle;
template <class I, class ID, int flag>
class CConstWrapperArrayHandle;
template <class I, class C, class ID, int flag>
class CBasicArrayHandle;
template <class I, class C, class ID, int flag>
class CBasicConstArrayHandle;

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
    [[nodiscard]] virtual bool remove() = 0;
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
    // A const iterator leaves its collection as it is: false.
    [[nodiscard]] virtual bool remove() = 0;
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
    // False when there is no current object to remove; const iterators never remove.
    [[nodiscard]] bool remove() { return m_iterator && m_iterator->remove(); }

private:
    zx::OwnedPointer<It> m_iterator;
};

template <class I>
using CIteratorWrapper = CIteratorWrapperBase<IIterator<I>, CWritableWrapperHandle<I>>;
template <class I>
using CConstIteratorWrapper = CIteratorWrapperBase<IConstIterator<I>, CWrapperHandle<I>>;

// The read-only operations every array handle has.
template <class I, class ID, int flag>
class IConstArrayHandleCommon {
public:
    virtual ~IConstArrayHandleCommon() = default;
    virtual int GetSize() const = 0;
    virtual CWrapperHandle<I> operator[](int i) const = 0;
    virtual CWrapperHandle<I> getConstReference(int i) const = 0;
    [[nodiscard]] virtual int findByID(const ID& id) const = 0;
    [[nodiscard]] virtual CWrapperHandle<I> find(const ID& id) const = 0;
    virtual IConstArrayHandleCommon* clone() const = 0;
    virtual bool isNull() const = 0;
    virtual bool isMemoryHandle() const { return false; }
};

template <class I, class ID, int flag>
class IConstArrayHandle;

template <class I, class ID>
class IConstArrayHandle<I, ID, 0> : public IConstArrayHandleCommon<I, ID, 0> {
public:
    using IConstArrayHandleCommon<I, ID, 0>::find;
    // The element with this ID; i receives its storage position (-1 when absent).
    [[nodiscard]] virtual CWrapperHandle<I> find(const ID& id, int& i) const = 0;
    IConstArrayHandle* clone() const override = 0;
};

template <class I, class ID>
class IConstArrayHandle<I, ID, 1> : public IConstArrayHandleCommon<I, ID, 1> {
public:
    virtual CConstIteratorWrapper<I> getConstIterator(const ID& id) const = 0;
    virtual CConstIteratorWrapper<I> getConstIterator() const = 0;
    virtual CConstIteratorWrapper<I> getConstReverseIterator() const = 0;
    IConstArrayHandle* clone() const override = 0;
};

// A view that may change the collection and its elements.
template <class I, class ID, int flag>
class IArrayHandleCommon : public IConstArrayHandle<I, ID, flag> {
public:
    virtual CWritableWrapperHandle<I> getWritableReference(int i) const = 0;
    virtual void Serialize(CZentrixArchive& ar) = 0;
    virtual void resort() = 0;
    virtual void copyFrom(const CConstWrapperArrayHandle<I, ID, flag>& source) = 0;
    IArrayHandleCommon* clone() const override = 0;
};

template <class I, class ID, int flag>
class IArrayHandle;

template <class I, class ID>
class IArrayHandle<I, ID, 0> : public IArrayHandleCommon<I, ID, 0> {
public:
    IArrayHandle* clone() const override = 0;
};

template <class I, class ID>
class IArrayHandle<I, ID, 1> : public IArrayHandleCommon<I, ID, 1> {
public:
    virtual CIteratorWrapper<I> getIterator(const ID& id) const = 0;
    virtual CIteratorWrapper<I> getIterator() const = 0;
    virtual CIteratorWrapper<I> getReverseIterator() const = 0;
    IArrayHandle* clone() const override = 0;
};

// Owns one array handle of type H (or none) and forwards the reading operations to it; with none
// it is an empty collection. The base of the read-only and the writable wrapper.
template <class H, class I, class ID, int flag>
class CWrapperArrayHandleBase {
public:
    using Handle = H;

    CWrapperArrayHandleBase() = default;
    // Takes ownership of the given heap array handle.
    explicit CWrapperArrayHandleBase(H* handle) : m_handle(handle) {}
    // Builds a basic array handle inside the wrapper (see zx::HandleHolder).
    template <class Concrete, class... Args>
    explicit CWrapperArrayHandleBase(std::in_place_type_t<Concrete> concrete, Args&&... args)
        : m_handle(concrete, std::forward<Args>(args)...) {}
    CWrapperArrayHandleBase(const CWrapperArrayHandleBase& other) : m_handle(other.cloneHandle()) {}
    CWrapperArrayHandleBase(CWrapperArrayHandleBase&&) noexcept = default;
    CWrapperArrayHandleBase& operator=(const CWrapperArrayHandleBase& other) {
        if (this != &other) m_handle.reset(other.cloneHandle());
        return *this;
    }
    CWrapperArrayHandleBase& operator=(CWrapperArrayHandleBase&&) noexcept = default;

    int GetSize() const { return m_handle ? m_handle->GetSize() : 0; }
    CWrapperHandle<I> operator[](int i) const {
        return m_handle ? (*m_handle)[i] : CWrapperHandle<I>();
    }
    CWrapperHandle<I> getConstReference(int i) const {
        return m_handle ? m_handle->getConstReference(i) : CWrapperHandle<I>();
    }
    [[nodiscard]] int findByID(const ID& id) const {
        return m_handle ? m_handle->findByID(id) : -1;
    }
    [[nodiscard]] CWrapperHandle<I> find(const ID& id) const {
        return m_handle ? m_handle->find(id) : CWrapperHandle<I>();
    }
    [[nodiscard]] CWrapperHandle<I> find(const ID& id, int& i) const requires(flag == 0) {
        i = -1;
        return m_handle ? m_handle->find(id, i) : CWrapperHandle<I>();
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

    bool isNull() const { return !m_handle || m_handle->isNull(); }
    bool operator!() const { return isNull(); }
    const H* handle() const { return m_handle.get(); }

protected:
    // A new heap copy of the held handle, or null when there is none (or it is null).
    H* cloneHandle() const { return m_handle && !m_handle->isNull() ? m_handle->clone() : nullptr; }
    H* held() const { return m_handle.get(); }

    template <class Other>
    bool sameElementsAs(const Other& b) const {
        const bool aEmpty = isNull(), bEmpty = b.isNull();
        if (aEmpty && bEmpty) return true;
        if (aEmpty != bEmpty) {
            const auto* full =
                aEmpty ? static_cast<const IConstArrayHandleCommon<I, ID, flag>*>(b.handle())
                       : m_handle.get();
            return !full->isMemoryHandle() && full->GetSize() == 0;
        }
        const int n = GetSize();
        if (n != b.GetSize()) return false;
        for (int i = 0; i < n; ++i)
            if (!(getConstReference(i) == b.getConstReference(i))) return false;
        return true;
    }

private:
    zx::HandleHolder<H> m_handle;
};

// A read-only view: nothing reached through it can be changed.
template <class I, class ID, int flag>
class CConstWrapperArrayHandle
    : public CWrapperArrayHandleBase<IConstArrayHandle<I, ID, flag>, I, ID, flag> {
    using Base = CWrapperArrayHandleBase<IConstArrayHandle<I, ID, flag>, I, ID, flag>;

public:
    using Base::Base;

    // A read-only view of the container.
    template <class C>
    static CConstWrapperArrayHandle over(const CUniqueObjectPointerArray<I, C, ID>* array) {
        if (!array) return {};
        return CConstWrapperArrayHandle(std::in_place_type<CBasicConstArrayHandle<I, C, ID, flag>>,
                                        array);
    }

    friend bool operator==(const CConstWrapperArrayHandle& a, const CConstWrapperArrayHandle& b) {
        return a.sameElementsAs(b);
    }
};

// A writable view: adds writable elements and iterators and the operations that change the
// collection. It converts to a read-only view of the same collection.
template <class I, class ID, int flag>
class CWrapperArrayHandle : public CWrapperArrayHandleBase<IArrayHandle<I, ID, flag>, I, ID, flag> {
    using Base = CWrapperArrayHandleBase<IArrayHandle<I, ID, flag>, I, ID, flag>;

public:
    using Base::Base;

    // A writable view of the container.
    template <class C>
    static CWrapperArrayHandle over(CUniqueObjectPointerArray<I, C, ID>* array) {
        if (!array) return {};
        return CWrapperArrayHandle(std::in_place_type<CBasicArrayHandle<I, C, ID, flag>>, array);
    }

    operator CConstWrapperArrayHandle<I, ID, flag>() const {
        return CConstWrapperArrayHandle<I, ID, flag>(this->cloneHandle());
    }

    CWritableWrapperHandle<I> getWritableReference(int i) const {
        return this->held() ? this->held()->getWritableReference(i) : CWritableWrapperHandle<I>();
    }
    CIteratorWrapper<I> getIterator() const requires(flag == 1) {
        return this->held() ? this->held()->getIterator() : CIteratorWrapper<I>();
    }
    CIteratorWrapper<I> getIterator(const ID& id) const requires(flag == 1) {
        return this->held() ? this->held()->getIterator(id) : CIteratorWrapper<I>();
    }
    CIteratorWrapper<I> getReverseIterator() const requires(flag == 1) {
        return this->held() ? this->held()->getReverseIterator() : CIteratorWrapper<I>();
    }

    void Serialize(CZentrixArchive& ar) const {
        if (this->held()) this->held()->Serialize(ar);
    }
    void resort() const {
        if (this->held()) this->held()->resort();
    }
    void copyFrom(const CConstWrapperArrayHandle<I, ID, flag>& source) const {
        if (this->held()) this->held()->copyFrom(source);
    }

    friend bool operator==(const CWrapperArrayHandle& a, const CWrapperArrayHandle& b) {
        return a.sameElementsAs(b);
    }
};

// Iterator over a container's ordered index; Base is IIterator<I> or IConstIterator<I>. A const
// iterator views the container as const and refuses to remove. One over an unsorted container
// walks an ordered index of its own, shared with its clones, since reading must not sort.
template <class I, class C, class ID, class Base, class ElementHandle>
class CArrayIteratorImpl : public Base {
public:
    static constexpr bool kWritable = std::is_same_v<ElementHandle, IWritableHandle<I>>;
    using Array = std::conditional_t<kWritable, CUniqueObjectPointerArray<I, C, ID>,
                                     const CUniqueObjectPointerArray<I, C, ID>>;

    CArrayIteratorImpl(Array* array, int position,
                       std::shared_ptr<const std::vector<int>> order = nullptr)
        : m_array(array), m_position(position), m_order(std::move(order)) {}

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
    [[nodiscard]] bool remove() override {
        if constexpr (kWritable) {
            if (!inside(m_position)) return false;
            if (!m_array->RemoveAt(m_array->getOrderedIndex(m_position))) return false;
            --m_position;
            return true;
        } else {
            return false;
        }
    }
    CArrayIteratorImpl* clone() const override {
        return new CArrayIteratorImpl(m_array, m_position, m_order);
    }

private:
    int count() const { return m_array->GetSize(); }
    bool inside(int position) const { return position >= 0 && position < count(); }
    // A handle on the object at ordered position k; outside the index, the container's default
    // item.
    ElementHandle* handleAt(int k) const {
        const int i = !m_order ? m_array->getOrderedIndex(k)
                      : k >= 0 && k < static_cast<int>(m_order->size()) ? (*m_order)[k]
                                                                        : -1;
        if constexpr (kWritable)
            return new CWritableBasicHandle<I, C>(&m_array->getWritableReference(i));
        else
            return new CBasicHandle<I, C>(&m_array->getConstReference(i));
    }

    Array* m_array;
    int m_position;
    // The iterator's own ordered index, or null to walk the container's.
    std::shared_ptr<const std::vector<int>> m_order;
};

template <class I, class C, class ID>
using CArrayIterator = CArrayIteratorImpl<I, C, ID, IIterator<I>, IWritableHandle<I>>;
template <class I, class C, class ID>
using CArrayConstIterator = CArrayIteratorImpl<I, C, ID, IConstIterator<I>, IHandle<I>>;

// The reading operations of a basic array handle over a container pointer; Array is the
// container type, const for a read-only handle. Base is the interface implemented.
template <class Base, class I, class C, class ID, class Array>
class CBasicArrayReader : public Base {
public:
    // Keeps the flag's own find overload visible beside the one defined here.
    using Base::find;

    CBasicArrayReader() = default;
    explicit CBasicArrayReader(Array* array) : m_array(array) {}

    int GetSize() const override { return m_array ? m_array->GetSize() : 0; }
    CWrapperHandle<I> operator[](int i) const override { return getConstReference(i); }
    CWrapperHandle<I> getConstReference(int i) const override {
        if (!m_array) return {};
        return CWrapperHandle<I>(std::in_place_type<CBasicHandle<I, C>>,
                                 &m_array->getConstReference(i));
    }
    [[nodiscard]] int findByID(const ID& id) const override {
        return m_array ? m_array->findByID(id) : -1;
    }
    CWrapperHandle<I> find(const ID& id) const override {
        const int i = findByID(id);
        return i < 0 ? CWrapperHandle<I>() : getConstReference(i);
    }
    bool isNull() const override { return m_array == nullptr; }
    bool isMemoryHandle() const override { return true; }
    Array* array() const { return m_array; }

protected:
    Array* m_array = nullptr;
};

// Adds the flag's own reading operations: find(ID, int&) for flag 0, const iterators for flag 1.
template <class Base, class I, class C, class ID, class Array, int flag>
class CBasicArrayFinder;

template <class Base, class I, class C, class ID, class Array>
class CBasicArrayFinder<Base, I, C, ID, Array, 0>
    : public CBasicArrayReader<Base, I, C, ID, Array> {
public:
    using CBasicArrayReader<Base, I, C, ID, Array>::CBasicArrayReader;
    using CBasicArrayReader<Base, I, C, ID, Array>::find;

    CWrapperHandle<I> find(const ID& id, int& i) const override {
        i = this->findByID(id);
        return i < 0 ? CWrapperHandle<I>() : this->getConstReference(i);
    }
};

template <class Base, class I, class C, class ID, class Array>
class CBasicArrayFinder<Base, I, C, ID, Array, 1>
    : public CBasicArrayReader<Base, I, C, ID, Array> {
public:
    using CBasicArrayReader<Base, I, C, ID, Array>::CBasicArrayReader;

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

protected:
    int orderedPosition(const ID& id) const {
        return this->m_array ? this->m_array->findOrderedIndex(id) : -1;
    }

private:
    // Iterators walk the ordered index; reading leaves an unsorted container as it is, so the
    // iterator orders a copy of its own.
    IConstIterator<I>* constIterator(int k) const {
        if (!this->m_array) return nullptr;
        if (this->m_array->isSorted()) return new CArrayConstIterator<I, C, ID>(this->m_array, k);
        return new CArrayConstIterator<I, C, ID>(
            this->m_array, k,
            std::make_shared<const std::vector<int>>(this->m_array->orderedIndex()));
    }
};

// A read-only handle over a const container.
template <class I, class C, class ID, int flag>
class CBasicConstArrayHandle
    : public CBasicArrayFinder<IConstArrayHandle<I, ID, flag>, I, C, ID,
                               const CUniqueObjectPointerArray<I, C, ID>, flag> {
public:
    using Array = const CUniqueObjectPointerArray<I, C, ID>;
    using CBasicArrayFinder<IConstArrayHandle<I, ID, flag>, I, C, ID, Array,
                            flag>::CBasicArrayFinder;

    CBasicConstArrayHandle* clone() const override {
        return new CBasicConstArrayHandle(this->m_array);
    }
};

// The operations every writable basic array handle implements over its container.
template <class I, class C, class ID, int flag>
class CBasicArrayHandleCommon
    : public CBasicArrayFinder<IArrayHandle<I, ID, flag>, I, C, ID,
                               CUniqueObjectPointerArray<I, C, ID>, flag> {
public:
    using Array = CUniqueObjectPointerArray<I, C, ID>;
    using CBasicArrayFinder<IArrayHandle<I, ID, flag>, I, C, ID, Array, flag>::CBasicArrayFinder;

    CWritableWrapperHandle<I> getWritableReference(int i) const override {
        if (!this->m_array) return {};
        return CWritableWrapperHandle<I>(std::in_place_type<CWritableBasicHandle<I, C>>,
                                         &this->m_array->getWritableReference(i));
    }
    void Serialize(CZentrixArchive& ar) override {
        if (this->m_array) this->m_array->Serialize(ar);
    }
    void resort() override {
        if (!this->m_array) return;
        this->m_array->discardSorting();
        this->m_array->sort();
    }
    void copyFrom(const CConstWrapperArrayHandle<I, ID, flag>& source) override {
        if (!this->m_array) return;
        this->m_array->RemoveAll();
        for (int i = 0; i < source.GetSize(); ++i) {
            const CWrapperHandle<I> element = source.getConstReference(i);
            if (!element.isNull()) (void)this->m_array->Add(*element);
        }
    }
};

template <class I, class C, class ID, int flag>
class CBasicArrayHandle;

template <class I, class C, class ID>
class CBasicArrayHandle<I, C, ID, 0> : public CBasicArrayHandleCommon<I, C, ID, 0> {
public:
    using CBasicArrayHandleCommon<I, C, ID, 0>::CBasicArrayHandleCommon;

    CBasicArrayHandle* clone() const override { return new CBasicArrayHandle(this->m_array); }
};

template <class I, class C, class ID>
class CBasicArrayHandle<I, C, ID, 1> : public CBasicArrayHandleCommon<I, C, ID, 1> {
public:
    using CBasicArrayHandleCommon<I, C, ID, 1>::CBasicArrayHandleCommon;

    CIteratorWrapper<I> getIterator(const ID& id) const override {
        const int k = this->orderedPosition(id);
        return k < 0 ? CIteratorWrapper<I>() : CIteratorWrapper<I>(iterator(k));
    }
    CIteratorWrapper<I> getIterator() const override { return CIteratorWrapper<I>(iterator(-1)); }
    CIteratorWrapper<I> getReverseIterator() const override {
        return CIteratorWrapper<I>(iterator(this->GetSize()));
    }
    CBasicArrayHandle* clone() const override { return new CBasicArrayHandle(this->m_array); }

private:
    // Iterators walk the ordered index, so they start from a sorted container.
    IIterator<I>* iterator(int k) const {
        if (!this->m_array) return nullptr;
        this->m_array->sort();
        return new CArrayIterator<I, C, ID>(this->m_array, k);
    }
};
