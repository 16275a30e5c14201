#include "schedule/CRSHistory.h"

#include <cstdint>
#include <cstring>

namespace {

// These names and the message are part of the file format and of what callers see.
constexpr zx::ArchiveMarker kHistoryMarker{"ResourceStateHistory"};
constexpr const char* kItemListMarker = "CUniquePointerArray";
constexpr const char* kNegativeCountMessage =
    "Error on serializing CUniquePointerArray (archive returned 0 items)";

// Every item record holds at least its two times and three IDs at fixed width, so an old-format
// count that claims more items than the remaining bytes could hold is refused before any loop.
constexpr std::size_t kMinItemRecordBytes = 2 * sizeof(std::int64_t) + 3 * 16;

}  // namespace

// The items as an array handle whose copyFrom adds through the history, so that the generic copy
// and clearing of a history (and anything else that replaces the items wholesale) keep them in
// time order.
class CRSHistory::CItemsHandle final : public CRSHistoryItemArrayHandle {
public:
    explicit CItemsHandle(CRSHistory* history)
        : CRSHistoryItemArrayHandle(&history->m_items), m_history(history) {}

    void copyFrom(const IRSHistoryItemConstArrayHandle& source) override {
        m_history->RemoveAll();
        for (int i = 0; i < source.GetSize(); ++i) {
            const IRSHistoryItemHandle item = source.getConstReference(i);
            if (!item.isNull()) (void)m_history->Add(*item);
        }
    }
    CItemsHandle* clone() const override { return new CItemsHandle(m_history); }

private:
    CRSHistory* m_history;
};

CRSHistory::~CRSHistory() = default;

IRSHistoryItemConstArrayHandle CRSHistory::getItems() const {
    return IRSHistoryItemConstArrayHandle::over(&m_items);
}

IRSHistoryItemArrayHandle CRSHistory::getItems() {
    return IRSHistoryItemArrayHandle(new CItemsHandle(this));
}

int CRSHistory::lower_bound(const CProjectTime& time) const {
    const int count = m_items.GetSize();
    if (count == 0) return -1;
    const auto timeAt = [this](int i) -> const CProjectTime& {
        return m_items.getConstReference(i).getTime();
    };
    if (time < timeAt(0)) return -1;
    if (timeAt(count - 1) <= time) return count - 1;
    if (count <= 2) return 0;
    // From here on the first item is not after time and the last one is: the answer lies
    // between them.
    int lo = 0, hi = count - 1;
    while (hi - lo >= 2) {
        const int mid = (lo + hi) / 2;
        const CProjectTime& at = timeAt(mid);
        if (at == time) return mid;
        if (at < time)
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

int CRSHistory::Add(const IRSHistoryItem& item) {
    if (m_items.findByID(item.getID()) >= 0) return -1;
    const int position = lower_bound(item.getTime()) + 1;
    return m_items.InsertAt(position, item) ? position : -1;
}

bool CRSHistory::Remove(const CResourceStateHistoryItemID& id) { return m_items.Remove(id); }

bool CRSHistory::Remove(const CProjectTime& time) {
    const int position = findTime(time);
    return position >= 0 && m_items.RemoveAt(position);
}

int CRSHistory::findTime(const CProjectTime& time) const {
    const int position = lower_bound(time);
    if (position < 0 || !(m_items.getConstReference(position).getTime() == time)) return -1;
    return position;
}

int CRSHistory::findFirstStatus(const CResourceStateID& status) const {
    for (int i = 0; i < m_items.GetSize(); ++i)
        if (m_items.getConstReference(i).getStatusID() == status) return i;
    return -1;
}

CRSHistory::CRSHistoryIterator CRSHistory::iteratorAt(int position) {
    if (position < 0) return {};
    return CRSHistoryIterator(std::make_unique<CIterator>(m_items, position));
}

CRSHistory::CRSHistoryConstIterator CRSHistory::iteratorAt(int position) const {
    if (position < 0) return {};
    return CRSHistoryConstIterator(std::make_unique<CConstIterator>(m_items, position));
}

CRSHistory::CRSHistoryIterator CRSHistory::getFirstStatus(const CResourceStateID& status) {
    return iteratorAt(findFirstStatus(status));
}
CRSHistory::CRSHistoryConstIterator CRSHistory::getFirstStatus(
    const CResourceStateID& status) const {
    return iteratorAt(findFirstStatus(status));
}
CRSHistory::CRSHistoryIterator CRSHistory::get(const CProjectTime& time) {
    return iteratorAt(findTime(time));
}
CRSHistory::CRSHistoryConstIterator CRSHistory::get(const CProjectTime& time) const {
    return iteratorAt(findTime(time));
}
CRSHistory::CRSHistoryIterator CRSHistory::get(const CResourceStateHistoryItemID& id) {
    return iteratorAt(m_items.findByID(id));
}
CRSHistory::CRSHistoryConstIterator CRSHistory::get(const CResourceStateHistoryItemID& id) const {
    return iteratorAt(m_items.findByID(id));
}
CRSHistory::CRSHistoryConstIterator CRSHistory::getActiveState(const CProjectTime& time) const {
    return iteratorAt(lower_bound(time));
}
CRSHistory::CRSHistoryIterator CRSHistory::getLastState() {
    return iteratorAt(m_items.GetUpperBound());
}
CRSHistory::CRSHistoryConstIterator CRSHistory::getLastState() const {
    return iteratorAt(m_items.GetUpperBound());
}

std::unique_ptr<IRSHistory::IItemCursor<IRSHistoryItemWritableHandle>> CRSHistory::getIterator() {
    return std::make_unique<CIterator>(m_items, 0);
}
std::unique_ptr<IRSHistory::IItemCursor<IRSHistoryItemHandle>> CRSHistory::getIterator() const {
    return std::make_unique<CConstIterator>(m_items, 0);
}

void CRSHistory::Serialize(CZentrixArchive& ar) {
    // Its record is its own, not the generic one, so it counts itself among the object records.
    ar.noteObjectRecord();
    // The marker names the record in load errors as well.
    ar.checkMarkerStart(kHistoryMarker);
    if (ar.fileVersion() < s_firstKeyedVersion)
        serializeUnkeyed(ar);
    else
        serializeKeyed(ar);
    ar.checkMarkerEnd(kHistoryMarker);
}

void CRSHistory::serializeKeyed(CZentrixArchive& ar) {
    ar.setField("ID");
    fields().id.Serialize(ar);
    ar.setField("GroupID");
    fields().groupID.Serialize(ar);
    ar.setField("Items");
    if (ar.IsStoring()) {
        m_items.Serialize(ar);
        return;
    }
    refuseNegativeItemCount(ar);
    m_items.Serialize(ar);
    restoreTimeOrder();
}

void CRSHistory::serializeUnkeyed(CZentrixArchive& ar) {
    ar.setField("Items");
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(m_items.GetSize());
        for (int i = 0; i < m_items.GetSize(); ++i) {
            ar.setRecordIndex(i);
            m_items.getWritableReference(i).Serialize(ar);
        }
        return;
    }
    fields().id.clear();
    fields().groupID.clear();
    RemoveAll();
    const int count = ar.readCount(kMinItemRecordBytes, "history items");
    if (count < 0) ar.failWithMessage(ar.position() - sizeof(std::int32_t), kNegativeCountMessage);
    try {
        for (int i = 0; i < count; ++i) {
            ar.setRecordIndex(i);
            CRSHistoryItem item;
            item.Serialize(ar);
            // Old files did not keep the list sorted or free of repeated items; Add does both.
            (void)Add(item);
        }
    } catch (...) {
        // As with the keyed list, a failed load leaves no items behind.
        RemoveAll();
        throw;
    }
}

// The keyed container refuses a negative count in its own words; a history has its own message
// for it, so it looks at the count ahead of the container. Anything else amiss there (a wrong
// marker, too few bytes) is left for the container to report.
void CRSHistory::refuseNegativeItemCount(CZentrixArchive& ar) const {
    std::uint32_t marker = 0;
    std::int32_t count = 0;
    if (ar.remaining() < sizeof marker + sizeof count) return;
    // Consuming nothing yields the read position without moving it.
    const std::byte* ahead = ar.consume(0, "the history's item list");
    std::memcpy(&marker, ahead, sizeof marker);
    std::memcpy(&count, ahead + sizeof marker, sizeof count);
    if (marker == zx::archiveTag(kItemListMarker) && count < 0)
        ar.failWithMessage(ar.position() + sizeof marker, kNegativeCountMessage);
}

// Stored lists come in time order; one that does not (a damaged or foreign file) is rebuilt item
// by item, so that every search keeps working on it.
void CRSHistory::restoreTimeOrder() {
    bool ordered = true;
    for (int i = 1; i < m_items.GetSize() && ordered; ++i)
        ordered =
            !(m_items.getConstReference(i).getTime() < m_items.getConstReference(i - 1).getTime());
    if (ordered) return;
    const CRSHistoryItemArray loaded(std::move(m_items));
    RemoveAll();
    for (int i = 0; i < loaded.GetSize(); ++i) (void)Add(loaded.getConstReference(i));
}

ZX_INSTANTIATE_KIND(IRSHistory, CRSHistory, CResourceStateID, 0);
