// CResourceState: a stored resource state. It owns its sub-states through a collection that
// exists only while it holds at least one: every removal that empties it deletes it, so a state
// without sub-states costs one null pointer.
#pragma once

#include "basetypes/IResourceState.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/COptionalObjectArray.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CResourceState;
using CResourceStateArray =
    CUniqueObjectPointerArray<IResourceState, CResourceState, CResourceStateID>;
using CResourceStateHandle = CBasicHandle<IResourceState, CResourceState>;
using CResourceStateWritableHandle = CWritableBasicHandle<IResourceState, CResourceState>;
using CResourceStateArrayHandle =
    CBasicArrayHandle<IResourceState, CResourceState, CResourceStateID, 0>;

class ZX_API CResourceState : public CStored<CResourceState, IResourceState> {
public:
    CResourceState();
    CResourceState(const CResourceState& other);
    CResourceState& operator=(const CResourceState& other);
    ~CResourceState() override;

    IResourceStateConstArrayHandle getSubStates() const override { return m_subStates.handle(); }
    IResourceStateArrayHandle getSubStates() override { return m_subStates.handle(); }
    void removeAllSubStates() override { m_subStates.reset(); }
    [[nodiscard]] bool removeSubState(const CResourceStateID& id) override {
        return m_subStates.remove(id);
    }
    [[nodiscard]] bool insertSubState(const IResourceState& state, int index) override {
        return m_subStates.insert(state, index);
    }
    [[nodiscard]] bool changeSubStatePosition(int from, int to) override {
        return m_subStates.changePosition(from, to);
    }
    // Without sub-states only the first position exists; negative positions are refused rather
    // than read as "at the end", as for every insertion into sub-states.
    [[nodiscard]] bool attachSubState(IResourceStateWritableHandle state, int index) override {
        return m_subStates.attach(state, index);
    }
    [[nodiscard]] IResourceStateWritableHandle detachSubState(const CResourceStateID& id) override {
        return m_subStates.detach(id);
    }

protected:
    void allocateSubStates() override { m_subStates.ensure(); }

private:
    COptionalObjectArray<IResourceState, CResourceState, CResourceStateID> m_subStates;
};

ZX_DECLARE_KIND(IResourceState, CResourceState, CResourceStateID, 0);
