// CMappedFile: a regular file's bytes, mapped read-only for as long as the object lives.
//
// Opening refuses what readRegularFile refuses (folders, pipes, devices, sockets, the synthetic
// files of /proc and /sys) before reading a byte, and throws zx::CFileError naming the file.
// The mapping is private and read-only; pages are read on first touch, so looking at a file's
// header and table costs only those pages however large the file is. A file that shrinks while
// mapped would fault on access, which is why loaders that keep the mapping work on their own
// files; an empty file maps to no bytes.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include "basetypes/ZxApi.h"

#include "basetypes/CFileError.h"

namespace zx {

class ZX_API CMappedFile {
public:
    // Throws CFileError when the file cannot be opened, is not a regular file or cannot be
    // mapped.
    explicit CMappedFile(const std::filesystem::path& file);
    ~CMappedFile();
    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;

    std::span<const std::byte> bytes() const { return {m_data, m_size}; }
    std::size_t size() const { return m_size; }

private:
    // The mapping as munmap takes it, and the same bytes as the file's contents.
    void* m_mapping = nullptr;
    const std::byte* m_data = nullptr;
    std::size_t m_size = 0;
};

}  // namespace zx
