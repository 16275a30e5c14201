// IPhysicalLight: a light of the rendered scene, emitted by a 3D entity: its intensity per colour
// channel and the radius of the sphere it shines from.
//
// A new light has null IDs (its own and its entity's), zero intensity and a zero sphere radius (a
// point light).
//
// Archive record: the fields in description order (the intensity as three floats, the radius as
// one float).
#pragma once

#include "basetypes/CIDBase.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "store/ArrayHandles.h"

class ZX_API IPhysicalLight : public IDescribed<IPhysicalLight> {
public:
    static constexpr const char* s_kindName = "PhysicalLight";

    struct Fields {
        CPhysicalLightID id{CIDBase::getNullGUID()};
        CGraphicalPoint3D intensity;
        CEntity3DID entityID{CIDBase::getNullGUID()};
        float sphereRadius = 0.0f;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Intensity", &Fields::intensity);
        v.field("EntityID", &Fields::entityID);
        v.field("SphereRadius", &Fields::sphereRadius, {.min = 0});
    }

    const CPhysicalLightID& getID() const { return fields().id; }
    void setID(const CPhysicalLightID& id) { fields().id = id; }
    // Red, green and blue intensity.
    const CGraphicalPoint3D& getIntensity() const { return fields().intensity; }
    void setIntensity(const CGraphicalPoint3D& intensity) { fields().intensity = intensity; }
    float getSphereRadius() const { return fields().sphereRadius; }
    void setSphereRadius(float radius) { fields().sphereRadius = radius; }
    // The entity that emits the light.
    const CEntity3DID& getEntityID() const { return fields().entityID; }
    void setEntityID(const CEntity3DID& id) { fields().entityID = id; }

protected:
    friend IDescribed<IPhysicalLight>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IPhysicalLightHandle = CWrapperHandle<IPhysicalLight>;
using IPhysicalLightWritableHandle = CWritableWrapperHandle<IPhysicalLight>;
using IPhysicalLightArrayHandle = CWrapperArrayHandle<IPhysicalLight, CPhysicalLightID, 0>;
using IPhysicalLightConstArrayHandle =
    CConstWrapperArrayHandle<IPhysicalLight, CPhysicalLightID, 0>;
ZX_DECLARE_INTERFACE(IPhysicalLight, CPhysicalLightID, 0);
