// CIDPointerArray<ID>: the sets of IDs that objects and the project keep (the tasks of a filter,
// the entities of a synchronizer, the internal and external IDs of a project), and IDRange<ID>, a
// read-only view over either such a set or a std::unordered_set of IDs.
//
// Storage. A set keeps its IDs in two segments, each behind a reference-counted pointer that may
// be empty: the owned segment belongs to this set alone and takes every change; the shared
// segment is never written once it exists and may be held by many sets at once. Position p is
// the owned segment's entry p when p < ownedSize(), else the shared segment's entry
// p - ownedSize(). Positions and counts are 32-bit signed ints; -1 means none.
//
// Order. The shared segment is always strictly ascending. The owned segment is either marked
// unsorted (after addNoSort or an InsertAt out of order), or strictly ascending and free of the
// IDs the shared segment holds; in that second state the set is sorted and holds every ID once.
// A sorted set finds IDs by an interpolating search (store/InterpolationSearch.h), or in a large
// shared segment made from batches through its bucket index (store/IDBucketIndex.h), and walks both
// segments in ascending ID order (orderedBegin/orderedNext, or ordered()); an unsorted set is
// searched linearly and yields nothing in ascending order until sort().
//
// Batches. A sorted set that takes a batch by addNoSort merges it into its owned segment on
// sort(), a pass over that segment. So that a set fed many batches does not pass over all it
// holds each time, sort() moves the owned segment into the shared one once the owned segment
// holds 65,536 IDs and at least a quarter as many as the shared one (when no other set holds the
// shared segment): the shared segment grows geometrically, each ID moves a bounded number of
// times, and a batch merges into a segment a fraction of the set's size.
//
// Copies. A copy shares the source's shared segment and takes its own copy of the owned one; the
// source is left exactly as it was. A copy of a sorted set whose IDs all sit in the owned segment
// keeps its copy of them as its shared segment, so the copies taken from that copy share it. A
// copy thus costs at most a copy of the owned segment, and a copy of a copy one reference count.
//
// Threads: const operations change nothing, copying included (the shared segment is never
// written and its reference count is atomic), so any number of threads may read and copy one set
// while none changes it. Changing a set needs the caller's exclusion; changing a copy does not,
// since a set never writes a segment another set can reach.
//
// Archive record (written to disk; must never change):
//   int32   count of IDs (0 or more)
//   count x the 16-byte ID record (CIDBase::Serialize), in ascending order for a sorted set and
//           in positional order for an unsorted one
//   bool    sorted
// Loading replaces the contents with one owned segment. A record that claims to be sorted is
// checked in one pass and sorted (dropping repeats) if it is not, so a loaded set never breaks
// the order rules above whatever the bytes say. A negative count throws CArchiveLengthError
// ("vector too long"), other bad input CArchiveException, and either leaves the set empty.
#pragma once

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <utility>
#include <variant>
#include <vector>

#include "basetypes/CArchive.h"
#include "basetypes/CIDBase.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayCapacity.h"
#include "store/IDBucketIndex.h"
#include "store/InterpolationSearch.h"

template <class ID>
class CIDPointerArray;

// One segment of an ID set.
template <class ID>
struct IDPointerArrayDetails {
    std::vector<ID> ids;
    // Set while the IDs may be out of order or repeated.
    bool unsorted = false;
    // While unsorted: the first this many IDs are known to ascend strictly (the IDs a sorted
    // segment held before addNoSort appended to it), so sort() need not check them again.
    std::size_t ascendingPrefix = 0;
    // For a large shared segment made by spilling a batch set's owned one: finds its IDs
    // without a search through all of them. Empty otherwise.
    zx::IDBucketIndex index = {};
};

// A place in the ascending walk over both segments: the next entry of each segment not yet
// passed, and which of the two is the current one (true: the owned segment's).
struct TwoSegmentIndex {
    int ownedPos = 0;
    int sharedPos = 0;
    bool atOwned = true;

    friend bool operator==(const TwoSegmentIndex&, const TwoSegmentIndex&) = default;
};

// The storage of an ID set: its two segments. Not copyable by itself, since copying the pointers
// would let two sets write one owned segment; CIDPointerArray copies through its Copy.
template <class ID>
class ZX_API TwoSegmentsImpl {
    static_assert(std::derived_from<ID, CIDBase>, "an ID set holds CIDBase or a typed ID");

public:
    using Details = IDPointerArrayDetails<ID>;

    int ownedSize() const { return m_owned ? static_cast<int>(m_owned->ids.size()) : 0; }
    int sharedSize() const { return m_shared ? static_cast<int>(m_shared->ids.size()) : 0; }
    bool hasOwned() const { return m_owned != nullptr; }
    bool hasShared() const { return m_shared != nullptr; }

protected:
    TwoSegmentsImpl() = default;
    TwoSegmentsImpl(const TwoSegmentsImpl&) = delete;
    TwoSegmentsImpl& operator=(const TwoSegmentsImpl&) = delete;
    ~TwoSegmentsImpl() = default;

    std::shared_ptr<Details> m_owned;
    std::shared_ptr<const Details> m_shared;
};

// Walks a set by position; yields const ID&.
template <class ID>
class IDPointerArrayIterator {
public:
    using value_type = ID;
    using difference_type = std::ptrdiff_t;
    using reference = const ID&;
    using pointer = const ID*;
    using iterator_concept = std::forward_iterator_tag;
    using iterator_category = std::forward_iterator_tag;

    IDPointerArrayIterator() = default;
    IDPointerArrayIterator(const CIDPointerArray<ID>* set, int pos) : m_set(set), m_pos(pos) {}

    const ID& operator*() const { return m_set->getConstReference(m_pos); }
    const ID* operator->() const { return &**this; }
    IDPointerArrayIterator& operator++() {
        ++m_pos;
        return *this;
    }
    IDPointerArrayIterator operator++(int) {
        IDPointerArrayIterator before = *this;
        ++m_pos;
        return before;
    }
    friend bool operator==(const IDPointerArrayIterator&, const IDPointerArrayIterator&) = default;

    int position() const { return m_pos; }

private:
    const CIDPointerArray<ID>* m_set = nullptr;
    int m_pos = 0;
};

template <class ID>
class ZX_API CIDPointerArray : public TwoSegmentsImpl<ID> {
    using Base = TwoSegmentsImpl<ID>;

protected:
    using Base::m_owned;
    using Base::m_shared;

public:
    using value_type = ID;
    using Details = IDPointerArrayDetails<ID>;
    using Base::ownedSize;
    using Base::sharedSize;
    using Iterator = IDPointerArrayIterator<ID>;

    // Walks a sorted set in ascending ID order across both segments; yields const ID&.
    class OrderedIterator {
    public:
        using value_type = ID;
        using difference_type = std::ptrdiff_t;
        using reference = const ID&;
        using pointer = const ID*;
        using iterator_concept = std::forward_iterator_tag;
        using iterator_category = std::forward_iterator_tag;

        OrderedIterator() = default;
        OrderedIterator(const CIDPointerArray* set, TwoSegmentIndex at) : m_set(set), m_at(at) {}

        const ID& operator*() const { return m_set->getConstReference(m_at); }
        const ID* operator->() const { return &**this; }
        OrderedIterator& operator++() {
            m_at = m_set->orderedNext(m_at);
            return *this;
        }
        OrderedIterator operator++(int) {
            OrderedIterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const OrderedIterator&, const OrderedIterator&) = default;

        const TwoSegmentIndex& index() const { return m_at; }

    private:
        const CIDPointerArray* m_set = nullptr;
        TwoSegmentIndex m_at;
    };

    struct OrderedRange {
        OrderedIterator first;
        OrderedIterator last;
        OrderedIterator begin() const { return first; }
        OrderedIterator end() const { return last; }
    };

    CIDPointerArray() = default;
    CIDPointerArray(const CIDPointerArray& other) : Base() { Copy(other); }
    // Leaves other empty. The result is sorted, whatever other was.
    CIDPointerArray(CIDPointerArray&& other) noexcept : Base() {
        Copy(std::move(other));
        sort();
    }
    // Sorted, owned segment only, whatever the iteration order of ids.
    explicit CIDPointerArray(const std::unordered_set<ID>& ids);
    ~CIDPointerArray() = default;

    CIDPointerArray& operator=(const CIDPointerArray& other) {
        Copy(other);
        return *this;
    }
    // Leaves other empty. The result is sorted, as after move construction.
    CIDPointerArray& operator=(CIDPointerArray&& other) noexcept {
        Copy(std::move(other));
        sort();
        return *this;
    }

    // Makes this set hold what other holds, sharing as described at the top of this file.
    void Copy(const CIDPointerArray& other);
    // Takes both segments as they are (an unsorted set stays unsorted) and leaves other empty.
    void Copy(CIDPointerArray&& other) noexcept {
        if (&other == this) return;
        m_owned = std::move(other.m_owned);
        m_shared = std::move(other.m_shared);
    }

    // Adds id unless the set holds it already, and returns its position, or -1 if it was there.
    // A sorted set stays sorted (id goes to its place in the owned segment); an unsorted set gets
    // id appended to its owned segment. A caller that only makes sure id is in the set says so
    // with (void): -1 then means that was already so.
    [[nodiscard]] int Add(const ID& id);

    // Appends id to the owned segment without looking for it, and marks the set unsorted; for
    // bulk additions that end with sort().
    void addNoSort(const ID& id);

    // Inserts id at pos (0 to GetSize()). Refused (false) for a position out of that range or an
    // ID the set holds already. The set stays sorted if id orders between its new neighbours in
    // the owned segment, and becomes unsorted otherwise. An insertion inside the shared segment
    // first takes the shared IDs into the owned segment, each at its old position.
    [[nodiscard]] bool InsertAt(int pos, const ID& id);

    // Removes the ID at pos; false if there is none. Later IDs move down one position and all
    // others keep theirs. Removing from the shared segment gives this set a new shared segment
    // (or, with an empty owned segment, takes the rest into the owned one), so other sets that
    // shared the old one keep it unchanged.
    [[nodiscard]] bool RemoveAt(int pos);

    // Removes every occurrence of id; false if there was none.
    [[nodiscard]] bool removeByID(const ID& entry);

    // Lets go of both segments.
    void RemoveAll() {
        m_owned.reset();
        m_shared.reset();
    }

    // The position of id, or -1. Logarithmic on a sorted set; the owned segment of an unsorted one
    // is searched linearly. Where an unsorted set holds id twice, the lowest position.
    [[nodiscard]] int findByID(const ID& id) const {
        const std::vector<ID>& owned = ownedIDs();
        const auto at =
            isSorted() ? lowerBound(owned, id) : std::find(owned.begin(), owned.end(), id);
        if (at != owned.end() && *at == id) return static_cast<int>(at - owned.begin());
        const int shared = sharedIndexOf(id);
        return shared < 0 ? -1 : ownedSize() + shared;
    }

    // Calls held(i) for each ascending[i] the set holds. On a sorted set a batch in ascending
    // order is one forward walk through each segment, however large the set; IDs out of order
    // restart the walk, so any order gives the right answer.
    template <class Held>
    void forEachHeld(std::span<const ID> ascending, const Held& held) const;

    // The ID at pos; the unset ID for a position out of range.
    const ID& getConstReference(int pos) const {
        const int owned = ownedSize();
        if (pos >= 0 && pos < owned) return m_owned->ids[static_cast<std::size_t>(pos)];
        if (pos >= owned && pos - owned < sharedSize()) {
            return m_shared->ids[static_cast<std::size_t>(pos - owned)];
        }
        return defaultItem();
    }
    // The current ID of an ordered walk; the unset ID at orderedEnd().
    const ID& getConstReference(const TwoSegmentIndex& at) const {
        if (at.atOwned) {
            return at.ownedPos >= 0 && at.ownedPos < ownedSize()
                       ? m_owned->ids[static_cast<std::size_t>(at.ownedPos)]
                       : defaultItem();
        }
        return at.sharedPos >= 0 && at.sharedPos < sharedSize()
                   ? m_shared->ids[static_cast<std::size_t>(at.sharedPos)]
                   : defaultItem();
    }

    // Makes room for at least count IDs in the set: the owned segment gets room for those the
    // shared one does not hold. Growth is geometric, so that reserving a little more before each
    // of many batches copies the set only now and then.
    void Reserve(int count);

    // Sorts the owned segment, drops its repeats and the IDs the shared segment holds, and clears
    // the unsorted mark; afterwards every ID of the set is held once. A sorted set is left as it
    // is. A shared segment that other sets hold is never touched, so they go on sharing it; one
    // this set alone holds may take a large owned segment in (see Batches above).
    void sort() noexcept;

    // Whether the shared segment's ID at sharedPos orders before the owned segment's ID at
    // ownedPos. Both positions must be valid.
    bool IsSharedLess(int ownedPos, int sharedPos) const {
        return m_shared->ids[static_cast<std::size_t>(sharedPos)] <
               m_owned->ids[static_cast<std::size_t>(ownedPos)];
    }

    // Equal when both hold the same IDs, whatever their positions, segments, sortedness or
    // repeats. Linear for two sorted sets (comparing only the owned segments when both share one
    // shared segment); an unsorted set costs a sort of a copy of its IDs.
    bool operator==(const CIDPointerArray& other) const;
    bool operator!=(const CIDPointerArray& other) const { return !(*this == other); }

    // The shared segment, for callers that want to hold on to it; empty if there is none.
    std::shared_ptr<const Details> getSharedDetails() const { return m_shared; }
    // Whether both sets hold the very same shared segment. Two sets without one count as sharing
    // the empty segment.
    bool haveTheSameSharedPartAs(const CIDPointerArray& other) const {
        return m_shared == other.m_shared;
    }

    int getOwnedSize() const { return ownedSize(); }
    int getSharedSize() const { return sharedSize(); }
    int GetSize() const { return ownedSize() + sharedSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool isSorted() const { return !m_owned || m_owned->ids.empty() || !m_owned->unsorted; }

    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, GetSize()); }

    // The ascending walk over both segments. Where both segments hold an ID (which the
    // operations of this class never bring about) the owned entry comes first. An unsorted set
    // starts at its end. orderedNext must not be given orderedEnd().
    TwoSegmentIndex orderedBegin() const {
        if (!isSorted()) return orderedEnd();
        return {0, 0, ownedComesFirst(0, 0)};
    }
    TwoSegmentIndex orderedEnd() const { return {ownedSize(), sharedSize(), true}; }
    TwoSegmentIndex orderedNext(TwoSegmentIndex at) const {
        if (at.atOwned) {
            ++at.ownedPos;
        } else {
            ++at.sharedPos;
        }
        at.atOwned = ownedComesFirst(at.ownedPos, at.sharedPos);
        return at;
    }
    OrderedRange ordered() const {
        return {OrderedIterator(this, orderedBegin()), OrderedIterator(this, orderedEnd())};
    }
    // The owned segment's positions, which are also the set's positions 0 to ownedSize() - 1.
    int orderedOwnedBegin() const { return 0; }
    int orderedOwnedEnd() const { return ownedSize(); }

    // Calls f(const ID&) for every ID in the order of the archive record: ascending for a sorted
    // set, by position for an unsorted one.
    template <class F>
    void forEachInOrder(F&& f) const {
        if (isSorted()) {
            for (const ID& id : ordered()) f(id);
        } else {
            for (const ID& id : *this) f(id);
        }
    }

    void Serialize(CZentrixArchive& ar);

private:
    static constexpr std::size_t kMaxCount =
        static_cast<std::size_t>(std::numeric_limits<int>::max());
    static constexpr std::size_t kIDRecordSize = sizeof(GUID);

    static const std::vector<ID>& noIDs() {
        static const std::vector<ID> none;
        return none;
    }
    static const ID& defaultItem() {
        static const ID unset;
        return unset;
    }
    static bool isStrictlyAscending(const std::vector<ID>& ids);
    // Merges ids[from, end), sorted, into the strictly ascending run before it, keeping each ID
    // once. False, changing nothing, when there is no memory for a copy of the tail.
    static bool mergeSortedTail(std::vector<ID>& ids, std::size_t from) noexcept;

    const std::vector<ID>& ownedIDs() const { return m_owned ? m_owned->ids : noIDs(); }
    const std::vector<ID>& sharedIDs() const { return m_shared ? m_shared->ids : noIDs(); }

    // The owned segment, created if absent. An empty segment is sorted whatever its mark said.
    Details& writableOwned();

    // Positions are ints, so a set holds at most INT_MAX IDs.
    void checkRoomForOne() const {
        if (static_cast<std::size_t>(GetSize()) >= kMaxCount)
            throw std::length_error("vector too long");
    }

    // std::lower_bound's answer over ascending IDs, guessed from their leading bits.
    template <class IDs>
    static auto lowerBound(IDs& ids, const ID& id) {
        return ids.begin() + static_cast<std::ptrdiff_t>(zx::lowerBoundID<ID>(ids, id));
    }

    bool sharedIndexed() const { return m_shared && !m_shared->index.empty(); }

    // lowerBound over the shared segment, through its index when it has one.
    std::size_t sharedLowerBound(const ID& id) const {
        const std::vector<ID>& shared = sharedIDs();
        if (sharedIndexed()) return m_shared->index.lowerBound(std::span<const ID>(shared), id);
        return zx::lowerBoundID<ID>(shared, id);
    }

    // How many keys ahead a walk through an indexed shared segment fetches.
    static constexpr std::size_t kPrefetchAhead = 8;

    // One step of a walk of ascending IDs through the shared segment: whether it holds id, with
    // at left at id's lowerBound when it may (the step before left it where it ended). An indexed
    // segment is asked through its index, after asking for the bucket of the ID kPrefetchAhead
    // steps on (ahead, null near the end); any other is galloped through onward from there.
    bool sharedWalkHolds(const ID& id, std::size_t& at, const ID* ahead) const {
        const std::vector<ID>& shared = sharedIDs();
        if (sharedIndexed()) {
            const zx::IDBucketIndex& index = m_shared->index;
            if (ahead) index.prefetch(*ahead);
            if (!index.mayHold(id)) return false;
            at = index.lowerBound(std::span<const ID>(shared), id);
        } else {
            at = zx::gallopForward(shared.data(), shared.size(), at,
                                   [&id](const ID& other) { return other < id; });
        }
        return at < shared.size() && shared[at] == id;
    }

    int sharedIndexOf(const ID& id) const {
        if (sharedIndexed() && !m_shared->index.mayHold(id)) return -1;
        const std::vector<ID>& shared = sharedIDs();
        const auto at = shared.begin() + static_cast<std::ptrdiff_t>(sharedLowerBound(id));
        return at != shared.end() && *at == id ? static_cast<int>(at - shared.begin()) : -1;
    }

    bool ownedComesFirst(int ownedPos, int sharedPos) const {
        if (sharedPos >= sharedSize()) return true;
        if (ownedPos >= ownedSize()) return false;
        return !IsSharedLess(ownedPos, sharedPos);
    }

    // Moves ids[first, last), which ascend, down to ids[out...] without the IDs the shared
    // segment holds (out <= first); returns the end of what it kept. One forward walk through
    // the shared segment.
    std::size_t dropShared(std::vector<ID>& ids, std::size_t first, std::size_t last,
                           std::size_t out) const noexcept;

    // After a batch was merged in: moves the owned segment into the shared one when it has
    // grown large beside it. Keeps things as they are when memory runs out.
    void spillOwned() noexcept;

    // Moves the shared IDs behind the owned ones in one owned segment, each keeping its
    // position. The result is sorted only if the owned segment was and ends below the shared one.
    void absorbShared();

    // Other sets may hold the shared segment, so it is replaced rather than changed. With no
    // owned IDs the rest becomes the owned segment, where later removals work in place.
    void removeFromShared(int sharedPos);

    // Every ID once, ascending, for comparing unsorted sets.
    std::vector<ID> distinctIDs() const;
};

// The members below are built once per ID type of the named sets (IDArrays.h), in the library.

template <class ID>
CIDPointerArray<ID>::CIDPointerArray(const std::unordered_set<ID>& ids) {
    Reserve(static_cast<int>(std::min<std::size_t>(ids.size(), kMaxCount)));
    for (const ID& id : ids) addNoSort(id);
    sort();
}

template <class ID>
void CIDPointerArray<ID>::Copy(const CIDPointerArray& other) {
    if (&other == this) return;
    std::shared_ptr<const Details> shared = other.m_shared;
    std::shared_ptr<Details> owned;
    if (other.ownedSize() > 0) {
        auto copy = std::make_shared<Details>(*other.m_owned);
        // Only this set holds the copy, so it may become the shared segment it never writes.
        if (!shared && other.isSorted()) {
            shared = std::move(copy);
        } else {
            owned = std::move(copy);
        }
    }
    m_shared = std::move(shared);
    m_owned = std::move(owned);
}

template <class ID>
int CIDPointerArray<ID>::Add(const ID& id) {
    if (!isSorted()) {
        if (findByID(id) >= 0) return -1;
        addNoSort(id);
        return ownedSize() - 1;
    }
    if (sharedIndexOf(id) >= 0) return -1;
    const std::vector<ID>& owned = ownedIDs();
    const auto at = lowerBound(owned, id);
    if (at != owned.end() && *at == id) return -1;
    const auto pos = at - owned.begin();
    checkRoomForOne();
    std::vector<ID>& ids = writableOwned().ids;
    ids.insert(ids.begin() + pos, id);
    return static_cast<int>(pos);
}

template <class ID>
template <class Held>
void CIDPointerArray<ID>::forEachHeld(std::span<const ID> ascending, const Held& held) const {
    if (!isSorted()) {
        for (std::size_t i = 0; i < ascending.size(); ++i)
            if (findByID(ascending[i]) >= 0) held(i);
        return;
    }
    const std::vector<ID>& owned = ownedIDs();
    std::size_t inOwned = 0, inShared = 0;
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        const ID& id = ascending[i];
        if (i > 0 && id < ascending[i - 1]) inOwned = inShared = 0;
        const auto below = [&id](const ID& other) { return other < id; };
        inOwned = zx::gallopForward(owned.data(), owned.size(), inOwned, below);
        if (inOwned < owned.size() && owned[inOwned] == id) {
            held(i);
            continue;
        }
        const std::size_t next = i + kPrefetchAhead;
        if (sharedWalkHolds(id, inShared, next < ascending.size() ? &ascending[next] : nullptr))
            held(i);
    }
}

template <class ID>
void CIDPointerArray<ID>::addNoSort(const ID& id) {
    checkRoomForOne();
    Details& owned = writableOwned();
    if (!owned.unsorted) owned.ascendingPrefix = owned.ids.size();
    owned.ids.push_back(id);
    owned.unsorted = true;
}

template <class ID>
bool CIDPointerArray<ID>::InsertAt(int pos, const ID& id) {
    if (pos < 0 || pos > GetSize() || findByID(id) >= 0) return false;
    checkRoomForOne();
    if (pos > ownedSize()) absorbShared();
    Details& owned = writableOwned();
    std::vector<ID>& ids = owned.ids;
    const auto at = static_cast<std::size_t>(pos);
    const bool fits = (at == 0 || ids[at - 1] < id) && (at == ids.size() || id < ids[at]);
    if (owned.unsorted) {
        owned.ascendingPrefix = std::min(owned.ascendingPrefix, at);
    } else if (!fits) {
        owned.ascendingPrefix = at;
        owned.unsorted = true;
    }
    ids.insert(ids.begin() + pos, id);
    return true;
}

template <class ID>
bool CIDPointerArray<ID>::RemoveAt(int pos) {
    if (pos < 0 || pos >= GetSize()) return false;
    const int owned = ownedSize();
    if (pos < owned) {
        const auto at = static_cast<std::size_t>(pos);
        m_owned->ascendingPrefix = std::min(m_owned->ascendingPrefix, at);
        m_owned->ids.erase(m_owned->ids.begin() + pos);
        shrinkExcessCapacity(m_owned->ids);
    } else {
        removeFromShared(pos - owned);
    }
    return true;
}

template <class ID>
bool CIDPointerArray<ID>::removeByID(const ID& entry) {
    // entry may be one of this set's own IDs, which the removal moves or frees.
    const ID id = entry;
    bool removed = false;
    if (m_owned) {
        std::vector<ID>& ids = m_owned->ids;
        if (m_owned->unsorted) {
            m_owned->ascendingPrefix = 0;
            const auto kept = std::remove(ids.begin(), ids.end(), id);
            removed = kept != ids.end();
            ids.erase(kept, ids.end());
        } else {
            const auto at = lowerBound(ids, id);
            if (at != ids.end() && *at == id) {
                ids.erase(at);
                removed = true;
            }
        }
        if (removed) shrinkExcessCapacity(ids);
    }
    const int shared = sharedIndexOf(id);
    if (shared >= 0) {
        removeFromShared(shared);
        removed = true;
    }
    return removed;
}

template <class ID>
void CIDPointerArray<ID>::Reserve(int count) {
    if (count <= sharedSize()) return;
    std::vector<ID>& ids = writableOwned().ids;
    const auto wanted = static_cast<std::size_t>(count - sharedSize());
    if (wanted > ids.capacity()) ids.reserve(std::max(wanted, ids.capacity() * 2));
}

template <class ID>
void CIDPointerArray<ID>::sort() noexcept {
    if (isSorted()) {
        if (m_owned) m_owned->unsorted = false;
        return;
    }
    std::vector<ID>& ids = m_owned->ids;
    // A sorted set that took IDs with addNoSort is a strictly ascending run and an appended tail,
    // which starts at the first ID that does not exceed the one before it; the run is known to
    // reach at least as far as the prefix addNoSort recorded. Sorting the tail and merging it in
    // costs the tail's sort and one pass over the owned segment.
    const std::size_t known = std::min(m_owned->ascendingPrefix, ids.size());
    const auto lastOfRun =
        std::adjacent_find(ids.begin() + static_cast<std::ptrdiff_t>(known > 0 ? known - 1 : 0),
                           ids.end(), [](const ID& a, const ID& b) { return !(a < b); });
    std::size_t tail = lastOfRun == ids.end() ? ids.size() : (lastOfRun - ids.begin()) + 1;
    // A tail taken from an ordered source (a std::map's keys, another set) needs no sorting.
    const auto tailBegin = ids.begin() + static_cast<std::ptrdiff_t>(tail);
    if (!std::is_sorted(tailBegin, ids.end())) std::sort(tailBegin, ids.end());
    // The known run was the owned segment of a sorted set, so only the IDs appended after it can
    // be in the shared segment; they form two ascending stretches, the rest of the run and the
    // tail.
    if (sharedSize() > 0) {
        const std::size_t keptOfRun = dropShared(ids, known, tail, known);
        const std::size_t end = dropShared(ids, tail, ids.size(), keptOfRun);
        ids.resize(end);
        tail = keptOfRun;
    }
    if (!mergeSortedTail(ids, tail)) {
        const auto from = ids.begin() + static_cast<std::ptrdiff_t>(tail);
        std::inplace_merge(ids.begin(), from, ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    }
    m_owned->unsorted = false;
    if (known > 0) spillOwned();
}

template <class ID>
std::size_t CIDPointerArray<ID>::dropShared(std::vector<ID>& ids, std::size_t first,
                                            std::size_t last, std::size_t out) const noexcept {
    std::size_t at = 0;
    for (std::size_t i = first; i < last; ++i) {
        const ID id = ids[i];
        // The ID ahead is not yet overwritten: out never passes i.
        const std::size_t next = i + kPrefetchAhead;
        if (sharedWalkHolds(id, at, next < last ? &ids[next] : nullptr)) continue;
        ids[out++] = id;
    }
    return out;
}

template <class ID>
void CIDPointerArray<ID>::spillOwned() noexcept {
    // Below the size worth an index, a merge into the owned segment stays within the caches.
    constexpr std::size_t kSmallest = zx::IDBucketIndex::kWorthAbove;
    const std::vector<ID>& owned = ownedIDs();
    const std::vector<ID>& shared = sharedIDs();
    if (owned.size() < kSmallest || owned.size() * 4 < shared.size()) return;
    if (m_shared && m_shared.use_count() > 1) return;
    try {
        if (!m_shared) {
            m_owned->index.build(std::span<const ID>(owned));
            m_shared = std::move(m_owned);
            return;
        }
        auto merged = std::make_shared<Details>();
        merged->ids.resize(owned.size() + shared.size());
        std::merge(owned.begin(), owned.end(), shared.begin(), shared.end(), merged->ids.begin());
        merged->index.build(std::span<const ID>(merged->ids));
        m_shared = std::move(merged);
        m_owned.reset();
    } catch (const std::bad_alloc&) {
    }
}

template <class ID>
bool CIDPointerArray<ID>::mergeSortedTail(std::vector<ID>& ids, std::size_t from) noexcept {
    const auto runEnd = ids.begin() + static_cast<std::ptrdiff_t>(from);
    std::vector<ID> tail;
    try {
        tail.reserve(ids.size() - from);
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::unique_copy(runEnd, ids.end(), std::back_inserter(tail));
    // From the top down, each place takes the larger of the run's and the tail's next IDs: the
    // run moves up by as many places as tail IDs go below it, and each of its IDs moves once. An
    // ID both hold is taken from the run alone, which leaves a gap closed at the end.
    std::size_t run = from, write = from + tail.size();
    for (std::size_t t = tail.size(); t > 0;) {
        if (run > 0 && tail[t - 1] < ids[run - 1]) {
            ids[--write] = ids[--run];
        } else {
            if (!(run > 0 && ids[run - 1] == tail[t - 1])) ids[--write] = tail[t - 1];
            --t;
        }
    }
    ids.resize(from + tail.size());
    const auto gap = ids.begin() + static_cast<std::ptrdiff_t>(run);
    ids.erase(gap, gap + static_cast<std::ptrdiff_t>(write - run));
    return true;
}

template <class ID>
bool CIDPointerArray<ID>::operator==(const CIDPointerArray& other) const {
    if (this == &other) return true;
    if (!isSorted() || !other.isSorted()) return distinctIDs() == other.distinctIDs();
    if (m_shared == other.m_shared) return ownedIDs() == other.ownedIDs();
    if (GetSize() != other.GetSize()) return false;
    const TwoSegmentIndex end = orderedEnd();
    for (TwoSegmentIndex a = orderedBegin(), b = other.orderedBegin(); a != end;
         a = orderedNext(a), b = other.orderedNext(b)) {
        if (!(getConstReference(a) == other.getConstReference(b))) return false;
    }
    return true;
}

template <class ID>
void CIDPointerArray<ID>::Serialize(CZentrixArchive& ar) {
    zx::RecordScope scope(ar, "CIDPointerArray");
    if (ar.IsStoring()) {
        const bool sorted = isSorted();
        ar << static_cast<std::int32_t>(GetSize());
        int index = 0;
        forEachInOrder([&](const ID& id) {
            ar.setRecordIndex(index++);
            ID copy = id;
            copy.Serialize(ar);
        });
        ar.setRecordIndex(-1);
        ar << sorted;
        return;
    }
    RemoveAll();
    const std::uint64_t countOffset = ar.position();
    const int count = ar.readCount(kIDRecordSize, "IDs");
    if (count < 0) ar.failNegativeCount(countOffset);
    if (count == 0) {
        // Most sets are empty; an empty one holds no segment, whatever its order flag says.
        bool sorted = false;
        ar >> sorted;
        return;
    }
    // Read into a separate segment so that a failure part-way leaves this set empty. The
    // count was checked against the remaining bytes, so this allocates no more than the
    // input holds.
    auto loaded = std::make_shared<Details>();
    loaded->ids.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        ar.setRecordIndex(i);
        loaded->ids[static_cast<std::size_t>(i)].Serialize(ar);
    }
    ar.setRecordIndex(-1);
    bool sorted = false;
    ar >> sorted;
    loaded->unsorted = !sorted || !isStrictlyAscending(loaded->ids);
    m_owned = std::move(loaded);
    if (sorted) sort();
}

template <class ID>
bool CIDPointerArray<ID>::isStrictlyAscending(const std::vector<ID>& ids) {
    return std::adjacent_find(ids.begin(), ids.end(),
                              [](const ID& a, const ID& b) { return !(a < b); }) == ids.end();
}

template <class ID>
typename CIDPointerArray<ID>::Details& CIDPointerArray<ID>::writableOwned() {
    if (!m_owned) {
        m_owned = std::make_shared<Details>();
    } else if (m_owned->ids.empty()) {
        m_owned->unsorted = false;
    }
    return *m_owned;
}

template <class ID>
void CIDPointerArray<ID>::absorbShared() {
    const std::vector<ID>& owned = ownedIDs();
    const std::vector<ID>& shared = sharedIDs();
    auto merged = std::make_shared<Details>();
    merged->ids.reserve(owned.size() + shared.size() + 1);
    merged->ids.insert(merged->ids.end(), owned.begin(), owned.end());
    merged->ids.insert(merged->ids.end(), shared.begin(), shared.end());
    merged->unsorted =
        !isSorted() || (!owned.empty() && !shared.empty() && !(owned.back() < shared.front()));
    m_owned = std::move(merged);
    m_shared.reset();
}

template <class ID>
void CIDPointerArray<ID>::removeFromShared(int sharedPos) {
    const std::vector<ID>& shared = m_shared->ids;
    const auto at = shared.begin() + sharedPos;
    auto rest = std::make_shared<Details>();
    rest->ids.reserve(shared.size() - 1);
    rest->ids.insert(rest->ids.end(), shared.begin(), at);
    rest->ids.insert(rest->ids.end(), at + 1, shared.end());
    if (ownedSize() == 0) {
        m_owned = std::move(rest);
        m_shared.reset();
    } else if (rest->ids.empty()) {
        m_shared.reset();
    } else {
        m_shared = std::move(rest);
    }
}

template <class ID>
std::vector<ID> CIDPointerArray<ID>::distinctIDs() const {
    std::vector<ID> ids(begin(), end());
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

// A JSON array of the IDs' texts, in the order of the archive record.
template <class ID>
std::string toDumpText(const CIDPointerArray<ID>& set) {
    std::string out = "[";
    set.forEachInOrder([&out](const ID& id) {
        if (out.size() > 1) out += ',';
        out += toDumpText(static_cast<const CIDBase&>(id));
    });
    out += ']';
    return out;
}

// Walks either source of an IDRange; yields const ID&.
template <class ID>
class IDRangeIterator {
public:
    using SetIterator = typename std::unordered_set<ID>::const_iterator;
    using value_type = ID;
    using difference_type = std::ptrdiff_t;
    using reference = const ID&;
    using pointer = const ID*;
    using iterator_concept = std::forward_iterator_tag;
    using iterator_category = std::forward_iterator_tag;

    IDRangeIterator() = default;
    explicit IDRangeIterator(IDPointerArrayIterator<ID> at) : m_at(at) {}
    explicit IDRangeIterator(SetIterator at) : m_at(at) {}

    const ID& operator*() const {
        if (const auto* inArray = std::get_if<IDPointerArrayIterator<ID>>(&m_at)) return **inArray;
        return *std::get<SetIterator>(m_at);
    }
    const ID* operator->() const { return &**this; }
    IDRangeIterator& operator++() {
        if (auto* inArray = std::get_if<IDPointerArrayIterator<ID>>(&m_at)) {
            ++*inArray;
        } else {
            ++std::get<SetIterator>(m_at);
        }
        return *this;
    }
    IDRangeIterator operator++(int) {
        IDRangeIterator before = *this;
        ++*this;
        return before;
    }
    friend bool operator==(const IDRangeIterator&, const IDRangeIterator&) = default;

private:
    std::variant<IDPointerArrayIterator<ID>, SetIterator> m_at;
};

// A read-only view over an ID set or an unordered set of IDs, for functions that accept either.
// It does not own what it views: the source must outlive the view and every iterator from it.
// A default-constructed view views nothing, and its begin() and end() throw
// std::bad_variant_access.
template <class ID>
class IDRange {
public:
    IDRange() = default;
    // Implicit, like std::span: a function taking an IDRange takes either source as it is.
    IDRange(const CIDPointerArray<ID>& set) : m_source(&set) {}
    IDRange(const std::unordered_set<ID>& set) : m_source(&set) {}
    // A view of a temporary would dangle at once.
    IDRange(CIDPointerArray<ID>&&) = delete;
    IDRange(std::unordered_set<ID>&&) = delete;

    // 0 when viewing an ID set, 1 when viewing an unordered set, -1 when viewing nothing.
    int tag() const { return static_cast<int>(m_source.index()) - 1; }

    IDRangeIterator<ID> begin() const {
        if (const auto* set = std::get_if<UnorderedSource>(&m_source)) {
            return IDRangeIterator<ID>((*set)->begin());
        }
        return IDRangeIterator<ID>(std::get<ArraySource>(m_source)->begin());
    }
    IDRangeIterator<ID> end() const {
        if (const auto* set = std::get_if<UnorderedSource>(&m_source)) {
            return IDRangeIterator<ID>((*set)->end());
        }
        return IDRangeIterator<ID>(std::get<ArraySource>(m_source)->end());
    }

private:
    using ArraySource = const CIDPointerArray<ID>*;
    using UnorderedSource = const std::unordered_set<ID>*;

    std::variant<std::monostate, ArraySource, UnorderedSource> m_source;
};
