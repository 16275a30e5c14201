// CXMLProject: the settings of an XML (or NetPoint) schedule used as a source: its title, the
// time of the last operation as the source wrote it, the project names on both sides, and for nine
// kinds of object the source's identifiers beside this project's, both as texts, paired by
// position.
//
// Its own interface: handles come from CHandledValue and IXMLProject names the same class.
//
// Archive record: the fields in the order of describeFields.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CProjectStringArray.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "sources/CExternProject.h"
#include "sources/SourceAccessors.h"
#include "store/ValueHandles.h"

class ZX_API CXMLProject : public CDescribedValue<CXMLProject>,
                           public CHandledValue<CXMLProject>,
                           public CExternProject<CXMLProject> {
public:
    static constexpr const char* s_kindName = "XMLProject";

    template <class V>
    static void describeFields(V& v) {
        using X = CXMLProject;
        v.field("Title", &X::m_title);
        v.field("TimeOfOperation", &X::m_timeOfOperation);
        v.field("ProjectNameZentrix", &X::m_projectNameZentrix);
        v.field("ProjectNameXML", &X::m_projectNameXML);
        v.field("XMLTaskIDs", &X::m_xmlTaskIDs);
        v.field("ZentrixTaskIDs", &X::m_taskIDs);
        v.field("XMLResourceIDs", &X::m_xmlResourceIDs);
        v.field("ZentrixResourceIDs", &X::m_resourceIDs);
        v.field("XMLCalendarIDs", &X::m_xmlCalendarIDs);
        v.field("ZentrixCalendarIDs", &X::m_calendarIDs);
        v.field("XMLAssignmentIDs", &X::m_xmlAssignmentIDs);
        v.field("ZentrixAssignmentIDs", &X::m_assignmentIDs);
        v.field("XMLActivityCodeIDs", &X::m_xmlActivityCodeIDs);
        v.field("ZentrixActivityCodeIDs", &X::m_activityCodeIDs);
        v.field("XMLActivityCodeValueIDs", &X::m_xmlActivityCodeValueIDs);
        v.field("ZentrixActivityCodeValueIDs", &X::m_activityCodeValueIDs);
        v.field("XMLResourceCodeIDs", &X::m_xmlResourceCodeIDs);
        v.field("ZentrixResourceCodeIDs", &X::m_resourceCodeIDs);
        v.field("XMLResourceCodeValueIDs", &X::m_xmlResourceCodeValueIDs);
        v.field("ZentrixResourceCodeValueIDs", &X::m_resourceCodeValueIDs);
        v.field("XMLUserFieldIDs", &X::m_xmlUserFieldIDs);
        v.field("ZentrixUserFieldIDs", &X::m_userFieldIDs);
        v.field("CompanyID", &X::m_companyID);
    }

    ZX_MEMBER_ACCESSORS(GetTitle, GetTitle, m_title)
    ZX_MEMBER_ACCESSORS(GetTimeOfOperation, GetTimeOfOperation, m_timeOfOperation)
    ZX_MEMBER_ACCESSORS(GetProjectNameZentrix, GetProjectNameZentrix, m_projectNameZentrix)
    ZX_MEMBER_ACCESSORS(GetProjectNameXML, GetProjectNameXML, m_projectNameXML)
    void SetTitle(const CString& title) { m_title = title; }
    void SetTimeOfOperation(const CString& time) { m_timeOfOperation = time; }
    void SetProjectNameZentrix(const CString& name) { m_projectNameZentrix = name; }
    void SetProjectNameXML(const CString& name) { m_projectNameXML = name; }
    void SetCompanyID(const CCompanyID& id) { m_companyID = id; }
    ZX_MEMBER_ACCESSORS(GetCompanyID, GetCompanyID, m_companyID)

    ZX_MEMBER_ACCESSORS(getXMLTaskIDs, getXMLTaskIDs, m_xmlTaskIDs)
    ZX_MEMBER_ACCESSORS(getZentrixTaskIDs, getZentrixTaskIDs, m_taskIDs)
    ZX_MEMBER_ACCESSORS(getXMLResourceIDs, getXMLResourceIDs, m_xmlResourceIDs)
    ZX_MEMBER_ACCESSORS(getZentrixResourceIDs, getZentrixResourceIDs, m_resourceIDs)
    ZX_MEMBER_ACCESSORS(getXMLCalendarIDs, getXMLCalendarIDs, m_xmlCalendarIDs)
    ZX_MEMBER_ACCESSORS(getZentrixCalendarIDs, getZentrixCalendarIDs, m_calendarIDs)
    ZX_MEMBER_ACCESSORS(getXMLAssignmentIDs, getXMLAssignmentIDs, m_xmlAssignmentIDs)
    ZX_MEMBER_ACCESSORS(getZentrixAssignmentIDs, getZentrixAssignmentIDs, m_assignmentIDs)
    ZX_MEMBER_ACCESSORS(getXMLActivityCodeIDs, getXMLActivityCodeIDs, m_xmlActivityCodeIDs)
    ZX_MEMBER_ACCESSORS(getZentrixActivityCodeIDs, getZentrixActivityCodeIDs, m_activityCodeIDs)
    ZX_MEMBER_ACCESSORS(getXMLActivityCodeValueIDs, getXMLActivityCodeValueIDs,
                        m_xmlActivityCodeValueIDs)
    ZX_MEMBER_ACCESSORS(getZentrixActivityCodeValueIDs, getZentrixActivityCodeValueIDs,
                        m_activityCodeValueIDs)
    ZX_MEMBER_ACCESSORS(getXMLResourceCodeIDs, getXMLResourceCodeIDs, m_xmlResourceCodeIDs)
    ZX_MEMBER_ACCESSORS(getZentrixResourceCodeIDs, getZentrixResourceCodeIDs, m_resourceCodeIDs)
    ZX_MEMBER_ACCESSORS(getXMLResourceCodeValueIDs, getXMLResourceCodeValueIDs,
                        m_xmlResourceCodeValueIDs)
    ZX_MEMBER_ACCESSORS(getZentrixResourceCodeValueIDs, getZentrixResourceCodeValueIDs,
                        m_resourceCodeValueIDs)
    ZX_MEMBER_ACCESSORS(getXMLUserFieldIDs, getXMLUserFieldIDs, m_xmlUserFieldIDs)
    ZX_MEMBER_ACCESSORS(getZentrixUserFieldIDs, getZentrixUserFieldIDs, m_userFieldIDs)

    void RemoveAll() { *this = CXMLProject(); }

private:
    CProjectString m_title;
    CProjectString m_timeOfOperation;
    CProjectString m_projectNameZentrix;
    CProjectString m_projectNameXML;
    CProjectStringArray m_xmlTaskIDs;
    CProjectStringArray m_taskIDs;
    CProjectStringArray m_xmlResourceIDs;
    CProjectStringArray m_resourceIDs;
    CProjectStringArray m_xmlCalendarIDs;
    CProjectStringArray m_calendarIDs;
    CProjectStringArray m_xmlAssignmentIDs;
    CProjectStringArray m_assignmentIDs;
    CProjectStringArray m_xmlActivityCodeIDs;
    CProjectStringArray m_activityCodeIDs;
    CProjectStringArray m_xmlActivityCodeValueIDs;
    CProjectStringArray m_activityCodeValueIDs;
    CProjectStringArray m_xmlResourceCodeIDs;
    CProjectStringArray m_resourceCodeIDs;
    CProjectStringArray m_xmlResourceCodeValueIDs;
    CProjectStringArray m_resourceCodeValueIDs;
    CProjectStringArray m_xmlUserFieldIDs;
    CProjectStringArray m_userFieldIDs;
    CCompanyID m_companyID;
};

using IXMLProject = CXMLProject;
ZX_DECLARE_VALUE_HANDLES(CXMLProject);
