// CZentrixProject: the settings of another project of this application used as a source: for 29
// kinds of object, the IDs of objects here (internal) beside the IDs of the same objects in the
// source (external), and the settings of the CAD model the source came from.
//
// A pair's two ID sets are kept sorted (each holds an ID once); addMultipleToMap adds a batch of
// pairs and sorts once. The sets are sets, not a table of rows: after sorting, the n-th internal
// ID no longer needs to sit beside its external one.
//
// Its own interface: handles come from CHandledValue and IZentrixProject names the same class.
//
// Archive record: for each kind in the order of ZX_PROJECT_ID_MAPS, the internal set then the
// external set (each CIDPointerArray's record); then the CAD settings' record.
#pragma once

#include <map>

#include "basetypes/CIDBase.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "sources/CCADProject.h"
#include "sources/CExternProject.h"
#include "sources/SourceAccessors.h"
#include "store/IDArrays.h"
#include "store/ValueHandles.h"

// The kinds whose IDs another project maps, as X(Name, ID set type), in record order. Name gives
// the accessors (getInternal<Name>IDs, getExternal<Name>IDs) and the data type code dt<Name>.
// clang-format off
#define ZX_PROJECT_ID_MAPS(X)                              \
    X(Task, CTaskIDArray)                                  \
    X(Calendar, CCalendarIDArray)                          \
    X(Company, CCompanyIDArray)                            \
    X(Resource, CResourceIDArray)                          \
    X(Entity3D, CEntity3DIDArray)                          \
    X(UseProfile, CUseProfileIDArray)                      \
    X(Risk, CRiskIDArray)                                  \
    X(Code, CCodeIDArray)                                  \
    X(CodeValue, CCodeValueIDArray)                        \
    X(Link, CLinkIDArray)                                  \
    X(Baseline, CProjectBaselineIDArray)                   \
    X(UserField, CUserFieldIDArray)                        \
    X(TaskState, CTaskStateIDArray)                        \
    X(Position, CPositionIDArray)                          \
    X(Animation, CAnimationIDArray)                        \
    X(Path, CPathIDArray)                                  \
    X(Filter, CFilterIDArray)                              \
    X(TaskCost, CCostIDArray)                              \
    X(ResourceRate, CResourceRateIDArray)                  \
    X(AssignedResource, CAssignedResourceIDArray)          \
    X(AssignedRisk, CAssignedRiskIDArray)                  \
    X(TaskReport, CTaskReportIDArray)                      \
    X(UserGrid, CUserGridIDArray)                          \
    X(3DNotation, C3DNotationIDArray)                      \
    X(Rule, CRuleIDArray)                                  \
    X(CuttingPlane, CCuttingPlaneIDArray)                  \
    X(ResourceState, CResourceStateIDArray)                \
    X(ResourceGroup, CResourceGroupIDArray)                \
    X(AssignedResourceGroup, CAssignedResourceGroupIDArray)
// clang-format on

class ZX_API CZentrixProject : public CDescribedValue<CZentrixProject>,
                               public CHandledValue<CZentrixProject>,
                               public CExternProject<CZentrixProject> {
public:
    static constexpr const char* s_kindName = "ZentrixProject";

    // The data type code of each kind; dtNone names no pair.
#define ZX_DATA_TYPE(NAME, SET) dt##NAME,
    enum EDataTypes : int { dtNone, ZX_PROJECT_ID_MAPS(ZX_DATA_TYPE) };
#undef ZX_DATA_TYPE
    static constexpr int s_dataTypeCount = dtAssignedResourceGroup;

    template <class V>
    static void describeFields(V& v) {
#define ZX_DESCRIBE_PAIR(NAME, SET)                                      \
    v.field("Internal" #NAME "IDs", &CZentrixProject::m_internal##NAME); \
    v.field("External" #NAME "IDs", &CZentrixProject::m_external##NAME, {.foreign = true});
        ZX_PROJECT_ID_MAPS(ZX_DESCRIBE_PAIR)
#undef ZX_DESCRIBE_PAIR
        v.field("CADProject", &CZentrixProject::m_cadProject);
    }

#define ZX_PAIR_ACCESSORS(NAME, SET)                                                      \
    ZX_MEMBER_ACCESSORS(getInternal##NAME##IDs, getInternal##NAME##IDs, m_internal##NAME) \
    ZX_MEMBER_ACCESSORS(getExternal##NAME##IDs, getExternal##NAME##IDs, m_external##NAME)
    ZX_PROJECT_ID_MAPS(ZX_PAIR_ACCESSORS)
#undef ZX_PAIR_ACCESSORS

    CCADProjectHandle getCADProject() const { return m_cadProject.getHandle(); }
    CCADProjectWritableHandle getWritableCADProject() { return m_cadProject.getWritableHandle(); }
    void setCADProject(const ICADProject& cad) { m_cadProject = cad; }
    void clearCADProject() { m_cadProject.RemoveAll(); }
    // Takes cad as the CAD settings and brings every pair of sets back to sets (sorted, each ID
    // once), as a batch leaves them: for a host that filled the sets through their writable
    // accessors with addNoSort.
    void rebuildMaps(const ICADProject& cad);

    // Adds a batch of internal-to-external pairs to the sets of one kind and sorts both once.
    // False, with both sets unchanged, for a type that names no pair, sets of different sizes, a
    // pair holding an unset or null ID, or a pair whose internal and external IDs are both there
    // already. Otherwise true when both sets still have the same size after sorting.
    [[nodiscard]] bool addMultipleToMap(const std::map<CIDBase, CIDBase>& pairs, int type);

    void RemoveAll() { *this = CZentrixProject(); }

protected:
    // Calls f(internal, external) with the two sets of a data type and returns its result; false
    // for a type that names no pair.
    template <class F>
    bool withPair(int type, F&& f) {
        switch (type) {
#define ZX_PAIR_CASE(NAME, SET) \
    case dt##NAME:              \
        return f(m_internal##NAME, m_external##NAME);
            ZX_PROJECT_ID_MAPS(ZX_PAIR_CASE)
#undef ZX_PAIR_CASE
            default:
                return false;
        }
    }

private:
#define ZX_PAIR_MEMBERS(NAME, SET) \
    SET m_internal##NAME;          \
    SET m_external##NAME;
    ZX_PROJECT_ID_MAPS(ZX_PAIR_MEMBERS)
#undef ZX_PAIR_MEMBERS
    CCADProject m_cadProject;
};

using IZentrixProject = CZentrixProject;
ZX_DECLARE_VALUE_HANDLES(CZentrixProject);
