// CUser: a stored user; values and record come from IUser. It owns its photo (one null pointer
// while there is none).
//
// Every constructor but the copy draws a new salt, so no two users created apart share one; the
// copy keeps its source's salt, as a copy of the same user should.
#pragma once

#include <memory>

#include "basetypes/IUser.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalImage.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CUser : public CStored<CUser, IUser> {
public:
    // Two new users differ in their salts (the conformance suite's marker).
    static constexpr bool s_newObjectsDrawFreshValues = true;

    CUser() { initialize(); }
    // A user with a login and a password (hashed under a new salt at once), a name (the login
    // when empty) and contact data; role and company are the null ID. Throws std::runtime_error
    // when the password cannot be hashed (text that is not Unicode, no memory).
    CUser(const CString& login, const CString& password, const CString& name, const CString& email,
          const CString& telephoneNumber, const CString& mobileTelephoneNumber);
    CUser(const CUser& other) : CStored<CUser, IUser>() { copyFrom(other); }
    CUser& operator=(const CUser& other) {
        copyFrom(other);
        return *this;
    }
    ~CUser() override = default;

    IGraphicalImageHandle getPhoto() const override {
        return m_photo ? m_photo->getHandle() : IGraphicalImageHandle();
    }
    void clearPhoto() override { m_photo.reset(); }

protected:
    // A new user's values, with a new salt.
    void initialize() override;
    IGraphicalImageWritableHandle getWritablePhoto() override {
        return m_photo ? m_photo->getWritableHandle() : IGraphicalImageWritableHandle();
    }
    void allocatePhoto() override {
        if (!m_photo) m_photo = std::make_unique<CGraphicalImage>();
    }

private:
    std::unique_ptr<CGraphicalImage> m_photo;
};

using CUserArray = CUniqueObjectPointerArray<IUser, CUser, CUserID>;
using CUserHandle = CBasicHandle<IUser, CUser>;
using CUserWritableHandle = CWritableBasicHandle<IUser, CUser>;
using CUserArrayHandle = CBasicArrayHandle<IUser, CUser, CUserID, 0>;
ZX_DECLARE_KIND(IUser, CUser, CUserID, 0);
