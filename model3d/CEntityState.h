// CEntityState: how one 3D entity is shown at one moment of the animated schedule: an override
// transform, locked colour and transparency, a time-dependent (dynamic) transparency, a cutting
// plane and a position on a path. CEntityStateArray keeps a list of them.
//
// A state owns three optional parts, each null while absent: the transform, the locked
// attributes (colour lock, transparency lock) and the dynamic attributes (dynamic transparency,
// cutting plane, path key). A group exists only while one of its items does: clearing its last
// item frees it. Transparencies are percentages: a value outside 0..100, or unset, clears its
// item rather than being kept. Copies are deep; moves take the parts over.
//
// Archive record (written to disk; must never change), bools as one byte:
//   bool transform present; then 16 doubles in storage order (16 floats before version 426)
//   bool locked attributes present; then
//     bool colour lock present, then the colour's record (uint32 0x00BBGGRR)
//     bool transparency lock present, then the CProjectInt record
//   bool dynamic attributes present; then
//     bool dynamic transparency present, then the CProjectInt record
//     bool cutting plane present, then position and direction as 3 + 3 doubles (floats before
//     version 439)
//     bool path key present, then the path key's record
// A group or item whose flag is false is cleared on loading; an archive storing at an older
// version writes the older layouts. A loaded transparency outside 0..100 is refused.
#pragma once

#include <memory>
#include <string>

#include "basetypes/CEntityAppearance.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalTransformDouble.h"
#include "model3d/CPathKey.h"
#include "model3d/CPlaneDouble.h"
#include "store/CNonUniquePointerArray.h"

class ZX_API CEntityState {
public:
    // First version whose transforms are stored in doubles, and whose cutting planes are.
    static constexpr int s_doubleTransformVersion = 426;
    static constexpr int s_doublePlaneVersion = 439;

    class ZX_API CLockedAttributes {
    public:
        CLockedAttributes() = default;
        CLockedAttributes(const CLockedAttributes& other);
        CLockedAttributes& operator=(const CLockedAttributes& other);
        bool empty() const { return !m_colorLock && !m_transparencyLock; }

    private:
        friend CEntityState;
        std::unique_ptr<CProjectColorRGB> m_colorLock;
        std::unique_ptr<CProjectInt> m_transparencyLock;
    };

    class ZX_API CDynamicAttributes {
    public:
        CDynamicAttributes() = default;
        CDynamicAttributes(const CDynamicAttributes& other);
        CDynamicAttributes& operator=(const CDynamicAttributes& other);
        bool empty() const { return !m_dynamicTransparency && !m_cuttingPlane && !m_pathKey; }

    private:
        friend CEntityState;
        std::unique_ptr<CProjectInt> m_dynamicTransparency;
        std::unique_ptr<CPlaneDouble> m_cuttingPlane;
        std::unique_ptr<CPathKey> m_pathKey;
    };

    CEntityState() = default;
    CEntityState(const CEntityState& other) { copy(other); }
    CEntityState(CEntityState&&) noexcept = default;
    CEntityState& operator=(const CEntityState& other) {
        copy(other);
        return *this;
    }
    CEntityState& operator=(CEntityState&&) noexcept = default;
    virtual ~CEntityState();

    void copy(const CEntityState& other);
    void copy(CEntityState&& other);

    // No transform, no locked and no dynamic attributes.
    bool empty() const { return !m_transform && !m_locked && !m_dynamic; }
    void clear();

    // Items: null while absent.
    const CGraphicalTransformDouble* getTransform() const { return m_transform.get(); }
    const CProjectColorRGB* getColorLock() const;
    const CProjectInt* getTransparencyLock() const;
    const CProjectInt* getDynamicTransparency() const;
    const CPlaneDouble* getCuttingPlane() const;
    const CPathKey* getPathKey() const;

    // Setters create the group and the item on first use. The two transparencies accept a set
    // value within 0..100 only; anything else clears the item instead.
    void setTransform(const CGraphicalTransformDouble& transform);
    void setColorLock(const CProjectColorRGB& color);
    void setTransparencyLock(const CProjectInt& transparency);
    void setDynamicTransparency(const CProjectInt& transparency);
    void setCuttingPlane(const CPlaneDouble& plane);
    void setPathKey(const CPathKey& key);

    // Each frees its item and a group left empty.
    void clearTransform() { m_transform.reset(); }
    void clearColorLock();
    void clearTransparencyLock();
    void clearDynamicTransparency();
    void clearCuttingPlane();
    void clearPathKey();

    bool UseOriginalColor() const { return getColorLock() == nullptr; }
    bool UseOriginalTransparency() const {
        return getTransparencyLock() == nullptr && getDynamicTransparency() == nullptr;
    }
    // True when the state holds a transform of its own.
    bool UseOriginalTransform() const { return m_transform != nullptr; }

    // Locks the colour and transparency an appearance shows at its start (or clears the locks
    // where it keeps the model's own); with a fraction of the activity, a transparency that
    // changes over it also becomes the dynamic transparency at that fraction.
    void setColorByAppearance(const CEntityAppearance& appearance);
    void setColorByAppearance(const CEntityAppearance& appearance, double fraction);

    // The grey through which the effective transparency shows: the dynamic transparency when
    // there is one, else the transparency lock, else 0; as the transmission colour of black.
    void GetEffectiveTransparencyColor(CProjectColorRGB& out) const;

    // Transforms byte for byte, the locks, the dynamic transparency and the cutting plane
    // exactly; the path key takes no part.
    bool equal(const CEntityState& other) const;
    friend bool operator==(const CEntityState& a, const CEntityState& b) { return a.equal(b); }

    // "R_G_B_T" of the locks, "-" for each absent part, then "_dt" with a dynamic transparency:
    // states with the same text look the same.
    std::string toString() const;

    virtual void Serialize(CZentrixArchive& ar);

private:
    CLockedAttributes& locked();
    CDynamicAttributes& dynamic();
    void dropEmptyGroups();

    std::unique_ptr<CGraphicalTransformDouble> m_transform;
    std::unique_ptr<CLockedAttributes> m_locked;
    std::unique_ptr<CDynamicAttributes> m_dynamic;
};

ZX_API std::string toDumpText(const CEntityState& state);

// The display states of an entity over time, in order; owns its states.
class ZX_API CEntityStateArray : public CNonUniquePointerArray<CEntityState> {
public:
    static constexpr const char* s_markerName = "CEntityStateArray";
    using CNonUniquePointerArray<CEntityState>::CNonUniquePointerArray;
    void Serialize(CZentrixArchive& ar) override;
};
