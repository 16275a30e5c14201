#include "schedule/CCalendar.h"

#include <vector>

#include "store/CollectionOps.h"
#include "store/FreeTree.h"

namespace {

template <class ID>
ID fixedID(const char* guid) {
    ID id;
    (void)id.setGUID(CString::fromUtf8(guid));
    return id;
}

CCalendarDayType defaultDayType(const char* guid, const CString& description, std::uint32_t color,
                                CalendarDay type) {
    CCalendarDayType dayType;
    dayType.setID(fixedID<CCalendarDayTypeID>(guid));
    dayType.setDescription(description);
    dayType.setColor(CProjectColorRGB(color));
    dayType.setDayType(type);
    return dayType;
}

}  // namespace

// Defined here rather than in the interface header: it is the only code of the interface that
// needs more than the fields.
int ICalendar::addCalendarException(const CCalendarException& exception, int index) {
    CCalendarExceptionArray& exceptions = fields().exceptions;
    if (index >= 0 && index < exceptions.GetSize())
        return exceptions.insertValue(index, exception) ? index : -1;
    // Added by date: stored at the end, entered in the ordered index at its date.
    return exceptions.addValue(exception);
}

CCalendar::CCalendar() : m_subCalendars(std::make_unique<CCalendarArray>()) { clear(); }

CCalendar::CCalendar(const CCalendar& other)
    : CStored<CCalendar, ICalendar>(), m_subCalendars(std::make_unique<CCalendarArray>()) {
    copyFrom(other);
}

CCalendar& CCalendar::operator=(const CCalendar& other) {
    copyFrom(other);
    return *this;
}

// Without recursion however deep the tree below (see store/FreeTree.h).
CCalendar::~CCalendar() {
    zx::freeTree(m_subCalendars.get(), [](CCalendar& child) { return child.m_subCalendars.get(); });
}

void CCalendar::clear() {
    // Empties the name, week and exceptions and removes every day type and sub-calendar.
    IDescribed<ICalendar>::initialize();

    CCalendarDayType working = defaultDayType(s_workingDayTypeGUID, getWorkingDayName(),
                                              s_workingDayColor, CalendarDay::Working);
    working.setTimeBlock(0,
                         CProjectTimeOfDaySpan(CProjectTimeOfDay(9, 0), CProjectTimeOfDay(17, 0)));
    const CCalendarDayType nonWorking =
        defaultDayType(s_nonWorkingDayTypeGUID, getNonWorkingDayName(), s_nonWorkingDayColor,
                       CalendarDay::NonWorking);

    setID(fixedID<CCalendarID>(s_defaultCalendarGUID));
    addCalendarDayType(working);
    addCalendarDayType(nonWorking);

    CCalendarWeek week;
    for (int day = 1; day <= CCalendarWeek::getSize(); ++day) {
        const bool weekend = day == 1 || day == CCalendarWeek::getSize();
        week.setDayTypeID(day, weekend ? nonWorking.getID() : working.getID());
    }
    setCalendarWeek(week);
}

bool CCalendar::tryGenerateIDs() {
    if (!renewOwnIDs()) return false;
    // The sub-calendars from a work-list: a deep tree takes no deeper stack. A sub-calendar that
    // cannot renew its day types keeps its sub-calendars as they were, as it does on its own.
    std::vector<CCalendar*> pending{this};
    while (!pending.empty()) {
        CCalendar& calendar = *pending.back();
        pending.pop_back();
        CCalendarArray& children = *calendar.m_subCalendars;
        for (int i = 0; i < children.GetSize(); ++i) {
            CCalendar& child = children.getWritableReference(i);
            if (child.renewOwnIDs()) pending.push_back(&child);
        }
        // The index still holds the old IDs.
        children.discardSorting();
        children.sort();
    }
    return true;
}

bool CCalendar::renewOwnIDs() {
    fields().id.generateInPlace();

    // Position p of renewed is the renewed copy of day type p.
    CCalendarDayTypeArray renewed;
    renewed.Reserve(m_dayTypes.GetSize());
    for (int i = 0; i < m_dayTypes.GetSize(); ++i) {
        CCalendarDayType copy(m_dayTypes.getConstReference(i));
        copy.generateIDs();
        (void)renewed.Add(copy);
    }
    // Lookups by ID need the index.
    m_dayTypes.sort();
    // The renewed ID of the day type with this ID; null when the calendar has no such day type.
    const auto renewedID = [&](const CCalendarDayTypeID& id) -> const CCalendarDayTypeID* {
        const int i = m_dayTypes.findByID(id);
        if (i < 0 || i >= renewed.GetSize()) return nullptr;
        return &renewed.getConstReference(i).getID();
    };

    // Both are rewritten aside and taken only when every reference resolves, so a failure leaves
    // them as they were.
    CCalendarWeek week = getCalendarWeek();
    for (int day = 1; day <= CCalendarWeek::getSize(); ++day) {
        const CCalendarDayTypeID* id = renewedID(week.getDayTypeID(day));
        if (!id) return false;
        week.setDayTypeID(day, *id);
    }
    CCalendarExceptionArray exceptions = getCalendarDayExceptions();
    for (int i = 0; i < exceptions.GetSize(); ++i) {
        CCalendarException& exception = exceptions.getWritableReference(i);
        const CCalendarDayTypeID* id = renewedID(exception.getCalendarDayTypeID());
        if (!id) return false;
        // The key is the date, so the index stays valid.
        exception.setCalendarDayTypeID(*id);
    }

    fields().week = week;
    fields().exceptions = std::move(exceptions);
    m_dayTypes = std::move(renewed);
    return true;
}

ICalendarDayTypeConstArrayHandle CCalendar::getCalendarDayTypes() const {
    return ICalendarDayTypeConstArrayHandle::over(&m_dayTypes);
}

ICalendarDayTypeArrayHandle CCalendar::getCalendarDayTypes() {
    return ICalendarDayTypeArrayHandle::over(&m_dayTypes);
}

void CCalendar::setCalendarDayTypes(const ICalendarDayTypeConstArrayHandle& dayTypes) {
    replaceWithCopies(m_dayTypes, dayTypes);
}

void CCalendar::setCalendarDayTypes(const CCalendarDayTypeArray& dayTypes) {
    // A copy first: dayTypes may be this calendar's own collection.
    const CCalendarDayTypeArray source(dayTypes);
    removeAllCalendarDayTypes();
    for (int i = 0; i < source.GetSize(); ++i) addCalendarDayType(source.getConstReference(i));
}

bool CCalendar::removeCalendarDayType(int index) { return removeAtKeepingSort(m_dayTypes, index); }

ICalendarConstArrayHandle CCalendar::getSubCalendars() const {
    return ICalendarConstArrayHandle::over(m_subCalendars.get());
}

ICalendarArrayHandle CCalendar::getSubCalendars() {
    return ICalendarArrayHandle::over(m_subCalendars.get());
}

bool CCalendar::removeSubCalendar(const CCalendarID& id) {
    return removeByIDKeepingSort(*m_subCalendars, id);
}

bool CCalendar::attachSubCalendar(ICalendarWritableHandle calendar, int index) {
    if (calendar.isNull() || index < 0 || index > m_subCalendars->GetSize()) return false;
    // Owning itself, directly or through a sub-calendar, would make the tree a cycle that no
    // destructor ever ends.
    const auto* incoming = static_cast<const CCalendar*>(calendar.get());
    if (incoming == this || incoming->holds(this)) return false;
    return attachFromHandle(*m_subCalendars, calendar, index);
}

ICalendarWritableHandle CCalendar::detachSubCalendar(const CCalendarID& id) {
    return detachToHandle(*m_subCalendars, id);
}

bool CCalendar::holds(const ICalendar* calendar) const {
    std::vector<const CCalendar*> pending{this};
    while (!pending.empty()) {
        const CCalendarArray& children = *pending.back()->m_subCalendars;
        pending.pop_back();
        for (int i = 0; i < children.GetSize(); ++i) {
            const CCalendar& child = children.getConstReference(i);
            if (&child == calendar) return true;
            pending.push_back(&child);
        }
    }
    return false;
}

void CCalendar::setSubCalendars(const ICalendarConstArrayHandle& calendars) {
    replaceWithCopies(*m_subCalendars, calendars);
}

ZX_INSTANTIATE_KIND(ICalendar, CCalendar, CCalendarID, 0);
