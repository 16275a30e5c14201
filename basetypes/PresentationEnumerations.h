// The enumerations of the presentation settings: which tasks and resources a chart or usage
// table takes, how a resource utilisation chart is drawn, which values it shows and over what
// period, and which values a usage table distributes over time. Stored as CZentrixEnumeration
// values (int32 records, refused outside their range); the values are written to disk: append
// new ones, never reorder or remove.
#pragma once

#include <cstdint>

#include "basetypes/CZentrixEnumeration.h"

// Which tasks a chart takes its values from.
enum class ResourceUtilisationTaskSelector : std::int32_t { All, Selected, Filtered };
template <>
struct EnumerationTraits<ResourceUtilisationTaskSelector> {
    static constexpr const char* typeName = "CResourceUtilisationTaskSelector";
    static constexpr const char* names[] = {"All", "Selected", "Filtered"};
};
using CResourceUtilisationTaskSelector = CZentrixEnumeration<ResourceUtilisationTaskSelector>;

// Which resources a resource utilisation chart shows.
enum class ResourceUtilisationResourceSelector : std::int32_t { All, Selected, Filtered };
template <>
struct EnumerationTraits<ResourceUtilisationResourceSelector> {
    static constexpr const char* typeName = "CResourceUtilisationResourceSelector";
    static constexpr const char* names[] = {"All", "Selected", "Filtered"};
};
using CResourceUtilisationResourceSelector =
    CZentrixEnumeration<ResourceUtilisationResourceSelector>;

// One chart per resource, the resources stacked in one chart, or side by side in one chart.
enum class ResourceUtilisationPresentationMode : std::int32_t { PerResource, Stacked, Grouped };
template <>
struct EnumerationTraits<ResourceUtilisationPresentationMode> {
    static constexpr const char* typeName = "CResourceUtilisationPresentationMode";
    static constexpr const char* names[] = {"PerResource", "Stacked", "Grouped"};
};
using CResourceUtilisationPresentationMode =
    CZentrixEnumeration<ResourceUtilisationPresentationMode>;

// What the histogram or the curve of a resource utilisation chart counts.
enum class ResourceUtilisationValueType : std::int32_t { Units, Work, Cost };
template <>
struct EnumerationTraits<ResourceUtilisationValueType> {
    static constexpr const char* typeName = "CResourceUtilisationValueType";
    static constexpr const char* names[] = {"Units", "Work", "Cost"};
};
using CResourceUtilisationValueType = CZentrixEnumeration<ResourceUtilisationValueType>;

// The period values are summed over (a histogram's bar, a usage table's column).
enum class SnapMode : std::int32_t { Day, Week, Month, Quarter, Year, Hour };
template <>
struct EnumerationTraits<SnapMode> {
    static constexpr const char* typeName = "CSnapMode";
    static constexpr const char* names[] = {"Day", "Week", "Month", "Quarter", "Year", "Hour"};
};
using CSnapMode = CZentrixEnumeration<SnapMode>;

// How a chart draws its values: 1 (bars) is a new chart's type.
enum class ChartType : std::int32_t { Line, Bar, Area };
template <>
struct EnumerationTraits<ChartType> {
    static constexpr const char* typeName = "CChartType";
    static constexpr const char* names[] = {"Line", "Bar", "Area"};
};
using CChartType = CZentrixEnumeration<ChartType>;

// What a resource utilisation chart is drawn for: 1 (resources) is a new chart's choice.
enum class DisplayChartFor : std::int32_t { Project, Resources, ResourceGroups };
template <>
struct EnumerationTraits<DisplayChartFor> {
    static constexpr const char* typeName = "CDisplayChartFor";
    static constexpr const char* names[] = {"Project", "Resources", "ResourceGroups"};
};
using CDisplayChartFor = CZentrixEnumeration<DisplayChartFor>;

// A value a usage table distributes over its periods.
enum class TimeDistributedParameterType : std::int32_t {
    PlannedUnits,
    ActualUnits,
    RemainingUnits,
    PlannedWork,
    ActualWork,
    RemainingWork,
    PlannedCost,
    ActualCost,
    RemainingCost
};
template <>
struct EnumerationTraits<TimeDistributedParameterType> {
    static constexpr const char* typeName = "CTimeDistributedParameterType";
    static constexpr const char* names[] = {"PlannedUnits", "ActualUnits", "RemainingUnits",
                                            "PlannedWork",  "ActualWork",  "RemainingWork",
                                            "PlannedCost",  "ActualCost",  "RemainingCost"};
};
using CTimeDistributedParameterType = CZentrixEnumeration<TimeDistributedParameterType>;
