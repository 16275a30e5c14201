// zx::IDHashIndex: the keyed container's side index from ID to storage position.
//
// An open-addressing table (linear probing, power-of-two capacity of 2^k slots, at most three
// quarters full) of 32-bit slots. The IDs themselves stay where the container keeps them, one
// copy per storage position; a slot holds a position in its low k bits and, in the bits above,
// the hash's bits k to 31 as a tag. The home slot is the hash's low k bits, so the tag is
// independent of it: a probe compares tags, and only a matching tag costs a look at the ID. A
// lookup thereby touches one slot and one key instead of the twenty levels of a binary search
// over a million IDs. The table costs 5.3 to 10.7 bytes per object depending on where it is in
// its growth. Positions stay below three quarters of the capacity, so a slot whose position bits
// are all ones is free.
//
// The table knows no IDs: every operation that compares or has to find an entry's home is given
// the container's keys by storage position, which must be the keys the table was built from, at
// the positions the table holds. Removal shifts the following entries back instead of leaving
// tombstones, so lookups never slow down with churn. The table is never written to an archive.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <span>
#include <utility>

#include "store/IDKey.h"
#include "store/StoreShared.h"

namespace zx {

class IDHashIndex {
public:
    IDHashIndex() = default;
    IDHashIndex(const IDHashIndex& other) { *this = other; }
    IDHashIndex(IDHashIndex&& other) noexcept { *this = std::move(other); }
    IDHashIndex& operator=(const IDHashIndex& other) {
        if (this == &other) return *this;
        std::unique_ptr<std::uint32_t[]> slots;
        if (other.m_slots) {
            slots = std::make_unique_for_overwrite<std::uint32_t[]>(other.capacity());
            std::copy_n(other.m_slots.get(), other.capacity(), slots.get());
        }
        m_slots = std::move(slots);
        m_mask = other.m_mask;
        m_count = other.m_count;
        return *this;
    }
    IDHashIndex& operator=(IDHashIndex&& other) noexcept {
        if (this == &other) return *this;
        m_slots = std::move(other.m_slots);
        m_mask = std::exchange(other.m_mask, 0);
        m_count = std::exchange(other.m_count, 0);
        return *this;
    }

    bool empty() const { return m_count == 0; }
    std::size_t size() const { return m_count; }
    std::size_t capacity() const { return m_slots ? std::size_t{m_mask} + 1 : 0; }
    std::size_t memoryBytes() const { return capacity() * sizeof(std::uint32_t); }

    void clear() {
        m_slots.reset();
        m_mask = 0;
        m_count = 0;
    }

    // Indexes every position of keys. Of keys that repeat (malformed input), the one at the
    // lowest position is found. On failure (an allocation) the table is left as it was.
    void rebuild(std::span<const IDKey> keys) {
        if (keys.empty()) {
            clear();
            return;
        }
        IDHashIndex fresh;
        fresh.allocate(capacityFor(keys.size()));
        fresh.placeAll(keys);
        *this = std::move(fresh);
    }
    // Makes room for count entries, so that inserting up to that many allocates nothing. On
    // failure the table is left as it was.
    void reserve(std::size_t count, std::span<const IDKey> keys) {
        if (!m_slots || 4 * count > 3 * capacity()) resize(capacityFor(count), keys);
    }

    // Asks for the home slot of key, so that a find or insert of it a little later need not
    // wait for memory. Always inlined: GCC takes a function whose only effect is a prefetch for
    // one without effects and drops the calls to it.
    [[gnu::always_inline]] void prefetch(const IDKey& key) const {
        if (m_slots) __builtin_prefetch(m_slots.get() + (hashOf(key) & m_mask));
    }

    // Storage position of key, or -1.
    int find(const IDKey& key, std::span<const IDKey> keys) const {
        if (!m_slots) return -1;
        const auto h = static_cast<std::uint32_t>(hashOf(key));
        const std::uint32_t tag = h & ~m_mask;
        for (std::uint32_t s = h & m_mask;; s = (s + 1) & m_mask) {
            const std::uint32_t slot = m_slots[s];
            const std::uint32_t position = slot & m_mask;
            if (position == m_mask) return -1;
            if ((slot & ~m_mask) == tag && keys[position] == key) {
                return static_cast<int>(position);
            }
        }
    }

    // Adds key at storage position; a key already present stays the one found. keys holds the
    // keys of the entries already in the table (for moving them when the table grows).
    void insert(const IDKey& key, int position, std::span<const IDKey> keys) {
        if (!m_slots || 4 * (std::size_t{m_count} + 1) > 3 * capacity()) {
            resize(capacityFor(std::size_t{m_count} + 1), keys);
        }
        place(static_cast<std::uint32_t>(hashOf(key)), static_cast<std::uint32_t>(position));
        ++m_count;
    }
    // Removes the entry of key, which sits at storage position; keys must hold the keys at the
    // positions the table holds, the removed one included.
    void erase(const IDKey& key, int position, std::span<const IDKey> keys) {
        if (!m_slots) return;
        const auto wanted = static_cast<std::uint32_t>(position);
        std::uint32_t s = static_cast<std::uint32_t>(hashOf(key)) & m_mask;
        while ((m_slots[s] & m_mask) != wanted) {
            if ((m_slots[s] & m_mask) == m_mask) return;
            s = (s + 1) & m_mask;
        }
        // Backward shift: each following entry moves into the hole unless its home lies
        // cyclically after the hole, which would put it before its home.
        std::uint32_t hole = s;
        for (std::uint32_t next = (s + 1) & m_mask;; next = (next + 1) & m_mask) {
            const std::uint32_t moving = m_slots[next];
            if ((moving & m_mask) == m_mask) break;
            const std::uint32_t home =
                static_cast<std::uint32_t>(hashOf(keys[moving & m_mask])) & m_mask;
            if (((next - home) & m_mask) >= ((next - hole) & m_mask)) {
                m_slots[hole] = moving;
                hole = next;
            }
        }
        m_slots[hole] = m_mask;
        --m_count;
    }
    // Adds delta to every position at or after from: the storage moved behind it.
    void shiftPositions(int from, int delta) {
        if (!m_slots) return;
        const auto first = static_cast<std::uint32_t>(from);
        for (std::size_t s = 0; s < capacity(); ++s) {
            std::uint32_t& slot = m_slots[s];
            const std::uint32_t position = slot & m_mask;
            if (position != m_mask && position >= first) {
                slot = (slot & ~m_mask) | ((position + static_cast<std::uint32_t>(delta)) & m_mask);
            }
        }
    }
    // Gives memory back when the table has become far larger than its entries need. Never
    // fails: without memory for the smaller table, the larger one stays.
    void shrinkToFit(std::span<const IDKey> keys) noexcept {
        if (!m_slots || capacity() <= 4 * capacityFor(m_count)) return;
        try {
            resize(capacityFor(m_count), keys);
        } catch (const std::bad_alloc&) {
        }
    }

    static std::uint64_t hashOf(const IDKey& key) {
        // IDs are random, but hand-made ones (tests, imports) share whole words and a hostile
        // file may choose them: both words are mixed, with the process's seed, so that neither
        // alone decides the slot and no file can predict it.
        std::uint64_t x = ((key.hi ^ g_idHashSeed) * 0x9E3779B97F4A7C15ull) ^ key.lo;
        x ^= x >> 32;
        x *= 0xD6E8FEB86659FD93ull;
        x ^= x >> 32;
        return x;
    }

private:
    static constexpr std::size_t kMinimumCapacity = 16;

    static std::size_t capacityFor(std::size_t count) {
        return std::bit_ceil(std::max(kMinimumCapacity, (4 * count + 2) / 3));
    }
    // Every slot free: all ones.
    void allocate(std::size_t capacity) {
        m_slots = std::make_unique_for_overwrite<std::uint32_t[]>(capacity);
        std::memset(m_slots.get(), 0xff, capacity * sizeof(std::uint32_t));
        m_mask = static_cast<std::uint32_t>(capacity - 1);
    }
    void place(std::uint32_t h, std::uint32_t position) {
        placeIn(m_slots.get(), m_mask, h, position);
    }
    // The slots and mask come as values: stored slots could otherwise alias the table's own
    // members, and a filling loop would reload them after every store.
    static void placeIn(std::uint32_t* slots, std::uint32_t mask, std::uint32_t h,
                        std::uint32_t position) {
        std::uint32_t s = h & mask;
        while ((slots[s] & mask) != mask) s = (s + 1) & mask;
        slots[s] = (h & ~mask) | position;
    }
    // Places every position of keys, in position order. The slots of the next few keys are
    // fetched ahead, their hashes kept in a ring: a million insertions into a table far larger
    // than the cache would otherwise wait for one miss at a time.
    void placeAll(std::span<const IDKey> keys) {
        std::uint32_t* const slots = m_slots.get();
        const std::uint32_t mask = m_mask;
        constexpr std::size_t kAhead = 8;
        std::array<std::uint32_t, kAhead> ahead{};
        const auto fetch = [&](std::size_t i) {
            const auto h = static_cast<std::uint32_t>(hashOf(keys[i]));
            ahead[i % kAhead] = h;
            __builtin_prefetch(slots + (h & mask), 1);
        };
        for (std::size_t i = 0; i < std::min(kAhead, keys.size()); ++i) fetch(i);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const std::uint32_t h = ahead[i % kAhead];
            if (i + kAhead < keys.size()) fetch(i + kAhead);
            placeIn(slots, mask, h, static_cast<std::uint32_t>(i));
        }
        m_count = static_cast<std::uint32_t>(keys.size());
    }
    // Moves every entry into a table of newCapacity slots, allocated before anything changes.
    // The tags depend on the capacity, so each entry's hash is taken again from its key. A
    // table that holds every position of keys (the usual case) is refilled from the keys in
    // order, which reads them front to back instead of in the table's random order.
    void resize(std::size_t newCapacity, std::span<const IDKey> keys) {
        IDHashIndex fresh;
        fresh.allocate(newCapacity);
        if (m_count == keys.size()) {
            fresh.placeAll(keys);
        } else {
            for (std::size_t s = 0; s < capacity(); ++s) {
                const std::uint32_t position = m_slots[s] & m_mask;
                if (position == m_mask) continue;
                fresh.place(static_cast<std::uint32_t>(hashOf(keys[position])), position);
            }
            fresh.m_count = m_count;
        }
        *this = std::move(fresh);
    }

    // 32-bit counts keep the table's handle at 16 bytes: positions are 32-bit, and no table
    // holds more than 2^32 slots.
    std::unique_ptr<std::uint32_t[]> m_slots;
    std::uint32_t m_mask = 0;
    std::uint32_t m_count = 0;
};

}  // namespace zx
