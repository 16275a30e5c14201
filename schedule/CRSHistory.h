// CRSHistory: a stored resource-state history. It owns its items in a keyed container whose
// storage order is the time order (the container's ordered index serves lookups by item ID).
//
// Archive record, written by this class (these layouts are on disk and must never change):
//   start marker "ResourceStateHistory"
//   file version 367 and later: ID (16 bytes), group ID (16 bytes), the items in the keyed
//     container's "CUniquePointerArray" framing (count, then per item its record and its
//     ordered-index entry)
//   older files: int32 count, then the items' records; such histories had no IDs of their own,
//     so loading one leaves both IDs null for the owner to fill in
//   end marker "ResourceStateHistory"
// Loading a list that is out of time order puts it back in order; a negative item count is
// refused with CArchiveRuntimeError "Error on serializing CUniquePointerArray (archive returned 0
// items)". Storing with an archive of an older version writes the older layout.
#pragma once

#include <memory>
#include <type_traits>

#include "basetypes/IRSHistory.h"
#include "basetypes/ZxApi.h"
#include "schedule/CRSHistoryItem.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CRSHistory : public CStored<CRSHistory, IRSHistory> {
public:
    // The first file version whose histories carry their IDs and the container framing.
    static constexpr int s_firstKeyedVersion = 367;

    // An iterator's position over the items of one history; see IRSHistory::IItemCursor.
    template <bool writable>
    class CCursor;
    using CIterator = CCursor<true>;
    using CConstIterator = CCursor<false>;

    CRSHistory() = default;
    CRSHistory(const CRSHistory& other) : CStored() { copyFrom(other); }
    CRSHistory& operator=(const CRSHistory& other) {
        copyFrom(other);
        return *this;
    }
    ~CRSHistory() override;

    void Serialize(CZentrixArchive& ar) override;

    IRSHistoryItemConstArrayHandle getItems() const override;
    IRSHistoryItemArrayHandle getItems() override;
    int GetSize() const override { return m_items.GetSize(); }
    [[nodiscard]] int Add(const IRSHistoryItem& item) override;
    [[nodiscard]] bool Remove(const CResourceStateHistoryItemID& id) override;
    [[nodiscard]] bool Remove(const CProjectTime& time) override;
    void RemoveAll() override { m_items.RemoveAll(); }

    CRSHistoryIterator getFirstStatus(const CResourceStateID& status) override;
    CRSHistoryConstIterator getFirstStatus(const CResourceStateID& status) const override;
    CRSHistoryIterator get(const CProjectTime& time) override;
    CRSHistoryConstIterator get(const CProjectTime& time) const override;
    CRSHistoryIterator get(const CResourceStateHistoryItemID& id) override;
    CRSHistoryConstIterator get(const CResourceStateHistoryItemID& id) const override;
    CRSHistoryConstIterator getActiveState(const CProjectTime& time) const override;
    CRSHistoryIterator getLastState() override;
    CRSHistoryConstIterator getLastState() const override;

protected:
    std::unique_ptr<IItemCursor<IRSHistoryItemWritableHandle>> getIterator() override;
    std::unique_ptr<IItemCursor<IRSHistoryItemHandle>> getIterator() const override;

    // The position of the last item whose time is not after time, as a binary search over the
    // time order finds it: -1 when the history is empty or every item is later. Among items
    // with the same time it may stop at any of them.
    int lower_bound(const CProjectTime& time) const;

private:
    class CItemsHandle;

    // Iterators at a position, or empty ones for -1.
    CRSHistoryIterator iteratorAt(int position);
    CRSHistoryConstIterator iteratorAt(int position) const;
    // The position of an item at exactly this time, or -1.
    [[nodiscard]] int findTime(const CProjectTime& time) const;
    [[nodiscard]] int findFirstStatus(const CResourceStateID& status) const;

    void serializeKeyed(CZentrixArchive& ar);
    void serializeUnkeyed(CZentrixArchive& ar);
    void refuseNegativeItemCount(CZentrixArchive& ar) const;
    void restoreTimeOrder();

    CRSHistoryItemArray m_items;
};

template <bool writable>
class CRSHistory::CCursor final
    : public IRSHistory::IItemCursor<
          std::conditional_t<writable, IRSHistoryItemWritableHandle, IRSHistoryItemHandle>> {
public:
    using Handle = std::conditional_t<writable, IRSHistoryItemWritableHandle, IRSHistoryItemHandle>;
    using Items = std::conditional_t<writable, CRSHistoryItemArray, const CRSHistoryItemArray>;

    CCursor(Items& items, int position) : m_items(&items), m_position(position) {}

    bool valid() const override { return m_position >= 0 && m_position < count(); }
    bool hasNext() const override { return m_position < count(); }
    bool hasPrevious() const override { return m_position > 0; }
    // The position stays within -1 and the count, so stepping past either end stays harmless.
    Handle next() override {
        Handle item = current();
        if (m_position < count()) ++m_position;
        return item;
    }
    Handle previous() override {
        Handle item = current();
        if (m_position >= 0) --m_position;
        return item;
    }
    Handle current() const override {
        if (!valid()) return Handle();
        if constexpr (writable)
            return Handle(
                new CRSHistoryItemWritableHandle(&m_items->getWritableReference(m_position)));
        else
            return Handle(new CRSHistoryItemHandle(&m_items->getConstReference(m_position)));
    }
    [[nodiscard]] bool remove() override {
        if constexpr (writable) {
            if (!valid()) return false;
            return m_items->RemoveAt(m_position);
        } else {
            return false;
        }
    }
    std::unique_ptr<IRSHistory::IItemCursor<Handle>> clone() const override {
        return std::make_unique<CCursor>(*m_items, m_position);
    }

private:
    int count() const { return m_items->GetSize(); }

    Items* m_items;
    int m_position;
};

using CRSHistoryArray = CUniqueObjectPointerArray<IRSHistory, CRSHistory, CResourceStateID>;
using CRSHistoryHandle = CBasicHandle<IRSHistory, CRSHistory>;
using CRSHistoryWritableHandle = CWritableBasicHandle<IRSHistory, CRSHistory>;
using CRSHistoryArrayHandle = CBasicArrayHandle<IRSHistory, CRSHistory, CResourceStateID, 0>;
ZX_DECLARE_KIND(IRSHistory, CRSHistory, CResourceStateID, 0);
