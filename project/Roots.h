// The roots of the kinds that exist, with their interface and handle names.
//
// Adding a kind's root is three lines here: its interface, its root and its handles.
#pragma once

#include "project/CObjectRoot.h"
#include "schedule/CCode.h"
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
