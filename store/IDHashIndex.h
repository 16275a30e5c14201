// zx::IDHashIndex: the keyed container's side index from ID to storage position.
//
// An open-addressing table (linear probing, power-of-two capacity, at most three quarters full)
// whose slots hold a storage position and 32 bits of the ID's hash. The IDs themselves stay where
// the container keeps them, one copy per storage position: a probe compares tags, and only a
// matching tag costs a look at the ID. A lookup thereby touches one slot and one key instead of
// the twenty levels of a binary search over a million IDs. A slot takes 8 bytes, so the table
// costs 10.7 to 21.3 bytes per object depending on where it is in its growth.
//
// The table knows no IDs: a lookup is given the container's keys by storage position to confirm a
// match, and they must be the keys the table was built from. The tag is the hash's low 32 bits,
// which also choose the home slot of an entry in any table of up to 2^32 slots, so growing and
// removing never look at a key. Removal shifts the following entries back instead of leaving
// tombstones, so lookups never slow down with churn. The table is never written to an archive.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
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
        std::unique_ptr<Slot[]> slots;
        if (other.m_slots) {
            slots = std::make_unique<Slot[]>(other.capacity());
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
    std::size_t memoryBytes() const { return capacity() * sizeof(Slot); }

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
        // The slots of the next few keys are fetched ahead, their hashes kept in a ring: a
        // million insertions into a table far larger than the cache would otherwise wait for
        // one miss at a time.
        constexpr std::size_t kAhead = 8;
        std::array<std::uint32_t, kAhead> ahead{};
        const auto fetch = [&](std::size_t i) {
            const auto tag = static_cast<std::uint32_t>(hashOf(keys[i]));
            ahead[i % kAhead] = tag;
            __builtin_prefetch(fresh.m_slots.get() + (tag & fresh.m_mask), 1);
        };
        for (std::size_t i = 0; i < std::min(kAhead, keys.size()); ++i) fetch(i);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const std::uint32_t tag = ahead[i % kAhead];
            if (i + kAhead < keys.size()) fetch(i + kAhead);
            fresh.place(tag, static_cast<std::int32_t>(i));
        }
        fresh.m_count = static_cast<std::uint32_t>(keys.size());
        *this = std::move(fresh);
    }
    // Makes room for count entries, so that inserting up to that many allocates nothing. On
    // failure the table is left as it was.
    void reserve(std::size_t count) {
        if (!m_slots || 4 * count > 3 * capacity()) resize(capacityFor(count));
    }

    // Storage position of key, or -1.
    int find(const IDKey& key, std::span<const IDKey> keys) const {
        if (!m_slots) return -1;
        const auto tag = static_cast<std::uint32_t>(hashOf(key));
        for (std::size_t s = tag & m_mask;; s = (s + 1) & m_mask) {
            const Slot& slot = m_slots[s];
            if (slot.position < 0) return -1;
            if (slot.tag == tag && keys[static_cast<std::size_t>(slot.position)] == key) {
                return slot.position;
            }
        }
    }

    // Adds key at storage position; a key already present stays the one found.
    void insert(const IDKey& key, int position) {
        if (!m_slots || 4 * (m_count + 1) > 3 * capacity())
            resize(2 * std::max(capacity(), kMinimumCapacity / 2));
        place(static_cast<std::uint32_t>(hashOf(key)), position);
        ++m_count;
    }
    // Removes the entry of key, which sits at storage position.
    void erase(const IDKey& key, int position) {
        if (!m_slots) return;
        std::size_t s = static_cast<std::uint32_t>(hashOf(key)) & m_mask;
        while (m_slots[s].position != position) {
            if (m_slots[s].position < 0) return;
            s = (s + 1) & m_mask;
        }
        // Backward shift: each following entry moves into the hole unless its home lies
        // cyclically after the hole, which would put it before its home.
        std::size_t hole = s;
        for (std::size_t next = (s + 1) & m_mask;; next = (next + 1) & m_mask) {
            const Slot moving = m_slots[next];
            if (moving.position < 0) break;
            const std::size_t home = moving.tag & m_mask;
            if (((next - home) & m_mask) >= ((next - hole) & m_mask)) {
                m_slots[hole] = moving;
                hole = next;
            }
        }
        m_slots[hole] = Slot{};
        --m_count;
    }
    // Adds delta to every position at or after from: the storage moved behind it.
    void shiftPositions(int from, int delta) {
        if (!m_slots) return;
        for (std::size_t s = 0; s < capacity(); ++s) {
            Slot& slot = m_slots[s];
            if (slot.position >= from) slot.position += delta;
        }
    }
    // Gives memory back when the table has become far larger than its entries need. Never
    // fails: without memory for the smaller table, the larger one stays.
    void shrinkToFit() noexcept {
        if (!m_slots || capacity() <= 4 * capacityFor(m_count)) return;
        try {
            resize(capacityFor(m_count));
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
    struct Slot {
        std::uint32_t tag = 0;
        std::int32_t position = -1;
    };
    static constexpr std::size_t kMinimumCapacity = 16;

    static std::size_t capacityFor(std::size_t count) {
        return std::bit_ceil(std::max(kMinimumCapacity, (4 * count + 2) / 3));
    }
    void allocate(std::size_t capacity) {
        m_slots = std::make_unique<Slot[]>(capacity);
        m_mask = static_cast<std::uint32_t>(capacity - 1);
    }
    void place(std::uint32_t tag, int position) {
        std::size_t s = tag & m_mask;
        while (m_slots[s].position >= 0) s = (s + 1) & m_mask;
        m_slots[s] = Slot{tag, position};
    }
    // Moves every entry into a table of newCapacity slots, allocated before anything changes.
    void resize(std::size_t newCapacity) {
        IDHashIndex fresh;
        fresh.allocate(newCapacity);
        for (std::size_t s = 0; s < capacity(); ++s) {
            if (m_slots[s].position >= 0) fresh.place(m_slots[s].tag, m_slots[s].position);
        }
        fresh.m_count = m_count;
        *this = std::move(fresh);
    }

    // 32-bit counts keep the table's handle at 16 bytes: positions are 32-bit, and no table
    // holds more than 2^32 slots.
    std::unique_ptr<Slot[]> m_slots;
    std::uint32_t m_mask = 0;
    std::uint32_t m_count = 0;
};

}  // namespace zx
