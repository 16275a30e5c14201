#include "project/CProjectDocument.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <type_traits>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include "basetypes/CAtomicFileWriter.h"
#include "basetypes/CMappedFile.h"
#include "project/ObjectWalk.h"

namespace {

constexpr std::size_t kRootCount = std::tuple_size_v<zx::RootTuple<zx::RootTypes>::type>;

constexpr std::array<char, 8> s_headerMagic{'Z', 'X', 'P', 'R', 'O', 'J', '\r', '\n'};
constexpr std::array<char, 8> s_trailerMagic{'Z', 'X', 'P', 'R', 'O', 'J', '!', '\n'};
constexpr std::size_t s_headerSize = 16;
constexpr std::size_t s_trailerSize = 32;
// Kind names are short identifiers; a longer name in a table is damage, not a kind.
constexpr std::size_t s_maxSectionName = 64;
// The smallest table entry: an empty name and four 64-bit values.
constexpr std::size_t s_minEntrySize = 2 + 4 * 8;
// How many archive headers salvage tries for each kind when the table is lost.
constexpr std::size_t s_salvageTriesPerKind = 64;

std::uint64_t checksum(std::span<const std::byte> bytes) {
    return XXH3_64bits(bytes.data(), bytes.size());
}

// The table's checksum covers the header too (as the seed), so that no bit of the header or
// table can change unnoticed.
std::uint64_t tableChecksum(std::span<const std::byte> header, std::span<const std::byte> table) {
    return XXH3_64bits_withSeed(table.data(), table.size(), checksum(header));
}

template <class Root>
const char* sectionName() {
    return Root::Object::Interface::s_kindName;
}

// Appends little-endian scalars and raw bytes.
class ByteWriter {
public:
    template <class T>
    void put(T value) {
        const auto* p = reinterpret_cast<const std::byte*>(&value);
        bytes.insert(bytes.end(), p, p + sizeof value);
    }
    void put(std::span<const char> text) {
        const auto* p = reinterpret_cast<const std::byte*>(text.data());
        bytes.insert(bytes.end(), p, p + text.size());
    }
    std::vector<std::byte> bytes;
};

// Reads little-endian scalars from a bounded range, refusing to read past its end. Offsets in
// errors are offsets in the file.
class ByteReader {
public:
    ByteReader(std::span<const std::byte> bytes, std::uint64_t base, const char* where)
        : m_bytes(bytes), m_base(base), m_where(where) {}

    template <class T>
    T get(const char* what) {
        T value;
        std::memcpy(&value, take(sizeof value, what).data(), sizeof value);
        return value;
    }
    std::span<const std::byte> take(std::size_t size, const char* what) {
        if (m_bytes.size() - m_cursor < size)
            fail(std::string("the end of the ") + m_where + " (" + what + " cut short)");
        const auto out = m_bytes.subspan(m_cursor, size);
        m_cursor += size;
        return out;
    }
    std::size_t remaining() const { return m_bytes.size() - m_cursor; }
    [[noreturn]] void fail(const std::string& what) const {
        throw CDocumentError("not a valid project document: " + what, m_base + m_cursor, "",
                             m_where);
    }

private:
    std::span<const std::byte> m_bytes;
    std::uint64_t m_base;
    const char* m_where;
    std::size_t m_cursor = 0;
};

bool sameBytes(std::span<const std::byte> bytes, const std::array<char, 8>& magic) {
    return bytes.size() == magic.size() && std::memcmp(bytes.data(), magic.data(), 8) == 0;
}

std::vector<CDocumentSection> readSections(std::span<const std::byte> table,
                                           std::uint64_t tableOffset) {
    ByteReader in(table, tableOffset, "section table");
    const auto count = in.get<std::uint32_t>("section count");
    if (count > in.remaining() / s_minEntrySize) in.fail("a section count its table can hold");
    std::vector<CDocumentSection> sections(count);
    std::uint64_t end = s_headerSize;
    for (auto& section : sections) {
        const auto length = in.get<std::uint16_t>("name length");
        if (length == 0 || length > s_maxSectionName) in.fail("a section name of 1 to 64 bytes");
        const auto name = in.take(length, "section name");
        section.name.assign(reinterpret_cast<const char*>(name.data()), name.size());
        if (!std::all_of(section.name.begin(), section.name.end(),
                         [](char c) { return c > ' ' && c < 0x7f; }))
            in.fail("a section name in printable ASCII");
        section.offset = in.get<std::uint64_t>("section offset");
        section.size = in.get<std::uint64_t>("section size");
        section.objects = in.get<std::uint64_t>("object count");
        section.checksum = in.get<std::uint64_t>("section checksum");
        // Sections lie in file order between the header and the table, without overlapping.
        if (section.offset < end || section.offset > tableOffset ||
            section.size > tableOffset - section.offset)
            in.fail("section '" + section.name + "' to lie between the header and the table");
        end = section.offset + section.size;
    }
    if (in.remaining() != 0) in.fail("the table to end after its last section");
    return sections;
}

// Loads one root from its section's bytes; the section must hold exactly the root's record.
template <class Root>
void loadRoot(Root& root, std::span<const std::byte> bytes, std::size_t maxRecordDepth) {
    CZentrixArchive ar(bytes);
    (void)ar.setMaxRecordDepth(maxRecordDepth);
    root.Serialize(ar);
    if (ar.remaining() != 0) ar.fail("the end of the section after the root's record");
}

// Where a failed section load went wrong, in file terms.
CDocumentError sectionError(const std::string& section, std::uint64_t sectionOffset,
                            const std::exception& error) {
    std::uint64_t offset = sectionOffset;
    std::string record;
    if (const auto* archive = dynamic_cast<const CArchiveException*>(&error)) {
        offset += archive->offset();
        record = archive->record();
    } else if (const auto* at = dynamic_cast<const CArchiveErrorLocation*>(&error)) {
        offset += at->offset();
        record = at->recordPath();
    }
    return CDocumentError("section " + section + ": " + error.what(), offset, section,
                          std::move(record));
}

template <class Root>
void emptyRoot(Root& root) {
    root.getArray().RemoveAll();
}

}  // namespace

CDocumentError::CDocumentError(const std::string& message, std::uint64_t offset,
                               std::string section, std::string record)
    : CArchiveException(message, offset, std::move(record)), m_section(std::move(section)) {}

CProjectDocument::CProjectDocument()
    : m_documentManager(std::make_unique<CDocumentManager>()),
      m_roots(std::make_unique<CProjectRoots>()),
      m_sectionSizes(kRootCount) {}

CProjectDocument::CProjectDocument(std::unique_ptr<CProjectRoots> roots)
    : m_documentManager(std::make_unique<CDocumentManager>()),
      m_roots(roots ? std::move(roots) : std::make_unique<CProjectRoots>()),
      m_sectionSizes(kRootCount) {
    bindDocumentFiles();
}

CProjectDocument::~CProjectDocument() = default;
CProjectDocument::CProjectDocument(CProjectDocument&&) noexcept = default;
CProjectDocument& CProjectDocument::operator=(CProjectDocument&&) noexcept = default;

// Binds every document file the roots hold, at any depth (folders, sub-folders, the documents
// other records carry), to manager. Roots and objects whose kinds cannot hold a document file are
// not walked: loading a project pays for this walk only where files can be.
void CProjectDocument::bindDocumentFilesOf(CProjectRoots& roots, const CDocumentManager& manager) {
    roots.forEachRoot([&](auto& root) {
        using Root = std::remove_cvref_t<decltype(root)>;
        if (!zx::mayHold<typename Root::Object::Interface, IDocumentFile>()) return;
        const auto& objects = root.getArray();
        for (int i = 0; i < objects.GetSize(); ++i) {
            zx::walkObjects(objects.getConstReference(i), [&]<class I>(const I& object, bool) {
                if constexpr (std::is_base_of_v<IDocumentFile, I>) {
                    if (const auto* file = dynamic_cast<const CDocumentFile*>(&object))
                        file->bindFromOwner(&manager);
                }
                return zx::mayHold<I, IDocumentFile>();
            });
        }
    });
}

namespace {

// Writes the document to a sink section by section. The sink takes each piece's bytes and, for a
// section, the archive that holds them: a file sink writes and drops it, so that only one
// section's record is in memory at a time; a memory sink keeps them all and copies them once.
//
// sizes holds each root's section size from the last load or save (0 where unknown): a section
// reserves that much and a little more before it is written, and leaves its own size behind.
template <class Sink>
void writeDocument(CProjectRoots& roots, const CProjectDocument::SaveOptions& options,
                   std::vector<std::uint64_t>& sizes, Sink&& sink) {
    ByteWriter header;
    header.put(std::span<const char>(s_headerMagic));
    header.put(static_cast<std::uint32_t>(CProjectDocument::s_formatVersion));
    header.put(static_cast<std::uint32_t>(options.fileVersion));
    sink(std::span<const std::byte>(header.bytes), nullptr);

    std::vector<CDocumentSection> sections;
    std::uint64_t offset = header.bytes.size();
    std::size_t done = 0;
    roots.forEachRoot([&](auto& root) {
        using Root = std::remove_cvref_t<decltype(root)>;
        if (options.progress) options.progress(double(done) / kRootCount, sectionName<Root>());
        auto ar = std::make_unique<CZentrixArchive>(options.fileVersion);
        if (done < sizes.size() && sizes[done] != 0) ar->reserve(sizes[done] + sizes[done] / 16);
        root.Serialize(*ar);
        const auto bytes = ar->storedBytes();
        if (done < sizes.size()) sizes[done] = bytes.size();
        sections.push_back(
            {sectionName<Root>(), offset, bytes.size(), ar->objectRecords(), checksum(bytes)});
        sink(bytes, std::move(ar));
        offset += bytes.size();
        ++done;
    });

    ByteWriter table;
    table.put(static_cast<std::uint32_t>(sections.size()));
    for (const auto& section : sections) {
        table.put(static_cast<std::uint16_t>(section.name.size()));
        table.put(std::span<const char>(section.name));
        table.put(section.offset);
        table.put(section.size);
        table.put(section.objects);
        table.put(section.checksum);
    }
    sink(std::span<const std::byte>(table.bytes), nullptr);

    ByteWriter trailer;
    trailer.put(offset);
    trailer.put(static_cast<std::uint64_t>(table.bytes.size()));
    trailer.put(tableChecksum(header.bytes, table.bytes));
    trailer.put(std::span<const char>(s_trailerMagic));
    sink(std::span<const std::byte>(trailer.bytes), nullptr);
    if (options.progress) options.progress(1.0, "");
}

}  // namespace

std::vector<std::byte> CProjectDocument::saveToBytes(const SaveOptions& options) {
    // Small pieces are copied at once; sections stay in their archives until the size is known.
    struct Piece {
        std::vector<std::byte> small;
        std::unique_ptr<CZentrixArchive> section;
        std::span<const std::byte> bytes() const {
            return section ? section->storedBytes() : std::span<const std::byte>(small);
        }
    };
    std::vector<Piece> pieces;
    std::size_t total = 0;
    writeDocument(*m_roots, options, m_sectionSizes,
                  [&](std::span<const std::byte> bytes, std::unique_ptr<CZentrixArchive> owner) {
                      total += bytes.size();
                      if (owner)
                          pieces.push_back({{}, std::move(owner)});
                      else
                          pieces.push_back({{bytes.begin(), bytes.end()}, nullptr});
                  });
    std::vector<std::byte> out;
    out.reserve(total);
    for (const auto& piece : pieces) {
        const auto bytes = piece.bytes();
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

void CProjectDocument::save(const std::filesystem::path& file, const SaveOptions& options) {
    zx::CAtomicFileWriter writer(file);
    writeDocument(*m_roots, options, m_sectionSizes,
                  [&](std::span<const std::byte> bytes, const std::unique_ptr<CZentrixArchive>&) {
                      writer.write(bytes);
                  });
    writer.commit();
}

CDocumentTable CProjectDocument::readTable(std::span<const std::byte> bytes) {
    CDocumentTable table;
    table.fileSize = bytes.size();
    ByteReader header(bytes.first(std::min(bytes.size(), s_headerSize)), 0, "header");
    if (!sameBytes(header.take(8, "magic"), s_headerMagic))
        header.fail("the magic text \"ZXPROJ\" of a project document");
    table.formatVersion = static_cast<int>(header.get<std::uint32_t>("format version"));
    table.fileVersion = static_cast<int>(header.get<std::uint32_t>("file version"));
    if (table.formatVersion != s_formatVersion)
        throw CDocumentError("project document format " + std::to_string(table.formatVersion) +
                                 " is not supported (this build reads format " +
                                 std::to_string(s_formatVersion) + ")",
                             8, "", "header");
    if (table.fileVersion < CZentrixArchive::s_oldestFileVersion ||
        table.fileVersion > CZentrixArchive::s_currentFileVersion)
        throw CDocumentError("file version " + std::to_string(table.fileVersion) +
                                 " is not supported (this build reads " +
                                 std::to_string(CZentrixArchive::s_oldestFileVersion) + " to " +
                                 std::to_string(CZentrixArchive::s_currentFileVersion) + ")",
                             12, "", "header");
    if (bytes.size() < s_headerSize + s_trailerSize)
        throw CDocumentError("not a valid project document: the file ends before its trailer",
                             bytes.size(), "", "trailer");

    const std::uint64_t trailerOffset = bytes.size() - s_trailerSize;
    ByteReader trailer(bytes.subspan(trailerOffset), trailerOffset, "trailer");
    const auto tableOffset = trailer.get<std::uint64_t>("table offset");
    const auto tableSize = trailer.get<std::uint64_t>("table size");
    const auto storedChecksum = trailer.get<std::uint64_t>("table checksum");
    if (!sameBytes(trailer.take(8, "end magic"), s_trailerMagic))
        trailer.fail("the end magic text \"ZXPROJ!\" (the file is truncated or damaged)");
    if (tableOffset < s_headerSize || tableOffset > trailerOffset ||
        tableSize != trailerOffset - tableOffset)
        throw CDocumentError("not a valid project document: the trailer's table position",
                             trailerOffset, "", "trailer");
    const auto tableBytes = bytes.subspan(tableOffset, tableSize);
    if (tableChecksum(bytes.first(s_headerSize), tableBytes) != storedChecksum)
        throw CDocumentError("the header or section table is damaged (its checksum does not match)",
                             tableOffset, "", "section table");
    table.sections = readSections(tableBytes, tableOffset);
    return table;
}

CDocumentTable CProjectDocument::readTable(const std::filesystem::path& file) {
    const zx::CMappedFile mapped(file);
    return readTable(mapped.bytes());
}

bool CProjectDocument::verifySection(std::span<const std::byte> file,
                                     const CDocumentSection& section) {
    if (section.offset > file.size() || section.size > file.size() - section.offset) return false;
    return checksum(file.subspan(section.offset, section.size)) == section.checksum;
}

namespace {

// Salvage without a table: every root is looked for, in file order, at the archive headers that
// follow the last root found. Checksums are unknown here, so what loads is reported as unverified.
void salvageWithoutTable(std::span<const std::byte> bytes, CProjectRoots& roots,
                         CProjectDocument::LoadReport& report, const std::string& why,
                         std::size_t maxRecordDepth) {
    std::vector<std::size_t> candidates;
    for (std::size_t at = s_headerSize; at + 8 <= bytes.size(); ++at)
        if (std::memcmp(bytes.data() + at, "ZXST", 4) == 0) candidates.push_back(at);
    report.failures.push_back({"(table)",
                               why + "; sections were searched for and loaded "
                                     "without checksum verification",
                               0});
    std::size_t next = 0;
    roots.forEachRoot([&](auto& root) {
        using Root = std::remove_cvref_t<decltype(root)>;
        // Each kind is tried at a bounded number of headers, so that a file full of header
        // look-alikes costs linear time, not kinds times headers times bytes.
        const std::size_t last = std::min(candidates.size(), next + s_salvageTriesPerKind);
        for (std::size_t c = next; c < last; ++c) {
            try {
                CZentrixArchive ar(bytes.subspan(candidates[c]));
                (void)ar.setMaxRecordDepth(maxRecordDepth);
                root.Serialize(ar);
                const std::uint64_t end = candidates[c] + ar.position();
                next = static_cast<std::size_t>(
                    std::lower_bound(candidates.begin(), candidates.end(), end) -
                    candidates.begin());
                return;
            } catch (const std::bad_alloc&) {
                throw;
            } catch (const std::exception&) {
                emptyRoot(root);
            }
        }
        report.failures.push_back({sectionName<Root>(), "not found in the damaged file", 0});
    });
}

}  // namespace

CProjectDocument::LoadReport CProjectDocument::loadFromBytes(std::span<const std::byte> bytes,
                                                             const LoadOptions& options) {
    LoadReport report;
    auto fresh = std::make_unique<CProjectRoots>();
    CDocumentTable table;
    try {
        table = readTable(bytes);
    } catch (const CDocumentError& error) {
        if (!options.salvage) throw;
        salvageWithoutTable(bytes, *fresh, report, error.what(), options.maxRecordDepth);
        bindDocumentFilesOf(*fresh, *m_documentManager);
        m_roots = std::move(fresh);
        return report;
    }
    report.fileVersion = table.fileVersion;

    std::map<std::string, const CDocumentSection*, std::less<>> byName;
    for (const auto& section : table.sections) {
        if (!byName.emplace(section.name, &section).second) {
            if (!options.salvage)
                throw CDocumentError("section " + section.name + " appears twice", section.offset,
                                     section.name, "");
            report.failures.push_back(
                {section.name, "appears twice; the first was used", section.offset});
        }
    }
    std::uint64_t total = 0, done = 0;
    for (const auto& section : table.sections) total += section.size;

    std::vector<std::uint64_t> sizes(m_sectionSizes.size());
    std::size_t index = 0;
    fresh->forEachRoot([&](auto& root) {
        using Root = std::remove_cvref_t<decltype(root)>;
        const std::string_view name = sectionName<Root>();
        const auto found = byName.find(name);
        ++index;
        if (found == byName.end()) return;
        const CDocumentSection& section = *found->second;
        byName.erase(found);
        sizes[index - 1] = section.size;
        if (options.sections && !options.sections->contains(name)) return;
        if (options.progress) options.progress(total ? double(done) / total : 0, name);
        done += section.size;
        try {
            if (!verifySection(bytes, section))
                throw CDocumentError(
                    "section " + section.name + " is damaged (its checksum does not match)",
                    section.offset, section.name, "");
            try {
                loadRoot(root, bytes.subspan(section.offset, section.size), options.maxRecordDepth);
            } catch (const std::bad_alloc&) {
                throw;
            } catch (const CDocumentError&) {
                throw;
            } catch (const std::exception& error) {
                throw sectionError(section.name, section.offset, error);
            }
        } catch (const CDocumentError& error) {
            if (!options.salvage) throw;
            emptyRoot(root);
            report.failures.push_back({section.name, error.what(), error.offset()});
        }
    });
    for (const auto& [name, section] : byName) report.unknownSections.push_back(name);
    if (options.progress) options.progress(1.0, "");
    bindDocumentFilesOf(*fresh, *m_documentManager);
    m_roots = std::move(fresh);
    m_sectionSizes = std::move(sizes);
    return report;
}

void CProjectDocument::bindDocumentFiles() { bindDocumentFilesOf(*m_roots, *m_documentManager); }

CProjectDocument::LoadReport CProjectDocument::load(const std::filesystem::path& file,
                                                    const LoadOptions& options) {
    const zx::CMappedFile mapped(file);
    return loadFromBytes(mapped.bytes(), options);
}
