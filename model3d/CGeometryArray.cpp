// CGeometryArray: copies, comparison and the record, dispatched on each item's kind tag.
#include "model3d/CGeometryArray.h"

#include "basetypes/DumpText.h"

namespace {

using Kinds = geometry::GeometryItemKinds;

template <class K>
const K& as(const CGeometry& item) {
    return static_cast<const K&>(item);
}

}  // namespace

CGeometryArray::CGeometryArray(const CGeometryArray& other) {
    m_items.reserve(other.m_items.size());
    for (const Entry& entry : other.m_items) {
        Kinds::visit(entry.tag, [&]<class K>(std::type_identity<K>) {
            m_items.push_back({entry.tag, std::make_unique<K>(as<K>(*entry.item))});
        });
    }
}

CGeometryArray& CGeometryArray::operator=(const CGeometryArray& other) {
    if (this != &other) *this = CGeometryArray(other);
    return *this;
}

CGeometryArray::~CGeometryArray() = default;

bool CGeometryArray::RemoveAt(int index) {
    if (index < 0 || index >= GetSize()) return false;
    m_items.erase(m_items.begin() + index);
    return true;
}

unsigned long CGeometryArray::estimateRequiredMemory(bool withNormals) const {
    unsigned long total = 0;
    for (const Entry& entry : m_items) total += entry.item->estimateRequiredMemory(withNormals);
    return total;
}

bool CGeometryArray::equals(const CGeometryArray& other) const {
    if (m_items.size() != other.m_items.size()) return false;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const auto& x = m_items[i];
        const auto& y = other.m_items[i];
        if (x.tag != y.tag) return false;
        bool equal = false;
        Kinds::visit(x.tag, [&]<class K>(std::type_identity<K>) {
            equal = as<K>(*x.item) == as<K>(*y.item);
        });
        if (!equal) return false;
    }
    return true;
}

void CGeometryArray::Serialize(CZentrixArchive& ar) {
    zx::RecordScope scope(ar, s_markerName);
    ar.checkMarkerStart(zx::ArchiveMarker(s_markerName));
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(m_items.size());
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            ar.setRecordIndex(static_cast<int>(i));
            Entry& entry = m_items[i];
            ar << entry.tag;
            Kinds::visit(entry.tag, [&]<class K>(std::type_identity<K>) {
                static_cast<K&>(*entry.item).Serialize(ar);
            });
        }
        ar.checkMarkerEnd(zx::ArchiveMarker(s_markerName));
        return;
    }
    // Each item takes at least its tag and its two markers.
    const std::uint64_t countAt = ar.position();
    const int count = ar.readCount(9, "geometry items");
    if (count < 0) ar.failAt(countAt, "a non-negative count of geometry items");
    std::vector<Entry> loaded;
    loaded.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        ar.setRecordIndex(i);
        const std::uint64_t tagAt = ar.position();
        std::uint8_t tag = 0;
        ar >> tag;
        const bool known = Kinds::visit(tag, [&]<class K>(std::type_identity<K>) {
            auto item = std::make_unique<K>();
            item->Serialize(ar);
            // The items of CGeometryItems.h refuse what they cannot hold while they load (a
            // mesh's blocks are not read twice); polylines have a record of their own and are
            // checked here.
            if constexpr (!requires { item->validationError(); }) {
                const std::string error = geometry::itemError(*item);
                if (!error.empty()) ar.failAt(tagAt, error);
            }
            loaded.push_back({tag, std::move(item)});
        });
        if (!known)
            ar.failAt(tagAt, "a geometry item kind from 1 to " + std::to_string(Kinds::size) +
                                 ", found " + std::to_string(tag));
    }
    ar.checkMarkerEnd(zx::ArchiveMarker(s_markerName));
    m_items = std::move(loaded);
}

std::string toDumpText(const CGeometryArray& array) {
    std::string text = "[";
    for (std::size_t i = 0; i < array.m_items.size(); ++i) {
        if (i != 0) text += ',';
        const auto& entry = array.m_items[i];
        Kinds::visit(entry.tag, [&]<class K>(std::type_identity<K>) {
            std::string item = toDumpText(as<K>(*entry.item));
            text += "{\"kind\":\"";
            text += geometry::kindName<K>();
            text += '"';
            if (item.size() > 2 && item.front() == '{') {
                text += ',';
                text += item.substr(1);
            } else {
                text += ",\"value\":" + item + "}";
            }
        });
    }
    return text + "]";
}
