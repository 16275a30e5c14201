// CKeyFrameList<I, C>: the key frames a timeline owns, kept in ascending order of distinct ticks
// (see basetypes/IKeyFrame.h), with the searches and the add and remove operations every timeline
// forwards to it. The timeline's start and end ticks are read from the first and last key frames,
// so they cannot disagree with them.
//
// The container's storage order is the tick order; its ordered index serves lookups by ID.
// Writable handles over the key frames reach the container itself: changing a key frame's tick
// through one, or replacing the key frames through one out of order, is the caller's risk, and a
// timeline left so is refused when it is saved.
#pragma once

#include <memory>

#include "basetypes/IKeyFrame.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"
#include "store/CollectionOps.h"

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
        return zx::keyframes::indexForTick(count(), tick, [this](int i) { return tickAt(i); });
    }
    // Where a key frame at this tick would go; -1 when it is refused.
    [[nodiscard]] int insertPosition(const CProjectInt& tick) const {
        return zx::keyframes::insertPosition(count(), tick, [this](int i) { return tickAt(i); });
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
        const int i = insertPosition(keyFrame.getTick());
        return i >= 0 && m_keys.InsertAt(i, keyFrame) ? i : -1;
    }
    // Replaces the key frame with the same ID, if any, by a copy placed at its own tick. When the
    // new one is refused, the old one stays where it was.
    [[nodiscard]] int replace(const I& keyFrame) {
        const int old = m_keys.findByID(keyFrame.getID());
        if (old < 0) return add(keyFrame);
        std::unique_ptr<C> previous(m_keys.Detach(old));
        const int i = add(keyFrame);
        if (i < 0 && m_keys.Attach(old, previous.get())) (void)previous.release();
        return i;
    }
    [[nodiscard]] bool remove(const CKeyFrameID& id) { return removeByIDKeepingSort(m_keys, id); }
    void removeAll() { m_keys.RemoveAll(); }

    // Refuses key frames out of tick order, loaded or about to be stored (the archive's
    // exception, naming the record).
    void checkTicks(CZentrixArchive& ar) const {
        zx::keyframes::checkTicks(ar, count(), [this](int i) -> const CProjectInt& {
            return m_keys.getConstReference(i).getTick();
        });
    }

private:
    int tickAt(int i) const { return m_keys.getConstReference(i).getTick().getValue(); }

    Array m_keys;
};
