#include "JsonError.h"

#include <utility>

namespace zxjson {

JsonError::JsonError(std::string problem, TextPosition at, std::string field)
    : m_problem(std::move(problem)), m_field(std::move(field)), m_position(at) {
    compose();
}

void JsonError::locate(std::string section, int objectIndex) {
    m_section = std::move(section);
    m_objectIndex = objectIndex;
    compose();
}

// "JSON line 3, byte 1234: section Task, object 7, field SubTasks[0].Name: expected a string,
// found a number".
void JsonError::compose() {
    m_what = "JSON";
    if (m_position.known()) {
        m_what += " line " + std::to_string(m_position.line) + ", byte " +
                  std::to_string(m_position.byte);
    }
    m_what += ": ";
    if (!m_section.empty()) m_what += "section " + m_section + ", ";
    if (m_objectIndex >= 0) m_what += "object " + std::to_string(m_objectIndex) + ", ";
    if (!m_field.empty()) m_what += "field " + m_field + ": ";
    m_what += m_problem;
}

}  // namespace zxjson
