// ICalendarDayType: a kind of day in a calendar (working day, non-working day, ...) with the
// blocks of time in which work can happen on it, and the values it is made of: CDayType, the time
// of day CProjectTimeOfDay, the block CProjectTimeOfDaySpan and the block list
// CProjectTimeOfDaySpanArray.
//
// A day type holds at most CProjectConstants::getMaxTimeblocksPerDayType() (24) blocks: setters
// ignore longer lists and out-of-range block positions, and loading refuses a longer list.
//
// Archive records: a time of day is its minutes since midnight (int32, 0 to 1440); a block is its
// start then its end; the block list is the value array record (count, then the blocks). The day
// type's own record is ID, description, colour, day type, blocks (from describeFields).
#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectConstants.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CNonUniqueValueArray.h"

enum class CalendarDay : std::int32_t { Undefined, Working, NonWorking };
template <>
struct EnumerationTraits<CalendarDay> {
    static constexpr const char* typeName = "CDayType";
    static constexpr const char* names[] = {"Undefined", "Working", "NonWorking"};
};
// Whether a day type is meant for work; the blocks say when.
class ZX_API CDayType : public CZentrixEnumeration<CalendarDay> {
public:
    using CDay = CalendarDay;
    using CZentrixEnumeration<CalendarDay>::CZentrixEnumeration;
};

// A time of day to the minute, from midnight (0:00) to the end of the day (24:00).
class ZX_API CProjectTimeOfDay : public CDescribedValue<CProjectTimeOfDay> {
public:
    static constexpr const char* s_kindName = "TimeOfDay";
    static constexpr std::int32_t s_endOfDay = CProjectConstants::getMinutesPerDay();

    CProjectTimeOfDay() = default;
    // Clamped to 0:00 - 24:00, so that every time this class holds can be saved and loaded.
    CProjectTimeOfDay(int hour, int minute) : m_minutes(clamp(hour * 60 + minute)) {}
    static CProjectTimeOfDay fromMinutes(int minutes) { return CProjectTimeOfDay(0, minutes); }

    template <class V>
    static void describeFields(V& v) {
        v.field("Minutes", &CProjectTimeOfDay::m_minutes);
    }

    int getMinutesSinceMidnight() const { return m_minutes; }
    int getHour() const { return m_minutes / 60; }
    int getMinute() const { return m_minutes % 60; }

    friend std::strong_ordering operator<=>(const CProjectTimeOfDay& a,
                                            const CProjectTimeOfDay& b) {
        return a.m_minutes <=> b.m_minutes;
    }

    void Serialize(CZentrixArchive& ar) {
        const std::uint64_t start = ar.position();
        CDescribedValue<CProjectTimeOfDay>::Serialize(ar);
        if (ar.IsLoading() && (m_minutes < 0 || m_minutes > s_endOfDay)) {
            ar.failAt(start, "expected a time of day from 0 to " + std::to_string(s_endOfDay) +
                                 " minutes, found " + std::to_string(m_minutes));
        }
    }

private:
    static std::int32_t clamp(int minutes) {
        return minutes < 0 ? 0 : (minutes > s_endOfDay ? s_endOfDay : minutes);
    }

    std::int32_t m_minutes = 0;
};

// One block of working time within a day.
class ZX_API CProjectTimeOfDaySpan : public CDescribedValue<CProjectTimeOfDaySpan> {
public:
    static constexpr const char* s_kindName = "TimeOfDaySpan";

    CProjectTimeOfDaySpan() = default;
    CProjectTimeOfDaySpan(const CProjectTimeOfDay& start, const CProjectTimeOfDay& end)
        : m_start(start), m_end(end) {}

    template <class V>
    static void describeFields(V& v) {
        v.field("Start", &CProjectTimeOfDaySpan::m_start);
        v.field("End", &CProjectTimeOfDaySpan::m_end);
    }

    const CProjectTimeOfDay& getStart() const { return m_start; }
    void setStart(const CProjectTimeOfDay& start) { m_start = start; }
    const CProjectTimeOfDay& getEnd() const { return m_end; }
    void setEnd(const CProjectTimeOfDay& end) { m_end = end; }

private:
    CProjectTimeOfDay m_start;
    CProjectTimeOfDay m_end;
};

// The blocks of one day type, in the order they were set.
class ZX_API CProjectTimeOfDaySpanArray : public CNonUniqueValueArray<CProjectTimeOfDaySpan> {
public:
    static constexpr int s_maxBlocks = CProjectConstants::getMaxTimeblocksPerDayType();

    // Orders the blocks by start; blocks with equal starts keep their order.
    void SortElementsByStart();

    // A list longer than a day type may hold is refused when loading.
    void Serialize(CZentrixArchive& ar) {
        const std::uint64_t start = ar.position();
        CNonUniqueValueArray<CProjectTimeOfDaySpan>::Serialize(ar);
        if (ar.IsLoading() && GetSize() > s_maxBlocks) {
            const int count = GetSize();
            RemoveAll();
            ar.failAt(start, "expected at most " + std::to_string(s_maxBlocks) +
                                 " time blocks, found " + std::to_string(count));
        }
    }
};

class ZX_API ICalendarDayType;
using ICalendarDayTypeHandle = CWrapperHandle<ICalendarDayType>;
using ICalendarDayTypeWritableHandle = CWritableWrapperHandle<ICalendarDayType>;
using ICalendarDayTypeArrayHandle = CWrapperArrayHandle<ICalendarDayType, CCalendarDayTypeID, 0>;
using ICalendarDayTypeConstArrayHandle =
    CConstWrapperArrayHandle<ICalendarDayType, CCalendarDayTypeID, 0>;
ZX_DECLARE_INTERFACE(ICalendarDayType, CCalendarDayTypeID, 0);

class ZX_API ICalendarDayType : public IDescribed<ICalendarDayType> {
public:
    static constexpr const char* s_kindName = "CalendarDayType";
    // Every calendar starts with the same two default day types, so an ID is unique within its
    // calendar only.
    static constexpr zx::IDRole s_idRole = zx::IDRole::local;

    struct Fields {
        CCalendarDayTypeID id;
        CProjectString description;
        CProjectColorRGB color;
        CDayType dayType;
        CProjectTimeOfDaySpanArray timeBlocks;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Description", &Fields::description);
        v.field("Color", &Fields::color);
        v.field("DayType", &Fields::dayType);
        v.field("TimeBlocks", &Fields::timeBlocks);
    }

    const CCalendarDayTypeID& getID() const { return fields().id; }
    void setID(const CCalendarDayTypeID& id) { fields().id = id; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CProjectColorRGB& getColor() const { return fields().color; }
    void setColor(const CProjectColorRGB& color) { fields().color = color; }
    const CDayType& getDayType() const { return fields().dayType; }
    void setDayType(const CDayType& type) { fields().dayType = type; }

    const CProjectTimeOfDaySpanArray& getTimeOfDaySpanArray() const { return fields().timeBlocks; }
    int getNumberOfTimeBlocks() const { return fields().timeBlocks.GetSize(); }
    // Both take the list only when it fits a day (at most 24 blocks); a longer one is ignored.
    void setTimeOfDaySpanArray(CProjectTimeOfDaySpanArray&& blocks);
    void setTimeOfDaySpanArray(const CProjectTimeOfDaySpanArray& blocks);
    void clearTimeBlocks() { fields().timeBlocks.RemoveAll(); }
    // Makes the list exactly index + 1 blocks long (dropping later ones, adding default ones) and
    // puts span at index. An index outside 0 to 23 changes nothing.
    void setTimeBlock(int index, const CProjectTimeOfDaySpan& span);
    // Removes the block at index; nothing when index is outside the list.
    void deleteTimeBlock(int index) { (void)fields().timeBlocks.RemoveAt(index); }
    // Sorts the blocks by start and merges each block into the one before it when they overlap
    // or touch. The merged block ends where the later block ends, even when that is earlier than
    // the end of the block it was merged into.
    void validateTimeBlocks();

protected:
    friend IDescribed<ICalendarDayType>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};
