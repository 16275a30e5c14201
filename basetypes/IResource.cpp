#include "basetypes/IResource.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

// Each old history takes at least its 16-byte state ID and the empty old history record (start
// marker, item count, end marker), so a count claiming more is refused before any history is read.
constexpr std::size_t kMinOldHistoryBytes = 16 + 3 * sizeof(std::uint32_t);

}  // namespace

void IResource::renewIDs() {
    // The generic renewal treats a history's key as the history's own identity; here it names a
    // resource state, so it is put back afterwards. Renewal keeps every history in its place.
    const auto histories = getHistories();
    std::vector<CResourceStateID> keys;
    keys.reserve(static_cast<std::size_t>(histories.GetSize()));
    for (int i = 0; i < histories.GetSize(); ++i)
        keys.push_back(histories.getConstReference(i)->getID());
    IDescribed<IResource>::renewIDs();
    for (int i = 0; i < histories.GetSize(); ++i)
        histories.getWritableReference(i)->setID(keys[static_cast<std::size_t>(i)]);
    histories.resort();
}

bool IResource::setSupplierReference(const CString& reference, int index) {
    CProjectStringArray& references = fields().supplierReferences;
    if (index < 0 || index >= references.GetSize()) return false;
    references[index] = reference;
    return true;
}

bool IResource::removeSupplierReference(int index) {
    CProjectStringArray& references = fields().supplierReferences;
    if (index < 0 || index >= references.GetSize()) return false;
    // The list has no removal of its own: the references after index move down one place.
    for (int i = index; i + 1 < references.GetSize(); ++i) references[i] = references[i + 1];
    references.SetSize(references.GetSize() - 1);
    return true;
}

void IResource::postSerialize(IProjectAccessor*) {}

void IResource::serializeOldHistories(CZentrixArchive& ar) {
    if (ar.IsStoring()) {
        const auto histories = getHistories();
        ar << static_cast<std::int32_t>(histories.GetSize());
        for (int i = 0; i < histories.GetSize(); ++i) {
            ar.setRecordIndex(i);
            const IRSHistoryWritableHandle history = histories.getWritableReference(i);
            CResourceStateID state = history->getID();
            state.Serialize(ar);
            history->Serialize(ar);
        }
        return;
    }
    removeAllHistories();
    const int count = ar.readCount(kMinOldHistoryBytes, "histories");
    if (count < 0) ar.failNegativeCount(ar.position() - sizeof(std::int32_t));
    for (int i = 0; i < count; ++i) {
        ar.setRecordIndex(i);
        CResourceStateID state;
        state.Serialize(ar);
        serializeOldHistory(ar, state);
    }
}
