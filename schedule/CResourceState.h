// CResourceState: a stored resource state. It owns its sub-states through a collection that
// exists only while it holds at least one: every removal that empties it deletes it, so a state
// without sub-states costs one null pointer.
#pragma once

#include <memory>

#include "basetypes/IResourceState.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class CResourceState;
using CResourceStateArray =
    CUniqueObjectPointerArray<IResourceState, CResourceState, CResourceStateID>;
using CResourceStateHandle = CBasicHandle<IResourceState, CResourceState>;
using CResourceStateWritableHandle = CWritableBasicHandle<IResourceState, CResourceState>;
using CResourceStateArrayHandle =
    CBasicArrayHandle<IResourceState, CResourceState, CResourceStateID, 0>;

class CResourceState : public CStored<CResourceState, IResourceState> {
public:
    CResourceState();
    CResourceState(const CResourceState& other);
    CResourceState& operator=(const CResourceState& other);
    ~CResourceState() override;

    IResourceStateArrayHandle getSubStates() const override;
    void removeAllSubStates() override;
    bool removeSubState(const CResourceStateID& id) override;
    [[nodiscard]] bool insertSubState(const IResourceState& state, int index) override;
    [[nodiscard]] bool changeSubStatePosition(int from, int to) override;
    [[nodiscard]] bool attachSubState(IResourceStateWritableHandle state, int index) override;
    IResourceStateWritableHandle detachSubState(const CResourceStateID& id) override;

protected:
    void allocateSubStates() override;

private:
    // Deletes the collection once it holds nothing.
    void releaseSubStatesIfEmpty();

    std::unique_ptr<CResourceStateArray> m_subStates;
};

template <>
struct ConcreteKind<IResourceState> {
    using type = CResourceState;
};
