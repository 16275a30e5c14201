// zx::KeyedIndex: the ID indexes of one keyed container, apart from the objects it stores.
//
// CUniqueObjectPointerArray keeps its objects by storage position and asks this class for
// everything that concerns their IDs: the ID of each position as it was when the object was
// indexed, the ordered index (storage positions in ascending ID order, with a tail of appended
// positions merged in on demand), the hash side index, and whether the container is sorted at
// all. None of that depends on the kind stored, so it is compiled once, in the library, instead
// of once per kind in every translation unit that adds to a container.
//
// Every operation is told the container's count n where it needs it and the size hashFrom from
// which the hash index is kept (below it a lookup scans the keys). The container changes its
// storage and the index together: an insert is prepareInsert (which may fail or allocate, before
// anything changes), then the storage change, then commitInsert (which cannot fail); a removal
// is remove, then the storage change.
//
// Threads: const members may run concurrently while nothing changes the index; the pending tail
// of the ordered index is merged by the first reader that needs ID order, under zx::orderLock.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "basetypes/ZxApi.h"
#include "store/IDHashIndex.h"
#include "store/IDKey.h"
#include "store/SmallPodVector.h"

namespace zx {

class ZX_API KeyedIndex {
public:
    KeyedIndex() = default;
    KeyedIndex(const KeyedIndex&) = delete;
    KeyedIndex& operator=(const KeyedIndex&) = delete;
    ~KeyedIndex();

    // Takes other's indexes as a copy (after merging its tail), or by moving them.
    void copyFrom(const KeyedIndex& other);
    void moveFrom(KeyedIndex& other) noexcept;

    bool sorted() const { return m_sorted; }
    // Unsorted: no indexes until build().
    void discard() noexcept;
    // Sorted and empty, as an empty container is.
    void reset() noexcept;

    // Storage position of key among n objects, or -1 (always -1 while unsorted).
    int find(const IDKey& key, int n, int hashFrom) const {
        if (!m_sorted || !m_ix) return -1;
        if (n >= hashFrom) return m_ix->hash.find(key, m_ix->keys);
        for (std::size_t i = 0; i < m_ix->keys.size(); ++i)
            if (m_ix->keys[i] == key) return static_cast<int>(i);
        return -1;
    }
    // Asks for the memory that find(key, n, hashFrom) will read first.
    [[gnu::always_inline]] void prefetch(const IDKey& key, int n, int hashFrom) const {
        if (m_sorted && m_ix && n >= hashFrom) m_ix->hash.prefetch(key);
    }
    // Position in the ordered index of key, or -1; sorted containers only.
    int findOrdered(const IDKey& key) const;
    // Storage position of the k-th smallest ID, or -1.
    int orderedAt(int k) const;
    // The whole ordered index of a sorted container, tail merged; valid until the index changes.
    std::span<const int> order() const;
    // Storage positions of keys in ascending key order.
    static std::vector<int> orderOf(std::span<const IDKey> keys);

    // Makes an unsorted container sorted from the keys of its objects by storage position. On
    // failure the container stays unsorted.
    void build(std::vector<IDKey> keys, int hashFrom);
    // As build, for objects already stored in ascending ID order.
    void buildInStorageOrder(std::vector<IDKey> keys, int hashFrom);
    // Merges the pending tail into the ordered index; const paths too, under the order lock.
    void settle() const;

    // Before storing an object with key at position i of a sorted container of n objects: false
    // when the key is present; otherwise makes room, so that commitInsert cannot fail.
    [[nodiscard]] bool prepareInsert(int i, const IDKey& key, int n, int hashFrom);
    // After the object is stored: indexes it. n is the count before the insert.
    void commitInsert(int i, const IDKey& key, int n, int hashFrom) noexcept;
    // Before the object at storage position i of a sorted container of n objects leaves it:
    // drops it from the indexes; the positions after it move down by one.
    void remove(int i, int n, int hashFrom);

    // Room for n objects in a sorted container.
    void reserve(std::size_t n);
    void shrinkToFit();

    // Loading: start, then one append per object in storage order (its key and its stored
    // ordered-index entry), then finishLoad, which takes the stored order when it is a
    // permutation in ascending ID order and rebuilds it otherwise.
    void startLoad(std::size_t expected);
    void appendLoaded(const IDKey& key, std::int32_t entry) {
        m_ix->keys.push_back(key);
        m_ix->order.push_back(entry);
    }
    void finishLoad(int hashFrom);
    // The ordered-index entry a record stores at position k (sorted and settled).
    std::int32_t storedEntry(std::size_t k) const { return m_ix->order[k]; }

    // Heap bytes of the indexes, and of the hash table alone.
    std::size_t memoryBytes() const;
    std::size_t hashBytes() const { return m_ix ? m_ix->hash.memoryBytes() : 0; }

private:
    // Collections of up to kInline objects keep both arrays inside their index block.
    static constexpr std::uint32_t kInline = 2;
    // Kept apart from the container so that an empty or unsorted one costs a null pointer: most
    // objects' embedded collections are empty.
    struct Indexes {
        // The ID of each object by storage position, as it was when the object was indexed.
        SmallPodVector<IDKey, kInline> keys;
        // Storage positions in ascending ID order. Holds the positions below order.size(); the
        // rest wait in the tail until settle() merges them.
        SmallPodVector<int, kInline> order;
        IDHashIndex hash;
    };

    Indexes& ix();
    // Takes keys and their ordered index as the container's, sorted from now on.
    void adopt(std::vector<IDKey> keys, std::vector<int> order, int hashFrom);
    const IDKey& keyAt(int k) const;
    int lowerBound(const IDKey& key) const;
    void rebuildHash(int hashFrom);

    std::unique_ptr<Indexes> m_ix;
    bool m_sorted = true;
    mutable std::atomic<bool> m_tailPending{false};
};

}  // namespace zx
