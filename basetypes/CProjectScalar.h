// CProjectInt, CProjectBool, CProjectDouble: a plain value with a set/unset state.
//
// A default value is unset; setting a plain value makes it set. An unset value always holds T{},
// so two unset values are equal and write the same bytes.
// Archive record: one byte (0 unset, 1 set), then the value when set (int32, bool byte, double).
#pragma once

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
        ar.io(m_set);
        if (m_set)
            ar.io(m_value);
        else if (ar.IsLoading())
            m_value = T{};
    }

private:
    T m_value{};
    bool m_set = false;
};

using CProjectInt = CProjectScalar<int>;
using CProjectBool = CProjectScalar<bool>;
using CProjectDouble = CProjectScalar<double>;

template <class T>
std::string toDumpText(const CProjectScalar<T>& v) {
    return v.isValid() ? toDumpText(v.getValue()) : "null";
}
