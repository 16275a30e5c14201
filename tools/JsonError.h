// JsonError: the one exception of the JSON form of a project, and TextPosition, a place in a
// JSON text.
//
// A reader throws it for anything malformed, missing, of the wrong type or out of range; a
// writer for a value that JSON cannot carry. It names what is wrong and, as far as known, where:
// the section (a root's kind), the index of the top-level object in it, the path of the field
// inside that object ("SubTasks[1].Name") and the line and byte. what() puts them together; the
// parts are there for callers that report them their own way.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace zxjson {

struct TextPosition {
    // 1-based; 0 when the place is unknown.
    std::uint64_t line = 0;
    // 0-based offset of the byte the parser had reached.
    std::uint64_t byte = 0;

    bool known() const { return line != 0; }
};

class JsonError : public std::exception {
public:
    explicit JsonError(std::string problem, TextPosition at = {}, std::string field = {});

    const char* what() const noexcept override { return m_what.c_str(); }

    const std::string& problem() const { return m_problem; }
    // Empty outside a section.
    const std::string& section() const { return m_section; }
    // -1 outside a top-level object.
    int objectIndex() const { return m_objectIndex; }
    // Empty when the problem is not inside a field.
    const std::string& field() const { return m_field; }
    const TextPosition& position() const { return m_position; }

    // Says which top-level object of which section the problem lies in.
    void locate(std::string section, int objectIndex);

private:
    void compose();

    std::string m_problem;
    std::string m_section;
    int m_objectIndex = -1;
    std::string m_field;
    TextPosition m_position;
    std::string m_what;
};

}  // namespace zxjson
