// CKeyFrameList<I, C>: the key frames a timeline owns, kept in ascending order of distinct ticks
// (see basetypes/IKeyFrame.h), with the searches and the add and remove operations every timeline
// forwards to it. The timeline's start and end ticks are read from the first and last key frames,
// so they cannot disagree with them.
//
// The container's storage order is the tick order; its ordered index serves lookups by ID.
// Writable handles over the key frames reach the container itself: changing a key frame's tick
// through one, or replacing the key frames through one out of order, is the caller's risk, and a
// timeline left so is refused when it is saved.
//
// Searches by tick run on a copy of the ticks in one array (four bytes a key frame), not through
// the key frame objects, which lie apart on the heap; they interpolate between the ticks, which
// are usually recorded at regular steps (see store/InterpolationSearch.h). The copy follows every
// change made through the list; a change made around it (through a writable handle, or a copy into
// the timeline's container) can leave it stale, so an answer it gives is confirmed on the key
// frames themselves (the one found and its successor) and the search is run on the key frames when
// it does not hold. A copy of the wrong length is never read, and the next change through the list
// renews it.
#pragma once

#include <memory>
#include <vector>

#include "basetypes/IKeyFrame.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"
#include "store/CollectionOps.h"
#include "store/InterpolationSearch.h"

template <class I, class C>
class CKeyFrameList {
public:
    using Array = CUniqueObjectPointerArray<I, C, CKeyFrameID>;
    using ArrayHandle = CWrapperArrayHandle<I, CKeyFrameID, 0>;
    using ConstArrayHandle = CConstWrapperArrayHandle<I, CKeyFrameID, 0>;

    int count() const { return m_keys.GetSize(); }
    int startTick() const { return count() > 0 ? tickAt(0) : -1; }
    int endTick() const { return count() > 0 ? tickAt(count() - 1) : -1; }
    int lastIndex() const { return count() - 1; }
    [[nodiscard]] int indexForTick(int tick) const {
        if (ticksCopied()) {
            // The slots of the key frames that will confirm the answer are fetched while the
            // ticks are searched, instead of after.
            m_keys.prefetchSlot(static_cast<int>(zx::firstTickGuess(m_ticks, tick)));
            const int i = static_cast<int>(zx::upperBoundTick(m_ticks, tick)) - 1;
            if (inForceAt(i, tick)) return i;
        }
        return zx::keyframes::indexForTick(count(), tick, [this](int k) { return tickAt(k); });
    }
    // Where a key frame at this tick would go; -1 when it is refused.
    [[nodiscard]] int insertPosition(const CProjectInt& tick) const {
        if (ticksCopied() && tick.isValid() && tick.getValue() >= 0) {
            // The first tick not before this one follows every tick up to one before it.
            const int value = tick.getValue();
            const auto i = static_cast<int>(zx::upperBoundTick(m_ticks, value - 1));
            if (goesAt(i, value)) return i;
        }
        return zx::keyframes::insertPosition(count(), tick, [this](int k) { return tickAt(k); });
    }
    // The key frame at index, or an empty handle outside the list.
    CWrapperHandle<I> at(int index) const {
        if (index < 0 || index >= count()) return {};
        return m_keys.getConstReference(index).getHandle();
    }
    ConstArrayHandle handle() const { return ConstArrayHandle::over(&m_keys); }
    ArrayHandle handle() { return ArrayHandle::over(&m_keys); }

    // Stores a copy at its tick's place and returns its index; -1 when its tick is refused or
    // its ID is present.
    [[nodiscard]] int add(const I& keyFrame) {
        renewTicksIfStale();
        const int i = insertPosition(keyFrame.getTick());
        if (i < 0 || !m_keys.InsertAt(i, keyFrame)) return -1;
        m_ticks.insert(m_ticks.begin() + i, keyFrame.getTick().getValue());
        return i;
    }
    // Replaces the key frame with the same ID, if any, by a copy placed at its own tick. When the
    // new one is refused, the old one stays where it was.
    [[nodiscard]] int replace(const I& keyFrame) {
        const int old = m_keys.findByID(keyFrame.getID());
        if (old < 0) return add(keyFrame);
        renewTicksIfStale();
        std::unique_ptr<C> previous(m_keys.Detach(old));
        if (!previous) return -1;
        m_ticks.erase(m_ticks.begin() + old);
        const int i = add(keyFrame);
        if (i < 0 && m_keys.Attach(old, previous.get())) {
            m_ticks.insert(m_ticks.begin() + old, previous->getTick().getValue());
            (void)previous.release();
        }
        return i;
    }
    [[nodiscard]] bool remove(const CKeyFrameID& id) {
        const int i = m_keys.findByID(id);
        const bool copied = ticksCopied();
        if (i < 0 || !removeAtKeepingSort(m_keys, i)) return false;
        if (copied)
            m_ticks.erase(m_ticks.begin() + i);
        else
            renewTicks();
        return true;
    }
    void removeAll() {
        m_keys.RemoveAll();
        m_ticks.clear();
    }
    // Takes the ticks anew from the key frames: after the container was filled or changed around
    // the list (a load, a copy).
    void renewTicks() {
        m_ticks.resize(static_cast<std::size_t>(count()));
        for (int k = 0; k < count(); ++k) m_ticks[static_cast<std::size_t>(k)] = tickAt(k);
    }

    // Refuses key frames out of tick order, loaded or about to be stored (the archive's
    // exception, naming the record).
    void checkTicks(CZentrixArchive& ar) const {
        zx::keyframes::checkTicks(ar, count(), [this](int i) -> const CProjectInt& {
            return m_keys.getConstReference(i).getTick();
        });
    }

private:
    int tickAt(int i) const { return m_keys.getConstReference(i).getTick().getValue(); }
    bool ticksCopied() const { return m_ticks.size() == static_cast<std::size_t>(count()); }
    void renewTicksIfStale() {
        if (!ticksCopied()) renewTicks();
    }
    // True when i is the key frame in force at tick among the key frames themselves.
    bool inForceAt(int i, int tick) const {
        if (i < 0) return count() == 0 || tick < tickAt(0);
        return tickAt(i) <= tick && (i + 1 == count() || tick < tickAt(i + 1));
    }
    // True when a key frame at tick belongs at i among the key frames themselves.
    bool goesAt(int i, int tick) const {
        return (i == 0 || tickAt(i - 1) < tick) && (i == count() || tick < tickAt(i));
    }

    Array m_keys;
    std::vector<int> m_ticks;
};
