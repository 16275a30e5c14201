#include "model3d/CViewpointCamera.h"

#include "basetypes/I3DWorldSettings.h"

namespace {

using Vector = CGraphicalVectorDouble3D;

// Divides by the length; callers have checked that it is positive.
void scaleToUnit(Vector& v, double length) {
    v.set(v.getX() / length, v.getY() / length, v.getZ() / length);
}

// A unit vector that is not parallel to f: f turned a quarter about the axis its largest signed
// component picks. Signed, not by magnitude: -Y picks the last case, which leaves it as it was,
// and the caller then falls back to the default axes.
Vector quarterTurn(const Vector& f) {
    const double x = f.getX(), y = f.getY(), z = f.getZ();
    if (x > y && x > z) return Vector(-y, x, z);  // about Z
    if (y > x && y > z) return Vector(x, -z, y);  // about X
    return Vector(-z, y, x);                      // about Y
}

}  // namespace

void CViewpointCamera::clear() {
    const I3DWorldSettings::Fields newWorld{};
    const CDistanceUnitType metre = DistanceUnitType::Metre;
    const double back = I3DWorldSettings::convertWorldDistanceTo3DUnits(newWorld, 30.0, metre);
    const double above = I3DWorldSettings::convertWorldDistanceTo3DUnits(newWorld, 10.0, metre);
    m_position.set(0.0, -back, above);
    m_forwards.set(-m_position.getX(), -m_position.getY(), -m_position.getZ());
    m_forwards.normalize();
    Vector side;
    m_forwards.crossProduct(Vector(0.0, 0.0, 1.0), side);
    side.crossProduct(m_forwards, m_up);
    m_up.normalize();
    m_projectionMode = CameraProjectionMode::Perspective;
    m_fieldOfView = 0.0;
}

// Lengths are compared with 1.0 exactly: a vector already of unit length is left bit for bit.
bool CViewpointCamera::validateDirection() {
    bool valid = true;
    const double forwardsLength = m_forwards.length();
    if (!(forwardsLength > 0)) {
        m_forwards.set(1.0, 0.0, 0.0);
        valid = false;
    } else if (forwardsLength != 1.0) {
        scaleToUnit(m_forwards, forwardsLength);
    }

    const double upLength = m_up.length();
    if (!(upLength > 0))
        m_up.set(0.0, 0.0, 1.0);
    else if (upLength != 1.0)
        scaleToUnit(m_up, upLength);

    Vector right;
    m_forwards.crossProduct(m_up, right);
    const double rightLength = right.length();
    if (rightLength != 1.0) {
        if (rightLength > 0) {
            scaleToUnit(right, rightLength);
        } else {
            right = quarterTurn(m_forwards);
            right.normalize();
        }
    }

    Vector up;
    right.crossProduct(m_forwards, up);
    const double newUpLength = up.length();
    if (!(newUpLength > 0)) {
        m_forwards.set(1.0, 0.0, 0.0);
        m_up.set(0.0, 0.0, 1.0);
        return false;
    }
    if (newUpLength != 1.0) scaleToUnit(up, newUpLength);
    if (!(up == m_up)) m_up = up;
    return valid;
}

ZX_INSTANTIATE_VALUE_HANDLES(CViewpointCamera);
