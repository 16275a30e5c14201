#include "schedule/CResourceState.h"

#include "store/FreeTree.h"

CResourceState::CResourceState() = default;

// No initialize(): copyFrom overwrites every value and the sub-states anyway.
CResourceState::CResourceState(const CResourceState& other) : CStored() { copyFrom(other); }

CResourceState& CResourceState::operator=(const CResourceState& other) {
    copyFrom(other);
    return *this;
}

// Without recursion however deep the tree below (see store/FreeTree.h).
CResourceState::~CResourceState() {
    zx::freeTree(m_subStates.get(), [](CResourceState& child) { return child.m_subStates.get(); });
}

ZX_INSTANTIATE_KIND(IResourceState, CResourceState, CResourceStateID, 0);
