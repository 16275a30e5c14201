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
// Threads: any number of threads may use one container through const paths while none changes
// it; anything else needs the caller's exclusion. The one piece of hidden state a const path
// changes is the ordered index's pending tail, which the first reader that needs ID order merges
// under zx::orderLock while the others wait for it. A loaded container has no tail, so reading it
// costs no more than in one thread.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "basetypes/CIDBase.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayCapacity.h"
#include "store/IDHashIndex.h"
#include "store/IDKey.h"
#include "store/StoreShared.h"

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
    bool isSorted() const { return m_sorted; }

    // Builds the indexes if the container is unsorted. Objects appended since the ordered index
    // was last asked for stay in its tail until then: sorting costs nothing on a sorted container.
    void sort() { index(); }
    // The ordered index as sort() builds it, left to the caller: a sorted container's own index,
    // an unsorted one's computed aside.
    std::vector<int> orderedIndex() const {
        if (m_sorted) {
            settle();
            return ix().order;
        }
        std::vector<zx::IDKey> keys;
        std::vector<int> index;
        buildOrderedIndex(index, keys);
        return index;
    }
    void discardSorting() {
        m_sorted = false;
        m_ix.reset();
        m_tailPending.store(false, std::memory_order_relaxed);
    }

    int getOrderedIndex(int k) const {
        settle();
        const std::vector<int>& order = ix().order;
        return k >= 0 && k < static_cast<int>(order.size()) ? order[k] : -1;
    }
    // Position in the ordered index of the object with this ID, or -1.
    [[nodiscard]] int findOrderedIndex(const CIDBase& id) const {
        if (!m_sorted || m_items.empty()) return -1;
        settle();
        const zx::IDKey key = zx::IDKey::of(id);
        const int k = lowerBound(key);
        return k < static_cast<int>(ix().order.size()) && keyAt(k) == key ? k : -1;
    }
    // Storage position of the object with this ID, or -1.
    [[nodiscard]] int findByID(const CIDBase& id) const {
        return m_sorted ? positionOf(zx::IDKey::of(id)) : -1;
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
    const CIDBase& getID(int i) const {
        if (inRange(i)) return m_items[i]->getID();
        return getConstReference(i).getID();
    }

    [[nodiscard]] int Add(const I& object) {
        const int n = GetSize();
        return place(n, object.getID(), [&] { return copyOf(object); }) ? n : -1;
    }
    int AddNoSort(const I& object) {
        m_items.push_back(copyOf(object));
        discardSorting();
        return GetUpperBound();
    }
    [[nodiscard]] bool InsertAt(int i, const I& object) {
        if (i < 0 || i > GetSize()) return false;
        return place(i, object.getID(), [&] { return copyOf(object); });
    }
    [[nodiscard]] bool InsertAtNoSort(int i, const I& object) {
        if (i < 0 || i > GetSize()) return false;
        m_items.insert(m_items.begin() + i, copyOf(object));
        discardSorting();
        return true;
    }
    [[nodiscard]] bool InsertAt(int i, const CUniqueObjectPointerArray& source) {
        for (int j = 0; j < source.GetSize(); ++j) {
            const I& object = source.getConstReference(j);
            const bool inserted =
                m_sorted ? InsertAt(i + j, object) : InsertAtNoSort(i + j, object);
            if (!inserted) return false;
        }
        return true;
    }
    // Adds (i == -1) or inserts at i, sorted or not as the container is; i receives the
    // position. Returns the stored copy or null.
    [[nodiscard]] I* Put(int& i, const I& object) {
        if (i == -1) {
            i = m_sorted ? Add(object) : AddNoSort(object);
            return i < 0 ? nullptr : m_items[i].get();
        }
        const bool inserted = m_sorted ? InsertAt(i, object) : InsertAtNoSort(i, object);
        return inserted ? m_items[i].get() : nullptr;
    }

    // Takes ownership of p when it is stored; on refusal p stays the caller's.
    [[nodiscard]] bool Attach(int i, C* p) {
        if (!p || i < 0 || i > GetSize()) return false;
        return place(i, p->getID(), [&] { return std::unique_ptr<C>(p); });
    }
    [[nodiscard]] bool AttachNoSort(int i, C* p) {
        if (!p || i < 0 || i > GetSize()) return false;
        m_items.insert(m_items.begin() + i, std::unique_ptr<C>(p));
        discardSorting();
        return true;
    }
    // Takes the object out; ownership passes to the caller. Null when out of range.
    [[nodiscard]] C* Detach(int i) {
        if (!inRange(i)) return nullptr;
        index();
        settle();
        unindex(i);
        C* p = m_items[i].release();
        m_items.erase(m_items.begin() + i);
        shrinkIfSparse();
        return p;
    }
    [[nodiscard]] C* DetachNoSort(int i) {
        if (!inRange(i)) return nullptr;
        C* p = m_items[i].release();
        m_items.erase(m_items.begin() + i);
        discardSorting();
        shrinkIfSparse();
        return p;
    }
    [[nodiscard]] I* Detach(const ID& id) {
        const int i = findByID(id);
        return m_sorted ? Detach(i) : DetachNoSort(i);
    }

    [[nodiscard]] bool RemoveAt(int i) {
        std::unique_ptr<C> doomed(Detach(i));
        return doomed != nullptr;
    }
    [[nodiscard]] bool RemoveAtNoSort(int i) {
        std::unique_ptr<C> doomed(DetachNoSort(i));
        return doomed != nullptr;
    }
    [[nodiscard]] bool Remove(const ID& id) {
        const int i = findByID(id);
        if (i < 0) return false;
        return m_sorted ? RemoveAt(i) : RemoveAtNoSort(i);
    }
    [[nodiscard]] int removeByID(const ID& id) {
        const int i = findByID(id);
        return i >= 0 && RemoveAt(i) ? i : -1;
    }
    void RemoveAll() {
        m_items.clear();
        discardSorting();
        m_sorted = true;
    }

    // Overwrites the stored object with object's ID; false if absent.
    [[nodiscard]] bool changeElement(const I& object) {
        const int i = findByID(object.getID());
        if (i < 0) return false;
        m_items[i]->copyFrom(object);
        return true;
    }
    [[nodiscard]] bool changePosition(int newPosition, int oldPosition) {
        if (!inRange(newPosition) || !inRange(oldPosition)) return false;
        if (newPosition == oldPosition) return true;
        // Both positions are inside the shortened container and the ID has just left it, so the
        // attach succeeds; were it refused, the object would be freed here rather than leak.
        std::unique_ptr<C> moving(m_sorted ? Detach(oldPosition) : DetachNoSort(oldPosition));
        const bool attached =
            m_sorted ? Attach(newPosition, moving.get()) : AttachNoSort(newPosition, moving.get());
        if (attached) (void)moving.release();
        return attached;
    }

    // Adds a copy of each source object (duplicates skipped); returns the count before.
    int Append(const CUniqueObjectPointerArray& source) {
        const int before = GetSize();
        for (int j = 0; j < source.GetSize(); ++j) addSorted(source.getConstReference(j));
        return before;
    }
    int Append(const Set& source) {
        const int before = GetSize();
        for (const auto& entry : source) addSorted(*entry.second);
        return before;
    }

    void Copy(const CUniqueObjectPointerArray& source) {
        if (this == &source) return;
        RemoveAll();
        source.settle();
        m_items.reserve(source.m_items.size());
        for (int i = 0; i < source.GetSize(); ++i)
            m_items.push_back(std::make_unique<C>(source.getConstReference(i)));
        m_sorted = source.m_sorted;
        if (source.m_ix) m_ix = std::make_unique<Indexes>(*source.m_ix);
    }
    void Copy(const CUniqueObjectPointerArray& source, int start, int count) {
        RemoveAll();
        for (int j = start; j < start + count; ++j) addSorted(source.getConstReference(j));
    }
    void Copy(const Set& source) {
        RemoveAll();
        for (const auto& entry : source) m_items.push_back(std::make_unique<C>(*entry.second));
        indexInStorageOrder();
    }
    void Copy(Set&& source) {
        RemoveAll();
        for (auto& entry : source.map()) m_items.push_back(std::move(entry.second));
        source.RemoveAll();
        indexInStorageOrder();
    }
    void Copy(CUniqueObjectPointerArray&& source) {
        if (this == &source) return;
        m_items = std::move(source.m_items);
        m_ix = std::move(source.m_ix);
        m_sorted = source.m_sorted;
        m_tailPending.store(source.m_tailPending.load(std::memory_order_relaxed),
                            std::memory_order_relaxed);
        source.RemoveAll();
    }

    bool operator==(const CUniqueObjectPointerArray& other) const {
        if (GetSize() != other.GetSize()) return false;
        for (int i = 0; i < GetSize(); ++i) {
            const I& a = getConstReference(i);
            if (a != other.getConstReference(i)) return false;
        }
        return true;
    }
    bool operator==(const Set& other) const {
        if (GetSize() != other.GetSize()) return false;
        std::vector<int> aside;
        if (!m_sorted) aside = orderedIndex();
        settle();
        const std::vector<int>& index = m_sorted ? ix().order : aside;
        int k = 0;
        for (const auto& entry : other) {
            const I& a = getConstReference(index[k++]);
            if (a != *entry.second) return false;
        }
        return true;
    }

    void Reserve(int n) {
        if (n < 0 || static_cast<std::size_t>(n) > m_items.max_size())
            throw std::length_error("vector too long");
        m_items.reserve(static_cast<std::size_t>(n));
        if (!m_sorted || n == 0) return;
        ix().order.reserve(static_cast<std::size_t>(n));
        ix().keys.reserve(static_cast<std::size_t>(n));
    }

    // Heap bytes of the indexes beside the objects (keys, ordered index, hash table), and of the
    // hash table alone.
    std::size_t indexMemoryBytes() const {
        if (!m_ix) return 0;
        return sizeof(Indexes) + m_ix->keys.capacity() * sizeof(zx::IDKey) +
               m_ix->order.capacity() * sizeof(int) + m_ix->hash.memoryBytes();
    }
    std::size_t hashIndexBytes() const { return ix().hash.memoryBytes(); }

    void Serialize(CZentrixArchive& ar) {
        ar.checkMarkerStart(kMarker);
        if (ar.IsStoring()) {
            // The record holds the ordered index.
            index();
            settle();
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

private:
    static constexpr const char* kMarker = "CUniquePointerArray";
    // Objects a load reserves room for before reading them.
    static constexpr int kLoadReserveLimit = 256;
    // Records around a top-level collection: a root's marker and the collection's own.
    static constexpr std::size_t kTopLevelDepth = 2;

    bool inRange(int i) const { return i >= 0 && i < GetSize(); }
    bool hashed() const { return GetSize() >= kHashThreshold; }
    // The bytes of a new object's record: an estimate of the smallest record of the kind, which
    // only sizes reservations (a smaller record costs a reallocation, never a wrong result).
    static std::size_t newRecordSize() {
        static const std::size_t size = [] {
            CZentrixArchive probe;
            C object;
            object.Serialize(probe);
            return std::max<std::size_t>(probe.storedBytes().size(), 1);
        }();
        return size;
    }
    // A source of the container's own class (the usual case) is copied by that class's copy
    // constructor, which does not first build initial values only to overwrite them (a new
    // calendar builds its default week, for one).
    static std::unique_ptr<C> copyOf(const I& object) {
        if (typeid(object) == typeid(C)) return std::make_unique<C>(static_cast<const C&>(object));
        auto copy = std::make_unique<C>();
        copy->copyFrom(object);
        return copy;
    }
    void addSorted(const I& object) {
        if (m_sorted)
            (void)Add(object);
        else
            AddNoSort(object);
    }
    // The ordered index of objects already stored in ascending ID order.
    void indexInStorageOrder() {
        const std::size_t n = m_items.size();
        Indexes& indexes = ix();
        indexes.order.resize(n);
        indexes.keys.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            indexes.order[i] = static_cast<int>(i);
            indexes.keys[i] = zx::IDKey::of(m_items[i]->getID());
        }
        rebuildHash();
        m_sorted = true;
    }

    // Storage position of key in a sorted container, or -1.
    int positionOf(const zx::IDKey& key) const {
        // Tested first, so that lookups in the many empty collections never reach ix()'s shared
        // empty set and the guard of its static.
        if (!m_ix) return -1;
        const Indexes& indexes = *m_ix;
        if (hashed()) return indexes.hash.find(key, indexes.keys);
        for (std::size_t i = 0; i < indexes.keys.size(); ++i) {
            if (indexes.keys[i] == key) return static_cast<int>(i);
        }
        return -1;
    }
    // The key of the k-th smallest ID in the ordered index.
    const zx::IDKey& keyAt(int k) const {
        return m_ix->keys[static_cast<std::size_t>(m_ix->order[k])];
    }
    // First ordered position whose ID is not less than key (branch-free halving search).
    int lowerBound(const zx::IDKey& key) const {
        std::size_t low = 0;
        std::size_t n = ix().order.size();
        while (n > 1) {
            const std::size_t half = n / 2;
            low = keyAt(static_cast<int>(low + half - 1)) < key ? low + half : low;
            n -= half;
        }
        return static_cast<int>(low) + (n == 1 && keyAt(static_cast<int>(low)) < key ? 1 : 0);
    }

    // Stores the object made by make at storage position i unless its ID is present; make runs
    // only when the object is stored. An object stored at the end joins the ordered index's
    // tail; one stored before others is placed in the ordered index at once, since every
    // position after it moves. Everything that can fail (allocations, make) comes before the
    // first change, so a failure leaves the container as it was.
    template <class Make>
    bool place(int i, const CIDBase& id, Make make) {
        index();
        const zx::IDKey key = zx::IDKey::of(id);
        if (positionOf(key) >= 0) return false;
        const int n = GetSize();
        const bool atEnd = i == n;
        if (!atEnd) settle();
        Indexes& indexes = ix();
        reserveOneMore(m_items);
        reserveOneMore(indexes.keys);
        if (!atEnd) reserveOneMore(indexes.order);
        if (n + 1 >= kHashThreshold)
            indexes.hash.reserve(static_cast<std::size_t>(n) + 1, indexes.keys);
        std::unique_ptr<C> object = make();
        if (atEnd) {
            m_items.push_back(std::move(object));
            indexes.keys.push_back(key);
            m_tailPending.store(true, std::memory_order_relaxed);
        } else {
            const int k = lowerBound(key);
            m_items.insert(m_items.begin() + i, std::move(object));
            indexes.keys.insert(indexes.keys.begin() + i, key);
            for (int& entry : indexes.order) entry += entry >= i ? 1 : 0;
            indexes.order.insert(indexes.order.begin() + k, i);
            indexes.hash.shiftPositions(i, 1);
        }
        if (n + 1 == kHashThreshold) {
            // The container has just become large enough for a hash index (room was reserved).
            for (int j = 0; j <= n; ++j)
                indexes.hash.insert(indexes.keys[static_cast<std::size_t>(j)], j, indexes.keys);
        } else if (hashed()) {
            indexes.hash.insert(key, i, indexes.keys);
        }
        return true;
    }
    // Drops storage position i from the indexes of a sorted, settled container before its object
    // leaves the storage; the positions after it move down by one. The ordered entry is found by
    // its key; removing the last storage position renumbers nothing, and the renumbering pass has
    // no branch to mispredict. Allocates nothing.
    void unindex(int i) {
        if (GetSize() == 1) {
            m_ix.reset();
            return;
        }
        Indexes& indexes = *m_ix;
        const zx::IDKey key = indexes.keys[static_cast<std::size_t>(i)];
        std::vector<int>& order = indexes.order;
        std::size_t removed = static_cast<std::size_t>(lowerBound(key));
        if (removed >= order.size() || order[removed] != i) {
            removed =
                static_cast<std::size_t>(std::find(order.begin(), order.end(), i) - order.begin());
        }
        if (removed < order.size())
            order.erase(order.begin() + static_cast<std::ptrdiff_t>(removed));
        const bool last = i + 1 == GetSize();
        if (!last)
            for (int& position : order) position -= position > i ? 1 : 0;
        // The hash entry goes while the keys still match the table's positions.
        const bool hashedAfter = GetSize() - 1 >= kHashThreshold;
        if (hashedAfter) indexes.hash.erase(key, i, indexes.keys);
        indexes.keys.erase(indexes.keys.begin() + i);
        if (!hashedAfter) {
            indexes.hash.clear();
        } else {
            if (!last) indexes.hash.shiftPositions(i + 1, -1);
            indexes.hash.shrinkToFit(indexes.keys);
        }
    }
    void shrinkIfSparse() {
        if (m_ix)
            shrinkExcessCapacity(m_items, m_ix->order, m_ix->keys);
        else
            shrinkExcessCapacity(m_items);
    }

    // The hash index of every stored key, replacing the old one only once it is complete.
    void rebuildHash() {
        if (!hashed()) {
            if (m_ix) m_ix->hash.clear();
            return;
        }
        zx::IDHashIndex fresh;
        fresh.rebuild(m_ix->keys);
        m_ix->hash = std::move(fresh);
    }
    // Builds the keys and both indexes of an unsorted container.
    void index() {
        if (m_sorted) return;
        try {
            if (m_items.empty()) {
                m_sorted = true;
                return;
            }
            buildOrderedIndex(ix().order, ix().keys);
            rebuildHash();
        } catch (...) {
            discardSorting();
            throw;
        }
        m_sorted = true;
    }
    // Completes the ordered index: the tail of storage positions it does not hold yet is sorted
    // and merged in. Runs on const paths too, under the container's lock, since the order is a
    // function of the stored keys that readers may ask for at any time.
    void settle() const {
        if (!m_tailPending.load(std::memory_order_acquire)) return;
        const std::lock_guard lock(zx::orderLock(this));
        if (!m_tailPending.load(std::memory_order_relaxed)) return;
        // A pending tail means objects were added, so the indexes exist.
        Indexes& indexes = *m_ix;
        const auto byKey = [&indexes](int a, int b) {
            return indexes.keys[static_cast<std::size_t>(a)] <
                   indexes.keys[static_cast<std::size_t>(b)];
        };
        std::vector<int>& order = indexes.order;
        const std::size_t merged = order.size();
        order.reserve(m_items.size());
        for (std::size_t i = merged; i < m_items.size(); ++i) order.push_back(static_cast<int>(i));
        const auto middle = order.begin() + static_cast<std::ptrdiff_t>(merged);
        std::sort(middle, order.end(), byKey);
        std::inplace_merge(order.begin(), middle, order.end(), byKey);
        m_tailPending.store(false, std::memory_order_release);
    }

    // Storage positions in ascending ID order into index, and the ID of each storage position
    // into keys.
    void buildOrderedIndex(std::vector<int>& index, std::vector<zx::IDKey>& keys) const {
        const std::size_t n = m_items.size();
        keys.resize(n);
        std::vector<std::pair<zx::IDKey, int>> entries(n);
        for (std::size_t i = 0; i < n; ++i) {
            keys[i] = zx::IDKey::of(m_items[i]->getID());
            entries[i] = {keys[i], static_cast<int>(i)};
        }
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        index.resize(n);
        for (std::size_t k = 0; k < n; ++k) index[k] = entries[k].second;
    }

    void store(CZentrixArchive& ar) const {
        ar << static_cast<std::int32_t>(GetSize());
        for (int i = 0; i < GetSize(); ++i) {
            ar.setRecordIndex(i);
            m_items[i]->Serialize(ar);
            ar << static_cast<std::int32_t>(m_ix->order[i]);
        }
    }
    void load(CZentrixArchive& ar) {
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
        Indexes& indexes = ix();
        m_items.reserve(expected);
        indexes.order.reserve(expected);
        indexes.keys.reserve(expected);
        for (int i = 0; i < n; ++i) {
            ar.setRecordIndex(i);
            auto object = std::make_unique<C>();
            object->Serialize(ar);
            // Each object's key is taken while the object is still in cache.
            indexes.keys.push_back(zx::IDKey::of(object->getID()));
            m_items.push_back(std::move(object));
            std::int32_t entry = 0;
            ar >> entry;
            indexes.order.push_back(entry);
        }
        adoptLoadedIndex();
    }
    // Takes the stored ordered index when it is a permutation in ascending ID order; otherwise
    // rebuilds it. Then builds the hash index in one pass over the keys.
    void adoptLoadedIndex() {
        const std::size_t n = m_items.size();
        std::vector<int>& order = m_ix->order;
        const std::vector<zx::IDKey>& keys = m_ix->keys;
        std::vector<bool> seen(n, false);
        bool valid = true;
        // Entries are visited in ID order, which is random in storage order: fetching the key of
        // an entry further on keeps many cache misses in flight instead of a few (at a million
        // objects this halves the pass).
        constexpr std::size_t kAhead = 32;
        const zx::IDKey* previous = nullptr;
        for (std::size_t k = 0; k < n; ++k) {
            if (k + kAhead < n) {
                const auto ahead = static_cast<unsigned>(order[k + kAhead]);
                if (ahead < n) __builtin_prefetch(keys.data() + ahead);
            }
            const int i = order[k];
            if (i < 0 || static_cast<std::size_t>(i) >= n || seen[i]) {
                valid = false;
                break;
            }
            seen[i] = true;
            const zx::IDKey* key = &keys[static_cast<std::size_t>(i)];
            if (previous && *key < *previous) {
                valid = false;
                break;
            }
            previous = key;
        }
        if (!valid) {
            std::vector<std::pair<zx::IDKey, int>> entries(n);
            for (std::size_t i = 0; i < n; ++i) entries[i] = {keys[i], static_cast<int>(i)};
            std::sort(entries.begin(), entries.end(),
                      [](const auto& a, const auto& b) { return a.first < b.first; });
            for (std::size_t k = 0; k < n; ++k) order[k] = entries[k].second;
        }
        m_sorted = true;
        rebuildHash();
    }

    // What the indexes hold, kept apart from the container so that an empty or unsorted one
    // costs a null pointer: most objects' embedded collections are empty.
    struct Indexes {
        // The ID of each object by storage position, as it was when the object was indexed.
        std::vector<zx::IDKey> keys;
        // Ordered index: storage positions in ascending ID order. Holds the positions below
        // order.size(); the rest wait in the tail until settle() merges them (on const paths
        // too, under the order lock).
        std::vector<int> order;
        zx::IDHashIndex hash;
    };
    // The indexes, made on first use; read-only access to none gives an empty set.
    Indexes& ix() {
        if (!m_ix) m_ix = std::make_unique<Indexes>();
        return *m_ix;
    }
    const Indexes& ix() const {
        static const Indexes none;
        return m_ix ? *m_ix : none;
    }

    std::vector<std::unique_ptr<C>> m_items;
    std::unique_ptr<Indexes> m_ix;
    bool m_sorted = true;
    mutable std::atomic<bool> m_tailPending{false};
};
