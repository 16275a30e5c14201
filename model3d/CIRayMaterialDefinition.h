// CIRayMaterialDefinition and CIRayMaterialInstance: physically based rendering materials.
//
// A definition names a material of the renderer's material language, lists its parameters by name
// with their type names and, for vector parameters, their element type, and may hold default
// values. An instance holds a copy of the definition its values belong to and a value text per
// parameter. Both are plain values: copies are deep (a definition's defaults included), == compares
// everything but the iteration cursors. The two nest into each other (defaults are an instance,
// which holds a definition), so they share this header.
//
// Archive records (written to disk; must never change; strings are the archive's CString items):
//   definition  MDL name; display name (from file version 370); uint32 attribute count, then per
//               attribute in name order its name and type name; (from 370) a bool saying whether
//               defaults follow, then the defaults as an instance record; (from 371) uint64 element
//               type count, then per entry in name order its name and the element type as int32.
//   instance    the definition's record, then uint32 value count, then per value in name order its
//               name and value text.
// Loading an older file leaves what it does not hold as it was; saving at an older version leaves
// it out. Loading refuses a name listed twice and a count the remaining bytes cannot hold (before
// anything is allocated); defaults nested in defaults end at the archive's record depth limit.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "basetypes/C3DEnumerations.h"
#include "basetypes/CHeapValue.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"

// Values of a material keyed by parameter name, kept in name order, with a cursor for the
// begin/next iteration of the material classes. The cursor is not part of the value: copies start
// with it at the end, comparison ignores it. Count is the integer type of the record's count.
template <class V, class Count>
class CIRayParameterMap {
public:
    using Map = std::map<CString, V>;

    CIRayParameterMap() = default;
    CIRayParameterMap(const CIRayParameterMap& other) : m_entries(other.m_entries) {}
    CIRayParameterMap& operator=(const CIRayParameterMap& other) {
        if (this != &other) {
            m_entries = other.m_entries;
            m_cursor = m_entries.end();
        }
        return *this;
    }
    CIRayParameterMap(CIRayParameterMap&& other) noexcept : m_entries(std::move(other.m_entries)) {
        other.m_cursor = other.m_entries.end();
    }
    CIRayParameterMap& operator=(CIRayParameterMap&& other) noexcept {
        if (this != &other) {
            m_entries = std::move(other.m_entries);
            m_cursor = m_entries.end();
            other.m_cursor = other.m_entries.end();
        }
        return *this;
    }

    const Map& entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }
    // Inserts or replaces the value of name.
    void set(const CString& name, const V& value) { m_entries.insert_or_assign(name, value); }
    // The value of name, or null.
    const V* find(const CString& name) const {
        const auto found = m_entries.find(name);
        return found == m_entries.end() ? nullptr : &found->second;
    }
    void clear() {
        m_entries.clear();
        m_cursor = m_entries.end();
    }

    void begin() { m_cursor = m_entries.begin(); }
    // The entry at the cursor, moving the cursor on; false (and nothing filled) at the end.
    [[nodiscard]] bool next(CString& name, V& value) {
        if (m_cursor == m_entries.end()) return false;
        name = m_cursor->first;
        value = m_cursor->second;
        ++m_cursor;
        return true;
    }

    friend bool operator==(const CIRayParameterMap& a, const CIRayParameterMap& b) {
        return a.m_entries == b.m_entries;
    }

    void Serialize(CZentrixArchive& ar) {
        if (ar.IsStoring()) {
            Count count = static_cast<Count>(m_entries.size());
            ar << count;
            for (auto& [name, value] : m_entries) {
                ar << name;
                zx::serializeValue(ar, const_cast<V&>(value));
            }
            return;
        }
        clear();
        const std::uint64_t countOffset = ar.position();
        Count count = 0;
        ar >> count;
        // Each entry takes at least an empty name's length and the smallest value.
        if (count > ar.remaining() / (sizeof(std::uint32_t) + s_minValueBytes))
            ar.failAt(countOffset, "a count of parameters that the remaining bytes can hold");
        for (Count i = 0; i < count; ++i) {
            const std::uint64_t nameOffset = ar.position();
            CString name;
            ar >> name;
            V value{};
            zx::serializeValue(ar, value);
            if (!m_entries.emplace(std::move(name), std::move(value)).second)
                ar.failAt(nameOffset, "a parameter name not listed before");
        }
    }

    friend std::string toDumpText(const CIRayParameterMap& map) {
        std::string out = "{";
        for (const auto& [name, value] : map.m_entries) {
            if (out.size() > 1) out += ',';
            out += toDumpText(name);
            out += ':';
            out += toDumpText(value);
        }
        return out + '}';
    }

private:
    // A CString (its count) or an int32 enumeration: four bytes at the least.
    static constexpr std::uint64_t s_minValueBytes = 4;

    Map m_entries;
    typename Map::const_iterator m_cursor = m_entries.end();
};

// Parameter name to type name; parameter name to the element type of a vector parameter;
// parameter name to value text.
using CIRayAttributeMap = CIRayParameterMap<CString, std::uint32_t>;
using CIRayElementTypeMap = CIRayParameterMap<IrayElementType, std::uint64_t>;
using CIRayValueMap = CIRayParameterMap<CString, std::uint32_t>;

class CIRayMaterialInstance;

class ZX_API CIRayMaterialDefinition : public CDescribedValue<CIRayMaterialDefinition> {
public:
    static constexpr const char* s_kindName = "IRayMaterialDefinition";

    template <class V>
    static void describeFields(V& v) {
        v.field("MdlName", &CIRayMaterialDefinition::m_mdlName);
        v.field("DisplayName", &CIRayMaterialDefinition::m_displayName, {.since = 370});
        v.field("Attributes", &CIRayMaterialDefinition::m_attributes);
        v.field("MaterialDefaults", &CIRayMaterialDefinition::m_defaults, {.since = 370});
        v.field("ElementTypes", &CIRayMaterialDefinition::m_elementTypes, {.since = 371});
    }

    // Defined where the instance is complete.
    CIRayMaterialDefinition();
    CIRayMaterialDefinition(const CIRayMaterialDefinition& other);
    CIRayMaterialDefinition(CIRayMaterialDefinition&& other) noexcept;
    CIRayMaterialDefinition& operator=(const CIRayMaterialDefinition& other);
    CIRayMaterialDefinition& operator=(CIRayMaterialDefinition&& other) noexcept;
    ~CIRayMaterialDefinition();

    const CProjectString& getMdlName() const { return m_mdlName; }
    void setMdlName(const CString& name) { m_mdlName = name; }
    const CProjectString& getDisplayName() const { return m_displayName; }
    void setDisplayName(const CString& name) { m_displayName = name; }

    // The parameters and their type names, in name order.
    int getAttrCount() const { return m_attributes.count(); }
    void beginAttrIterator() { m_attributes.begin(); }
    [[nodiscard]] bool getNextAttr(CString& name, CString& type) {
        return m_attributes.next(name, type);
    }
    // The type name of name; false (type unchanged) for a name not listed.
    [[nodiscard]] bool findType(CString& type, const CString& name) const;
    // Inserts or replaces the type name of a parameter.
    void addAttr(const CString& name, const CString& type) { m_attributes.set(name, type); }
    const CIRayAttributeMap& getAttributes() const { return m_attributes; }

    // The element type of a vector parameter; the enumeration's first value for a name without
    // one (hasVecElementType tells them apart).
    IrayElementType getVecElementType(const CString& name) const;
    bool hasVecElementType(const CString& name) const {
        return m_elementTypes.find(name) != nullptr;
    }
    void setVecElementType(const CString& name, const IrayElementType& type) {
        m_elementTypes.set(name, type);
    }
    const CIRayElementTypeMap& getElementTypes() const { return m_elementTypes; }

    // The default values, or null when there are none.
    const CIRayMaterialInstance* getMaterialDefaults() const { return m_defaults.get(); }
    CIRayMaterialInstance* getWritableMaterialDefaults() { return m_defaults.getWritable(); }
    // Stores a copy of defaults.
    void setMaterialDefaults(const CIRayMaterialInstance& defaults);
    void clearMaterialDefaults() { m_defaults.reset(); }

    // Makes this definition a copy of other (defaults included).
    void copyFrom(const CIRayMaterialDefinition& other) { *this = other; }

private:
    CProjectString m_mdlName;
    CProjectString m_displayName;
    CIRayAttributeMap m_attributes;
    CHeapValue<CIRayMaterialInstance> m_defaults;
    CIRayElementTypeMap m_elementTypes;
};

class ZX_API CIRayMaterialInstance : public CDescribedValue<CIRayMaterialInstance> {
public:
    static constexpr const char* s_kindName = "IRayMaterialInstance";

    template <class V>
    static void describeFields(V& v) {
        v.field("MaterialDefinition", &CIRayMaterialInstance::m_definition);
        v.field("Values", &CIRayMaterialInstance::m_values);
    }

    CIRayMaterialInstance() = default;
    // An instance of definition (copied in) without values.
    explicit CIRayMaterialInstance(const CIRayMaterialDefinition& definition)
        : m_definition(definition) {}

    const CIRayMaterialDefinition& getMaterialDefinition() const { return m_definition; }
    CIRayMaterialDefinition& getWritableMaterialDefinition() { return m_definition; }

    // The values, in name order.
    int getAttrValueCount() const { return m_values.count(); }
    void beginAttrValueIterator() { m_values.begin(); }
    [[nodiscard]] bool getNextAttrValue(CString& name, CString& value) {
        return m_values.next(name, value);
    }
    // The value of name; false (value unchanged) for a name without one.
    [[nodiscard]] bool findValue(CString& value, const CString& name) const;
    // Inserts or replaces the value of a parameter.
    void addValueAttr(const CString& name, const CString& value) { m_values.set(name, value); }
    const CIRayValueMap& getValues() const { return m_values; }

    // Takes each value of defaults whose name has none here, and with overwrite every value of
    // defaults.
    void addDefaults(const CIRayMaterialInstance& defaults, bool overwrite);

    void copyFrom(const CIRayMaterialInstance& other) { *this = other; }

private:
    CIRayMaterialDefinition m_definition;
    CIRayValueMap m_values;
};
