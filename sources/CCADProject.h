// CCADProject: the settings of a CAD model used as a source, embedded in the ID maps of another
// project (CZentrixProject): for eight kinds of object, the model's identifiers as texts beside
// the IDs of the objects they became here.
//
// Its own interface: handles come from CHandledValue and ICADProject names the same class.
//
// Archive record: for Entity3D, UserField, Filter, Resource, UseProfile, Task, Position and
// CuttingPlane in this order, the text list then the ID set.
#pragma once

#include "basetypes/CProjectStringArray.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "sources/SourceAccessors.h"
#include "store/IDArrays.h"
#include "store/ValueHandles.h"

class ZX_API CCADProject : public CDescribedValue<CCADProject>, public CHandledValue<CCADProject> {
public:
    static constexpr const char* s_kindName = "CADProject";

    template <class V>
    static void describeFields(V& v) {
        using C = CCADProject;
        v.field("ExternalEntity3DIDs", &C::m_externalEntity3DIDs);
        v.field("InternalEntity3DIDs", &C::m_internalEntity3DIDs);
        v.field("ExternalUserFieldIDs", &C::m_externalUserFieldIDs);
        v.field("InternalUserFieldIDs", &C::m_internalUserFieldIDs);
        v.field("ExternalFilterIDs", &C::m_externalFilterIDs);
        v.field("InternalFilterIDs", &C::m_internalFilterIDs);
        v.field("ExternalResourceIDs", &C::m_externalResourceIDs);
        v.field("InternalResourceIDs", &C::m_internalResourceIDs);
        v.field("ExternalUseProfileIDs", &C::m_externalUseProfileIDs);
        v.field("InternalUseProfileIDs", &C::m_internalUseProfileIDs);
        v.field("ExternalTaskIDs", &C::m_externalTaskIDs);
        v.field("InternalTaskIDs", &C::m_internalTaskIDs);
        v.field("ExternalPositionIDs", &C::m_externalPositionIDs);
        v.field("InternalPositionIDs", &C::m_internalPositionIDs);
        v.field("ExternalCuttingPlaneIDs", &C::m_externalCuttingPlaneIDs);
        v.field("InternalCuttingPlaneIDs", &C::m_internalCuttingPlaneIDs);
    }

    ZX_MEMBER_ACCESSORS(getExternalEntity3DIDArray, getWritableExternalEntity3DIDArray,
                        m_externalEntity3DIDs)
    ZX_MEMBER_ACCESSORS(getInternalEntity3DIDArray, getWritableInternalEntity3DIDArray,
                        m_internalEntity3DIDs)
    ZX_MEMBER_ACCESSORS(getExternalUserFieldIDArray, getWritableExternalUserFieldIDArray,
                        m_externalUserFieldIDs)
    ZX_MEMBER_ACCESSORS(getInternalUserFieldIDArray, getWritableInternalUserFieldIDArray,
                        m_internalUserFieldIDs)
    ZX_MEMBER_ACCESSORS(getExternalFilterIDArray, getWritableExternalFilterIDArray,
                        m_externalFilterIDs)
    ZX_MEMBER_ACCESSORS(getInternalFilterIDArray, getWritableInternalFilterIDArray,
                        m_internalFilterIDs)
    ZX_MEMBER_ACCESSORS(getExternalResourceIDArray, getWritableExternalResourceIDArray,
                        m_externalResourceIDs)
    ZX_MEMBER_ACCESSORS(getInternalResourceIDArray, getWritableInternalResourceIDArray,
                        m_internalResourceIDs)
    ZX_MEMBER_ACCESSORS(getExternalUseProfileIDArray, getWritableExternalUseProfileIDArray,
                        m_externalUseProfileIDs)
    ZX_MEMBER_ACCESSORS(getInternalUseProfileIDArray, getWritableInternalUseProfileIDArray,
                        m_internalUseProfileIDs)
    ZX_MEMBER_ACCESSORS(getExternalTaskIDArray, getWritableExternalTaskIDArray, m_externalTaskIDs)
    ZX_MEMBER_ACCESSORS(getInternalTaskIDArray, getWritableInternalTaskIDArray, m_internalTaskIDs)
    ZX_MEMBER_ACCESSORS(getExternalPositionIDArray, getWritableExternalPositionIDArray,
                        m_externalPositionIDs)
    ZX_MEMBER_ACCESSORS(getInternalPositionIDArray, getWritableInternalPositionIDArray,
                        m_internalPositionIDs)
    ZX_MEMBER_ACCESSORS(getExternalCuttingPlaneIDArray, getWritableExternalCuttingPlaneIDArray,
                        m_externalCuttingPlaneIDs)
    ZX_MEMBER_ACCESSORS(getInternalCuttingPlaneIDArray, getWritableInternalCuttingPlaneIDArray,
                        m_internalCuttingPlaneIDs)

    void RemoveAll() { *this = CCADProject(); }

private:
    CProjectStringArray m_externalEntity3DIDs;
    CEntity3DIDArray m_internalEntity3DIDs;
    CProjectStringArray m_externalUserFieldIDs;
    CUserFieldIDArray m_internalUserFieldIDs;
    CProjectStringArray m_externalFilterIDs;
    CFilterIDArray m_internalFilterIDs;
    CProjectStringArray m_externalResourceIDs;
    CResourceIDArray m_internalResourceIDs;
    CProjectStringArray m_externalUseProfileIDs;
    CUseProfileIDArray m_internalUseProfileIDs;
    CProjectStringArray m_externalTaskIDs;
    CTaskIDArray m_internalTaskIDs;
    CProjectStringArray m_externalPositionIDs;
    CPositionIDArray m_internalPositionIDs;
    CProjectStringArray m_externalCuttingPlaneIDs;
    CCuttingPlaneIDArray m_internalCuttingPlaneIDs;
};

using ICADProject = CCADProject;
ZX_DECLARE_VALUE_HANDLES(CCADProject);
