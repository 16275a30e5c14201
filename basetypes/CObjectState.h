// CObjectState: the opaque 8-byte state word that most stored objects carry for the host.
//
// The state is the host's transient bookkeeping (what it has shown, what changed): it is neither
// part of an object's archive record nor of its value, so copies and comparisons of objects leave
// it out. It has its own 8-byte record for hosts that want to keep it.
#pragma once

#include <cstdint>

#include "basetypes/CIDBase.h"
#include "basetypes/ZxApi.h"

class CZentrixArchive;

class ZX_API CObjectState {
public:
    using State = std::uint64_t;

    CObjectState() = default;
    CObjectState(const CObjectState&) = default;
    CObjectState& operator=(const CObjectState&) = default;
    virtual ~CObjectState() = default;

    const State& getState() const { return m_state; }
    virtual void setState(const State& state) { m_state = state; }
    // The object's own ID bytes.
    virtual const GUID& getObjectStateGUID() const = 0;

    bool operator==(const CObjectState& other) const { return m_state == other.m_state; }
    void Serialize(CZentrixArchive& ar);

private:
    State m_state = 0;
};
