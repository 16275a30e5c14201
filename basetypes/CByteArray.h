// CByteArray: a growable array of raw bytes (an image's pixels).
//
// Archive record (written to disk; must never change): uint32 byte count, then the bytes. A count
// read from a file is checked against the bytes that remain before anything is allocated, so a
// hostile length ends in the archive's exception, never in a giant allocation.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"
#include "basetypes/ZxApi.h"

class ZX_API CByteArray {
public:
    CByteArray() = default;

    const std::uint8_t* getData() const { return m_bytes.data(); }
    std::uint8_t* getWritableData() { return m_bytes.data(); }
    int getSize() const { return static_cast<int>(m_bytes.size()); }
    // A positive size makes the array that long (new bytes zero) and copies size bytes from
    // bytes unless it is null; zero or a negative size empties it.
    void setData(const std::uint8_t* bytes, int size) {
        if (size <= 0) {
            m_bytes.clear();
            return;
        }
        m_bytes.resize(static_cast<std::size_t>(size));
        if (bytes) std::memmove(m_bytes.data(), bytes, m_bytes.size());
    }
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

    friend bool operator==(const CByteArray&, const CByteArray&) = default;

    void Serialize(CZentrixArchive& ar) {
        if (ar.IsStoring()) {
            if (m_bytes.size() > std::numeric_limits<std::uint32_t>::max())
                ar.fail("at most 4294967295 bytes of data");
            ar << static_cast<std::uint32_t>(m_bytes.size());
            if (!m_bytes.empty()) ar.Write(m_bytes.data(), m_bytes.size());
            return;
        }
        const std::uint64_t countOffset = ar.position();
        std::uint32_t count = 0;
        ar >> count;
        if (count > ar.remaining())
            ar.failAt(countOffset, "a byte count that the remaining bytes can hold");
        // An array longer than an int can report is refused as well: getSize() must stay true.
        if (count > static_cast<std::uint32_t>(std::numeric_limits<int>::max()))
            ar.failAt(countOffset, "a byte count of at most 2147483647");
        std::vector<std::uint8_t> loaded(count);
        if (count > 0) ar.readExact(loaded.data(), count, "data bytes");
        m_bytes = std::move(loaded);
    }

private:
    std::vector<std::uint8_t> m_bytes;
};

// The bytes as a quoted string of hexadecimal digits.
inline std::string toDumpText(const CByteArray& data) {
    return zx::hexQuote(data.getData(), data.bytes().size());
}
