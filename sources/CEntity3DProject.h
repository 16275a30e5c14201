// CEntity3DProject: the settings of a source that is a set of 3D entities: the entity, the text
// of the property that links the source's objects to the project's, and the user fields read.
//
// Its own interface: handles come from CHandledValue and IEntity3DProject names the same class.
//
// Archive record: the fields in the order of describeFields.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "sources/CExternProject.h"
#include "sources/SourceAccessors.h"
#include "store/IDArrays.h"
#include "store/ValueHandles.h"

class ZX_API CEntity3DProject : public CDescribedValue<CEntity3DProject>,
                                public CHandledValue<CEntity3DProject>,
                                public CExternProject<CEntity3DProject> {
public:
    static constexpr const char* s_kindName = "Entity3DProject";

    template <class V>
    static void describeFields(V& v) {
        v.field("Entity3DID", &CEntity3DProject::m_entity3DID);
        v.field("PropertyString", &CEntity3DProject::m_propertyString);
        v.field("UserFieldIDs", &CEntity3DProject::m_userFieldIDs);
    }

    void setEntity3DID(const CEntity3DID& id) { m_entity3DID = id; }
    ZX_MEMBER_ACCESSORS(getEntity3DID, getWritableEntity3DID, m_entity3DID)
    ZX_MEMBER_ACCESSORS(getPropertyString, getWritablePropertyString, m_propertyString)
    void setPropertyString(const CString& text) { m_propertyString = text; }
    ZX_MEMBER_ACCESSORS(getUserFieldIDs, getWritableUserFieldIDs, m_userFieldIDs)
    void setUserFieldIDs(const CUserFieldIDArray& ids) { m_userFieldIDs = ids; }

    void RemoveAll() { *this = CEntity3DProject(); }

private:
    CEntity3DID m_entity3DID;
    CProjectString m_propertyString;
    CUserFieldIDArray m_userFieldIDs;
};

using IEntity3DProject = CEntity3DProject;
ZX_DECLARE_VALUE_HANDLES(CEntity3DProject);
