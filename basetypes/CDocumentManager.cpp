#include "basetypes/CDocumentManager.h"

#include <cerrno>
#include <system_error>

#include "basetypes/CFileError.h"
#include "basetypes/RegularFile.h"

namespace {

// "{" + 8-4-4-4-12 hexadecimal digits + "}".
constexpr int kLongestIDText = 38;

bool isIDCharacter(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F') ||
           c == L'-' || c == L'{' || c == L'}';
}

// Whether path lies strictly inside folder; both canonical, so comparing names is enough.
bool isInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
    auto inner = path.begin();
    for (auto outer = folder.begin(); outer != folder.end(); ++outer, ++inner) {
        if (inner == path.end() || *inner != *outer) return false;
    }
    return inner != path.end();
}

}  // namespace

CDocumentManager* CDocumentManager::getInstance() {
    static CDocumentManager instance;
    return &instance;
}

bool CDocumentManager::isPlainDocumentName(const CString& name) {
    if (name.IsEmpty() || name.GetLength() > kLongestIDText) return false;
    for (const wchar_t c : name.view())
        if (!isIDCharacter(c)) return false;
    return true;
}

std::optional<std::filesystem::path> CDocumentManager::documentPath(const CString& name) const {
    if (!hasDocumentFolder() || !isPlainDocumentName(name)) return std::nullopt;
    return m_folder / std::filesystem::path(name.str());
}

zx::CFileDescriptor CDocumentManager::openDocument(const CString& name, struct stat& status) const {
    const auto path = documentPath(name);
    if (!path) zx::CFileError::raise("read the document", name.str(), ENOENT, "no such document");
    return zx::openSoleFileBeneath(m_folder, path->filename(), "read the document", status);
}

void CDocumentManager::allowExternalSourcesUnder(const std::filesystem::path& folder) {
    if (!folder.empty()) m_externalFolders.push_back(folder);
}

void CDocumentManager::refuseExternalSources() {
    m_externalFolders.clear();
    m_policy = nullptr;
}

zx::CFileDescriptor CDocumentManager::openExternalSource(const std::filesystem::path& source,
                                                         struct stat& status) const {
    constexpr std::string_view step = "read the external document";
    if (m_externalFolders.empty() && !m_policy)
        zx::CFileError::raise(step, source, EACCES, "external documents are not allowed");
    // A relative URL would mean whatever the host's working folder happens to be.
    if (!source.is_absolute())
        zx::CFileError::raise(step, source, EINVAL, "its location is not an absolute path");
    std::error_code ec;
    const std::filesystem::path canonical = std::filesystem::canonical(source, ec);
    if (ec) zx::CFileError::raise(step, source, ec.value());
    for (const auto& allowed : m_externalFolders) {
        const std::filesystem::path folder = std::filesystem::canonical(allowed, ec);
        if (ec || !isInside(canonical, folder)) continue;
        // The canonical path holds no link, so one met on the way was put there since.
        return zx::openSoleFileBeneath(folder, canonical.lexically_relative(folder), step, status);
    }
    if (m_policy && m_policy(canonical))
        return zx::openSoleFileBeneath(canonical.root_path(), canonical.relative_path(), step,
                                       status);
    zx::CFileError::raise(step, source, EACCES, "no external source policy allows it");
}
