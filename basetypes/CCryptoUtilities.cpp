#include "basetypes/CCryptoUtilities.h"

#include <sodium.h>

#include <atomic>
#include <charconv>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kSaltBytes = crypto_pwhash_SALTBYTES;
constexpr std::size_t kHashBytes = 32;
static_assert(kSaltBytes == 16, "salts are 32 hexadecimal digits");

std::atomic<bool> g_testHashCost{false};

void initialiseSodium() {
    // sodium_init is safe to call from several threads; the static makes it once per process.
    static const bool ready = sodium_init() >= 0;
    if (!ready) throw std::runtime_error("the cryptography library could not be initialised");
}

// The clear password's UTF-8 bytes, in a buffer that is wiped when it goes. Reserved whole up
// front so that growing it leaves no copy behind.
class SecretBytes {
public:
    // One byte more, so that even an empty password has a buffer to point at.
    explicit SecretBytes(std::size_t capacity) { m_bytes.reserve(capacity + 1); }
    ~SecretBytes() {
        if (!m_bytes.empty()) sodium_memzero(m_bytes.data(), m_bytes.size());
    }
    SecretBytes(const SecretBytes&) = delete;
    SecretBytes& operator=(const SecretBytes&) = delete;

    void push(unsigned char byte) { m_bytes.push_back(static_cast<char>(byte)); }
    const char* data() const { return m_bytes.data(); }
    std::size_t size() const { return m_bytes.size(); }

private:
    std::vector<char> m_bytes;
};

// False when the text holds a surrogate or a value beyond U+10FFFF, which no typed password
// holds and which UTF-8 cannot carry unchanged.
bool encodeUtf8(const CString& text, SecretBytes& out) {
    for (const wchar_t wc : text.view()) {
        const auto cp = static_cast<std::uint32_t>(wc);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        if (cp < 0x80) {
            out.push(static_cast<unsigned char>(cp));
        } else if (cp < 0x800) {
            out.push(static_cast<unsigned char>(0xC0 | (cp >> 6)));
            out.push(static_cast<unsigned char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push(static_cast<unsigned char>(0xE0 | (cp >> 12)));
            out.push(static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push(static_cast<unsigned char>(0x80 | (cp & 0x3F)));
        } else {
            out.push(static_cast<unsigned char>(0xF0 | (cp >> 18)));
            out.push(static_cast<unsigned char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push(static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push(static_cast<unsigned char>(0x80 | (cp & 0x3F)));
        }
    }
    return true;
}

bool isLowerHex(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f'); }

std::string base64(const unsigned char* bytes, std::size_t size) {
    constexpr int variant = sodium_base64_VARIANT_ORIGINAL_NO_PADDING;
    std::string text(sodium_base64_ENCODED_LEN(size, variant), '\0');
    sodium_bin2base64(text.data(), text.size(), bytes, size, variant);
    text.resize(std::strlen(text.c_str()));
    return text;
}

// The hash text as libsodium reads it: ASCII, shorter than crypto_pwhash_STRBYTES, in a
// zero-filled buffer of that size (its functions take such an array).
bool hashBuffer(const CString& hash, char (&buffer)[crypto_pwhash_STRBYTES]) {
    const std::wstring_view text = hash.view();
    if (text.empty() || text.size() >= sizeof buffer) return false;
    std::memset(buffer, 0, sizeof buffer);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] <= 0 || text[i] >= 0x7F) return false;
        buffer[i] = static_cast<char>(text[i]);
    }
    return true;
}

// Reads "<key>=<number>" at text's start and what follows it; false on anything else.
bool readParameter(std::string_view& text, std::string_view key, std::uint64_t& value) {
    if (!text.starts_with(key) || text.size() <= key.size() || text[key.size()] != '=')
        return false;
    text.remove_prefix(key.size() + 1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

// Whether the hash's parameters stay within what a login may cost.
bool withinAcceptedCost(std::string_view text) {
    constexpr std::string_view prefix = "$argon2id$v=19$";
    if (!text.starts_with(prefix)) return false;
    text.remove_prefix(prefix.size());
    std::uint64_t memoryKiB = 0, passes = 0, lanes = 0;
    if (!readParameter(text, "m", memoryKiB) || !text.starts_with(',')) return false;
    text.remove_prefix(1);
    if (!readParameter(text, "t", passes) || !text.starts_with(',')) return false;
    text.remove_prefix(1);
    if (!readParameter(text, "p", lanes) || !text.starts_with('$')) return false;
    const auto& most = CCryptoUtilities::s_largestAcceptedHashCost;
    return lanes == 1 && passes <= most.passes && memoryKiB <= most.memoryBytes / 1024;
}

}  // namespace

CString CCryptoUtilities::generateSalt() {
    initialiseSodium();
    unsigned char bytes[kSaltBytes];
    randombytes_buf(bytes, sizeof bytes);
    char hex[2 * kSaltBytes + 1];
    sodium_bin2hex(hex, sizeof hex, bytes, sizeof bytes);
    return CString::fromUtf8(hex);
}

bool CCryptoUtilities::isSalt(const CString& salt) {
    const std::wstring_view text = salt.view();
    if (text.size() != 2 * kSaltBytes) return false;
    for (const wchar_t c : text)
        if (!isLowerHex(c)) return false;
    return true;
}

std::optional<CString> CCryptoUtilities::hashPassword(const CString& clear, const CString& salt) {
    if (!isSalt(salt)) return std::nullopt;
    initialiseSodium();
    unsigned char saltBytes[kSaltBytes];
    const std::string saltText = salt.toUtf8();
    if (sodium_hex2bin(saltBytes, sizeof saltBytes, saltText.data(), saltText.size(), nullptr,
                       nullptr, nullptr) != 0)
        return std::nullopt;
    SecretBytes password(4 * static_cast<std::size_t>(clear.GetLength()));
    if (!encodeUtf8(clear, password)) return std::nullopt;
    const HashCost cost = currentHashCost();
    unsigned char hash[kHashBytes];
    if (crypto_pwhash(hash, sizeof hash, password.data(), password.size(), saltBytes, cost.passes,
                      cost.memoryBytes, crypto_pwhash_ALG_ARGON2ID13) != 0)
        return std::nullopt;
    const std::string text = "$argon2id$v=19$m=" + std::to_string(cost.memoryBytes / 1024) +
                             ",t=" + std::to_string(cost.passes) + ",p=1$" +
                             base64(saltBytes, sizeof saltBytes) + '$' + base64(hash, sizeof hash);
    sodium_memzero(hash, sizeof hash);
    return CString::fromUtf8(text);
}

bool CCryptoUtilities::verifyPassword(const CString& hash, const CString& clear) {
    char buffer[crypto_pwhash_STRBYTES];
    if (!hashBuffer(hash, buffer) || !withinAcceptedCost(buffer)) return false;
    initialiseSodium();
    SecretBytes password(4 * static_cast<std::size_t>(clear.GetLength()));
    if (!encodeUtf8(clear, password)) return false;
    return crypto_pwhash_str_verify(buffer, password.data(), password.size()) == 0;
}

bool CCryptoUtilities::needsRehash(const CString& hash) {
    char buffer[crypto_pwhash_STRBYTES];
    if (!hashBuffer(hash, buffer)) return true;
    initialiseSodium();
    const HashCost cost = currentHashCost();
    return crypto_pwhash_str_needs_rehash(buffer, cost.passes, cost.memoryBytes) != 0;
}

CCryptoUtilities::HashCost CCryptoUtilities::currentHashCost() {
    if (g_testHashCost.load(std::memory_order_relaxed))
        return {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN};
    return s_productionHashCost;
}

void CCryptoUtilities::useTestHashCost() { g_testHashCost.store(true, std::memory_order_relaxed); }
