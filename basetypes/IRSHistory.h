// IRSHistory: which state a resource was in from which time on, for one state group: a list of
// history items kept in ascending order of their time (items may share a time). The item in force
// at a time is the last one whose time is not after it.
//
// Lookups hand out iterators over the item list. An iterator owns its position (copies are
// independent) but not the list: it views the history's items and dangles once the history is
// destroyed. An empty iterator (nothing found) is not valid and yields empty handles.
//
// The archive record is the history's own (see CRSHistory::Serialize); copies, comparison, the
// dump and ID renewal come from the field description, in which the items are one collection.
#pragma once

#include <memory>
#include <utility>

#include "basetypes/CProjectTime.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IRSHistoryItem.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IRSHistory : public IDescribed<IRSHistory> {
public:
    static constexpr const char* s_kindName = "ResourceStateHistory";
    // A history's ID is the resource state it records.
    static constexpr zx::IDRole s_idRole = zx::IDRole::key;

    // What a concrete history's iterators implement. Handle is the element handle: writable for
    // CRSHistoryIterator, read-only for CRSHistoryConstIterator.
    template <class Handle>
    class IItemCursor {
    public:
        virtual ~IItemCursor() = default;
        // The position is on an item.
        virtual bool valid() const = 0;
        // The position is below the count: next() still has an item to hand out.
        virtual bool hasNext() const = 0;
        virtual bool hasPrevious() const = 0;
        // The item at the position (empty when there is none), then one step forward / back.
        virtual Handle next() = 0;
        virtual Handle previous() = 0;
        virtual Handle current() const = 0;
        // Removes and deletes the item at the position, which then holds the following item.
        // False when the position is on no item or the iterator is read-only.
        [[nodiscard]] virtual bool remove() = 0;
        virtual std::unique_ptr<IItemCursor> clone() const = 0;
    };

    // Owns one cursor (or none, for an empty iterator); copies clone it.
    template <class Handle>
    class CIteratorBase {
    public:
        using Cursor = IItemCursor<Handle>;

        CIteratorBase() = default;
        explicit CIteratorBase(std::unique_ptr<Cursor> cursor) : m_cursor(std::move(cursor)) {}
        CIteratorBase(const CIteratorBase& other)
            : m_cursor(other.m_cursor ? other.m_cursor->clone() : nullptr) {}
        CIteratorBase(CIteratorBase&&) noexcept = default;
        CIteratorBase& operator=(const CIteratorBase& other) {
            if (this != &other) m_cursor = other.m_cursor ? other.m_cursor->clone() : nullptr;
            return *this;
        }
        CIteratorBase& operator=(CIteratorBase&&) noexcept = default;
        ~CIteratorBase() = default;

        // False for an empty iterator.
        bool isNull() const { return m_cursor == nullptr; }
        bool valid() const { return m_cursor && m_cursor->valid(); }
        bool hasNext() const { return m_cursor && m_cursor->hasNext(); }
        bool hasPrevious() const { return m_cursor && m_cursor->hasPrevious(); }
        Handle next() { return m_cursor ? m_cursor->next() : Handle(); }
        Handle previous() { return m_cursor ? m_cursor->previous() : Handle(); }
        Handle current() const { return m_cursor ? m_cursor->current() : Handle(); }

    protected:
        std::unique_ptr<Cursor> m_cursor;
    };

    class CRSHistoryIterator : public CIteratorBase<IRSHistoryItemWritableHandle> {
    public:
        using CIteratorBase::CIteratorBase;
        [[nodiscard]] bool remove() { return m_cursor && m_cursor->remove(); }
    };
    class CRSHistoryConstIterator : public CIteratorBase<IRSHistoryItemHandle> {
    public:
        using CIteratorBase::CIteratorBase;
    };

    struct Fields {
        CResourceStateID id;
        CResourceStateID groupID;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("GroupID", &Fields::groupID);
        v.collection("Items", &IRSHistory::getItems, &IRSHistory::getItems);
    }

    const CResourceStateID& getID() const { return fields().id; }
    void setID(const CResourceStateID& id) { fields().id = id; }
    const CResourceStateID& getGroupID() const { return fields().groupID; }
    void setGroupID(const CResourceStateID& id) { fields().groupID = id; }

    // The items in time order. Replacing them through the handle (copyFrom) adds each one by
    // time; changing an item's time through a writable element handle is the caller's risk: the
    // list is not reordered.
    virtual IRSHistoryItemConstArrayHandle getItems() const = 0;
    virtual IRSHistoryItemArrayHandle getItems() = 0;

    virtual int GetSize() const = 0;
    // Inserts a copy after the last item whose time is not after the item's time and returns its
    // position; -1 when an item with the same ID is present.
    [[nodiscard]] virtual int Add(const IRSHistoryItem& item) = 0;
    // False when there is no item with this ID.
    [[nodiscard]] virtual bool Remove(const CResourceStateHistoryItemID& id) = 0;
    // Removes an item at exactly this time; false when there is none.
    [[nodiscard]] virtual bool Remove(const CProjectTime& time) = 0;
    virtual void RemoveAll() = 0;

    // The earliest item whose status is this state.
    virtual CRSHistoryIterator getFirstStatus(const CResourceStateID& status) = 0;
    virtual CRSHistoryConstIterator getFirstStatus(const CResourceStateID& status) const = 0;
    // An item at exactly this time.
    virtual CRSHistoryIterator get(const CProjectTime& time) = 0;
    virtual CRSHistoryConstIterator get(const CProjectTime& time) const = 0;
    virtual CRSHistoryIterator get(const CResourceStateHistoryItemID& id) = 0;
    virtual CRSHistoryConstIterator get(const CResourceStateHistoryItemID& id) const = 0;
    // The item in force at this time: the last one whose time is not after it.
    virtual CRSHistoryConstIterator getActiveState(const CProjectTime& time) const = 0;
    virtual CRSHistoryIterator getLastState() = 0;
    virtual CRSHistoryConstIterator getLastState() const = 0;

    // An iterator on the first item.
    CRSHistoryIterator begin() { return CRSHistoryIterator(getIterator()); }
    CRSHistoryConstIterator begin() const { return CRSHistoryConstIterator(getIterator()); }

protected:
    friend IDescribed<IRSHistory>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    // A new cursor on the first item.
    virtual std::unique_ptr<IItemCursor<IRSHistoryItemWritableHandle>> getIterator() = 0;
    virtual std::unique_ptr<IItemCursor<IRSHistoryItemHandle>> getIterator() const = 0;
};

using IRSHistoryHandle = CWrapperHandle<IRSHistory>;
using IRSHistoryWritableHandle = CWritableWrapperHandle<IRSHistory>;
using IRSHistoryArrayHandle = CWrapperArrayHandle<IRSHistory, CResourceStateID, 0>;
using IRSHistoryConstArrayHandle = CConstWrapperArrayHandle<IRSHistory, CResourceStateID, 0>;
ZX_DECLARE_INTERFACE(IRSHistory, CResourceStateID, 0);
