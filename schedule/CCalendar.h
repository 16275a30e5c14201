// CCalendar: a stored calendar. It owns its day types (embedded) and its sub-calendars (a
// collection that exists for the calendar's whole life). Sub-calendars move between calendars
// without copying (detachSubCalendar, attachSubCalendar), keeping their identity and their own
// sub-calendars.
//
// Every new or cleared calendar is the same default five-day calendar with three fixed IDs: the
// calendar's and those of its working and non-working day types. A calendar that is to stand
// beside another one gets fresh IDs through generateIDs (or tryGenerateIDs).
#pragma once

#include <cstdint>
#include <memory>

#include "basetypes/ICalendar.h"
#include "basetypes/ZxApi.h"
#include "schedule/CCalendarDayType.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CCalendar;
using CCalendarArray = CUniqueObjectPointerArray<ICalendar, CCalendar, CCalendarID>;
using CCalendarHandle = CBasicHandle<ICalendar, CCalendar>;
using CCalendarWritableHandle = CWritableBasicHandle<ICalendar, CCalendar>;
using CCalendarArrayHandle = CBasicArrayHandle<ICalendar, CCalendar, CCalendarID, 0>;

class ZX_API CCalendar : public CStored<CCalendar, ICalendar> {
public:
    // Every new calendar carries the same fixed ID (see clear()).
    static constexpr bool s_newObjectsHaveFixedIdentity = true;
    // The fixed IDs of the default calendar.
    static constexpr const char* s_defaultCalendarGUID = "1e6717b6-e37a-4046-a86e-d5dc457a2de6";
    static constexpr const char* s_workingDayTypeGUID = "c7ea95b1-c2f2-7d48-86f0-17d37bbd5484";
    static constexpr const char* s_nonWorkingDayTypeGUID = "6c231cb1-ae9b-9d4a-b478-20cbaaf96c45";
    // The colours of the default day types.
    static constexpr std::uint32_t s_workingDayColor = 0xC8D0D4;
    static constexpr std::uint32_t s_nonWorkingDayColor = 0x808080;

    // The default calendar.
    CCalendar();
    // Copies start from empty fields and sub-calendars, without building the default calendar.
    CCalendar(const CCalendar& other);
    CCalendar& operator=(const CCalendar& other);
    ~CCalendar() override;

    // Makes this the default calendar: no name, no sub-calendars, no exceptions, the working day
    // type (9:00-17:00) on days 2 to 6 and the non-working one (no blocks) on days 1 and 7.
    void clear();

    // Gives the calendar and its day types new IDs, points the week and the exceptions at the
    // renewed day types, then renews every sub-calendar. False when the week or an exception
    // names a day type the calendar does not hold: the calendar then has a new ID of its own but
    // its week, exceptions, day types and sub-calendars are exactly as before.
    [[nodiscard]] bool tryGenerateIDs();
    // The same, through the interface.
    bool generateIDs() override { return tryGenerateIDs(); }
    // The same, for callers that treat every kind alike (the generic renewal of an owner).
    void renewIDs() override { (void)tryGenerateIDs(); }

    ICalendarDayTypeConstArrayHandle getCalendarDayTypes() const override;
    ICalendarDayTypeArrayHandle getCalendarDayTypes() override;
    void setCalendarDayTypes(const ICalendarDayTypeConstArrayHandle& dayTypes) override;
    // Empties the day types and adds a copy of each of dayTypes in storage order.
    void setCalendarDayTypes(const CCalendarDayTypeArray& dayTypes);
    void addCalendarDayType(const ICalendarDayType& dayType) override {
        (void)m_dayTypes.Add(dayType);
    }
    bool editCalendarDayType(const ICalendarDayType& dayType) override {
        return m_dayTypes.changeElement(dayType);
    }
    [[nodiscard]] bool removeCalendarDayType(int index) override;
    // A missing ID is passed on as position -1, which is refused.
    [[nodiscard]] bool removeCalendarDayType(const CCalendarDayTypeID& id) override {
        m_dayTypes.sort();
        return removeCalendarDayType(m_dayTypes.findByID(id));
    }
    void removeAllCalendarDayTypes() override { m_dayTypes.RemoveAll(); }

    ICalendarConstArrayHandle getSubCalendars() const override;
    ICalendarArrayHandle getSubCalendars() override;
    void addSubCalendar(const ICalendar& calendar) override { (void)m_subCalendars->Add(calendar); }
    [[nodiscard]] bool insertSubCalendar(const ICalendar& calendar, int index) override {
        return m_subCalendars->InsertAt(index, calendar);
    }
    [[nodiscard]] bool removeSubCalendar(const CCalendarID& id) override;
    void removeAllSubCalendars() override { m_subCalendars->RemoveAll(); }
    [[nodiscard]] bool attachSubCalendar(ICalendarWritableHandle calendar, int index) override;
    [[nodiscard]] ICalendarWritableHandle detachSubCalendar(const CCalendarID& id) override;

    // Whether calendar is one of the sub-calendars at any depth below this one.
    bool holds(const ICalendar* calendar) const;
    // Renews the calendar's own ID and its day types' (the week and exceptions follow them);
    // false, changing no day type, when they name a day type the calendar lacks.
    [[nodiscard]] bool renewOwnIDs();

protected:
    void setSubCalendars(const ICalendarConstArrayHandle& calendars) override;

private:
    CCalendarDayTypeArray m_dayTypes;
    // Never null; held through a pointer because the container holds objects of this very class.
    std::unique_ptr<CCalendarArray> m_subCalendars;
};

ZX_DECLARE_KIND(ICalendar, CCalendar, CCalendarID, 0);
