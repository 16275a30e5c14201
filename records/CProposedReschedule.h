// CProposedReschedule: a project's stored proposed reschedule; values, record and copy come from
// IProposedReschedule.
#pragma once

#include <memory>

#include "basetypes/IProposedReschedule.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CProposedReschedule : public CStored<CProposedReschedule, IProposedReschedule> {
public:
    CProposedReschedule() { clear(); }
    std::unique_ptr<IProposedReschedule> clone() const override;
};

using CProposedRescheduleArray =
    CUniqueObjectPointerArray<IProposedReschedule, CProposedReschedule, CProposedRescheduleID>;
using CProposedRescheduleHandle = CBasicHandle<IProposedReschedule, CProposedReschedule>;
using CProposedRescheduleWritableHandle =
    CWritableBasicHandle<IProposedReschedule, CProposedReschedule>;
using CProposedRescheduleArrayHandle =
    CBasicArrayHandle<IProposedReschedule, CProposedReschedule, CProposedRescheduleID, 0>;
ZX_DECLARE_KIND(IProposedReschedule, CProposedReschedule, CProposedRescheduleID, 0);
