// CProjectDocument: a whole project in one file, safe to save over and checked when it is read.
//
// The document owns one root of every listed kind (a CProjectRoots) and saves them as one file.
// Byte layout (written to disk; a change needs a new format version):
//
//   header    8 bytes  magic "ZXPROJ\r\n" (the line end catches text-mode mangling)
//             uint32   format version of this layout (s_formatVersion)
//             uint32   archive file version every section was written at
//   sections  one per root, in the order of the list of kinds, back to back: each is the root's
//             record in its own archive (CZentrixArchive's "ZXST" header, then the record)
//   table     uint32   section count, then per section:
//                        uint16 name length, the kind's name (ASCII), uint64 offset, uint64 size,
//                        uint64 object records in it (embedded parts included), uint64 XXH3-64
//                        checksum of its bytes
//   trailer   32 bytes uint64 table offset, uint64 table size, uint64 XXH3-64 of the table
//                      seeded with the XXH3-64 of the header,
//                      8 bytes end magic "ZXPROJ!\n"
//
// Every scalar is little-endian. The header and the trailer locate the table, so reading the
// table touches no section. Loading checks each section's checksum before reading the section,
// loads into fresh roots and only then replaces the document's own: a failed load leaves the
// document as it was. A section names its root by the kind's name; a section whose name no kind
// has (written by a newer build) is skipped, and a kind with no section loads empty.
//
// Saving writes the whole file to a unique temporary beside the target and renames it into place
// only when every byte is on disk (zx::CAtomicFileWriter): the old file survives any failure.
//
// The document owns a CDocumentManager of its own (documentManager()): the folder that holds the
// contents of the project's documents and its policy for external documents. Every document file
// in the roots is bound to it (CDocumentFile::bindDocumentManager) when the document adopts or
// loads roots; a file the host adds later is a copy bound to the process-wide manager until the
// host calls bindDocumentFiles(). So two open projects keep their documents in two folders. A
// document file taken out of the roots keeps the binding and must not outlive the document.
//
// Not safe for concurrent use: one thread saves or loads a document at a time.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>
#include "basetypes/ZxApi.h"

#include "basetypes/CDocumentManager.h"
#include "basetypes/CZentrixArchive.h"
#include "project/CProjectRoots.h"

// One section of a document's table.
struct CDocumentSection {
    std::string name;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint64_t objects = 0;
    std::uint64_t checksum = 0;
};

// What the header and table of a document say, read without loading a section.
struct CDocumentTable {
    int formatVersion = 0;
    int fileVersion = 0;
    std::uint64_t fileSize = 0;
    std::vector<CDocumentSection> sections;
};

// A section that could not be loaded: which one, why, and where (the byte offset in the file).
struct CDocumentSectionFailure {
    std::string section;
    std::string reason;
    std::uint64_t offset = 0;
};

// Why a document could not be loaded or its table read: the section (empty for the header,
// table and trailer), the record path within it and the byte offset in the file.
class ZX_API CDocumentError : public CArchiveException {
public:
    CDocumentError(const std::string& message, std::uint64_t offset, std::string section,
                   std::string record);
    const std::string& section() const { return m_section; }

private:
    std::string m_section;
};

// Fraction done (0 to 1) and the section being read or written.
using CDocumentProgress = std::function<void(double fraction, std::string_view section)>;

struct CDocumentSaveOptions {
    // An older version writes the older record layouts where the kinds have them.
    int fileVersion = CZentrixArchive::s_currentFileVersion;
    CDocumentProgress progress;
};

struct CDocumentLoadOptions {
    CDocumentProgress progress;
    // Only these sections (by kind name); the other roots load empty.
    std::optional<std::set<std::string, std::less<>>> sections;
    // Loads every intact section of a damaged file and reports the others instead of throwing;
    // when the trailer or table is damaged, the sections are searched for.
    bool salvage = false;
    // The deepest nesting of records a section may hold (see CArchive::setMaxRecordDepth); a
    // host whose loading threads have small stacks lowers it. Values outside 1 to the archive's
    // maximum leave that maximum.
    std::size_t maxRecordDepth = CArchive::s_maxRecordDepth;
};

struct CDocumentLoadReport {
    int fileVersion = 0;
    std::vector<CDocumentSectionFailure> failures;
    // Sections the file holds whose name no kind of this build has.
    std::vector<std::string> unknownSections;
};

class ZX_API CProjectDocument {
public:
    static constexpr int s_formatVersion = 1;

    using Progress = CDocumentProgress;
    using SaveOptions = CDocumentSaveOptions;
    using LoadOptions = CDocumentLoadOptions;
    using LoadReport = CDocumentLoadReport;

    CProjectDocument();
    // Adopts roots built elsewhere (a host's import, the sample project).
    explicit CProjectDocument(std::unique_ptr<CProjectRoots> roots);
    ~CProjectDocument();
    CProjectDocument(const CProjectDocument&) = delete;
    CProjectDocument& operator=(const CProjectDocument&) = delete;
    CProjectDocument(CProjectDocument&&) noexcept;
    CProjectDocument& operator=(CProjectDocument&&) noexcept;

    CProjectRoots& roots() { return *m_roots; }
    const CProjectRoots& roots() const { return *m_roots; }
    template <class Root>
    Root& get() {
        return m_roots->get<Root>();
    }
    template <class Root>
    const Root& get() const {
        return m_roots->get<Root>();
    }

    // Replaces the file crash-safely. Throws CArchiveException (a record that cannot be written)
    // or zx::CFileError (the file system), naming the target; the old file is then untouched.
    // Saving changes nothing, but is not const: every record is written by its kind's Serialize,
    // one member for both directions.
    void save(const std::filesystem::path& file, const SaveOptions& options = {});
    // The bytes save() would write.
    [[nodiscard]] std::vector<std::byte> saveToBytes(const SaveOptions& options = {});

    // Loads the file in place of the document's roots. Throws CDocumentError (or, for a file
    // that cannot be read at all, zx::CFileError) and then leaves the document unchanged;
    // in salvage mode only a file with no recognisable sections throws.
    LoadReport load(const std::filesystem::path& file, const LoadOptions& options = {});
    LoadReport loadFromBytes(std::span<const std::byte> bytes, const LoadOptions& options = {});

    // Where this project's document files keep their contents, and which external documents
    // they may read. It starts with no folder and allows no external document.
    CDocumentManager& documentManager() { return *m_documentManager; }
    const CDocumentManager& documentManager() const { return *m_documentManager; }
    // Binds every document file in the roots, at any depth, to documentManager(). load() and the
    // constructor that adopts roots do this; a host calls it after adding document files.
    void bindDocumentFiles();

    // The header and table of a file, reading no section (throws as load does).
    [[nodiscard]] static CDocumentTable readTable(const std::filesystem::path& file);
    [[nodiscard]] static CDocumentTable readTable(std::span<const std::byte> bytes);
    // True when the section's bytes match its checksum.
    [[nodiscard]] static bool verifySection(std::span<const std::byte> file,
                                            const CDocumentSection& section);

private:
    static void bindDocumentFilesOf(CProjectRoots& roots, const CDocumentManager& manager);

    // Held on the heap so that the files bound to it stay bound when the document moves.
    std::unique_ptr<CDocumentManager> m_documentManager;
    std::unique_ptr<CProjectRoots> m_roots;
    // Each root's section size when the document was last loaded or saved, in file order: a save
    // reserves about that much for each section up front.
    std::vector<std::uint64_t> m_sectionSizes;
};
