// CDocumentFile: a stored document. Its record is IDocumentFile's; its contents live in the
// document folder of CDocumentManager, in the file named by the document's ID text, which this
// class creates and overwrites but never deletes (the contents outlive the object, so that undo
// and copies of the project keep them).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "basetypes/IDocumentFile.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CDocumentFile : public CStored<CDocumentFile, IDocumentFile> {
public:
    // Contents move between files and archives in blocks of this size.
    static constexpr std::size_t s_blockSize = 4096;

    CDocumentFile() { initialize(); }

    bool getArchive(CArchive& ar) const override;
    [[nodiscard]] bool setArchive(CArchive& ar) override;
    [[nodiscard]] bool setArchive(CArchive& ar, std::uint64_t length) override;
    bool compareContents(const IDocumentFile& other) const override;
    bool copyContents(const IDocumentFile& other) override;
    bool writeDocumentData(CArchive& ar) const override;

    // The file that holds this document's contents; none without a document folder or a real
    // ID, or when a link stands in the file's place.
    std::optional<std::filesystem::path> storedPath() const;

private:
    // The file getArchive reads: the URL's for an external document, the stored one otherwise.
    std::optional<std::filesystem::path> sourcePath() const;
};

using CDocumentFileArray = CUniqueObjectPointerArray<IDocumentFile, CDocumentFile, CDocumentFileID>;
using CDocumentFileHandle = CBasicHandle<IDocumentFile, CDocumentFile>;
using CDocumentFileWritableHandle = CWritableBasicHandle<IDocumentFile, CDocumentFile>;
using CDocumentFileArrayHandle =
    CBasicArrayHandle<IDocumentFile, CDocumentFile, CDocumentFileID, 0>;
ZX_DECLARE_KIND(IDocumentFile, CDocumentFile, CDocumentFileID, 0);
