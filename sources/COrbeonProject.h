// COrbeonProject: the settings of a model in an Orbeon repository used as a source: where it lies
// (region, project, partition), which change set and briefcase were read, the entity and user
// fields it fills, and the transaction and document of the last synchronization.
//
// Its own interface: handles come from CHandledValue and IOrbeonProject names the same class.
//
// Archive record: the fields in the order of describeFields.
#pragma once

#include <memory>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "sources/CExternProject.h"
#include "sources/SourceAccessors.h"
#include "store/IDArrays.h"
#include "store/ValueHandles.h"

class IDocumentFile;

class ZX_API COrbeonProject : public CDescribedValue<COrbeonProject>,
                              public CHandledValue<COrbeonProject>,
                              public CExternProject<COrbeonProject> {
public:
    static constexpr const char* s_kindName = "OrbeonProject";

    template <class V>
    static void describeFields(V& v) {
        using O = COrbeonProject;
        v.field("Region", &O::m_region);
        v.field("ProjectID", &O::m_projectID);
        v.field("ProjectName", &O::m_projectName);
        v.field("OrbeonID", &O::m_orbeonID);
        v.field("OrbeonName", &O::m_orbeonName);
        v.field("PartitionID", &O::m_partitionID);
        v.field("ChangeSetID", &O::m_changeSetID);
        v.field("ChangeSetIndex", &O::m_changeSetIndex);
        v.field("BriefcaseID", &O::m_briefcaseID);
        v.field("Entity3DID", &O::m_entity3DID);
        v.field("UserFieldIDs", &O::m_userFieldIDs);
        v.field("ProjectStateIndex", &O::m_projectStateIndex);
        v.field("TransactionID", &O::m_transactionID);
        v.field("SynchronizerDocumentID", &O::m_synchronizerDocumentID);
    }

    ZX_MEMBER_ACCESSORS(getRegion, getWritableRegion, m_region)
    void setRegion(const CProjectInt& region) { m_region = region; }
    ZX_MEMBER_ACCESSORS(getProjectID, getWritableProjectID, m_projectID)
    void setProjectID(const CString& id) { m_projectID = id; }
    ZX_MEMBER_ACCESSORS(getProjectName, getWritableProjectName, m_projectName)
    void setProjectName(const CString& name) { m_projectName = name; }
    ZX_MEMBER_ACCESSORS(getOrbeonID, getWritableOrbeonID, m_orbeonID)
    void setOrbeonID(const CString& id) { m_orbeonID = id; }
    ZX_MEMBER_ACCESSORS(getOrbeonName, getWritableOrbeonName, m_orbeonName)
    void setOrbeonName(const CString& name) { m_orbeonName = name; }
    ZX_MEMBER_ACCESSORS(getPartitionID, getWritablePartitionID, m_partitionID)
    void setPartitionID(const CString& id) { m_partitionID = id; }
    ZX_MEMBER_ACCESSORS(getChangeSetID, getWritableChangeSetID, m_changeSetID)
    void setChangeSetID(const CString& id) { m_changeSetID = id; }
    ZX_MEMBER_ACCESSORS(getChangeSetIndex, getWritableChangeSetIndex, m_changeSetIndex)
    void setChangeSetIndex(const CProjectInt& index) { m_changeSetIndex = index; }
    ZX_MEMBER_ACCESSORS(getBriefcaseID, getWritableBriefcaseID, m_briefcaseID)
    void setBriefcaseID(const CProjectInt& id) { m_briefcaseID = id; }
    ZX_MEMBER_ACCESSORS(getEntity3DID, getWritableEntity3DID, m_entity3DID)
    void setEntity3DID(const CEntity3DID& id) { m_entity3DID = id; }
    ZX_MEMBER_ACCESSORS(getUserFieldIDs, getWritableUserFieldIDs, m_userFieldIDs)
    void setUserFieldIDs(const CUserFieldIDArray& ids) { m_userFieldIDs = ids; }
    ZX_MEMBER_ACCESSORS(getProjectStateIndex, getWritableProjectStateIndex, m_projectStateIndex)
    void setProjectStateIndex(const CProjectInt& index) { m_projectStateIndex = index; }
    ZX_MEMBER_ACCESSORS(getTransactionID, getWritableTransactionID, m_transactionID)
    void setTransactionID(const CTransactionID& id) { m_transactionID = id; }
    ZX_MEMBER_ACCESSORS(getSynchronizerDocumentID, getWritableSynchronizerDocumentID,
                        m_synchronizerDocumentID)
    void setSynchronizerDocumentID(const CDocumentFileID& id) { m_synchronizerDocumentID = id; }

    void RemoveAll() { *this = COrbeonProject(); }

protected:
    // A new, empty document for the synchronization's record, owned by the caller.
    std::shared_ptr<IDocumentFile> allocateDocument() const;

private:
    CProjectInt m_region;
    CProjectString m_projectID;
    CProjectString m_projectName;
    CProjectString m_orbeonID;
    CProjectString m_orbeonName;
    CProjectString m_partitionID;
    CProjectString m_changeSetID;
    CProjectInt m_changeSetIndex;
    CProjectInt m_briefcaseID;
    CEntity3DID m_entity3DID;
    CUserFieldIDArray m_userFieldIDs;
    CProjectInt m_projectStateIndex;
    CTransactionID m_transactionID;
    CDocumentFileID m_synchronizerDocumentID;
};

using IOrbeonProject = COrbeonProject;
ZX_DECLARE_VALUE_HANDLES(COrbeonProject);
