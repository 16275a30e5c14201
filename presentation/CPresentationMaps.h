// The presentation maps: how the host shows each object, kept apart from the objects. A keyed map
// holds at most one presentation per ID of its kind; a missing entry means the object has none.
// An expanded-state map says which items of a tree view are expanded: a default, and the IDs of
// the items that differ from it. No root owns them: the host holds and saves them.
//
// A keyed map keeps its keys in ascending order in one vector and their presentations at the same
// positions in another, so that a lookup searches nothing but contiguous keys (guessing positions
// from the keys' bits: store/InterpolationSearch.h). Setting a key above every key appends; any
// other new key is inserted in place, which moves the entries after it (hosts set presentations one
// at a time; loading, which sets many, reads them all and sorts once). The code map owns its
// presentations through pointers, so a handle on one stays valid while its entry stays.
//
// Archive record of a keyed map: the map's marker, an int32 count, then for each entry in
// ascending ID order the ID and the presentation's record. What a load does with the entries
// already in the map, and with a key the record repeats, is the map's LoadRule. A negative count,
// or one the remaining bytes cannot hold, is refused before anything is allocated.
//
// Archive record of an expanded-state map: its marker, the default (CProjectBool), then the ID set
// of exceptions.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"
#include "basetypes/FixedString.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "presentation/CCodePresentation.h"
#include "presentation/CCodeValuePresentation.h"
#include "presentation/CObjectPresentation.h"
#include "store/CIDPointerArray.h"
#include "store/InterpolationSearch.h"
#include "store/ValueHandles.h"

namespace zx {

// What loading a keyed map does with what the map holds and with a key the record repeats.
enum class LoadRule : std::uint8_t {
    // The map is emptied first; a repeated key keeps the last value read.
    replaceKeepLast,
    // The map is emptied first; a repeated key keeps the first value read.
    replaceKeepFirst,
    // Entries whose keys the record lacks stay; a read key replaces the value held, and a repeated
    // key keeps the last value read.
    mergeKeepLast,
};

}  // namespace zx

template <class ID, class Value, zx::FixedString Marker, zx::LoadRule Rule, bool Owned = false>
class CKeyedPresentationMap
    : public CHandledValue<CKeyedPresentationMap<ID, Value, Marker, Rule, Owned>> {
    using Stored = std::conditional_t<Owned, std::unique_ptr<Value>, Value>;
    using Entry = std::pair<ID, Stored>;

public:
    using Key = ID;
    using Presentation = Value;
    static constexpr const char* s_marker = Marker.text;

    CKeyedPresentationMap() = default;
    CKeyedPresentationMap(const CKeyedPresentationMap& other) { copyFrom(other); }
    CKeyedPresentationMap& operator=(const CKeyedPresentationMap& other) {
        if (this != &other) copyFrom(other);
        return *this;
    }
    CKeyedPresentationMap(CKeyedPresentationMap&&) noexcept = default;
    CKeyedPresentationMap& operator=(CKeyedPresentationMap&&) noexcept = default;
    ~CKeyedPresentationMap() = default;

    // Replaces the value of the key, or adds the key with a copy of value.
    void SetAt(const ID& key, const Value& value) { place(key, stored(value)); }
    // Takes the presentation over (the code map only); a null one stores a new presentation.
    void SetAt(const ID& key, std::unique_ptr<Value>&& value) requires Owned {
        place(key, value ? std::move(value) : std::make_unique<Value>());
    }
    // False when the key is absent.
    [[nodiscard]] bool RemoveKey(const ID& key) {
        const std::ptrdiff_t at = indexOf(key);
        if (at < 0) return false;
        m_keys.erase(m_keys.begin() + at);
        m_values.erase(m_values.begin() + at);
        return true;
    }
    void RemoveAll() {
        m_keys.clear();
        m_values.clear();
    }
    int GetCount() const { return static_cast<int>(m_keys.size()); }
    bool IsEmpty() const { return m_keys.empty(); }

    // Copies the key's value into value; false, leaving value as it was, when the key is absent.
    [[nodiscard]] bool Lookup(const ID& key, Value& value) const {
        const std::ptrdiff_t at = indexOf(key);
        if (at < 0) return false;
        value = ref(m_values[static_cast<std::size_t>(at)]);
        return true;
    }
    // A handle on the stored presentation (the code map only); an empty handle when absent.
    CWrapperHandle<Value> Lookup(const ID& key) const requires Owned {
        const std::ptrdiff_t at = indexOf(key);
        return at < 0 ? CWrapperHandle<Value>()
                      : ref(m_values[static_cast<std::size_t>(at)]).getHandle();
    }

    // The entries in ascending key order. Valid while the map lives and is not changed.
    class Iterator {
    public:
        explicit Iterator(const CKeyedPresentationMap& map) : m_map(map) {}
        bool hasNext() const { return m_next < m_map.m_keys.size(); }
        // Copies the current key and value out and moves on; past the end it changes neither.
        void next(ID& key, Value& value) {
            if (!hasNext()) return;
            key = m_map.m_keys[m_next];
            value = ref(m_map.m_values[m_next]);
            ++m_next;
        }

    private:
        const CKeyedPresentationMap& m_map;
        std::size_t m_next = 0;
    };
    std::shared_ptr<Iterator> getIterator() const { return std::make_shared<Iterator>(*this); }

    // Calls f(key, value) for every entry in ascending key order.
    template <class F>
    void forEach(F&& f) const {
        for (std::size_t i = 0; i < m_keys.size(); ++i) f(m_keys[i], ref(m_values[i]));
    }

    // A new copy; the caller owns it.
    std::unique_ptr<CKeyedPresentationMap> clone() const {
        return std::make_unique<CKeyedPresentationMap>(*this);
    }
    void copyFrom(const CKeyedPresentationMap& other) {
        std::vector<Stored> values;
        values.reserve(other.m_values.size());
        for (const Stored& value : other.m_values) values.push_back(stored(ref(value)));
        m_keys = other.m_keys;
        m_values = std::move(values);
    }
    // The same keys with equal values.
    friend bool operator==(const CKeyedPresentationMap& a, const CKeyedPresentationMap& b) {
        return a.m_keys == b.m_keys &&
               std::equal(a.m_values.begin(), a.m_values.end(), b.m_values.begin(),
                          [](const Stored& x, const Stored& y) { return ref(x) == ref(y); });
    }

    // An array of [ID, presentation] pairs in ascending ID order.
    friend std::string toDumpText(const CKeyedPresentationMap& map) {
        std::string out = "[";
        for (std::size_t i = 0; i < map.m_keys.size(); ++i) {
            if (i) out += ',';
            out += '[' + toDumpText(map.m_keys[i]) + ',' + toDumpText(ref(map.m_values[i])) + ']';
        }
        return out + ']';
    }

    void Serialize(CZentrixArchive& ar) {
        ar.checkMarkerStart(zx::ArchiveMarker(s_marker));
        if (ar.IsStoring()) {
            ar << static_cast<std::int32_t>(m_keys.size());
            for (std::size_t i = 0; i < m_keys.size(); ++i) {
                m_keys[i].Serialize(ar);
                writable(m_values[i]).Serialize(ar);
            }
        } else {
            load(ar);
        }
        ar.checkMarkerEnd(zx::ArchiveMarker(s_marker));
    }

private:
    static const Value& ref(const Stored& value) {
        if constexpr (Owned)
            return *value;
        else
            return value;
    }
    static Value& writable(Stored& value) {
        if constexpr (Owned)
            return *value;
        else
            return value;
    }
    static Stored stored(const Value& value) {
        if constexpr (Owned)
            return std::make_unique<Value>(value);
        else
            return value;
    }
    // The position of the first key not below key.
    std::size_t lowerBound(const ID& key) const { return zx::lowerBoundID<ID>(m_keys, key); }
    // The key's position, or -1.
    std::ptrdiff_t indexOf(const ID& key) const {
        const std::size_t at = lowerBound(key);
        return at != m_keys.size() && m_keys[at] == key ? static_cast<std::ptrdiff_t>(at) : -1;
    }
    void place(const ID& key, Stored value) {
        if (m_keys.empty() || m_keys.back() < key) {
            m_keys.push_back(key);
            m_values.push_back(std::move(value));
            return;
        }
        const auto i = static_cast<std::ptrdiff_t>(lowerBound(key));
        const auto at = m_keys.begin() + i;
        if (at != m_keys.end() && *at == key) {
            m_values[static_cast<std::size_t>(i)] = std::move(value);
            return;
        }
        // Both inserts may throw: the key goes in last, so a failure leaves no key without value.
        m_values.insert(m_values.begin() + i, std::move(value));
        try {
            m_keys.insert(at, key);
        } catch (...) {
            m_values.erase(m_values.begin() + i);
            throw;
        }
    }

    // Reads every entry first, then orders them once: a record in any order loads in n log n.
    void load(CZentrixArchive& ar) {
        const std::uint64_t countOffset = ar.position();
        // An entry holds at least its ID.
        const int count = ar.readCount(16, "presentation map entries");
        if (count < 0) ar.failNegativeCount(countOffset);
        std::vector<Entry> read;
        read.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            ID key;
            key.Serialize(ar);
            Stored value = stored(Value());
            writable(value).Serialize(ar);
            read.emplace_back(key, std::move(value));
        }
        // Stable, so that of a repeated key the entries stay in the order they were read.
        std::stable_sort(read.begin(), read.end(),
                         [](const Entry& a, const Entry& b) { return a.first < b.first; });
        std::vector<Entry> kept;
        kept.reserve(read.size());
        for (Entry& entry : read) {
            if (!kept.empty() && kept.back().first == entry.first) {
                if constexpr (Rule != zx::LoadRule::replaceKeepFirst)
                    kept.back().second = std::move(entry.second);
                continue;
            }
            kept.push_back(std::move(entry));
        }
        if constexpr (Rule == zx::LoadRule::mergeKeepLast) {
            for (Entry& entry : kept) place(entry.first, std::move(entry.second));
        } else {
            std::vector<ID> keys;
            std::vector<Stored> values;
            keys.reserve(kept.size());
            values.reserve(kept.size());
            for (Entry& entry : kept) {
                keys.push_back(entry.first);
                values.push_back(std::move(entry.second));
            }
            m_keys = std::move(keys);
            m_values = std::move(values);
        }
    }

    // Ascending keys, and the presentation of each at the same position.
    std::vector<ID> m_keys;
    std::vector<Stored> m_values;
};

template <class ID, zx::FixedString Marker>
class CExpandedStatePresentationMap
    : public CHandledValue<CExpandedStatePresentationMap<ID, Marker>> {
public:
    using Key = ID;
    static constexpr const char* s_marker = Marker.text;

    CExpandedStatePresentationMap() { initialize(); }

    // Whether the item is expanded: the default, inverted for an exception.
    bool getExpanded(const ID& key) const {
        return m_default.getValue() != (m_exceptions.findByID(key) >= 0);
    }
    void setExpanded(const ID& key, bool expanded) {
        if (expanded == m_default.getValue())
            (void)m_exceptions.removeByID(key);
        else if (m_exceptions.findByID(key) < 0)
            (void)m_exceptions.Add(key);
    }
    // The item falls back to the default.
    void remove(const ID& key) { (void)m_exceptions.removeByID(key); }
    // Every item takes the new default: the exceptions are emptied.
    void setDefaultValue(bool expanded) {
        m_default = expanded;
        m_exceptions.RemoveAll();
    }
    const CProjectBool& getDefaultValue() const { return m_default; }
    const CIDPointerArray<ID>& getExceptionIDs() const { return m_exceptions; }
    CIDPointerArray<ID>& getWritableExceptionIDs() { return m_exceptions; }
    CProjectBool& getWritableDefaultValue() { return m_default; }

    // Collapsed by default, no exceptions.
    void initialize() {
        m_default = false;
        m_exceptions.RemoveAll();
    }
    std::unique_ptr<CExpandedStatePresentationMap> clone() const {
        return std::make_unique<CExpandedStatePresentationMap>(*this);
    }
    friend bool operator==(const CExpandedStatePresentationMap& a,
                           const CExpandedStatePresentationMap& b) {
        return a.m_default == b.m_default && a.m_exceptions == b.m_exceptions;
    }

    // [default, exceptions].
    friend std::string toDumpText(const CExpandedStatePresentationMap& map) {
        return '[' + toDumpText(map.m_default) + ',' + toDumpText(map.m_exceptions) + ']';
    }

    void Serialize(CZentrixArchive& ar) {
        ar.checkMarkerStart(zx::ArchiveMarker(s_marker));
        zx::serializeValue(ar, m_default);
        m_exceptions.Serialize(ar);
        ar.checkMarkerEnd(zx::ArchiveMarker(s_marker));
    }

private:
    CProjectBool m_default;
    CIDPointerArray<ID> m_exceptions;
};

// The maps by kind: the code and code-value maps with the records fixed for them, every other
// keyed map with the generic rule (a load replaces the map, a repeated key keeps its last value).
using CCodePresentationMap =
    CKeyedPresentationMap<CCodeID, CCodePresentation, "CActivityCodePresentationMap",
                          zx::LoadRule::replaceKeepFirst, true>;
using CCodeValuePresentationMap =
    CKeyedPresentationMap<CCodeValueID, CCodeValuePresentation, "CCodeValuePresentationMap",
                          zx::LoadRule::mergeKeepLast>;
template <class ID, class Value, zx::FixedString Marker>
using CGenericPresentationMap =
    CKeyedPresentationMap<ID, Value, Marker, zx::LoadRule::replaceKeepLast>;
using CTaskPresentationMap =
    CGenericPresentationMap<CTaskID, CTaskPresentation, "CTaskPresentationMap">;
using CCalendarPresentationMap =
    CGenericPresentationMap<CCalendarID, CCalendarPresentation, "CCalendarPresentationMap">;
using CResourcePresentationMap =
    CGenericPresentationMap<CResourceID, CResourcePresentation, "CResourcePresentationMap">;
using CResourceGroupPresentationMap =
    CGenericPresentationMap<CResourceGroupID, CResourceGroupPresentation,
                            "CResourceGroupPresentationMap">;
using CResourceStatePresentationMap =
    CGenericPresentationMap<CResourceStateID, CResourceStatePresentation,
                            "CResourceStatePresentationMap">;
using CUserFieldPresentationMap =
    CGenericPresentationMap<CUserFieldID, CUserFieldPresentation, "CUserFieldPresentationMap">;
using CUseProfilePresentationMap =
    CGenericPresentationMap<CUseProfileID, CUseProfilePresentation, "CUseProfilePresentationMap">;
using CRiskPresentationMap =
    CGenericPresentationMap<CRiskID, CRiskPresentation, "CRiskPresentationMap">;
using CRulePresentationMap =
    CGenericPresentationMap<CRuleID, CRulePresentation, "CRulePresentationMap">;
using CAnimationPresentationMap =
    CGenericPresentationMap<CAnimationID, CAnimationPresentation, "CAnimationPresentationMap">;
using CEntity3DPresentationMap =
    CGenericPresentationMap<CEntity3DID, CEntity3DPresentation, "CEntity3DPresentationMap">;
using CDocumentFolderPresentationMap =
    CGenericPresentationMap<CDocumentFolderID, CDocumentFolderPresentation,
                            "CDocumentFolderPresentationMap">;
using CUniFolderPresentationMap =
    CGenericPresentationMap<CUniFolderID, CUniFolderPresentation, "CUniFolderPresentationMap">;
using CLayoutPresentationMap = CExpandedStatePresentationMap<CLayoutID, "CLayoutPresentationMap">;
using CPathPresentationMap = CExpandedStatePresentationMap<CPathID, "CPathPresentationMap">;

// Every presentation map, for code that walks them all (their handle templates, the document).
#define ZX_PRESENTATION_MAPS(X)       \
    X(CCodePresentationMap)           \
    X(CCodeValuePresentationMap)      \
    X(CTaskPresentationMap)           \
    X(CCalendarPresentationMap)       \
    X(CResourcePresentationMap)       \
    X(CResourceGroupPresentationMap)  \
    X(CResourceStatePresentationMap)  \
    X(CUserFieldPresentationMap)      \
    X(CUseProfilePresentationMap)     \
    X(CRiskPresentationMap)           \
    X(CRulePresentationMap)           \
    X(CAnimationPresentationMap)      \
    X(CEntity3DPresentationMap)       \
    X(CDocumentFolderPresentationMap) \
    X(CUniFolderPresentationMap)      \
    X(CLayoutPresentationMap)         \
    X(CPathPresentationMap)

#define ZX_DECLARE_PRESENTATION_MAP_HANDLES(Map) ZX_DECLARE_VALUE_HANDLES(Map);
ZX_PRESENTATION_MAPS(ZX_DECLARE_PRESENTATION_MAP_HANDLES)
#undef ZX_DECLARE_PRESENTATION_MAP_HANDLES
