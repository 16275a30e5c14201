// CUseProfile: a stored use profile. It owns its sub-profiles; the sub-profile collection exists
// for the profile's whole life (removing the last sub-profile leaves it empty, never absent).
#pragma once

#include <memory>

#include "basetypes/IUseProfile.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CUseProfile;
using CUseProfileArray = CUniqueObjectPointerArray<IUseProfile, CUseProfile, CUseProfileID>;
using CUseProfileHandle = CBasicHandle<IUseProfile, CUseProfile>;
using CUseProfileWritableHandle = CWritableBasicHandle<IUseProfile, CUseProfile>;
using CUseProfileArrayHandle = CBasicArrayHandle<IUseProfile, CUseProfile, CUseProfileID, 0>;

class ZX_API CUseProfile : public CStored<CUseProfile, IUseProfile> {
public:
    CUseProfile();
    CUseProfile(const CUseProfile& other);
    CUseProfile& operator=(const CUseProfile& other);
    ~CUseProfile() override;

    IUseProfileConstArrayHandle getSubUseProfiles() const override;
    IUseProfileArrayHandle getSubUseProfiles() override;
    [[nodiscard]] int addSubUseProfile(const IUseProfile& profile) override;
    [[nodiscard]] bool insertSubUseProfile(const IUseProfile& profile, int index) override;
    void removeAllSubUseProfiles() override;
    [[nodiscard]] bool removeSubUseProfile(int index) override;
    [[nodiscard]] bool removeSubUseProfile(const CUseProfileID& id) override;
    [[nodiscard]] bool attachSubUseProfile(IUseProfileWritableHandle profile, int index) override;
    [[nodiscard]] IUseProfileWritableHandle detachSubUseProfile(const CUseProfileID& id) override;

private:
    std::unique_ptr<CUseProfileArray> m_subUseProfiles;
};
ZX_DECLARE_KIND(IUseProfile, CUseProfile, CUseProfileID, 0);
