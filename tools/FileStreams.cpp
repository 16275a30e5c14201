#include "FileStreams.h"

#include <cstddef>

namespace zxtool {

MappedFileReader::Buffer::Buffer(std::span<const std::byte> bytes) {
    // std::streambuf takes a mutable get area, though nothing here writes to it (see the header).
    char* begin = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
    setg(begin, begin, begin + bytes.size());
}

MappedFileReader::MappedFileReader(const std::filesystem::path& file)
    : m_file(file), m_buffer(m_file.bytes()), m_stream(&m_buffer) {}

AtomicFileStream::Buffer::Buffer(zx::CAtomicFileWriter& writer) : m_writer(writer) {
    setp(m_block.data(), m_block.data() + m_block.size());
}

void AtomicFileStream::Buffer::flushBlock() {
    const auto size = static_cast<std::size_t>(pptr() - pbase());
    if (size != 0) m_writer.write(std::as_bytes(std::span<const char>(pbase(), size)));
    setp(m_block.data(), m_block.data() + m_block.size());
}

AtomicFileStream::Buffer::int_type AtomicFileStream::Buffer::overflow(int_type c) {
    flushBlock();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int AtomicFileStream::Buffer::sync() {
    flushBlock();
    return 0;
}

AtomicFileStream::AtomicFileStream(const std::filesystem::path& file)
    : m_writer(file), m_buffer(m_writer), m_stream(&m_buffer) {
    // The writer's own error (naming the file and the system's reason) reaches the caller
    // instead of a bare failed-stream state.
    m_stream.exceptions(std::ios::badbit);
}

void AtomicFileStream::commit() {
    m_stream.flush();
    m_buffer.flushBlock();
    m_writer.commit();
}

}  // namespace zxtool
