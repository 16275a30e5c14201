// CCalendarDayType: a stored day type of a calendar. A new one has an unset ID, an empty
// description, the default colour, day type 0 and no time blocks.
#pragma once

#include "basetypes/ICalendarDayType.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CCalendarDayType : public CStored<CCalendarDayType, ICalendarDayType> {
public:
    CCalendarDayType() = default;
};

using CCalendarDayTypeArray =
    CUniqueObjectPointerArray<ICalendarDayType, CCalendarDayType, CCalendarDayTypeID>;
using CCalendarDayTypeHandle = CBasicHandle<ICalendarDayType, CCalendarDayType>;
using CCalendarDayTypeWritableHandle = CWritableBasicHandle<ICalendarDayType, CCalendarDayType>;
using CCalendarDayTypeArrayHandle =
    CBasicArrayHandle<ICalendarDayType, CCalendarDayType, CCalendarDayTypeID, 0>;
ZX_DECLARE_KIND(ICalendarDayType, CCalendarDayType, CCalendarDayTypeID, 0);
