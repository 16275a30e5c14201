// CGeometryArray: the geometry items of one 3D entity, side by side and of any kind
// (CGeometryItems.h, CPolyLineDouble3D.h).
//
// The array owns its items: copies are deep, moving takes them over, removing destroys. Every
// item is kept with its kind's tag (its position in GeometryItemKinds, from 1), which makes
// copying, comparing and storing possible without the items knowing one another. Add refuses
// (returns -1) an item that could not be loaded back: NaN or infinite numbers, an index past the
// vertex count, arrays of the wrong length (validationError of the item).
//
// Archive record (written to disk; must never change):
//   start marker "CGeometryArray"
//   int32 item count
//   per item: uint8 kind tag, then the item's own record
//   end marker "CGeometryArray"
// An unknown tag, a count the remaining bytes cannot hold and any refused item throw
// CArchiveException naming the record and byte offset; the array is left as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGeometry.h"
#include "model3d/CGeometryItems.h"
#include "model3d/CPolyLineDouble3D.h"

namespace geometry {

template <class... T>
struct ItemKinds {
    static constexpr std::size_t size = sizeof...(T);
    // The tag of I (its position from 1), or 0 when I is not an item kind.
    template <class I>
    static constexpr std::uint8_t tagOf() {
        std::uint8_t tag = 0, position = 0;
        ((++position, tag = std::is_same_v<I, T> ? position : tag), ...);
        return tag;
    }
    // Calls f(std::type_identity<Kind>{}) for the kind of the tag; false for an unknown tag.
    template <class F>
    static bool visit(std::uint8_t tag, F&& f) {
        std::uint8_t position = 0;
        return ((++position == tag ? (f(std::type_identity<T>{}), true) : false) || ...);
    }
};

// Every item kind, in tag order; append only (the tags are in files).
using GeometryItemKinds =
    ItemKinds<CTextDouble, CSphereDouble, CShellTristripDouble, CShellDouble, CPolyLineDouble3D,
              CPolygonDouble3D, CPolyCylinderDouble, CNURBSSurfaceDouble, CNURBSCurveDouble,
              CMeshDouble, CExtrusionDouble, CEllipticalArcDouble, CEllipseDouble, CCylinderDouble,
              CCircularArcDouble, CCircleDouble, CText, CSphere, CShellTristrip, CShell,
              CPolyLine3D, CPolygon3D, CPolyCylinder, CNURBSSurface, CNURBSCurve, CMesh, CInclude,
              CExtrusion, CEllipticalArc, CEllipse, CCylinder, CCircularArc, CCircle>;

template <class I>
concept GeometryItemKind = GeometryItemKinds::tagOf<std::remove_cvref_t<I>>()
!= 0;

// The kind's name in dumps: its marker, but the polylines share one marker.
template <class K>
constexpr const char* kindName() {
    if constexpr (std::is_same_v<K, CPolyLineDouble3D>)
        return "CPolyLineDouble3D";
    else
        return K::s_markerName;
}

template <class I>
std::string itemError(const I& item) {
    if constexpr (requires { item.validationError(); })
        return item.validationError();
    else
        return validationError(item);
}

}  // namespace geometry

class ZX_API CGeometryArray {
public:
    static constexpr const char* s_markerName = "CGeometryArray";

    CGeometryArray() = default;
    CGeometryArray(const CGeometryArray& other);
    CGeometryArray(CGeometryArray&&) noexcept = default;
    CGeometryArray& operator=(const CGeometryArray& other);
    CGeometryArray& operator=(CGeometryArray&&) noexcept = default;
    ~CGeometryArray();

    int GetSize() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }

    // Appends a copy of (or takes over) the item; its index, or -1 when the item is refused.
    template <geometry::GeometryItemKind I>
    [[nodiscard]] int Add(I&& item) {
        using Kind = std::remove_cvref_t<I>;
        if (!geometry::itemError(item).empty()) return -1;
        m_items.push_back({geometry::GeometryItemKinds::tagOf<Kind>(),
                           std::make_unique<Kind>(std::forward<I>(item))});
        return GetSize() - 1;
    }

    // The item at index (which the caller keeps within GetSize()).
    const CGeometry& GetAt(int index) const {
        return *m_items[static_cast<std::size_t>(index)].item;
    }
    // The kind tag of the item at index.
    std::uint8_t GetTagAt(int index) const { return m_items[static_cast<std::size_t>(index)].tag; }
    // The item at index as kind I, or null when it is another kind or the index is outside.
    template <geometry::GeometryItemKind I>
    const I* get(int index) const {
        if (index < 0 || index >= GetSize()) return nullptr;
        const Entry& entry = m_items[static_cast<std::size_t>(index)];
        if (entry.tag != geometry::GeometryItemKinds::tagOf<I>()) return nullptr;
        return static_cast<const I*>(entry.item.get());
    }
    // Calls f(item) with the item at index as its own kind (index within GetSize()).
    template <class F>
    void visitItem(int index, F&& f) const {
        const Entry& entry = m_items[static_cast<std::size_t>(index)];
        geometry::GeometryItemKinds::visit(entry.tag, [&]<class K>(std::type_identity<K>) {
            f(static_cast<const K&>(*entry.item));
        });
    }
    // False when index is outside.
    [[nodiscard]] bool RemoveAt(int index);
    void RemoveAll() { m_items.clear(); }

    // Sum of the items' estimates.
    unsigned long estimateRequiredMemory(bool withNormals) const;

    // Same kinds of items in the same order, each equal to its counterpart.
    bool equals(const CGeometryArray& other) const;
    friend bool operator==(const CGeometryArray& a, const CGeometryArray& b) { return a.equals(b); }

    void Serialize(CZentrixArchive& ar);

    // A JSON array of {"kind": marker name, ...the item's fields}.
    friend ZX_API std::string toDumpText(const CGeometryArray& array);

private:
    struct Entry {
        std::uint8_t tag;
        std::unique_ptr<CGeometry> item;
    };
    std::vector<Entry> m_items;
};
