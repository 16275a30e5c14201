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

#include <string>
#include <type_traits>
#include <utility>

#include "basetypes/CHeapValue.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"

template <class T>
class CCompactValue {
public:
    // The value; an empty one, shared and never changed, while none is held.
    const T& get() const { return m_held ? *m_held.get() : empty(); }
    // Whether the value takes heap memory, which it does exactly while it is not empty.
    bool isHeld() const { return static_cast<bool>(m_held); }

    // A value of another type (text for a string field) is converted to T first.
    template <class U>
    void set(U&& value) {
        if constexpr (!std::is_same_v<std::remove_cvref_t<U>, T>)
            set(T(std::forward<U>(value)));
        else if (value == empty())
            m_held.reset();
        else
            m_held.set(std::forward<U>(value));
    }
    void reset() { m_held.reset(); }

    // Calls change(T&) on the value, held for the call, and returns its result. The value is
    // released afterwards if the change left it empty, and also when change throws.
    template <class Change>
    decltype(auto) modify(Change&& change) {
        T& value = m_held.ensure();
        const Release release{*this};
        return std::forward<Change>(change)(value);
    }

    friend bool operator==(const CCompactValue& a, const CCompactValue& b) {
        return a.get() == b.get();
    }

    void Serialize(CZentrixArchive& ar) {
        if (ar.IsStoring()) {
            if (T* held = m_held.getWritable()) {
                zx::serializeValue(ar, *held);
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
            if (owner.m_held && *owner.m_held.get() == empty()) owner.m_held.reset();
        }
    };
    static const T& empty() {
        static const T value{};
        return value;
    }

    // Deep copies and moves come from the heap value's own.
    CHeapValue<T> m_held;
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
