// Calendars: the conformance suite, the default calendar, identifier renewal with its day-type
// remapping and failure, time blocks (limits and merging), exceptions by date, sub-calendar
// moves by identity and malformed records.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "schedule/CCalendar.h"
#include "schedule/CCalendarDayType.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::load;
using conformance::save;

CProjectTimeOfDaySpan span(int fromHour, int fromMinute, int toHour, int toMinute) {
    return {CProjectTimeOfDay(fromHour, fromMinute), CProjectTimeOfDay(toHour, toMinute)};
}

std::vector<std::pair<int, int>> blocksOf(const ICalendarDayType& dayType) {
    std::vector<std::pair<int, int>> blocks;
    const CProjectTimeOfDaySpanArray& array = dayType.getTimeOfDaySpanArray();
    for (int i = 0; i < array.GetSize(); ++i)
        blocks.emplace_back(array[i].getStart().getMinutesSinceMidnight(),
                            array[i].getEnd().getMinutesSinceMidnight());
    return blocks;
}

CCalendar namedCalendar(const wchar_t* name) {
    CCalendar calendar;
    EXPECT_TRUE(calendar.tryGenerateIDs());
    calendar.setName(name);
    return calendar;
}

// Owns a calendar that a detach handed out, as the caller of detachSubCalendar must.
std::unique_ptr<ICalendar> adopt(const ICalendarWritableHandle& handle) {
    return std::unique_ptr<ICalendar>(handle.isNull() ? nullptr : &*handle);
}

TEST(Calendar, NewCalendarIsTheDefaultFiveDayCalendar) {
    const CCalendar calendar;
    EXPECT_EQ(calendar.getID(), CCalendarID(CString(L"1e6717b6-e37a-4046-a86e-d5dc457a2de6")));
    EXPECT_TRUE(calendar.getName().IsEmpty());
    EXPECT_EQ(calendar.getSubCalendars().GetSize(), 0);
    EXPECT_FALSE(calendar.getSubCalendars().isNull());
    EXPECT_EQ(calendar.getCalendarDayExceptions().GetSize(), 0);

    const auto dayTypes = calendar.getCalendarDayTypes();
    ASSERT_EQ(dayTypes.GetSize(), 2);
    const ICalendarDayTypeHandle working = dayTypes.getConstReference(0);
    const ICalendarDayTypeHandle nonWorking = dayTypes.getConstReference(1);
    EXPECT_EQ(working->getID(),
              CCalendarDayTypeID(CString(L"c7ea95b1-c2f2-7d48-86f0-17d37bbd5484")));
    EXPECT_EQ(nonWorking->getID(),
              CCalendarDayTypeID(CString(L"6c231cb1-ae9b-9d4a-b478-20cbaaf96c45")));
    EXPECT_EQ(working->getDayType(), CDayType(CDayType::CDay::Working));
    EXPECT_EQ(working->getColor(), CProjectColorRGB(0xC8D0D4));
    EXPECT_EQ(blocksOf(*working), (std::vector<std::pair<int, int>>{{9 * 60, 17 * 60}}));
    EXPECT_EQ(nonWorking->getDayType(), CDayType(CDayType::CDay::NonWorking));
    EXPECT_EQ(nonWorking->getNumberOfTimeBlocks(), 0);

    const CCalendarWeek& week = calendar.getCalendarWeek();
    for (int day = 1; day <= 7; ++day) {
        const bool weekend = day == 1 || day == 7;
        EXPECT_EQ(week.getDayTypeID(day), weekend ? nonWorking->getID() : working->getID())
            << "day " << day;
    }
    EXPECT_FALSE(week.getDayTypeID(0).isValid());
    EXPECT_FALSE(week.getDayTypeID(8).isValid());
}

TEST(Calendar, ClearRestoresTheDefaultCalendar) {
    CCalendar calendar = namedCalendar(L"Site");
    calendar.addSubCalendar(namedCalendar(L"Crane"));
    ASSERT_GE(
        calendar.addCalendarException(
            {calendar.getCalendarWeek().getDayTypeID(1), CProjectDate::fromYMD(2025, 12, 25)}, -1),
        0);
    calendar.clear();
    EXPECT_TRUE(calendar == CCalendar());
}

TEST(Calendar, GenerateIDsRemapsWeekAndExceptionsToTheRenewedDayTypes) {
    const CCalendar original;
    CCalendar calendar;
    calendar.addSubCalendar(CCalendar());
    const CCalendarDayTypeID nonWorking = calendar.getCalendarWeek().getDayTypeID(1);
    ASSERT_EQ(calendar.addCalendarException({nonWorking, CProjectDate::fromYMD(2025, 5, 1)}, -1),
              0);

    ASSERT_TRUE(calendar.tryGenerateIDs());
    EXPECT_NE(calendar.getID(), original.getID());
    const auto dayTypes = calendar.getCalendarDayTypes();
    ASSERT_EQ(dayTypes.GetSize(), 2);
    const CCalendarDayTypeID working = dayTypes.getConstReference(0)->getID();
    const CCalendarDayTypeID renewedNonWorking = dayTypes.getConstReference(1)->getID();
    EXPECT_NE(working, original.getCalendarDayTypes().getConstReference(0)->getID());
    EXPECT_NE(renewedNonWorking, nonWorking);
    // The lookups by ID follow the new IDs.
    EXPECT_EQ(dayTypes.findByID(renewedNonWorking), 1);
    EXPECT_EQ(dayTypes.findByID(nonWorking), -1);

    const CCalendarWeek& week = calendar.getCalendarWeek();
    for (int day = 1; day <= 7; ++day)
        EXPECT_EQ(week.getDayTypeID(day), day == 1 || day == 7 ? renewedNonWorking : working);
    EXPECT_EQ(calendar.getCalendarDayExceptions().getConstReference(0).getCalendarDayTypeID(),
              renewedNonWorking);

    // The sub-calendar was renewed too and is found under its new ID.
    const auto subCalendars = calendar.getSubCalendars();
    const CCalendarID subID = subCalendars.getConstReference(0)->getID();
    EXPECT_NE(subID, original.getID());
    EXPECT_EQ(subCalendars.findByID(subID), 0);
}

TEST(Calendar, GenerateIDsFailsOnAMissingDayTypeAndKeepsTheReferences) {
    const CCalendarDayTypeID stranger(CIDBase::generate());
    const auto expectRefused = [](CCalendar& calendar) {
        const CCalendar before(calendar);
        EXPECT_FALSE(calendar.tryGenerateIDs());
        EXPECT_NE(calendar.getID(), before.getID());
        EXPECT_TRUE(calendar.getCalendarWeek() == before.getCalendarWeek());
        EXPECT_TRUE(calendar.getCalendarDayExceptions() == before.getCalendarDayExceptions());
        EXPECT_TRUE(calendar.getCalendarDayTypes() == before.getCalendarDayTypes());
    };

    CCalendar weekMiss;
    CCalendarWeek week = weekMiss.getCalendarWeek();
    week.setDayTypeID(4, stranger);
    weekMiss.setCalendarWeek(week);
    expectRefused(weekMiss);

    CCalendar exceptionMiss;
    ASSERT_EQ(exceptionMiss.addCalendarException({stranger, CProjectDate(10)}, -1), 0);
    expectRefused(exceptionMiss);

    // Removing a day type the week still uses is allowed; renewal then fails.
    CCalendar removed;
    EXPECT_TRUE(removed.removeCalendarDayType(removed.getCalendarWeek().getDayTypeID(1)));
    EXPECT_FALSE(removed.removeCalendarDayType(stranger));
    expectRefused(removed);
}

TEST(Calendar, GenerateIDsGivesItsResultThroughTheInterfaceAndRunsForGenericCallers) {
    static_assert(std::is_same_v<decltype(std::declval<ICalendar&>().generateIDs()), bool>);
    CCalendar consistent;
    ICalendar& asInterface = consistent;
    EXPECT_TRUE(asInterface.generateIDs());
    EXPECT_NE(consistent.getID(), CCalendar().getID());

    CCalendar broken;
    CCalendarWeek week = broken.getCalendarWeek();
    week.setDayTypeID(3, CCalendarDayTypeID(CIDBase::generate()));
    broken.setCalendarWeek(week);
    ICalendar& brokenInterface = broken;
    EXPECT_FALSE(brokenInterface.generateIDs());

    // Code that renews any kind alike (an owner renewing its children) gets the calendar's own
    // renewal: the week follows the renewed day types.
    CCalendar generic;
    IDescribed<ICalendar>& described = generic;
    described.generateIDs();
    const ICalendarDayTypeArrayHandle dayTypes = generic.getCalendarDayTypes();
    const CCalendarDayTypeID working = dayTypes.getConstReference(0)->getID();
    EXPECT_NE(working, CCalendar().getCalendarDayTypes().getConstReference(0)->getID());
    for (int day = 2; day <= 6; ++day)
        EXPECT_EQ(generic.getCalendarWeek().getDayTypeID(day), working);
}

TEST(CalendarDayType, SetTimeBlockResizesTheListWithinTheLimit) {
    CCalendarDayType dayType;
    dayType.setTimeBlock(24, span(8, 0, 9, 0));
    dayType.setTimeBlock(-1, span(8, 0, 9, 0));
    EXPECT_EQ(dayType.getNumberOfTimeBlocks(), 0);

    dayType.setTimeBlock(2, span(13, 0, 17, 0));
    EXPECT_EQ(blocksOf(dayType),
              (std::vector<std::pair<int, int>>{{0, 0}, {0, 0}, {13 * 60, 17 * 60}}));
    dayType.setTimeBlock(1, span(8, 30, 12, 0));
    EXPECT_EQ(blocksOf(dayType),
              (std::vector<std::pair<int, int>>{{0, 0}, {8 * 60 + 30, 12 * 60}}));
    dayType.setTimeBlock(23, span(23, 0, 24, 0));
    EXPECT_EQ(dayType.getNumberOfTimeBlocks(), 24);

    dayType.deleteTimeBlock(24);
    dayType.deleteTimeBlock(-1);
    EXPECT_EQ(dayType.getNumberOfTimeBlocks(), 24);
    dayType.deleteTimeBlock(0);
    EXPECT_EQ(dayType.getNumberOfTimeBlocks(), 23);

    CProjectTimeOfDaySpanArray blocks;
    blocks.SetSize(25);
    dayType.setTimeOfDaySpanArray(blocks);
    EXPECT_EQ(dayType.getNumberOfTimeBlocks(), 23);
    blocks.SetSize(24);
    dayType.setTimeOfDaySpanArray(std::move(blocks));
    EXPECT_EQ(dayType.getNumberOfTimeBlocks(), 24);
    dayType.clearTimeBlocks();
    EXPECT_EQ(dayType.getNumberOfTimeBlocks(), 0);

    // Times outside a day are pinned to its ends.
    EXPECT_EQ(CProjectTimeOfDay(25, 0).getMinutesSinceMidnight(), 24 * 60);
    EXPECT_EQ(CProjectTimeOfDay(0, -5).getMinutesSinceMidnight(), 0);
}

TEST(CalendarDayType, ValidateTimeBlocksSortsAndMergesTouchingBlocks) {
    using Blocks = std::vector<std::pair<int, int>>;
    const auto validated = [](const std::vector<CProjectTimeOfDaySpan>& spans) {
        CCalendarDayType dayType;
        for (int i = 0; i < static_cast<int>(spans.size()); ++i)
            dayType.setTimeBlock(i, spans[static_cast<std::size_t>(i)]);
        dayType.validateTimeBlocks();
        return blocksOf(dayType);
    };
    EXPECT_EQ(validated({span(14, 0, 18, 0), span(12, 0, 13, 0), span(8, 0, 12, 0)}),
              (Blocks{{8 * 60, 13 * 60}, {14 * 60, 18 * 60}}));
    // A block inside another one cuts it short.
    EXPECT_EQ(validated({span(9, 0, 17, 0), span(10, 0, 11, 0)}), (Blocks{{9 * 60, 11 * 60}}));
    // A chain of overlaps ends in one block.
    EXPECT_EQ(validated({span(8, 0, 10, 0), span(9, 0, 12, 0), span(11, 0, 15, 0)}),
              (Blocks{{8 * 60, 15 * 60}}));
    EXPECT_EQ(validated({}), Blocks{});
}

TEST(Calendar, ExceptionsAreKeyedByDate) {
    CCalendar calendar;
    const CCalendarDayTypeID off = calendar.getCalendarWeek().getDayTypeID(1);
    const CCalendarDayTypeID on = calendar.getCalendarWeek().getDayTypeID(2);
    const CCalendarExceptionArray& exceptions = calendar.getCalendarDayExceptions();
    const auto storedDays = [&exceptions] {
        std::vector<int> days;
        for (int i = 0; i < exceptions.GetSize(); ++i)
            days.push_back(exceptions.getConstReference(i).getDate().getDays());
        return days;
    };
    const auto daysInDateOrder = [&exceptions] {
        std::vector<int> days;
        for (int k = 0; k < exceptions.GetSize(); ++k)
            days.push_back(exceptions.getConstOrderedReference(k).getDate().getDays());
        return days;
    };

    EXPECT_EQ(calendar.addCalendarException({off, CProjectDate(20)}, -1), 0);
    EXPECT_EQ(calendar.addCalendarException({off, CProjectDate(40)}, -1), 1);
    // An index outside the stored exceptions (here equal to the count) appends; the ordered
    // index keeps the dates in order.
    EXPECT_EQ(calendar.addCalendarException({on, CProjectDate(30)}, 2), 2);
    // An index inside the array inserts there, whatever the date.
    EXPECT_EQ(calendar.addCalendarException({on, CProjectDate(5)}, 2), 2);
    EXPECT_EQ(calendar.addCalendarException({on, CProjectDate(10)}, 99), 4);
    EXPECT_EQ(calendar.addCalendarException({on, CProjectDate(1)}, -7), 5);
    EXPECT_EQ(storedDays(), (std::vector<int>{20, 40, 5, 30, 10, 1}));
    EXPECT_EQ(daysInDateOrder(), (std::vector<int>{1, 5, 10, 20, 30, 40}));
    EXPECT_EQ(exceptions.findByID(CProjectDate(5)), 2);
    EXPECT_EQ(exceptions.findByID(CProjectDate(10)), 4);

    for (const int index : {-1, 0, 2, 6, 9})
        EXPECT_EQ(calendar.addCalendarException({on, CProjectDate(30)}, index), -1) << index;
    EXPECT_EQ(exceptions.GetSize(), 6);

    EXPECT_FALSE(calendar.removeCalendarDayException(6));
    EXPECT_FALSE(calendar.removeCalendarDayException(-1));
    EXPECT_TRUE(calendar.removeCalendarDayException(2));
    EXPECT_EQ(storedDays(), (std::vector<int>{20, 40, 30, 10, 1}));
    EXPECT_EQ(daysInDateOrder(), (std::vector<int>{1, 10, 20, 30, 40}));
    EXPECT_EQ(exceptions.findByID(CProjectDate(5)), -1);
    EXPECT_EQ(exceptions.findByID(CProjectDate(40)), 1);
    EXPECT_EQ(exceptions.findByID(CProjectDate(1)), 4);
}

TEST(Calendar, SubCalendarsMoveByIdentity) {
    CCalendar site = namedCalendar(L"Site");
    CCalendar office = namedCalendar(L"Office");
    site.addSubCalendar(namedCalendar(L"Crane"));
    const CCalendarID craneID = site.getSubCalendars().getConstReference(0)->getID();
    {
        // The crane calendar gets a sub-calendar of its own, which must travel with it.
        ICalendarWritableHandle crane = site.getSubCalendars().getWritableReference(0);
        crane->addSubCalendar(namedCalendar(L"Night shift"));
    }
    const ICalendar* cranePointer = &*site.getSubCalendars().getConstReference(0);

    EXPECT_TRUE(adopt(site.detachSubCalendar(CCalendarID(CIDBase::generate()))) == nullptr);
    ICalendarWritableHandle detached = site.detachSubCalendar(craneID);
    ASSERT_FALSE(detached.isNull());
    EXPECT_EQ(site.getSubCalendars().GetSize(), 0);
    EXPECT_EQ(&*detached, cranePointer);

    EXPECT_FALSE(office.attachSubCalendar(detached, 1));
    EXPECT_FALSE(office.attachSubCalendar(detached, -1));
    EXPECT_FALSE(office.attachSubCalendar(ICalendarWritableHandle(), 0));
    ASSERT_TRUE(office.attachSubCalendar(detached, 0));
    const ICalendarHandle moved = office.getSubCalendars().find(craneID);
    ASSERT_FALSE(moved.isNull());
    EXPECT_EQ(&*moved, cranePointer);
    EXPECT_EQ(moved->getSubCalendars().GetSize(), 1);

    // A second calendar with the same ID is refused and stays the caller's.
    CCalendar twin;
    twin.copyFrom(*moved);
    EXPECT_FALSE(office.attachSubCalendar(twin.getWritableHandle(), 0));
    EXPECT_FALSE(office.insertSubCalendar(twin, 0));
    // A calendar cannot own itself or one of its owners.
    EXPECT_FALSE(office.attachSubCalendar(office.getWritableHandle(), 0));
    EXPECT_FALSE(office.getSubCalendars().getWritableReference(0)->attachSubCalendar(
        office.getWritableHandle(), 0));

    EXPECT_FALSE(office.insertSubCalendar(namedCalendar(L"Far"), 2));
    EXPECT_TRUE(office.insertSubCalendar(namedCalendar(L"Near"), 0));
    EXPECT_EQ(office.getSubCalendars().findByID(craneID), 1);
    EXPECT_TRUE(office.removeSubCalendar(craneID));
    EXPECT_FALSE(office.removeSubCalendar(craneID));
    office.removeAllSubCalendars();
    EXPECT_FALSE(office.getSubCalendars().isNull());
    EXPECT_EQ(office.getSubCalendars().GetSize(), 0);
}

TEST(Calendar, DayTypeCollectionOperations) {
    CCalendar calendar;
    CCalendarDayType holiday;
    holiday.generateIDs();
    holiday.setDescription(L"Holiday");
    calendar.addCalendarDayType(holiday);
    calendar.addCalendarDayType(holiday);
    EXPECT_EQ(calendar.getCalendarDayTypes().GetSize(), 3);

    holiday.setColor(CProjectColorRGB(0x0000FF));
    EXPECT_TRUE(calendar.editCalendarDayType(holiday));
    EXPECT_EQ(calendar.getCalendarDayTypes().find(holiday.getID())->getColor(),
              CProjectColorRGB(0x0000FF));
    CCalendarDayType stranger;
    stranger.generateIDs();
    EXPECT_FALSE(calendar.editCalendarDayType(stranger));

    // Setting from the calendar's own collection keeps it as it was.
    CCalendarDayTypeArray copy;
    (void)copy.Add(holiday);
    calendar.setCalendarDayTypes(copy);
    EXPECT_EQ(calendar.getCalendarDayTypes().GetSize(), 1);
    const CCalendar before(calendar);
    calendar.setCalendarDayTypes(calendar.getCalendarDayTypes());
    EXPECT_TRUE(calendar == before);

    EXPECT_FALSE(calendar.removeCalendarDayType(1));
    EXPECT_TRUE(calendar.removeCalendarDayType(0));
    EXPECT_EQ(calendar.getCalendarDayTypes().findByID(holiday.getID()), -1);
}

TEST(Calendar, MalformedRecordsAreRefused) {
    CCalendar calendar = namedCalendar(L"Site");
    calendar.addSubCalendar(namedCalendar(L"Crane"));
    ASSERT_EQ(calendar.addCalendarException(
                  {calendar.getCalendarWeek().getDayTypeID(1), CProjectDate(100)}, -1),
              0);
    const auto bytes = save(calendar);
    EXPECT_TRUE(load<CCalendar>(bytes) == calendar);
    for (std::size_t n = 8; n < bytes.size(); ++n) {
        CZentrixArchive in{std::span<const std::byte>(bytes.data(), n)};
        CCalendar target;
        EXPECT_THROW(target.Serialize(in), CArchiveException) << "prefix of " << n << " bytes";
    }

    // A day type with 25 blocks or a time outside the day cannot be loaded. The blocks end the
    // record: count, then start and end minutes of each.
    CCalendarDayType full;
    for (int i = 0; i < 24; ++i) full.setTimeBlock(i, span(1, 0, 2, 0));
    const auto full24 = save(full);
    const auto patched = [&](std::size_t fromEnd, std::int32_t value, std::size_t extra = 0) {
        auto copy = full24;
        std::array<std::byte, sizeof value> raw;
        std::memcpy(raw.data(), &value, sizeof value);
        for (std::size_t i = 0; i < raw.size(); ++i) copy.at(copy.size() - fromEnd + i) = raw[i];
        copy.resize(copy.size() + extra, std::byte{0});
        return copy;
    };
    EXPECT_NO_THROW((void)load<CCalendarDayType>(patched(4, 24 * 60))) << "24:00 ends a day";
    EXPECT_THROW((void)load<CCalendarDayType>(patched(4, 24 * 60 + 1)), CArchiveException);
    EXPECT_THROW((void)load<CCalendarDayType>(patched(8, -1)), CArchiveException);
    EXPECT_THROW((void)load<CCalendarDayType>(patched(24 * 8 + 4, 25, 8)), CArchiveException);
}

}  // namespace
