// The enumerations of the external sources: which kind of source a synchronizer links to, and
// how an Excel source's tables and columns map to the project. Stored as CZentrixEnumeration
// values (an int32 record, refused outside its range); the values are written to disk: append new
// ones, never reorder or remove.
#pragma once

#include <cstdint>

#include "basetypes/CZentrixEnumeration.h"

// The source a synchronizer reads from and writes to. None until the synchronizer's Init; XML and
// NetPoint sources keep the same settings.
enum class SynchronizerType : std::int32_t {
    None,
    Asta,
    Primavera,
    XML,
    Entity3D,
    IFC,
    NetPoint,
    Saprima,
    Zentrix,
    Ourplan,
    Safran,
    Orbeon,
    Excel,
};
template <>
struct EnumerationTraits<SynchronizerType> {
    static constexpr const char* typeName = "CSynchronizerType";
    static constexpr const char* names[] = {
        "None",    "Asta",    "Primavera", "XML",    "Entity3D", "IFC",  "NetPoint",
        "Saprima", "Zentrix", "Ourplan",   "Safran", "Orbeon",   "Excel"};
};
using CSynchronizerType = CZentrixEnumeration<SynchronizerType>;

// What an Excel sheet holds. A source has at most one sheet of activities, the one that makes
// tasks.
enum class ExcelTableType : std::int32_t { Other, Activities, Resources, Assignments, Links };
template <>
struct EnumerationTraits<ExcelTableType> {
    static constexpr const char* typeName = "CExcelTableType";
    static constexpr const char* names[] = {"Other", "Activities", "Resources", "Assignments",
                                            "Links"};
};
using CExcelTableType = CZentrixEnumeration<ExcelTableType>;

// The role of a sheet's column. A sheet has at most one column of each role but Data, which any
// number of columns hold.
enum class ExcelColumnType : std::int32_t {
    Data,
    Identifier,
    Name,
    Start,
    Finish,
    Duration,
    Outline,
    Predecessors,
    Resource,
};
template <>
struct EnumerationTraits<ExcelColumnType> {
    static constexpr const char* typeName = "CExcelColumnType";
    static constexpr const char* names[] = {"Data",    "Identifier",   "Name",
                                            "Start",   "Finish",       "Duration",
                                            "Outline", "Predecessors", "Resource"};
};
using CExcelColumnType = CZentrixEnumeration<ExcelColumnType>;

// Where a column's values go in the project: nowhere, a built-in field of the object, a user field
// or an activity code (the last two named by the column's ID), or a new user field.
enum class ColumnType : std::int32_t { None, Field, UserField, Code, NewUserField };
template <>
struct EnumerationTraits<ColumnType> {
    static constexpr const char* typeName = "CColumnType";
    static constexpr const char* names[] = {"None", "Field", "UserField", "Code", "NewUserField"};
};
using CColumnType = CZentrixEnumeration<ColumnType>;

// The unit a bare number in a duration or resource column stands for.
enum class DurationDefaultUnits : std::int32_t { Minutes, Hours, Days, Weeks, Months };
template <>
struct EnumerationTraits<DurationDefaultUnits> {
    static constexpr const char* typeName = "CDurationDefaultUnits";
    static constexpr const char* names[] = {"Minutes", "Hours", "Days", "Weeks", "Months"};
};
using CDurationDefaultUnits = CZentrixEnumeration<DurationDefaultUnits>;
