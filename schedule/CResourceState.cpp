#include "schedule/CResourceState.h"

#include "store/CollectionOps.h"

CResourceState::CResourceState() { initialize(); }

// No initialize(): copyFrom overwrites every value and the sub-states anyway.
CResourceState::CResourceState(const CResourceState& other) : CStored() { copyFrom(other); }

CResourceState& CResourceState::operator=(const CResourceState& other) {
    copyFrom(other);
    return *this;
}

// Out of line: the sub-state container holds objects of this very class.
CResourceState::~CResourceState() = default;

IResourceStateArrayHandle CResourceState::getSubStates() const {
    if (!m_subStates) return {};
    return IResourceStateArrayHandle(new CResourceStateArrayHandle(m_subStates.get()));
}

void CResourceState::removeAllSubStates() { m_subStates.reset(); }

bool CResourceState::removeSubState(const CResourceStateID& id) {
    if (!m_subStates || !removeByIDKeepingSort(*m_subStates, id)) return false;
    releaseSubStatesIfEmpty();
    return true;
}

bool CResourceState::insertSubState(const IResourceState& state, int index) {
    if (index < 0) return false;
    allocateSubStates();
    const bool inserted = m_subStates->InsertAt(index, state);
    // A refused first insertion must not leave an empty collection behind.
    releaseSubStatesIfEmpty();
    return inserted;
}

bool CResourceState::changeSubStatePosition(int from, int to) {
    if (!m_subStates) return false;
    return m_subStates->changePosition(to, from);
}

bool CResourceState::attachSubState(IResourceStateWritableHandle state, int index) {
    // Without sub-states only the first position exists; negative positions are refused rather
    // than read as "at the end", as for every insertion into sub-states.
    if (index < 0 || index > (m_subStates ? m_subStates->GetSize() : 0)) return false;
    allocateSubStates();
    const bool attached = attachFromHandle(*m_subStates, state, index);
    releaseSubStatesIfEmpty();
    return attached;
}

IResourceStateWritableHandle CResourceState::detachSubState(const CResourceStateID& id) {
    if (!m_subStates) return {};
    IResourceStateWritableHandle detached = detachToHandle(*m_subStates, id);
    releaseSubStatesIfEmpty();
    return detached;
}

void CResourceState::allocateSubStates() {
    if (!m_subStates) m_subStates = std::make_unique<CResourceStateArray>();
}

void CResourceState::releaseSubStatesIfEmpty() {
    if (m_subStates && m_subStates->GetSize() == 0) removeAllSubStates();
}
