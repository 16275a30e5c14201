// CZentrixArchive: the project archive every Serialize writes to and reads from.
//
// Byte layout (these formats are written to disk and must never change):
//   header   "ZXST" (4 bytes), file version (int32)
//   scalars  fixed width, little-endian: int/unsigned 4 bytes, 64-bit 8 bytes, float 4, double 8,
//            bool 1 byte (0 or 1; anything else is refused on loading)
//   CString  uint32 count of UTF-16 code units, then the units (2 bytes each). Only Unicode text
//            is stored: saving refuses a lone surrogate or a value above U+10FFFF, and loading
//            refuses an unpaired surrogate unit, so that text never changes on its way through.
//   marker   uint32 tag: FNV-1a of the marker name for a start marker, its complement for an end
//   section  uint32 tag of the name, uint64 byte size of the section body, then the body
//
// A count read from the archive is checked against the bytes that remain before anything is
// allocated (readCount), so no input can make a loader allocate more than a small multiple of the
// input's own size. Loading an archive written by a newer version is refused.
#pragma once

#include <bit>
#include <concepts>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "basetypes/CArchive.h"
#include "basetypes/CString.h"
#include "basetypes/ZxApi.h"

static_assert(std::endian::native == std::endian::little, "the archive writes its scalars raw");

// What a loader may need to convert legend settings written before a schema change.
struct LegendPropertiesSchemaChangeData {
    std::map<std::wstring, std::wstring> renamedProperties;
};

namespace zx {
// 32-bit FNV-1a of a marker or section name.
constexpr std::uint32_t archiveTag(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

// A marker whose tag is worked out by the compiler. The library's own records write and check
// their markers through these: hashing a name on every record was a measurable part of saving
// and loading collections of small objects.
struct ArchiveMarker {
    consteval ArchiveMarker(const char* markerName)
        : name(markerName), tag(archiveTag(markerName)) {}
    const char* name;
    std::uint32_t tag;
};
}  // namespace zx

template <class T>
concept ArchiveScalar =
    std::is_arithmetic_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char> &&
    !std::is_same_v<T, wchar_t> && !std::is_same_v<T, long double>;

class ZX_API CZentrixArchive : public CArchive {
public:
    // The version this build writes. Records branch on older versions when loading.
    static constexpr int s_currentFileVersion = 440;
    // The oldest version this build can read.
    static constexpr int s_oldestFileVersion = 100;

    // Storing into memory (a smaller version writes the older layouts, for tests of old files).
    explicit CZentrixArchive(int fileVersion = s_currentFileVersion);
    // Loading from memory; the caller keeps the bytes alive.
    explicit CZentrixArchive(std::span<const std::byte> bytes);
    explicit CZentrixArchive(std::vector<std::byte> bytes);
    // A disk file, loading or storing (storing must end with Close()).
    CZentrixArchive(const std::filesystem::path& file, Mode mode,
                    int fileVersion = s_currentFileVersion);
    ~CZentrixArchive() override;

    virtual int fileVersion() const { return m_fileVersion; }
    virtual void checkMarkerStart(const char* name);
    virtual void checkMarkerEnd(const char* name);
    // The same records for a marker known when compiling. They write and check the same bytes as
    // the overloads above, but do not go through them: an override of those sees the markers
    // its host passes by name, not the library's own.
    void checkMarkerStart(const zx::ArchiveMarker& marker) {
        checkTag(marker.tag, marker.name, true);
        pushRecord(marker.name);
    }
    void checkMarkerEnd(const zx::ArchiveMarker& marker) {
        popRecord();
        checkTag(~marker.tag, marker.name, false);
    }
    // Opens (isStart true) or closes (false) a named section. Loading skips whatever a newer
    // writer left unread at the end of a section. Returns true on success.
    virtual bool startSection(const char* name, bool isStart);
    virtual std::uint64_t getOffsetOfSection(const char* name) const;
    virtual std::uint64_t getSizeOfSection(const char* name) const;
    virtual void createLegendPropertiesSchemaChangeDataIfNecessary();
    virtual bool hasLegendPropertiesSchemaChangeData() const;
    virtual LegendPropertiesSchemaChangeData* getLegendPropertiesSchemaChangeData();
    // Lets a caller that caught a load error go on reading.
    virtual void forceValid();

    template <ArchiveScalar T>
    CZentrixArchive& operator<<(T value) {
        Write(&value, sizeof value);
        return *this;
    }
    template <ArchiveScalar T>
    CZentrixArchive& operator>>(T& value) {
        checkValid();
        readExact(&value, sizeof value, scalarName<T>());
        return *this;
    }
    CZentrixArchive& operator<<(bool value) {
        const std::uint8_t byte = value ? 1 : 0;
        Write(&byte, 1);
        return *this;
    }
    CZentrixArchive& operator>>(bool& value);
    CZentrixArchive& operator<<(const CString& text);
    CZentrixArchive& operator>>(CString& text);

    // Reads or writes one value in the direction of the archive.
    template <class T>
    void io(T& value) {
        if (IsStoring())
            *this << value;
        else
            *this >> value;
    }

    // Reads an element count written as int32. Negative counts are returned for the caller to
    // refuse in its own words; a positive count whose elements would need more than the remaining
    // bytes (at least minBytesPerItem each) is refused here, before anything is allocated.
    int readCount(std::size_t minBytesPerItem, const char* what);

private:
    void readHeader();
    void writeHeader();
    void checkValid() const {
        if (!isValid()) fail("a valid archive (an earlier read failed)");
    }
    void checkMarker(const char* name, bool start) {
        checkTag(start ? zx::archiveTag(name) : ~zx::archiveTag(name), name, start);
    }
    void checkTag(std::uint32_t tag, const char* name, bool start) {
        if (IsStoring()) {
            *this << tag;
            return;
        }
        std::uint32_t found = 0;
        if (!isValid() || remaining() < sizeof found) failMarker(name, start);
        readExact(&found, sizeof found, "marker");
        if (found != tag) failMarker(name, start, position() - sizeof found);
    }
    // Throws for a marker that is not there: the archive failed earlier, ends before the
    // marker, or holds other bytes at offset.
    [[noreturn]] void failMarker(const char* name, bool start,
                                 std::uint64_t offset = ~std::uint64_t{0});

    template <class T>
    static constexpr const char* scalarName() {
        if constexpr (std::is_floating_point_v<T>)
            return sizeof(T) == 4 ? "float" : "double";
        else if constexpr (sizeof(T) == 8)
            return "64-bit integer";
        else if constexpr (sizeof(T) == 4)
            return "32-bit integer";
        else if constexpr (sizeof(T) == 2)
            return "16-bit integer";
        else
            return "byte";
    }

    struct OpenSection {
        const char* name;
        std::uint64_t bodyOffset;
        std::uint64_t size;
    };

    int m_fileVersion = s_currentFileVersion;
    std::vector<OpenSection> m_openSections;
    std::map<std::string, std::pair<std::uint64_t, std::uint64_t>> m_sections;
    std::unique_ptr<LegendPropertiesSchemaChangeData> m_legendData;
};

namespace zx {

// Serializes any value in the archive's direction: through its own Serialize where it has one,
// through the archive's operators otherwise.
template <class T>
void serializeValue(CZentrixArchive& ar, T& value) {
    if constexpr (requires { value.Serialize(ar); })
        value.Serialize(ar);
    else
        ar.io(value);
}

}  // namespace zx
