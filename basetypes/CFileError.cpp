#include "basetypes/CFileError.h"

namespace zx {

namespace {

std::string messageOf(std::string_view step, const std::filesystem::path& path,
                      std::error_code code, std::string_view reason) {
    std::string message = "cannot ";
    message += step;
    message += " '";
    message += path.string();
    message += "': ";
    if (reason.empty())
        message += code.message();
    else
        message += reason;
    return message;
}

}  // namespace

CFileError::CFileError(std::string_view step, std::filesystem::path path, std::error_code code,
                       std::string_view reason)
    : std::runtime_error(messageOf(step, path, code, reason)),
      m_path(std::move(path)),
      m_code(code) {}

void CFileError::raise(std::string_view step, const std::filesystem::path& path, int error,
                       std::string_view reason) {
    throw CFileError(step, path, std::error_code(error, std::system_category()), reason);
}

}  // namespace zx
