// ITaskFilter: a named, stored set of criteria by which the host selects tasks: a head (ID, name,
// owning company, how the criteria combine) and one sub-filter of each kind, held by value. The
// filter holds the criteria; evaluating them is the host's business.
//
// A new task filter has no name, no company, FilterMode MatchAll and every sub-filter at its
// defaults (SubFilters.h), none in use. ID renewal renews the sub-filters' IDs too.
//
// Archive record (written to disk; must never change): ID, Name, CompanyID, FilterMode, then
// the sub-filters' records in the order of describeFields.
#pragma once

#include "basetypes/CNameSubFilter.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/FilterEnumerations.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/SubFilters.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

// Filters of every kind are named by CFilterID; the list of kinds names each kind's by its own
// name.
using CTaskFilterID = CFilterID;

class ZX_API ITaskFilter : public IDescribed<ITaskFilter> {
public:
    static constexpr const char* s_kindName = "TaskFilter";
    // Task, 3D and path filters all take their IDs from CFilterID.
    static constexpr bool s_sharesIDType = true;

    struct Fields {
        CFilterID id;
        CProjectString name;
        CCompanyID companyID;
        CFilterMode filterMode;
        CNameSubFilter nameFilter;
        CDateRangeSubFilter dateRangeFilter;
        CLookAheadSubFilter lookAheadFilter;
        CStatusSubFilter statusFilter;
        CTaskTypeSubFilter taskTypeFilter;
        CResourcesSubFilter resourcesFilter;
        CLastResStatusSubFilter lastResStatusFilter;
        CRiskSubFilter riskFilter;
        CCompanySubFilter companyFilter;
        CCriticalPathSubFilter criticalPathFilter;
        CBaselineSubFilter baselineFilter;
        CCalendarSubFilter calendarFilter;
        CCodeSubFilter activityCodeFilter;
        CUserFieldSubFilter userFieldFilter;
        CTasksSubFilter tasksFilter;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("CompanyID", &Fields::companyID);
        v.field("FilterMode", &Fields::filterMode);
        v.field("NameFilter", &Fields::nameFilter);
        v.field("DateRangeFilter", &Fields::dateRangeFilter);
        v.field("LookAheadFilter", &Fields::lookAheadFilter);
        v.field("StatusFilter", &Fields::statusFilter);
        v.field("TaskTypeFilter", &Fields::taskTypeFilter);
        v.field("ResourcesFilter", &Fields::resourcesFilter);
        v.field("LastResStatusFilter", &Fields::lastResStatusFilter);
        v.field("RiskFilter", &Fields::riskFilter);
        v.field("CompanyFilter", &Fields::companyFilter);
        v.field("CriticalPathFilter", &Fields::criticalPathFilter);
        v.field("BaselineFilter", &Fields::baselineFilter);
        v.field("CalendarFilter", &Fields::calendarFilter);
        v.field("ActivityCodeFilter", &Fields::activityCodeFilter);
        v.field("UserFieldFilter", &Fields::userFieldFilter);
        v.field("TasksFilter", &Fields::tasksFilter);
    }

    const CFilterID& getID() const { return fields().id; }
    CFilterID& getWritableID() { return fields().id; }
    void setID(const CFilterID& value) { fields().id = value; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& value) { fields().name = value; }
    const CCompanyID& getCompanyID() const { return fields().companyID; }
    CCompanyID& getWritableCompanyID() { return fields().companyID; }
    void setCompanyID(const CCompanyID& value) { fields().companyID = value; }
    const CFilterMode& getFilterMode() const { return fields().filterMode; }
    CFilterMode& getWritableFilterMode() { return fields().filterMode; }
    void setFilterMode(const CFilterMode& value) { fields().filterMode = value; }
    const CNameSubFilter& getNameFilter() const { return fields().nameFilter; }
    CNameSubFilter& getWritableNameFilter() { return fields().nameFilter; }
    void setNameFilter(const CNameSubFilter& value) { fields().nameFilter = value; }
    const CDateRangeSubFilter& getDateRangeFilter() const { return fields().dateRangeFilter; }
    CDateRangeSubFilter& getWritableDateRangeFilter() { return fields().dateRangeFilter; }
    void setDateRangeFilter(const CDateRangeSubFilter& value) { fields().dateRangeFilter = value; }
    const CLookAheadSubFilter& getLookAheadFilter() const { return fields().lookAheadFilter; }
    CLookAheadSubFilter& getWritableLookAheadFilter() { return fields().lookAheadFilter; }
    void setLookAheadFilter(const CLookAheadSubFilter& value) { fields().lookAheadFilter = value; }
    const CStatusSubFilter& getStatusFilter() const { return fields().statusFilter; }
    CStatusSubFilter& getWritableStatusFilter() { return fields().statusFilter; }
    void setStatusFilter(const CStatusSubFilter& value) { fields().statusFilter = value; }
    const CTaskTypeSubFilter& getTaskTypeFilter() const { return fields().taskTypeFilter; }
    CTaskTypeSubFilter& getWritableTaskTypeFilter() { return fields().taskTypeFilter; }
    void setTaskTypeFilter(const CTaskTypeSubFilter& value) { fields().taskTypeFilter = value; }
    const CResourcesSubFilter& getResourcesFilter() const { return fields().resourcesFilter; }
    CResourcesSubFilter& getWritableResourcesFilter() { return fields().resourcesFilter; }
    void setResourcesFilter(const CResourcesSubFilter& value) { fields().resourcesFilter = value; }
    const CLastResStatusSubFilter& getLastResStatusFilter() const {
        return fields().lastResStatusFilter;
    }
    CLastResStatusSubFilter& getWritableLastResStatusFilter() {
        return fields().lastResStatusFilter;
    }
    void setLastResStatusFilter(const CLastResStatusSubFilter& value) {
        fields().lastResStatusFilter = value;
    }
    const CRiskSubFilter& getRiskFilter() const { return fields().riskFilter; }
    CRiskSubFilter& getWritableRiskFilter() { return fields().riskFilter; }
    void setRiskFilter(const CRiskSubFilter& value) { fields().riskFilter = value; }
    const CCompanySubFilter& getCompanyFilter() const { return fields().companyFilter; }
    CCompanySubFilter& getWritableCompanyFilter() { return fields().companyFilter; }
    void setCompanyFilter(const CCompanySubFilter& value) { fields().companyFilter = value; }
    const CCriticalPathSubFilter& getCriticalPathFilter() const {
        return fields().criticalPathFilter;
    }
    CCriticalPathSubFilter& getWritableCriticalPathFilter() { return fields().criticalPathFilter; }
    void setCriticalPathFilter(const CCriticalPathSubFilter& value) {
        fields().criticalPathFilter = value;
    }
    const CBaselineSubFilter& getBaselineFilter() const { return fields().baselineFilter; }
    CBaselineSubFilter& getWritableBaselineFilter() { return fields().baselineFilter; }
    void setBaselineFilter(const CBaselineSubFilter& value) { fields().baselineFilter = value; }
    const CCalendarSubFilter& getCalendarFilter() const { return fields().calendarFilter; }
    CCalendarSubFilter& getWritableCalendarFilter() { return fields().calendarFilter; }
    void setCalendarFilter(const CCalendarSubFilter& value) { fields().calendarFilter = value; }
    const CCodeSubFilter& getActivityCodeFilter() const { return fields().activityCodeFilter; }
    CCodeSubFilter& getWritableActivityCodeFilter() { return fields().activityCodeFilter; }
    void setActivityCodeFilter(const CCodeSubFilter& value) { fields().activityCodeFilter = value; }
    const CUserFieldSubFilter& getUserFieldFilter() const { return fields().userFieldFilter; }
    CUserFieldSubFilter& getWritableUserFieldFilter() { return fields().userFieldFilter; }
    void setUserFieldFilter(const CUserFieldSubFilter& value) { fields().userFieldFilter = value; }
    const CTasksSubFilter& getTasksFilter() const { return fields().tasksFilter; }
    CTasksSubFilter& getWritableTasksFilter() { return fields().tasksFilter; }
    void setTasksFilter(const CTasksSubFilter& value) { fields().tasksFilter = value; }

protected:
    friend IDescribed<ITaskFilter>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using ITaskFilterHandle = CWrapperHandle<ITaskFilter>;
using ITaskFilterWritableHandle = CWritableWrapperHandle<ITaskFilter>;
using ITaskFilterArrayHandle = CWrapperArrayHandle<ITaskFilter, CFilterID, 0>;
using ITaskFilterConstArrayHandle = CConstWrapperArrayHandle<ITaskFilter, CFilterID, 0>;
ZX_DECLARE_INTERFACE(ITaskFilter, CFilterID, 0);
