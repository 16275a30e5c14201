// CDocumentManager: where the contents of documents stored with the project live on disk, and
// which external documents the store may read.
//
// A manager holds the document folder that the host chooses; the store names each document's
// file inside it after the document's ID text. Until the host sets a folder there is nowhere to
// keep contents and every document file operation fails (returns false). documentPath() is the
// only way to a document's file: it accepts nothing but a plain ID text as the file name, so no
// name taken from a record can reach outside the folder. openDocument() reads such a file without
// following a link and refuses a file with other names (hard links), deciding on the opened
// descriptor.
//
// An external document names its file by a URL taken from a loaded record, so it is untrusted:
// openExternalSource() opens it only when the host allowed it, either because its canonical path
// (every "..", "." and symlink resolved) lies inside a folder given to allowExternalSourcesUnder()
// or because the policy given to setExternalSourcePolicy() accepts that canonical path. The
// canonical path is then opened component by component without following any link, so what is
// read is the file that was checked. A manager allows nothing until the host says otherwise.
//
// getInstance() is the process-wide manager of hosts with one project. A CProjectDocument owns a
// manager of its own and binds the document files of its roots to it (see CDocumentFile), so two
// open projects keep their documents in two folders.
//
// Like the rest of the store it is not safe for concurrent use: the host sets the folder and the
// policy before it loads or saves documents.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "basetypes/CString.h"
#include "basetypes/FileSystemCalls.h"
#include "basetypes/ZxApi.h"

class ZX_API CDocumentManager {
public:
    // Decides whether the store may read the file at a canonical (absolute, link-free) path.
    using ExternalSourcePolicy = std::function<bool(const std::filesystem::path& canonical)>;

    // The manager of document files that no project document has bound.
    static CDocumentManager* getInstance();

    // No folder, no external sources.
    CDocumentManager() = default;
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

    // Opens the stored file named name for reading: no link is followed, and it must be a regular
    // file with one name. Throws zx::CFileError on any refusal or failure.
    zx::CFileDescriptor openDocument(const CString& name, struct stat& status) const;

    // External documents under folder (and its sub-folders) may be read; adds to the folders
    // already allowed. The folder is made canonical when a source is checked, so it may be a
    // link itself and need not exist yet.
    void allowExternalSourcesUnder(const std::filesystem::path& folder);
    // Replaces the policy (an empty one allows nothing beyond the allowed folders).
    void setExternalSourcePolicy(ExternalSourcePolicy policy) { m_policy = std::move(policy); }
    // Forgets the allowed folders and the policy: no external document is read any more.
    void refuseExternalSources();
    // Opens the file an external document's URL names when the host allows it (see above), and
    // only a regular file with one name. Throws zx::CFileError otherwise (EACCES when nothing
    // allows the source).
    zx::CFileDescriptor openExternalSource(const std::filesystem::path& source,
                                           struct stat& status) const;

private:
    std::filesystem::path m_folder;
    std::vector<std::filesystem::path> m_externalFolders;
    ExternalSourcePolicy m_policy;
};
