// IUser: a person who works on the project: login, password hash and salt, contact data, role,
// company, personal permissions and an optional photo (owned).
//
// The clear password is never stored: setPassword turns it into the Argon2id hash text of
// CCryptoUtilities under the user's salt, and verifyPassword checks a clear password against it.
// Hash and salt are secrets: dumps and the tools print them as "<redacted>". A user's salt is
// fixed when the user is created (the concrete class draws a new one) and changes only through
// setSalt or a copy; loading restores salt and hash as stored.
//
// Version is the version of the user's password scheme: getLatestVersion() (1, Argon2id hash
// text) for every user this library creates or gives a password to.
//
// Archive record: the fields in description order; the photo as a presence byte and, when
// present, the image's record.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CZentrixPermissions.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IGraphicalImage.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IUser : public IDescribed<IUser> {
public:
    static constexpr const char* s_kindName = "User";
    static constexpr int s_latestVersion = 1;

    struct Fields {
        CUserID id;
        CProjectString name;
        CProjectString login;
        CProjectString password;
        CProjectString email;
        CProjectString telephoneNumber;
        CProjectString mobileTelephoneNumber;
        CRoleID roleID;
        CCompanyID companyID;
        CZentrixPermissions permissions;
        CProjectBool ldapProperty = false;
        CProjectBool isVisible = true;
        CProjectString salt;
        CProjectInt version = s_latestVersion;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Login", &Fields::login);
        v.field("Password", &Fields::password, {.secret = true});
        v.field("Email", &Fields::email);
        v.field("TelephoneNumber", &Fields::telephoneNumber);
        v.field("MobileTelephoneNumber", &Fields::mobileTelephoneNumber);
        v.field("RoleID", &Fields::roleID);
        v.field("CompanyID", &Fields::companyID);
        v.field("Permissions", &Fields::permissions);
        v.field("LdapProperty", &Fields::ldapProperty);
        v.optionalPart("Photo", &IUser::getPhoto, &IUser::getWritablePhoto, &IUser::allocatePhoto,
                       &IUser::clearPhoto);
        v.field("IsVisible", &Fields::isVisible);
        v.field("Salt", &Fields::salt, {.secret = true});
        v.field("Version", &Fields::version);
    }

    static constexpr int getLatestVersion() { return s_latestVersion; }

    const CUserID& getID() const { return fields().id; }
    void setID(const CUserID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectString& getLogin() const { return fields().login; }
    void setLogin(const CString& login) { fields().login = login; }
    // The password hash (empty when the user has no password).
    const CProjectString& getPassword() const { return fields().password; }
    const CProjectString& getSalt() const { return fields().salt; }
    void setSalt(const CString& salt) { fields().salt = salt; }
    const CProjectString& getEmail() const { return fields().email; }
    void setEmail(const CString& email) { fields().email = email; }
    const CProjectString& getTelephoneNumber() const { return fields().telephoneNumber; }
    void setTelephoneNumber(const CString& number) { fields().telephoneNumber = number; }
    const CProjectString& getMobileTelephoneNumber() const {
        return fields().mobileTelephoneNumber;
    }
    void setMobileTelephoneNumber(const CString& number) {
        fields().mobileTelephoneNumber = number;
    }
    const CRoleID& getRoleID() const { return fields().roleID; }
    void setRoleID(const CRoleID& id) { fields().roleID = id; }
    const CCompanyID& getCompanyID() const { return fields().companyID; }
    void setCompanyID(const CCompanyID& id) { fields().companyID = id; }
    const CZentrixPermissions& getPermissions() const { return fields().permissions; }
    void setPermissions(const CZentrixPermissions& permissions) {
        fields().permissions = permissions;
    }
    const CProjectBool& getLdapProperty() const { return fields().ldapProperty; }
    void setLdapProperty(const CProjectBool& value) { fields().ldapProperty = value; }
    const CProjectBool& getIsVisible() const { return fields().isVisible; }
    void setIsVisible(const CProjectBool& value) { fields().isVisible = value; }
    int getVersion() const { return fields().version.getValue(); }
    void setVersion(int version) { fields().version = version; }

    // Stores the hash of clear under the user's salt and marks the user's version the latest;
    // an empty clear password removes the password (no password verifies then). False, with
    // hash and version unchanged, when the salt is not one CCryptoUtilities::generateSalt gives,
    // the password is not valid Unicode, or hashing ran out of memory.
    [[nodiscard]] bool setPassword(const CString& clear);
    // Whether clear is the user's password, compared in constant time; false without a password.
    bool verifyPassword(const CString& clear) const;
    bool hasPassword() const { return !fields().password.IsEmpty(); }
    // Whether the stored hash was made with other parameters than new hashes get: the host may
    // call setPassword again after a successful login to raise them.
    bool passwordNeedsRehash() const;

    // The photo: null handles while there is none. setPhoto copies the image in (creating the
    // photo when absent); clearPhoto deletes it.
    virtual IGraphicalImageHandle getPhoto() const = 0;
    void setPhoto(const IGraphicalImage& image) {
        allocatePhoto();
        getWritablePhoto()->copyFrom(image);
    }
    virtual void clearPhoto() = 0;

protected:
    friend IDescribed<IUser>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    // The one way a hash reaches the user: a plain assignment of the hash text.
    void setPasswordHash(const CString& hash) { fields().password = hash; }

    CUserID& getWritableID() { return fields().id; }
    CProjectString& getWritableName() { return fields().name; }
    CProjectString& getWritableLogin() { return fields().login; }
    CProjectString& getWritablePassword() { return fields().password; }
    CProjectString& getWritableEmail() { return fields().email; }
    CProjectString& getWritableTelephoneNumber() { return fields().telephoneNumber; }
    CProjectString& getWritableMobileTelephoneNumber() { return fields().mobileTelephoneNumber; }
    CRoleID& getWritableRoleID() { return fields().roleID; }
    CCompanyID& getWritableCompanyID() { return fields().companyID; }
    CZentrixPermissions& getWritablePermissions() { return fields().permissions; }
    CProjectBool& getWritableLdapProperty() { return fields().ldapProperty; }
    virtual IGraphicalImageWritableHandle getWritablePhoto() = 0;
    CProjectBool& getWritableIsVisible() { return fields().isVisible; }
    CProjectString& getWritableSalt() { return fields().salt; }
    CProjectInt& getWritableVersion() { return fields().version; }
    // Creates an empty photo when there is none.
    virtual void allocatePhoto() = 0;
};

using IUserHandle = CWrapperHandle<IUser>;
using IUserWritableHandle = CWritableWrapperHandle<IUser>;
using IUserArrayHandle = CWrapperArrayHandle<IUser, CUserID, 0>;
using IUserConstArrayHandle = CConstWrapperArrayHandle<IUser, CUserID, 0>;
ZX_DECLARE_INTERFACE(IUser, CUserID, 0);
