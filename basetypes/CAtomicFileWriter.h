// CAtomicFileWriter: replaces a file so that, whatever happens, the file holds either all of its
// old bytes or all of the new ones.
//
// A save writes a temporary file beside the target and swaps it in only once every byte is on
// disk. Readers of the target never see a partly written file, a crash or a kill at any instant
// leaves the old or the new file, and a failure reported by commit() leaves the old file as it
// was, with no temporary beside it.
//
// Names beside a target "name" (both hidden, both recognisable by the next save):
//   .name.zxlock                   the lock. Created on demand and flock()ed exclusively without
//                                  waiting, so a second writer of the same file is refused at once;
//                                  the kernel drops the lock when its holder dies, so a killed save
//                                  never blocks later ones. The holder removes it when done; a
//                                  lock file that is already there when a save takes the lock was
//                                  therefore left by a save that died.
//   .name.zxsave.<16 hex digits>   the temporary, created with O_CREAT | O_EXCL | O_NOFOLLOW under
//                                  a fresh random name (a planted symlink or file at that name
//                                  makes the creation fail and another name is drawn). A save that
//                                  finds a dead save's lock file removes every temporary of the
//                                  same target: holding the lock proves their writer is gone.
// A name too long to carry these additions is shortened to its first 100 bytes, "~" and a 64-bit
// hash of the whole name.
//
// Replacing an existing file swaps the two names with renameat2(RENAME_EXCHANGE) and then syncs
// the folder; if that sync fails the swap is undone, so the caller is only told "saved" once the
// change is durable and otherwise keeps the old file. A new file is renamed into place (and
// removed again if the folder cannot be synced). On a file system without RENAME_EXCHANGE the
// temporary is renamed over the target; a failed folder sync is then reported after the file was
// already replaced, and the message says so.
//
// The replacement gets the old file's permission bits (not its owner); a new file is created
// with 0666 less the umask. By default a symlink at the target is followed, so the file it names
// is replaced and the link stays (a project file the user keeps behind a link). A writer made
// with Symlinks::refuse refuses a symlink at the target instead (ELOOP), for folders whose names
// others may have planted. Either way the rename replaces a name, never a file's contents: a file
// with other names (hard links) keeps its old bytes under them. Every system call goes through
// zx::fileSystemCalls().
//
// Not thread-safe; one writer is used by one thread. Everything that fails throws zx::CFileError
// naming the target; after a failure the writer is finished and its temporary is gone.
#pragma once

#include <sys/types.h>
#include "basetypes/ZxApi.h"

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "basetypes/CFileError.h"
#include "basetypes/FileSystemCalls.h"
#include "basetypes/RegularFile.h"

namespace zx {

class ZX_API CAtomicFileWriter {
public:
    // What a symlink at the target means: the file to replace, or a refusal.
    enum class Symlinks { follow, refuse };

    // Prepares to replace `target`: refuses an empty path and a target that exists but is not a
    // regular file, resolves (or refuses) a symlink at `target`, takes the lock and creates the
    // temporary.
    explicit CAtomicFileWriter(const std::filesystem::path& target,
                               Symlinks symlinks = Symlinks::follow);
    // Without commit(): removes the temporary and releases the lock. Never throws.
    ~CAtomicFileWriter();
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter(CAtomicFileWriter&&) = delete;
    CAtomicFileWriter& operator=(CAtomicFileWriter&&) = delete;

    // Appends bytes to the temporary (small pieces are gathered into a buffer).
    void write(std::span<const std::byte> bytes);
    // Flushes and syncs the temporary, gives it the old file's permission bits, swaps it in and
    // syncs the folder.
    void commit();
    // The file that is replaced (a followed symlink at the path given is resolved).
    const std::filesystem::path& target() const { return m_target; }

    // The lock file's name beside a file named `fileName`.
    static std::string lockName(std::string_view fileName);
    // Whether `candidate` is the name of a temporary of a save of `fileName`.
    static bool isTemporaryOf(std::string_view candidate, std::string_view fileName);

private:
    void takeLock();
    void removeDeadTemporaries();
    void createTemporary();
    void writeOut(const std::byte* data, std::size_t size);
    void flushBuffer();
    void swapIn();
    [[noreturn]] void fail(std::string_view step, int error, std::string_view reason = {});
    // Removes the temporary, releases the lock and closes the folder. Never throws.
    void finish() noexcept;

    std::filesystem::path m_target;
    std::string m_name;  // the target's file name, inside m_folder
    CFileDescriptor m_folder;
    CFileDescriptor m_lock;  // open only while the lock is held
    std::string m_lockName;
    bool m_lockWasLeftBehind = false;
    CFileDescriptor m_temp;
    std::string m_tempName;  // empty once no temporary of ours is in the folder
    bool m_replacing = false;
    mode_t m_oldMode = 0;
    std::vector<std::byte> m_buffer;
    bool m_finished = false;
};

}  // namespace zx
