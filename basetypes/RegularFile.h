// Reading a whole regular file, refusing everything else.
//
// readRegularFile opens with O_NONBLOCK, so that a FIFO can never block the caller, and decides on
// the opened descriptor (fstat), so that the file checked is the file read. It refuses folders,
// pipes, devices and sockets, the synthetic files under /proc and /sys (their stat size is not
// their length), and a file whose size or modification time changes while it is read. The buffer
// grows with the bytes that actually arrive, so a size that lies cannot cause a giant allocation.
// Every refusal and failure throws zx::CFileError naming the file; the system calls go through
// zx::fileSystemCalls().
//
// openSoleFileBeneath serves folders whose contents others may have planted: it follows no
// symbolic link below the folder it starts from and refuses a file that has other names (hard
// links), so the file it opens is reachable only by the name that was checked.
#pragma once

#include <sys/stat.h>
#include "basetypes/ZxApi.h"

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "basetypes/CFileError.h"
#include "basetypes/FileSystemCalls.h"

namespace zx {

// Opens a regular file for reading, refusing as readRegularFile does; status receives the opened
// file's fstat. step names the operation in errors ("load").
ZX_API CFileDescriptor openRegularFile(const std::filesystem::path& file, std::string_view step,
                                       struct stat& status);

// Opens the regular file `relative` beneath the folder `folder` for reading. Every folder on the
// way is opened (O_PATH) with O_NOFOLLOW | O_DIRECTORY from the one before and the file itself with
// O_NOFOLLOW, so a symbolic link anywhere below `folder` is refused (ELOOP or ENOTDIR), including
// one swapped in after the caller looked at the path; `folder` itself is followed. `relative`
// must be a relative path of plain names (no "." or ".."). On top of openRegularFile's refusals
// the opened file must have exactly one name (st_nlink == 1): another name could lie anywhere.
ZX_API CFileDescriptor openSoleFileBeneath(const std::filesystem::path& folder,
                                           const std::filesystem::path& relative,
                                           std::string_view step, struct stat& status);

// The bytes of a regular file, read whole.
ZX_API std::vector<std::byte> readRegularFile(const std::filesystem::path& file);

// Throws CFileError("<step> '<path>': it is a folder, not a regular file", ...) unless status
// describes a regular file.
ZX_API void requireRegularFile(const struct stat& status, std::string_view step,
                               const std::filesystem::path& path);

}  // namespace zx
