// CAstaProject: the settings of an Asta schedule used as a source: the file and project it reads,
// the company its objects go to, and for each kind of object the source's numeric keys beside the
// IDs of the objects they became here, plus option values and bookkeeping lists.
//
// Its own interface: handles come from CHandledValue and IAstaProject names the same class.
//
// Archive record (written to disk; must never change): start marker "CAstaProject"; ProjectFile;
// ProjectName; ZentrixCompanyID; for Resource, Task, Calendar, Link, User, Assignment, Cost,
// ResourceCost, Code and CodeValue the key list then the ID list; StringOption names and values;
// IntOption names and values; SkipFromDelete's two lists; ProgressPeriod keys and values;
// ModifiedName keys and its two text lists; HardlyObject's two lists; UserField keys and IDs; end
// marker "CAstaProject". Every list is a "StdVector" record (store/StdVector.h). Files older than
// version 249 hold no UserField lists: loading one empties them.
//
// Login and password live among the string options ("login", "password"), never in a field of
// their own; the option values are secret to dumps for that reason.
#pragma once

#include <cstdint>

#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "sources/CExternProject.h"
#include "sources/SourceAccessors.h"
#include "store/StdVector.h"
#include "store/ValueHandles.h"

class ZX_API CAstaProject : public CDescribedValue<CAstaProject>,
                            public CHandledValue<CAstaProject>,
                            public CExternProject<CAstaProject> {
public:
    static constexpr const char* s_kindName = "AstaProject";
    static constexpr const char* s_recordMarker = "CAstaProject";
    // The first file version whose record holds the UserField lists.
    static constexpr int s_userFieldsSince = 249;

    using Keys = CStdVector<std::int32_t>;
    using Texts = CStdVector<CString>;

    template <class V>
    static void describeFields(V& v) {
        using A = CAstaProject;
        v.field("ProjectFile", &A::m_projectFile);
        v.field("ProjectName", &A::m_projectName);
        v.field("ZentrixCompanyID", &A::m_companyID);
        v.field("ResourceKeys", &A::m_resourceKeys);
        v.field("ResourceIDs", &A::m_resourceIDs);
        v.field("TaskKeys", &A::m_taskKeys);
        v.field("TaskIDs", &A::m_taskIDs);
        v.field("CalendarKeys", &A::m_calendarKeys);
        v.field("CalendarIDs", &A::m_calendarIDs);
        v.field("LinkKeys", &A::m_linkKeys);
        v.field("LinkIDs", &A::m_linkIDs);
        v.field("UserKeys", &A::m_userKeys);
        v.field("UserIDs", &A::m_userIDs);
        v.field("AssignmentKeys", &A::m_assignmentKeys);
        v.field("AssignmentIDs", &A::m_assignmentIDs);
        v.field("CostKeys", &A::m_costKeys);
        v.field("CostIDs", &A::m_costIDs);
        v.field("ResourceCostKeys", &A::m_resourceCostKeys);
        v.field("ResourceCostIDs", &A::m_resourceCostIDs);
        v.field("CodeKeys", &A::m_codeKeys);
        v.field("CodeIDs", &A::m_codeIDs);
        v.field("CodeValueKeys", &A::m_codeValueKeys);
        v.field("CodeValueIDs", &A::m_codeValueIDs);
        v.field("StringOptionNames", &A::m_stringOptionNames);
        v.field("StringOptionValues", &A::m_stringOptionValues, {.secret = true});
        v.field("IntOptionNames", &A::m_intOptionNames);
        v.field("IntOptionValues", &A::m_intOptionValues);
        v.field("SkipFromDeleteFirst", &A::m_skipFromDeleteFirst);
        v.field("SkipFromDeleteSecond", &A::m_skipFromDeleteSecond);
        v.field("ProgressPeriodKeys", &A::m_progressPeriodKeys);
        v.field("ProgressPeriodValues", &A::m_progressPeriodValues);
        v.field("ModifiedNameKeys", &A::m_modifiedNameKeys);
        v.field("ModifiedNameFirst", &A::m_modifiedNameFirst);
        v.field("ModifiedNameSecond", &A::m_modifiedNameSecond);
        v.field("HardlyObjectFirst", &A::m_hardlyObjectFirst);
        v.field("HardlyObjectSecond", &A::m_hardlyObjectSecond);
        v.recordOnly("UserFields", &A::emptyUserFields, {.before = s_userFieldsSince});
        v.field("UserFieldKeys", &A::m_userFieldKeys, {.since = s_userFieldsSince});
        v.field("UserFieldIDs", &A::m_userFieldIDs, {.since = s_userFieldsSince});
    }

    // Empties every value: texts, the company ID (unset) and every list.
    void RemoveAll();

    // The value of the first string option named "login" ("password"), or an empty text. The
    // reference stays valid until the next call.
    const CString& getLogin();
    const CString& getPassword();

    const CProjectString& getProjectFile() const { return m_projectFile; }
    void setProjectFile(const CString& file) { m_projectFile = file; }
    const CProjectString& getProjectName() const { return m_projectName; }
    void setProjectName(const CString& name) { m_projectName = name; }
    const CCompanyID& getZentrixCompanyID() const { return m_companyID; }
    void setZentrixCompanyID(const CCompanyID& id) { m_companyID = id; }

    ZX_PAIR_LIST_ACCESSORS(Resource, std::int32_t, m_resourceKeys, CResourceID, m_resourceIDs)
    ZX_PAIR_LIST_ACCESSORS(Task, std::int32_t, m_taskKeys, CTaskID, m_taskIDs)
    ZX_PAIR_LIST_ACCESSORS(Calendar, std::int32_t, m_calendarKeys, CCalendarID, m_calendarIDs)
    ZX_PAIR_LIST_ACCESSORS(Link, std::int32_t, m_linkKeys, CLinkID, m_linkIDs)
    ZX_PAIR_LIST_ACCESSORS(User, std::int32_t, m_userKeys, CUserID, m_userIDs)
    ZX_PAIR_LIST_ACCESSORS(Assignment, std::int32_t, m_assignmentKeys, CAssignedResourceID,
                           m_assignmentIDs)
    ZX_PAIR_LIST_ACCESSORS(Cost, std::int32_t, m_costKeys, CCostID, m_costIDs)
    ZX_PAIR_LIST_ACCESSORS(ResourceCost, std::int32_t, m_resourceCostKeys, CCostID,
                           m_resourceCostIDs)
    ZX_PAIR_LIST_ACCESSORS(Code, std::int32_t, m_codeKeys, CCodeID, m_codeIDs)
    ZX_PAIR_LIST_ACCESSORS(CodeValue, std::int32_t, m_codeValueKeys, CCodeValueID, m_codeValueIDs)
    ZX_PAIR_LIST_ACCESSORS(StringOption, CString, m_stringOptionNames, CString,
                           m_stringOptionValues)
    ZX_PAIR_LIST_ACCESSORS(IntOption, CString, m_intOptionNames, std::int32_t, m_intOptionValues)
    ZX_PAIR_LIST_ACCESSORS(SkipFromDelete, std::int32_t, m_skipFromDeleteFirst, std::int32_t,
                           m_skipFromDeleteSecond)
    ZX_PAIR_LIST_ACCESSORS(ProgressPeriod, std::int32_t, m_progressPeriodKeys, double,
                           m_progressPeriodValues)
    ZX_TRIPLE_LIST_ACCESSORS(ModifiedName, std::int32_t, m_modifiedNameKeys, CString,
                             m_modifiedNameFirst, CString, m_modifiedNameSecond)
    ZX_PAIR_LIST_ACCESSORS(HardlyObject, std::int32_t, m_hardlyObjectFirst, std::int32_t,
                           m_hardlyObjectSecond)
    ZX_PAIR_LIST_ACCESSORS(UserField, CString, m_userFieldKeys, CUserFieldID, m_userFieldIDs)

private:
    const CString& stringOption(const wchar_t* name, CString& cache) const;
    // The record of a file older than the UserField lists: loading one leaves them empty.
    void emptyUserFields(CZentrixArchive& ar);

    CProjectString m_projectFile;
    CProjectString m_projectName;
    // What getLogin and getPassword return; not part of the value.
    CString m_loginCache;
    CString m_passwordCache;
    CCompanyID m_companyID;
    Keys m_resourceKeys;
    CStdVector<CResourceID> m_resourceIDs;
    Keys m_taskKeys;
    CStdVector<CTaskID> m_taskIDs;
    Keys m_calendarKeys;
    CStdVector<CCalendarID> m_calendarIDs;
    Keys m_linkKeys;
    CStdVector<CLinkID> m_linkIDs;
    Keys m_userKeys;
    CStdVector<CUserID> m_userIDs;
    Keys m_assignmentKeys;
    CStdVector<CAssignedResourceID> m_assignmentIDs;
    Keys m_costKeys;
    CStdVector<CCostID> m_costIDs;
    Keys m_resourceCostKeys;
    CStdVector<CCostID> m_resourceCostIDs;
    Keys m_codeKeys;
    CStdVector<CCodeID> m_codeIDs;
    Keys m_codeValueKeys;
    CStdVector<CCodeValueID> m_codeValueIDs;
    Texts m_stringOptionNames;
    Texts m_stringOptionValues;
    Texts m_intOptionNames;
    Keys m_intOptionValues;
    Keys m_skipFromDeleteFirst;
    Keys m_skipFromDeleteSecond;
    Keys m_progressPeriodKeys;
    CStdVector<double> m_progressPeriodValues;
    Keys m_modifiedNameKeys;
    Texts m_modifiedNameFirst;
    Texts m_modifiedNameSecond;
    Keys m_hardlyObjectFirst;
    Keys m_hardlyObjectSecond;
    Texts m_userFieldKeys;
    CStdVector<CUserFieldID> m_userFieldIDs;
};

using IAstaProject = CAstaProject;
ZX_DECLARE_VALUE_HANDLES(CAstaProject);
