#include "basetypes/CIDBase.h"

#include <pthread.h>
#include <sys/random.h>

#include <atomic>
#include <cerrno>
#include <stdexcept>
#include <system_error>

namespace {
constexpr GUID filled(std::uint8_t byte) {
    GUID guid{};
    for (auto& b : guid) b = byte;
    return guid;
}

// How many forks this process is the child of. A forked child starts with a copy of its
// parent's pools, random bytes drawn ahead included; its parent (and every sibling) goes on to use
// those same bytes, so a pool filled under an older count is thrown away.
std::atomic<unsigned> g_forks{0};

void countFork() { g_forks.fetch_add(1, std::memory_order_relaxed); }

// Registers countFork to run in the child of every later fork; safe to call again.
void watchForks() {
    static const bool registered = pthread_atfork(nullptr, nullptr, &countFork) == 0;
    if (!registered) throw std::system_error(ENOMEM, std::generic_category(), "pthread_atfork");
}

// Random bytes from the kernel, fetched a page at a time: one system call serves 256 IDs.
class RandomPool {
public:
    void take(std::uint8_t* out, std::size_t size) {
        const unsigned forks = g_forks.load(std::memory_order_relaxed);
        if (forks != m_forks) {
            m_forks = forks;
            m_used = sizeof m_bytes;
        }
        if (m_used + size > sizeof m_bytes) refill();
        std::memcpy(out, m_bytes + m_used, size);
        m_used += size;
    }

private:
    void refill() {
        std::size_t got = 0;
        while (got < sizeof m_bytes) {
            const ssize_t n = getrandom(m_bytes + got, sizeof m_bytes - got, 0);
            if (n < 0) {
                if (errno == EINTR) continue;
                throw std::system_error(errno, std::generic_category(), "getrandom");
            }
            got += static_cast<std::size_t>(n);
        }
        m_used = 0;
    }

    std::uint8_t m_bytes[4096];
    std::size_t m_used = sizeof m_bytes;
    unsigned m_forks = 0;
};

int hexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}
}  // namespace

const GUID CIDBase::s_invalidData = filled(0xAD);
const GUID CIDBase::s_nullGUID = filled(0x00);

CIDBase CIDBase::generate() {
    watchForks();
    thread_local RandomPool pool;
    GUID guid;
    do {
        pool.take(guid.data(), guid.size());
        // Mark it as a random (version 4, variant 1) GUID.
        guid[6] = static_cast<std::uint8_t>((guid[6] & 0x0F) | 0x40);
        guid[8] = static_cast<std::uint8_t>((guid[8] & 0x3F) | 0x80);
    } while (guid == s_invalidData || guid == s_nullGUID);
    return CIDBase(guid);
}

bool CIDBase::setGUID(const CString& text) {
    std::wstring_view s = text.view();
    if (s.size() == 38 && s.front() == L'{' && s.back() == L'}') s = s.substr(1, 36);
    if (s.size() != 36) return false;
    GUID guid{};
    std::size_t byte = 0;
    for (std::size_t i = 0; i < s.size();) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (s[i] != L'-') return false;
            ++i;
            continue;
        }
        const int hi = hexDigit(s[i]), lo = hexDigit(s[i + 1]);
        if (hi < 0 || lo < 0) return false;
        guid[byte++] = static_cast<std::uint8_t>(hi * 16 + lo);
        i += 2;
    }
    m_guid = guid;
    return true;
}

CString CIDBase::toString() const {
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring text;
    text.reserve(36);
    for (std::size_t i = 0; i < m_guid.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text.push_back(L'-');
        text.push_back(kDigits[m_guid[i] >> 4]);
        text.push_back(kDigits[m_guid[i] & 0xF]);
    }
    return CString(std::move(text));
}

std::string toDumpText(const CIDBase& id) {
    if (!id.isValid()) return "\"unset\"";
    if (id.isNULL()) return "\"null\"";
    return '"' + id.toString().toUtf8() + '"';
}
