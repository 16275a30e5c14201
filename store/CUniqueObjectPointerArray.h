// CUniqueObjectPointerArray<I, C, ID>: the keyed container every stored object lives in.
//
// It owns its objects (deleting them on removal, clearing and destruction) and keeps them in a
// storage order its owner chooses. Beside the objects it keeps each one's ID in compare-ready
// form, by storage position, taken when the object enters the index; an object whose ID is
// changed in place is found under its new ID only after resort() (as with any index keyed on a
// field that changed under it). Two indexes are built over those keys:
// - a hash side index (zx::IDHashIndex) from ID to storage position, which answers findByID and
//   refuses duplicates in constant time; containers of fewer than kHashThreshold (8) objects
//   scan their keys instead, which is faster at that size and costs no table;
// - the ordered index: entry k is the storage position of the object with the k-th smallest ID.
//   Objects appended by Add (and by inserts and attaches at the end) join it lazily: they wait
//   in an unordered tail that is sorted and merged in one pass when something asks for ID order,
//   so building a container one Add at a time is linear, whatever order the IDs come in.
//
// Plain mutators keep the indexes current and refuse a second object with an ID already present.
// NoSort mutators only change the storage and leave the container unsorted (no indexes) until
// sort() or a plain mutator runs; while unsorted, lookups by ID find nothing. Only non-const
// operations sort: a const walk in ID order over an unsorted container (operator== with a Set, a
// read-only handle's iterators) orders a private copy of the index instead.
//
// Archive record ("CUniquePointerArray" framing):
//   start marker, int32 count, then per object in storage order: the object's own record and its
//   ordered-index entry (int32), then the end marker.
// Loading takes the stored index after an O(n) check (a permutation in ascending ID order) and
// rebuilds it by sorting only when the check fails; the hash index is rebuilt in one pass. A
// negative count throws CArchiveLengthError ("vector too long"), other bad input
// CArchiveException. A load that fails part-way leaves the container empty with every object it
// built freed.
//
// The indexes and everything done to them live in zx::KeyedIndex, compiled once in the library;
// this template adds the objects of one kind, held by zx::OwnedPointerVector, which keeps a lone
// object's pointer inside the container instead of in a heap block of its own.
//
// Threads: any number of threads may use one container through const paths while none changes
// it; anything else needs the caller's exclusion. The one piece of hidden state a const path
// changes is the ordered index's pending tail, which the first reader that needs ID order merges
// under zx::orderLock while the others wait for it. A loaded container has no tail, so reading it
// costs no more than in one thread.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "basetypes/CIDBase.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayCapacity.h"
#include "store/IDKey.h"
#include "store/KeyedIndex.h"
#include "store/OwnedPointerVector.h"

// Objects keyed by ID in ascending order; a source for the container's Copy and Append.
template <class I, class C, class ID>
class CUniqueObjectPointerSet {
public:
    struct Less {
        bool operator()(const ID& a, const ID& b) const { return a < b; }
    };
    using Map = std::map<ID, std::unique_ptr<C>, Less>;

    int GetSize() const { return static_cast<int>(m_objects.size()); }
    // Stores a copy; false when the ID is present.
    [[nodiscard]] bool insert(const I& object) {
        auto copy = std::make_unique<C>();
        copy->copyFrom(object);
        return attach(std::move(copy));
    }
    [[nodiscard]] bool attach(std::unique_ptr<C> object) {
        const ID id = object->getID();
        return m_objects.try_emplace(id, std::move(object)).second;
    }
    const C* find(const ID& id) const {
        const auto it = m_objects.find(id);
        return it == m_objects.end() ? nullptr : it->second.get();
    }
    void RemoveAll() { m_objects.clear(); }
    auto begin() const { return m_objects.begin(); }
    auto end() const { return m_objects.end(); }
    Map& map() { return m_objects; }

private:
    Map m_objects;
};

// HashFrom: the size from which the hash index is kept (below it a lookup scans the keys); a
// benchmark sets it out of reach to measure the container without the index.
template <class I, class C, class ID, int HashFrom = 8>
class ZX_API CUniqueObjectPointerArray {
public:
    using Set = CUniqueObjectPointerSet<I, C, ID>;
    static constexpr int kHashThreshold = HashFrom;

    CUniqueObjectPointerArray() = default;
    CUniqueObjectPointerArray(const CUniqueObjectPointerArray& other) { Copy(other); }
    CUniqueObjectPointerArray(CUniqueObjectPointerArray&& other) noexcept {
        Copy(std::move(other));
    }
    CUniqueObjectPointerArray& operator=(const CUniqueObjectPointerArray& other) {
        if (this != &other) Copy(other);
        return *this;
    }
    CUniqueObjectPointerArray& operator=(CUniqueObjectPointerArray&& other) noexcept {
        if (this != &other) Copy(std::move(other));
        return *this;
    }
    ~CUniqueObjectPointerArray() = default;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool isSorted() const { return m_index.sorted(); }

    // Builds the indexes if the container is unsorted. Objects appended since the ordered index
    // was last asked for stay in its tail until then: sorting costs nothing on a sorted container.
    void sort() { index(); }
    // The ordered index as sort() builds it, left to the caller: a sorted container's own index,
    // an unsorted one's computed aside.
    std::vector<int> orderedIndex() const {
        if (m_index.sorted()) {
            const std::span<const int> order = m_index.order();
            return {order.begin(), order.end()};
        }
        return zx::KeyedIndex::orderOf(keys());
    }
    void discardSorting() { m_index.discard(); }

    int getOrderedIndex(int k) const { return m_index.orderedAt(k); }
    // Position in the ordered index of the object with this ID, or -1.
    [[nodiscard]] int findOrderedIndex(const CIDBase& id) const {
        return m_index.findOrdered(zx::IDKey::of(id));
    }
    // Storage position of the object with this ID, or -1.
    [[nodiscard]] int findByID(const CIDBase& id) const {
        return m_index.find(zx::IDKey::of(id), GetSize(), kHashThreshold);
    }

    // Outside the storage these give a default object, made on the first such access only (a
    // default calendar, say, is not cheap), and never changed by the container.
    const C& getConstReference(int i) const {
        if (inRange(i)) return *m_items[i];
        static const C defaultItem;
        return defaultItem;
    }
    C& getWritableReference(int i) {
        if (inRange(i)) return *m_items[i];
        static C defaultItem;
        return defaultItem;
    }
    // Asks for the memory getConstReference(i) reads first, the object's slot. Always inlined, as
    // the index's prefetch is.
    [[gnu::always_inline]] void prefetchSlot(int i) const {
        if (inRange(i)) __builtin_prefetch(m_items.begin() + i);
    }
    const CIDBase& getID(int i) const {
        if (inRange(i)) return m_items[i]->getID();
        return getConstReference(i).getID();
    }

    [[nodiscard]] int Add(const I& object);
    int AddNoSort(const I& object);
    [[nodiscard]] bool InsertAt(int i, const I& object);
    [[nodiscard]] bool InsertAtNoSort(int i, const I& object);
    [[nodiscard]] bool InsertAt(int i, const CUniqueObjectPointerArray& source);
    // Adds (i == -1) or inserts at i, sorted or not as the container is; i receives the
    // position. Returns the stored copy or null.
    [[nodiscard]] I* Put(int& i, const I& object);

    // Takes ownership of p when it is stored; on refusal p stays the caller's.
    [[nodiscard]] bool Attach(int i, C* p);
    [[nodiscard]] bool AttachNoSort(int i, C* p);
    // Takes the object out; ownership passes to the caller. Null when out of range.
    [[nodiscard]] C* Detach(int i);
    [[nodiscard]] C* DetachNoSort(int i);
    [[nodiscard]] I* Detach(const ID& id);

    [[nodiscard]] bool RemoveAt(int i);
    [[nodiscard]] bool RemoveAtNoSort(int i);
    [[nodiscard]] bool Remove(const ID& id);
    [[nodiscard]] int removeByID(const ID& id);
    void RemoveAll() {
        m_items.clear();
        m_index.reset();
    }

    // Overwrites the stored object with object's ID; false if absent.
    [[nodiscard]] bool changeElement(const I& object);
    [[nodiscard]] bool changePosition(int newPosition, int oldPosition);

    // Adds a copy of each source object (duplicates skipped); returns the count before.
    int Append(const CUniqueObjectPointerArray& source);
    int Append(const Set& source);

    void Copy(const CUniqueObjectPointerArray& source);
    void Copy(const CUniqueObjectPointerArray& source, int start, int count);
    void Copy(const Set& source);
    void Copy(Set&& source);
    void Copy(CUniqueObjectPointerArray&& source);

    bool operator==(const CUniqueObjectPointerArray& other) const;
    bool operator==(const Set& other) const;

    void Reserve(int n);

    // Heap bytes of the indexes beside the objects (keys, ordered index, hash table), and of the
    // hash table alone.
    std::size_t indexMemoryBytes() const { return m_index.memoryBytes(); }
    std::size_t hashIndexBytes() const { return m_index.hashBytes(); }

    void Serialize(CZentrixArchive& ar);

private:
    static constexpr zx::ArchiveMarker kMarker{"CUniquePointerArray"};
    // Objects a load reserves room for before reading them.
    static constexpr int kLoadReserveLimit = 256;
    // Records around a top-level collection: a root's marker and the collection's own.
    static constexpr std::size_t kTopLevelDepth = 2;

    bool inRange(int i) const { return i >= 0 && i < GetSize(); }
    // The bytes of a new object's record: an estimate of the smallest record of the kind, which
    // only sizes reservations (a smaller record costs a reallocation, never a wrong result).
    static std::size_t newRecordSize();
    // A source of the container's own class (the usual case) is copied by that class's copy
    // constructor, which does not first build initial values only to overwrite them (a new
    // calendar builds its default week, for one).
    static std::unique_ptr<C> copyOf(const I& object);
    void addSorted(const I& object);
    // The ID of each object by storage position.
    std::vector<zx::IDKey> keys() const;
    // The ordered index of objects already stored in ascending ID order.
    void indexInStorageOrder() { m_index.buildInStorageOrder(keys(), kHashThreshold); }
    // Builds the indexes of an unsorted container.
    void index();

    // Stores the object made by make at storage position i unless its ID is present; make runs
    // only when the object is stored. Everything that can fail (allocations, make) comes before
    // the first change, so a failure leaves the container as it was.
    template <class Make>
    bool place(int i, const CIDBase& id, Make make);
    // As place, for a copy of object. The copy is made while the memory that the search for its
    // ID reads is fetched, and dropped when the ID is present: in a large container that search
    // would otherwise wait for memory on every insert.
    bool placeCopy(int i, const I& object);
    void shrinkIfSparse();

    void store(CZentrixArchive& ar) const;
    void load(CZentrixArchive& ar);

    zx::OwnedPointerVector<C> m_items;
    zx::KeyedIndex m_index;
};

// The members below are built once per kind, where the kind instantiates its templates.

template <class I, class C, class ID, int HashFrom>
int CUniqueObjectPointerArray<I, C, ID, HashFrom>::Add(const I& object) {
    const int n = GetSize();
    return placeCopy(n, object) ? n : -1;
}

template <class I, class C, class ID, int HashFrom>
int CUniqueObjectPointerArray<I, C, ID, HashFrom>::AddNoSort(const I& object) {
    m_items.push_back(copyOf(object));
    discardSorting();
    return GetUpperBound();
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::InsertAt(int i, const I& object) {
    if (i < 0 || i > GetSize()) return false;
    return placeCopy(i, object);
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::InsertAtNoSort(int i, const I& object) {
    if (i < 0 || i > GetSize()) return false;
    m_items.insert(m_items.begin() + i, copyOf(object));
    discardSorting();
    return true;
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::InsertAt(
    int i, const CUniqueObjectPointerArray& source) {
    for (int j = 0; j < source.GetSize(); ++j) {
        const I& object = source.getConstReference(j);
        const bool inserted = isSorted() ? InsertAt(i + j, object) : InsertAtNoSort(i + j, object);
        if (!inserted) return false;
    }
    return true;
}

template <class I, class C, class ID, int HashFrom>
I* CUniqueObjectPointerArray<I, C, ID, HashFrom>::Put(int& i, const I& object) {
    if (i == -1) {
        i = isSorted() ? Add(object) : AddNoSort(object);
        return i < 0 ? nullptr : m_items[i].get();
    }
    const bool inserted = isSorted() ? InsertAt(i, object) : InsertAtNoSort(i, object);
    return inserted ? m_items[i].get() : nullptr;
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::Attach(int i, C* p) {
    if (!p || i < 0 || i > GetSize()) return false;
    return place(i, p->getID(), [&] { return std::unique_ptr<C>(p); });
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::AttachNoSort(int i, C* p) {
    if (!p || i < 0 || i > GetSize()) return false;
    m_items.insert(m_items.begin() + i, std::unique_ptr<C>(p));
    discardSorting();
    return true;
}

template <class I, class C, class ID, int HashFrom>
C* CUniqueObjectPointerArray<I, C, ID, HashFrom>::Detach(int i) {
    if (!inRange(i)) return nullptr;
    index();
    m_index.remove(i, GetSize(), kHashThreshold);
    C* p = m_items[i].release();
    m_items.erase(m_items.begin() + i);
    shrinkIfSparse();
    return p;
}

template <class I, class C, class ID, int HashFrom>
C* CUniqueObjectPointerArray<I, C, ID, HashFrom>::DetachNoSort(int i) {
    if (!inRange(i)) return nullptr;
    C* p = m_items[i].release();
    m_items.erase(m_items.begin() + i);
    discardSorting();
    shrinkIfSparse();
    return p;
}

template <class I, class C, class ID, int HashFrom>
I* CUniqueObjectPointerArray<I, C, ID, HashFrom>::Detach(const ID& id) {
    const int i = findByID(id);
    return isSorted() ? Detach(i) : DetachNoSort(i);
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::RemoveAt(int i) {
    std::unique_ptr<C> doomed(Detach(i));
    return doomed != nullptr;
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::RemoveAtNoSort(int i) {
    std::unique_ptr<C> doomed(DetachNoSort(i));
    return doomed != nullptr;
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::Remove(const ID& id) {
    const int i = findByID(id);
    if (i < 0) return false;
    return isSorted() ? RemoveAt(i) : RemoveAtNoSort(i);
}

template <class I, class C, class ID, int HashFrom>
int CUniqueObjectPointerArray<I, C, ID, HashFrom>::removeByID(const ID& id) {
    const int i = findByID(id);
    return i >= 0 && RemoveAt(i) ? i : -1;
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::changeElement(const I& object) {
    const int i = findByID(object.getID());
    if (i < 0) return false;
    m_items[i]->copyFrom(object);
    return true;
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::changePosition(int newPosition,
                                                                   int oldPosition) {
    if (!inRange(newPosition) || !inRange(oldPosition)) return false;
    if (newPosition == oldPosition) return true;
    // Both positions are inside the shortened container and the ID has just left it, so the
    // attach succeeds; were it refused, the object would be freed here rather than leak.
    std::unique_ptr<C> moving(isSorted() ? Detach(oldPosition) : DetachNoSort(oldPosition));
    const bool attached =
        isSorted() ? Attach(newPosition, moving.get()) : AttachNoSort(newPosition, moving.get());
    if (attached) (void)moving.release();
    return attached;
}

template <class I, class C, class ID, int HashFrom>
int CUniqueObjectPointerArray<I, C, ID, HashFrom>::Append(const CUniqueObjectPointerArray& source) {
    const int before = GetSize();
    for (int j = 0; j < source.GetSize(); ++j) addSorted(source.getConstReference(j));
    return before;
}

template <class I, class C, class ID, int HashFrom>
int CUniqueObjectPointerArray<I, C, ID, HashFrom>::Append(const Set& source) {
    const int before = GetSize();
    for (const auto& entry : source) addSorted(*entry.second);
    return before;
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::Copy(const CUniqueObjectPointerArray& source) {
    if (this == &source) return;
    zx::OwnedPointerVector<C> items;
    items.reserve(source.m_items.size());
    for (int i = 0; i < source.GetSize(); ++i)
        items.push_back(std::make_unique<C>(source.getConstReference(i)));
    m_index.copyFrom(source.m_index);
    m_items = std::move(items);
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::Copy(const CUniqueObjectPointerArray& source,
                                                         int start, int count) {
    RemoveAll();
    for (int j = start; j < start + count; ++j) addSorted(source.getConstReference(j));
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::Copy(const Set& source) {
    RemoveAll();
    for (const auto& entry : source) m_items.push_back(std::make_unique<C>(*entry.second));
    indexInStorageOrder();
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::Copy(Set&& source) {
    RemoveAll();
    for (auto& entry : source.map()) m_items.push_back(std::move(entry.second));
    source.RemoveAll();
    indexInStorageOrder();
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::Copy(CUniqueObjectPointerArray&& source) {
    if (this == &source) return;
    m_items = std::move(source.m_items);
    m_index.moveFrom(source.m_index);
    source.RemoveAll();
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::operator==(
    const CUniqueObjectPointerArray& other) const {
    if (GetSize() != other.GetSize()) return false;
    for (int i = 0; i < GetSize(); ++i) {
        const I& a = getConstReference(i);
        if (a != other.getConstReference(i)) return false;
    }
    return true;
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::operator==(const Set& other) const {
    if (GetSize() != other.GetSize()) return false;
    std::vector<int> aside;
    if (!isSorted()) aside = orderedIndex();
    const std::span<const int> index = isSorted() ? m_index.order() : std::span<const int>(aside);
    int k = 0;
    for (const auto& entry : other) {
        const I& a = getConstReference(index[k++]);
        if (a != *entry.second) return false;
    }
    return true;
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::Reserve(int n) {
    if (n < 0 || static_cast<std::size_t>(n) > m_items.max_size())
        throw std::length_error("vector too long");
    m_items.reserve(static_cast<std::size_t>(n));
    m_index.reserve(static_cast<std::size_t>(n));
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::Serialize(CZentrixArchive& ar) {
    ar.checkMarkerStart(kMarker);
    if (ar.IsStoring()) {
        // The record holds the ordered index.
        index();
        m_index.settle();
        store(ar);
        ar.checkMarkerEnd(kMarker);
        return;
    }
    try {
        load(ar);
        ar.checkMarkerEnd(kMarker);
    } catch (...) {
        // A failed load leaves nothing behind, even when every object was read and only the
        // end marker is wrong.
        RemoveAll();
        throw;
    }
}

template <class I, class C, class ID, int HashFrom>
std::size_t CUniqueObjectPointerArray<I, C, ID, HashFrom>::newRecordSize() {
    static const std::size_t size = [] {
        CZentrixArchive probe;
        // On the heap: with the object on the stack, GCC 12 at -O3 follows the loading half of
        // Serialize into it and reports writes past its end that cannot happen (a store never
        // takes that half).
        const auto object = std::make_unique<C>();
        object->Serialize(probe);
        return std::max<std::size_t>(probe.storedBytes().size(), 1);
    }();
    return size;
}

template <class I, class C, class ID, int HashFrom>
std::unique_ptr<C> CUniqueObjectPointerArray<I, C, ID, HashFrom>::copyOf(const I& object) {
    if (typeid(object) == typeid(C)) return std::make_unique<C>(static_cast<const C&>(object));
    auto copy = std::make_unique<C>();
    copy->copyFrom(object);
    return copy;
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::addSorted(const I& object) {
    if (isSorted())
        (void)Add(object);
    else
        AddNoSort(object);
}

template <class I, class C, class ID, int HashFrom>
std::vector<zx::IDKey> CUniqueObjectPointerArray<I, C, ID, HashFrom>::keys() const {
    std::vector<zx::IDKey> ids(m_items.size());
    for (std::size_t i = 0; i < ids.size(); ++i) ids[i] = zx::IDKey::of(m_items[i]->getID());
    return ids;
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::index() {
    if (!isSorted()) m_index.build(keys(), kHashThreshold);
}

template <class I, class C, class ID, int HashFrom>
template <class Make>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::place(int i, const CIDBase& id, Make make) {
    index();
    const zx::IDKey key = zx::IDKey::of(id);
    const int n = GetSize();
    if (!m_index.prepareInsert(i, key, n, kHashThreshold)) return false;
    reserveOneMore(m_items);
    std::unique_ptr<C> object = make();
    m_items.insert(m_items.begin() + i, std::move(object));
    m_index.commitInsert(i, key, n, kHashThreshold);
    return true;
}

template <class I, class C, class ID, int HashFrom>
bool CUniqueObjectPointerArray<I, C, ID, HashFrom>::placeCopy(int i, const I& object) {
    m_index.prefetch(zx::IDKey::of(object.getID()), GetSize(), kHashThreshold);
    std::unique_ptr<C> copy = copyOf(object);
    return place(i, object.getID(), [&] { return std::move(copy); });
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::shrinkIfSparse() {
    if (!hasExcessCapacity(m_items.capacity(), m_items.size())) return;
    m_items.shrink_to_fit();
    m_index.shrinkToFit();
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::store(CZentrixArchive& ar) const {
    ar << static_cast<std::int32_t>(GetSize());
    for (int i = 0; i < GetSize(); ++i) {
        ar.setRecordIndex(i);
        m_items[i]->Serialize(ar);
        ar << m_index.storedEntry(static_cast<std::size_t>(i));
    }
}

template <class I, class C, class ID, int HashFrom>
void CUniqueObjectPointerArray<I, C, ID, HashFrom>::load(CZentrixArchive& ar) {
    RemoveAll();
    // Every entry takes at least its 4-byte ordered-index entry.
    const int n = ar.readCount(sizeof(std::int32_t), "objects");
    if (n < 0) ar.failNegativeCount(ar.position() - sizeof(std::int32_t));
    // The count is only a claim until the objects arrive. A collection at the top of the
    // archive (inside at most a root) reserves as many objects as the rest of the input can
    // hold at the size of a new object's record: a real file gets its whole reservation at
    // once, and a hostile count reserves no more than the objects its bytes could carry.
    // Nested collections that each claimed the rest of the input could still reserve memory
    // quadratic in its size, so beyond an ordinary size their vectors grow with the objects
    // actually read.
    const bool topLevel = ar.recordDepth() <= kTopLevelDepth;
    const std::size_t fitting = ar.remaining() / (sizeof(std::int32_t) + newRecordSize());
    const std::size_t expected = topLevel
                                     ? std::min(static_cast<std::size_t>(n), fitting)
                                     : static_cast<std::size_t>(std::min(n, kLoadReserveLimit));
    if (n == 0) return;
    m_items.reserve(expected);
    m_index.startLoad(expected);
    for (int i = 0; i < n; ++i) {
        ar.setRecordIndex(i);
        auto object = std::make_unique<C>();
        object->Serialize(ar);
        // Each object's key is taken while the object is still in cache.
        const zx::IDKey key = zx::IDKey::of(object->getID());
        m_items.push_back(std::move(object));
        std::int32_t entry = 0;
        ar >> entry;
        m_index.appendLoaded(key, entry);
    }
    m_index.finishLoad(kHashThreshold);
}
