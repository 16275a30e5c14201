// CUser: construction, and the one place its templates are compiled.
#include "access/CUser.h"

#include <stdexcept>

#include "basetypes/CCryptoUtilities.h"

CUser::CUser(const CString& login, const CString& password, const CString& name,
             const CString& email, const CString& telephoneNumber,
             const CString& mobileTelephoneNumber) {
    IDescribed<IUser>::initialize();
    setLogin(login);
    setSalt(CCryptoUtilities::generateSalt());
    setVersion(getLatestVersion());
    // The message names no part of the password.
    if (!setPassword(password))
        throw std::runtime_error("the new user's password cannot be hashed");
    setName(name.IsEmpty() ? login : name);
    setEmail(email);
    setTelephoneNumber(telephoneNumber);
    setMobileTelephoneNumber(mobileTelephoneNumber);
    setRoleID(CRoleID(CIDBase::getNullGUID()));
    setCompanyID(CCompanyID(CIDBase::getNullGUID()));
    setLdapProperty(false);
    setIsVisible(true);
}

void CUser::initialize() {
    IDescribed<IUser>::initialize();
    setSalt(CCryptoUtilities::generateSalt());
}

ZX_INSTANTIATE_KIND(IUser, CUser, CUserID, 0);
