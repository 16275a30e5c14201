// zx::IDBucketIndex: a small index over a large ascending array of IDs that finds an ID with one
// read of the index and one short run of the array.
//
// IDs are random GUIDs, so their leading bits spread evenly. The index splits the leading 64 bits
// into 2^k buckets, four to eight IDs each, and keeps where each bucket's IDs start: the IDs whose
// leading k bits are b lie in [starts[b], starts[b + 1]). At 4 bytes per bucket the starts are at
// most a sixteenth of the array, so they stay in the caches where the array does not, and a search
// touches the array only in one bucket's two or three cache lines instead of at the several
// far-apart places a search of the whole array probes. IDs that do not spread (made by hand)
// crowd into few buckets, where the search is a binary search: never worse than one over all.
//
// Beside each ID the index keeps a one-byte tag, the ID's last byte. Most IDs a walk looks for
// are not in the array (a batch of new IDs). The tags of their bucket, in an array a sixteenth
// the size of the IDs, tell so without reading the IDs: a tag matches by chance once in 256.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zx {

class IDBucketIndex {
public:
    // Below this many IDs an array stays in the caches and needs no index.
    static constexpr std::size_t kWorthAbove = std::size_t{1} << 16;

    bool empty() const { return m_starts.empty(); }

    // Indexes ids, which ascend; an array too small to need an index gets none.
    template <class ID>
    void build(std::span<const ID> ids) {
        m_starts.clear();
        m_tags.clear();
        if (ids.size() < kWorthAbove) return;
        const unsigned bits = static_cast<unsigned>(std::bit_width(ids.size() / 8));
        const std::size_t count = std::size_t{1} << bits;
        m_shift = 64 - bits;
        m_starts.resize(count + 1);
        m_tags.resize(ids.size());
        // starts[b] is the first position whose bucket is b or later. One pass over the IDs
        // fills both arrays: the IDs are too many to stay in the caches for a second.
        std::size_t bucket = 0;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const std::size_t of = bucketOf(ids[i]);
            while (bucket < of) m_starts[++bucket] = static_cast<std::uint32_t>(i);
            m_tags[i] = tagOf(ids[i]);
        }
        while (bucket < count) m_starts[++bucket] = static_cast<std::uint32_t>(ids.size());
    }

    // False when key is surely not among the ids this index was built on; true when it may be,
    // and lowerBound says. A crowded bucket answers true rather than scan its tags. Like
    // lowerBound, only for an index that is not empty.
    template <class ID>
    bool mayHold(const ID& key) const {
        const std::size_t bucket = bucketOf(key);
        const std::uint32_t first = m_starts[bucket];
        const std::uint32_t last = m_starts[bucket + 1];
        if (last - first > kTagScanAtMost) return true;
        const std::uint8_t tag = tagOf(key);
        for (std::uint32_t i = first; i < last; ++i)
            if (m_tags[i] == tag) return true;
        return false;
    }

    // std::lower_bound's answer for key over the ids this index was built on.
    template <class ID>
    std::size_t lowerBound(std::span<const ID> ids, const ID& key) const {
        const std::size_t bucket = bucketOf(key);
        const auto first = ids.begin() + m_starts[bucket];
        const auto last = ids.begin() + m_starts[bucket + 1];
        return static_cast<std::size_t>(std::lower_bound(first, last, key) - ids.begin());
    }

    // Asks the processor to fetch the tags of key's bucket, for a mayHold soon after: a walk of
    // many keys then waits for memory once for several of them. Always inlined, as
    // IDHashIndex::prefetch is.
    template <class ID>
    [[gnu::always_inline]] void prefetch(const ID& key) const {
        __builtin_prefetch(m_tags.data() + m_starts[bucketOf(key)]);
    }

private:
    template <class ID>
    std::size_t bucketOf(const ID& id) const {
        return static_cast<std::size_t>(id.words().first >> m_shift);
    }

    template <class ID>
    static std::uint8_t tagOf(const ID& id) {
        return static_cast<std::uint8_t>(id.words().second);
    }

    // Buckets hold four to eight random IDs; one far fuller was made by hand.
    static constexpr std::uint32_t kTagScanAtMost = 32;

    std::vector<std::uint32_t> m_starts;
    std::vector<std::uint8_t> m_tags;
    unsigned m_shift = 63;
};

}  // namespace zx
