// CRSHistoryItem: a stored resource-state history item. Unlike most objects, a new item is already
// somebody: it receives a fresh ID and the current time as its record time when it is built, so
// that an item made and added in one step needs no further set-up.
#pragma once

#include <memory>

#include "basetypes/IRSHistoryItem.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CRSHistoryItem : public CStored<CRSHistoryItem, IRSHistoryItem> {
public:
    // Tells generic code (the conformance suite) that two new items are never equal.
    static constexpr bool s_newObjectsHaveFreshIdentity = true;

    CRSHistoryItem() {
        generateIDs();
        updateRecordTime();
    }
    // The copy takes the other item's identity and record time along with everything else.
    CRSHistoryItem(const CRSHistoryItem& other) : CStored(other) {}
    CRSHistoryItem& operator=(const CRSHistoryItem& other) {
        copyFrom(other);
        return *this;
    }

    std::unique_ptr<IRSHistoryItem> clone() const override {
        auto copy = std::make_unique<CRSHistoryItem>();
        copy->copyFrom(*this);
        return copy;
    }
};

using CRSHistoryItemArray =
    CUniqueObjectPointerArray<IRSHistoryItem, CRSHistoryItem, CResourceStateHistoryItemID>;
using CRSHistoryItemHandle = CBasicHandle<IRSHistoryItem, CRSHistoryItem>;
using CRSHistoryItemWritableHandle = CWritableBasicHandle<IRSHistoryItem, CRSHistoryItem>;
using CRSHistoryItemArrayHandle =
    CBasicArrayHandle<IRSHistoryItem, CRSHistoryItem, CResourceStateHistoryItemID, 0>;
ZX_DECLARE_KIND(IRSHistoryItem, CRSHistoryItem, CResourceStateHistoryItemID, 0);
