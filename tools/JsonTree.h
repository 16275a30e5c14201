// JsonTree: one JSON value (a top-level object of a project document) held as a tree of nodes,
// built from a streaming parser's events, and JsonValue, a read-only view of one node.
//
// The reader keeps one tree and refills it for every top-level object, so its memory is that of
// the largest object, not of the document: clear() keeps the nodes and the string buffer. One
// object is limited to 4 GiB of strings and 4 billion values (32-bit offsets keep nodes small).
// Every node remembers where the parser stood when it arrived, its member name and its parent,
// so an error found while converting a value names the line, the byte and the field path.
//
// Nesting is capped at s_maxDepth (deeper input throws JsonError): each record level of the
// archive takes at most two JSON levels (a collection's array and the object in it), so the cap
// refuses nothing the archive can hold, and the converters' recursion stays within the stack.
//
// Members of an object keep their input order; JsonValue::take finds them by name, expecting
// them in the order the writer puts them, and marks them taken so that the reader can refuse
// unknown and repeated members afterwards. Not thread-safe.
#pragma once

#include <bit>
#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "JsonError.h"
#include "basetypes/CArchive.h"

namespace zxjson {

class JsonValue;

class JsonTree {
public:
    enum class Type : std::uint8_t {
        Null,
        Boolean,
        Integer,
        Unsigned,
        Float,
        String,
        Array,
        Object
    };
    static constexpr std::uint32_t s_none = UINT32_MAX;
    static constexpr std::size_t s_maxDepth = 2 * CArchive::s_maxRecordDepth;

    // Compact, since a hostile object can be all small values: a node costs at most 28 times
    // the two bytes ("0,") of the smallest value the input can hold. Strings live in one shared
    // buffer.
    struct Node {
        // The bits of the int64, uint64 or double; 0 or 1 for a boolean.
        std::uint64_t value = 0;
        std::uint64_t byte = 0;
        std::uint32_t line = 0;
        std::uint32_t parent = s_none;
        std::uint32_t firstChild = s_none;
        std::uint32_t nextSibling = s_none;
        std::uint32_t size = 0;
        // The member name when the parent is an object, in the string buffer.
        std::uint32_t keyOffset = 0;
        std::uint32_t keyLength = 0;
        // A string's value, or a float's literal as written, in the string buffer.
        std::uint32_t textOffset = 0;
        std::uint32_t textLength = 0;
        Type type = Type::Null;
        // Set by readers as they consume an object's members.
        mutable bool taken = false;
    };

    // Parses a whole JSON text (nothing may follow the value) into the tree, replacing what it
    // held; throws JsonError with the line and byte on malformed text. With a splitDepth, every
    // value at that depth (the outermost value is at depth 1) is handed to `split` as soon as it
    // is complete and then dropped, so that a document of many such values is never held whole;
    // its container's size still counts it.
    void parse(std::istream& in, std::size_t splitDepth = 0,
               const std::function<void(const JsonValue&)>& split = {});

    // Forgets the value, keeping the storage for the next one.
    void clear();

    // Building, in the order of the parser's events. A value inside an object takes the name
    // given to setKey before it.
    void setKey(std::string_view key);
    void beginContainer(Type type, TextPosition at);
    void endContainer();
    void addNull(TextPosition at);
    void addBoolean(bool value, TextPosition at);
    void addInteger(std::int64_t value, TextPosition at);
    void addUnsigned(std::uint64_t value, TextPosition at);
    // Non-finite numbers (a literal too large for a double) are refused.
    void addFloat(double value, std::string_view literal, TextPosition at);
    void addString(std::string_view value, TextPosition at);

    // Containers open now.
    std::size_t depth() const { return m_open.size(); }
    // True once a value has been built and every container closed.
    bool complete() const { return m_used > 0 && m_open.empty(); }
    // The first value built. Only valid while the tree is not empty.
    JsonValue root() const;

    const Node& node(std::uint32_t index) const { return m_nodes[index]; }
    // Where paths start: the value handed to the split function while it runs, else the root.
    bool isPathRoot(std::uint32_t index) const {
        return index == m_splitValue || m_nodes[index].parent == s_none;
    }
    std::string_view chars(std::uint32_t offset, std::uint32_t length) const {
        return std::string_view(m_chars).substr(offset, length);
    }

private:
    struct Open {
        std::uint32_t index;
        std::uint32_t lastChild;
    };

    Node& append(Type type, TextPosition at);
    // Copies text into the string buffer; returns its offset.
    std::uint32_t store(std::string_view text, TextPosition at);

    std::vector<Node> m_nodes;
    // Nodes of the current value; those beyond are kept for their storage.
    std::uint32_t m_used = 0;
    std::vector<Open> m_open;
    std::string m_chars;
    std::uint32_t m_keyOffset = 0;
    std::uint32_t m_keyLength = 0;
    // Splitting: the depth, and where the value being built there began in the string buffer.
    std::size_t m_splitDepth = 0;
    // The value being handed over: paths start below it.
    std::uint32_t m_splitValue = s_none;
    std::size_t m_splitChars = 0;
    const std::function<void(const JsonValue&)>* m_split = nullptr;

    // Called when the value at index, at the given depth, is complete: a value at the split
    // depth is handed over and dropped.
    void finishValue(std::uint32_t index, std::size_t depth);
};

class JsonValue {
public:
    using Type = JsonTree::Type;

    JsonValue(const JsonTree& tree, std::uint32_t index) : m_tree(&tree), m_index(index) {}

    Type type() const { return node().type; }
    bool isNull() const { return type() == Type::Null; }
    bool isString() const { return type() == Type::String; }
    bool isNumber() const {
        return type() == Type::Integer || type() == Type::Unsigned || type() == Type::Float;
    }
    bool boolean() const { return node().value != 0; }
    std::int64_t integer() const { return std::bit_cast<std::int64_t>(node().value); }
    std::uint64_t unsignedInteger() const { return node().value; }
    double number() const { return std::bit_cast<double>(node().value); }
    std::string_view text() const { return m_tree->chars(node().textOffset, node().textLength); }
    std::string_view key() const { return m_tree->chars(node().keyOffset, node().keyLength); }
    std::uint32_t size() const { return node().size; }
    TextPosition position() const { return {node().line, node().byte}; }

    // The members of an object or the elements of an array, in input order.
    class Iterator {
    public:
        Iterator(const JsonTree& tree, std::uint32_t index) : m_tree(&tree), m_index(index) {}
        JsonValue operator*() const { return JsonValue(*m_tree, m_index); }
        Iterator& operator++() {
            m_index = m_tree->node(m_index).nextSibling;
            return *this;
        }
        bool operator==(const Iterator& other) const { return m_index == other.m_index; }

    private:
        const JsonTree* m_tree;
        std::uint32_t m_index;
    };
    Iterator begin() const { return Iterator(*m_tree, node().firstChild); }
    Iterator end() const { return Iterator(*m_tree, JsonTree::s_none); }

    // The member of this object named `name` that is not yet taken, marked taken; or throws
    // JsonError naming the missing field. `after` is where the search starts (the member after
    // the one taken last, as members usually come in order); it is updated.
    JsonValue take(std::string_view name, std::uint32_t& after) const;
    // Throws JsonError for the first member not taken: unknown, or repeated.
    void refuseUntaken() const;

    // The object or array holding this value; false for the outermost value.
    bool hasParent() const { return node().parent != JsonTree::s_none; }
    JsonValue parent() const { return JsonValue(*m_tree, node().parent); }
    // The first member of this object named `name`, whether taken or not.
    std::optional<JsonValue> find(std::string_view name) const;

    // What the value is, for messages: "the string \"abc\"", "the number 5", "an object", ...
    std::string describe() const;
    // Where the value sits below the tree's root, or below the value being split off:
    // "SubTasks[1].Name"; empty for that value itself.
    std::string path() const;
    // Throws JsonError at this value.
    [[noreturn]] void fail(std::string_view problem) const;
    // Throws JsonError "expected <what>, found <describe()>" at this value.
    [[noreturn]] void expected(std::string_view what) const;

private:
    const JsonTree::Node& node() const { return m_tree->node(m_index); }

    const JsonTree* m_tree;
    std::uint32_t m_index;
};

}  // namespace zxjson
