// CProjectInt, CProjectBool, CProjectDouble: a plain value with a set/unset state.
//
// A default value is unset; setting a plain value makes it set. An unset value holds T{} unless
// it was unset with a value of its own (unsetKeeping): a setting that is switched off but
// remembers what it was. Equal values write the same bytes.
// Archive record: one state byte, then the value where it is kept (int32, bool byte, double):
//   0 unset (the value is T{} and not written), 1 set, 2 unset keeping a value other than T{}.
// Records without the state 2 are those of every earlier version.
#pragma once

#include <cstdint>
#include <string>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"

template <class T>
class CProjectScalar {
public:
    CProjectScalar() = default;
    CProjectScalar(T value) : m_value(value), m_set(true) {}

    const T& getValue() const { return m_value; }
    void setValue(T value) {
        m_value = value;
        m_set = true;
    }
    bool isValid() const { return m_set; }
    void unset() {
        m_value = T{};
        m_set = false;
    }
    // Unset, but holding this value: isValid() is false, getValue() gives the value.
    void unsetKeeping(T value) {
        m_value = value;
        m_set = false;
    }
    CProjectScalar& operator=(T value) {
        setValue(value);
        return *this;
    }

    friend bool operator==(const CProjectScalar&, const CProjectScalar&) = default;
    // Set values order after unset ones.
    friend bool operator<(const CProjectScalar& a, const CProjectScalar& b) {
        return a.m_set != b.m_set ? b.m_set : a.m_value < b.m_value;
    }
    friend bool operator<=(const CProjectScalar& a, const CProjectScalar& b) { return !(b < a); }
    friend bool operator>=(const CProjectScalar& a, const CProjectScalar& b) { return !(a < b); }

    void Serialize(CZentrixArchive& ar) {
        std::uint8_t state = m_set ? kSet : (m_value == T{} ? kUnset : kUnsetKeeping);
        ar.io(state);
        if (ar.IsLoading() && state > kUnsetKeeping)
            ar.failAt(ar.position() - 1, "a value state (0 unset, 1 set, 2 unset with a value)");
        m_set = state == kSet;
        if (state != kUnset)
            ar.io(m_value);
        else if (ar.IsLoading())
            m_value = T{};
    }

private:
    static constexpr std::uint8_t kUnset = 0, kSet = 1, kUnsetKeeping = 2;

    T m_value{};
    bool m_set = false;
};

using CProjectInt = CProjectScalar<int>;
using CProjectBool = CProjectScalar<bool>;
using CProjectDouble = CProjectScalar<double>;

// Unset values are null, or {"unset":value} where they keep a value.
template <class T>
std::string toDumpText(const CProjectScalar<T>& v) {
    if (v.isValid()) return toDumpText(v.getValue());
    return v.getValue() == T{} ? "null" : "{\"unset\":" + toDumpText(v.getValue()) + "}";
}
