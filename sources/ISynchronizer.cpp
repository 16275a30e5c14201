// ISynchronizer: the source type's settings object, kept alone.
#include "sources/ISynchronizer.h"

#include <algorithm>

namespace {

bool belongsTo(std::initializer_list<SynchronizerType> owners, const CSynchronizerType& type) {
    return std::find(owners.begin(), owners.end(), type.getValue()) != owners.end();
}

}  // namespace

void ISynchronizer::Init(const CSynchronizerType& type) {
    forEachSettings(fields(), [&](auto& slot, std::initializer_list<SynchronizerType> owners) {
        if (!belongsTo(owners, type))
            slot.reset();
        else if (slot)
            slot.getWritable()->RemoveAll();
        else
            slot.ensure();
    });
    fields().productType = type;
}

void ISynchronizer::rebuildDerived() {
    const CSynchronizerType type = fields().productType;
    forEachSettings(fields(), [&](auto& slot, std::initializer_list<SynchronizerType> owners) {
        if (!belongsTo(owners, type)) slot.reset();
    });
}

bool ISynchronizer::settingsMatchType() const {
    bool match = true;
    const CSynchronizerType type = fields().productType;
    forEachSettings(fields(),
                    [&](const auto& slot, std::initializer_list<SynchronizerType> owners) {
                        if (slot && !belongsTo(owners, type)) match = false;
                    });
    return match;
}

void ISynchronizer::Serialize(CZentrixArchive& ar) {
    IDescribed<ISynchronizer>::Serialize(ar);
    if (ar.IsLoading() && !settingsMatchType())
        ar.fail("only the settings of the synchronizer's own source type");
}
