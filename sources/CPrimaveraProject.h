// CPrimaveraProject: the settings of a Primavera schedule used as a source: the database and
// projects it reads, and for each kind of object (EEntityType) a few lists of identifiers
// (EArrayType): the source's own (ExternalIDs) beside this project's (InternalIDs), and for some
// kinds one or two more.
//
// Lists exist for array types ExternalIDs and InternalIDs of every entity type, and for these
// pairs: Project/ProjectGUIDs, WBS/ParentIDs, ActivityCode/CodeTypeIDs and CodeScopes,
// ActivityCodeValue/ParentValueIDs, UDFValue/UDFTypeIDs, Expense/ExpenseActivityIDs and
// Step/StepActivityIDs: 48 lists. getEntityArray for any other pair empties and returns a
// scratch list that is not part of the value, so what is written there is lost.
//
// Its own interface: handles come from CHandledValue and IPrimaveraProject names the same class.
//
// Archive record: the fields in the order of describeFields; the 48 lists in ascending entity
// type, and within one in ascending array type.
#pragma once

#include <array>
#include <cstddef>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectStringArray.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "sources/CExternProject.h"
#include "store/ValueHandles.h"

class ZX_API CPrimaveraProject : public CDescribedValue<CPrimaveraProject>,
                                 public CHandledValue<CPrimaveraProject>,
                                 public CExternProject<CPrimaveraProject> {
public:
    static constexpr const char* s_kindName = "PrimaveraProject";

    enum EEntityType : int {
        Project,
        WBS,
        Activity,
        Resource,
        Calendar,
        ActivityCode,
        ActivityCodeValue,
        ResourceCode,
        ResourceCodeValue,
        Relationship,
        ResourceAssignment,
        UDFType,
        UDFValue,
        ProjectCode,
        ProjectCodeValue,
        Role,
        Expense,
        Baseline,
        Step,
        Notebook,
    };
    static constexpr int s_entityTypeCount = 20;
    enum EArrayType : int {
        ExternalIDs,
        InternalIDs,
        ParentIDs,
        CodeTypeIDs,
        CodeScopes,
        ParentValueIDs,
        UDFTypeIDs,
        ProjectGUIDs,
        ExpenseActivityIDs,
        StepActivityIDs,
    };
    static constexpr int s_arrayTypeCount = 10;
    static constexpr std::size_t s_listCount = 48;
    using EntityLists = CProjectStringArrays<s_listCount>;

    // The position of a pair's list among the 48, or -1 for a pair that has none.
    static constexpr int listIndex(int entity, int array);

    template <class V>
    static void describeFields(V& v) {
        using P = CPrimaveraProject;
        v.field("Version", &P::m_version);
        v.field("DbName", &P::m_dbName);
        v.field("DbId", &P::m_dbId);
        v.field("PrimaveraProjectIDs", &P::m_projectIDs);
        v.field("PrimaveraProjectGUIDs", &P::m_projectGUIDs);
        v.field("PrimaveraProjectUserIDs", &P::m_projectUserIDs);
        v.field("EntityLists", &P::m_entityLists);
    }

    // The list of a pair; for a pair without one, the scratch list, unchanged.
    const CProjectStringArray& getConstEntityArray(EEntityType entity, EArrayType array) const;
    // The list of a pair; for a pair without one, the scratch list, emptied first.
    CProjectStringArray& getEntityArray(EEntityType entity, EArrayType array);

    const CProjectInt& getVersion() const { return m_version; }
    CProjectInt& getVersion() { return m_version; }
    void setVersion(const CProjectInt& version) { m_version = version; }
    const CProjectString& getDbName() const { return m_dbName; }
    CProjectString& getDbName() { return m_dbName; }
    void setDbName(const CString& name) { m_dbName = name; }
    const CProjectString& getDbId() const { return m_dbId; }
    CProjectString& getDbId() { return m_dbId; }
    void setDbId(const CString& id) { m_dbId = id; }
    const CProjectStringArray& getConstPrimaveraProjectIDs() const { return m_projectIDs; }
    CProjectStringArray& getPrimaveraProjectIDs() { return m_projectIDs; }
    const CProjectStringArray& getConstPrimaveraProjectGUIDs() const { return m_projectGUIDs; }
    CProjectStringArray& getPrimaveraProjectGUIDs() { return m_projectGUIDs; }
    const CProjectStringArray& getConstPrimaveraProjectUserIDs() const { return m_projectUserIDs; }
    CProjectStringArray& getPrimaveraProjectUserIDs() { return m_projectUserIDs; }

    void RemoveAll() { *this = CPrimaveraProject(); }

private:
    CProjectInt m_version;
    CProjectString m_dbName;
    CProjectString m_dbId;
    CProjectStringArray m_projectIDs;
    CProjectStringArray m_projectGUIDs;
    CProjectStringArray m_projectUserIDs;
    EntityLists m_entityLists;
    // Where pairs without a list of their own land; not part of the value.
    CProjectStringArray m_fallback;
};

constexpr int CPrimaveraProject::listIndex(int entity, int array) {
    if (entity < 0 || entity >= s_entityTypeCount || array < 0 || array >= s_arrayTypeCount)
        return -1;
    // The array types beyond the two every entity type has, by entity type.
    constexpr auto extras = [](int e, int a) {
        switch (e) {
            case Project:
                return a == ProjectGUIDs;
            case WBS:
                return a == ParentIDs;
            case ActivityCode:
                return a == CodeTypeIDs || a == CodeScopes;
            case ActivityCodeValue:
                return a == ParentValueIDs;
            case UDFValue:
                return a == UDFTypeIDs;
            case Expense:
                return a == ExpenseActivityIDs;
            case Step:
                return a == StepActivityIDs;
            default:
                return false;
        }
    };
    if (array > InternalIDs && !extras(entity, array)) return -1;
    int index = 0;
    for (int e = 0; e < s_entityTypeCount; ++e)
        for (int a = 0; a < s_arrayTypeCount; ++a) {
            if (a > InternalIDs && !extras(e, a)) continue;
            if (e == entity && a == array) return index;
            ++index;
        }
    return -1;
}
static_assert(CPrimaveraProject::listIndex(CPrimaveraProject::Notebook,
                                           CPrimaveraProject::InternalIDs) == 47,
              "the entity lists are 48");

using IPrimaveraProject = CPrimaveraProject;
ZX_DECLARE_VALUE_HANDLES(CPrimaveraProject);
