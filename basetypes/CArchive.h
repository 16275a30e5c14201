// CArchive: the byte stream that every record is written to and read from.
//
// An archive either stores (appends bytes to a growing buffer) or loads (consumes bytes from a
// buffer). The buffer lives in memory in both directions. A file archive that loads reads the
// whole file when it opens (zx::readRegularFile: folders, pipes, devices and files under /proc are
// refused, never waited on). One that stores writes its buffer on Close() through
// zx::CAtomicFileWriter: a temporary beside the target, synced and swapped in only once every byte
// is on disk, keeping the old file's permission bits, so a failed or interrupted save leaves the
// file that was there before, and a second save of the same file at the same time is refused.
// File errors of both directions throw CArchiveException with the system's reason and the file's
// name (at offset 0 when loading, at the buffer's size when saving).
//
// Every failure while loading (end of data, a wrong marker, an impossible count, malformed text)
// throws CArchiveException; its message names what was expected, the record being read and the
// byte offset. The archive keeps a small stack of the records it is inside for that purpose.
// Two refusals keep the standard exceptions and fixed messages callers know them by: a negative
// element count of an array (std::length_error "vector too long", as CArchiveLengthError) and
// the few records that word a refusal their own way (std::runtime_error, as CArchiveRuntimeError).
// Those carry the byte offset and record path through their accessors instead of their message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "basetypes/ZxApi.h"

// The one exception type of a failed load or save.
class ZX_API CArchiveException : public std::runtime_error {
public:
    CArchiveException(const std::string& message, std::uint64_t offset, std::string record);

    std::uint64_t offset() const { return m_offset; }
    const std::string& record() const { return m_record; }

private:
    std::uint64_t m_offset;
    std::string m_record;
};

// Where a load failed: the byte offset and the path of the records being read.
class ZX_API CArchiveErrorLocation {
public:
    CArchiveErrorLocation(std::uint64_t offset, std::string recordPath)
        : m_offset(offset), m_recordPath(std::move(recordPath)) {}
    virtual ~CArchiveErrorLocation() = default;

    std::uint64_t offset() const { return m_offset; }
    const std::string& recordPath() const { return m_recordPath; }

private:
    std::uint64_t m_offset;
    std::string m_recordPath;
};

// A standard exception whose message is exactly the given one, with where the load failed beside.
template <class Standard>
class ZX_API CArchiveStandardError : public Standard, public CArchiveErrorLocation {
public:
    CArchiveStandardError(const std::string& message, std::uint64_t offset, std::string recordPath)
        : Standard(message), CArchiveErrorLocation(offset, std::move(recordPath)) {}
};

// A negative element count: "vector too long", as the vector behind the array would say.
using CArchiveLengthError = CArchiveStandardError<std::length_error>;
// A refusal whose message is fixed by the record that raises it.
using CArchiveRuntimeError = CArchiveStandardError<std::runtime_error>;

class ZX_API CArchive {
public:
    enum Mode : unsigned { store = 0, load = 1 };

    // A storing archive over an in-memory buffer.
    CArchive();
    // A loading archive over bytes that the caller keeps alive while the archive is used.
    explicit CArchive(std::span<const std::byte> bytes);
    // A loading archive that owns its bytes.
    explicit CArchive(std::vector<std::byte> bytes);
    // A disk-file archive; loading reads the file at once (throws CArchiveException if it cannot
    // or if it is not a regular file).
    CArchive(const std::filesystem::path& file, Mode mode);

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    virtual ~CArchive();

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }

    void Write(const void* data, std::size_t size) {
        // The destination comes from grow() when the buffer is full, so the copy never goes
        // through a buffer pointer read before the buffer was (re)allocated.
        std::byte* end = m_capacity - m_size < size ? grow(size) : m_buffer.get() + m_size;
        std::memcpy(end, data, size);
        m_size += size;
    }
    // Appends size bytes that the caller fills through the pointer returned, before the next
    // write: for encoders that produce their bytes in place instead of copying them in.
    std::byte* appendSpace(std::size_t size) {
        std::byte* end = m_capacity - m_size < size ? grow(size) : m_buffer.get() + m_size;
        m_size += size;
        return end;
    }
    // While storing, makes room for size more bytes at once: a writer that knows about how much
    // it will write then does not copy its buffer as it grows.
    void reserve(std::size_t size) {
        if (IsStoring() && m_capacity - m_size < size) resize(m_size + size);
    }
    // Reads up to size bytes and returns how many were read (fewer only at the end of the data).
    std::size_t Read(void* data, std::size_t size);
    // Reads exactly size bytes or throws, naming what was being read.
    void readExact(void* data, std::size_t size, const char* what) {
        if (static_cast<std::size_t>(m_end - m_cursor) < size) failShort(size, what);
        std::memcpy(data, m_cursor, size);
        m_cursor += size;
    }
    // Consumes size bytes while loading and returns where they start in the archive's buffer
    // (valid while the archive lives), or throws, naming what was being read.
    const std::byte* consume(std::size_t size, const char* what) {
        if (static_cast<std::size_t>(m_end - m_cursor) < size) failShort(size, what);
        const std::byte* start = m_cursor;
        m_cursor += size;
        return start;
    }
    // Gives up on the archive: throws CArchiveException("archive aborted").
    [[noreturn]] void Abort();
    // Finishes a file archive that stores: the buffer replaces the target file (a symlink's target
    // when the path is a symlink). Does nothing for other archives. Throws CArchiveException,
    // naming the file and the system's reason, when the file cannot be written, or when a store
    // into the archive failed part-way; the old file is then untouched.
    void Close();

    // Byte offset of the next read or write.
    std::uint64_t position() const {
        return IsLoading() ? static_cast<std::uint64_t>(m_cursor - m_begin) : m_size;
    }
    // Bytes left to read (0 while storing).
    std::uint64_t remaining() const {
        return IsLoading() ? static_cast<std::uint64_t>(m_end - m_cursor) : 0;
    }
    // Skips bytes while loading (throws past the end).
    void skip(std::uint64_t bytes, const char* what);
    // The bytes written so far by a storing archive.
    std::span<const std::byte> storedBytes() const { return {m_buffer.get(), m_size}; }
    std::vector<std::byte> takeStoredBytes();
    // Overwrites bytes already written (used to patch sizes of sections).
    void patch(std::uint64_t offset, const void* data, std::size_t size);

    // Where an error is reported from: a stack of the records being read or written.
    struct RecordFrame {
        const char* name;
        int index;
        const char* field;
    };
    // Records nest by recursion, so a cap on their depth caps the stack an archive can take: a
    // deeper record throws CArchiveException, when saving as when loading, so that whatever saves
    // also loads. Hierarchies of real projects stay far below it. A host that loads on threads
    // with small stacks lowers it per archive (setMaxRecordDepth); it is never raised.
    static constexpr std::size_t s_maxRecordDepth = 512;
    // Sets this archive's limit to depth, which must be 1 to s_maxRecordDepth; false (and the
    // limit unchanged) otherwise.
    [[nodiscard]] bool setMaxRecordDepth(std::size_t depth) {
        if (depth == 0 || depth > s_maxRecordDepth) return false;
        m_maxRecordDepth = depth;
        return true;
    }
    std::size_t maxRecordDepth() const { return m_maxRecordDepth; }
    void pushRecord(const char* name) {
        if (m_records.size() >= m_maxRecordDepth) failTooDeep(name);
        m_records.push_back({name, -1, nullptr});
    }
    void popRecord() {
        if (!m_records.empty()) m_records.pop_back();
    }
    void setRecordIndex(int index) {
        if (!m_records.empty()) m_records.back().index = index;
    }
    void setField(const char* field) {
        if (!m_records.empty()) m_records.back().field = field;
    }
    std::string recordPath() const;
    // How many records the current position is nested in.
    std::size_t recordDepth() const { return m_records.size(); }

    // Throws CArchiveException saying what was expected at the current offset.
    [[noreturn]] void fail(std::string_view expected) const;
    [[noreturn]] void failAt(std::uint64_t offset, std::string_view expected) const;
    // Refuses the negative element count read at offset: throws CArchiveLengthError.
    [[noreturn]] void failNegativeCount(std::uint64_t offset) const;
    // Throws CArchiveRuntimeError with exactly this message, located at offset.
    [[noreturn]] void failWithMessage(std::uint64_t offset, const std::string& message) const;

    // Counts the object records written or read (every kind's Serialize notes its record), so
    // that a saver learns how many objects it wrote without walking them again.
    void noteObjectRecord() { ++m_objectRecords; }
    std::uint64_t objectRecords() const { return m_objectRecords; }

    // False once a load failed; reading from a failed archive throws until forceValid().
    bool isValid() const { return m_valid; }
    void setValid(bool valid) { m_valid = valid; }

private:
    // Makes room for more bytes; returns where the next byte goes.
    std::byte* grow(std::size_t more);
    void resize(std::size_t capacity);
    [[noreturn]] void failShort(std::size_t wanted, const char* what) const;
    [[noreturn]] void failTooDeep(const char* name) const;

    Mode m_mode;
    // Storing. The buffer comes from malloc so that growing it is a realloc: a large buffer then
    // grows in place or by remapping its pages, not by copying everything written so far.
    struct FreeBuffer {
        void operator()(std::byte* p) const { std::free(p); }
    };
    std::unique_ptr<std::byte, FreeBuffer> m_buffer;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
    // Loading.
    std::vector<std::byte> m_owned;
    const std::byte* m_begin = nullptr;
    const std::byte* m_cursor = nullptr;
    const std::byte* m_end = nullptr;
    // File target of a storing file archive.
    std::filesystem::path m_file;
    bool m_closed = false;
    std::vector<RecordFrame> m_records;
    std::size_t m_maxRecordDepth = s_maxRecordDepth;
    std::uint64_t m_objectRecords = 0;
    mutable bool m_valid = true;
};

namespace zx {

// Pushes a record frame for the lifetime of a scope.
class RecordScope {
public:
    RecordScope(CArchive& ar, const char* name) : m_ar(ar) { m_ar.pushRecord(name); }
    ~RecordScope() { m_ar.popRecord(); }
    RecordScope(const RecordScope&) = delete;
    RecordScope& operator=(const RecordScope&) = delete;

private:
    CArchive& m_ar;
};

}  // namespace zx
