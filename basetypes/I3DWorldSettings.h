// I3DWorldSettings: the scale and lighting of a project's 3D world: how large one model unit is,
// where the ground lies, the origin the model is shown around, and the global light.
//
// A new world measures in metres (one model unit is one metre), has its ground at height 0, its
// virtual origin at the origin, and a global light shining straight down at scale 1. The host
// holds one per project; it has no root.
//
// Archive record: the fields in description order.
#pragma once

#include <cstddef>
#include <iterator>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPointDouble3D.h"

class ZX_API I3DWorldSettings : public IDescribed<I3DWorldSettings> {
public:
    static constexpr const char* s_kindName = "3DWorldSettings";

    struct Fields {
        C3DWorldSettingsID id;
        CProjectDouble unitSize = 1.0;
        CDistanceUnitType unitType = DistanceUnitType::Metre;
        CProjectDouble heightOfGround = 0.0;
        CDistanceUnitType heightOfGroundUnits = DistanceUnitType::Metre;
        CGraphicalVectorDouble3D virtualOrigin;
        CGraphicalVector3D globalLightVector{0.0f, 0.0f, -1.0f};
        CProjectDouble globalLightScale = 1.0;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("3DUnitSize", &Fields::unitSize, {.min = 0});
        v.field("3DUnitType", &Fields::unitType);
        v.field("HeightOfGround", &Fields::heightOfGround);
        v.field("HeightOfGroundUnits", &Fields::heightOfGroundUnits);
        v.field("VirtualOrigin", &Fields::virtualOrigin);
        v.field("GlobalLightVector", &Fields::globalLightVector);
        v.field("GlobalLightScale", &Fields::globalLightScale);
    }

    // Back to the values of a new world (the ID included).
    void clear() { initialize(); }

    const C3DWorldSettingsID& getID() const { return fields().id; }
    void setID(const C3DWorldSettingsID& id) { fields().id = id; }
    // The size of one model unit, in get3DUnitType() units.
    const CProjectDouble& get3DUnitSize() const { return fields().unitSize; }
    // Only a positive size is taken: a model unit of no size would make every distance infinite.
    void set3DUnitSize(double size) {
        if (size > 0) fields().unitSize = size;
    }
    const CDistanceUnitType& get3DUnitType() const { return fields().unitType; }
    void set3DUnitType(const CDistanceUnitType& unit) { fields().unitType = unit; }
    const CProjectDouble& getHeightOfGround() const { return fields().heightOfGround; }
    void setHeightOfGround(double height) { fields().heightOfGround = height; }
    const CDistanceUnitType& getHeightOfGroundUnits() const { return fields().heightOfGroundUnits; }
    void setHeightOfGroundUnits(const CDistanceUnitType& unit) {
        fields().heightOfGroundUnits = unit;
    }
    const CGraphicalVectorDouble3D& getVirtualOrigin() const { return fields().virtualOrigin; }
    void setVirtualOrigin(const CGraphicalVectorDouble3D& origin) {
        fields().virtualOrigin = origin;
    }
    const CGraphicalVector3D& getGlobalLightVector() const { return fields().globalLightVector; }
    void setGlobalLightVector(const CGraphicalVector3D& vector) {
        fields().globalLightVector = vector;
    }
    const CProjectDouble& getGlobalLightScale() const { return fields().globalLightScale; }
    void setGlobalLightScale(double scale) { fields().globalLightScale = scale; }

    // A distance of the real world, given in unit, in model units of this world.
    double convertWorldDistanceTo3DUnits(double distance, const CDistanceUnitType& unit) const {
        return convertWorldDistanceTo3DUnits(fields(), distance, unit);
    }
    // The same for the given values of a world; Fields{} are those of a new world.
    static double convertWorldDistanceTo3DUnits(const Fields& world, double distance,
                                                const CDistanceUnitType& unit) {
        // A loaded size that is unset or not positive counts as one unit, so the result stays
        // finite.
        const double size = world.unitSize.isValid() && world.unitSize.getValue() > 0
                                ? world.unitSize.getValue()
                                : 1.0;
        return distance * metresPer(unit) / (size * metresPer(world.unitType));
    }
    // The length of one unit in metres (1 for a value outside the enumeration).
    static constexpr double metresPer(const CDistanceUnitType& unit) {
        constexpr double metres[] = {0.001,  0.01,   0.1,    1.0,     1000.0,
                                     0.0254, 0.3048, 0.9144, 1609.344};
        static_assert(std::size(metres) == CDistanceUnitType::s_count);
        return CDistanceUnitType::isValidValue(unit.toInt())
                   ? metres[static_cast<std::size_t>(unit.toInt())]
                   : 1.0;
    }

protected:
    friend IDescribed<I3DWorldSettings>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using I3DWorldSettingsHandle = CWrapperHandle<I3DWorldSettings>;
using I3DWorldSettingsWritableHandle = CWritableWrapperHandle<I3DWorldSettings>;
using I3DWorldSettingsArrayHandle = CWrapperArrayHandle<I3DWorldSettings, C3DWorldSettingsID, 0>;
using I3DWorldSettingsConstArrayHandle =
    CConstWrapperArrayHandle<I3DWorldSettings, C3DWorldSettingsID, 0>;
ZX_DECLARE_INTERFACE(I3DWorldSettings, C3DWorldSettingsID, 0);
