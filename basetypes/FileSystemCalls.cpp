#include "basetypes/FileSystemCalls.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <unistd.h>

namespace zx {

namespace {

int openAt(int folder, const char* path, int flags, mode_t mode) {
    return ::openat(folder, path, flags, mode);
}
ssize_t readLinkAt(int folder, const char* path, char* buffer, std::size_t size) {
    return ::readlinkat(folder, path, buffer, size);
}

constexpr FileSystemCalls s_system{
    .open = openAt,
    .close = ::close,
    .read = ::read,
    .write = ::write,
    .fsync = ::fsync,
    .fchmod = ::fchmod,
    .fstat = ::fstat,
    .fstatat = ::fstatat,
    .fstatfs = ::fstatfs,
    .readlink = readLinkAt,
    .rename = ::renameat2,
    .unlink = ::unlinkat,
    .flock = ::flock,
};

}  // namespace

namespace detail {
FileSystemCalls g_activeFileSystemCalls = s_system;
}

const FileSystemCalls& systemFileSystemCalls() noexcept { return s_system; }

ScopedFileSystemCalls::ScopedFileSystemCalls(const FileSystemCalls& replacement) noexcept
    : m_previous(detail::g_activeFileSystemCalls) {
    detail::g_activeFileSystemCalls = replacement;
}

ScopedFileSystemCalls::~ScopedFileSystemCalls() { detail::g_activeFileSystemCalls = m_previous; }

CFileDescriptor& CFileDescriptor::operator=(CFileDescriptor&& other) noexcept {
    if (this != &other) {
        reset();
        m_fd = other.release();
    }
    return *this;
}

void CFileDescriptor::reset() noexcept {
    if (m_fd >= 0) (void)fileSystemCalls().close(release());
}

int CFileDescriptor::close() noexcept { return m_fd >= 0 ? fileSystemCalls().close(release()) : 0; }

}  // namespace zx
