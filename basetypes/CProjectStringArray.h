// CProjectStringArray: a list of stored texts (names a filter matches, columns of a layout, ...);
// CProjectStringArrays<N>: N such lists as one value.
//
// Archive record: int32 count, then each text's CString record. A negative count throws
// CArchiveLengthError ("vector too long"); a failed load keeps the texts held before.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "basetypes/CProjectString.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"

class ZX_API CProjectStringArray {
public:
    CProjectStringArray() = default;
    CProjectStringArray(const CProjectStringArray&) = default;
    CProjectStringArray(CProjectStringArray&&) noexcept = default;
    CProjectStringArray& operator=(const CProjectStringArray&) = default;
    CProjectStringArray& operator=(CProjectStringArray&&) noexcept = default;
    virtual ~CProjectStringArray() = default;

    virtual int GetSize() const { return static_cast<int>(m_strings.size()); }
    virtual int GetUpperBound() const { return GetSize() - 1; }
    virtual void RemoveAll() { m_strings.clear(); }
    // Negative sizes empty the array.
    virtual void SetSize(int size) {
        m_strings.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
    }
    // No range check: the caller keeps 0 <= i < GetSize().
    virtual const CProjectString& GetAt(int i) const {
        return m_strings[static_cast<std::size_t>(i)];
    }
    virtual CProjectString& operator[](int i) { return m_strings[static_cast<std::size_t>(i)]; }
    virtual const CProjectString& operator[](int i) const { return GetAt(i); }
    int Add(const CProjectString& text) {
        m_strings.push_back(text);
        return GetUpperBound();
    }

    bool operator==(const CProjectStringArray& other) const { return m_strings == other.m_strings; }

    void Serialize(CZentrixArchive& ar) {
        if (ar.IsStoring()) {
            ar << static_cast<std::int32_t>(m_strings.size());
            for (auto& text : m_strings) text.Serialize(ar);
            return;
        }
        // Every text takes at least its 4-byte length.
        const int count = ar.readCount(4, "texts");
        if (count < 0) ar.failNegativeCount(ar.position() - sizeof(std::int32_t));
        std::vector<CProjectString> loaded(static_cast<std::size_t>(count));
        for (auto& text : loaded) text.Serialize(ar);
        m_strings = std::move(loaded);
    }

private:
    std::vector<CProjectString> m_strings;
};

inline std::string toDumpText(const CProjectStringArray& texts) {
    return zx::dumpArray(static_cast<std::size_t>(texts.GetSize()), [&](std::size_t i) {
        return toDumpText(texts.GetAt(static_cast<int>(i)));
    });
}

// A fixed number of text lists kept as one value (the lists a source addresses by position).
// Archive record: each list's record in order, no count.
template <std::size_t N>
class CProjectStringArrays {
public:
    static constexpr std::size_t s_count = N;

    CProjectStringArray& operator[](std::size_t i) { return m_lists[i]; }
    const CProjectStringArray& operator[](std::size_t i) const { return m_lists[i]; }
    friend bool operator==(const CProjectStringArrays&, const CProjectStringArrays&) = default;

    void Serialize(CZentrixArchive& ar) {
        // Loading reads into a copy, so that a failure leaves every list as it was.
        CProjectStringArrays loaded;
        CProjectStringArrays& target = ar.IsLoading() ? loaded : *this;
        for (std::size_t i = 0; i < N; ++i) {
            ar.setRecordIndex(static_cast<int>(i));
            target.m_lists[i].Serialize(ar);
        }
        if (ar.IsLoading()) *this = std::move(loaded);
    }

private:
    std::array<CProjectStringArray, N> m_lists;
};

template <std::size_t N>
std::string toDumpText(const CProjectStringArrays<N>& lists) {
    return zx::dumpArray(N, [&](std::size_t i) { return toDumpText(lists[i]); });
}
