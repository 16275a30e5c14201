// CViewpointCamera: the camera of a saved position and of a camera key frame: an eye point, a
// viewing direction, an up direction, a projection mode and a field of view.
//
// A plain value (copies are deep, == compares every field) that its holder embeds as a field;
// handles on it come from CHandledValue. Setters store what they are given: nothing normalises
// the directions until validateDirection() repairs them.
//
// A new (or cleared) camera stands 30 m behind and 10 m above the origin of a new world, in its
// model units, looks at the origin with the world's Z axis as its up direction, and projects in
// perspective with a field of view of 0.
//
// Archive record (written to disk; must never change): position, forwards, up (three doubles
// each), projection mode (int32), field of view (set flag, double), from describeFields.
#pragma once

#include "basetypes/C3DEnumerations.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "store/ValueHandles.h"

class ZX_API CViewpointCamera : public CDescribedValue<CViewpointCamera>,
                                public CHandledValue<CViewpointCamera> {
public:
    static constexpr const char* s_kindName = "ViewpointCamera";

    CViewpointCamera() { clear(); }

    template <class V>
    static void describeFields(V& v) {
        v.field("Position", &CViewpointCamera::m_position);
        v.field("Forwards", &CViewpointCamera::m_forwards);
        v.field("Up", &CViewpointCamera::m_up);
        v.field("ProjectionMode", &CViewpointCamera::m_projectionMode);
        v.field("FieldOfView", &CViewpointCamera::m_fieldOfView);
    }

    // Back to the camera of a new world (see the header comment).
    void clear();

    const CGraphicalPointDouble3D& getPosition() const { return m_position; }
    void setPosition(const CGraphicalPointDouble3D& position) { m_position = position; }
    const CGraphicalVectorDouble3D& getForwards() const { return m_forwards; }
    void setForwards(const CGraphicalVectorDouble3D& forwards) { m_forwards = forwards; }
    const CGraphicalVectorDouble3D& getUp() const { return m_up; }
    void setUp(const CGraphicalVectorDouble3D& up) { m_up = up; }
    const CCameraProjectionMode& getProjectionMode() const { return m_projectionMode; }
    void setProjectionMode(const CCameraProjectionMode& mode) { m_projectionMode = mode; }
    double getFieldOfView() const { return m_fieldOfView.getValue(); }
    void setFieldOfView(double fieldOfView) { m_fieldOfView = fieldOfView; }

    // Makes forwards and up a right-angled pair of unit vectors, up turned towards its old
    // direction. False when forwards had no length (it becomes +X) or the two could not be made
    // to span a plane (forwards +X, up +Z); position, mode and field of view are never touched.
    [[nodiscard]] bool validateDirection();

private:
    CGraphicalPointDouble3D m_position;
    CGraphicalVectorDouble3D m_forwards;
    CGraphicalVectorDouble3D m_up;
    CCameraProjectionMode m_projectionMode;
    CProjectDouble m_fieldOfView;
};

ZX_DECLARE_VALUE_HANDLES(CViewpointCamera);
