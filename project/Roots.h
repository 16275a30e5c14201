// The roots of the kinds that exist, with their interface and handle names.
//
// Adding a kind's root is three lines here: its interface, its root and its handles.
#pragma once

#include "project/CObjectRoot.h"
#include "records/CDocumentFolder.h"
#include "records/CIssue.h"
#include "records/CRisk.h"
#include "schedule/CCalendar.h"
#include "schedule/CCode.h"
#include "schedule/CProjectBaseline.h"
#include "schedule/CResource.h"
#include "schedule/CResourceGroup.h"
#include "schedule/CResourceState.h"
#include "schedule/CRule.h"
#include "schedule/CTask.h"
#include "schedule/CTaskCategory.h"
#include "schedule/CTaskState.h"
#include "schedule/CUserField.h"

using ICodeRoot = IObjectRoot<ICode, CCodeID>;
using CCodeRoot = CObjectRoot<ICode, CCode, CCodeID>;
using CCodeRootHandle = CBasicHandle<ICodeRoot, CCodeRoot>;
using CCodeRootWritableHandle = CWritableBasicHandle<ICodeRoot, CCodeRoot>;

using IUserFieldRoot = IObjectRoot<IUserField, CUserFieldID>;
using CUserFieldRoot = CObjectRoot<IUserField, CUserField, CUserFieldID>;
using CUserFieldRootHandle = CBasicHandle<IUserFieldRoot, CUserFieldRoot>;
using CUserFieldRootWritableHandle = CWritableBasicHandle<IUserFieldRoot, CUserFieldRoot>;

using ITaskCategoryRoot = IObjectRoot<ITaskCategory, CTaskCategoryID>;
using CTaskCategoryRoot = CObjectRoot<ITaskCategory, CTaskCategory, CTaskCategoryID>;
using CTaskCategoryRootHandle = CBasicHandle<ITaskCategoryRoot, CTaskCategoryRoot>;
using CTaskCategoryRootWritableHandle = CWritableBasicHandle<ITaskCategoryRoot, CTaskCategoryRoot>;

using ITaskStateRoot = IObjectRoot<ITaskState, CTaskStateID>;
using CTaskStateRoot = CObjectRoot<ITaskState, CTaskState, CTaskStateID>;
using CTaskStateRootHandle = CBasicHandle<ITaskStateRoot, CTaskStateRoot>;
using CTaskStateRootWritableHandle = CWritableBasicHandle<ITaskStateRoot, CTaskStateRoot>;

using ITaskRoot = IObjectRoot<ITask, CTaskID>;
using CTaskRoot = CObjectRoot<ITask, CTask, CTaskID>;
using CTaskRootHandle = CBasicHandle<ITaskRoot, CTaskRoot>;
using CTaskRootWritableHandle = CWritableBasicHandle<ITaskRoot, CTaskRoot>;

using IResourceStateRoot = IObjectRoot<IResourceState, CResourceStateID>;
using CResourceStateRoot = CObjectRoot<IResourceState, CResourceState, CResourceStateID>;
using CResourceStateRootHandle = CBasicHandle<IResourceStateRoot, CResourceStateRoot>;
using CResourceStateRootWritableHandle =
    CWritableBasicHandle<IResourceStateRoot, CResourceStateRoot>;

using IIssueRoot = IObjectRoot<IIssue, CIssueID>;
using CIssueRoot = CObjectRoot<IIssue, CIssue, CIssueID>;
using CIssueRootHandle = CBasicHandle<IIssueRoot, CIssueRoot>;
using CIssueRootWritableHandle = CWritableBasicHandle<IIssueRoot, CIssueRoot>;

using IRiskRoot = IObjectRoot<IRisk, CRiskID>;
using CRiskRoot = CObjectRoot<IRisk, CRisk, CRiskID>;
using CRiskRootHandle = CBasicHandle<IRiskRoot, CRiskRoot>;
using CRiskRootWritableHandle = CWritableBasicHandle<IRiskRoot, CRiskRoot>;

using IDocumentFolderRoot = IObjectRoot<IDocumentFolder, CDocumentFolderID>;
using CDocumentFolderRoot = CObjectRoot<IDocumentFolder, CDocumentFolder, CDocumentFolderID>;
using CDocumentFolderRootHandle = CBasicHandle<IDocumentFolderRoot, CDocumentFolderRoot>;
using CDocumentFolderRootWritableHandle =
    CWritableBasicHandle<IDocumentFolderRoot, CDocumentFolderRoot>;

using IRuleRoot = IObjectRoot<IRule, CRuleID>;
using CRuleRoot = CObjectRoot<IRule, CRule, CRuleID>;
using CRuleRootHandle = CBasicHandle<IRuleRoot, CRuleRoot>;
using CRuleRootWritableHandle = CWritableBasicHandle<IRuleRoot, CRuleRoot>;

using ICalendarRoot = IObjectRoot<ICalendar, CCalendarID>;
using CCalendarRoot = CObjectRoot<ICalendar, CCalendar, CCalendarID>;
using CCalendarRootHandle = CBasicHandle<ICalendarRoot, CCalendarRoot>;
using CCalendarRootWritableHandle = CWritableBasicHandle<ICalendarRoot, CCalendarRoot>;

using IResourceRoot = IObjectRoot<IResource, CResourceID, 1>;
using CResourceRoot = CObjectRoot<IResource, CResource, CResourceID, 1>;
using CResourceRootHandle = CBasicHandle<IResourceRoot, CResourceRoot>;
using CResourceRootWritableHandle = CWritableBasicHandle<IResourceRoot, CResourceRoot>;

using IResourceGroupRoot = IObjectRoot<IResourceGroup, CResourceGroupID>;
using CResourceGroupRoot = CObjectRoot<IResourceGroup, CResourceGroup, CResourceGroupID>;
using CResourceGroupRootHandle = CBasicHandle<IResourceGroupRoot, CResourceGroupRoot>;
using CResourceGroupRootWritableHandle =
    CWritableBasicHandle<IResourceGroupRoot, CResourceGroupRoot>;

using IProjectBaselineRoot = IObjectRoot<IProjectBaseline, CProjectBaselineID>;
using CProjectBaselineRoot = CObjectRoot<IProjectBaseline, CProjectBaseline, CProjectBaselineID>;
using CProjectBaselineRootHandle = CBasicHandle<IProjectBaselineRoot, CProjectBaselineRoot>;
using CProjectBaselineRootWritableHandle =
    CWritableBasicHandle<IProjectBaselineRoot, CProjectBaselineRoot>;
