// CUniqueObjectPointerArray<I, C, ID>: the keyed container every stored object lives in.
//
// It owns its objects (deleting them on removal, clearing and destruction) and keeps them in a
// storage order its owner chooses. Lookups by ID go through an ordered index: entry k is the
// storage position of the object with the k-th smallest ID. Beside the index the container keeps
// each indexed ID in compare-ready form, so a lookup is a binary search over a flat array of IDs
// that touches no object. Those copies are taken when an object enters the index; an object whose
// ID is changed in place is found under its new ID only after resort() (as with any index keyed
// on a field that changed under it).
//
// Plain mutators keep the index current and refuse a second object with an ID already present.
// NoSort mutators only change the storage and leave the container unsorted (empty index) until
// sort() or a plain mutator runs; while unsorted, lookups by ID find nothing. Only non-const
// operations sort: a const walk in ID order over an unsorted container (operator== with a Set, a
// read-only handle's iterators) orders a private copy of the index instead.
//
// Archive record ("CUniquePointerArray" framing):
//   start marker, int32 count, then per object in storage order: the object's own record and its
//   ordered-index entry (int32), then the end marker.
// Loading takes the stored index after an O(n) check (a permutation in ascending ID order) and
// rebuilds it by sorting only when the check fails. A negative count throws CArchiveLengthError
// ("vector too long"), other bad input CArchiveException. A load that fails part-way leaves the
// container empty with every object it built freed.
//
// Threads: const operations change nothing, hidden state included, so any number of threads may
// use one container through const paths while none changes it; anything else needs the caller's
// exclusion. A loaded container is sorted, so reading it costs no more than in one thread.
#pragma once

#include <algorithm>
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

namespace zx {

// An ID as two big-endian words: unsigned word order is the ID order.
struct IDKey {
    std::uint64_t hi;
    std::uint64_t lo;

    static IDKey of(const CIDBase& id) {
        const auto [h, l] = id.words();
        return {h, l};
    }
    friend bool operator<(const IDKey& a, const IDKey& b) {
        return a.hi != b.hi ? a.hi < b.hi : a.lo < b.lo;
    }
    friend bool operator==(const IDKey&, const IDKey&) = default;
};

}  // namespace zx

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

template <class I, class C, class ID>
class ZX_API CUniqueObjectPointerArray {
public:
    using Set = CUniqueObjectPointerSet<I, C, ID>;

    CUniqueObjectPointerArray() = default;
    CUniqueObjectPointerArray(const CUniqueObjectPointerArray& other) { Copy(other); }
    CUniqueObjectPointerArray(CUniqueObjectPointerArray&& other) noexcept
        : m_index(std::move(other.m_index)),
          m_keys(std::move(other.m_keys)),
          m_sorted(other.m_sorted),
          m_items(std::move(other.m_items)) {
        other.resetEmpty();
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

    // Rebuilds the ordered index if the container is unsorted.
    void sort() {
        if (m_sorted) return;
        buildOrderedIndex(m_index, &m_keys);
        m_sorted = true;
    }
    // The ordered index as sort() builds it, left to the caller: a sorted container's own index,
    // an unsorted one's computed aside.
    std::vector<int> orderedIndex() const {
        if (m_sorted) return m_index;
        std::vector<int> index;
        buildOrderedIndex(index, nullptr);
        return index;
    }
    void discardSorting() {
        m_sorted = false;
        m_index.clear();
        m_keys.clear();
    }

    int getOrderedIndex(int k) const {
        return k >= 0 && k < static_cast<int>(m_index.size()) ? m_index[k] : -1;
    }
    // Position in the ordered index of the object with this ID, or -1.
    [[nodiscard]] int findOrderedIndex(const CIDBase& id) const {
        if (m_index.size() != m_items.size() || m_keys.empty()) return -1;
        const int k = lowerBound(zx::IDKey::of(id));
        return k < static_cast<int>(m_keys.size()) && m_keys[k] == zx::IDKey::of(id) ? k : -1;
    }
    // Storage position of the object with this ID, or -1.
    [[nodiscard]] int findByID(const CIDBase& id) const {
        const int k = findOrderedIndex(id);
        return k < 0 ? -1 : m_index[k];
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
        sort();
        const int k = findSortInsertPosition(object);
        if (k < 0) return -1;
        const int n = GetSize();
        m_items.push_back(copyOf(object));
        insertOrderedIndex(k, n, object.getID());
        return n;
    }
    int AddNoSort(const I& object) {
        m_items.push_back(copyOf(object));
        discardSorting();
        return GetUpperBound();
    }
    [[nodiscard]] bool InsertAt(int i, const I& object) {
        if (i < 0 || i > GetSize()) return false;
        sort();
        const int k = findSortInsertPosition(object);
        if (k < 0) return false;
        m_items.insert(m_items.begin() + i, copyOf(object));
        insertOrderedIndex(k, i, object.getID());
        return true;
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
        sort();
        const int k = findSortInsertPosition(*p);
        if (k < 0) return false;
        m_items.insert(m_items.begin() + i, std::unique_ptr<C>(p));
        insertOrderedIndex(k, i, p->getID());
        return true;
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
        const zx::IDKey key = zx::IDKey::of(m_items[i]->getID());
        C* p = m_items[i].release();
        m_items.erase(m_items.begin() + i);
        removeOrderedIndex(i, key);
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
        if (!inRange(i)) return false;
        sort();
        std::unique_ptr<C> doomed(Detach(i));
        return true;
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
        m_index.clear();
        m_keys.clear();
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
        m_items.reserve(source.m_items.size());
        for (int i = 0; i < source.GetSize(); ++i)
            m_items.push_back(std::make_unique<C>(source.getConstReference(i)));
        m_sorted = source.m_sorted;
        if (m_sorted) {
            m_index = source.m_index;
            m_keys = source.m_keys;
        }
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
        RemoveAll();
        m_items = std::move(source.m_items);
        m_index = std::move(source.m_index);
        m_keys = std::move(source.m_keys);
        m_sorted = source.m_sorted;
        source.resetEmpty();
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
        const std::vector<int>& index = m_sorted ? m_index : aside;
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
        m_index.reserve(static_cast<std::size_t>(n));
        m_keys.reserve(static_cast<std::size_t>(n));
    }

    void Serialize(CZentrixArchive& ar) {
        ar.checkMarkerStart(kMarker);
        if (ar.IsStoring()) {
            // The record holds the ordered index.
            sort();
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
    void resetEmpty() {
        m_items.clear();
        m_index.clear();
        m_keys.clear();
        m_sorted = true;
    }
    // The ordered index of objects already stored in ascending ID order.
    void indexInStorageOrder() {
        m_index.resize(m_items.size());
        m_keys.resize(m_items.size());
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            m_index[i] = static_cast<int>(i);
            m_keys[i] = zx::IDKey::of(m_items[i]->getID());
        }
        m_sorted = true;
    }

    // First ordered position whose ID is not less than key (branch-free halving search).
    int lowerBound(const zx::IDKey& key) const {
        const zx::IDKey* base = m_keys.data();
        std::size_t n = m_keys.size();
        while (n > 1) {
            const std::size_t half = n / 2;
            base = (base[half - 1] < key) ? base + half : base;
            n -= half;
        }
        return static_cast<int>(base - m_keys.data()) + (n == 1 && *base < key ? 1 : 0);
    }

    // Ordered position where object's ID belongs, or -1 when the ID is present.
    [[nodiscard]] int findSortInsertPosition(const I& object) const {
        if (m_index.empty()) return 0;
        const zx::IDKey key = zx::IDKey::of(object.getID());
        const int k = lowerBound(key);
        if (k < static_cast<int>(m_keys.size()) && m_keys[k] == key) return -1;
        return k;
    }
    void insertOrderedIndex(int k, int i, const CIDBase& id) {
        if (k < 0 || k > static_cast<int>(m_index.size())) return;
        // Appending after every stored position renumbers nothing.
        if (i < static_cast<int>(m_index.size()))
            for (int& entry : m_index) entry += entry >= i ? 1 : 0;
        m_index.insert(m_index.begin() + k, i);
        m_keys.insert(m_keys.begin() + k, zx::IDKey::of(id));
    }
    // Drops storage position i, whose object had the ID key, from the ordered index and moves
    // the positions after it down by one. The entry is found by its key; removing the last
    // storage position (popping from the end) renumbers nothing, and the renumbering pass has no
    // branch to mispredict.
    void removeOrderedIndex(int i, const zx::IDKey& key) {
        if (i < 0 || i >= static_cast<int>(m_index.size())) return;
        std::size_t removed = m_index.size();
        if (m_keys.size() == m_index.size()) {
            const auto k = static_cast<std::size_t>(lowerBound(key));
            if (k < m_index.size() && m_index[k] == i) removed = k;
        }
        if (removed == m_index.size()) {
            const auto at = std::find(m_index.begin(), m_index.end(), i);
            if (at == m_index.end()) return;
            removed = static_cast<std::size_t>(at - m_index.begin());
        }
        m_index.erase(m_index.begin() + static_cast<std::ptrdiff_t>(removed));
        if (removed < m_keys.size())
            m_keys.erase(m_keys.begin() + static_cast<std::ptrdiff_t>(removed));
        if (i != static_cast<int>(m_index.size()))
            for (int& position : m_index) position -= position > i ? 1 : 0;
    }
    void shrinkIfSparse() { shrinkExcessCapacity(m_items, m_index, m_keys); }

    // Storage positions in ascending ID order into index, and the IDs beside them into keys
    // unless it is null.
    void buildOrderedIndex(std::vector<int>& index, std::vector<zx::IDKey>* keys) const {
        const int n = GetSize();
        std::vector<std::pair<zx::IDKey, int>> entries(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) entries[i] = {zx::IDKey::of(m_items[i]->getID()), i};
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        index.resize(entries.size());
        if (keys) keys->resize(entries.size());
        for (std::size_t k = 0; k < entries.size(); ++k) {
            index[k] = entries[k].second;
            if (keys) (*keys)[k] = entries[k].first;
        }
    }

    void store(CZentrixArchive& ar) const {
        ar << static_cast<std::int32_t>(GetSize());
        for (int i = 0; i < GetSize(); ++i) {
            ar.setRecordIndex(i);
            m_items[i]->Serialize(ar);
            ar << static_cast<std::int32_t>(m_index[i]);
        }
    }
    void load(CZentrixArchive& ar) {
        RemoveAll();
        // Every entry takes at least its 4-byte ordered-index entry.
        const int n = ar.readCount(sizeof(std::int32_t), "objects");
        if (n < 0) ar.failNegativeCount(ar.position() - sizeof(std::int32_t));
        // Each object's key is taken while the object is still in cache; checking the stored
        // index later reads these instead of visiting the objects in ID order, one cache miss
        // each.
        std::vector<zx::IDKey> keysByPosition;
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
        m_items.reserve(expected);
        m_index.reserve(expected);
        keysByPosition.reserve(expected);
        for (int i = 0; i < n; ++i) {
            ar.setRecordIndex(i);
            auto object = std::make_unique<C>();
            object->Serialize(ar);
            keysByPosition.push_back(zx::IDKey::of(object->getID()));
            m_items.push_back(std::move(object));
            std::int32_t entry = 0;
            ar >> entry;
            m_index.push_back(entry);
        }
        adoptLoadedIndex(keysByPosition);
    }
    // Takes the stored ordered index when it is a permutation in ascending ID order; otherwise
    // rebuilds it. keysByPosition holds the key of each object in storage order.
    void adoptLoadedIndex(const std::vector<zx::IDKey>& keysByPosition) {
        const std::size_t n = m_items.size();
        std::vector<bool> seen(n, false);
        m_keys.clear();
        m_keys.reserve(n);
        bool valid = true;
        // Entries are visited in ID order, which is random in storage order: fetching the key of
        // an entry further on keeps many cache misses in flight instead of a few (at a million
        // objects this halves the pass).
        constexpr std::size_t kAhead = 32;
        for (std::size_t k = 0; k < n; ++k) {
            if (k + kAhead < n) {
                const auto ahead = static_cast<unsigned>(m_index[k + kAhead]);
                if (ahead < n) __builtin_prefetch(keysByPosition.data() + ahead);
            }
            const int i = m_index[k];
            if (i < 0 || static_cast<std::size_t>(i) >= n || seen[i]) {
                valid = false;
                break;
            }
            seen[i] = true;
            m_keys.push_back(keysByPosition[static_cast<std::size_t>(i)]);
            if (k > 0 && m_keys[k] < m_keys[k - 1]) {
                valid = false;
                break;
            }
        }
        m_sorted = valid;
        if (!valid) {
            m_index.clear();
            m_keys.clear();
            sort();
        }
    }

    // Ordered index: storage positions in ascending ID order; m_keys holds the IDs beside it.
    std::vector<int> m_index;
    std::vector<zx::IDKey> m_keys;
    bool m_sorted = true;
    std::vector<std::unique_ptr<C>> m_items;
};
