#include "records/CDocumentFile.h"

#include <fcntl.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <span>

#include "basetypes/CAtomicFileWriter.h"
#include "basetypes/CFileError.h"

namespace {

using Block = std::array<char, CDocumentFile::s_blockSize>;

// Copies up to count bytes from the descriptor to the storing archive; returns how many arrived.
// A failing read ends the copy like the end of the file does.
std::uint64_t copyToArchive(const zx::CFileDescriptor& in, CArchive& ar, std::uint64_t count) {
    const zx::FileSystemCalls& calls = zx::fileSystemCalls();
    Block block;
    std::uint64_t copied = 0;
    while (copied < count) {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), count - copied));
        const ssize_t got = calls.read(in.get(), block.data(), wanted);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        ar.Write(block.data(), static_cast<std::size_t>(got));
        copied += static_cast<std::uint64_t>(got);
    }
    return copied;
}

std::array<std::uint8_t, 8> littleEndian64(std::uint64_t value) {
    std::array<std::uint8_t, 8> bytes;
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
    return bytes;
}

void writeFlag(CArchive& ar, bool contentsFollow) {
    const std::uint8_t flag = contentsFollow ? 1 : 0;
    ar.Write(&flag, 1);
}

// Contents go out only through storing archives; a loading archive would silently take the
// bytes into a buffer nobody reads.
void requireStoring(const CArchive& ar) {
    if (ar.IsLoading())
        ar.fail("expected a storing archive for document data, found a loading one");
}

// Whether a regular file stands at path itself (a link there does not count).
bool isRegularFileAt(const std::filesystem::path& path) {
    const zx::FileSystemCalls& calls = zx::fileSystemCalls();
    struct stat status {};
    return calls.fstatat(AT_FDCWD, path.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(status.st_mode);
}

// Documents are named after their IDs and their folder may hold what others put there: a
// symlink at a document's name is refused rather than written through.
constexpr auto kNoLinks = zx::CAtomicFileWriter::Symlinks::refuse;

}  // namespace

const CDocumentManager& CDocumentFile::documentManager() const {
    return m_manager ? *m_manager : *CDocumentManager::getInstance();
}

std::optional<std::filesystem::path> CDocumentFile::storedPath() const {
    // Every new document holds the unset ID: its text names no file of this document alone.
    if (!getID().isValidNotNull()) return std::nullopt;
    return documentManager().documentPath(getID().toString());
}

zx::CFileDescriptor CDocumentFile::openSource(struct stat& status) const {
    if (isExternal())
        return documentManager().openExternalSource(getURL().getString().str(), status);
    if (!storedPath())
        zx::CFileError::raise("read the document", {}, ENOENT, "it has no stored file");
    return documentManager().openDocument(getID().toString(), status);
}

bool CDocumentFile::getArchive(CArchive& ar) const {
    requireStoring(ar);
    if (isExternal() && getURL().IsEmpty()) return false;
    try {
        struct stat status {};
        const zx::CFileDescriptor in = openSource(status);
        const auto size = static_cast<std::uint64_t>(status.st_size);
        const std::uint64_t count = isExternal() ? size : getDocumentLength();
        // Checked before the first byte goes out: a short file would leave half a document behind.
        if (size < count) return false;
        return copyToArchive(in, ar, count) == count;
    } catch (const zx::CFileError&) {
        return false;
    }
}

bool CDocumentFile::setArchive(CArchive& ar) {
    if (!ar.IsLoading()) return false;
    return setArchive(ar, ar.remaining());
}

bool CDocumentFile::setArchive(CArchive& ar, std::uint64_t length) {
    try {
        if (isExternal() || !ar.IsLoading()) return false;
        const auto path = storedPath();
        if (!path) return false;
        // Refused before anything is created: the old contents stay whatever the archive holds.
        if (ar.remaining() < length) return false;
        zx::CAtomicFileWriter out(*path, kNoLinks);
        Block block;
        for (std::uint64_t stored = 0; stored < length;) {
            const auto wanted =
                static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), length - stored));
            const std::size_t got = ar.Read(block.data(), wanted);
            // The writer's destructor removes its temporary: nothing of this store stays.
            if (got == 0) return false;
            out.write(std::as_bytes(std::span(block.data(), got)));
            stored += got;
        }
        out.commit();
        setDocumentLength(length);
        return true;
    } catch (...) {
        // The record keeps the old length with the old contents, which the writer left in place.
        return false;
    }
}

bool CDocumentFile::compareContents(const IDocumentFile&) const { return true; }

bool CDocumentFile::copyContents(const IDocumentFile& other) {
    if (isExternal()) return false;
    const auto path = storedPath();
    if (!path) return false;
    if (other.getID() == getID()) {
        // The same ID names the same file only within one folder: a document of another project
        // with this ID is copied like any other.
        const auto* stored = dynamic_cast<const CDocumentFile*>(&other);
        if ((!stored || stored->storedPath() == path) && isRegularFileAt(*path)) return true;
    }
    try {
        // The other document's bytes are gathered first: its file may be this one's old self.
        CArchive contents;
        if (!other.getArchive(contents)) return false;
        const auto bytes = contents.storedBytes();
        zx::CAtomicFileWriter out(*path, kNoLinks);
        out.write(bytes);
        out.commit();
        setDocumentLength(bytes.size());
        return true;
    } catch (...) {
        return false;
    }
}

bool CDocumentFile::writeDocumentData(CArchive& ar) const {
    requireStoring(ar);
    if (isExternal()) {
        writeFlag(ar, false);
        return true;
    }
    struct stat status {};
    zx::CFileDescriptor in;
    try {
        in = openSource(status);
    } catch (const zx::CFileError&) {
        writeFlag(ar, false);
        return false;
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    if (size == 0) {
        writeFlag(ar, false);
        return true;
    }
    writeFlag(ar, true);
    const std::uint64_t lengthAt = ar.position();
    const auto count = littleEndian64(size);
    ar.Write(count.data(), count.size());
    const std::uint64_t copied = copyToArchive(in, ar, size);
    if (copied == size) return true;
    // The file shrank while it was read: the count must still match the bytes that follow it.
    const auto shorter = littleEndian64(copied);
    ar.patch(lengthAt, shorter.data(), shorter.size());
    return false;
}

ZX_INSTANTIATE_KIND(IDocumentFile, CDocumentFile, CDocumentFileID, 0);
