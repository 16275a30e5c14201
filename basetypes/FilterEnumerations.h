// The enumerations of the task, 3D and path filters: how a filter combines its sub-filters, whether
// a sub-filter keeps or drops what it matches, which company of a task counts, where a
// look-ahead window starts and which date of a task bounds a date range; and how finely a 3D
// filter picks the parts of the model.
// Stored like every CZentrixEnumeration: the value as int32, refused on loading outside the names.
// The values are written to disk: append new ones, never reorder or remove.
#pragma once

#include <cstdint>

#include "basetypes/CZentrixEnumeration.h"

// How the sub-filters in use combine: a task must meet all of them, or any one of them.
enum class FilterMode : std::int32_t { MatchAll, MatchAny };
template <>
struct EnumerationTraits<FilterMode> {
    static constexpr const char* typeName = "CFilterMode";
    static constexpr const char* names[] = {"MatchAll", "MatchAny"};
};
using CFilterMode = CZentrixEnumeration<FilterMode>;

// Whether a sub-filter keeps what it matches or keeps everything else.
enum class FilterPolarity : std::int32_t { Include, Exclude };
template <>
struct EnumerationTraits<FilterPolarity> {
    static constexpr const char* typeName = "CFilterPolarity";
    static constexpr const char* names[] = {"Include", "Exclude"};
};
using CFilterPolarity = CZentrixEnumeration<FilterPolarity>;

// Which company a task is matched by: the one responsible for it, the companies of its assigned
// resources, or either.
enum class CompanySubFilterMode : std::int32_t { Responsible, AssignedResources, Either };
template <>
struct EnumerationTraits<CompanySubFilterMode> {
    static constexpr const char* typeName = "CCompanySubFilterMode";
    static constexpr const char* names[] = {"Responsible", "AssignedResources", "Either"};
};
using CCompanySubFilterMode = CZentrixEnumeration<CompanySubFilterMode>;

// Where a look-ahead window starts: at the current time, at the project's data date, or at the
// project's start.
enum class LookAheadFilterMode : std::int32_t { FromNow, FromDataDate, FromProjectStart };
template <>
struct EnumerationTraits<LookAheadFilterMode> {
    static constexpr const char* typeName = "CLookAheadFilterMode";
    static constexpr const char* names[] = {"FromNow", "FromDataDate", "FromProjectStart"};
};
using CLookAheadFilterMode = CZentrixEnumeration<LookAheadFilterMode>;

// Which date bounds one end of a date range: a fixed date, or the start or finish of a chosen
// task (plus the range's lag).
enum class DateType : std::int32_t { Fixed, TaskStart, TaskFinish };
template <>
struct EnumerationTraits<DateType> {
    static constexpr const char* typeName = "CDateType";
    static constexpr const char* names[] = {"Fixed", "TaskStart", "TaskFinish"};
};
using CDateType = CZentrixEnumeration<DateType>;

// How finely a 3D filter that positions and key frames switch on picks the model: whole entities,
// or the parts of entities.
enum class FilterGranularityMode3D : std::int32_t { Entity, EntityPart };
template <>
struct EnumerationTraits<FilterGranularityMode3D> {
    static constexpr const char* typeName = "C3DFilterGranularityMode";
    static constexpr const char* names[] = {"Entity", "EntityPart"};
};
using C3DFilterGranularityMode = CZentrixEnumeration<FilterGranularityMode3D>;
