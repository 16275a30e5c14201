// CCameraMarker: ties a camera key frame to an object of the model (of any kind, by ID), so that
// the camera can follow it.
//
// A plain value its holder embeds; handles on it come from CHandledValue. A new (or cleared)
// marker marks nothing: type None and the object ID unset.
//
// Archive record (written to disk; must never change): type (int32), object ID (16 bytes), from
// describeFields.
#pragma once

#include "basetypes/C3DEnumerations.h"
#include "basetypes/CIDBase.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "store/ValueHandles.h"

class ZX_API CCameraMarker : public CDescribedValue<CCameraMarker>,
                             public CHandledValue<CCameraMarker> {
public:
    static constexpr const char* s_kindName = "CameraMarker";
    using CMarkerType = CCameraMarkerType;

    CCameraMarker() = default;

    template <class V>
    static void describeFields(V& v) {
        v.field("Type", &CCameraMarker::m_type);
        v.field("ObjectID", &CCameraMarker::m_objectID);
    }

    void clear() { *this = CCameraMarker(); }

    const CMarkerType& getType() const { return m_type; }
    void setType(const CMarkerType& type) { m_type = type; }
    const CIDBase& getObjectID() const { return m_objectID; }
    void setObjectID(const CIDBase& id) { m_objectID = id; }

private:
    CMarkerType m_type = CameraMarkerType::None;
    CIDBase m_objectID;
};

ZX_DECLARE_VALUE_HANDLES(CCameraMarker);
