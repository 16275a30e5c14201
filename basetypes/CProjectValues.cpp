// Out-of-line members of the small value types: records of CObjectState and CProjectString,
// colour blending and the variant's conversions and record.
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <string>

#include "basetypes/CObjectState.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectVariant.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"

void CObjectState::Serialize(CZentrixArchive& ar) { ar.io(m_state); }

void CProjectString::Serialize(CZentrixArchive& ar) { ar.io(m_text); }

CProjectColorRGB CProjectColorRGB::getTransmissionColor(float transparency) const {
    const float t = std::fmin(1.0f, std::fmax(0.0f, transparency));
    const auto blend = [t](std::uint8_t channel) {
        return static_cast<std::uint8_t>(std::lround(channel + (255.0f - channel) * t));
    };
    return fromRGB(blend(red()), blend(green()), blend(blue()));
}

std::string toDumpText(const CProjectColorRGB& color) {
    char text[16];
    std::snprintf(text, sizeof text, "\"#%02x%02x%02x\"", color.red(), color.green(), color.blue());
    return text;
}

CString CProjectVariant::getString() const {
    const auto* p = std::get_if<CString>(&m_value);
    return p ? *p : CString();
}
std::int64_t CProjectVariant::getInteger() const {
    const auto* p = std::get_if<std::int64_t>(&m_value);
    return p ? *p : 0;
}
double CProjectVariant::getDouble() const {
    const auto* p = std::get_if<double>(&m_value);
    return p ? *p : 0.0;
}
bool CProjectVariant::getBoolean() const {
    const auto* p = std::get_if<bool>(&m_value);
    return p ? *p : false;
}
CProjectTime CProjectVariant::getDateTime() const {
    const auto* p = std::get_if<CProjectTime>(&m_value);
    return p ? *p : CProjectTime();
}

bool CProjectVariant::cast(const CProjectVariant& from, Type to, CProjectVariant& out) {
    const Type type = from.getType();
    if (type == to) {
        out = from;
        return true;
    }
    CProjectVariant result;
    switch (to) {
        case Type::Empty:
            break;
        case Type::String:
            if (type == Type::Integer)
                result.setString(CString(std::to_wstring(from.getInteger())));
            else if (type == Type::Double)
                result.setString(CString(std::to_wstring(from.getDouble())));
            else if (type == Type::Boolean)
                result.setString(from.getBoolean() ? L"true" : L"false");
            else
                return false;
            break;
        case Type::Integer:
            if (type == Type::Double && std::isfinite(from.getDouble()))
                result.setInteger(std::llround(from.getDouble()));
            else if (type == Type::Boolean)
                result.setInteger(from.getBoolean() ? 1 : 0);
            else
                return false;
            break;
        case Type::Double:
            if (type == Type::Integer)
                result.setDouble(static_cast<double>(from.getInteger()));
            else if (type == Type::Boolean)
                result.setDouble(from.getBoolean() ? 1.0 : 0.0);
            else
                return false;
            break;
        case Type::Boolean:
            if (type == Type::Integer)
                result.setBoolean(from.getInteger() != 0);
            else if (type == Type::Double)
                result.setBoolean(from.getDouble() != 0.0);
            else
                return false;
            break;
        case Type::DateTime:
            return false;
    }
    out = result;
    return true;
}

void CProjectVariant::Serialize(CZentrixArchive& ar) {
    std::uint8_t tag = static_cast<std::uint8_t>(getType());
    ar.io(tag);
    if (ar.IsLoading()) {
        switch (static_cast<Type>(tag)) {
            case Type::Empty:
                m_value = std::monostate{};
                break;
            case Type::String:
                m_value = CString();
                break;
            case Type::Integer:
                m_value = std::int64_t{};
                break;
            case Type::Double:
                m_value = 0.0;
                break;
            case Type::Boolean:
                m_value = false;
                break;
            case Type::DateTime:
                m_value = CProjectTime();
                break;
            default:
                ar.failAt(ar.position() - 1,
                          "expected a variant type from 0 to 5, found " + std::to_string(tag));
        }
    }
    std::visit(
        [&ar](auto& v) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(v)>, std::monostate>)
                zx::serializeValue(ar, v);
        },
        m_value);
}

std::string toDumpText(const CProjectVariant& value) {
    switch (value.getType()) {
        case CProjectVariant::Type::Empty:
            return "null";
        case CProjectVariant::Type::String:
            return toDumpText(value.getString());
        case CProjectVariant::Type::Integer:
            return std::to_string(value.getInteger());
        case CProjectVariant::Type::Double:
            return toDumpText(value.getDouble());
        case CProjectVariant::Type::Boolean:
            return value.getBoolean() ? "true" : "false";
        case CProjectVariant::Type::DateTime:
            return toDumpText(value.getDateTime());
    }
    return "null";
}
