// CSafranProject: the settings of a Safran schedule used as a source: its network, calendar set
// and code set, the source's keys beside the IDs of the calendars, tasks, links, resources,
// assignments and code values they became here, and the codes and user fields its data goes to.
//
// Its own interface: handles come from CHandledValue and ISafranProject names the same class.
//
// Archive record (written to disk; must never change): start marker "CSafranProject"; NetworkID;
// CalendarSetID; Calendar keys, IDs; Task keys, IDs; Link first keys, second keys, IDs; Resource
// keys, IDs; Assignment keys, IDs; CodeSetID; References; OutlineCodes; TextFields; DateFields;
// DecimalFields; DurationFields; FlagFields; CodeValue keys; CodeValue IDs; end marker
// "CSafranProject". Every list is a "StdVector" record (store/StdVector.h). Files older than
// version 414 hold no DurationFields: loading one keeps the list as it was.
#pragma once

#include <cstdint>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "sources/CExternProject.h"
#include "sources/SourceAccessors.h"
#include "store/StdVector.h"
#include "store/ValueHandles.h"

class ZX_API CSafranProject : public CDescribedValue<CSafranProject>,
                              public CHandledValue<CSafranProject>,
                              public CExternProject<CSafranProject> {
public:
    static constexpr const char* s_kindName = "SafranProject";
    static constexpr const char* s_recordMarker = "CSafranProject";
    // The first file version whose record holds the DurationFields list.
    static constexpr int s_durationFieldsSince = 414;

    using Keys = CStdVector<std::int32_t>;

    template <class V>
    static void describeFields(V& v) {
        using S = CSafranProject;
        v.field("NetworkID", &S::m_networkID);
        v.field("CalendarSetID", &S::m_calendarSetID);
        v.field("CalendarKeys", &S::m_calendarKeys);
        v.field("CalendarIDs", &S::m_calendarIDs);
        v.field("TaskKeys", &S::m_taskKeys);
        v.field("TaskIDs", &S::m_taskIDs);
        v.field("LinkFirstKeys", &S::m_linkFirstKeys);
        v.field("LinkSecondKeys", &S::m_linkSecondKeys);
        v.field("LinkIDs", &S::m_linkIDs);
        v.field("ResourceKeys", &S::m_resourceKeys);
        v.field("ResourceIDs", &S::m_resourceIDs);
        v.field("AssignmentKeys", &S::m_assignmentKeys);
        v.field("AssignmentIDs", &S::m_assignmentIDs);
        v.field("CodeSetID", &S::m_codeSetID);
        v.field("References", &S::m_references);
        v.field("OutlineCodes", &S::m_outlineCodes);
        v.field("TextFields", &S::m_textFields);
        v.field("DateFields", &S::m_dateFields);
        v.field("DecimalFields", &S::m_decimalFields);
        v.field("DurationFields", &S::m_durationFields, {.since = s_durationFieldsSince});
        v.field("FlagFields", &S::m_flagFields);
        v.field("CodeValueKeys", &S::m_codeValueKeys);
        v.field("CodeValueIDs", &S::m_codeValueIDs);
    }

    // Unsets the network and calendar set IDs and empties every list; the code set ID stays.
    void RemoveAll();

    const CProjectInt& getNetworkID() const { return m_networkID; }
    void setNetworkID(const CProjectInt& id) { m_networkID = id; }
    const CProjectInt& getCalendarSetID() const { return m_calendarSetID; }
    void setCalendarSetID(const CProjectInt& id) { m_calendarSetID = id; }

    ZX_PAIR_LIST_ACCESSORS(Calendar, std::int32_t, m_calendarKeys, CCalendarID, m_calendarIDs)
    ZX_PAIR_LIST_ACCESSORS(Task, std::int32_t, m_taskKeys, CTaskID, m_taskIDs)
    ZX_TRIPLE_LIST_ACCESSORS(Link, std::int32_t, m_linkFirstKeys, std::int32_t, m_linkSecondKeys,
                             CLinkID, m_linkIDs)
    ZX_PAIR_LIST_ACCESSORS(Resource, std::int32_t, m_resourceKeys, CResourceID, m_resourceIDs)
    ZX_PAIR_LIST_ACCESSORS(Assignment, std::int32_t, m_assignmentKeys, CAssignedResourceID,
                           m_assignmentIDs)

    const CProjectInt& getCodeSetID() const { return m_codeSetID; }
    void setCodeSetID(const CProjectInt& id) { m_codeSetID = id; }

    ZX_LIST_ACCESSORS(Reference, CCodeID, m_references)
    ZX_LIST_ACCESSORS(OutlineCode, CCodeID, m_outlineCodes)
    ZX_LIST_ACCESSORS(TextField, CUserFieldID, m_textFields)
    ZX_LIST_ACCESSORS(DateField, CUserFieldID, m_dateFields)
    ZX_LIST_ACCESSORS(DecimalField, CUserFieldID, m_decimalFields)
    ZX_LIST_ACCESSORS(DurationField, CUserFieldID, m_durationFields)
    ZX_LIST_ACCESSORS(FlagField, CUserFieldID, m_flagFields)
    ZX_PAIR_LIST_ACCESSORS(CodeValue, CString, m_codeValueKeys, CCodeValueID, m_codeValueIDs)

private:
    CProjectInt m_networkID;
    CProjectInt m_calendarSetID;
    Keys m_calendarKeys;
    CStdVector<CCalendarID> m_calendarIDs;
    Keys m_taskKeys;
    CStdVector<CTaskID> m_taskIDs;
    Keys m_linkFirstKeys;
    Keys m_linkSecondKeys;
    CStdVector<CLinkID> m_linkIDs;
    Keys m_resourceKeys;
    CStdVector<CResourceID> m_resourceIDs;
    Keys m_assignmentKeys;
    CStdVector<CAssignedResourceID> m_assignmentIDs;
    CProjectInt m_codeSetID;
    CStdVector<CCodeID> m_references;
    CStdVector<CCodeID> m_outlineCodes;
    CStdVector<CUserFieldID> m_textFields;
    CStdVector<CUserFieldID> m_dateFields;
    CStdVector<CUserFieldID> m_decimalFields;
    CStdVector<CUserFieldID> m_durationFields;
    CStdVector<CUserFieldID> m_flagFields;
    CStdVector<CString> m_codeValueKeys;
    CStdVector<CCodeValueID> m_codeValueIDs;
};

using ISafranProject = CSafranProject;
ZX_DECLARE_VALUE_HANDLES(CSafranProject);
