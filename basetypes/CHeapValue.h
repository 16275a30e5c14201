// CHeapValue<T>: an optional value kept on the heap, so that an object pays one null pointer for a
// part it rarely has (an assignment's transform, a task's user field values).
//
// Copies are deep, comparison compares contents (absent equals absent), and the record is one
// presence byte (0 or 1) followed, when present, by the value's own record.
#pragma once

#include <string>
#include <utility>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"
#include "basetypes/OwnedPointer.h"

template <class T>
class CHeapValue {
public:
    CHeapValue() = default;
    CHeapValue(const CHeapValue& other)
        : m_value(other.m_value ? zx::makeOwned<T>(*other.m_value) : nullptr) {}
    CHeapValue(CHeapValue&&) noexcept = default;
    CHeapValue& operator=(const CHeapValue& other) {
        if (this != &other) m_value = other.m_value ? zx::makeOwned<T>(*other.m_value) : nullptr;
        return *this;
    }
    CHeapValue& operator=(CHeapValue&&) noexcept = default;

    explicit operator bool() const { return m_value != nullptr; }
    // The value, or null when absent.
    const T* get() const { return m_value.get(); }
    T* getWritable() { return m_value.get(); }
    // The value, created default-constructed when absent.
    T& ensure() {
        if (!m_value) m_value = zx::makeOwned<T>();
        return *m_value;
    }
    template <class U>
    void set(U&& value) {
        if (m_value)
            *m_value = std::forward<U>(value);
        else
            m_value = zx::makeOwned<T>(std::forward<U>(value));
    }
    void reset() { m_value.reset(); }

    friend bool operator==(const CHeapValue& a, const CHeapValue& b) {
        if (!a.m_value || !b.m_value) return !a.m_value && !b.m_value;
        return *a.m_value == *b.m_value;
    }

    void Serialize(CZentrixArchive& ar) {
        bool present = m_value != nullptr;
        ar.io(present);
        if (ar.IsLoading()) {
            if (!present) {
                m_value.reset();
                return;
            }
            // Read into a fresh value so that a failed load leaves no half-read part behind.
            auto loaded = zx::makeOwned<T>();
            zx::serializeValue(ar, *loaded);
            m_value = std::move(loaded);
        } else if (present) {
            zx::serializeValue(ar, *m_value);
        }
    }

private:
    zx::OwnedPointer<T> m_value;
};

template <class T>
std::string toDumpText(const CHeapValue<T>& value) {
    return value ? toDumpText(*value.get()) : std::string("null");
}
