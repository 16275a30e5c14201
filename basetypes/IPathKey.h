// IPathKey: where an object moving along a path is at one tick: its position, its rotation about
// a centre.
//
// A path is followed along a smooth curve, so a path key's interpolation type is always Smooth
// (value 2): it is not recorded, and setting it stores Smooth whatever is given.
//
// Defaults (initialize): ID unset, tick -1, position and centre at the origin, the identity
// rotation.
//
// Record (field by field, in the order of describeFields): ID, tick, position, rotation, centre.
#pragma once

#include <memory>

#include "basetypes/IDescribed.h"
#include "basetypes/IKeyFrame.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "model3d/CQuat.h"
#include "store/ArrayHandles.h"

class ZX_API IPathKey : public IDescribed<IPathKey> {
public:
    static constexpr const char* s_kindName = "PathKey";
    // Every kind of key frame takes its IDs from CKeyFrameID.
    static constexpr bool s_sharesIDType = true;
    // What every path key reports as its interpolation type.
    static constexpr CInterpolationType s_interpolationType{InterpolationType::Smooth};

    struct Fields : CZentrixKeyFrame {
        CGraphicalPointDouble3D position;
        CQuat rotation;
        CGraphicalPointDouble3D center;
    };
    template <class V>
    static void describeFields(V& v) {
        zx::keyframes::describeCommon<false>(v);
        v.field("Position", &Fields::position);
        v.field("Rotation", &Fields::rotation);
        v.field("Center", &Fields::center);
    }

    const CKeyFrameID& getID() const { return fields().id; }
    void setID(const CKeyFrameID& id) { fields().id = id; }
    const CProjectInt& getTick() const { return fields().tick; }
    void setTick(int tick) { fields().setTick(tick); }
    const CInterpolationType& getInterpolationType() const { return s_interpolationType; }
    void setInterpolationType(const CInterpolationType&) {
        fields().setInterpolationType(s_interpolationType);
    }

    const CGraphicalPointDouble3D& getPosition() const { return fields().position; }
    void setPosition(const CGraphicalPointDouble3D& position) { fields().position = position; }
    const CQuat& getRotation() const { return fields().rotation; }
    void setRotation(const CQuat& rotation) { fields().rotation = rotation; }
    const CGraphicalPointDouble3D& getCenter() const { return fields().center; }
    void setCenter(const CGraphicalPointDouble3D& center) { fields().center = center; }

    // A new heap copy of the key, owned by the caller.
    virtual std::unique_ptr<IPathKey> clone() const = 0;

protected:
    friend IDescribed<IPathKey>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IPathKeyHandle = CWrapperHandle<IPathKey>;
using IPathKeyWritableHandle = CWritableWrapperHandle<IPathKey>;
using IPathKeyArrayHandle = CWrapperArrayHandle<IPathKey, CKeyFrameID, 0>;
using IPathKeyConstArrayHandle = CConstWrapperArrayHandle<IPathKey, CKeyFrameID, 0>;
ZX_DECLARE_INTERFACE(IPathKey, CKeyFrameID, 0);
