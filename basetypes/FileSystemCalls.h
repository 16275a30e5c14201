// FileSystemCalls: the table of system calls the file layer (CAtomicFileWriter, readRegularFile)
// makes, so that tests can make any one of them fail.
//
// Production code calls through zx::fileSystemCalls(): one load of the table and one indirect
// call per system call. The table is process-wide and not synchronised: only tests replace it,
// through ScopedFileSystemCalls, while no other thread touches files. Every entry follows the
// system's convention (-1 and errno on failure). CFileDescriptor owns one descriptor and closes
// it through the table.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>
#include <sys/vfs.h>
#include "basetypes/ZxApi.h"

#include <cstddef>

namespace zx {

struct FileSystemCalls {
    // openat(2): the flags and mode of open, relative to a folder descriptor (or AT_FDCWD).
    int (*open)(int folder, const char* path, int flags, mode_t mode);
    int (*close)(int fd);
    ssize_t (*read)(int fd, void* data, std::size_t size);
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*fchmod)(int fd, mode_t mode);
    int (*fstat)(int fd, struct stat* status);
    // fstatat(2); AT_SYMLINK_NOFOLLOW makes it lstat.
    int (*fstatat)(int folder, const char* path, struct stat* status, int flags);
    int (*fstatfs)(int fd, struct statfs* status);
    ssize_t (*readlink)(int folder, const char* path, char* buffer, std::size_t size);
    // renameat2(2); flags 0 is a plain rename, RENAME_EXCHANGE swaps the two names.
    int (*rename)(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags);
    // unlinkat(2).
    int (*unlink)(int folder, const char* path, int flags);
    int (*flock)(int fd, int operation);
};

// The calls of the operating system.
ZX_API const FileSystemCalls& systemFileSystemCalls() noexcept;

namespace detail {
extern ZX_API FileSystemCalls g_activeFileSystemCalls;
}

// The table in use: the system's unless a test replaced it.
inline const FileSystemCalls& fileSystemCalls() noexcept { return detail::g_activeFileSystemCalls; }

// Replaces the table for its lifetime and puts the previous one back on destruction.
class ZX_API ScopedFileSystemCalls {
public:
    explicit ScopedFileSystemCalls(const FileSystemCalls& replacement) noexcept;
    ~ScopedFileSystemCalls();
    ScopedFileSystemCalls(const ScopedFileSystemCalls&) = delete;
    ScopedFileSystemCalls& operator=(const ScopedFileSystemCalls&) = delete;

private:
    FileSystemCalls m_previous;
};

// Owns a descriptor; closes it through the table, ignoring the result, unless it is released or
// closed with close(), which reports the result.
class ZX_API CFileDescriptor {
public:
    CFileDescriptor() = default;
    explicit CFileDescriptor(int fd) noexcept : m_fd(fd) {}
    CFileDescriptor(CFileDescriptor&& other) noexcept : m_fd(other.release()) {}
    CFileDescriptor& operator=(CFileDescriptor&& other) noexcept;
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    ~CFileDescriptor() { reset(); }

    int get() const noexcept { return m_fd; }
    explicit operator bool() const noexcept { return m_fd >= 0; }
    int release() noexcept {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset() noexcept;
    // Closes now and returns close's result (the descriptor is gone either way).
    [[nodiscard]] int close() noexcept;

private:
    int m_fd = -1;
};

}  // namespace zx
