// CMappedFile: a regular file's bytes, mapped read-only for as long as the object lives.
//
// Opening refuses what is not a regular file (a folder, a pipe, a device, a socket) before reading
// a byte: the descriptor is opened non-blocking, so a FIFO can never stall the caller, and the
// check is made on the opened descriptor, so nothing can swap the file between check and use.
// The mapping is private and read-only; pages are read on first touch, so looking at a file's
// header and table costs only those pages however large the file is. A file that shrinks while
// mapped would fault on access, which is why loaders that keep the mapping work on their own
// files; an empty file maps to no bytes.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>

namespace zx {

// Why a file could not be opened for reading: names the file and the system's reason.
class CFileOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CMappedFile {
public:
    // Throws CFileOpenError when the file cannot be opened, is not a regular file or cannot be
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
