// CCryptoUtilities: salts and password hashes of the project's users (libsodium underneath, kept
// out of this header so that hosts need none of its headers).
//
// A salt is 16 bytes from the system's secure random source written as 32 lowercase hexadecimal
// digits; every call gives a new one. A password hash is Argon2id over the clear password's
// UTF-8 bytes and the salt's 16 bytes, stored as the text libsodium's crypto_pwhash_str writes:
//   $argon2id$v=19$m=<memory in KiB>,t=<passes>,p=1$<salt, base64>$<32-byte hash, base64>
// so that the algorithm, its parameters, the salt and the hash travel together, and verifying
// needs nothing but the text. The hash depends on password, salt and parameters only.
//
// Parameters: production hashing costs about 0.1 s and 64 MiB (3 passes); a test program may
// switch the process to the cheapest parameters libsodium allows with useTestHashCost(), which
// nothing in the library calls. Hashes record their parameters, so hashes made with either
// verify under both, and needsRehash() tells a host that a stored hash's parameters are not the
// current ones (to raise them at the user's next login).
//
// The clear password is never kept: its UTF-8 copy is wiped after hashing, and no message of
// this unit contains it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "basetypes/CString.h"
#include "basetypes/ZxApi.h"

class ZX_API CCryptoUtilities {
public:
    // The Argon2id cost of new hashes.
    struct HashCost {
        std::uint64_t passes;
        std::size_t memoryBytes;
    };
    static constexpr HashCost s_productionHashCost{3, 64u * 1024 * 1024};
    // Loaded hashes asking for more than this are refused by verifyPassword rather than run:
    // a hostile file must not make a login take minutes or gigabytes.
    static constexpr HashCost s_largestAcceptedHashCost{16, 1024u * 1024 * 1024};

    // A new random salt (32 hexadecimal digits). Throws std::runtime_error when the library
    // cannot be initialised.
    static CString generateSalt();
    // True for a salt of the form generateSalt gives.
    static bool isSalt(const CString& salt);

    // The hash text of clear under salt, or nothing when the salt is not of generateSalt's
    // form, the password is not valid Unicode, or hashing ran out of memory.
    static std::optional<CString> hashPassword(const CString& clear, const CString& salt);
    // Whether clear is the password of hash, compared in constant time. False for an empty or
    // malformed hash and for one whose parameters exceed s_largestAcceptedHashCost.
    static bool verifyPassword(const CString& hash, const CString& clear);
    // Whether hash was made with other parameters than the current ones (or is not a hash).
    static bool needsRehash(const CString& hash);

    // The cost of new hashes in this process.
    static HashCost currentHashCost();
    // Switches this process to the cheapest hashing libsodium allows. For test programs only,
    // which hash many passwords: never call it in a host.
    static void useTestHashCost();
};
