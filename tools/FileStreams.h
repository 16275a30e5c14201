// FileStreams: standard streams over the store's file layer, for the command's JSON files.
//
// MappedFileReader reads a file as zx::CMappedFile does: regular files only (a FIFO cannot block
// it, a folder is refused with a clear error) and mapped, so reading a large JSON project keeps
// no second copy of it. AtomicFileStream replaces a file as zx::CAtomicFileWriter does: the old
// file stays whole until commit() has put every new byte on disk, and a stream that was never
// committed leaves no trace. Both throw zx::CFileError naming the file; a failed write surfaces as
// that error from the output operation itself.
#pragma once

#include <array>
#include <filesystem>
#include <istream>
#include <ostream>
#include <span>
#include <streambuf>

#include "basetypes/CAtomicFileWriter.h"
#include "basetypes/CMappedFile.h"

namespace zxtool {

class MappedFileReader {
public:
    explicit MappedFileReader(const std::filesystem::path& file);
    MappedFileReader(const MappedFileReader&) = delete;
    MappedFileReader& operator=(const MappedFileReader&) = delete;

    std::istream& stream() { return m_stream; }

private:
    // A get area over the mapped bytes. The stream only reads through it: a putback of a
    // different character fails instead of writing.
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(std::span<const std::byte> bytes);
    };

    zx::CMappedFile m_file;
    Buffer m_buffer;
    std::istream m_stream;
};

class AtomicFileStream {
public:
    explicit AtomicFileStream(const std::filesystem::path& file);
    AtomicFileStream(const AtomicFileStream&) = delete;
    AtomicFileStream& operator=(const AtomicFileStream&) = delete;

    std::ostream& stream() { return m_stream; }
    // Writes what is buffered and swaps the new file in.
    void commit();

private:
    // Gathers output in blocks and hands each to the writer.
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(zx::CAtomicFileWriter& writer);
        void flushBlock();

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        zx::CAtomicFileWriter& m_writer;
        std::array<char, 1 << 16> m_block;
    };

    zx::CAtomicFileWriter m_writer;
    Buffer m_buffer;
    std::ostream m_stream;
};

}  // namespace zxtool
