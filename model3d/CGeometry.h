// CGeometry: the common base of the geometry items a 3D entity may carry (polylines, ...).
//
// It makes the items polymorphic, so an owner can keep different items side by side, and asks
// each for an estimate of the memory its drawable form needs. It holds no data; copying and
// moving are left to the concrete items, which are plain values.
#pragma once

#include "basetypes/ZxApi.h"

class ZX_API CGeometry {
public:
    virtual ~CGeometry() = default;

    // Bytes the drawable form of the item needs; `withNormals` asks for room for one normal per
    // vertex beside the vertex itself.
    virtual unsigned long estimateRequiredMemory(bool withNormals) const = 0;

protected:
    CGeometry() = default;
    CGeometry(const CGeometry&) = default;
    CGeometry(CGeometry&&) = default;
    CGeometry& operator=(const CGeometry&) = default;
    CGeometry& operator=(CGeometry&&) = default;
};
