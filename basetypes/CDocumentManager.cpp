#include "basetypes/CDocumentManager.h"

namespace {

// "{" + 8-4-4-4-12 hexadecimal digits + "}".
constexpr int kLongestIDText = 38;

bool isIDCharacter(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F') ||
           c == L'-' || c == L'{' || c == L'}';
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
