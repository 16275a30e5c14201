// CDocumentFile: a stored document. Its record is IDocumentFile's; its contents live in the
// document folder of its CDocumentManager, in the file named by the document's ID text, which
// this class creates and replaces but never deletes (the contents outlive the object, so that
// undo and copies of the project keep them).
//
// Every document file is bound to one manager: the process-wide one (CDocumentManager::
// getInstance()) unless bindDocumentManager() says otherwise; a CProjectDocument binds the files
// of its roots to its own. The binding is where the object lives, not part of its value: records,
// comparisons and copyFrom ignore it, a copy starts with the process-wide manager, and an
// assignment keeps the binding of the object assigned to. The manager is not owned and must
// outlive the file's last contents operation.
//
// Contents are replaced through zx::CAtomicFileWriter (a temporary beside the file, renamed into
// place once complete, no symlink followed at the document's name), so a failed store keeps the
// old contents and the old recorded length. Stored files are read through the manager, which
// follows no link and refuses a file with other names.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "basetypes/CDocumentManager.h"
#include "basetypes/FileSystemCalls.h"
#include "basetypes/IDocumentFile.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CDocumentFile : public CStored<CDocumentFile, IDocumentFile> {
public:
    // Contents move between files and archives in blocks of this size.
    static constexpr std::size_t s_blockSize = 4096;

    CDocumentFile() = default;
    CDocumentFile(const CDocumentFile& other) : CStored(other) {}
    CDocumentFile& operator=(const CDocumentFile& other) {
        CStored::operator=(other);
        return *this;
    }
    ~CDocumentFile() override = default;

    // Binds the file to manager; null binds it to the process-wide manager.
    void bindDocumentManager(const CDocumentManager* manager) noexcept { m_manager = manager; }
    const CDocumentManager& documentManager() const;

    bool getArchive(CArchive& ar) const override;
    [[nodiscard]] bool setArchive(CArchive& ar) override;
    [[nodiscard]] bool setArchive(CArchive& ar, std::uint64_t length) override;
    bool compareContents(const IDocumentFile& other) const override;
    bool copyContents(const IDocumentFile& other) override;
    bool writeDocumentData(CArchive& ar) const override;

    // The file that holds this document's contents; none without a document folder or a real
    // ID. Whatever stands at that name is only ever read without following a link.
    std::optional<std::filesystem::path> storedPath() const;

private:
    // Opens what getArchive reads: the file the URL names for an external document (if the
    // manager allows it), the stored file otherwise. Throws zx::CFileError.
    zx::CFileDescriptor openSource(struct stat& status) const;

    friend class CProjectDocument;
    // For the project document, which owns the roots it binds but reaches their objects through
    // a walk that only reads: the binding is where the object lives, not part of its value.
    void bindFromOwner(const CDocumentManager* manager) const noexcept { m_manager = manager; }

    mutable const CDocumentManager* m_manager = nullptr;
};

using CDocumentFileArray = CUniqueObjectPointerArray<IDocumentFile, CDocumentFile, CDocumentFileID>;
using CDocumentFileHandle = CBasicHandle<IDocumentFile, CDocumentFile>;
using CDocumentFileWritableHandle = CWritableBasicHandle<IDocumentFile, CDocumentFile>;
using CDocumentFileArrayHandle =
    CBasicArrayHandle<IDocumentFile, CDocumentFile, CDocumentFileID, 0>;
ZX_DECLARE_KIND(IDocumentFile, CDocumentFile, CDocumentFileID, 0);
