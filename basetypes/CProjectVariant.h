// CProjectVariant: a value of one of a few types (the value of a user field).
//
// Archive record: one tag byte (0 empty, 1 text, 2 integer, 3 double, 4 boolean, 5 date-time),
// then the value in its own record (CString, int64, double, bool byte, CProjectTime).
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "basetypes/CProjectTime.h"
#include "basetypes/CString.h"
#include "basetypes/ZxApi.h"

class CZentrixArchive;

class ZX_API CProjectVariant {
public:
    enum class Type : std::uint8_t { Empty, String, Integer, Double, Boolean, DateTime };

    CProjectVariant() = default;

    Type getType() const { return static_cast<Type>(m_value.index()); }
    bool isEmpty() const { return getType() == Type::Empty; }
    void clear() { m_value = std::monostate{}; }

    void setString(const CString& text) { m_value = text; }
    void setInteger(std::int64_t value) { m_value = value; }
    void setDouble(double value) { m_value = value; }
    void setBoolean(bool value) { m_value = value; }
    void setDateTime(const CProjectTime& time) { m_value = time; }

    // Each getter answers the held value, or a default when another type is held.
    CString getString() const;
    std::int64_t getInteger() const;
    double getDouble() const;
    bool getBoolean() const;
    CProjectTime getDateTime() const;

    void copy(const CProjectVariant& other) { m_value = other.m_value; }
    bool equal(const CProjectVariant& other) const { return m_value == other.m_value; }
    bool operator==(const CProjectVariant& other) const { return equal(other); }
    // Converts a value to another type; false (and out unchanged) when no conversion exists.
    static bool cast(const CProjectVariant& from, Type to, CProjectVariant& out);

    void Serialize(CZentrixArchive& ar);

private:
    std::variant<std::monostate, CString, std::int64_t, double, bool, CProjectTime> m_value;
};

ZX_API std::string toDumpText(const CProjectVariant& value);
