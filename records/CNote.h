// CNote: a stored note; its values and record come from INote.
#pragma once

#include <memory>

#include "basetypes/INote.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CNote : public CStored<CNote, INote> {
public:
    CNote() = default;

    std::unique_ptr<INote> clone() const override { return std::make_unique<CNote>(*this); }
};

using CNoteArray = CUniqueObjectPointerArray<INote, CNote, CNoteID>;
using CNoteHandle = CBasicHandle<INote, CNote>;
using CNoteWritableHandle = CWritableBasicHandle<INote, CNote>;
using CNoteArrayHandle = CBasicArrayHandle<INote, CNote, CNoteID, 1>;
ZX_DECLARE_KIND(INote, CNote, CNoteID, 1);
