// The JSON form of every value type a kind's fields are made of: writeJson(out, value) appends
// it to a JsonOutput, readJson(in, value) sets the value from a parsed JsonValue or throws
// JsonError naming what it expected. Each form reads back to an equal value (a float's bits
// included), and a value written twice gives the same text.
//
// Where the store's dump text (toDumpText) of a type loses nothing, the form is that text, here
// formatted without building strings; where it loses something the form differs:
//   double, float  the shortest text that reads back exactly; -0 as -0.0; infinities and NaNs
//                  as the strings "inf", "-inf", "nan", "-nan" or "nan:0x<bits>"
//   time, date     "YYYY-MM-DDTHH:MM:SS.mmmZ" and "YYYY-MM-DD" for years 0 to 9999, a number
//                  (milliseconds or days since 1970-01-01) outside them; null for no time
//   colour         "#rrggbb", or "#rrggbbhh" when the unused high byte is set
//   variant        null when empty, else one member naming the type: {"Integer":5},
//                  {"Double":1.5}, {"String":"..."}, {"Boolean":true}, {"DateTime":"..."}
//   ID set         the IDs in record order; an ascending list reads back as a sorted set
// The rest: texts are strings, scalars and durations their value or null when unset,
// enumerations their value's name, IDs their text ("unset" and "null" for those two states),
// lists arrays, optional values null or the value, described values (CDescribedValue) an object
// of their fields, points and transforms arrays of their components.
//
// MemberWriter and MemberReader carry the fields of a described value across; ObjectWriter and
// ObjectReader add the child collections and parts of the stored kinds, whose objects are
// "kind" followed by the entries of their description (writeJson and readJson take an object
// of any kind too). Members are read by name in any order; a missing, repeated or unknown one is
// refused, as is a child collection repeating an ID. A field described {.secret = true} is
// written as "<redacted>" unless the output shows secrets, and reading "<redacted>" back into
// such a field is refused.
//
// A value type used by a kind needs its pair here: a missing one fails to compile.
#pragma once

#include <charconv>
#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "FilledObject.h"
#include "JsonError.h"
#include "JsonOutput.h"
#include "JsonTree.h"
#include "basetypes/CByteArray.h"
#include "basetypes/CHeapValue.h"
#include "basetypes/CIDBase.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectStringArray.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CProjectVariant.h"
#include "basetypes/CSharedBytes.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/IDescribed.h"
#include "model3d/CGeometryArray.h"
#include "model3d/CGraphicalTransformDouble.h"
#include "model3d/CIRayMaterialDefinition.h"
#include "model3d/GraphicalComponents.h"
#include "presentation/CPresentationMaps.h"
#include "sources/CExcelList.h"
#include "store/ArrayHandles.h"
#include "store/CIDPointerArray.h"
#include "store/CNonUniquePointerArray.h"
#include "store/CNonUniqueValueArray.h"
#include "store/CUniqueObjectPointerArray.h"
#include "store/CUniqueValueArray.h"
#include "store/StdVector.h"

namespace zxjson {

inline constexpr std::string_view kRedacted = "<redacted>";
// What the header of a project document says it is.
inline constexpr std::string_view kFormatName = "zentrix-store project";
inline constexpr int kFormatVersion = 1;

template <class T>
concept DescribedValue = std::is_base_of_v<CDescribedValue<T>, T>;

// Reads an ID's text ("unset", "null" or the 8-4-4-4-12 hexadecimal form); false on anything
// else.
[[nodiscard]] bool parseID(std::string_view text, CIDBase& id);

// Plain numbers and texts.

// A template, so that nothing converts to bool on its way here.
template <std::same_as<bool> T>
void writeJson(JsonOutput& out, T value) {
    out.put(value ? "true" : "false");
}
void readJson(const JsonValue& in, bool& value);

template <class T>
requires(std::is_integral_v<T> && !std::is_same_v<T, bool>) void writeJson(JsonOutput& out,
                                                                           T value) {
    out.integer(value);
}
template <class T>
requires(std::is_integral_v<T> && !std::is_same_v<T, bool>) void readJson(const JsonValue& in,
                                                                          T& value) {
    if (in.type() == JsonValue::Type::Integer && std::in_range<T>(in.integer())) {
        value = static_cast<T>(in.integer());
    } else if (in.type() == JsonValue::Type::Unsigned && std::in_range<T>(in.unsignedInteger())) {
        value = static_cast<T>(in.unsignedInteger());
    } else if (in.type() == JsonValue::Type::Integer || in.type() == JsonValue::Type::Unsigned) {
        in.fail("the number is out of the range of a " + std::to_string(sizeof(T) * 8) + "-bit " +
                (std::is_signed_v<T> ? "signed" : "unsigned") + " integer");
    } else {
        in.expected("an integer");
    }
}

template <std::floating_point T>
void writeJson(JsonOutput& out, T value) {
    out.number(value);
}
void readJson(const JsonValue& in, double& value);
void readJson(const JsonValue& in, float& value);

inline void writeJson(JsonOutput& out, const CString& text) { out.string(text.view()); }
void readJson(const JsonValue& in, CString& text);

inline void writeJson(JsonOutput& out, const CProjectString& text) {
    out.string(text.getString().view());
}
void readJson(const JsonValue& in, CProjectString& text);

// Identifiers, times, colours, variants.

void writeJson(JsonOutput& out, const CIDBase& id);
void readJson(const JsonValue& in, CIDBase& id);

void writeJson(JsonOutput& out, const CProjectTime& time);
void readJson(const JsonValue& in, CProjectTime& time);
void writeJson(JsonOutput& out, const CProjectDate& date);
void readJson(const JsonValue& in, CProjectDate& date);
void writeJson(JsonOutput& out, const CProjectDuration& duration);
void readJson(const JsonValue& in, CProjectDuration& duration);

void writeJson(JsonOutput& out, const CProjectColorRGB& color);
void readJson(const JsonValue& in, CProjectColorRGB& color);

void writeJson(JsonOutput& out, const CProjectVariant& value);
void readJson(const JsonValue& in, CProjectVariant& value);

template <class E>
void writeJson(JsonOutput& out, const CZentrixEnumeration<E>& value) {
    out.string(std::string_view(value.name()));
}
template <class E>
void readJson(const JsonValue& in, CZentrixEnumeration<E>& value) {
    using Enumeration = CZentrixEnumeration<E>;
    if (!in.isString()) in.expected(std::string("a ") + Enumeration::Traits::typeName + " name");
    for (int i = 0; i < Enumeration::s_count; ++i) {
        if (in.text() == Enumeration::Traits::names[i]) {
            value = Enumeration(static_cast<E>(i));
            return;
        }
    }
    std::string names;
    for (const char* name : Enumeration::Traits::names)
        names += std::string(names.empty() ? "" : ", ") + name;
    in.fail(std::string("expected a ") + Enumeration::Traits::typeName + " (" + names +
            "), found \"" + std::string(in.text()) + '"');
}

// Optional and set-or-unset values.

// An unset value that keeps a value of its own is {"unset":value}.
template <class T>
void writeJson(JsonOutput& out, const CProjectScalar<T>& value) {
    if (value.isValid()) {
        writeJson(out, value.getValue());
    } else if (value.getValue() == T{}) {
        out.put("null");
    } else {
        out.put('{');
        out.key("unset");
        writeJson(out, value.getValue());
        out.put('}');
    }
}
template <class T>
void readJson(const JsonValue& in, CProjectScalar<T>& value) {
    if (in.isNull()) {
        value.unset();
        return;
    }
    T loaded{};
    if (in.type() == JsonValue::Type::Object) {
        std::uint32_t next = JsonTree::s_none;
        readJson(in.take("unset", next), loaded);
        in.refuseUntaken();
        value.unsetKeeping(loaded);
        return;
    }
    readJson(in, loaded);
    value.setValue(loaded);
}

template <class T>
void writeJson(JsonOutput& out, const CHeapValue<T>& value) {
    if (const T* held = value.get())
        writeJson(out, *held);
    else
        out.put("null");
}
template <class T>
void readJson(const JsonValue& in, CHeapValue<T>& value) {
    if (in.isNull()) {
        value.reset();
        return;
    }
    // Read into a fresh value so that a failure leaves no half-read one behind.
    T loaded{};
    readJson(in, loaded);
    value.set(std::move(loaded));
}

// Lists.

// Calls read(element) for every element of an array, or throws.
template <class Read>
void forEachElement(const JsonValue& in, Read&& read) {
    if (in.type() != JsonValue::Type::Array) in.expected("an array");
    for (const JsonValue element : in) read(element);
}

// Writes an array of count elements, element i being at(i).
template <class At>
void writeArray(JsonOutput& out, std::size_t count, At&& at) {
    out.put('[');
    for (std::size_t i = 0; i < count; ++i) {
        if (i) out.put(',');
        writeJson(out, at(i));
    }
    out.put(']');
}

inline void writeJson(JsonOutput& out, const CProjectStringArray& texts) {
    writeArray(
        out, static_cast<std::size_t>(texts.GetSize()),
        [&](std::size_t i) -> const CProjectString& { return texts.GetAt(static_cast<int>(i)); });
}
void readJson(const JsonValue& in, CProjectStringArray& texts);

template <std::size_t N>
void writeJson(JsonOutput& out, const CProjectStringArrays<N>& lists) {
    writeArray(out, N, [&](std::size_t i) -> const CProjectStringArray& { return lists[i]; });
}
template <std::size_t N>
void readJson(const JsonValue& in, CProjectStringArrays<N>& lists) {
    if (in.type() != JsonValue::Type::Array || in.size() != N)
        in.expected("an array of " + std::to_string(N) + " lists of texts");
    CProjectStringArrays<N> loaded;
    std::size_t i = 0;
    for (const JsonValue element : in) readJson(element, loaded[i++]);
    lists = std::move(loaded);
}

template <class T>
void writeJson(JsonOutput& out, const CStdVector<T>& values) {
    writeArray(out, values.size(), [&](std::size_t i) -> const T& { return values[i]; });
}
template <class T>
void readJson(const JsonValue& in, CStdVector<T>& values) {
    CStdVector<T> loaded;
    forEachElement(in, [&](const JsonValue& element) {
        T value{};
        readJson(element, value);
        loaded.push_back(std::move(value));
    });
    values = std::move(loaded);
}

// An Excel source's sheets or columns, as an array of their values. Read back exactly as written:
// the list's rules judge edits, not restored lists.
template <class T, class D>
void writeJson(JsonOutput& out, const CExcelList<T, D>& list) {
    writeArray(out, static_cast<std::size_t>(list.GetSize()),
               [&](std::size_t i) -> const T& { return list[static_cast<int>(i)]; });
}
template <class T, class D>
void readJson(const JsonValue& in, CExcelList<T, D>& list) {
    D loaded;
    forEachElement(in, [&](const JsonValue& element) {
        T value;
        readJson(element, value);
        loaded.appendUnchecked(std::move(value));
    });
    list = std::move(loaded);
}

template <class ID>
void writeJson(JsonOutput& out, const CIDPointerArray<ID>& ids) {
    out.put('[');
    bool first = true;
    ids.forEachInOrder([&](const ID& id) {
        if (!first) out.put(',');
        first = false;
        writeJson(out, id);
    });
    out.put(']');
}
template <class ID>
void readJson(const JsonValue& in, CIDPointerArray<ID>& ids) {
    CIDPointerArray<ID> loaded;
    bool ascending = true;
    forEachElement(in, [&](const JsonValue& element) {
        ID id;
        readJson(element, id);
        if (loaded.GetSize() > 0 && !(loaded.getConstReference(loaded.GetSize() - 1) < id))
            ascending = false;
        loaded.addNoSort(id);
    });
    // An unsorted set keeps its order (and the text it gives when written again).
    if (ascending) loaded.sort();
    ids.Copy(std::move(loaded));
}

template <class T, class Key, class Getter>
void writeJson(JsonOutput& out, const CUniqueValueArray<T, Key, Getter>& values) {
    out.put('[');
    for (int i = 0; i < values.GetSize(); ++i) {
        if (i) out.put(',');
        writeJson(out, values.getConstReference(i));
    }
    out.put(']');
}
template <class T, class Key, class Getter>
void readJson(const JsonValue& in, CUniqueValueArray<T, Key, Getter>& values) {
    CUniqueValueArray<T, Key, Getter> loaded;
    forEachElement(in, [&](const JsonValue& element) {
        T value{};
        readJson(element, value);
        if (loaded.addValue(std::move(value)) < 0)
            element.fail("the entry repeats the key of an earlier one");
    });
    values = std::move(loaded);
}

template <class T>
void writeJson(JsonOutput& out, const CNonUniqueValueArray<T>& values) {
    writeArray(out, static_cast<std::size_t>(values.GetSize()),
               [&](std::size_t i) -> const T& { return values[static_cast<int>(i)]; });
}
template <class T>
void readJson(const JsonValue& in, CNonUniqueValueArray<T>& values) {
    CNonUniqueValueArray<T> loaded;
    forEachElement(in, [&](const JsonValue& element) {
        T value{};
        readJson(element, value);
        loaded.Add(std::move(value));
    });
    values = std::move(loaded);
}

template <class T>
void writeJson(JsonOutput& out, const CNonUniquePointerArray<T>& objects) {
    out.put('[');
    for (int i = 0; i < objects.GetSize(); ++i) {
        if (i) out.put(',');
        writeJson(out, objects[i]);
    }
    out.put(']');
}
template <class T>
void readJson(const JsonValue& in, CNonUniquePointerArray<T>& objects) {
    CNonUniquePointerArray<T> loaded;
    forEachElement(in, [&](const JsonValue& element) {
        T value{};
        readJson(element, value);
        loaded.Add(std::move(value));
    });
    objects = std::move(loaded);
}

// Keyed entries as an array of [key, value] pairs, in the order forEachEntry(f) hands them to f.
template <class ForEachEntry>
void writePairs(JsonOutput& out, ForEachEntry&& forEachEntry) {
    out.put('[');
    bool first = true;
    forEachEntry([&](const auto& key, const auto& value) {
        if (!first) out.put(',');
        first = false;
        out.put('[');
        writeJson(out, key);
        out.put(',');
        writeJson(out, value);
        out.put(']');
    });
    out.put(']');
}
// Reads an array of [key, value] pairs into add(key, value); a key that has(key) already knows
// is refused. pair names a pair in errors ("a [name, value] pair").
template <class Key, class Value, class Has, class Add>
void readPairs(const JsonValue& in, std::string_view pair, Has&& has, Add&& add) {
    forEachElement(in, [&](const JsonValue& element) {
        if (element.type() != JsonValue::Type::Array || element.size() != 2) element.expected(pair);
        auto at = element.begin();
        Key key{};
        readJson(*at, key);
        Value value{};
        readJson(*++at, value);
        if (has(key)) element.fail("the pair repeats the key of an earlier one");
        add(key, value);
    });
}

// A material's parameters: [name, value] pairs in name order; a repeated name is refused.
template <class V, class Count>
void writeJson(JsonOutput& out, const CIRayParameterMap<V, Count>& map) {
    writePairs(out, [&](auto&& f) {
        for (const auto& [name, value] : map.entries()) f(name, value);
    });
}
template <class V, class Count>
void readJson(const JsonValue& in, CIRayParameterMap<V, Count>& map) {
    CIRayParameterMap<V, Count> loaded;
    readPairs<CString, V>(
        in, "a [name, value] pair", [&](const CString& name) { return loaded.find(name); },
        [&](const CString& name, const V& value) { loaded.set(name, value); });
    map = std::move(loaded);
}

// A keyed presentation map: [ID, presentation] pairs in ID order; a repeated ID is refused.
template <class ID, class V, zx::FixedString M, zx::LoadRule R, bool O>
void writeJson(JsonOutput& out, const CKeyedPresentationMap<ID, V, M, R, O>& map) {
    writePairs(out, [&](auto&& f) { map.forEach(f); });
}
template <class ID, class V, zx::FixedString M, zx::LoadRule R, bool O>
void readJson(const JsonValue& in, CKeyedPresentationMap<ID, V, M, R, O>& map) {
    CKeyedPresentationMap<ID, V, M, R, O> loaded;
    readPairs<ID, V>(
        in, "an [ID, presentation] pair",
        [&](const ID& key) {
            V held{};
            return loaded.Lookup(key, held);
        },
        [&](const ID& key, const V& value) { loaded.SetAt(key, value); });
    map = std::move(loaded);
}

// An expanded-state map: [default, exceptions].
template <class ID, zx::FixedString M>
void writeJson(JsonOutput& out, const CExpandedStatePresentationMap<ID, M>& map) {
    out.put('[');
    writeJson(out, map.getDefaultValue());
    out.put(',');
    writeJson(out, map.getExceptionIDs());
    out.put(']');
}
template <class ID, zx::FixedString M>
void readJson(const JsonValue& in, CExpandedStatePresentationMap<ID, M>& map) {
    if (in.type() != JsonValue::Type::Array || in.size() != 2)
        in.expected("a [default, exceptions] pair");
    CExpandedStatePresentationMap<ID, M> loaded;
    auto element = in.begin();
    readJson(*element, loaded.getWritableDefaultValue());
    readJson(*++element, loaded.getWritableExceptionIDs());
    map = std::move(loaded);
}

// Raw bytes: a string of two lower-case hexadecimal digits per byte.
void writeJson(JsonOutput& out, const CByteArray& data);
void readJson(const JsonValue& in, CByteArray& data);
void writeJson(JsonOutput& out, const CSharedBytes& bytes);
void readJson(const JsonValue& in, CSharedBytes& bytes);

// Geometry: arrays of the components.

template <class T>
void writeComponents(JsonOutput& out, const T* components, int count) {
    out.put('[');
    for (int i = 0; i < count; ++i) {
        if (i) out.put(',');
        out.number(components[i]);
    }
    out.put(']');
}
// Reads an array of exactly `count` numbers into components.
template <class T>
void readComponents(const JsonValue& in, T* components, int count) {
    if (in.type() != JsonValue::Type::Array || in.size() != static_cast<std::uint32_t>(count))
        in.expected("an array of " + std::to_string(count) + " numbers");
    int i = 0;
    for (const JsonValue element : in) readJson(element, components[i++]);
}

template <class T, int N, class Derived>
void writeJson(JsonOutput& out, const geometry::GraphicalComponents<T, N, Derived>& value) {
    writeComponents(out, value.getPointer(), N);
}
template <class T, int N, class Derived>
void readJson(const JsonValue& in, geometry::GraphicalComponents<T, N, Derived>& value) {
    T components[N];
    readComponents(in, components, N);
    value.set(components);
}

template <std::floating_point T>
void writeJson(JsonOutput& out, const CTGraphicalTransform<T>& transform) {
    writeComponents(out, transform.getMatrix(), transform.getSize());
}
template <std::floating_point T>
void readJson(const JsonValue& in, CTGraphicalTransform<T>& transform) {
    T elements[CTGraphicalTransform<T>::s_elementCount];
    readComponents(in, elements, CTGraphicalTransform<T>::s_elementCount);
    transform.setMatrix(elements);
}

// Geometry items: arrays of numbers, and each item an object of its kind and fields.

template <class E>
requires std::is_arithmetic_v<E>
void writeJson(JsonOutput& out, const std::vector<E>& values) {
    out.put('[');
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) out.put(',');
        if constexpr (std::is_floating_point_v<E>)
            out.number(values[i]);
        else
            out.integer(values[i]);
    }
    out.put(']');
}
template <class E>
requires std::is_arithmetic_v<E>
void readJson(const JsonValue& in, std::vector<E>& values) {
    if (in.type() != JsonValue::Type::Array) in.expected("an array of numbers");
    std::vector<E> loaded;
    loaded.reserve(in.size());
    for (const JsonValue element : in) {
        E value{};
        readJson(element, value);
        loaded.push_back(value);
    }
    values = std::move(loaded);
}

// A polyline: the array of its points.
template <class P, class PA>
void writeJson(JsonOutput& out, const CTPolyLine3D<P, PA>& polyline) {
    writeJson(out, polyline.getPoints());
}
template <class P, class PA>
void readJson(const JsonValue& in, CTPolyLine3D<P, PA>& polyline) {
    PA points;
    readJson(in, points);
    polyline.setPoints(std::move(points));
}

// {"Kind":"CMesh","Positions":[...],...}, a polyline's points as "Points".
void writeJson(JsonOutput& out, const CGeometryArray& geometries);
// Refuses an unknown kind, a missing or unknown member and an item the array refuses.
void readJson(const JsonValue& in, CGeometryArray& geometries);

// Described values and objects: their fields as members.

// Writes each field handed to it by a field description as `"name":value`.
class MemberWriter {
public:
    explicit MemberWriter(JsonOutput& out) : m_out(out) {}

    template <class T>
    void value(const char* name, const T& value, zx::FieldOptions options = {}) {
        m_out.key(name);
        if (options.secret && !m_out.showSecrets())
            m_out.string(kRedacted);
        else
            writeJson(m_out, value);
    }

protected:
    JsonOutput& m_out;
};

// Reads each field handed to it by a field description from the member of that name; finish()
// then refuses members that no field took.
class MemberReader {
public:
    // Throws unless `object` is a JSON object.
    explicit MemberReader(const JsonValue& object);

    template <class T>
    void value(const char* name, T& value, zx::FieldOptions options = {}) {
        const JsonValue in = take(name);
        if (options.secret && in.isString() && in.text() == kRedacted)
            in.fail("the value was redacted when it was written and cannot be read back");
        readJson(in, value);
    }

    JsonValue take(const char* name) { return m_object.take(name, m_next); }
    void finish() const { m_object.refuseUntaken(); }

protected:
    JsonValue m_object;
    std::uint32_t m_next = JsonTree::s_none;
};

template <DescribedValue T>
void writeJson(JsonOutput& out, const T& value) {
    out.put('{');
    MemberWriter writer(out);
    zx::fields::ValueAdapter<const T, const T, MemberWriter> adapter{value, value, writer};
    T::describeFields(adapter);
    out.put('}');
}
template <DescribedValue T>
void readJson(const JsonValue& in, T& value) {
    MemberReader reader(in);
    zx::fields::ValueAdapter<T, T, MemberReader> adapter{value, value, reader};
    T::describeFields(adapter);
    reader.finish();
    zx::rebuildDerived(value);
}

// Sorts the container's index and returns the storage position of the first object (in
// storage order) whose ID an object before it has, or -1 when every ID is distinct.
template <class I, class C, class ID>
int repeatedID(CUniqueObjectPointerArray<I, C, ID>& objects) {
    objects.sort();
    int first = -1;
    const int n = objects.GetSize();
    for (int k = 0; k < n;) {
        const CIDBase& id = objects.getID(objects.getOrderedIndex(k));
        // A run of equal IDs in the index: every object of it but the earliest repeats the ID.
        int earliest = objects.getOrderedIndex(k), second = -1;
        int end = k + 1;
        for (; end < n && objects.getID(objects.getOrderedIndex(end)) == id; ++end) {
            const int i = objects.getOrderedIndex(end);
            if (i < earliest) {
                second = earliest;
                earliest = i;
            } else if (second < 0 || i < second) {
                second = i;
            }
        }
        if (second >= 0 && (first < 0 || second < first)) first = second;
        k = end;
    }
    return first;
}

// Objects of the stored kinds: "kind", then their field description's entries.

template <class T>
concept StoredKind = std::derived_from<T, CObjectState> && requires {
    T::s_kindName;
};

// Writes the entries of one object; child objects get a writer one level deeper.
class ObjectWriter : public MemberWriter {
public:
    // Objects nested deeper than this are refused: their text would nest deeper than a reader
    // (JsonTree::s_maxDepth) accepts, with room for a document's four levels and nested values.
    static constexpr std::size_t s_maxDepth = (JsonTree::s_maxDepth - 16) / 2;

    explicit ObjectWriter(JsonOutput& out, std::size_t depth = 0)
        : MemberWriter(out), m_depth(depth) {}

    template <class I>
    void write(const I& object) {
        if (m_depth > s_maxDepth)
            throw JsonError("objects nested deeper than " + std::to_string(s_maxDepth) + " levels");
        m_out.put("{\"kind\":");
        m_out.string(std::string_view(I::s_kindName));
        ObjectWriter members(m_out, m_depth + 1);
        object.visitValues(members);
        m_out.put('}');
    }

    template <class H>
    void children(const char* name, const H& handle) {
        m_out.key(name);
        m_out.put('[');
        for (int i = 0; i < handle.GetSize(); ++i) {
            if (i) m_out.put(',');
            write(*handle.getConstReference(i));
        }
        m_out.put(']');
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        if (slot.present()) {
            children(name, slot.get());
        } else {
            m_out.key(name);
            m_out.put("null");
        }
    }
    template <class P>
    void part(const char* name, const P& part) {
        m_out.key(name);
        write(part);
    }
    template <class Slot>
    void optionalPart(const char* name, const Slot& slot) {
        m_out.key(name);
        const auto handle = slot.get();
        if (handle.isNull())
            m_out.put("null");
        else
            write(*handle);
    }

private:
    std::size_t m_depth;
};

// Reads the entries of one object: its collections are built anew, each child read into a new
// object of its kind and stored in input order (a repeated ID is refused).
class ObjectReader : public MemberReader {
public:
    using MemberReader::MemberReader;

    template <class I>
    static void read(const JsonValue& in, I& object) {
        ObjectReader reader(in);
        const JsonValue kind = reader.take("kind");
        if (!kind.isString() || kind.text() != I::s_kindName) {
            // Appended in place: GCC 12 at -O3 reports a false -Warray-bounds for the same text
            // built with operator+.
            std::string what = "the kind \"";
            what += I::s_kindName;
            what += '"';
            kind.expected(what);
        }
        object.visitValues(reader);
        reader.finish();
        zx::rebuildDerived(object);
    }

    template <class H>
    void children(const char* name, const H& handle) {
        fill(take(name), handle);
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        const JsonValue in = take(name);
        if (in.isNull() || (in.type() == JsonValue::Type::Array && in.size() == 0))
            slot.reset();
        else
            fill(in, slot.ensure());
    }
    template <class P>
    void part(const char* name, P& part) {
        read(take(name), part);
    }
    template <class Slot>
    void optionalPart(const char* name, const Slot& slot) {
        const JsonValue in = take(name);
        if (in.isNull())
            slot.reset();
        else
            read(in, *slot.ensure());
    }

private:
    template <class H>
    static void fill(const JsonValue& in, const H& handle) {
        using Parts = zxsample::HandleParts<H>;
        using I = typename Parts::Interface;
        using ID = typename Parts::Id;
        using C = typename ConcreteKind<I>::type;
        CUniqueObjectPointerArray<I, C, ID> loaded;
        forEachElement(in, [&](const JsonValue& element) {
            auto child = std::make_unique<C>();
            read(element, *child);
            if (loaded.AttachNoSort(loaded.GetSize(), child.get())) (void)child.release();
        });
        if (const int repeat = repeatedID(loaded); repeat >= 0)
            elementAt(in, repeat).fail("the object repeats the ID of an earlier one");
        // Moved straight into the owner's container where the handle shows it; copied through
        // the handle otherwise.
        using Basic = CBasicArrayHandle<I, C, ID, Parts::kFlag>;
        if (const auto* basic = dynamic_cast<const Basic*>(handle.handle());
            basic && basic->array())
            *basic->array() = std::move(loaded);
        else
            handle.copyFrom(CConstWrapperArrayHandle<I, ID, Parts::kFlag>::over(&loaded));
    }
    static JsonValue elementAt(const JsonValue& array, int index) {
        auto element = array.begin();
        for (int i = 0; i < index; ++i) ++element;
        return *element;
    }
};

template <StoredKind I>
void writeJson(JsonOutput& out, const I& object) {
    ObjectWriter(out).write(object);
}
template <StoredKind I>
void readJson(const JsonValue& in, I& object) {
    ObjectReader::read(in, object);
}

}  // namespace zxjson
