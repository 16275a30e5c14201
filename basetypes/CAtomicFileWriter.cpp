#include "basetypes/CAtomicFileWriter.h"

#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <random>
#include <system_error>

namespace zx {

namespace {

constexpr std::size_t kBufferSize = std::size_t{64} << 10;
constexpr int kMaxSymlinkHops = 40;
constexpr std::size_t kMaxBaseLength = 200;
constexpr std::string_view kLockSuffix = ".zxlock";
constexpr std::string_view kTemporaryInfix = ".zxsave.";
constexpr std::size_t kRandomDigits = 16;

std::string hex(std::uint64_t value) {
    std::string digits(kRandomDigits, '0');
    for (std::size_t i = kRandomDigits; i-- > 0; value >>= 4)
        digits[i] = "0123456789abcdef"[value & 15];
    return digits;
}

// The part of the names beside a target that comes from the target's name: the name itself, or
// for a very long name a shortened one that stays distinct through a hash of the whole.
std::string baseOf(std::string_view fileName) {
    if (fileName.size() <= kMaxBaseLength) return std::string(fileName);
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : fileName) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    return std::string(fileName.substr(0, 100)) + "~" + hex(hash);
}

// "." + base + suffix, appended in place: GCC 12 at -O3 reports a false -Wrestrict for the
// same expression written with operator+ on a string literal.
std::string hiddenName(std::string_view fileName, std::string_view suffix) {
    std::string name(1, '.');
    name += baseOf(fileName);
    name += suffix;
    return name;
}

std::string temporaryPrefix(std::string_view fileName) {
    return hiddenName(fileName, kTemporaryInfix);
}

// A fresh random number per call. The process id is mixed in so that a forked child, which
// inherits the generator's state, does not draw its parent's names.
std::uint64_t randomNumber() {
    thread_local std::mt19937_64 generator(std::random_device{}());
    return generator() ^ (static_cast<std::uint64_t>(::getpid()) * 0x9e3779b97f4a7c15u);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Follows symlinks from `given` to the file they end at, which need not exist. `status` receives
// that file's lstat when it exists.
std::filesystem::path resolveSymlinks(const std::filesystem::path& given, struct stat& status,
                                      bool& exists) {
    const FileSystemCalls& calls = fileSystemCalls();
    std::filesystem::path path = given;
    for (int hops = 0;; ++hops) {
        if (calls.fstatat(AT_FDCWD, path.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) CFileError::raise("save", given, errno);
            exists = false;
            return path;
        }
        if (!S_ISLNK(status.st_mode)) {
            exists = true;
            return path;
        }
        if (hops == kMaxSymlinkHops) CFileError::raise("save", given, ELOOP);
        char link[PATH_MAX];
        const ssize_t length = calls.readlink(AT_FDCWD, path.c_str(), link, sizeof link);
        if (length < 0) CFileError::raise("save", given, errno);
        if (static_cast<std::size_t>(length) == sizeof link)
            CFileError::raise("save", given, ENAMETOOLONG);
        const std::filesystem::path next(std::string(link, static_cast<std::size_t>(length)));
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
}

// The lstat of `path` into status; false when nothing is there.
bool statWithoutFollowing(const std::filesystem::path& path, struct stat& status) {
    if (fileSystemCalls().fstatat(AT_FDCWD, path.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0)
        return true;
    if (errno != ENOENT) CFileError::raise("save", path, errno);
    return false;
}

}  // namespace

std::string CAtomicFileWriter::lockName(std::string_view fileName) {
    return hiddenName(fileName, kLockSuffix);
}

bool CAtomicFileWriter::isTemporaryOf(std::string_view candidate, std::string_view fileName) {
    const std::string prefix = temporaryPrefix(fileName);
    if (candidate.size() != prefix.size() + kRandomDigits || !candidate.starts_with(prefix))
        return false;
    return std::all_of(candidate.begin() + static_cast<std::ptrdiff_t>(prefix.size()),
                       candidate.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

CAtomicFileWriter::CAtomicFileWriter(const std::filesystem::path& target, Symlinks symlinks)
    : m_target(target) {
    if (target.empty()) CFileError::raise("save", target, ENOENT, "the path is empty");
    struct stat status {};
    bool exists = false;
    if (symlinks == Symlinks::follow) {
        m_target = resolveSymlinks(target, status, exists);
    } else {
        exists = statWithoutFollowing(target, status);
        if (exists && S_ISLNK(status.st_mode))
            CFileError::raise("save", target, ELOOP,
                              "it is a symbolic link, and this save follows none");
    }
    // Refused before anything is created beside it: a save of /dev/null must not leave a lock
    // file in /dev.
    if (exists) requireRegularFile(status, "save", m_target);
    m_name = m_target.filename().string();
    if (m_name.empty() || m_name == "." || m_name == "..")
        CFileError::raise("save", m_target, EISDIR, "the path names a folder");

    const std::filesystem::path folder = m_target.parent_path();
    m_folder = CFileDescriptor(fileSystemCalls().open(
        AT_FDCWD, folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (!m_folder) CFileError::raise("open the folder of", m_target, errno);
    try {
        takeLock();
        // The target is looked at again under the lock: that is the file this save replaces.
        if (fileSystemCalls().fstatat(m_folder.get(), m_name.c_str(), &status,
                                      AT_SYMLINK_NOFOLLOW) == 0) {
            requireRegularFile(status, "save", m_target);
            m_replacing = true;
            m_oldMode = status.st_mode & 07777;
        } else if (errno != ENOENT) {
            CFileError::raise("save", m_target, errno);
        }
        if (m_lockWasLeftBehind) removeDeadTemporaries();
        createTemporary();
    } catch (...) {
        finish();
        throw;
    }
}

CAtomicFileWriter::~CAtomicFileWriter() { finish(); }

void CAtomicFileWriter::takeLock() {
    const FileSystemCalls& calls = fileSystemCalls();
    m_lockName = lockName(m_name);
    const std::string& name = m_lockName;
    // A retry happens only when the lock file was removed or replaced between being opened and
    // being locked, that is when another save just ended.
    for (int attempt = 0; attempt < 16; ++attempt) {
        bool created = true;
        CFileDescriptor lock(calls.open(m_folder.get(), name.c_str(),
                                        O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                        0666));
        if (!lock && errno == EEXIST) {
            created = false;
            lock = CFileDescriptor(
                calls.open(m_folder.get(), name.c_str(),
                           O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0));
            if (!lock && errno == ENOENT) continue;
        }
        if (!lock) {
            if (errno == ELOOP)
                CFileError::raise("lock", m_target, ELOOP,
                                  "its lock file '" + name + "' is a symbolic link");
            CFileError::raise("lock", m_target, errno);
        }
        struct stat held {};
        if (calls.fstat(lock.get(), &held) != 0) CFileError::raise("lock", m_target, errno);
        if (!S_ISREG(held.st_mode))
            CFileError::raise("lock", m_target, EINVAL,
                              "its lock file '" + name + "' is not a regular file");
        while (calls.flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR) continue;
            if (errno == EWOULDBLOCK)
                CFileError::raise("lock", m_target, EWOULDBLOCK,
                                  "another save of this file is in progress");
            CFileError::raise("lock", m_target, errno);
        }
        struct stat named {};
        if (calls.fstatat(m_folder.get(), name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT) continue;
            CFileError::raise("lock", m_target, errno);
        }
        if (!sameFile(held, named)) continue;
        m_lock = std::move(lock);
        m_lockWasLeftBehind = !created;
        return;
    }
    CFileError::raise("lock", m_target, EAGAIN, "its lock file keeps changing");
}

void CAtomicFileWriter::removeDeadTemporaries() {
    std::error_code ec;
    const std::filesystem::path folder = m_target.parent_path();
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (isTemporaryOf(name, m_name))
            (void)fileSystemCalls().unlink(m_folder.get(), name.c_str(), 0);
    }
}

void CAtomicFileWriter::createTemporary() {
    const std::string prefix = temporaryPrefix(m_name);
    // A private mode while the bytes are written over an existing file; commit() gives the old
    // file's bits. A new file gets its final mode (0666 less the umask) here.
    const mode_t mode = m_replacing ? 0600 : 0666;
    for (int attempt = 0; attempt < 32; ++attempt) {
        std::string name = prefix + hex(randomNumber());
        m_temp = CFileDescriptor(
            fileSystemCalls().open(m_folder.get(), name.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (m_temp) {
            m_tempName = std::move(name);
            return;
        }
        if (errno != EEXIST) CFileError::raise("create a temporary file for", m_target, errno);
    }
    CFileError::raise("create a temporary file for", m_target, EEXIST);
}

void CAtomicFileWriter::write(std::span<const std::byte> bytes) {
    if (m_finished || !m_temp) fail("write", EBADF, "the save is already finished");
    if (m_buffer.size() + bytes.size() > kBufferSize) {
        flushBuffer();
        if (bytes.size() >= kBufferSize) {
            writeOut(bytes.data(), bytes.size());
            return;
        }
    }
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
}

void CAtomicFileWriter::flushBuffer() {
    writeOut(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
}

void CAtomicFileWriter::writeOut(const std::byte* data, std::size_t size) {
    while (size != 0) {
        const ssize_t written = fileSystemCalls().write(m_temp.get(), data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            fail("write", errno);
        }
        if (written == 0) fail("write", EIO);
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void CAtomicFileWriter::commit() {
    if (m_finished || !m_temp) fail("save", EBADF, "the save is already finished");
    const FileSystemCalls& calls = fileSystemCalls();
    flushBuffer();
    if (m_replacing && calls.fchmod(m_temp.get(), m_oldMode) != 0)
        fail("give the permissions of the old file to", errno);
    if (calls.fsync(m_temp.get()) != 0) fail("flush", errno);
    // Some file systems report a failed write only when the file is closed.
    if (m_temp.close() != 0) fail("write", errno);
    swapIn();
    // The temporary's name now holds the old file, if there was one.
    if (!m_tempName.empty() && calls.unlink(m_folder.get(), m_tempName.c_str(), 0) == 0)
        m_tempName.clear();
    m_finished = true;
    finish();
}

void CAtomicFileWriter::swapIn() {
    const FileSystemCalls& calls = fileSystemCalls();
    const int folder = m_folder.get();
    bool exchanged = false;
    if (m_replacing) {
        if (calls.rename(folder, m_tempName.c_str(), folder, m_name.c_str(), RENAME_EXCHANGE) == 0)
            exchanged = true;
        else if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            fail("replace", errno);
    }
    if (!exchanged) {
        if (calls.rename(folder, m_tempName.c_str(), folder, m_name.c_str(), 0) != 0)
            fail("replace", errno);
        m_tempName.clear();
    }
    // EINVAL: the file system has nothing to sync for a folder.
    if (calls.fsync(folder) == 0 || errno == EINVAL) return;
    const int error = errno;
    if (exchanged) {
        // Swapped back, the temporary holds the new bytes again and fail() removes it.
        if (calls.rename(folder, m_tempName.c_str(), folder, m_name.c_str(), RENAME_EXCHANGE) == 0)
            fail("sync the folder of", error);
    } else if (!m_replacing) {
        if (calls.unlink(folder, m_name.c_str(), 0) == 0) fail("sync the folder of", error);
    }
    fail("sync the folder of", error,
         std::string(std::strerror(error)) +
             "; the file was replaced, but the change may not survive a crash");
}

void CAtomicFileWriter::fail(std::string_view step, int error, std::string_view reason) {
    finish();
    CFileError::raise(step, m_target, error, reason);
}

void CAtomicFileWriter::finish() noexcept {
    m_finished = true;
    const FileSystemCalls& calls = fileSystemCalls();
    m_temp.reset();
    if (!m_tempName.empty() && m_folder &&
        calls.unlink(m_folder.get(), m_tempName.c_str(), 0) == 0) {
        m_tempName.clear();
    }
    if (m_lock) {
        // Only a holder whose temporary is gone removes the lock file: one that stays tells the
        // next save that a temporary may be left to remove.
        if (m_tempName.empty()) (void)calls.unlink(m_folder.get(), m_lockName.c_str(), 0);
        m_lock.reset();
    }
    m_folder.reset();
    m_buffer.clear();
}

}  // namespace zx
