// CCompactValue<T>: a value that most objects leave empty (an entity's document links, a task's
// code values), kept on the heap only while it is not empty, so that an object pays one null
// pointer for it instead of the whole value.
//
// Unlike CHeapValue it is not optional: it reads, compares, copies, dumps and records exactly as
// T does, an empty T standing in while nothing is held. Holding a field this way changes the size
// of its object and nothing else; in particular its record is T's own record.
//
// Changes go through modify(), which gives the value back to the heap when it leaves it empty.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"

template <class T>
class CCompactValue {
public:
    CCompactValue() = default;
    CCompactValue(const CCompactValue& other)
        : m_value(other.m_value ? std::make_unique<T>(*other.m_value) : nullptr) {}
    CCompactValue(CCompactValue&&) noexcept = default;
    CCompactValue& operator=(const CCompactValue& other) {
        if (this != &other) set(other.get());
        return *this;
    }
    CCompactValue& operator=(CCompactValue&&) noexcept = default;

    // The value; an empty one, shared and never changed, while none is held.
    const T& get() const { return m_value ? *m_value : empty(); }
    // Whether the value takes heap memory, which it does exactly while it is not empty.
    bool isHeld() const { return m_value != nullptr; }

    template <class U>
    void set(U&& value) {
        if (value == empty()) {
            m_value.reset();
        } else if (m_value) {
            *m_value = std::forward<U>(value);
        } else {
            m_value = std::make_unique<T>(std::forward<U>(value));
        }
    }
    void reset() { m_value.reset(); }

    // Calls change(T&) on the value, held for the call, and returns its result. The value is
    // released afterwards if the change left it empty, and also when change throws.
    template <class Change>
    decltype(auto) modify(Change&& change) {
        if (!m_value) m_value = std::make_unique<T>();
        const Release release{*this};
        return std::forward<Change>(change)(*m_value);
    }

    friend bool operator==(const CCompactValue& a, const CCompactValue& b) {
        return a.get() == b.get();
    }

    void Serialize(CZentrixArchive& ar) {
        if (ar.IsStoring()) {
            if (m_value) {
                zx::serializeValue(ar, *m_value);
            } else {
                T none{};
                zx::serializeValue(ar, none);
            }
            return;
        }
        // Read into a fresh value so that a failed load leaves this one as it was.
        T loaded{};
        zx::serializeValue(ar, loaded);
        set(std::move(loaded));
    }

private:
    struct Release {
        CCompactValue& owner;
        ~Release() {
            if (owner.m_value && *owner.m_value == empty()) owner.m_value.reset();
        }
    };
    static const T& empty() {
        static const T value{};
        return value;
    }

    std::unique_ptr<T> m_value;
};

template <class T>
std::string toDumpText(const CCompactValue<T>& value) {
    return toDumpText(value.get());
}

namespace zx {
template <class T>
inline constexpr bool isCompactValue = false;
template <class T>
inline constexpr bool isCompactValue<CCompactValue<T>> = true;
}  // namespace zx
