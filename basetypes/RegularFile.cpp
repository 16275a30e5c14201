#include "basetypes/RegularFile.h"

#include <fcntl.h>
#include <linux/magic.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

#include "basetypes/FileSystemCalls.h"

namespace zx {

namespace {

constexpr std::string_view kStep = "load";
// The first allocation for a file of any stated size; the buffer doubles from there as bytes
// keep arriving, up to the stated size.
constexpr std::size_t kFirstChunk = std::size_t{64} << 20;

const char* kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a pipe";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISLNK(mode)) return "a symbolic link";
    return "not a file";
}

bool sameVersion(const struct stat& a, const struct stat& b) {
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// Refuses, on the opened descriptor, what openRegularFile refuses; status receives its fstat.
void checkOpened(const CFileDescriptor& fd, std::string_view step,
                 const std::filesystem::path& file, struct stat& status) {
    const FileSystemCalls& calls = fileSystemCalls();
    if (calls.fstat(fd.get(), &status) != 0) CFileError::raise(step, file, errno);
    requireRegularFile(status, step, file);
    struct statfs volume {};
    if (calls.fstatfs(fd.get(), &volume) != 0) CFileError::raise(step, file, errno);
    if (volume.f_type == PROC_SUPER_MAGIC || volume.f_type == SYSFS_MAGIC) {
        CFileError::raise(step, file, EINVAL,
                          "it is a system file under /proc or /sys, whose length is not known");
    }
}

}  // namespace

void requireRegularFile(const struct stat& status, std::string_view step,
                        const std::filesystem::path& path) {
    if (S_ISREG(status.st_mode)) return;
    CFileError::raise(step, path, S_ISDIR(status.st_mode) ? EISDIR : EINVAL,
                      std::string("it is ") + kindOf(status.st_mode) + ", not a regular file");
}

CFileDescriptor openRegularFile(const std::filesystem::path& file, std::string_view step,
                                struct stat& status) {
    if (file.empty()) CFileError::raise(step, file, ENOENT, "the path is empty");
    CFileDescriptor fd(fileSystemCalls().open(AT_FDCWD, file.c_str(),
                                              O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0));
    if (!fd) CFileError::raise(step, file, errno);
    checkOpened(fd, step, file, status);
    return fd;
}

CFileDescriptor openSoleFileBeneath(const std::filesystem::path& folder,
                                    const std::filesystem::path& relative, std::string_view step,
                                    struct stat& status) {
    const FileSystemCalls& calls = fileSystemCalls();
    const std::filesystem::path file = folder / relative;
    if (folder.empty()) CFileError::raise(step, file, ENOENT, "the folder is empty");
    std::vector<std::string> names;
    for (const auto& part : relative) {
        const std::string name = part.string();
        if (name.empty() || name == "." || name == ".." || part.has_root_path())
            CFileError::raise(step, file, EINVAL, "it is not a plain path below its folder");
        names.push_back(name);
    }
    if (names.empty()) CFileError::raise(step, file, EINVAL, "it names no file below its folder");

    // Folders are opened with O_PATH: passing through them needs search permission only.
    CFileDescriptor at(calls.open(AT_FDCWD, folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC, 0));
    if (!at) CFileError::raise(step, file, errno);
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        CFileDescriptor next(calls.open(at.get(), names[i].c_str(),
                                        O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC, 0));
        if (!next) CFileError::raise(step, file, errno);
        at = std::move(next);
    }
    CFileDescriptor fd(calls.open(at.get(), names.back().c_str(),
                                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0));
    if (!fd) {
        const int error = errno;
        if (error == ELOOP) CFileError::raise(step, file, ELOOP, "it is a symbolic link");
        CFileError::raise(step, file, error);
    }
    checkOpened(fd, step, file, status);
    if (status.st_nlink != 1) {
        CFileError::raise(step, file, EMLINK, "it has other names (hard links) besides this one");
    }
    return fd;
}

std::vector<std::byte> readRegularFile(const std::filesystem::path& file) {
    const FileSystemCalls& calls = fileSystemCalls();
    struct stat before {};
    const CFileDescriptor fd = openRegularFile(file, kStep, before);
    if (before.st_size < 0 ||
        static_cast<std::uintmax_t>(before.st_size) >= std::vector<std::byte>().max_size()) {
        CFileError::raise(kStep, file, EFBIG);
    }
    const auto size = static_cast<std::size_t>(before.st_size);

    // One byte more than the stated size is asked for, so that a file that grew is noticed.
    std::vector<std::byte> bytes(std::min(size + 1, kFirstChunk));
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > size) break;
            bytes.resize(std::min(size + 1, bytes.size() * 2));
        }
        const ssize_t got = calls.read(fd.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) continue;
            CFileError::raise(kStep, file, errno);
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    struct stat after {};
    if (calls.fstat(fd.get(), &after) != 0) CFileError::raise(kStep, file, errno);
    if (filled != size || !sameVersion(before, after)) {
        CFileError::raise(kStep, file, EAGAIN,
                          size == 0 ? "its stated size is 0 but it has contents (a system file?)"
                                    : "it changed while it was being read");
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace zx
