// CSharedBytes: a byte buffer (a picture's file) that copies share instead of duplicating.
//
// Every value that holds a buffer is one reference to it, and the last one to let go deletes it
// as an array: a host hands over buffers made with new[], and the library makes its own the same
// way. The counts are atomic, so values that share a buffer may be copied, assigned and destroyed
// on several threads at once. A pointer is counted once however it arrives: the library keeps a
// registry of the buffers it holds, keyed by address, so a host that passes one value's data()
// to another value's adopt() makes the two share it rather than both owning it. A pointer must
// be alive when it is handed over: one whose last holder is letting go of it at that moment is
// already being deleted.
//
// Archive record (written to disk; must never change): uint64 byte count, then the bytes. A count
// read from a file is checked against the bytes that remain before anything is allocated.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"

class ZX_API CSharedBytes {
public:
    CSharedBytes() = default;

    std::uint64_t size() const { return m_size; }
    // The shared buffer itself (null when empty): writing through it changes every holder's
    // bytes.
    unsigned char* data() const { return m_bytes.get(); }
    // How many values hold this buffer (0 when empty).
    long useCount() const { return m_bytes.use_count(); }

    // Holds `bytes` (made with new[], or held by another value already) with `size` bytes in it.
    // A pointer other than the one held releases the old buffer first; the one held again only
    // changes the size. A null pointer leaves the value empty, whatever the size.
    void adopt(std::uint64_t size, unsigned char* bytes);
    // Lets go of the buffer: the last holder deletes it.
    void release() {
        m_bytes.reset();
        m_size = 0;
    }
    // Holds a new buffer of its own with a copy of `size` bytes from `bytes`.
    void assign(const unsigned char* bytes, std::uint64_t size);

    void Serialize(CZentrixArchive& ar);

    // Equal sizes and equal bytes (a shared buffer equals itself without a look at its bytes).
    friend bool operator==(const CSharedBytes& a, const CSharedBytes& b) {
        if (a.m_size != b.m_size) return false;
        return a.data() == b.data() || a.m_size == 0 ||
               std::memcmp(a.data(), b.data(), a.m_size) == 0;
    }

private:
    std::shared_ptr<unsigned char[]> m_bytes;
    std::uint64_t m_size = 0;
};

// The bytes as a quoted string of hexadecimal digits.
ZX_API std::string toDumpText(const CSharedBytes& bytes);
