// KindList: the one list of every stored kind, from which everything that walks all kinds is
// derived: the roots and their names (Roots.h), the project's collection of roots and its file
// order (CProjectRoots), the fuzz target's choices, the sample project's save, load, comparison
// and counts, the demo's table and the typed conformance suite.
//
// A kind with a project-level root is listed in ZX_ROOT_KINDS as X(Name, FLAG): its interface
// is I<Name>, its class C<Name>, its identifier C<Name>ID and FLAG the flag of the root's array
// handles. Roots are saved in this order, so the order is part of the project file: append new
// roots, never reorder. Every other kind (children and embedded parts) is listed in
// ZX_CHILD_KINDS as X(Name), appended too: fuzz inputs name their target by its position in its
// list (fuzz/LoadRoots.h), so a kind added at a list's end leaves the corpus's meaning intact.
//
// The lists are macros because they also name things (CTaskRoot, CTaskRootHandle, ...), which no
// template can do; everything else is derived from the type lists below.
#pragma once

#include <cstddef>
#include <type_traits>

#include "access/CCompany.h"
#include "access/CRole.h"
#include "access/CUser.h"
#include "filters/C3DFilter.h"
#include "filters/CPathFilter.h"
#include "filters/CTaskFilter.h"
#include "model3d/C3DNotation.h"
#include "model3d/C3DWorldSettings.h"
#include "model3d/CAnimation.h"
#include "model3d/CCameraKeyFrame.h"
#include "model3d/CCameraTimeline.h"
#include "model3d/CCuttingPlane.h"
#include "model3d/CEntity3D.h"
#include "model3d/CEventKeyFrame.h"
#include "model3d/CEventTimeline.h"
#include "model3d/CGraphicalImage.h"
#include "model3d/CPath.h"
#include "model3d/CPathKey.h"
#include "model3d/CPathTimeline.h"
#include "model3d/CPhysicalLight.h"
#include "model3d/CPosition.h"
#include "model3d/CProjectTimeKeyFrame.h"
#include "model3d/CProjectTimeTimeline.h"
#include "model3d/CSkyBox.h"
#include "model3d/CSpatialUseProfile.h"
#include "model3d/CTextureDefinition.h"
#include "model3d/CUseProfile.h"
#include "presentation/CPresentationMapSet.h"
#include "presentation/CWbsLayout.h"
#include "presentation/CWbsLevel.h"
#include "records/CBinImage.h"
#include "records/CClashTest.h"
#include "records/CClashTestResult.h"
#include "records/CDocumentFile.h"
#include "records/CDocumentFolder.h"
#include "records/CIssue.h"
#include "records/CJoinTest.h"
#include "records/CJoinTestResult.h"
#include "records/CMainGrid.h"
#include "records/CNote.h"
#include "records/CProposedReschedule.h"
#include "records/CRisk.h"
#include "records/CUniFolder.h"
#include "records/CUserGrid.h"
#include "schedule/CAssignedResource.h"
#include "schedule/CAssignedResourceGroup.h"
#include "schedule/CAssignedRisk.h"
#include "schedule/CCalendar.h"
#include "schedule/CCalendarDayType.h"
#include "schedule/CCode.h"
#include "schedule/CCodeValue.h"
#include "schedule/CCost.h"
#include "schedule/CLink.h"
#include "schedule/CProjectBaseline.h"
#include "schedule/CRSHistory.h"
#include "schedule/CRSHistoryItem.h"
#include "schedule/CResource.h"
#include "schedule/CResourceGroup.h"
#include "schedule/CResourceRate.h"
#include "schedule/CResourceState.h"
#include "schedule/CRule.h"
#include "schedule/CSupplyChain.h"
#include "schedule/CTask.h"
#include "schedule/CTaskBaselineData.h"
#include "schedule/CTaskCategory.h"
#include "schedule/CTaskReport.h"
#include "schedule/CTaskState.h"
#include "schedule/CUserField.h"
#include "sources/CSynchronizer.h"

// clang-format off
#define ZX_ROOT_KINDS(X)    \
    X(Code, 0)              \
    X(UserField, 0)         \
    X(TaskCategory, 0)      \
    X(TaskState, 0)         \
    X(ResourceState, 0)     \
    X(Risk, 0)              \
    X(Issue, 0)             \
    X(DocumentFolder, 0)    \
    X(Rule, 0)              \
    X(Calendar, 0)          \
    X(Resource, 1)          \
    X(ResourceGroup, 0)     \
    X(Task, 0)              \
    X(ProjectBaseline, 0)   \
    X(SkyBox, 0)            \
    X(PhysicalLight, 0)     \
    X(TextureDefinition, 0) \
    X(GraphicalImage, 0)    \
    X(CuttingPlane, 0)      \
    X(3DNotation, 0)        \
    X(Animation, 0)         \
    X(Path, 0)              \
    X(Position, 0)          \
    X(UseProfile, 0)        \
    X(SpatialUseProfile, 0) \
    X(WbsLayout, 0)         \
    X(Entity3D, 0)          \
    X(TaskFilter, 0)        \
    X(3DFilter, 0)          \
    X(PathFilter, 0)        \
    X(User, 0)              \
    X(Role, 0)              \
    X(Company, 0)           \
    X(ClashTest, 0)         \
    X(JoinTest, 0)          \
    X(UniFolder, 0)         \
    X(UserGrid, 0)          \
    X(BinImage, 0)          \
    X(Synchronizer, 0)

// Kinds the host holds one object of, outside the roots of its model (the project's 3D world
// settings, its main grid, its proposed reschedule and its presentation maps). The document keeps each in a root of its own all the same, saved after the roots
// above, so that saving, loading, the tools and the tests cover it like any root kind;
// CProjectRoots::held<C>() is that one object. Appended like roots: the order is the file order.
#define ZX_HELD_KINDS(X)     \
    X(3DWorldSettings, 0)    \
    X(MainGrid, 0)           \
    X(ProposedReschedule, 0) \
    X(PresentationMapSet, 0)

// Every kind the document keeps a root of, in file order.
#define ZX_DOCUMENT_ROOT_KINDS(X) ZX_ROOT_KINDS(X) ZX_HELD_KINDS(X)

#define ZX_CHILD_KINDS(X)       \
    X(CodeValue)                \
    X(Link)                     \
    X(Cost)                     \
    X(TaskReport)               \
    X(AssignedResource)         \
    X(AssignedResourceGroup)    \
    X(AssignedRisk)             \
    X(SupplyChain)              \
    X(Note)                     \
    X(DocumentFile)             \
    X(RSHistory)                \
    X(RSHistoryItem)            \
    X(CalendarDayType)          \
    X(ResourceRate)             \
    X(TaskBaselineData)         \
    X(EventKeyFrame)            \
    X(ProjectTimeKeyFrame)      \
    X(PathKey)                  \
    X(CameraKeyFrame)           \
    X(EventTimeline)            \
    X(CameraTimeline)           \
    X(ProjectTimeTimeline)      \
    X(PathTimeline)             \
    X(WbsLevel)                 \
    X(ClashTestResult)          \
    X(JoinTestResult)
// clang-format on

namespace zx {

template <class... T>
struct TypeList {
    static constexpr std::size_t size = sizeof...(T);
};

// The lists below are written as `void, A, B, ...` (each entry brings its own leading comma)
// and lose the void here.
template <class L>
struct DropFirst;
template <class First, class... Rest>
struct DropFirst<TypeList<First, Rest...>> {
    using type = TypeList<Rest...>;
};

template <class A, class B>
struct Concat;
template <class... A, class... B>
struct Concat<TypeList<A...>, TypeList<B...>> {
    using type = TypeList<A..., B...>;
};

#define ZX_LISTED_ROOT_KIND(Name, FLAG) , C##Name
#define ZX_LISTED_CHILD_KIND(Name) , C##Name
// The concrete classes of the kinds that have roots (held kinds included), in file order.
using RootKinds = DropFirst<TypeList<void ZX_DOCUMENT_ROOT_KINDS(ZX_LISTED_ROOT_KIND)>>::type;
// The concrete classes of the held kinds.
using HeldKinds = DropFirst<TypeList<void ZX_HELD_KINDS(ZX_LISTED_ROOT_KIND)>>::type;
// The concrete classes of every other kind.
using ChildKinds = DropFirst<TypeList<void ZX_CHILD_KINDS(ZX_LISTED_CHILD_KIND)>>::type;
// Every kind: roots' kinds first, then the others.
using AllKinds = Concat<RootKinds, ChildKinds>::type;
#undef ZX_LISTED_ROOT_KIND
#undef ZX_LISTED_CHILD_KIND

// True when T is one of the list's types.
template <class L, class T>
struct Contains;
template <class... U, class T>
struct Contains<TypeList<U...>, T> : std::bool_constant<(std::is_same_v<U, T> || ...)> {};

// Calls f.template operator()<T>() for every type of the list, in order.
template <class... T, class F>
constexpr void forEachType(TypeList<T...>, F&& f) {
    (f.template operator()<T>(), ...);
}

}  // namespace zx
