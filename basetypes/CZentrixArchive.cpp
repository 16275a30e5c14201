#include "basetypes/CZentrixArchive.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

namespace {
constexpr char kMagic[4] = {'Z', 'X', 'S', 'T'};

// "U+D800" for a character of a message.
std::string codePointName(std::uint32_t cp) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
    return name;
}
}  // namespace

CZentrixArchive::CZentrixArchive(int fileVersion) : m_fileVersion(fileVersion) { writeHeader(); }

CZentrixArchive::CZentrixArchive(std::span<const std::byte> bytes) : CArchive(bytes) {
    readHeader();
}

CZentrixArchive::CZentrixArchive(std::vector<std::byte> bytes) : CArchive(std::move(bytes)) {
    readHeader();
}

CZentrixArchive::CZentrixArchive(const std::filesystem::path& file, Mode mode, int fileVersion)
    : CArchive(file, mode), m_fileVersion(fileVersion) {
    if (IsLoading())
        readHeader();
    else
        writeHeader();
}

CZentrixArchive::~CZentrixArchive() = default;

void CZentrixArchive::writeHeader() {
    Write(kMagic, sizeof kMagic);
    *this << m_fileVersion;
}

void CZentrixArchive::readHeader() {
    pushRecord("archive header");
    char magic[4];
    readExact(magic, sizeof magic, "the archive signature");
    if (std::memcmp(magic, kMagic, sizeof magic) != 0) failAt(0, "expected the signature \"ZXST\"");
    *this >> m_fileVersion;
    if (m_fileVersion < s_oldestFileVersion || m_fileVersion > s_currentFileVersion) {
        failAt(4, "expected a file version from " + std::to_string(s_oldestFileVersion) + " to " +
                      std::to_string(s_currentFileVersion) + ", found " +
                      std::to_string(m_fileVersion));
    }
    popRecord();
}

CZentrixArchive& CZentrixArchive::operator>>(bool& value) {
    checkValid();
    std::uint8_t byte = 0;
    readExact(&byte, 1, "bool");
    if (byte > 1) failAt(position() - 1, "expected a bool (0 or 1), found " + std::to_string(byte));
    value = byte == 1;
    return *this;
}

CZentrixArchive& CZentrixArchive::operator<<(const CString& text) {
    const std::wstring& units = text.str();
    // Nearly all text lies in the Basic Multilingual Plane outside the surrogates, where each
    // character is one UTF-16 unit: checked and narrowed straight into the buffer by loops
    // without branches, which the compiler vectorises.
    std::uint32_t outside = 0;
    for (const wchar_t c : units) {
        const auto cp = static_cast<std::uint32_t>(c);
        outside |= static_cast<std::uint32_t>(cp > 0xFFFF) |
                   static_cast<std::uint32_t>(cp - 0xD800u < 0x800u);
    }
    if (outside == 0) {
        *this << static_cast<std::uint32_t>(units.size());
        std::byte* out = appendSpace(units.size() * sizeof(char16_t));
        for (std::size_t i = 0; i < units.size(); ++i) {
            const auto unit = static_cast<char16_t>(units[i]);
            std::memcpy(out + i * sizeof unit, &unit, sizeof unit);
        }
        return *this;
    }
    // Count UTF-16 units first so the length prefix is exact. A value that is no Unicode scalar
    // value has no UTF-16 form that reads back as itself, so the text is refused before any of it
    // is written.
    std::uint32_t count = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto cp = static_cast<std::uint32_t>(units[i]);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            fail("expected text of Unicode characters, found " + codePointName(cp) +
                 " at character " + std::to_string(i));
        }
        count += cp > 0xFFFF ? 2 : 1;
    }
    *this << count;
    // Encoded through a small buffer: no allocation per string.
    char16_t buffer[256];
    std::size_t used = 0;
    for (const wchar_t c : units) {
        if (used + 2 > std::size(buffer)) {
            Write(buffer, used * sizeof(char16_t));
            used = 0;
        }
        const auto cp = static_cast<std::uint32_t>(c);
        if (cp > 0xFFFF) {
            const std::uint32_t v = cp - 0x10000;
            buffer[used++] = static_cast<char16_t>(0xD800 + (v >> 10));
            buffer[used++] = static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            buffer[used++] = static_cast<char16_t>(cp);
        }
    }
    Write(buffer, used * sizeof(char16_t));
    return *this;
}

CZentrixArchive& CZentrixArchive::operator>>(CString& text) {
    checkValid();
    std::uint32_t count = 0;
    readExact(&count, sizeof count, "string length");
    if (remaining() / 2 < count) {
        // Reported at the length, like a count that the input cannot hold.
        failAt(position() - sizeof count, "expected a string of " + std::to_string(count) +
                                              " UTF-16 units, " + std::to_string(remaining()) +
                                              " bytes remain");
    }
    const std::uint64_t textOffset = position();
    const std::byte* bytes = consume(count * sizeof(char16_t), "string");
    const auto unitAt = [bytes](std::size_t i) {
        char16_t unit;
        std::memcpy(&unit, bytes + i * sizeof unit, sizeof unit);
        return unit;
    };
    std::wstring& out = text.str();
    out.clear();
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const char16_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < count) {
            const char16_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out.push_back(static_cast<wchar_t>(
                    0x10000 + ((static_cast<std::uint32_t>(unit) - 0xD800) << 10) +
                    (static_cast<std::uint32_t>(low) - 0xDC00)));
                ++i;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            // Text that cannot be saved again is not taken in.
            out.clear();
            failAt(textOffset + i * sizeof(char16_t),
                   "expected UTF-16 text, found the unpaired surrogate " + codePointName(unit) +
                       " at unit " + std::to_string(i));
        }
        out.push_back(static_cast<wchar_t>(unit));
    }
    return *this;
}

int CZentrixArchive::readCount(std::size_t minBytesPerItem, const char* what) {
    checkValid();
    std::int32_t count = 0;
    readExact(&count, sizeof count, what);
    if (count > 0 && minBytesPerItem != 0 &&
        remaining() / minBytesPerItem < static_cast<std::uint64_t>(count)) {
        failAt(position() - sizeof count, "expected a count of " + std::string(what) +
                                              " that fits the " + std::to_string(remaining()) +
                                              " remaining bytes, found " + std::to_string(count));
    }
    return count;
}

void CZentrixArchive::failMarker(const char* name, bool start, std::uint64_t offset) {
    checkValid();
    const std::string what = std::string(start ? "start" : "end") + " marker \"" + name + '"';
    if (offset == ~std::uint64_t{0}) {
        std::uint32_t found = 0;
        // Throws, naming the marker, since fewer bytes remain than it takes.
        readExact(&found, sizeof found, what.c_str());
    }
    failAt(offset, "expected the " + what);
}

void CZentrixArchive::checkMarkerStart(const char* name) {
    checkMarker(name, true);
    pushRecord(name);
}

void CZentrixArchive::checkMarkerEnd(const char* name) {
    popRecord();
    checkMarker(name, false);
}

bool CZentrixArchive::startSection(const char* name, bool isStart) {
    if (isStart) {
        checkMarker(name, true);
        std::uint64_t size = 0;
        const std::uint64_t sizeOffset = position();
        if (IsStoring()) {
            *this << size;
        } else {
            *this >> size;
            if (size > remaining())
                failAt(sizeOffset, std::string("expected a size of section \"") + name +
                                       "\" within the remaining bytes");
        }
        m_openSections.push_back({name, position(), size});
        pushRecord(name);
        return true;
    }
    if (m_openSections.empty() || std::strcmp(m_openSections.back().name, name) != 0) {
        fail(std::string("expected section \"") + name + "\" to be open");
    }
    popRecord();
    const OpenSection section = m_openSections.back();
    m_openSections.pop_back();
    if (IsStoring()) {
        const std::uint64_t size = position() - section.bodyOffset;
        patch(section.bodyOffset - sizeof size, &size, sizeof size);
        m_sections[name] = {section.bodyOffset, size};
        return true;
    }
    const std::uint64_t end = section.bodyOffset + section.size;
    if (position() > end)
        fail(std::string("expected section \"") + name + "\" to end at byte " +
             std::to_string(end));
    skip(end - position(), "the rest of a section");
    m_sections[name] = {section.bodyOffset, section.size};
    return true;
}

std::uint64_t CZentrixArchive::getOffsetOfSection(const char* name) const {
    const auto it = m_sections.find(name);
    return it == m_sections.end() ? 0 : it->second.first;
}

std::uint64_t CZentrixArchive::getSizeOfSection(const char* name) const {
    const auto it = m_sections.find(name);
    return it == m_sections.end() ? 0 : it->second.second;
}

void CZentrixArchive::createLegendPropertiesSchemaChangeDataIfNecessary() {
    if (!m_legendData) m_legendData = std::make_unique<LegendPropertiesSchemaChangeData>();
}

bool CZentrixArchive::hasLegendPropertiesSchemaChangeData() const {
    return m_legendData != nullptr;
}

LegendPropertiesSchemaChangeData* CZentrixArchive::getLegendPropertiesSchemaChangeData() {
    return m_legendData.get();
}

void CZentrixArchive::forceValid() { setValid(true); }
