#include "JsonTree.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <streambuf>

namespace zxjson {

namespace {

// Reads another stream buffer in blocks and knows the line and byte the reading has reached.
class CountingBuffer : public std::streambuf {
public:
    explicit CountingBuffer(std::streambuf& source) : m_source(source), m_block(1 << 16) {
        setg(m_block.data(), m_block.data(), m_block.data());
        m_counted = m_block.data();
    }

    // Where the next character will be read from. Lines are counted up to there now, so that
    // asking often costs no more than asking once.
    TextPosition position() {
        m_lines += static_cast<std::uint64_t>(std::count(m_counted, gptr(), '\n'));
        m_counted = gptr();
        return {m_lines, m_blockStart + static_cast<std::uint64_t>(gptr() - eback())};
    }

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        m_lines += static_cast<std::uint64_t>(std::count(m_counted, egptr(), '\n'));
        m_blockStart += static_cast<std::uint64_t>(egptr() - eback());
        const std::streamsize n =
            m_source.sgetn(m_block.data(), static_cast<std::streamsize>(m_block.size()));
        char* begin = m_block.data();
        setg(begin, begin, begin + (n > 0 ? n : 0));
        m_counted = begin;
        return n > 0 ? traits_type::to_int_type(*begin) : traits_type::eof();
    }

private:
    std::streambuf& m_source;
    std::vector<char> m_block;
    std::uint64_t m_blockStart = 0;
    std::uint64_t m_lines = 1;
    // Newlines before this point in the block are counted in m_lines.
    char* m_counted;
};

// "syntax error while parsing value - invalid literal; last read: 'tr'" from the parser's
// message ("[json.exception.parse_error.101] parse error at line 1, column 3: ..."), whose own
// position is replaced by ours.
std::string parseProblem(const std::string& what) {
    std::string problem = what;
    if (const std::size_t tag = problem.find("] ");
        problem.starts_with("[json.") && tag != std::string::npos)
        problem.erase(0, tag + 2);
    if (problem.starts_with("parse error")) {
        if (const std::size_t colon = problem.find(": "); colon != std::string::npos)
            problem.erase(0, colon + 2);
    }
    return problem;
}

// The parser's events, with the position of each, into a tree.
class TreeBuilder final : public nlohmann::json_sax<nlohmann::json> {
public:
    TreeBuilder(JsonTree& tree, CountingBuffer& input) : m_tree(tree), m_input(input) {}

    bool null() override {
        m_tree.addNull(m_input.position());
        return true;
    }
    bool boolean(bool value) override {
        m_tree.addBoolean(value, m_input.position());
        return true;
    }
    bool number_integer(number_integer_t value) override {
        m_tree.addInteger(value, m_input.position());
        return true;
    }
    bool number_unsigned(number_unsigned_t value) override {
        m_tree.addUnsigned(value, m_input.position());
        return true;
    }
    bool number_float(number_float_t value, const string_t& literal) override {
        m_tree.addFloat(value, literal, m_input.position());
        return true;
    }
    bool string(string_t& value) override {
        m_tree.addString(value, m_input.position());
        return true;
    }
    // The JSON parser never produces binary values.
    bool binary(binary_t&) override { return false; }
    bool start_object(std::size_t) override {
        m_tree.beginContainer(JsonTree::Type::Object, m_input.position());
        return true;
    }
    bool key(string_t& name) override {
        m_tree.setKey(name);
        return true;
    }
    bool end_object() override {
        m_tree.endContainer();
        return true;
    }
    bool start_array(std::size_t) override {
        m_tree.beginContainer(JsonTree::Type::Array, m_input.position());
        return true;
    }
    bool end_array() override {
        m_tree.endContainer();
        return true;
    }
    bool parse_error(std::size_t, const std::string&,
                     const nlohmann::detail::exception& error) override {
        throw JsonError(parseProblem(error.what()), m_input.position());
    }

private:
    JsonTree& m_tree;
    CountingBuffer& m_input;
};

}  // namespace

void JsonTree::parse(std::istream& in, std::size_t splitDepth,
                     const std::function<void(const JsonValue&)>& split) {
    clear();
    std::streambuf* source = in.rdbuf();
    if (!source) throw JsonError("there is no input to read");
    CountingBuffer buffer(*source);
    std::istream counted(&buffer);
    m_splitDepth = splitDepth >= 2 && split ? splitDepth : 0;
    m_split = &split;
    TreeBuilder builder(*this, buffer);
    // Strict: anything after the value is an error. A failure throws from parse_error.
    nlohmann::json::sax_parse(counted, &builder);
    m_split = nullptr;
}

void JsonTree::clear() {
    m_used = 0;
    m_open.clear();
    m_chars.clear();
    m_keyOffset = m_keyLength = 0;
    m_splitDepth = 0;
    m_splitValue = s_none;
    m_split = nullptr;
}

std::uint32_t JsonTree::store(std::string_view text, TextPosition at) {
    if (text.size() > s_none - m_chars.size())
        throw JsonError("an object holding more than 4 GiB of text", at);
    const auto offset = static_cast<std::uint32_t>(m_chars.size());
    m_chars.append(text);
    return offset;
}

JsonTree::Node& JsonTree::append(Type type, TextPosition at) {
    if (m_used == s_none - 1) throw JsonError("an object holding more than 4 billion values", at);
    const std::uint32_t index = m_used++;
    if (index == m_nodes.size()) m_nodes.emplace_back();
    Node& node = m_nodes[index];
    node = Node{};
    node.type = type;
    node.byte = at.byte;
    node.line = static_cast<std::uint32_t>(std::min<std::uint64_t>(at.line, s_none));
    if (m_open.empty()) return node;
    Open& owner = m_open.back();
    node.parent = owner.index;
    Node& parent = m_nodes[owner.index];
    const bool keyed = parent.type == Type::Object;
    if (keyed) {
        node.keyOffset = m_keyOffset;
        node.keyLength = m_keyLength;
    }
    if (m_open.size() + 1 == m_splitDepth) m_splitChars = keyed ? m_keyOffset : m_chars.size();
    if (owner.lastChild == s_none)
        parent.firstChild = index;
    else
        m_nodes[owner.lastChild].nextSibling = index;
    owner.lastChild = index;
    ++parent.size;
    return node;
}

void JsonTree::finishValue(std::uint32_t index, std::size_t depth) {
    if (depth != m_splitDepth) return;
    m_splitValue = index;
    (*m_split)(JsonValue(*this, index));
    m_splitValue = s_none;
    // Everything from the value on is the value's: its nodes, its name and its strings.
    m_used = index;
    m_chars.resize(m_splitChars);
    Open& owner = m_open.back();
    m_nodes[owner.index].firstChild = s_none;
    owner.lastChild = s_none;
}

void JsonTree::setKey(std::string_view key) {
    m_keyOffset = store(key, {});
    m_keyLength = static_cast<std::uint32_t>(key.size());
}

void JsonTree::beginContainer(Type type, TextPosition at) {
    if (m_open.size() >= s_maxDepth)
        throw JsonError("nesting deeper than " + std::to_string(s_maxDepth) + " levels", at);
    append(type, at);
    m_open.push_back({m_used - 1, s_none});
}

void JsonTree::endContainer() {
    if (m_open.empty()) return;
    const std::uint32_t index = m_open.back().index;
    const std::size_t depth = m_open.size();
    m_open.pop_back();
    finishValue(index, depth);
}

void JsonTree::addNull(TextPosition at) {
    append(Type::Null, at);
    finishValue(m_used - 1, m_open.size() + 1);
}

void JsonTree::addBoolean(bool value, TextPosition at) {
    append(Type::Boolean, at).value = value ? 1 : 0;
    finishValue(m_used - 1, m_open.size() + 1);
}

void JsonTree::addInteger(std::int64_t value, TextPosition at) {
    append(Type::Integer, at).value = std::bit_cast<std::uint64_t>(value);
    finishValue(m_used - 1, m_open.size() + 1);
}

void JsonTree::addUnsigned(std::uint64_t value, TextPosition at) {
    append(Type::Unsigned, at).value = value;
    finishValue(m_used - 1, m_open.size() + 1);
}

void JsonTree::addFloat(double value, std::string_view literal, TextPosition at) {
    if (!std::isfinite(value)) {
        throw JsonError("the number " + std::string(literal) + " is out of the range of a double",
                        at);
    }
    const std::uint32_t index = m_used;
    append(Type::Float, at).value = std::bit_cast<std::uint64_t>(value);
    const std::uint32_t offset = store(literal, at);
    m_nodes[index].textOffset = offset;
    m_nodes[index].textLength = static_cast<std::uint32_t>(literal.size());
    finishValue(index, m_open.size() + 1);
}

void JsonTree::addString(std::string_view value, TextPosition at) {
    const std::uint32_t index = m_used;
    append(Type::String, at);
    const std::uint32_t offset = store(value, at);
    m_nodes[index].textOffset = offset;
    m_nodes[index].textLength = static_cast<std::uint32_t>(value.size());
    finishValue(index, m_open.size() + 1);
}

JsonValue JsonTree::root() const { return JsonValue(*this, 0); }

JsonValue JsonValue::take(std::string_view name, std::uint32_t& after) const {
    if (type() != Type::Object) expected("an object");
    const auto matches = [&](std::uint32_t i) {
        const JsonTree::Node& member = m_tree->node(i);
        return !member.taken && m_tree->chars(member.keyOffset, member.keyLength) == name;
    };
    std::uint32_t found = JsonTree::s_none;
    for (std::uint32_t i = after == JsonTree::s_none ? node().firstChild : after;
         i != JsonTree::s_none; i = m_tree->node(i).nextSibling) {
        if (matches(i)) {
            found = i;
            break;
        }
    }
    if (found == JsonTree::s_none) {
        for (std::uint32_t i = node().firstChild; i != after && i != JsonTree::s_none;
             i = m_tree->node(i).nextSibling) {
            if (matches(i)) {
                found = i;
                break;
            }
        }
    }
    if (found == JsonTree::s_none) fail("missing field \"" + std::string(name) + '"');
    const JsonTree::Node& member = m_tree->node(found);
    member.taken = true;
    after = member.nextSibling;
    return JsonValue(*m_tree, found);
}

std::optional<JsonValue> JsonValue::find(std::string_view name) const {
    if (type() != Type::Object) return std::nullopt;
    for (const JsonValue member : *this)
        if (member.key() == name) return member;
    return std::nullopt;
}

void JsonValue::refuseUntaken() const {
    for (const JsonValue member : *this) {
        if (member.node().taken) continue;
        for (const JsonValue earlier : *this) {
            if (earlier.m_index == member.m_index) break;
            if (earlier.key() == member.key())
                member.fail("field \"" + std::string(member.key()) + "\" appears more than once");
        }
        member.fail("unknown field \"" + std::string(member.key()) + '"');
    }
}

std::string JsonValue::describe() const {
    switch (type()) {
        case Type::Null:
            return "null";
        case Type::Boolean:
            return boolean() ? "true" : "false";
        case Type::Integer:
            return "the number " + std::to_string(integer());
        case Type::Unsigned:
            return "the number " + std::to_string(unsignedInteger());
        case Type::Float:
            return "the number " + std::string(text());
        case Type::String: {
            // Enough to recognise it; a hostile string may be long.
            constexpr std::size_t kShown = 40;
            if (text().size() <= kShown) return "the string \"" + std::string(text()) + '"';
            return "the string \"" + std::string(text().substr(0, kShown)) + "...\"";
        }
        case Type::Array:
            return "an array";
        case Type::Object:
            return "an object";
    }
    return "a value";
}

std::string JsonValue::path() const {
    // Built from the value up to the root, then reversed step by step.
    std::vector<std::string> steps;
    for (std::uint32_t i = m_index; !m_tree->isPathRoot(i); i = m_tree->node(i).parent) {
        const JsonTree::Node& owner = m_tree->node(m_tree->node(i).parent);
        if (owner.type == Type::Object) {
            steps.push_back('.' + std::string(JsonValue(*m_tree, i).key()));
        } else {
            std::uint32_t position = 0;
            for (std::uint32_t j = owner.firstChild; j != i; j = m_tree->node(j).nextSibling)
                ++position;
            steps.push_back('[' + std::to_string(position) + ']');
        }
    }
    std::string path;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) path += *step;
    if (!path.empty() && path.front() == '.') path.erase(0, 1);
    return path;
}

void JsonValue::fail(std::string_view problem) const {
    throw JsonError(std::string(problem), position(), path());
}

void JsonValue::expected(std::string_view what) const {
    fail("expected " + std::string(what) + ", found " + describe());
}

}  // namespace zxjson
