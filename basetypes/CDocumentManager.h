// CDocumentManager: where the contents of documents stored with the project live on disk.
//
// One process-wide instance (getInstance()) holds the document folder that the host chooses; the
// store names each document's file inside it after the document's ID text. Until the host sets a
// folder there is nowhere to keep contents and every document file operation fails (returns
// false). documentPath() is the only way to a document's file: it accepts nothing but a plain ID
// text as the file name, so no name taken from a record can reach outside the folder.
//
// Like the rest of the store it is not safe for concurrent use: the host sets the folder before
// it loads or saves documents.
#pragma once

#include <filesystem>
#include <optional>

#include "basetypes/CString.h"
#include "basetypes/ZxApi.h"

class ZX_API CDocumentManager {
public:
    static CDocumentManager* getInstance();

    CDocumentManager(const CDocumentManager&) = delete;
    CDocumentManager& operator=(const CDocumentManager&) = delete;

    // An empty path means "no folder": document file operations fail until one is set.
    void setDocumentFolder(const std::filesystem::path& folder) { m_folder = folder; }
    const std::filesystem::path& getDocumentFolder() const { return m_folder; }
    bool hasDocumentFolder() const { return !m_folder.empty(); }

    // The file named name inside the document folder; none when no folder is set or when name is
    // not a plain ID text (empty, longer than an ID text in braces, or holding anything but
    // hexadecimal digits, '-', '{' and '}'; so never ".", "..", a separator or a NUL).
    std::optional<std::filesystem::path> documentPath(const CString& name) const;
    static bool isPlainDocumentName(const CString& name);

private:
    CDocumentManager() = default;

    std::filesystem::path m_folder;
};
