// The typed IDs: one type per kind of identifier, each a CIDBase with no state of its own.
// Distinct types keep a task ID from being passed where a resource ID is expected; an explicit
// conversion from CIDBase exists for the few places that move IDs between kinds.
#pragma once

#include "basetypes/CIDBase.h"
#include "basetypes/ZxApi.h"

template <class Tag>
class ZX_API CTypedID : public CIDBase {
public:
    using CIDBase::CIDBase;
    CTypedID() = default;
    explicit CTypedID(const CIDBase& id) : CIDBase(id) {}
};

// The tags are declared where they are first named, and a template takes the narrowest visibility
// of its arguments: a hidden tag would hide every container and handle keyed by its ID. Declared
// here they are exported with the rest of the identifiers.
#pragma GCC visibility push(default)
using C3DNotationID = CTypedID<struct C3DNotationIDTag>;
using C3DWorldSettingsID = CTypedID<struct C3DWorldSettingsIDTag>;
using CAnimationID = CTypedID<struct CAnimationIDTag>;
using CAssignedResourceGroupID = CTypedID<struct CAssignedResourceGroupIDTag>;
using CAssignedResourceID = CTypedID<struct CAssignedResourceIDTag>;
using CAssignedRiskID = CTypedID<struct CAssignedRiskIDTag>;
using CBinImageID = CTypedID<struct CBinImageIDTag>;
using CCalendarDayTypeID = CTypedID<struct CCalendarDayTypeIDTag>;
using CCalendarID = CTypedID<struct CCalendarIDTag>;
using CClashTestID = CTypedID<struct CClashTestIDTag>;
using CClashTestResultID = CTypedID<struct CClashTestResultIDTag>;
using CCodeID = CTypedID<struct CCodeIDTag>;
using CCodeValueID = CTypedID<struct CCodeValueIDTag>;
using CCompanyID = CTypedID<struct CCompanyIDTag>;
using CCostID = CTypedID<struct CCostIDTag>;
using CCuttingPlaneID = CTypedID<struct CCuttingPlaneIDTag>;
using CDocumentFileID = CTypedID<struct CDocumentFileIDTag>;
using CDocumentFolderID = CTypedID<struct CDocumentFolderIDTag>;
using CEntity3DID = CTypedID<struct CEntity3DIDTag>;
using CFilterID = CTypedID<struct CFilterIDTag>;
using CGraphicalImageID = CTypedID<struct CGraphicalImageIDTag>;
using CIssueID = CTypedID<struct CIssueIDTag>;
using CJoinTestID = CTypedID<struct CJoinTestIDTag>;
using CJoinTestResultID = CTypedID<struct CJoinTestResultIDTag>;
using CKeyFrameID = CTypedID<struct CKeyFrameIDTag>;
using CLayoutID = CTypedID<struct CLayoutIDTag>;
using CLinkID = CTypedID<struct CLinkIDTag>;
using CMainGridID = CTypedID<struct CMainGridIDTag>;
using CNoteID = CTypedID<struct CNoteIDTag>;
using CPathID = CTypedID<struct CPathIDTag>;
using CPhysicalLightID = CTypedID<struct CPhysicalLightIDTag>;
using CPresentationMapSetID = CTypedID<struct CPresentationMapSetIDTag>;
using CProposedRescheduleID = CTypedID<struct CProposedRescheduleIDTag>;
using CPositionID = CTypedID<struct CPositionIDTag>;
using CProjectBaselineID = CTypedID<struct CProjectBaselineIDTag>;
using CResourceGroupID = CTypedID<struct CResourceGroupIDTag>;
using CResourceID = CTypedID<struct CResourceIDTag>;
using CResourceRateID = CTypedID<struct CResourceRateIDTag>;
using CResourceStateHistoryItemID = CTypedID<struct CResourceStateHistoryItemIDTag>;
using CResourceStateID = CTypedID<struct CResourceStateIDTag>;
using CRiskID = CTypedID<struct CRiskIDTag>;
using CRoleID = CTypedID<struct CRoleIDTag>;
using CRuleID = CTypedID<struct CRuleIDTag>;
using CSkyBoxID = CTypedID<struct CSkyBoxIDTag>;
using CSpatialUseProfileID = CTypedID<struct CSpatialUseProfileIDTag>;
using CSupplyChainID = CTypedID<struct CSupplyChainIDTag>;
using CSynchronizerID = CTypedID<struct CSynchronizerIDTag>;
using CTableFormatRuleID = CTypedID<struct CTableFormatRuleIDTag>;
using CTaskCategoryID = CTypedID<struct CTaskCategoryIDTag>;
using CTaskID = CTypedID<struct CTaskIDTag>;
using CTaskReportID = CTypedID<struct CTaskReportIDTag>;
using CTaskStateID = CTypedID<struct CTaskStateIDTag>;
using CTextureDefinitionID = CTypedID<struct CTextureDefinitionIDTag>;
using CTimelineID = CTypedID<struct CTimelineIDTag>;
using CTransactionID = CTypedID<struct CTransactionIDTag>;
using CUniFolderID = CTypedID<struct CUniFolderIDTag>;
using CUseProfileID = CTypedID<struct CUseProfileIDTag>;
using CUserFieldID = CTypedID<struct CUserFieldIDTag>;
using CUserGridID = CTypedID<struct CUserGridIDTag>;
using CUserID = CTypedID<struct CUserIDTag>;
using CWbsLayoutID = CTypedID<struct CWbsLayoutIDTag>;
using CWbsLevelID = CTypedID<struct CWbsLevelIDTag>;
#pragma GCC visibility pop
