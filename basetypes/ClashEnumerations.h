// The enumerations of clash and join tests (their distances are CDistanceUnitType values). Stored
// as CZentrixEnumeration values (int32 records, refused outside their range); the values are
// written to disk: append new ones, never reorder or remove.
#pragma once

#include <cstdint>

#include "basetypes/CZentrixEnumeration.h"

// When a test looks at the model: the whole model at once, at one moment of the schedule, over
// a time range, or following the schedule through time. A new test is Static.
enum class ClashTestMode : std::int32_t { Static, AtTime, TimeRange, FollowSchedule };
template <>
struct EnumerationTraits<ClashTestMode> {
    static constexpr const char* typeName = "CClashTestMode";
    static constexpr const char* names[] = {"Static", "AtTime", "TimeRange", "FollowSchedule"};
};
using CClashTestMode = CZentrixEnumeration<ClashTestMode>;

// What counts as a clash: solids that intersect, solids closer than the tolerance, or
// duplicates (the same geometry twice). A new test looks for Hard clashes.
enum class ClashTestType : std::int32_t { Hard, Clearance, Duplicate };
template <>
struct EnumerationTraits<ClashTestType> {
    static constexpr const char* typeName = "CClashTestType";
    static constexpr const char* names[] = {"Hard", "Clearance", "Duplicate"};
};
using CClashTestType = CZentrixEnumeration<ClashTestType>;

// Where the review of one found clash stands. A new result is New.
enum class ClashStatus : std::int32_t { New, Active, Reviewed, Approved, Resolved };
template <>
struct EnumerationTraits<ClashStatus> {
    static constexpr const char* typeName = "CClashStatus";
    static constexpr const char* names[] = {"New", "Active", "Reviewed", "Approved", "Resolved"};
};
using CClashStatus = CZentrixEnumeration<ClashStatus>;
