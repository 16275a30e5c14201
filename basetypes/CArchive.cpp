#include "basetypes/CArchive.h"

#include <algorithm>
#include <new>
#include <sstream>

#include "basetypes/CAtomicFileWriter.h"

CArchiveException::CArchiveException(const std::string& message, std::uint64_t offset,
                                     std::string record)
    : std::runtime_error(message), m_offset(offset), m_record(std::move(record)) {}

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(std::span<const std::byte> bytes)
    : m_mode(load),
      m_begin(bytes.data()),
      m_cursor(bytes.data()),
      m_end(bytes.data() + bytes.size()) {}

CArchive::CArchive(std::vector<std::byte> bytes) : m_mode(load), m_owned(std::move(bytes)) {
    m_begin = m_cursor = m_owned.data();
    m_end = m_begin + m_owned.size();
}

CArchive::CArchive(const std::filesystem::path& file, Mode mode) : m_mode(mode), m_file(file) {
    if (mode == store) return;
    try {
        m_owned = zx::readRegularFile(file);
    } catch (const zx::CFileError& error) {
        throw CArchiveException(error.what(), 0, "");
    }
    m_begin = m_cursor = m_owned.data();
    m_end = m_begin + m_owned.size();
}

CArchive::~CArchive() = default;

std::size_t CArchive::Read(void* data, std::size_t size) {
    const auto n = std::min(size, static_cast<std::size_t>(m_end - m_cursor));
    if (n != 0) std::memcpy(data, m_cursor, n);
    m_cursor += n;
    return n;
}

void CArchive::skip(std::uint64_t bytes, const char* what) {
    if (remaining() < bytes) failShort(static_cast<std::size_t>(bytes), what);
    m_cursor += bytes;
}

void CArchive::Abort() { fail("archive aborted"); }

void CArchive::Close() {
    if (m_mode != store || m_file.empty() || m_closed) return;
    // A store that failed part-way holds a truncated record: the old file stays.
    if (!m_valid) fail("a complete store (an earlier write failed) before writing the file");
    try {
        zx::CAtomicFileWriter writer(m_file);
        writer.write(storedBytes());
        writer.commit();
    } catch (const zx::CFileError& error) {
        throw CArchiveException(error.what(), m_size, "");
    }
    m_closed = true;
}

std::vector<std::byte> CArchive::takeStoredBytes() {
    std::vector<std::byte> out(m_buffer.get(), m_buffer.get() + m_size);
    m_buffer.reset();
    m_size = m_capacity = 0;
    return out;
}

void CArchive::patch(std::uint64_t offset, const void* data, std::size_t size) {
    if (offset + size > m_size) failAt(offset, "a patch inside the written data");
    std::memcpy(m_buffer.get() + offset, data, size);
}

std::byte* CArchive::grow(std::size_t more) {
    const std::size_t wanted = m_size + more;
    std::size_t capacity = std::max<std::size_t>(m_capacity * 2, 4096);
    while (capacity < wanted) capacity *= 2;
    resize(capacity);
    return m_buffer.get() + m_size;
}

void CArchive::resize(std::size_t capacity) {
    auto* bigger = static_cast<std::byte*>(std::realloc(m_buffer.get(), capacity));
    if (!bigger) throw std::bad_alloc();
    (void)m_buffer.release();  // realloc took the old block
    m_buffer.reset(bigger);
    m_capacity = capacity;
}

std::string CArchive::recordPath() const {
    // A deep path keeps its outermost and innermost records only: those say where the failure
    // is, and the message stays one readable line.
    constexpr std::size_t kOuter = 3, kInner = 5;
    const bool cut = m_records.size() > kOuter + kInner + 1;
    std::string path;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (cut && i == kOuter) {
            const std::size_t skipped = m_records.size() - kOuter - kInner;
            path += "/(" + std::to_string(skipped) + " records)";
            i += skipped - 1;
            continue;
        }
        const RecordFrame& frame = m_records[i];
        if (!path.empty()) path += '/';
        path += frame.name;
        if (frame.index >= 0) path += '[' + std::to_string(frame.index) + ']';
        if (frame.field) {
            path += '.';
            path += frame.field;
        }
    }
    return path;
}

void CArchive::fail(std::string_view expected) const { failAt(position(), expected); }

void CArchive::failAt(std::uint64_t offset, std::string_view expected) const {
    m_valid = false;
    const std::string record = recordPath();
    std::ostringstream message;
    message << expected;
    if (!record.empty()) message << " in " << record;
    message << " at byte " << offset;
    throw CArchiveException(message.str(), offset, record);
}

void CArchive::failNegativeCount(std::uint64_t offset) const {
    m_valid = false;
    throw CArchiveLengthError("vector too long", offset, recordPath());
}

void CArchive::failWithMessage(std::uint64_t offset, const std::string& message) const {
    m_valid = false;
    throw CArchiveRuntimeError(message, offset, recordPath());
}

void CArchive::failTooDeep(const char* name) const {
    std::string message;
    if (IsStoring()) {
        // The loader would refuse the record, so it is not written: whatever saves, loads.
        message = "cannot store records nested more than ";
        message += std::to_string(m_maxRecordDepth);
        message += " deep: \"";
        message += name;
        message += "\" would go below them";
    } else {
        message = "expected records nested at most ";
        message += std::to_string(m_maxRecordDepth);
        message += " deep, found \"";
        message += name;
        message += "\" below them";
    }
    fail(message);
}

void CArchive::failShort(std::size_t wanted, const char* what) const {
    std::ostringstream message;
    message << "expected " << wanted << " byte" << (wanted == 1 ? "" : "s") << " for " << what
            << ", " << remaining() << " remain";
    fail(message.str());
}
