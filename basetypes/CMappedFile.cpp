#include "basetypes/CMappedFile.h"

#include <sys/mman.h>

#include <cerrno>

#include "basetypes/RegularFile.h"

namespace zx {

CMappedFile::CMappedFile(const std::filesystem::path& file) {
    struct stat status {};
    const CFileDescriptor fd = openRegularFile(file, "load", status);
    if (status.st_size == 0) return;
    m_size = static_cast<std::size_t>(status.st_size);
    void* mapped = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
    if (mapped == MAP_FAILED) {
        m_size = 0;
        CFileError::raise("load", file, errno);
    }
    m_mapping = mapped;
    m_data = static_cast<const std::byte*>(mapped);
}

CMappedFile::~CMappedFile() {
    if (m_mapping) ::munmap(m_mapping, m_size);
}

}  // namespace zx
