#include "schedule/CResourceState.h"

CResourceState::CResourceState() { initialize(); }

// No initialize(): copyFrom overwrites every value and the sub-states anyway.
CResourceState::CResourceState(const CResourceState& other) : CStored() { copyFrom(other); }

CResourceState& CResourceState::operator=(const CResourceState& other) {
    copyFrom(other);
    return *this;
}

// Out of line: the sub-state container holds objects of this very class.
CResourceState::~CResourceState() = default;

ZX_INSTANTIATE_KIND(IResourceState, CResourceState, CResourceStateID, 0);
