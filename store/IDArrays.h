// The named ID set classes: one per kind of ID that objects keep sets of, named after the ID
// with "Array" appended (CTaskIDArray holds CTaskIDs). Each is CIDPointerArray of its ID with
// nothing of its own, so all of them share one implementation and one archive record. Their
// members are built once, in the library (IDArrays.cpp); other translation units only call them.
#pragma once

#include "basetypes/CIDBase.h"
#include "basetypes/TypedIDs.h"
#include "store/CIDPointerArray.h"

// Every named set with the ID it holds.
#define ZX_ID_ARRAYS(X)                                        \
    X(C3DNotationIDArray, C3DNotationID)                       \
    X(CAnimationIDArray, CAnimationID)                         \
    X(CAssignedResourceGroupIDArray, CAssignedResourceGroupID) \
    X(CAssignedResourceIDArray, CAssignedResourceID)           \
    X(CAssignedRiskIDArray, CAssignedRiskID)                   \
    X(CCalendarIDArray, CCalendarID)                           \
    X(CCodeIDArray, CCodeID)                                   \
    X(CCodeValueIDArray, CCodeValueID)                         \
    X(CCompanyIDArray, CCompanyID)                             \
    X(CCostIDArray, CCostID)                                   \
    X(CCuttingPlaneIDArray, CCuttingPlaneID)                   \
    X(CDocumentFileIDArray, CDocumentFileID)                   \
    X(CEntity3DIDArray, CEntity3DID)                           \
    X(CFilterIDArray, CFilterID)                               \
    X(CGraphicalImageIDArray, CGraphicalImageID)               \
    X(CIDBaseArray, CIDBase)                                   \
    X(CLayoutIDArray, CLayoutID)                               \
    X(CLinkIDArray, CLinkID)                                   \
    X(CPathIDArray, CPathID)                                   \
    X(CPositionIDArray, CPositionID)                           \
    X(CProjectBaselineIDArray, CProjectBaselineID)             \
    X(CResourceGroupIDArray, CResourceGroupID)                 \
    X(CResourceIDArray, CResourceID)                           \
    X(CResourceRateIDArray, CResourceRateID)                   \
    X(CResourceStateIDArray, CResourceStateID)                 \
    X(CRiskIDArray, CRiskID)                                   \
    X(CRuleIDArray, CRuleID)                                   \
    X(CTableFormatRuleIDArray, CTableFormatRuleID)             \
    X(CTaskIDArray, CTaskID)                                   \
    X(CTaskReportIDArray, CTaskReportID)                       \
    X(CTaskStateIDArray, CTaskStateID)                         \
    X(CTextureDefinitionIDArray, CTextureDefinitionID)         \
    X(CUniFolderIDArray, CUniFolderID)                         \
    X(CUseProfileIDArray, CUseProfileID)                       \
    X(CUserFieldIDArray, CUserFieldID)                         \
    X(CUserGridIDArray, CUserGridID)

#define ZX_DECLARE_ID_ARRAY(Name, ID) \
    using Name = CIDPointerArray<ID>; \
    extern template class CIDPointerArray<ID>;
ZX_ID_ARRAYS(ZX_DECLARE_ID_ARRAY)
#undef ZX_DECLARE_ID_ARRAY
