// CEntityState: groups that live only while they hold an item, the text id and the record with
// its older layouts.
#include "model3d/CEntityState.h"

#include <cstdio>

namespace {

template <class T>
std::unique_ptr<T> clonePart(const std::unique_ptr<T>& part) {
    return part ? std::make_unique<T>(*part) : nullptr;
}

bool isPercentage(const CProjectInt& value) {
    return value.isValid() && value.getValue() >= 0 && value.getValue() <= 100;
}

template <class T>
bool samePart(const T* a, const T* b) {
    if (!a || !b) return !a && !b;
    return *a == *b;
}

// A presence flag, then the item through `io` when present; loading creates or clears the item.
template <class T, class IO>
void serializeOptional(CZentrixArchive& ar, std::unique_ptr<T>& item, IO io) {
    bool present = item != nullptr;
    ar.io(present);
    if (ar.IsLoading()) {
        if (!present) {
            item.reset();
            return;
        }
        if (!item) item = std::make_unique<T>();
    }
    if (present) io(*item);
}

template <class T>
void serializeRecord(CZentrixArchive& ar, std::unique_ptr<T>& item) {
    serializeOptional(ar, item, [&](T& value) { value.Serialize(ar); });
}

// Loaded transparencies must be percentages, as the setters keep them.
void checkPercentage(CZentrixArchive& ar, const std::unique_ptr<CProjectInt>& item,
                     std::uint64_t at) {
    if (ar.IsLoading() && item && !isPercentage(*item))
        ar.failAt(at, "a transparency from 0 to 100");
}

// Scalars of type Stored in the record, of type T in memory.
template <class Stored, class T>
void ioAs(CZentrixArchive& ar, T* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (ar.IsStoring()) {
            ar << static_cast<Stored>(values[i]);
        } else {
            Stored value{};
            ar >> value;
            values[i] = static_cast<T>(value);
        }
    }
}

}  // namespace

CEntityState::CLockedAttributes::CLockedAttributes(const CLockedAttributes& other)
    : m_colorLock(clonePart(other.m_colorLock)),
      m_transparencyLock(clonePart(other.m_transparencyLock)) {}

CEntityState::CLockedAttributes& CEntityState::CLockedAttributes::operator=(
    const CLockedAttributes& other) {
    if (this != &other) {
        m_colorLock = clonePart(other.m_colorLock);
        m_transparencyLock = clonePart(other.m_transparencyLock);
    }
    return *this;
}

CEntityState::CDynamicAttributes::CDynamicAttributes(const CDynamicAttributes& other)
    : m_dynamicTransparency(clonePart(other.m_dynamicTransparency)),
      m_cuttingPlane(clonePart(other.m_cuttingPlane)),
      m_pathKey(clonePart(other.m_pathKey)) {}

CEntityState::CDynamicAttributes& CEntityState::CDynamicAttributes::operator=(
    const CDynamicAttributes& other) {
    if (this != &other) {
        m_dynamicTransparency = clonePart(other.m_dynamicTransparency);
        m_cuttingPlane = clonePart(other.m_cuttingPlane);
        m_pathKey = clonePart(other.m_pathKey);
    }
    return *this;
}

CEntityState::~CEntityState() = default;

void CEntityState::copy(const CEntityState& other) {
    if (this == &other) return;
    m_transform = clonePart(other.m_transform);
    m_locked = clonePart(other.m_locked);
    m_dynamic = clonePart(other.m_dynamic);
}

void CEntityState::copy(CEntityState&& other) {
    if (this == &other) return;
    m_transform = std::move(other.m_transform);
    m_locked = std::move(other.m_locked);
    m_dynamic = std::move(other.m_dynamic);
}

void CEntityState::clear() {
    m_transform.reset();
    m_locked.reset();
    m_dynamic.reset();
}

const CProjectColorRGB* CEntityState::getColorLock() const {
    return m_locked ? m_locked->m_colorLock.get() : nullptr;
}
const CProjectInt* CEntityState::getTransparencyLock() const {
    return m_locked ? m_locked->m_transparencyLock.get() : nullptr;
}
const CProjectInt* CEntityState::getDynamicTransparency() const {
    return m_dynamic ? m_dynamic->m_dynamicTransparency.get() : nullptr;
}
const CPlaneDouble* CEntityState::getCuttingPlane() const {
    return m_dynamic ? m_dynamic->m_cuttingPlane.get() : nullptr;
}
const CPathKey* CEntityState::getPathKey() const {
    return m_dynamic ? m_dynamic->m_pathKey.get() : nullptr;
}

CEntityState::CLockedAttributes& CEntityState::locked() {
    if (!m_locked) m_locked = std::make_unique<CLockedAttributes>();
    return *m_locked;
}

CEntityState::CDynamicAttributes& CEntityState::dynamic() {
    if (!m_dynamic) m_dynamic = std::make_unique<CDynamicAttributes>();
    return *m_dynamic;
}

void CEntityState::dropEmptyGroups() {
    if (m_locked && m_locked->empty()) m_locked.reset();
    if (m_dynamic && m_dynamic->empty()) m_dynamic.reset();
}

template <class T>
static void assignPart(std::unique_ptr<T>& part, const T& value) {
    if (part)
        *part = value;
    else
        part = std::make_unique<T>(value);
}

void CEntityState::setTransform(const CGraphicalTransformDouble& transform) {
    assignPart(m_transform, transform);
}

void CEntityState::setColorLock(const CProjectColorRGB& color) {
    assignPart(locked().m_colorLock, color);
}

void CEntityState::setTransparencyLock(const CProjectInt& transparency) {
    if (!isPercentage(transparency)) return clearTransparencyLock();
    assignPart(locked().m_transparencyLock, transparency);
}

void CEntityState::setDynamicTransparency(const CProjectInt& transparency) {
    if (!isPercentage(transparency)) return clearDynamicTransparency();
    assignPart(dynamic().m_dynamicTransparency, transparency);
}

void CEntityState::setCuttingPlane(const CPlaneDouble& plane) {
    assignPart(dynamic().m_cuttingPlane, plane);
}

void CEntityState::setPathKey(const CPathKey& key) { assignPart(dynamic().m_pathKey, key); }

void CEntityState::clearColorLock() {
    if (m_locked) m_locked->m_colorLock.reset();
    dropEmptyGroups();
}
void CEntityState::clearTransparencyLock() {
    if (m_locked) m_locked->m_transparencyLock.reset();
    dropEmptyGroups();
}
void CEntityState::clearDynamicTransparency() {
    if (m_dynamic) m_dynamic->m_dynamicTransparency.reset();
    dropEmptyGroups();
}
void CEntityState::clearCuttingPlane() {
    if (m_dynamic) m_dynamic->m_cuttingPlane.reset();
    dropEmptyGroups();
}
void CEntityState::clearPathKey() {
    if (m_dynamic) m_dynamic->m_pathKey.reset();
    dropEmptyGroups();
}

void CEntityState::setColorByAppearance(const CEntityAppearance& appearance) {
    if (appearance.getUseOriginalColor().getValue())
        clearColorLock();
    else
        setColorLock(appearance.getColor());
    if (appearance.getUseOriginalTransparency().getValue())
        clearTransparencyLock();
    else
        setTransparencyLock(CProjectInt(appearance.getTransparency(0.0)));
}

void CEntityState::setColorByAppearance(const CEntityAppearance& appearance, double fraction) {
    setColorByAppearance(appearance);
    if (!appearance.getUseOriginalTransparency().getValue() &&
        appearance.needTransparencyInterpolation())
        setDynamicTransparency(CProjectInt(appearance.getTransparency(fraction)));
}

void CEntityState::GetEffectiveTransparencyColor(CProjectColorRGB& out) const {
    int transparency = 0;
    if (const CProjectInt* lock = getTransparencyLock()) transparency = lock->getValue();
    if (const CProjectInt* dynamicValue = getDynamicTransparency())
        transparency = dynamicValue->getValue();
    out = CProjectColorRGB().getTransmissionColor(static_cast<float>(transparency) * 0.01f);
}

bool CEntityState::equal(const CEntityState& other) const {
    return samePart(getTransform(), other.getTransform()) &&
           samePart(getColorLock(), other.getColorLock()) &&
           samePart(getTransparencyLock(), other.getTransparencyLock()) &&
           samePart(getDynamicTransparency(), other.getDynamicTransparency()) &&
           samePart<CTPlane<double>>(getCuttingPlane(), other.getCuttingPlane());
}

std::string CEntityState::toString() const {
    // A colour channel is a byte k standing for k / 255; times 255, truncated, it is k again.
    char text[40];
    const CProjectColorRGB* color = getColorLock();
    const CProjectInt* transparency = getTransparencyLock();
    const unsigned t = transparency ? static_cast<unsigned>(transparency->getValue()) & 0xFFu : 0u;
    if (color && transparency)
        std::snprintf(text, sizeof text, "%u_%u_%u_%u", unsigned{color->red()},
                      unsigned{color->green()}, unsigned{color->blue()}, t);
    else if (color)
        std::snprintf(text, sizeof text, "%u_%u_%u_-", unsigned{color->red()},
                      unsigned{color->green()}, unsigned{color->blue()});
    else if (transparency)
        std::snprintf(text, sizeof text, "-_-_-_%u", t);
    else
        std::snprintf(text, sizeof text, "-_-_-_-");
    std::string id = text;
    if (getDynamicTransparency()) id += "_dt";
    return id;
}

void CEntityState::Serialize(CZentrixArchive& ar) {
    zx::RecordScope scope(ar, "CEntityState");
    const int version = ar.fileVersion();
    serializeOptional(ar, m_transform, [&](CGraphicalTransformDouble& transform) {
        double elements[16];
        for (int i = 0; i < 16; ++i) elements[i] = transform.getMatrix()[i];
        if (version < s_doubleTransformVersion)
            ioAs<float>(ar, elements, 16);
        else
            ioAs<double>(ar, elements, 16);
        if (ar.IsLoading()) transform.setMatrix(elements);
    });

    serializeOptional(ar, m_locked, [&](CLockedAttributes& group) {
        serializeRecord(ar, group.m_colorLock);
        const std::uint64_t at = ar.position();
        serializeRecord(ar, group.m_transparencyLock);
        checkPercentage(ar, group.m_transparencyLock, at);
    });

    serializeOptional(ar, m_dynamic, [&](CDynamicAttributes& group) {
        const std::uint64_t at = ar.position();
        serializeRecord(ar, group.m_dynamicTransparency);
        checkPercentage(ar, group.m_dynamicTransparency, at);
        serializeOptional(ar, group.m_cuttingPlane, [&](CPlaneDouble& plane) {
            double* position = plane.WritablePosition().getWritablePointer();
            double* direction = plane.WritableDirection().getWritablePointer();
            if (version < s_doublePlaneVersion) {
                ioAs<float>(ar, position, 3);
                ioAs<float>(ar, direction, 3);
            } else {
                ioAs<double>(ar, position, 3);
                ioAs<double>(ar, direction, 3);
            }
        });
        serializeRecord(ar, group.m_pathKey);
    });
    // A file may hold a group flagged present with no item in it; such a group is no group.
    if (ar.IsLoading()) dropEmptyGroups();
}

std::string toDumpText(const CEntityState& state) { return zx::jsonQuote(state.toString()); }

void CEntityStateArray::Serialize(CZentrixArchive& ar) {
    CNonUniquePointerArray<CEntityState>::Serialize(ar, s_markerName);
}
