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
    return zx::jsonQuote(value.name());
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

// Task and assignment enumerations.

enum class TaskType : std::int32_t {
    TaskDependent,
    ResourceDependent,
    StartMilestone,
    FinishMilestone,
    LevelOfEffort,
    WbsSummary
};
template <>
struct EnumerationTraits<TaskType> {
    static constexpr const char* typeName = "CTaskType";
    static constexpr const char* names[] = {"TaskDependent",  "ResourceDependent",
                                            "StartMilestone", "FinishMilestone",
                                            "LevelOfEffort",  "WbsSummary"};
};
using CTaskType = CZentrixEnumeration<TaskType>;

enum class DurationType : std::int32_t { FixedDuration, FixedUnits, FixedWork };
template <>
struct EnumerationTraits<DurationType> {
    static constexpr const char* typeName = "CDurationType";
    static constexpr const char* names[] = {"FixedDuration", "FixedUnits", "FixedWork"};
};
using CDurationType = CZentrixEnumeration<DurationType>;

enum class ResourceUnitType : std::int32_t {
    None,
    Piece,
    Metre,
    SquareMetre,
    CubicMetre,
    Kilogram,
    Tonne,
    Hour
};
template <>
struct EnumerationTraits<ResourceUnitType> {
    static constexpr const char* typeName = "CResourceUnitType";
    static constexpr const char* names[] = {"None",       "Piece",    "Metre", "SquareMetre",
                                            "CubicMetre", "Kilogram", "Tonne", "Hour"};
};
using CResourceUnitType = CZentrixEnumeration<ResourceUnitType>;

enum class RiskType : std::int32_t { None, Threat, Opportunity };
template <>
struct EnumerationTraits<RiskType> {
    static constexpr const char* typeName = "CRiskType";
    static constexpr const char* names[] = {"None", "Threat", "Opportunity"};
};
using CRiskType = CZentrixEnumeration<RiskType>;

enum class ProgressType : std::int32_t { Duration, Physical, Manual, Units };
template <>
struct EnumerationTraits<ProgressType> {
    static constexpr const char* typeName = "CProgressType";
    static constexpr const char* names[] = {"Duration", "Physical", "Manual", "Units"};
};
using CProgressType = CZentrixEnumeration<ProgressType>;

enum class TaskConstraintType : std::int32_t {
    None,
    StartOn,
    StartOnOrAfter,
    StartOnOrBefore,
    FinishOn,
    FinishOnOrAfter,
    FinishOnOrBefore,
    MandatoryStart,
    MandatoryFinish,
    AsLateAsPossible
};
template <>
struct EnumerationTraits<TaskConstraintType> {
    static constexpr const char* typeName = "CTaskConstraintType";
    static constexpr const char* names[] = {"None",
                                            "StartOn",
                                            "StartOnOrAfter",
                                            "StartOnOrBefore",
                                            "FinishOn",
                                            "FinishOnOrAfter",
                                            "FinishOnOrBefore",
                                            "MandatoryStart",
                                            "MandatoryFinish",
                                            "AsLateAsPossible"};
};
using CTaskConstraintType = CZentrixEnumeration<TaskConstraintType>;

enum class PathAlignment : std::int32_t { None, Start, Centre, End, Point };
template <>
struct EnumerationTraits<PathAlignment> {
    static constexpr const char* typeName = "CPathAlignment";
    static constexpr const char* names[] = {"None", "Start", "Centre", "End", "Point"};
};
using CPathAlignment = CZentrixEnumeration<PathAlignment>;

enum class PathMoveType : std::int32_t { Linear, Smooth, Step };
template <>
struct EnumerationTraits<PathMoveType> {
    static constexpr const char* typeName = "CPathMoveType";
    static constexpr const char* names[] = {"Linear", "Smooth", "Step"};
};
using CPathMoveType = CZentrixEnumeration<PathMoveType>;

// Resource state, risk, issue and document enumerations.

enum class RSType : std::int32_t { Group, State, Event };
template <>
struct EnumerationTraits<RSType> {
    static constexpr const char* typeName = "CRSType";
    static constexpr const char* names[] = {"Group", "State", "Event"};
};
using CRSType = CZentrixEnumeration<RSType>;

enum class RiskStatus : std::int32_t { Proposed, Open, Mitigated, Closed, Occurred };
template <>
struct EnumerationTraits<RiskStatus> {
    static constexpr const char* typeName = "CRiskStatus";
    static constexpr const char* names[] = {"Proposed", "Open", "Mitigated", "Closed", "Occurred"};
};
using CRiskStatus = CZentrixEnumeration<RiskStatus>;

enum class RiskWeight : std::int32_t { VeryLow, Low, Medium, High, VeryHigh };
template <>
struct EnumerationTraits<RiskWeight> {
    static constexpr const char* typeName = "CRiskWeight";
    static constexpr const char* names[] = {"VeryLow", "Low", "Medium", "High", "VeryHigh"};
};
using CRiskWeight = CZentrixEnumeration<RiskWeight>;

enum class RiskValueMode : std::int32_t { Percent, Fixed };
template <>
struct EnumerationTraits<RiskValueMode> {
    static constexpr const char* typeName = "CRiskValueMode";
    static constexpr const char* names[] = {"Percent", "Fixed"};
};
using CRiskValueMode = CZentrixEnumeration<RiskValueMode>;

enum class IssueStatus : std::int32_t { Open, InProgress, Resolved, Closed };
template <>
struct EnumerationTraits<IssueStatus> {
    static constexpr const char* typeName = "CIssueStatus";
    static constexpr const char* names[] = {"Open", "InProgress", "Resolved", "Closed"};
};
using CIssueStatus = CZentrixEnumeration<IssueStatus>;

enum class IssuePriority : std::int32_t { Low, Normal, High, Critical };
template <>
struct EnumerationTraits<IssuePriority> {
    static constexpr const char* typeName = "CIssuePriority";
    static constexpr const char* names[] = {"Low", "Normal", "High", "Critical"};
};
using CIssuePriority = CZentrixEnumeration<IssuePriority>;

enum class DocumentType : std::int32_t { General, Drawing, Datasheet, Photo, Report, Contract };
template <>
struct EnumerationTraits<DocumentType> {
    static constexpr const char* typeName = "CDocumentType";
    static constexpr const char* names[] = {"General", "Drawing", "Datasheet",
                                            "Photo",   "Report",  "Contract"};
};
using CDocumentType = CZentrixEnumeration<DocumentType>;

// The enumerations of resources and resource groups.

enum class ResourceType : std::int32_t { Labour, Equipment, Material, Space, Subcontractor };
template <>
struct EnumerationTraits<ResourceType> {
    static constexpr const char* typeName = "CResourceType";
    static constexpr const char* names[] = {"Labour", "Equipment", "Material", "Space",
                                            "Subcontractor"};
};
using CResourceType = CZentrixEnumeration<ResourceType>;

enum class ResourceStatus : std::int32_t { Available, Reserved, Unavailable, Retired };
template <>
struct EnumerationTraits<ResourceStatus> {
    static constexpr const char* typeName = "CResourceStatus";
    static constexpr const char* names[] = {"Available", "Reserved", "Unavailable", "Retired"};
};
using CResourceStatus = CZentrixEnumeration<ResourceStatus>;

// Units of length. The values are fixed by files and by the host: 3 is the metre (the unit of
// the default world and of CProjectConstants::getDefaultDistanceUnitType()); the metric units
// come first from the millimetre up, then the imperial ones from the inch up.
enum class DistanceUnitType : std::int32_t {
    Millimetre,
    Centimetre,
    Decimetre,
    Metre,
    Kilometre,
    Inch,
    Foot,
    Yard,
    Mile
};
template <>
struct EnumerationTraits<DistanceUnitType> {
    static constexpr const char* typeName = "CDistanceUnitType";
    static constexpr const char* names[] = {"Millimetre", "Centimetre", "Decimetre",
                                            "Metre",      "Kilometre",  "Inch",
                                            "Foot",       "Yard",       "Mile"};
};
static_assert(static_cast<int>(DistanceUnitType::Metre) == 3);
using CDistanceUnitType = CZentrixEnumeration<DistanceUnitType>;

enum class PackageType : std::int32_t { Crew, Subcontract, Supply, Internal };
template <>
struct EnumerationTraits<PackageType> {
    static constexpr const char* typeName = "CPackageType";
    static constexpr const char* names[] = {"Crew", "Subcontract", "Supply", "Internal"};
};
using CPackageType = CZentrixEnumeration<PackageType>;

enum class PackageStatus : std::int32_t { Draft, Tendering, Awarded, Active, Closed };
template <>
struct EnumerationTraits<PackageStatus> {
    static constexpr const char* typeName = "CPackageStatus";
    static constexpr const char* names[] = {"Draft", "Tendering", "Awarded", "Active", "Closed"};
};
using CPackageStatus = CZentrixEnumeration<PackageStatus>;
