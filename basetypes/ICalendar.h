// ICalendar: a named calendar that says when work can happen: its day types, the week (which day
// type each of the seven week days has), exceptions (a date on which another day type applies)
// and the sub-calendars nested below it, which it owns. Also the values it is made of:
// CCalendarWeek and CCalendarException with its array CCalendarExceptionArray (one exception per
// date).
//
// The week and the exceptions name day types of the same calendar by ID. The mutators do not
// enforce that; the renewal of identifiers (generateIDs) relies on it and reports false when it
// does not hold.
//
// Archive record (from describeFields): ID, name, week (seven day-type IDs, day 1 first),
// exceptions (the keyed value array record), day types, sub-calendars (both with the keyed
// container framing).
#pragma once

#include <utility>

#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ICalendarDayType.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueValueArray.h"

// Which day type applies to each week day. Days are numbered 1 (Sunday) to 7 (Saturday).
class ZX_API CCalendarWeek : public CDescribedValue<CCalendarWeek> {
public:
    static constexpr const char* s_kindName = "CalendarWeek";

    template <class V>
    static void describeFields(V& v) {
        v.field("Sunday", &CCalendarWeek::m_sunday);
        v.field("Monday", &CCalendarWeek::m_monday);
        v.field("Tuesday", &CCalendarWeek::m_tuesday);
        v.field("Wednesday", &CCalendarWeek::m_wednesday);
        v.field("Thursday", &CCalendarWeek::m_thursday);
        v.field("Friday", &CCalendarWeek::m_friday);
        v.field("Saturday", &CCalendarWeek::m_saturday);
    }

    static constexpr int getSize() { return 7; }
    // The day type of day 1 to 7; the unset ID for any other day.
    const CCalendarDayTypeID& getDayTypeID(int day) const {
        static const CCalendarDayTypeID none;
        const auto member = dayMember(day);
        return member ? this->*member : none;
    }
    // Ignored for a day outside 1 to 7.
    void setDayTypeID(int day, const CCalendarDayTypeID& id) {
        if (const auto member = dayMember(day)) this->*member = id;
    }

private:
    using Member = CCalendarDayTypeID CCalendarWeek::*;
    static Member dayMember(int day) {
        static constexpr Member days[] = {&CCalendarWeek::m_sunday,   &CCalendarWeek::m_monday,
                                          &CCalendarWeek::m_tuesday,  &CCalendarWeek::m_wednesday,
                                          &CCalendarWeek::m_thursday, &CCalendarWeek::m_friday,
                                          &CCalendarWeek::m_saturday};
        return day >= 1 && day <= getSize() ? days[day - 1] : nullptr;
    }

    CCalendarDayTypeID m_sunday;
    CCalendarDayTypeID m_monday;
    CCalendarDayTypeID m_tuesday;
    CCalendarDayTypeID m_wednesday;
    CCalendarDayTypeID m_thursday;
    CCalendarDayTypeID m_friday;
    CCalendarDayTypeID m_saturday;
};

// A date on which the given day type applies instead of the week's. Its key is its date.
class ZX_API CCalendarException : public CDescribedValue<CCalendarException> {
public:
    static constexpr const char* s_kindName = "CalendarException";

    CCalendarException() = default;
    CCalendarException(const CCalendarDayTypeID& dayType, const CProjectDate& date)
        : m_dayTypeID(dayType), m_date(date) {}

    template <class V>
    static void describeFields(V& v) {
        v.field("CalendarDayTypeID", &CCalendarException::m_dayTypeID);
        v.field("Date", &CCalendarException::m_date);
    }

    const CProjectDate& getID() const { return m_date; }
    const CProjectDate& getDate() const { return m_date; }
    void setDate(const CProjectDate& date) { m_date = date; }
    const CCalendarDayTypeID& getCalendarDayTypeID() const { return m_dayTypeID; }
    void setCalendarDayTypeID(const CCalendarDayTypeID& id) { m_dayTypeID = id; }

private:
    CCalendarDayTypeID m_dayTypeID;
    CProjectDate m_date;
};

struct CCalendarExceptionIDGetter {
    const CProjectDate& operator()(const CCalendarException& e) const { return e.getID(); }
};

using CCalendarExceptionArray =
    CUniqueValueArray<CCalendarException, CProjectDate, CCalendarExceptionIDGetter>;

class ZX_API ICalendar;
using ICalendarHandle = CWrapperHandle<ICalendar>;
using ICalendarWritableHandle = CWritableWrapperHandle<ICalendar>;
using ICalendarArrayHandle = CWrapperArrayHandle<ICalendar, CCalendarID, 0>;
using ICalendarConstArrayHandle = CConstWrapperArrayHandle<ICalendar, CCalendarID, 0>;
ZX_DECLARE_INTERFACE(ICalendar, CCalendarID, 0);

class ZX_API ICalendar : public IDescribed<ICalendar> {
public:
    static constexpr const char* s_kindName = "Calendar";

    struct Fields {
        CCalendarID id;
        CProjectString name;
        CCalendarWeek week;
        CCalendarExceptionArray exceptions;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("CalendarWeek", &Fields::week, {.namesOwnChildren = true});
        v.field("CalendarDayExceptions", &Fields::exceptions, {.namesOwnChildren = true});
        v.collection("CalendarDayTypes", &ICalendar::getCalendarDayTypes,
                     &ICalendar::getCalendarDayTypes);
        v.collection("SubCalendars", &ICalendar::getSubCalendars, &ICalendar::getSubCalendars);
    }

    // The descriptions of the default calendar's two day types.
    static CString getWorkingDayName() { return CString(L"Working day"); }
    static CString getNonWorkingDayName() { return CString(L"Non-working day"); }

    const CCalendarID& getID() const { return fields().id; }
    void setID(const CCalendarID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }

    const CCalendarWeek& getCalendarWeek() const { return fields().week; }
    void setCalendarWeek(const CCalendarWeek& week) { fields().week = week; }

    // Exceptions, at most one per date.
    const CCalendarExceptionArray& getCalendarDayExceptions() const { return fields().exceptions; }
    void setCalendarDayExceptions(CCalendarExceptionArray&& exceptions) {
        fields().exceptions = std::move(exceptions);
    }
    void setCalendarDayExceptions(const CCalendarExceptionArray& exceptions) {
        fields().exceptions = exceptions;
    }
    // With 0 <= index < count the exception is inserted at index; with any other index it is
    // added as the value array adds: stored at the end, found in date order through the ordered
    // index. Its position, or -1 (nothing changed) when an exception for its date is present.
    [[nodiscard]] int addCalendarException(const CCalendarException& exception, int index);
    // False when index is outside the array.
    [[nodiscard]] bool removeCalendarDayException(int index) {
        return fields().exceptions.RemoveAt(index);
    }
    void removeAllCalendarDayExceptions() { fields().exceptions.RemoveAll(); }

    // Day types. None of the removals checks whether the week or an exception still names the
    // removed day type.
    virtual ICalendarDayTypeConstArrayHandle getCalendarDayTypes() const = 0;
    virtual ICalendarDayTypeArrayHandle getCalendarDayTypes() = 0;
    // Replaces the day types with copies of the handle's, in order.
    virtual void setCalendarDayTypes(const ICalendarDayTypeConstArrayHandle& dayTypes) = 0;
    // Adds a copy; silently nothing when a day type with its ID is present.
    virtual void addCalendarDayType(const ICalendarDayType& dayType) = 0;
    // Copies dayType into the stored day type with its ID; false when there is none.
    virtual bool editCalendarDayType(const ICalendarDayType& dayType) = 0;
    [[nodiscard]] virtual bool removeCalendarDayType(int index) = 0;
    [[nodiscard]] virtual bool removeCalendarDayType(const CCalendarDayTypeID& id) = 0;
    virtual void removeAllCalendarDayTypes() = 0;

    // Gives the calendar and its day types new IDs, points the week and the exceptions at the
    // renewed day types, then renews every sub-calendar. False when the week or an exception
    // names a day type the calendar does not hold.
    virtual bool generateIDs() = 0;

    // Sub-calendars, owned by this calendar.
    virtual ICalendarConstArrayHandle getSubCalendars() const = 0;
    virtual ICalendarArrayHandle getSubCalendars() = 0;
    virtual void addSubCalendar(const ICalendar& calendar) = 0;
    // False unless 0 <= index <= count and the ID is absent.
    [[nodiscard]] virtual bool insertSubCalendar(const ICalendar& calendar, int index) = 0;
    [[nodiscard]] virtual bool removeSubCalendar(const CCalendarID& id) = 0;
    virtual void removeAllSubCalendars() = 0;
    // Moves the calendar the handle views (a detached one) in at 0 <= index <= count without
    // copying; this calendar owns it from then on. False for an empty handle, an index out of
    // range, an ID already present or a calendar that is or holds this one; the calendar then
    // stays with the caller.
    [[nodiscard]] virtual bool attachSubCalendar(ICalendarWritableHandle calendar, int index) = 0;
    // Takes the sub-calendar out without deleting it: the caller owns it through the handle until
    // it attaches it somewhere. An empty handle when there is no such sub-calendar.
    [[nodiscard]] virtual ICalendarWritableHandle detachSubCalendar(const CCalendarID& id) = 0;

protected:
    friend IDescribed<ICalendar>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    // Replaces the sub-calendars with copies of the handle's, in order.
    virtual void setSubCalendars(const ICalendarConstArrayHandle& calendars) = 0;
};
