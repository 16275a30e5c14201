// ICuttingPlane: a named section plane or section box of the 3D view, placed by a transform.
// Positions, event key frames and filters name cutting planes by ID.
//
// A new cutting plane is an unnamed plane at the identity placement, its plane shown and its
// manipulator hidden, with a box size of zero.
//
// Archive record: the fields in description order (the box size as three doubles).
#pragma once

#include "basetypes/C3DEnumerations.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "model3d/CGraphicalTransformDouble.h"
#include "store/ArrayHandles.h"

class ZX_API ICuttingPlane : public IDescribed<ICuttingPlane> {
public:
    static constexpr const char* s_kindName = "CuttingPlane";

    struct Fields {
        CCuttingPlaneID id;
        CProjectString name;
        CGraphicalTransformDouble transform;
        CProjectBool showPlane = true;
        CProjectBool showManipulator = false;
        CCuttingPlaneType type;
        CGraphicalVectorDouble3D boxSize;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Transform", &Fields::transform);
        v.field("ShowPlane", &Fields::showPlane);
        v.field("ShowManipulator", &Fields::showManipulator);
        v.field("Type", &Fields::type);
        v.field("BoxSize", &Fields::boxSize);
    }

    const CCuttingPlaneID& getID() const { return fields().id; }
    void setID(const CCuttingPlaneID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CGraphicalTransformDouble& getTransform() const { return fields().transform; }
    void setTransform(const CGraphicalTransformDouble& transform) {
        fields().transform = transform;
    }
    // A null source is no placement at all: the transform becomes all zeros.
    void setTransform(const CGraphicalTransformDouble* transform) {
        if (transform)
            fields().transform = *transform;
        else
            for (int i = 0; i < CGraphicalTransformDouble::s_elementCount; ++i)
                fields().transform.setAt(i, 0.0);
    }
    const CProjectBool& getShowPlane() const { return fields().showPlane; }
    void setShowPlane(bool show) { fields().showPlane = show; }
    const CProjectBool& getShowManipulator() const { return fields().showManipulator; }
    void setShowManipulator(bool show) { fields().showManipulator = show; }
    const CCuttingPlaneType& getType() const { return fields().type; }
    void setType(const CCuttingPlaneType& type) { fields().type = type; }
    // The extent of a section box along x, y and z: three doubles.
    const double* getBoxSize() const { return fields().boxSize.getPointer(); }
    // Copies three doubles; a null source sets a box of no extent, as a null transform does.
    void setBoxSize(const double* size) {
        if (size)
            fields().boxSize.set(size);
        else
            fields().boxSize.set(0.0, 0.0, 0.0);
    }

protected:
    friend IDescribed<ICuttingPlane>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using ICuttingPlaneHandle = CWrapperHandle<ICuttingPlane>;
using ICuttingPlaneWritableHandle = CWritableWrapperHandle<ICuttingPlane>;
using ICuttingPlaneArrayHandle = CWrapperArrayHandle<ICuttingPlane, CCuttingPlaneID, 0>;
using ICuttingPlaneConstArrayHandle = CConstWrapperArrayHandle<ICuttingPlane, CCuttingPlaneID, 0>;
ZX_DECLARE_INTERFACE(ICuttingPlane, CCuttingPlaneID, 0);
