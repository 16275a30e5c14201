// The file layer: a save that fails at any system call, or is killed at any instant, leaves the
// old file exactly as it was; planted links, special files and a second writer cannot redirect
// or corrupt a save; loading reads regular files only and never blocks.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "FaultyFileSystem.h"
#include "basetypes/CAtomicFileWriter.h"
#include "basetypes/CZentrixArchive.h"

namespace {

namespace fs = std::filesystem;
using faulty::Faults;
using faulty::faultyCalls;
using zx::CAtomicFileWriter;
using zx::CFileError;
using zx::FileSystemCalls;

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "zx-atomic-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& path() const { return m_path; }
    fs::path operator/(const fs::path& name) const { return m_path / name; }
    // The names in the folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& entry : fs::directory_iterator(m_path))
            result.push_back(entry.path().filename().string());
        std::sort(result.begin(), result.end());
        return result;
    }

private:
    fs::path m_path;
};

void writeFile(const fs::path& path, const std::string& text, mode_t mode = 0644) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    ::chmod(path.c_str(), mode);
}

std::string readFile(const fs::path& path) {
    const std::vector<std::byte> bytes = zx::readRegularFile(path);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

mode_t modeOf(const fs::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

void save(const fs::path& path, const std::string& text) {
    CAtomicFileWriter writer(path);
    writer.write(std::as_bytes(std::span(text.data(), text.size())));
    writer.commit();
}

bool holdsTemporaryOf(const TempFolder& folder, const char* name) {
    const auto names = folder.names();
    return std::any_of(names.begin(), names.end(), [&](const std::string& candidate) {
        return CAtomicFileWriter::isTemporaryOf(candidate, name);
    });
}

// Fails each system call of a save in turn. Up to the folder's sync the save must report the
// failure and leave the old file (or no file) and nothing else; after it, the save is done and
// only its cleanup failed.
void failEveryCall(bool fileExists) {
    TempFolder folder;
    const fs::path target = folder / "plan.zxs";
    const std::string oldText = "old contents", newText(200000, 'n');
    const auto prepare = [&] {
        for (const auto& name : folder.names()) fs::remove(folder.path() / name);
        if (fileExists) writeFile(target, oldText, 0640);
    };
    const zx::ScopedFileSystemCalls faulty(faultyCalls());
    prepare();
    Faults::reset(0);
    save(target, newText);
    const std::vector<std::string> calls = Faults::log;
    const auto lastSync = std::find(calls.rbegin(), calls.rend(), "fsync").base() - calls.begin();
    ASSERT_GT(lastSync, 8);

    const int errors[] = {EIO, ENOSPC, EDQUOT, EACCES};
    for (int k = 1; k <= static_cast<int>(calls.size()); ++k) {
        SCOPED_TRACE("failing call " + std::to_string(k) + " (" + calls[k - 1] + ")");
        prepare();
        const int error = errors[k % 4];
        Faults::reset(k, error);
        bool saved = false;
        try {
            save(target, newText);
            saved = true;
        } catch (const CFileError& e) {
            EXPECT_EQ(e.path(), target);
            EXPECT_EQ(e.code(), std::error_code(error, std::system_category()));
            const std::string message = e.what();
            EXPECT_NE(message.find("'" + target.string() + "'"), std::string::npos) << message;
            EXPECT_NE(message.find(std::strerror(error)), std::string::npos) << message;
            EXPECT_EQ(message.find(".zxsave."), std::string::npos) << message;
        }
        Faults::reset(0);
        EXPECT_EQ(saved, k > lastSync);
        if (saved) {
            EXPECT_EQ(readFile(target), newText);
        } else if (fileExists) {
            EXPECT_EQ(readFile(target), oldText);
        } else {
            EXPECT_FALSE(fs::exists(fs::symlink_status(target)));
        }
        if (fileExists) {
            EXPECT_EQ(modeOf(target), 0640u);
        }
        // A lock file may stay (when locking itself failed); a temporary never does.
        EXPECT_FALSE(holdsTemporaryOf(folder, "plan.zxs"));
        for (const auto& name : folder.names())
            EXPECT_TRUE(name == "plan.zxs" || name == CAtomicFileWriter::lockName("plan.zxs"))
                << name;
    }
}

TEST(AtomicFileFaults, EveryFailingCallOfAReplacingSaveLeavesTheOldFile) { failEveryCall(true); }

TEST(AtomicFileFaults, EveryFailingCallOfACreatingSaveLeavesNoFile) { failEveryCall(false); }

TEST(AtomicFileFaults, WithoutExchangeTheTemporaryIsRenamedOverTheTarget) {
    TempFolder folder;
    const fs::path target = folder / "plan.zxs";
    writeFile(target, "old", 0600);
    FileSystemCalls calls = zx::systemFileSystemCalls();
    calls.rename = [](int from, const char* a, int to, const char* b, unsigned flags) {
        if (flags & RENAME_EXCHANGE) {
            errno = EINVAL;
            return -1;
        }
        return zx::systemFileSystemCalls().rename(from, a, to, b, flags);
    };
    const zx::ScopedFileSystemCalls noExchange(calls);
    save(target, "new");
    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"plan.zxs"});
}

TEST(AtomicFileFaults, AnExceptionBeforeCommitLeavesTheOldFileAndNothingElse) {
    TempFolder folder;
    const fs::path target = folder / "plan.zxs";
    writeFile(target, "old", 0600);
    try {
        CAtomicFileWriter writer(target);
        writer.write(std::as_bytes(std::span("partial", 7)));
        throw std::runtime_error("the caller gave up");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(readFile(target), "old");
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"plan.zxs"});
    // A writer is finished after commit: writing again is refused, not sent to a closed file.
    CAtomicFileWriter writer(target);
    writer.commit();
    EXPECT_THROW(writer.write(std::as_bytes(std::span("x", 1))), CFileError);
    EXPECT_THROW(writer.commit(), CFileError);
    EXPECT_EQ(readFile(target), "");
}

// Every version the saving child writes is kSize copies of one letter, so any mixture of two
// versions, or a cut one, is seen.
TEST(AtomicFileKill, AKilledSaveLeavesTheOldOrTheNewFileAndTheNextSaveCleansUp) {
    constexpr std::size_t kSize = std::size_t{1} << 20;
    TempFolder folder;
    const fs::path target = folder / "big.bin";
    save(target, std::string(kSize, 'a'));
    std::mt19937 random(20240611);
    int leftBehind = 0;
    for (int round = 0; round < 30; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                try {
                    save(target, std::string(kSize, static_cast<char>('a' + (round + i) % 26)));
                } catch (...) {
                    ::_exit(3);
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";

        const std::string text = readFile(target);
        ASSERT_EQ(text.size(), kSize) << "round " << round;
        ASSERT_EQ(std::count(text.begin(), text.end(), text[0]), static_cast<long>(kSize))
            << "round " << round;
        if (holdsTemporaryOf(folder, "big.bin")) ++leftBehind;
        save(target, std::string(kSize, 'z'));
        ASSERT_EQ(folder.names(), std::vector<std::string>{"big.bin"}) << "round " << round;
    }
    // The kills must have hit saves in flight, or the cleaning was never exercised.
    EXPECT_GT(leftBehind, 0);
}

// Plants a symlink to the victim at the name of each temporary the writer tries to create,
// just before it does, for the first three tries.
struct PlantedLinks {
    static inline fs::path victim;
    static inline int planted = 0;
    static int open(int folder, const char* path, int flags, mode_t mode) {
        if ((flags & O_CREAT) && std::strstr(path, ".zxsave.") && planted < 3) {
            ++planted;
            ::symlinkat(victim.c_str(), folder, path);
        }
        return zx::systemFileSystemCalls().open(folder, path, flags, mode);
    }
};

TEST(AtomicFileTargets, ALinkPlantedAtTheTemporaryNameCannotRedirectTheSave) {
    TempFolder folder;
    const fs::path target = folder / "plan.zxs";
    PlantedLinks::victim = folder / "victim";
    PlantedLinks::planted = 0;
    writeFile(PlantedLinks::victim, "victim", 0600);
    writeFile(target, "old");
    FileSystemCalls calls = zx::systemFileSystemCalls();
    calls.open = PlantedLinks::open;
    {
        const zx::ScopedFileSystemCalls planting(calls);
        save(target, "new");
    }
    EXPECT_EQ(PlantedLinks::planted, 3);
    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(readFile(PlantedLinks::victim), "victim");

    // Links at other likely names, and a dead save's lock file that makes the next save remove
    // its temporaries: only the links go, never what they point to.
    const auto victim = PlantedLinks::victim.string();
    for (const char* name :
         {"plan.zxs.saving", "plan.zxs.tmp", "plan.zxs~", ".plan.zxs.zxsave.0123456789abcdef",
          ".plan.zxs.zxsave.ffffffffffffffff"})
        fs::create_symlink(victim, folder / name);
    writeFile(folder / ".plan.zxs.zxsave.00000000deadbeef", "a dead save's bytes");
    writeFile(folder / CAtomicFileWriter::lockName("plan.zxs"), "");
    save(target, "newer");
    EXPECT_EQ(readFile(target), "newer");
    EXPECT_EQ(readFile(PlantedLinks::victim), "victim");
    EXPECT_EQ(modeOf(PlantedLinks::victim), 0600u);
    EXPECT_FALSE(holdsTemporaryOf(folder, "plan.zxs"));
    EXPECT_TRUE(fs::is_symlink(folder / "plan.zxs.saving"));

    // A link at the lock's name refuses the save rather than create or lock what it names.
    fs::create_symlink(folder / "elsewhere", folder / CAtomicFileWriter::lockName("plan.zxs"));
    EXPECT_THROW(save(target, "refused"), CFileError);
    EXPECT_EQ(readFile(target), "newer");
    EXPECT_FALSE(fs::exists(folder / "elsewhere"));
}

TEST(AtomicFileTargets, ASymlinkedTargetIsReplacedThroughTheLink) {
    TempFolder folder;
    fs::create_directory(folder / "real");
    writeFile(folder / "real" / "plan.zxs", "old", 0600);
    fs::create_symlink("real/plan.zxs", folder / "link.zxs");
    {
        CAtomicFileWriter writer(folder / "link.zxs");
        EXPECT_EQ(writer.target(), folder / "real" / "plan.zxs");
        writer.write(std::as_bytes(std::span("new", 3)));
        writer.commit();
    }
    EXPECT_TRUE(fs::is_symlink(folder / "link.zxs"));
    EXPECT_EQ(fs::read_symlink(folder / "link.zxs"), "real/plan.zxs");
    EXPECT_EQ(readFile(folder / "real" / "plan.zxs"), "new");
    EXPECT_EQ(modeOf(folder / "real" / "plan.zxs"), 0600u);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"link.zxs", "real"}));
    // A dangling link: the file it names is created.
    fs::create_symlink("real/fresh.zxs", folder / "dangling.zxs");
    save(folder / "dangling.zxs", "fresh");
    EXPECT_EQ(readFile(folder / "real" / "fresh.zxs"), "fresh");
    // A loop of links is refused.
    fs::create_symlink("loop2", folder / "loop1");
    fs::create_symlink("loop1", folder / "loop2");
    EXPECT_THROW(save(folder / "loop1", "x"), CFileError);
}

TEST(AtomicFileTargets, PermissionBitsSurviveAndANewFileFollowsTheUmask) {
    TempFolder folder;
    for (const mode_t mode : {0600u, 0640u, 0444u, 0755u}) {
        writeFile(folder / "kept", "old", mode);
        save(folder / "kept", "new");
        EXPECT_EQ(modeOf(folder / "kept"), mode);
        fs::remove(folder / "kept");
    }
    const mode_t previous = ::umask(027);
    save(folder / "fresh", "new");
    ::umask(previous);
    EXPECT_EQ(modeOf(folder / "fresh"), 0640u);
}

TEST(AtomicFileTargets, WhatIsNotARegularFileIsRefusedWithoutLeavingAnything) {
    TempFolder folder;
    fs::create_directory(folder / "sub");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const auto expectRefused = [](const fs::path& target, int error) {
        try {
            CAtomicFileWriter writer(target);
            ADD_FAILURE() << target << " was accepted";
        } catch (const CFileError& e) {
            EXPECT_EQ(e.code().value(), error) << e.what();
            EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos) << e.what();
        }
    };
    expectRefused(folder / "sub", EISDIR);
    expectRefused(folder / "pipe", EINVAL);
    expectRefused(folder / "missing" / "", EISDIR);
    expectRefused(folder / "no-folder" / "plan.zxs", ENOENT);
    expectRefused("", ENOENT);
    expectRefused("/dev/null", EINVAL);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"pipe", "sub"}));
    EXPECT_FALSE(fs::exists("/dev/" + CAtomicFileWriter::lockName("null")));
}

TEST(AtomicFileLock, ASecondWriterIsRefusedWhileTheFirstHoldsTheFile) {
    TempFolder folder;
    const fs::path target = folder / "plan.zxs";
    fs::create_symlink("plan.zxs", folder / "alias.zxs");
    {
        CAtomicFileWriter first(target);
        first.write(std::as_bytes(std::span("first", 5)));
        for (const fs::path& path : {target, folder / "alias.zxs"}) {
            try {
                CAtomicFileWriter second(path);
                ADD_FAILURE() << "a second writer was allowed through " << path;
            } catch (const CFileError& e) {
                EXPECT_NE(std::string(e.what()).find("another save"), std::string::npos)
                    << e.what();
                EXPECT_EQ(e.code().value(), EWOULDBLOCK);
            }
        }
        first.commit();
    }
    EXPECT_EQ(readFile(target), "first");
    save(folder / "alias.zxs", "second");
    EXPECT_EQ(readFile(target), "second");
    {
        // An abandoned writer lets the next one in as well.
        CAtomicFileWriter abandoned(target);
    }
    save(target, "third");
    EXPECT_EQ(readFile(target), "third");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"alias.zxs", "plan.zxs"}));
}

TEST(AtomicFileRead, OnlyRegularFilesAreReadAndNothingBlocks) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    writeFile(folder / "empty", "");
    const std::string big(300000, 'b');
    writeFile(folder / "big", big);
    EXPECT_TRUE(zx::readRegularFile(folder / "empty").empty());
    EXPECT_EQ(readFile(folder / "big"), big);

    const auto expectRefused = [](const fs::path& file, int error) {
        // A read that blocks ends the test program instead of hanging it.
        ::alarm(5);
        try {
            (void)zx::readRegularFile(file);
            ADD_FAILURE() << file << " was read";
        } catch (const CFileError& e) {
            EXPECT_EQ(e.code().value(), error) << e.what();
            EXPECT_EQ(e.path(), file);
            EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
        }
        ::alarm(0);
    };
    expectRefused(folder.path(), EISDIR);
    expectRefused(folder / "pipe", EINVAL);
    expectRefused("/dev/null", EINVAL);
    expectRefused("/proc/self/status", EINVAL);
    expectRefused(folder / "missing", ENOENT);
    expectRefused("", ENOENT);
}

// Appends to the file being read after the reader's first read.
struct GrowingFile {
    static inline fs::path path;
    static ssize_t read(int fd, void* data, std::size_t size) {
        const ssize_t got = zx::systemFileSystemCalls().read(fd, data, size);
        std::ofstream(path, std::ios::binary | std::ios::app) << "more";
        return got;
    }
};

TEST(AtomicFileRead, AFileThatChangesWhileReadOrFailsToReadIsRefused) {
    TempFolder folder;
    GrowingFile::path = folder / "growing";
    writeFile(GrowingFile::path, std::string(1000, 'g'));
    FileSystemCalls calls = zx::systemFileSystemCalls();
    calls.read = GrowingFile::read;
    {
        const zx::ScopedFileSystemCalls growing(calls);
        EXPECT_THROW((void)zx::readRegularFile(GrowingFile::path), CFileError);
    }
    const zx::ScopedFileSystemCalls faulty(faultyCalls());
    for (int k = 1; k <= 6; ++k) {
        Faults::reset(k);
        EXPECT_THROW((void)zx::readRegularFile(GrowingFile::path), CFileError) << k;
    }
}

TEST(AtomicFileArchive, FileErrorsOfArchivesAreArchiveExceptionsNamingTheFile) {
    TempFolder folder;
    const fs::path target = folder / "project.zxs";
    {
        CZentrixArchive out(target, CArchive::store);
        out << 7;
        out.Close();
    }
    ::chmod(target.c_str(), 0600);
    {
        CAtomicFileWriter holder(target);
        CZentrixArchive out(target, CArchive::store);
        out << 8;
        try {
            out.Close();
            ADD_FAILURE() << "saved while another save held the file";
        } catch (const CArchiveException& e) {
            EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos);
            EXPECT_NE(std::string(e.what()).find("another save"), std::string::npos);
        }
    }
    {
        CZentrixArchive out(target, CArchive::store);
        out << 9;
        out.Close();
    }
    EXPECT_EQ(modeOf(target), 0600u);
    CZentrixArchive in(target, CArchive::load);
    int value = 0;
    in >> value;
    EXPECT_EQ(value, 9);
    try {
        CZentrixArchive folderArchive(folder.path(), CArchive::load);
        ADD_FAILURE() << "a folder was loaded";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.offset(), 0u);
        EXPECT_NE(std::string(e.what()).find("folder"), std::string::npos) << e.what();
    }
}

}  // namespace
