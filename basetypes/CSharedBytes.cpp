// CSharedBytes: the registry that counts each buffer once, and the record.
#include "basetypes/CSharedBytes.h"

#include <cstring>
#include <mutex>
#include <unordered_map>

#include "basetypes/DumpText.h"

namespace {

// The buffers values hold, by address. An entry lives as long as its buffer: the deleter of the
// last reference removes it before the bytes go. The lock is recursive because a registration
// that fails (out of memory) runs that deleter while the registering thread holds it.
struct Registry {
    std::recursive_mutex mutex;
    std::unordered_map<const unsigned char*, std::weak_ptr<unsigned char[]>> buffers;
};

// Never destroyed: a value held by a static object may let go of its buffer after every other
// static of the library has gone.
Registry& registry() {
    union Holder {
        Registry registry;
        Holder() : registry() {}
        ~Holder() {}
    };
    static Holder holder;
    return holder.registry;
}

struct DeleteBuffer {
    void operator()(unsigned char* bytes) const {
        Registry& known = registry();
        {
            const std::scoped_lock lock(known.mutex);
            const auto entry = known.buffers.find(bytes);
            // A pointer handed over again after this buffer's count reached zero has an entry of
            // its own, which stays.
            if (entry != known.buffers.end() && entry->second.expired()) known.buffers.erase(entry);
        }
        delete[] bytes;
    }
};

// The one counted reference to `bytes` that every value holding it shares.
std::shared_ptr<unsigned char[]> share(unsigned char* bytes) {
    Registry& known = registry();
    const std::scoped_lock lock(known.mutex);
    if (const auto entry = known.buffers.find(bytes); entry != known.buffers.end())
        if (std::shared_ptr<unsigned char[]> held = entry->second.lock()) return held;
    std::shared_ptr<unsigned char[]> held(bytes, DeleteBuffer{});
    known.buffers.insert_or_assign(bytes, held);
    return held;
}

}  // namespace

void CSharedBytes::adopt(std::uint64_t size, unsigned char* bytes) {
    if (!bytes) {
        release();
        return;
    }
    if (bytes != m_bytes.get()) m_bytes = share(bytes);
    m_size = size;
}

void CSharedBytes::assign(const unsigned char* bytes, std::uint64_t size) {
    if (size == 0) {
        release();
        return;
    }
    auto copy = std::make_unique_for_overwrite<unsigned char[]>(size);
    std::memcpy(copy.get(), bytes, size);
    m_bytes = share(copy.release());
    m_size = size;
}

void CSharedBytes::Serialize(CZentrixArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_size;
        if (m_size > 0) ar.Write(m_bytes.get(), m_size);
        return;
    }
    const std::uint64_t sizeOffset = ar.position();
    std::uint64_t size = 0;
    ar >> size;
    if (size > ar.remaining())
        ar.failAt(sizeOffset, "a byte count that the remaining bytes can hold");
    if (size == 0) {
        release();
        return;
    }
    auto loaded = std::make_unique_for_overwrite<unsigned char[]>(size);
    ar.readExact(loaded.get(), size, "image bytes");
    m_bytes = share(loaded.release());
    m_size = size;
}

std::string toDumpText(const CSharedBytes& bytes) {
    return zx::hexQuote(bytes.data(), bytes.size());
}
