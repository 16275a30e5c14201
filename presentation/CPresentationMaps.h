// The presentation maps: how the host shows each object, kept apart from the objects. A keyed map
// holds at most one presentation per ID of its kind; a missing entry means the object has none.
// An expanded-state map says which items of a tree view are expanded: a default, and the IDs of
// the items that differ from it. No root owns them: the host holds and saves them.
//
// A keyed map keeps its entries in ascending ID order in one vector, so that a lookup is a binary
// search over contiguous keys. Setting a key above every key appends; any other new key is
// inserted in place, which moves the entries after it (hosts set presentations one at a time;
// loading, which sets many, reads them all and sorts once). The code map owns its presentations
// through pointers, so a handle on one stays valid while its entry stays.
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
        const auto at = find(key);
        if (at == m_entries.end()) return false;
        m_entries.erase(at);
        return true;
    }
    void RemoveAll() { m_entries.clear(); }
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    bool IsEmpty() const { return m_entries.empty(); }

    // Copies the key's value into value; false, leaving value as it was, when the key is absent.
    [[nodiscard]] bool Lookup(const ID& key, Value& value) const {
        const auto at = find(key);
        if (at == m_entries.end()) return false;
        value = ref(at->second);
        return true;
    }
    // A handle on the stored presentation (the code map only); an empty handle when absent.
    CWrapperHandle<Value> Lookup(const ID& key) const requires Owned {
        const auto at = find(key);
        return at == m_entries.end() ? CWrapperHandle<Value>() : ref(at->second).getHandle();
    }

    // The entries in ascending key order. Valid while the map lives and is not changed.
    class Iterator {
    public:
        explicit Iterator(const CKeyedPresentationMap& map) : m_map(map) {}
        bool hasNext() const { return m_next < m_map.m_entries.size(); }
        // Copies the current key and value out and moves on; past the end it changes neither.
        void next(ID& key, Value& value) {
            if (!hasNext()) return;
            const Entry& entry = m_map.m_entries[m_next++];
            key = entry.first;
            value = ref(entry.second);
        }

    private:
        const CKeyedPresentationMap& m_map;
        std::size_t m_next = 0;
    };
    std::shared_ptr<Iterator> getIterator() const { return std::make_shared<Iterator>(*this); }

    // Calls f(key, value) for every entry in ascending key order.
    template <class F>
    void forEach(F&& f) const {
        for (const Entry& entry : m_entries) f(entry.first, ref(entry.second));
    }

    // A new copy; the caller owns it.
    std::unique_ptr<CKeyedPresentationMap> clone() const {
        return std::make_unique<CKeyedPresentationMap>(*this);
    }
    void copyFrom(const CKeyedPresentationMap& other) {
        std::vector<Entry> copy;
        copy.reserve(other.m_entries.size());
        for (const Entry& entry : other.m_entries)
            copy.emplace_back(entry.first, stored(ref(entry.second)));
        m_entries = std::move(copy);
    }
    // The same keys with equal values.
    friend bool operator==(const CKeyedPresentationMap& a, const CKeyedPresentationMap& b) {
        return std::equal(a.m_entries.begin(), a.m_entries.end(), b.m_entries.begin(),
                          b.m_entries.end(), [](const Entry& x, const Entry& y) {
                              return x.first == y.first && ref(x.second) == ref(y.second);
                          });
    }

    // An array of [ID, presentation] pairs in ascending ID order.
    friend std::string toDumpText(const CKeyedPresentationMap& map) {
        std::string out = "[";
        for (const Entry& entry : map.m_entries) {
            if (out.size() > 1) out += ',';
            out += '[' + toDumpText(entry.first) + ',' + toDumpText(ref(entry.second)) + ']';
        }
        return out + ']';
    }

    void Serialize(CZentrixArchive& ar) {
        ar.checkMarkerStart(s_marker);
        if (ar.IsStoring()) {
            ar << static_cast<std::int32_t>(m_entries.size());
            for (Entry& entry : m_entries) {
                entry.first.Serialize(ar);
                writable(entry.second).Serialize(ar);
            }
        } else {
            load(ar);
        }
        ar.checkMarkerEnd(s_marker);
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
    static bool keyLess(const Entry& entry, const ID& key) { return entry.first < key; }

    auto find(const ID& key) const {
        const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, keyLess);
        return at != m_entries.end() && at->first == key ? at : m_entries.end();
    }
    auto find(const ID& key) {
        const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, keyLess);
        return at != m_entries.end() && at->first == key ? at : m_entries.end();
    }
    void place(const ID& key, Stored value) {
        if (m_entries.empty() || m_entries.back().first < key) {
            m_entries.emplace_back(key, std::move(value));
            return;
        }
        const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, keyLess);
        if (at != m_entries.end() && at->first == key)
            at->second = std::move(value);
        else
            m_entries.emplace(at, key, std::move(value));
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
            m_entries = std::move(kept);
        }
    }

    std::vector<Entry> m_entries;
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
        ar.checkMarkerStart(s_marker);
        zx::serializeValue(ar, m_default);
        m_exceptions.Serialize(ar);
        ar.checkMarkerEnd(s_marker);
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
