#include "basetypes/IUser.h"

#include <optional>

#include "basetypes/CCryptoUtilities.h"

bool IUser::setPassword(const CString& clear) {
    if (clear.IsEmpty()) {
        setPasswordHash(CString());
        setVersion(getLatestVersion());
        return true;
    }
    const std::optional<CString> hash = CCryptoUtilities::hashPassword(clear, fields().salt);
    if (!hash) return false;
    setPasswordHash(*hash);
    setVersion(getLatestVersion());
    return true;
}

bool IUser::verifyPassword(const CString& clear) const {
    return hasPassword() && CCryptoUtilities::verifyPassword(fields().password, clear);
}

bool IUser::passwordNeedsRehash() const {
    return hasPassword() && CCryptoUtilities::needsRehash(fields().password);
}
