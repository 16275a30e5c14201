// The sub-filters a task filter, a 3D filter and a path filter embed by value: each is one
// criterion with its own identifier (renewed with its filter), whether it is in use, and what it
// matches. The filters hold them and live exactly as long as they do; nothing shares one. The
// name sub-filter, which keeps an index, has a header of its own (CNameSubFilter.h).
//
// Defaults: not in use, polarity Include, AndLogic off, no IDs and no values; a status sub-filter
// includes planned, started and finished tasks; the task-type and critical-path sub-filters
// include every type and category; a tasks sub-filter includes sub-tasks; date ranges and
// look-aheads include overlapping tasks; a look-ahead spans 14 days (20160 minutes) from now;
// date ranges are bounded by fixed dates; a 3D filter's task-filter sub-filter shows entities
// of no task; company sub-filters match the responsible company.
//
// Archive records (written to disk; must never change): the fields of each value in the order of
// its describeFields, ID first, no framing: CProjectBool, CProjectInt, IDs and times as their own
// records, enumerations as int32, ID sets and text lists as a count and the entries.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectStringArray.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/FilterEnumerations.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/IDArrays.h"

// Selects tasks by progress (planned, started, finished) and by task state.
class ZX_API CStatusSubFilter : public CDescribedValue<CStatusSubFilter> {
public:
    static constexpr const char* s_kindName = "StatusSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CStatusSubFilter::m_id);
        v.field("InUse", &CStatusSubFilter::m_inUse);
        v.field("PlannedIncluded", &CStatusSubFilter::m_plannedIncluded);
        v.field("StartedIncluded", &CStatusSubFilter::m_startedIncluded);
        v.field("FinishedIncluded", &CStatusSubFilter::m_finishedIncluded);
        v.field("CheckedTaskStateIDs", &CStatusSubFilter::m_checkedTaskStateIDs);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CProjectBool& getPlannedIncluded() const { return m_plannedIncluded; }
    void setPlannedIncluded(bool value) { m_plannedIncluded = value; }
    const CProjectBool& getStartedIncluded() const { return m_startedIncluded; }
    void setStartedIncluded(bool value) { m_startedIncluded = value; }
    const CProjectBool& getFinishedIncluded() const { return m_finishedIncluded; }
    void setFinishedIncluded(bool value) { m_finishedIncluded = value; }
    const CTaskStateIDArray& getCheckedTaskStateIDs() const { return m_checkedTaskStateIDs; }
    void setCheckedTaskStateIDs(const CTaskStateIDArray& value) { m_checkedTaskStateIDs = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CProjectBool m_plannedIncluded = true;
    CProjectBool m_startedIncluded = true;
    CProjectBool m_finishedIncluded = true;
    CTaskStateIDArray m_checkedTaskStateIDs;
};

// Selects by assigned resources.
class ZX_API CResourcesSubFilter : public CDescribedValue<CResourcesSubFilter> {
public:
    static constexpr const char* s_kindName = "ResourcesSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CResourcesSubFilter::m_id);
        v.field("InUse", &CResourcesSubFilter::m_inUse);
        v.field("CheckedResourceIDs", &CResourcesSubFilter::m_checkedResourceIDs);
        v.field("Polarity", &CResourcesSubFilter::m_polarity);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CResourceIDArray& getCheckedResourceIDs() const { return m_checkedResourceIDs; }
    void setCheckedResourceIDs(const CResourceIDArray& value) { m_checkedResourceIDs = value; }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CResourceIDArray m_checkedResourceIDs;
    CFilterPolarity m_polarity;
};

// Selects by the last resource state reported.
class ZX_API CLastResStatusSubFilter : public CDescribedValue<CLastResStatusSubFilter> {
public:
    static constexpr const char* s_kindName = "LastResStatusSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CLastResStatusSubFilter::m_id);
        v.field("InUse", &CLastResStatusSubFilter::m_inUse);
        v.field("CheckedResourceStateIDs", &CLastResStatusSubFilter::m_checkedResourceStateIDs);
        v.field("Polarity", &CLastResStatusSubFilter::m_polarity);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CResourceStateIDArray& getCheckedResourceStateIDs() const {
        return m_checkedResourceStateIDs;
    }
    void setCheckedResourceStateIDs(const CResourceStateIDArray& value) {
        m_checkedResourceStateIDs = value;
    }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CResourceStateIDArray m_checkedResourceStateIDs;
    CFilterPolarity m_polarity;
};

// Selects by assigned risks.
class ZX_API CRiskSubFilter : public CDescribedValue<CRiskSubFilter> {
public:
    static constexpr const char* s_kindName = "RiskSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CRiskSubFilter::m_id);
        v.field("InUse", &CRiskSubFilter::m_inUse);
        v.field("CheckedRiskIDs", &CRiskSubFilter::m_checkedRiskIDs);
        v.field("Polarity", &CRiskSubFilter::m_polarity);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CRiskIDArray& getCheckedRiskIDs() const { return m_checkedRiskIDs; }
    void setCheckedRiskIDs(const CRiskIDArray& value) { m_checkedRiskIDs = value; }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CRiskIDArray m_checkedRiskIDs;
    CFilterPolarity m_polarity;
};

// Selects explicitly chosen tasks, optionally with their sub-tasks.
class ZX_API CTasksSubFilter : public CDescribedValue<CTasksSubFilter> {
public:
    static constexpr const char* s_kindName = "TasksSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CTasksSubFilter::m_id);
        v.field("InUse", &CTasksSubFilter::m_inUse);
        v.field("CheckedTaskIDs", &CTasksSubFilter::m_checkedTaskIDs);
        v.field("Polarity", &CTasksSubFilter::m_polarity);
        v.field("IncludeSubTasks", &CTasksSubFilter::m_includeSubTasks);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CTaskIDArray& getCheckedTaskIDs() const { return m_checkedTaskIDs; }
    void setCheckedTaskIDs(const CTaskIDArray& value) { m_checkedTaskIDs = value; }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }
    const CProjectBool& getIncludeSubTasks() const { return m_includeSubTasks; }
    void setIncludeSubTasks(bool value) { m_includeSubTasks = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CTaskIDArray m_checkedTaskIDs;
    CFilterPolarity m_polarity;
    CProjectBool m_includeSubTasks = true;
};

// Selects by company.
class ZX_API CCompanySubFilter : public CDescribedValue<CCompanySubFilter> {
public:
    static constexpr const char* s_kindName = "CompanySubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CCompanySubFilter::m_id);
        v.field("InUse", &CCompanySubFilter::m_inUse);
        v.field("Polarity", &CCompanySubFilter::m_polarity);
        v.field("CheckedCompanyIDs", &CCompanySubFilter::m_checkedCompanyIDs);
        v.field("Mode", &CCompanySubFilter::m_mode);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }
    const CCompanyIDArray& getCheckedCompanyIDs() const { return m_checkedCompanyIDs; }
    void setCheckedCompanyIDs(const CCompanyIDArray& value) { m_checkedCompanyIDs = value; }
    const CCompanySubFilterMode& getMode() const { return m_mode; }
    void setMode(const CCompanySubFilterMode& value) { m_mode = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CFilterPolarity m_polarity;
    CCompanyIDArray m_checkedCompanyIDs;
    CCompanySubFilterMode m_mode;
};

// Selects by project baseline.
class ZX_API CBaselineSubFilter : public CDescribedValue<CBaselineSubFilter> {
public:
    static constexpr const char* s_kindName = "BaselineSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CBaselineSubFilter::m_id);
        v.field("InUse", &CBaselineSubFilter::m_inUse);
        v.field("Polarity", &CBaselineSubFilter::m_polarity);
        v.field("CheckedBaselineIDs", &CBaselineSubFilter::m_checkedBaselineIDs);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }
    const CProjectBaselineIDArray& getCheckedBaselineIDs() const { return m_checkedBaselineIDs; }
    void setCheckedBaselineIDs(const CProjectBaselineIDArray& value) {
        m_checkedBaselineIDs = value;
    }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CFilterPolarity m_polarity;
    CProjectBaselineIDArray m_checkedBaselineIDs;
};

// Selects by calendar.
class ZX_API CCalendarSubFilter : public CDescribedValue<CCalendarSubFilter> {
public:
    static constexpr const char* s_kindName = "CalendarSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CCalendarSubFilter::m_id);
        v.field("InUse", &CCalendarSubFilter::m_inUse);
        v.field("Polarity", &CCalendarSubFilter::m_polarity);
        v.field("CheckedCalendarIDs", &CCalendarSubFilter::m_checkedCalendarIDs);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }
    const CCalendarIDArray& getCheckedCalendarIDs() const { return m_checkedCalendarIDs; }
    void setCheckedCalendarIDs(const CCalendarIDArray& value) { m_checkedCalendarIDs = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CFilterPolarity m_polarity;
    CCalendarIDArray m_checkedCalendarIDs;
};

// Selects by code values (activity codes for tasks, resource codes for 3D entities); AndLogic asks
// for every checked value rather than any.
class ZX_API CCodeSubFilter : public CDescribedValue<CCodeSubFilter> {
public:
    static constexpr const char* s_kindName = "CodeSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CCodeSubFilter::m_id);
        v.field("CheckedCodeValueIDs", &CCodeSubFilter::m_checkedCodeValueIDs);
        v.field("Polarity", &CCodeSubFilter::m_polarity);
        v.field("InUse", &CCodeSubFilter::m_inUse);
        v.field("AndLogic", &CCodeSubFilter::m_andLogic);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CCodeValueIDArray& getCheckedCodeValueIDs() const { return m_checkedCodeValueIDs; }
    void setCheckedCodeValueIDs(const CCodeValueIDArray& value) { m_checkedCodeValueIDs = value; }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CProjectBool& getAndLogic() const { return m_andLogic; }
    void setAndLogic(bool value) { m_andLogic = value; }

private:
    CFilterID m_id;
    CCodeValueIDArray m_checkedCodeValueIDs;
    CFilterPolarity m_polarity;
    CProjectBool m_inUse = false;
    CProjectBool m_andLogic = false;
};

// Selects by user field values of tasks, of their resources and of their resource groups; each
// values list belongs to the ID set before it, position by position.
class ZX_API CUserFieldSubFilter : public CDescribedValue<CUserFieldSubFilter> {
public:
    static constexpr const char* s_kindName = "UserFieldSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CUserFieldSubFilter::m_id);
        v.field("UserFieldIDs", &CUserFieldSubFilter::m_userFieldIDs);
        v.field("UserFieldValues", &CUserFieldSubFilter::m_userFieldValues);
        v.field("ResourceUserFieldIDs", &CUserFieldSubFilter::m_resourceUserFieldIDs);
        v.field("ResourceUserFieldValues", &CUserFieldSubFilter::m_resourceUserFieldValues);
        v.field("ResourceGroupUserFieldIDs", &CUserFieldSubFilter::m_resourceGroupUserFieldIDs);
        v.field("ResourceGroupUserFieldValues",
                &CUserFieldSubFilter::m_resourceGroupUserFieldValues);
        v.field("Polarity", &CUserFieldSubFilter::m_polarity);
        v.field("InUse", &CUserFieldSubFilter::m_inUse);
        v.field("AndLogic", &CUserFieldSubFilter::m_andLogic);
        v.field("SearchInParents", &CUserFieldSubFilter::m_searchInParents);
        v.field("MatchCase", &CUserFieldSubFilter::m_matchCase);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CUserFieldIDArray& getUserFieldIDs() const { return m_userFieldIDs; }
    const CProjectStringArray& getUserFieldValues() const { return m_userFieldValues; }
    // Replaces the IDs and then their values, position by position, in one call.
    void setUserFields(const CUserFieldIDArray& ids, const CProjectStringArray& values) {
        m_userFieldIDs = ids;
        m_userFieldValues = values;
    }
    const CUserFieldIDArray& getResourceUserFieldIDs() const { return m_resourceUserFieldIDs; }
    const CProjectStringArray& getResourceUserFieldValues() const {
        return m_resourceUserFieldValues;
    }
    // Replaces the IDs and then their values, position by position, in one call.
    void setResourceUserFields(const CUserFieldIDArray& ids, const CProjectStringArray& values) {
        m_resourceUserFieldIDs = ids;
        m_resourceUserFieldValues = values;
    }
    const CUserFieldIDArray& getResourceGroupUserFieldIDs() const {
        return m_resourceGroupUserFieldIDs;
    }
    const CProjectStringArray& getResourceGroupUserFieldValues() const {
        return m_resourceGroupUserFieldValues;
    }
    // Replaces the IDs and then their values, position by position, in one call.
    void setResourceGroupUserFields(const CUserFieldIDArray& ids,
                                    const CProjectStringArray& values) {
        m_resourceGroupUserFieldIDs = ids;
        m_resourceGroupUserFieldValues = values;
    }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CProjectBool& getAndLogic() const { return m_andLogic; }
    void setAndLogic(bool value) { m_andLogic = value; }
    const CProjectBool& getSearchInParents() const { return m_searchInParents; }
    void setSearchInParents(bool value) { m_searchInParents = value; }
    const CProjectBool& getMatchCase() const { return m_matchCase; }
    void setMatchCase(bool value) { m_matchCase = value; }

private:
    CFilterID m_id;
    CUserFieldIDArray m_userFieldIDs;
    CProjectStringArray m_userFieldValues;
    CUserFieldIDArray m_resourceUserFieldIDs;
    CProjectStringArray m_resourceUserFieldValues;
    CUserFieldIDArray m_resourceGroupUserFieldIDs;
    CProjectStringArray m_resourceGroupUserFieldValues;
    CFilterPolarity m_polarity;
    CProjectBool m_inUse = false;
    CProjectBool m_andLogic = false;
    CProjectBool m_searchInParents = false;
    CProjectBool m_matchCase = false;
};

// Selects tasks within a date range whose ends are fixed dates or dates of chosen tasks shifted by
// a lag.
class ZX_API CDateRangeSubFilter : public CDescribedValue<CDateRangeSubFilter> {
public:
    static constexpr const char* s_kindName = "DateRangeSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CDateRangeSubFilter::m_id);
        v.field("StartTaskID", &CDateRangeSubFilter::m_startTaskID);
        v.field("EndTaskID", &CDateRangeSubFilter::m_endTaskID);
        v.field("StartType", &CDateRangeSubFilter::m_startType);
        v.field("EndType", &CDateRangeSubFilter::m_endType);
        v.field("StartLag", &CDateRangeSubFilter::m_startLag);
        v.field("EndLag", &CDateRangeSubFilter::m_endLag);
        v.field("Start", &CDateRangeSubFilter::m_start);
        v.field("End", &CDateRangeSubFilter::m_end);
        v.field("InUse", &CDateRangeSubFilter::m_inUse);
        v.field("IncludeOverlaps", &CDateRangeSubFilter::m_includeOverlaps);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CTaskID& getStartTaskID() const { return m_startTaskID; }
    void setStartTaskID(const CTaskID& value) { m_startTaskID = value; }
    const CTaskID& getEndTaskID() const { return m_endTaskID; }
    void setEndTaskID(const CTaskID& value) { m_endTaskID = value; }
    const CDateType& getStartType() const { return m_startType; }
    void setStartType(const CDateType& value) { m_startType = value; }
    const CDateType& getEndType() const { return m_endType; }
    void setEndType(const CDateType& value) { m_endType = value; }
    const CProjectDuration& getStartLag() const { return m_startLag; }
    void setStartLag(const CProjectDuration& value) { m_startLag = value; }
    const CProjectDuration& getEndLag() const { return m_endLag; }
    void setEndLag(const CProjectDuration& value) { m_endLag = value; }
    const CProjectTime& getStart() const { return m_start; }
    void setStart(const CProjectTime& value) { m_start = value; }
    const CProjectTime& getEnd() const { return m_end; }
    void setEnd(const CProjectTime& value) { m_end = value; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CProjectBool& getIncludeOverlaps() const { return m_includeOverlaps; }
    void setIncludeOverlaps(bool value) { m_includeOverlaps = value; }

private:
    CFilterID m_id;
    CTaskID m_startTaskID;
    CTaskID m_endTaskID;
    CDateType m_startType;
    CDateType m_endType;
    CProjectDuration m_startLag;
    CProjectDuration m_endLag;
    CProjectTime m_start;
    CProjectTime m_end;
    CProjectBool m_inUse = false;
    CProjectBool m_includeOverlaps = true;
};

// Selects tasks within a window of minutes from a starting point.
class ZX_API CLookAheadSubFilter : public CDescribedValue<CLookAheadSubFilter> {
public:
    static constexpr const char* s_kindName = "LookAheadSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CLookAheadSubFilter::m_id);
        v.field("Mode", &CLookAheadSubFilter::m_mode);
        v.field("LookAheadMinutes", &CLookAheadSubFilter::m_lookAheadMinutes);
        v.field("InUse", &CLookAheadSubFilter::m_inUse);
        v.field("IncludeOverlaps", &CLookAheadSubFilter::m_includeOverlaps);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CLookAheadFilterMode& getMode() const { return m_mode; }
    void setMode(const CLookAheadFilterMode& value) { m_mode = value; }
    const CProjectInt& getLookAheadMinutes() const { return m_lookAheadMinutes; }
    void setLookAheadMinutes(int value) { m_lookAheadMinutes = value; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CProjectBool& getIncludeOverlaps() const { return m_includeOverlaps; }
    void setIncludeOverlaps(bool value) { m_includeOverlaps = value; }

private:
    CFilterID m_id;
    CLookAheadFilterMode m_mode;
    CProjectInt m_lookAheadMinutes = 20160;
    CProjectBool m_inUse = false;
    CProjectBool m_includeOverlaps = true;
};

// Selects by task type, one flag per type.
class ZX_API CTaskTypeSubFilter : public CDescribedValue<CTaskTypeSubFilter> {
public:
    static constexpr const char* s_kindName = "TaskTypeSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CTaskTypeSubFilter::m_id);
        v.field("InUse", &CTaskTypeSubFilter::m_inUse);
        v.field("WorkIncluded", &CTaskTypeSubFilter::m_workIncluded);
        v.field("StartKeydateIncluded", &CTaskTypeSubFilter::m_startKeydateIncluded);
        v.field("FinishKeydateIncluded", &CTaskTypeSubFilter::m_finishKeydateIncluded);
        v.field("RFIIncluded", &CTaskTypeSubFilter::m_rfiIncluded);
        v.field("DesignIncluded", &CTaskTypeSubFilter::m_designIncluded);
        v.field("ChangeOrderIncluded", &CTaskTypeSubFilter::m_changeOrderIncluded);
        v.field("TestingIncluded", &CTaskTypeSubFilter::m_testingIncluded);
        v.field("DeliveryIncluded", &CTaskTypeSubFilter::m_deliveryIncluded);
        v.field("MeetingIncluded", &CTaskTypeSubFilter::m_meetingIncluded);
        v.field("ReworkIncluded", &CTaskTypeSubFilter::m_reworkIncluded);
        v.field("MaintenanceIncluded", &CTaskTypeSubFilter::m_maintenanceIncluded);
        v.field("ManufactureIncluded", &CTaskTypeSubFilter::m_manufactureIncluded);
        v.field("StoreIncluded", &CTaskTypeSubFilter::m_storeIncluded);
        v.field("PurchaseIncluded", &CTaskTypeSubFilter::m_purchaseIncluded);
        v.field("ReceiveIncluded", &CTaskTypeSubFilter::m_receiveIncluded);
        v.field("DelayIncluded", &CTaskTypeSubFilter::m_delayIncluded);
        v.field("WeatherDelayIncluded", &CTaskTypeSubFilter::m_weatherDelayIncluded);
        v.field("ShortHammockIncluded", &CTaskTypeSubFilter::m_shortHammockIncluded);
        v.field("LongHammockIncluded", &CTaskTypeSubFilter::m_longHammockIncluded);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CProjectBool& getWorkIncluded() const { return m_workIncluded; }
    void setWorkIncluded(bool value) { m_workIncluded = value; }
    const CProjectBool& getStartKeydateIncluded() const { return m_startKeydateIncluded; }
    void setStartKeydateIncluded(bool value) { m_startKeydateIncluded = value; }
    const CProjectBool& getFinishKeydateIncluded() const { return m_finishKeydateIncluded; }
    void setFinishKeydateIncluded(bool value) { m_finishKeydateIncluded = value; }
    const CProjectBool& getRFIIncluded() const { return m_rfiIncluded; }
    void setRFIIncluded(bool value) { m_rfiIncluded = value; }
    const CProjectBool& getDesignIncluded() const { return m_designIncluded; }
    void setDesignIncluded(bool value) { m_designIncluded = value; }
    const CProjectBool& getChangeOrderIncluded() const { return m_changeOrderIncluded; }
    void setChangeOrderIncluded(bool value) { m_changeOrderIncluded = value; }
    const CProjectBool& getTestingIncluded() const { return m_testingIncluded; }
    void setTestingIncluded(bool value) { m_testingIncluded = value; }
    const CProjectBool& getDeliveryIncluded() const { return m_deliveryIncluded; }
    void setDeliveryIncluded(bool value) { m_deliveryIncluded = value; }
    const CProjectBool& getMeetingIncluded() const { return m_meetingIncluded; }
    void setMeetingIncluded(bool value) { m_meetingIncluded = value; }
    const CProjectBool& getReworkIncluded() const { return m_reworkIncluded; }
    void setReworkIncluded(bool value) { m_reworkIncluded = value; }
    const CProjectBool& getMaintenanceIncluded() const { return m_maintenanceIncluded; }
    void setMaintenanceIncluded(bool value) { m_maintenanceIncluded = value; }
    const CProjectBool& getManufactureIncluded() const { return m_manufactureIncluded; }
    void setManufactureIncluded(bool value) { m_manufactureIncluded = value; }
    const CProjectBool& getStoreIncluded() const { return m_storeIncluded; }
    void setStoreIncluded(bool value) { m_storeIncluded = value; }
    const CProjectBool& getPurchaseIncluded() const { return m_purchaseIncluded; }
    void setPurchaseIncluded(bool value) { m_purchaseIncluded = value; }
    const CProjectBool& getReceiveIncluded() const { return m_receiveIncluded; }
    void setReceiveIncluded(bool value) { m_receiveIncluded = value; }
    const CProjectBool& getDelayIncluded() const { return m_delayIncluded; }
    void setDelayIncluded(bool value) { m_delayIncluded = value; }
    const CProjectBool& getWeatherDelayIncluded() const { return m_weatherDelayIncluded; }
    void setWeatherDelayIncluded(bool value) { m_weatherDelayIncluded = value; }
    const CProjectBool& getShortHammockIncluded() const { return m_shortHammockIncluded; }
    void setShortHammockIncluded(bool value) { m_shortHammockIncluded = value; }
    const CProjectBool& getLongHammockIncluded() const { return m_longHammockIncluded; }
    void setLongHammockIncluded(bool value) { m_longHammockIncluded = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CProjectBool m_workIncluded = true;
    CProjectBool m_startKeydateIncluded = true;
    CProjectBool m_finishKeydateIncluded = true;
    CProjectBool m_rfiIncluded = true;
    CProjectBool m_designIncluded = true;
    CProjectBool m_changeOrderIncluded = true;
    CProjectBool m_testingIncluded = true;
    CProjectBool m_deliveryIncluded = true;
    CProjectBool m_meetingIncluded = true;
    CProjectBool m_reworkIncluded = true;
    CProjectBool m_maintenanceIncluded = true;
    CProjectBool m_manufactureIncluded = true;
    CProjectBool m_storeIncluded = true;
    CProjectBool m_purchaseIncluded = true;
    CProjectBool m_receiveIncluded = true;
    CProjectBool m_delayIncluded = true;
    CProjectBool m_weatherDelayIncluded = true;
    CProjectBool m_shortHammockIncluded = true;
    CProjectBool m_longHammockIncluded = true;
};

// Selects by critical-path category.
class ZX_API CCriticalPathSubFilter : public CDescribedValue<CCriticalPathSubFilter> {
public:
    static constexpr const char* s_kindName = "CriticalPathSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CCriticalPathSubFilter::m_id);
        v.field("Polarity", &CCriticalPathSubFilter::m_polarity);
        v.field("InUse", &CCriticalPathSubFilter::m_inUse);
        v.field("CriticalTasksIncluded", &CCriticalPathSubFilter::m_criticalTasksIncluded);
        v.field("SubcriticalTasksIncluded", &CCriticalPathSubFilter::m_subcriticalTasksIncluded);
        v.field("ConstrainedTasksIncluded", &CCriticalPathSubFilter::m_constrainedTasksIncluded);
        v.field("ViolatedTasksIncluded", &CCriticalPathSubFilter::m_violatedTasksIncluded);
        v.field("SkippedTasksIncluded", &CCriticalPathSubFilter::m_skippedTasksIncluded);
        v.field("OpenStartTasksIncluded", &CCriticalPathSubFilter::m_openStartTasksIncluded);
        v.field("OpenEndTasksIncluded", &CCriticalPathSubFilter::m_openEndTasksIncluded);
        v.field("EarlyTasksIncluded", &CCriticalPathSubFilter::m_earlyTasksIncluded);
        v.field("LateTasksIncluded", &CCriticalPathSubFilter::m_lateTasksIncluded);
        v.field("ActualsInFutureTasksIncluded",
                &CCriticalPathSubFilter::m_actualsInFutureTasksIncluded);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CProjectBool& getCriticalTasksIncluded() const { return m_criticalTasksIncluded; }
    void setCriticalTasksIncluded(bool value) { m_criticalTasksIncluded = value; }
    const CProjectBool& getSubcriticalTasksIncluded() const { return m_subcriticalTasksIncluded; }
    void setSubCriticalTasksIncluded(bool value) { m_subcriticalTasksIncluded = value; }
    const CProjectBool& getConstrainedTasksIncluded() const { return m_constrainedTasksIncluded; }
    void setConstrainedTasksIncluded(bool value) { m_constrainedTasksIncluded = value; }
    const CProjectBool& getViolatedTasksIncluded() const { return m_violatedTasksIncluded; }
    void setViolatedTasksIncluded(bool value) { m_violatedTasksIncluded = value; }
    const CProjectBool& getSkippedTasksIncluded() const { return m_skippedTasksIncluded; }
    void setSkippedTasksIncluded(bool value) { m_skippedTasksIncluded = value; }
    const CProjectBool& getOpenStartTasksIncluded() const { return m_openStartTasksIncluded; }
    void setOpenStartTasksIncluded(bool value) { m_openStartTasksIncluded = value; }
    const CProjectBool& getOpenEndTasksIncluded() const { return m_openEndTasksIncluded; }
    void setOpenEndTasksIncluded(bool value) { m_openEndTasksIncluded = value; }
    const CProjectBool& getEarlyTasksIncluded() const { return m_earlyTasksIncluded; }
    void setEarlyTasksIncluded(bool value) { m_earlyTasksIncluded = value; }
    const CProjectBool& getLateTasksIncluded() const { return m_lateTasksIncluded; }
    void setLateTasksIncluded(bool value) { m_lateTasksIncluded = value; }
    const CProjectBool& getActualsInFutureTasksIncluded() const {
        return m_actualsInFutureTasksIncluded;
    }
    void setActualsInFutureTasksIncluded(bool value) { m_actualsInFutureTasksIncluded = value; }

private:
    CFilterID m_id;
    CFilterPolarity m_polarity;
    CProjectBool m_inUse = false;
    CProjectBool m_criticalTasksIncluded = true;
    CProjectBool m_subcriticalTasksIncluded = true;
    CProjectBool m_constrainedTasksIncluded = true;
    CProjectBool m_violatedTasksIncluded = true;
    CProjectBool m_skippedTasksIncluded = true;
    CProjectBool m_openStartTasksIncluded = true;
    CProjectBool m_openEndTasksIncluded = true;
    CProjectBool m_earlyTasksIncluded = true;
    CProjectBool m_lateTasksIncluded = true;
    CProjectBool m_actualsInFutureTasksIncluded = true;
};

// Of a 3D filter: selects the entities of the tasks the task filter in force selects, and
// optionally the entities no task uses.
class ZX_API CTaskFilterSubFilter : public CDescribedValue<CTaskFilterSubFilter> {
public:
    static constexpr const char* s_kindName = "TaskFilterSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CTaskFilterSubFilter::m_id);
        v.field("InUse", &CTaskFilterSubFilter::m_inUse);
        v.field("ShowUnassigned", &CTaskFilterSubFilter::m_showUnassigned);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CProjectBool& getShowUnassigned() const { return m_showUnassigned; }
    void setShowUnassigned(bool value) { m_showUnassigned = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CProjectBool m_showUnassigned = true;
};

// Selects explicitly chosen 3D entities.
class ZX_API C3DSubFilter : public CDescribedValue<C3DSubFilter> {
public:
    static constexpr const char* s_kindName = "3DSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &C3DSubFilter::m_id);
        v.field("InUse", &C3DSubFilter::m_inUse);
        v.field("3DIncluded", &C3DSubFilter::m_subFilter3DIncluded);
        v.field("Polarity", &C3DSubFilter::m_polarity);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CEntity3DIDArray& get3DIncluded() const { return m_subFilter3DIncluded; }
    void set3DIncluded(const CEntity3DIDArray& value) { m_subFilter3DIncluded = value; }
    const CFilterPolarity& getPolarity() const { return m_polarity; }
    void setPolarity(const CFilterPolarity& value) { m_polarity = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CEntity3DIDArray m_subFilter3DIncluded;
    CFilterPolarity m_polarity;
};

// Selects explicitly chosen animation paths.
class ZX_API CPathSubFilter : public CDescribedValue<CPathSubFilter> {
public:
    static constexpr const char* s_kindName = "PathSubFilter";

    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &CPathSubFilter::m_id);
        v.field("InUse", &CPathSubFilter::m_inUse);
        v.field("IncludedPathIDs", &CPathSubFilter::m_includedPathIDs);
    }

    const CFilterID& getID() const { return m_id; }
    void setID(const CFilterID& id) { m_id = id; }
    const CProjectBool& getInUse() const { return m_inUse; }
    void setInUse(bool value) { m_inUse = value; }
    const CPathIDArray& getIncludedPathIDs() const { return m_includedPathIDs; }
    void setIncludedPathIDs(const CPathIDArray& value) { m_includedPathIDs = value; }

private:
    CFilterID m_id;
    CProjectBool m_inUse = false;
    CPathIDArray m_includedPathIDs;
};
