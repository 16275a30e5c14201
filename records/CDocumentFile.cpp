#include "records/CDocumentFile.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>

#include "basetypes/CDocumentManager.h"

namespace {

using Block = std::array<char, CDocumentFile::s_blockSize>;

// Copies up to count bytes from in to the storing archive; returns how many arrived.
std::uint64_t copyToArchive(std::istream& in, CArchive& ar, std::uint64_t count) {
    Block block;
    std::uint64_t copied = 0;
    while (copied < count) {
        const auto wanted =
            static_cast<std::streamsize>(std::min<std::uint64_t>(block.size(), count - copied));
        in.read(block.data(), wanted);
        const std::streamsize got = in.gcount();
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

// The size of a regular file, or none (missing, a directory, unreadable).
std::optional<std::uint64_t> regularFileSize(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

}  // namespace

std::optional<std::filesystem::path> CDocumentFile::storedPath() const {
    // Every new document holds the unset ID: its text names no file of this document alone.
    if (!getID().isValidNotNull()) return std::nullopt;
    auto path = CDocumentManager::getInstance()->documentPath(getID().toString());
    if (!path) return std::nullopt;
    // A link planted under a document's name would carry our writes outside the folder.
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(*path, ec)))
        return std::nullopt;
    return path;
}

std::optional<std::filesystem::path> CDocumentFile::sourcePath() const {
    if (!isExternal()) return storedPath();
    if (getURL().IsEmpty()) return std::nullopt;
    return std::filesystem::path(getURL().getString().str());
}

bool CDocumentFile::getArchive(CArchive& ar) const {
    requireStoring(ar);
    const auto path = sourcePath();
    if (!path) return false;
    const auto size = regularFileSize(*path);
    if (!size) return false;
    const std::uint64_t count = isExternal() ? *size : getDocumentLength();
    // Checked before the first byte goes out: a short file would leave half a document behind.
    if (*size < count) return false;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return false;
    return copyToArchive(in, ar, count) == count;
}

bool CDocumentFile::setArchive(CArchive& ar) {
    if (!ar.IsLoading()) return false;
    return setArchive(ar, ar.remaining());
}

bool CDocumentFile::setArchive(CArchive& ar, std::uint64_t length) {
    bool started = false;
    std::uint64_t stored = 0;
    bool complete = false;
    try {
        if (isExternal() || !ar.IsLoading()) return false;
        const auto path = storedPath();
        if (!path) return false;
        std::ofstream out(*path, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        started = true;
        setDocumentLength(length);
        Block block;
        while (stored < length && out) {
            const auto wanted =
                static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), length - stored));
            const std::size_t got = ar.Read(block.data(), wanted);
            if (got == 0) break;
            out.write(block.data(), static_cast<std::streamsize>(got));
            if (out) stored += got;
        }
        out.close();
        complete = stored == length && !out.fail();
    } catch (...) {
        complete = false;
    }
    // The record never claims more than the file received.
    if (started && !complete) setDocumentLength(stored);
    return complete;
}

bool CDocumentFile::compareContents(const IDocumentFile&) const { return true; }

bool CDocumentFile::copyContents(const IDocumentFile& other) {
    if (isExternal()) return false;
    const auto path = storedPath();
    if (!path) return false;
    if (other.getID() == getID() && regularFileSize(*path)) return true;
    // The archive keeps the bytes until Close(), which writes them beside the target and renames
    // them over it, so a failed copy leaves the old contents in place.
    CArchive out(*path, CArchive::store);
    if (!other.getArchive(out)) return false;
    const std::uint64_t copied = out.storedBytes().size();
    try {
        out.Close();
    } catch (const CArchiveException&) {
        return false;
    }
    setDocumentLength(copied);
    return true;
}

bool CDocumentFile::writeDocumentData(CArchive& ar) const {
    requireStoring(ar);
    if (isExternal()) {
        writeFlag(ar, false);
        return true;
    }
    const auto path = storedPath();
    const auto found = path ? regularFileSize(*path) : std::nullopt;
    std::ifstream in;
    if (found) in.open(*path, std::ios::binary);
    if (!found || !in) {
        writeFlag(ar, false);
        return false;
    }
    const std::uint64_t size = found.value_or(0);
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
