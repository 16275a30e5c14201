#include "basetypes/CMappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zx {

namespace {

[[noreturn]] void refuse(const std::filesystem::path& file, const std::string& why) {
    throw CFileOpenError("cannot read '" + file.string() + "': " + why);
}

// Closes the descriptor on every path out of the constructor; the mapping outlives it.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

CMappedFile::CMappedFile(const std::filesystem::path& file) {
    if (file.empty()) refuse(file, "no file name given");
    const Descriptor descriptor{::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (descriptor.fd < 0) refuse(file, std::strerror(errno));
    struct stat status {};
    if (::fstat(descriptor.fd, &status) != 0) refuse(file, std::strerror(errno));
    if (S_ISDIR(status.st_mode)) refuse(file, "it is a folder");
    if (!S_ISREG(status.st_mode)) refuse(file, "it is not a regular file");
    m_size = static_cast<std::size_t>(status.st_size);
    if (m_size == 0) return;
    void* mapped = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, descriptor.fd, 0);
    if (mapped == MAP_FAILED) {
        const int error = errno;
        m_size = 0;
        refuse(file, std::strerror(error));
    }
    m_mapping = mapped;
    m_data = static_cast<const std::byte*>(mapped);
}

CMappedFile::~CMappedFile() {
    if (m_mapping) ::munmap(m_mapping, m_size);
}

}  // namespace zx
