// CZentrixEnumeration<E>: a stored enumeration value, and the enumerations of the object kinds.
//
// Each enumeration E declares its values as an enum class starting at 0 and its value names in
// EnumerationTraits<E>; the names give the dump its text and bound the values a loader accepts.
// Archive record: the value as int32. A value outside the declared range is refused on loading.
// The values are written to disk: append new ones, never reorder or remove.
#pragma once

#include <cstdint>
#include <iterator>
#include <string>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"

template <class E>
struct EnumerationTraits;

template <class E>
class CZentrixEnumeration {
public:
    using Traits = EnumerationTraits<E>;
    static constexpr int s_count = static_cast<int>(std::size(Traits::names));

    constexpr CZentrixEnumeration() = default;
    constexpr CZentrixEnumeration(E value) : m_value(value) {}

    constexpr E getValue() const { return m_value; }
    constexpr int toInt() const { return static_cast<int>(m_value); }
    constexpr explicit operator E() const { return m_value; }
    static constexpr bool isValidValue(int value) { return value >= 0 && value < s_count; }
    const char* name() const { return isValidValue(toInt()) ? Traits::names[toInt()] : "?"; }

    friend constexpr bool operator==(const CZentrixEnumeration&,
                                     const CZentrixEnumeration&) = default;

    void Serialize(CZentrixArchive& ar) {
        std::int32_t value = toInt();
        ar.io(value);
        if (ar.IsLoading()) {
            if (!isValidValue(value)) {
                ar.failAt(ar.position() - sizeof value,
                          std::string("expected a ") + Traits::typeName + " from 0 to " +
                              std::to_string(s_count - 1) + ", found " + std::to_string(value));
            }
            m_value = static_cast<E>(value);
        }
    }

private:
    E m_value{};
};

template <class E>
std::string toDumpText(const CZentrixEnumeration<E>& value) {
    return jsonQuote(value.name());
}

// The enumerations of the schedule kinds.

enum class LinkType : std::int32_t { FinishToStart, StartToStart, FinishToFinish, StartToFinish };
template <>
struct EnumerationTraits<LinkType> {
    static constexpr const char* typeName = "CLinkType";
    static constexpr const char* names[] = {"FinishToStart", "StartToStart", "FinishToFinish",
                                            "StartToFinish"};
};
using CLinkType = CZentrixEnumeration<LinkType>;

enum class CodeType : std::int32_t { Task, Resource, ResourceGroup };
template <>
struct EnumerationTraits<CodeType> {
    static constexpr const char* typeName = "CCodeType";
    static constexpr const char* names[] = {"Task", "Resource", "ResourceGroup"};
};
using CCodeType = CZentrixEnumeration<CodeType>;

enum class CodeCategory : std::int32_t {
    General,
    CostAccount,
    WorkBreakdown,
    Location,
    Discipline
};
template <>
struct EnumerationTraits<CodeCategory> {
    static constexpr const char* typeName = "CCodeCategory";
    static constexpr const char* names[] = {"General", "CostAccount", "WorkBreakdown", "Location",
                                            "Discipline"};
};
using CCodeCategory = CZentrixEnumeration<CodeCategory>;

enum class UserFieldType : std::int32_t { Text, Integer, Number, Boolean, Date, Duration, Cost };
template <>
struct EnumerationTraits<UserFieldType> {
    static constexpr const char* typeName = "CUserFieldType";
    static constexpr const char* names[] = {"Text", "Integer",  "Number", "Boolean",
                                            "Date", "Duration", "Cost"};
};
using CUserFieldType = CZentrixEnumeration<UserFieldType>;

enum class UserFieldCategory : std::int32_t { Task, Resource, ResourceGroup, Project };
template <>
struct EnumerationTraits<UserFieldCategory> {
    static constexpr const char* typeName = "CUserFieldCategory";
    static constexpr const char* names[] = {"Task", "Resource", "ResourceGroup", "Project"};
};
using CUserFieldCategory = CZentrixEnumeration<UserFieldCategory>;

enum class UserFieldDisciplineType : std::int32_t {
    None,
    Architectural,
    Structural,
    Mechanical,
    Electrical,
    Plumbing,
    Civil
};
template <>
struct EnumerationTraits<UserFieldDisciplineType> {
    static constexpr const char* typeName = "CUserFieldDisciplineType";
    static constexpr const char* names[] = {
        "None", "Architectural", "Structural", "Mechanical", "Electrical", "Plumbing", "Civil"};
};
using CUserFieldDisciplineType = CZentrixEnumeration<UserFieldDisciplineType>;

enum class TaskStatus : std::int32_t { Planned, InProgress, Completed, OnHold, Cancelled };
template <>
struct EnumerationTraits<TaskStatus> {
    static constexpr const char* typeName = "CTaskStatus";
    static constexpr const char* names[] = {"Planned", "InProgress", "Completed", "OnHold",
                                            "Cancelled"};
};
using CTaskStatus = CZentrixEnumeration<TaskStatus>;

enum class CostType : std::int32_t { Labour, Material, Equipment, Subcontract, Other };
template <>
struct EnumerationTraits<CostType> {
    static constexpr const char* typeName = "CCostType";
    static constexpr const char* names[] = {"Labour", "Material", "Equipment", "Subcontract",
                                            "Other"};
};
using CCostType = CZentrixEnumeration<CostType>;

enum class TaskReportType : std::int32_t { Progress, Delay, Quality, Safety, Other };
template <>
struct EnumerationTraits<TaskReportType> {
    static constexpr const char* typeName = "CTaskReportType";
    static constexpr const char* names[] = {"Progress", "Delay", "Quality", "Safety", "Other"};
};
using CTaskReportType = CZentrixEnumeration<TaskReportType>;
