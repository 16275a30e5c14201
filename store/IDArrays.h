// The named ID set classes: one per kind of ID that objects keep sets of, named after the ID
// with "Array" appended (CTaskIDArray holds CTaskIDs). Each is CIDPointerArray of its ID with
// nothing of its own, so all of them share one implementation and one archive record.
#pragma once

#include "basetypes/CIDBase.h"
#include "basetypes/TypedIDs.h"
#include "store/CIDPointerArray.h"

using C3DNotationIDArray = CIDPointerArray<C3DNotationID>;
using CAnimationIDArray = CIDPointerArray<CAnimationID>;
using CAssignedResourceGroupIDArray = CIDPointerArray<CAssignedResourceGroupID>;
using CAssignedResourceIDArray = CIDPointerArray<CAssignedResourceID>;
using CAssignedRiskIDArray = CIDPointerArray<CAssignedRiskID>;
using CCalendarIDArray = CIDPointerArray<CCalendarID>;
using CCodeIDArray = CIDPointerArray<CCodeID>;
using CCodeValueIDArray = CIDPointerArray<CCodeValueID>;
using CCompanyIDArray = CIDPointerArray<CCompanyID>;
using CCostIDArray = CIDPointerArray<CCostID>;
using CCuttingPlaneIDArray = CIDPointerArray<CCuttingPlaneID>;
using CDocumentFileIDArray = CIDPointerArray<CDocumentFileID>;
using CEntity3DIDArray = CIDPointerArray<CEntity3DID>;
using CFilterIDArray = CIDPointerArray<CFilterID>;
using CGraphicalImageIDArray = CIDPointerArray<CGraphicalImageID>;
using CIDBaseArray = CIDPointerArray<CIDBase>;
using CLayoutIDArray = CIDPointerArray<CLayoutID>;
using CLinkIDArray = CIDPointerArray<CLinkID>;
using CPathIDArray = CIDPointerArray<CPathID>;
using CPositionIDArray = CIDPointerArray<CPositionID>;
using CProjectBaselineIDArray = CIDPointerArray<CProjectBaselineID>;
using CResourceGroupIDArray = CIDPointerArray<CResourceGroupID>;
using CResourceIDArray = CIDPointerArray<CResourceID>;
using CResourceRateIDArray = CIDPointerArray<CResourceRateID>;
using CResourceStateIDArray = CIDPointerArray<CResourceStateID>;
using CRiskIDArray = CIDPointerArray<CRiskID>;
using CRuleIDArray = CIDPointerArray<CRuleID>;
using CTableFormatRuleIDArray = CIDPointerArray<CTableFormatRuleID>;
using CTaskIDArray = CIDPointerArray<CTaskID>;
using CTaskReportIDArray = CIDPointerArray<CTaskReportID>;
using CTaskStateIDArray = CIDPointerArray<CTaskStateID>;
using CTextureDefinitionIDArray = CIDPointerArray<CTextureDefinitionID>;
using CUniFolderIDArray = CIDPointerArray<CUniFolderID>;
using CUseProfileIDArray = CIDPointerArray<CUseProfileID>;
using CUserFieldIDArray = CIDPointerArray<CUserFieldID>;
using CUserGridIDArray = CIDPointerArray<CUserGridID>;
