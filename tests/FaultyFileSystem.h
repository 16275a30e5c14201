// FaultyFileSystem: a table of the file layer's system calls that counts and logs every call and
// fails the one numbered Faults::failAt, for tests of what saves and loads do when the system
// fails them.
#pragma once

#include <cerrno>
#include <string>
#include <type_traits>
#include <vector>

#include "basetypes/FileSystemCalls.h"

namespace faulty {

using zx::FileSystemCalls;

// Fault injection: every call is counted and logged, and the call numbered `failAt` fails with
// `error` instead of reaching the system (a failed close still closes, as the system's does).
struct Faults {
    static inline int calls = 0;
    static inline int failAt = 0;
    static inline int error = EIO;
    static inline std::vector<std::string> log;
    static void reset(int at, int err = EIO) {
        calls = 0;
        failAt = at;
        error = err;
        log.clear();
    }
};

template <auto Field, const char* Name>
struct Faulty;
template <class R, class... A, R (*FileSystemCalls::*Field)(A...), const char* Name>
struct Faulty<Field, Name> {
    static R call(A... args) {
        const FileSystemCalls& system = zx::systemFileSystemCalls();
        Faults::log.emplace_back(Name);
        if (++Faults::calls != Faults::failAt) return (system.*Field)(args...);
        if constexpr (std::is_same_v<decltype(Field), decltype(&FileSystemCalls::close)>) {
            if (Field == &FileSystemCalls::close) (void)(system.*Field)(args...);
        }
        errno = Faults::error;
        return R(-1);
    }
};

constexpr char kOpen[] = "open", kClose[] = "close", kRead[] = "read", kWrite[] = "write",
               kFsync[] = "fsync", kFchmod[] = "fchmod", kFstat[] = "fstat", kFstatat[] = "fstatat",
               kFstatfs[] = "fstatfs", kReadlink[] = "readlink", kRename[] = "rename",
               kUnlink[] = "unlink", kFlock[] = "flock";

inline FileSystemCalls faultyCalls() {
    return {
        .open = Faulty<&FileSystemCalls::open, kOpen>::call,
        .close = Faulty<&FileSystemCalls::close, kClose>::call,
        .read = Faulty<&FileSystemCalls::read, kRead>::call,
        .write = Faulty<&FileSystemCalls::write, kWrite>::call,
        .fsync = Faulty<&FileSystemCalls::fsync, kFsync>::call,
        .fchmod = Faulty<&FileSystemCalls::fchmod, kFchmod>::call,
        .fstat = Faulty<&FileSystemCalls::fstat, kFstat>::call,
        .fstatat = Faulty<&FileSystemCalls::fstatat, kFstatat>::call,
        .fstatfs = Faulty<&FileSystemCalls::fstatfs, kFstatfs>::call,
        .readlink = Faulty<&FileSystemCalls::readlink, kReadlink>::call,
        .rename = Faulty<&FileSystemCalls::rename, kRename>::call,
        .unlink = Faulty<&FileSystemCalls::unlink, kUnlink>::call,
        .flock = Faulty<&FileSystemCalls::flock, kFlock>::call,
    };
}

}  // namespace faulty
