// CFileError: what a failed file operation of the file layer reports.
//
// The message reads "cannot <step> '<file>': <reason>", where the file is the one the caller
// named (the target of a save, never a temporary beside it) and the reason is the system's
// (strerror) or a sentence saying why the file was refused. path() is that file and code() the
// errno behind the failure as a std::error_code of the system category.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include "basetypes/ZxApi.h"

namespace zx {

class ZX_API CFileError : public std::runtime_error {
public:
    // The reason is the code's message (strerror) unless one is given.
    CFileError(std::string_view step, std::filesystem::path path, std::error_code code,
               std::string_view reason = {});

    const std::filesystem::path& path() const noexcept { return m_path; }
    std::error_code code() const noexcept { return m_code; }

    // Throws the error for the errno value `error`.
    [[noreturn]] static void raise(std::string_view step, const std::filesystem::path& path,
                                   int error, std::string_view reason = {});

private:
    std::filesystem::path m_path;
    std::error_code m_code;
};

}  // namespace zx
