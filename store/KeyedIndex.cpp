// The keyed containers' ID indexes: compiled once for every kind.
#include "store/KeyedIndex.h"

#include <algorithm>
#include <mutex>
#include <utility>

#include "store/ArrayCapacity.h"
#include "store/StoreShared.h"

namespace zx {

namespace {

// Makes hash the hash index of keys when there are at least hashFrom of them, and empty
// otherwise. The new table replaces the old one only once it is complete.
void hashKeys(IDHashIndex& hash, std::span<const IDKey> keys, int hashFrom) {
    if (static_cast<std::ptrdiff_t>(keys.size()) < hashFrom) {
        hash.clear();
        return;
    }
    IDHashIndex fresh;
    fresh.rebuild(keys);
    hash = std::move(fresh);
}

}  // namespace

KeyedIndex::~KeyedIndex() = default;

void KeyedIndex::copyFrom(const KeyedIndex& other) {
    other.settle();
    std::unique_ptr<Indexes> copy;
    if (other.m_ix) copy = std::make_unique<Indexes>(*other.m_ix);
    m_ix = std::move(copy);
    m_sorted = other.m_sorted;
    m_tailPending.store(false, std::memory_order_relaxed);
}

void KeyedIndex::moveFrom(KeyedIndex& other) noexcept {
    m_ix = std::move(other.m_ix);
    m_sorted = other.m_sorted;
    m_tailPending.store(other.m_tailPending.load(std::memory_order_relaxed),
                        std::memory_order_relaxed);
    other.reset();
}

void KeyedIndex::discard() noexcept {
    m_sorted = false;
    m_ix.reset();
    m_tailPending.store(false, std::memory_order_relaxed);
}

void KeyedIndex::reset() noexcept {
    discard();
    m_sorted = true;
}

KeyedIndex::Indexes& KeyedIndex::ix() {
    if (!m_ix) m_ix = std::make_unique<Indexes>();
    return *m_ix;
}

const IDKey& KeyedIndex::keyAt(int k) const {
    return m_ix->keys[static_cast<std::size_t>(m_ix->order[static_cast<std::size_t>(k)])];
}

// First ordered position whose ID is not less than key (branch-free halving search).
int KeyedIndex::lowerBound(const IDKey& key) const {
    if (!m_ix) return 0;
    std::size_t low = 0;
    std::size_t n = m_ix->order.size();
    while (n > 1) {
        const std::size_t half = n / 2;
        low = keyAt(static_cast<int>(low + half - 1)) < key ? low + half : low;
        n -= half;
    }
    return static_cast<int>(low) + (n == 1 && keyAt(static_cast<int>(low)) < key ? 1 : 0);
}

int KeyedIndex::findOrdered(const IDKey& key) const {
    if (!m_sorted || !m_ix || m_ix->keys.empty()) return -1;
    settle();
    const int k = lowerBound(key);
    return k < static_cast<int>(m_ix->order.size()) && keyAt(k) == key ? k : -1;
}

int KeyedIndex::orderedAt(int k) const {
    const std::span<const int> positions = order();
    return k >= 0 && k < static_cast<int>(positions.size()) ? positions[static_cast<std::size_t>(k)]
                                                            : -1;
}

std::span<const int> KeyedIndex::order() const {
    if (!m_ix) return {};
    settle();
    return m_ix->order;
}

std::vector<int> KeyedIndex::orderOf(std::span<const IDKey> keys) {
    const std::size_t n = keys.size();
    std::vector<std::pair<IDKey, int>> entries(n);
    for (std::size_t i = 0; i < n; ++i) entries[i] = {keys[i], static_cast<int>(i)};
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> order(n);
    for (std::size_t k = 0; k < n; ++k) order[k] = entries[k].second;
    return order;
}

void KeyedIndex::build(std::vector<IDKey> keys, int hashFrom) {
    if (m_sorted) return;
    try {
        std::vector<int> order = orderOf(keys);
        adopt(std::move(keys), std::move(order), hashFrom);
    } catch (...) {
        discard();
        throw;
    }
}

void KeyedIndex::buildInStorageOrder(std::vector<IDKey> keys, int hashFrom) {
    std::vector<int> order(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    adopt(std::move(keys), std::move(order), hashFrom);
}

void KeyedIndex::adopt(std::vector<IDKey> keys, std::vector<int> order, int hashFrom) {
    if (!keys.empty()) {
        // Filled aside and then taken, so that a failed allocation leaves the indexes as they
        // were instead of keys without their order.
        auto fresh = std::make_unique<Indexes>();
        fresh->keys.assign(keys.data(), keys.size());
        fresh->order.assign(order.data(), order.size());
        hashKeys(fresh->hash, fresh->keys, hashFrom);
        m_ix = std::move(fresh);
    }
    m_sorted = true;
}

// The order is a function of the stored keys that readers may ask for at any time, so const
// paths complete it too, under the container's lock.
void KeyedIndex::settle() const {
    if (!m_tailPending.load(std::memory_order_acquire)) return;
    const std::lock_guard lock(orderLock(this));
    if (!m_tailPending.load(std::memory_order_relaxed)) return;
    // A pending tail means objects were added, so the indexes exist.
    Indexes& indexes = *m_ix;
    const auto byKey = [&indexes](int a, int b) {
        return indexes.keys[static_cast<std::size_t>(a)] <
               indexes.keys[static_cast<std::size_t>(b)];
    };
    auto& order = indexes.order;
    const std::size_t merged = order.size();
    order.reserve(indexes.keys.size());
    for (std::size_t i = merged; i < indexes.keys.size(); ++i) order.push_back(static_cast<int>(i));
    const auto middle = order.begin() + static_cast<std::ptrdiff_t>(merged);
    std::sort(middle, order.end(), byKey);
    std::inplace_merge(order.begin(), middle, order.end(), byKey);
    m_tailPending.store(false, std::memory_order_release);
}

// Everything that can fail comes before the container's first change: a refused or failed
// insert leaves it as it was.
bool KeyedIndex::prepareInsert(int i, const IDKey& key, int n, int hashFrom) {
    if (find(key, n, hashFrom) >= 0) return false;
    const bool atEnd = i == n;
    if (!atEnd) settle();
    Indexes& indexes = ix();
    reserveOneMore(indexes.keys);
    if (!atEnd) reserveOneMore(indexes.order);
    if (n + 1 >= hashFrom) indexes.hash.reserve(static_cast<std::size_t>(n) + 1, indexes.keys);
    return true;
}

// An object stored at the end joins the ordered index's tail; one stored before others is placed
// in the ordered index at once, since every position after it moves.
void KeyedIndex::commitInsert(int i, const IDKey& key, int n, int hashFrom) noexcept {
    Indexes& indexes = *m_ix;
    if (i == n) {
        indexes.keys.push_back(key);
        m_tailPending.store(true, std::memory_order_relaxed);
    } else {
        const int k = lowerBound(key);
        indexes.keys.insert(indexes.keys.begin() + i, key);
        for (int& entry : indexes.order) entry += entry >= i ? 1 : 0;
        indexes.order.insert(indexes.order.begin() + k, i);
        indexes.hash.shiftPositions(i, 1);
    }
    if (n + 1 == hashFrom) {
        // The container has just become large enough for a hash index (room was reserved).
        for (int j = 0; j <= n; ++j)
            indexes.hash.insert(indexes.keys[static_cast<std::size_t>(j)], j, indexes.keys);
    } else if (n + 1 > hashFrom) {
        indexes.hash.insert(key, i, indexes.keys);
    }
}

// The ordered entry is found by its key; removing the last storage position renumbers nothing,
// and the renumbering pass has no branch to mispredict. Allocates nothing.
void KeyedIndex::remove(int i, int n, int hashFrom) {
    settle();
    if (n == 1 || !m_ix) {
        m_ix.reset();
        return;
    }
    Indexes& indexes = *m_ix;
    const IDKey key = indexes.keys[static_cast<std::size_t>(i)];
    auto& order = indexes.order;
    auto removed = static_cast<std::size_t>(lowerBound(key));
    if (removed >= order.size() || order[removed] != i)
        removed =
            static_cast<std::size_t>(std::find(order.begin(), order.end(), i) - order.begin());
    if (removed < order.size()) order.erase(order.begin() + static_cast<std::ptrdiff_t>(removed));
    const bool last = i + 1 == n;
    if (!last)
        for (int& position : order) position -= position > i ? 1 : 0;
    // The hash entry goes while the keys still match the table's positions.
    const bool hashedAfter = n - 1 >= hashFrom;
    if (hashedAfter) indexes.hash.erase(key, i, indexes.keys);
    indexes.keys.erase(indexes.keys.begin() + i);
    if (!hashedAfter) {
        indexes.hash.clear();
    } else {
        if (!last) indexes.hash.shiftPositions(i + 1, -1);
        indexes.hash.shrinkToFit(indexes.keys);
    }
}

void KeyedIndex::reserve(std::size_t n) {
    if (!m_sorted || n == 0) return;
    Indexes& indexes = ix();
    indexes.order.reserve(n);
    indexes.keys.reserve(n);
}

void KeyedIndex::shrinkToFit() {
    if (!m_ix) return;
    m_ix->order.shrink_to_fit();
    m_ix->keys.shrink_to_fit();
}

void KeyedIndex::startLoad(std::size_t expected) {
    Indexes& indexes = ix();
    indexes.order.reserve(expected);
    indexes.keys.reserve(expected);
}

namespace {

// Whether order holds each of 0 .. size - 1 once.
bool isPermutation(std::span<const int> order) {
    std::vector<bool> seen(order.size(), false);
    for (const int i : order) {
        if (i < 0 || static_cast<std::size_t>(i) >= order.size() ||
            seen[static_cast<std::size_t>(i)])
            return false;
        seen[static_cast<std::size_t>(i)] = true;
    }
    return true;
}

}  // namespace

void KeyedIndex::finishLoad(int hashFrom) {
    auto& order = m_ix->order;
    const auto& keys = m_ix->keys;
    const std::size_t n = keys.size();
    bool valid = true;
    bool ties = false;
    // Entries are visited in ID order, which is random in storage order: fetching the key of an
    // entry further on keeps many cache misses in flight instead of a few (at a million objects
    // this halves the pass).
    constexpr std::size_t kAhead = 32;
    const IDKey* previous = nullptr;
    for (std::size_t k = 0; k < n; ++k) {
        if (k + kAhead < n) {
            const auto ahead = static_cast<unsigned>(order[k + kAhead]);
            if (ahead < n) __builtin_prefetch(keys.data() + ahead);
        }
        const int i = order[k];
        if (i < 0 || static_cast<std::size_t>(i) >= n) {
            valid = false;
            break;
        }
        const IDKey* key = &keys[static_cast<std::size_t>(i)];
        if (previous && *key < *previous) {
            valid = false;
            break;
        }
        ties = ties || (previous && !(*previous < *key));
        previous = key;
    }
    // Strictly ascending keys cannot name one position twice, so only a file whose IDs repeat
    // needs the check that the stored order is a permutation.
    if (valid && ties) valid = isPermutation(order);
    if (!valid) {
        const std::vector<int> rebuilt = orderOf(keys);
        order.assign(rebuilt.data(), rebuilt.size());
    }
    m_sorted = true;
    rebuildHash(hashFrom);
}

void KeyedIndex::rebuildHash(int hashFrom) {
    if (m_ix) hashKeys(m_ix->hash, m_ix->keys, hashFrom);
}

std::size_t KeyedIndex::memoryBytes() const {
    if (!m_ix) return 0;
    return sizeof(Indexes) + m_ix->keys.heapBytes() + m_ix->order.heapBytes() +
           m_ix->hash.memoryBytes();
}

}  // namespace zx
