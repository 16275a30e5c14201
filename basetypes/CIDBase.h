// CIDBase: the 16-byte identifier of every stored object, and the typed IDs derived from it.
//
// Three states: unset (sixteen bytes 0xAD, what every new ID holds), null (sixteen zero bytes) and
// real. IDs order as their bytes compare lexicographically; the comparison loads the GUID as two
// big-endian 64-bit words, which gives that order in two compares.
//
// Archive record: the 16 bytes as they are. Text form: 8-4-4-4-12 lower-case hexadecimal digits of
// the bytes in order; setGUID also accepts upper case and surrounding braces.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

#include "basetypes/CArchive.h"
#include "basetypes/CString.h"
#include "basetypes/ZxApi.h"

using GUID = std::array<std::uint8_t, 16>;

class ZX_API CIDBase {
public:
    static const GUID s_invalidData;
    static const GUID s_nullGUID;

    CIDBase() noexcept : m_guid(s_invalidData) {}
    explicit CIDBase(const GUID& guid) noexcept : m_guid(guid) {}
    // From text; malformed text leaves the ID unset.
    explicit CIDBase(const CString& text) : m_guid(s_invalidData) { setGUID(text); }

    // A fresh random ID from the operating system's random source.
    static CIDBase generate();
    static const GUID& getNullGUID() { return s_nullGUID; }

    void generateInPlace() { m_guid = generate().m_guid; }
    void unset() { m_guid = s_invalidData; }
    void clear() { m_guid = s_nullGUID; }

    bool isValid() const {
        const auto [a, b] = rawWords();
        return a != kUnsetWord || b != kUnsetWord;
    }
    bool isNULL() const {
        const auto [a, b] = rawWords();
        return (a | b) == 0;
    }
    bool isValidNotNull() const { return isValid() && !isNULL(); }

    const GUID& getGUID() const { return m_guid; }
    void setGUID(const GUID& guid) { m_guid = guid; }
    // Parses the text form; returns false and leaves the ID unchanged on malformed text.
    bool setGUID(const CString& text);
    CString toString() const;

    // -1, 0 or 1.
    int compare(const CIDBase* other) const {
        const auto a = words(), b = other->words();
        if (a.first != b.first) return a.first < b.first ? -1 : 1;
        if (a.second != b.second) return a.second < b.second ? -1 : 1;
        return 0;
    }
    bool operator<(const CIDBase& other) const {
        const auto a = words(), b = other.words();
        return a.first != b.first ? a.first < b.first : a.second < b.second;
    }
    bool operator==(const CIDBase& other) const { return rawWords() == other.rawWords(); }

    // Inline: IDs are the most frequent field of every record.
    void Serialize(CArchive& ar) {
        if (ar.IsStoring())
            ar.Write(m_guid.data(), m_guid.size());
        else
            ar.readExact(m_guid.data(), m_guid.size(), "ID");
    }

    // The GUID as two 64-bit words whose unsigned order is the byte order.
    std::pair<std::uint64_t, std::uint64_t> words() const {
        std::uint64_t hi, lo;
        std::memcpy(&hi, m_guid.data(), 8);
        std::memcpy(&lo, m_guid.data() + 8, 8);
        return {__builtin_bswap64(hi), __builtin_bswap64(lo)};
    }

private:
    // Each of the unset ID's two words: eight bytes 0xAD.
    static constexpr std::uint64_t kUnsetWord = 0xADAD'ADAD'ADAD'ADADull;

    // The GUID as two 64-bit words in memory order: for equality, which needs no byte swap, in
    // two loads and compares that every caller inlines (a call to memcmp does not always).
    std::pair<std::uint64_t, std::uint64_t> rawWords() const {
        std::uint64_t hi, lo;
        std::memcpy(&hi, m_guid.data(), 8);
        std::memcpy(&lo, m_guid.data() + 8, 8);
        return {hi, lo};
    }

    alignas(8) GUID m_guid;
};

ZX_API std::string toDumpText(const CIDBase& id);

template <class ID>
requires std::derived_from<ID, CIDBase>
struct std::hash<ID> {
    std::size_t operator()(const ID& id) const noexcept {
        const auto [hi, lo] = id.words();
        return static_cast<std::size_t>(hi ^ (lo * 0x9E3779B97F4A7C15ull));
    }
};
