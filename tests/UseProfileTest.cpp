// Use profiles: the sub-profile collection that exists from construction and survives its last
// removal, refused positions, ownership moves through attach and detach, deep copies and records
// of nested profiles with their appearances; spatial use profiles' defaults.
#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <vector>

#include "basetypes/CArchive.h"
#include "model3d/CSpatialUseProfile.h"
#include "model3d/CUseProfile.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::load;
using conformance::save;

CUseProfile profileNamed(const wchar_t* name) {
    CUseProfile profile;
    profile.generateIDs();
    profile.setName(name);
    return profile;
}

// Names of the sub-profiles in storage order.
std::vector<CString> subNames(const CUseProfile& profile) {
    std::vector<CString> names;
    const IUseProfileConstArrayHandle subs = profile.getSubUseProfiles();
    for (int i = 0; i < subs.GetSize(); ++i) names.push_back(subs[i]->getName().getString());
    return names;
}

// A profile with the sub-profiles "A" and "B".
CUseProfile withTwoSubProfiles() {
    CUseProfile profile = profileNamed(L"Install");
    EXPECT_EQ(profile.addSubUseProfile(profileNamed(L"A")), 0);
    EXPECT_EQ(profile.addSubUseProfile(profileNamed(L"B")), 1);
    return profile;
}

TEST(UseProfile, ANewProfileHasAnEmptySubProfileCollection) {
    CUseProfile profile;
    EXPECT_EQ(profile.getSubUseProfiles().GetSize(), 0);
    EXPECT_FALSE(profile.getIsDefaultProfile().isValid());
    EXPECT_EQ(profile.getType(), ResourceProfileType::Install);
    EXPECT_TRUE(profile.getStartAppearance() == CEntityAppearance());
    EXPECT_TRUE(profile.insertSubUseProfile(profileNamed(L"First"), 0));
    EXPECT_EQ(profile.getSubUseProfiles().GetSize(), 1);
    // Inserting past the end is refused.
    EXPECT_FALSE(profile.insertSubUseProfile(profileNamed(L"Far"), 3));
}

TEST(UseProfile, RemovingTheLastSubProfileLeavesAnEmptyCollection) {
    CUseProfile profile = profileNamed(L"Install");
    const CUseProfile only = profileNamed(L"Only");
    ASSERT_EQ(profile.addSubUseProfile(only), 0);
    EXPECT_EQ(profile.addSubUseProfile(only), -1);  // the same ID again
    EXPECT_TRUE(profile.removeSubUseProfile(only.getID()));
    EXPECT_FALSE(profile.removeSubUseProfile(only.getID()));
    const IUseProfileConstArrayHandle subs = profile.getSubUseProfiles();
    EXPECT_FALSE(subs.isNull());
    EXPECT_EQ(subs.GetSize(), 0);
    EXPECT_EQ(profile.addSubUseProfile(only), 0);
    profile.removeAllSubUseProfiles();
    EXPECT_EQ(profile.getSubUseProfiles().GetSize(), 0);
    EXPECT_TRUE(profile.insertSubUseProfile(only, 0));
}

TEST(UseProfile, RemovalByPositionRefusesOutsideTheCollectionAndKeepsLookupsRight) {
    CUseProfile profile = withTwoSubProfiles();
    const CUseProfileID second = profile.getSubUseProfiles()[1]->getID();
    EXPECT_FALSE(profile.removeSubUseProfile(5));
    EXPECT_FALSE(profile.removeSubUseProfile(2));
    EXPECT_FALSE(profile.removeSubUseProfile(-1));
    EXPECT_EQ(subNames(profile), (std::vector<CString>{L"A", L"B"}));
    EXPECT_TRUE(profile.removeSubUseProfile(0));
    EXPECT_EQ(subNames(profile), (std::vector<CString>{L"B"}));
    // The index follows the removal: the remaining profile is found by its ID.
    const IUseProfileConstArrayHandle subs = profile.getSubUseProfiles();
    const IUseProfileHandle found = subs.find(second);
    ASSERT_FALSE(found.isNull());
    EXPECT_EQ(found->getName().getString(), CString(L"B"));
}

TEST(UseProfile, AttachBeyondTheCountIsRefusedAndLeavesTheProfileWithTheCaller) {
    CUseProfile profile = withTwoSubProfiles();
    auto loose = std::make_unique<CUseProfile>(profileNamed(L"Loose"));
    EXPECT_FALSE(profile.attachSubUseProfile(loose->getWritableHandle(), 7));
    EXPECT_EQ(subNames(profile), (std::vector<CString>{L"A", L"B"}));
    // Negative: at the end; the collection now owns it.
    ASSERT_TRUE(profile.attachSubUseProfile(loose->getWritableHandle(), -1));
    const CUseProfile* attached = loose.release();
    EXPECT_EQ(subNames(profile), (std::vector<CString>{L"A", L"B", L"Loose"}));
    EXPECT_EQ(&*profile.getSubUseProfiles()[2], attached);

    // An ID already there is refused too, the profile staying with the caller.
    auto twin = std::make_unique<CUseProfile>(*attached);
    EXPECT_FALSE(profile.attachSubUseProfile(twin->getWritableHandle(), 0));
    EXPECT_EQ(profile.getSubUseProfiles().GetSize(), 3);
    EXPECT_FALSE(profile.attachSubUseProfile(IUseProfileWritableHandle(), 0));
}

TEST(UseProfile, DetachHandsTheSubProfileOverAndAttachMovesItElsewhere) {
    CUseProfile source = withTwoSubProfiles();
    CUseProfile target = profileNamed(L"Demolish");
    const CUseProfileID moved = source.getSubUseProfiles()[0]->getID();
    const IUseProfile* original = &*source.getSubUseProfiles()[0];

    EXPECT_TRUE(source.detachSubUseProfile(profileNamed(L"Absent").getID()).isNull());
    IUseProfileWritableHandle detached = source.detachSubUseProfile(moved);
    ASSERT_FALSE(detached.isNull());
    EXPECT_EQ(detached.get(), original);
    EXPECT_EQ(subNames(source), (std::vector<CString>{L"B"}));
    EXPECT_TRUE(source.getSubUseProfiles().find(moved).isNull());

    ASSERT_TRUE(target.attachSubUseProfile(detached, 0));
    EXPECT_EQ(&*target.getSubUseProfiles().find(moved), original);
}

TEST(UseProfile, CopiesAreDeepAndRecordsKeepNestedProfilesAndAppearances) {
    CUseProfile profile = withTwoSubProfiles();
    CEntityAppearance fading;
    fading.setUseOriginalTransparency(false);
    fading.setStartTransparency(10);
    fading.setFinishTransparency(90);
    profile.setActiveAppearance(fading);
    profile.setIsDefaultProfile(true);
    CUseProfile grandChild = profileNamed(L"A.1");
    grandChild.setType(ResourceProfileType::Temporary);
    CUseProfile child;
    child.copyFrom(*profile.getSubUseProfiles()[0]);
    ASSERT_TRUE(profile.removeSubUseProfile(0));
    ASSERT_EQ(child.addSubUseProfile(grandChild), 0);
    ASSERT_TRUE(profile.insertSubUseProfile(child, 0));

    const CUseProfile loaded = load<CUseProfile>(save(profile));
    EXPECT_TRUE(loaded == profile);
    EXPECT_EQ(loaded.getActiveAppearance().getTransparency(0.5), 50);
    EXPECT_EQ(loaded.getSubUseProfiles()[0]->getSubUseProfiles()[0]->getType(),
              ResourceProfileType::Temporary);

    CUseProfile copy(profile);
    copy.getSubUseProfiles().getWritableReference(0)->setName(L"Changed");
    EXPECT_EQ(subNames(profile), (std::vector<CString>{L"A", L"B"}));
    copy = profile;
    EXPECT_TRUE(copy == profile);
    copy.generateIDs();
    EXPECT_FALSE(copy.getSubUseProfiles()[0]->getSubUseProfiles()[0]->getID() ==
                 grandChild.getID());
}

TEST(UseProfile, ATruncatedRecordEndsInTheArchivesException) {
    CUseProfile profile = withTwoSubProfiles();
    std::vector<std::byte> bytes = save(profile);
    bytes.resize(bytes.size() / 2);
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    CUseProfile read;
    EXPECT_THROW(read.Serialize(in), CArchiveException);
}

TEST(SpatialUseProfile, DefaultsAndRecord) {
    CSpatialUseProfile profile;
    EXPECT_EQ(profile.getJoinTestProfileType(), JoinTestProfileType::None);
    EXPECT_TRUE(profile.getTolerance().isValid());
    EXPECT_DOUBLE_EQ(profile.getTolerance().getValue(), 0.0);
    profile.generateIDs();
    profile.setName(L"Crane clearance");
    profile.setJoinTestProfileType(JoinTestProfileType::Clearance);
    profile.setTolerance(2.5);
    const CSpatialUseProfile loaded = load<CSpatialUseProfile>(save(profile));
    EXPECT_TRUE(loaded == profile);
    EXPECT_DOUBLE_EQ(loaded.getTolerance().getValue(), 2.5);
}

}  // namespace
