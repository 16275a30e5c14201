// Resource, resource group and risk assignments: the common conformance suite, the identity rule
// of the shared assignment part, group parameters keyed by resource, the assigned risk's
// pointer-held costs, and loads of damaged records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <span>
#include <vector>

#include "model3d/CGraphicalTransformDouble.h"
#include "records/CRisk.h"
#include "schedule/CAssignedResource.h"
#include "schedule/CAssignedResourceGroup.h"
#include "schedule/CAssignedRisk.h"
#include "schedule/CCost.h"
#include "schedule/CResource.h"
#include "schedule/CResourceGroup.h"
#include "schedule/CTask.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::load;
using conformance::save;

template <class ID>
ID idOf(std::uint8_t first) {
    GUID guid{};
    guid[0] = first;
    guid[15] = 0x5A;
    return ID(guid);
}

// Offset of the first occurrence of size bytes at data in bytes; bytes.size() when absent.
std::size_t findBytes(const std::vector<std::byte>& bytes, const void* data, std::size_t size) {
    const auto* needle = static_cast<const std::byte*>(data);
    const auto found = std::search(bytes.begin(), bytes.end(), needle, needle + size);
    return static_cast<std::size_t>(found - bytes.begin());
}

CGraphicalTransformDouble moved() {
    CGraphicalTransformDouble transform;
    transform.setAsTranslation(CGraphicalVectorDouble3D(12.5, -3.0, 0.25));
    return transform;
}

// Every shorter prefix of a good record must end in CArchiveException.
template <class C>
void expectEveryTruncationRefused(const std::vector<std::byte>& bytes) {
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::vector<std::byte> prefix(bytes.begin(),
                                            bytes.begin() + static_cast<std::ptrdiff_t>(length));
        const auto loadPrefix = [&prefix] {
            CZentrixArchive in{std::span<const std::byte>(prefix)};
            C object;
            object.Serialize(in);
        };
        EXPECT_THROW(loadPrefix(), CArchiveException) << "length " << length;
    }
}

// The assignment part behaves alike in both resource assignments.
template <class C>
class AssignmentPart : public ::testing::Test {};
using ResourceAssignments = ::testing::Types<CAssignedResource, CAssignedResourceGroup>;
TYPED_TEST_SUITE(AssignmentPart, ResourceAssignments);

TYPED_TEST(AssignmentPart, StartsWithoutTransformOnTheNullPath) {
    const TypeParam assignment;
    EXPECT_EQ(assignment.getTransform(), nullptr);
    EXPECT_TRUE(assignment.getPathID().isNULL());
    EXPECT_FALSE(assignment.getUseProfileID().isValid());
    EXPECT_TRUE(assignment.getUseReverseDirectionByPath().isValid());
    EXPECT_FALSE(assignment.getUseReverseDirectionByPath().getValue());
    EXPECT_FALSE(assignment.getMotionSimulationStart().isValid());
}

TYPED_TEST(AssignmentPart, IdentityTransformIsNeverStored) {
    TypeParam assignment;
    assignment.setTransform(CGraphicalTransformDouble::s_identityTransform);
    EXPECT_EQ(assignment.getTransform(), nullptr);

    assignment.setTransform(moved());
    ASSERT_NE(assignment.getTransform(), nullptr);
    EXPECT_TRUE(*assignment.getTransform() == moved());
    assignment.setTransform(CGraphicalTransformDouble());
    EXPECT_EQ(assignment.getTransform(), nullptr);

    assignment.setTransform(moved());
    assignment.clearTransform();
    EXPECT_EQ(assignment.getTransform(), nullptr);
}

TYPED_TEST(AssignmentPart, NearIdentityIsStoredByteForByte) {
    CGraphicalTransformDouble negativeZero;
    negativeZero.setAt(4, -0.0);
    CGraphicalTransformDouble nearlyOne;
    nearlyOne.setAt(10, std::nextafter(1.0, 2.0));
    for (const auto& transform : {negativeZero, nearlyOne}) {
        TypeParam assignment;
        assignment.setTransform(transform);
        ASSERT_NE(assignment.getTransform(), nullptr);
        EXPECT_EQ(std::memcmp(assignment.getTransform()->getMatrix(), transform.getMatrix(),
                              sizeof(double) * 16),
                  0);

        const auto bytes = save(assignment);
        TypeParam loaded = load<TypeParam>(bytes);
        ASSERT_NE(loaded.getTransform(), nullptr);
        EXPECT_TRUE(*loaded.getTransform() == transform);
        EXPECT_TRUE(loaded == assignment);
        EXPECT_EQ(save(loaded), bytes);
    }
}

TYPED_TEST(AssignmentPart, LoadedIdentityTransformIsDropped) {
    TypeParam assignment;
    assignment.setTransform(moved());
    auto bytes = save(assignment);
    const std::size_t at = findBytes(bytes, moved().getMatrix(), sizeof(double) * 16);
    ASSERT_LT(at, bytes.size());
    std::memcpy(bytes.data() + at, CGraphicalTransformDouble::s_identityTransform.getMatrix(),
                sizeof(double) * 16);

    const TypeParam loaded = load<TypeParam>(bytes);
    EXPECT_EQ(loaded.getTransform(), nullptr);
    EXPECT_TRUE(loaded == TypeParam());
}

TYPED_TEST(AssignmentPart, CopiesOwnTheirTransform) {
    TypeParam original;
    original.setTransform(moved());
    TypeParam copy(original);
    ASSERT_NE(copy.getTransform(), nullptr);
    EXPECT_NE(copy.getTransform(), original.getTransform());
    copy.clearTransform();
    ASSERT_NE(original.getTransform(), nullptr);
    EXPECT_TRUE(*original.getTransform() == moved());
}

TEST(AssignedResourceGroup, StartsEmptyAndKeepsFieldsApart) {
    CAssignedResourceGroup group;
    EXPECT_FALSE(group.getGroupID().isValid());
    EXPECT_FALSE(group.getUseProfileID().isValid());
    EXPECT_EQ(group.getParameters().GetSize(), 0);
    group.setGroupID(idOf<CResourceGroupID>(4));
    EXPECT_FALSE(group.getUseProfileID().isValid());
    EXPECT_TRUE(group.getGroupID() == idOf<CResourceGroupID>(4));
}

TEST(AssignedResourceGroup, ParametersAreKeyedByResource) {
    CAssignedResourceParametersArray parameters;
    CAssignedResourceParameters crane(idOf<CResourceID>(7));
    crane.setUnitsPerTime(0.5);
    EXPECT_EQ(parameters.addValue(crane), 0);
    EXPECT_EQ(parameters.addValue(CAssignedResourceParameters(idOf<CResourceID>(2))), 1);
    EXPECT_EQ(parameters.addValue(CAssignedResourceParameters(idOf<CResourceID>(7))), -1);

    CAssignedResourceGroup group;
    group.setParameters(parameters);
    EXPECT_EQ(parameters.GetSize(), 2);
    const int i = group.getParameters().findByID(idOf<CResourceID>(7));
    ASSERT_EQ(i, 0);
    EXPECT_EQ(group.getParameters().getConstReference(i).getUnitsPerTime().getValue(), 0.5);

    CAssignedResourceParametersArray replacement;
    (void)replacement.addValue(CAssignedResourceParameters(idOf<CResourceID>(9)));
    group.setParameters(std::move(replacement));
    EXPECT_EQ(group.getParameters().GetSize(), 1);
    EXPECT_EQ(group.getParameters().findByID(idOf<CResourceID>(7)), -1);
    EXPECT_EQ(group.getParameters().findByID(idOf<CResourceID>(9)), 0);
}

TEST(AssignedResourceGroup, LoadRefusesTwoParameterSetsForOneResource) {
    CAssignedResourceParametersArray parameters;
    (void)parameters.addValue(CAssignedResourceParameters(idOf<CResourceID>(1)));
    (void)parameters.addValue(CAssignedResourceParameters(idOf<CResourceID>(2)));
    CAssignedResourceGroup group;
    group.setParameters(parameters);
    group.setTransform(moved());
    auto bytes = save(group);

    const CResourceID first = idOf<CResourceID>(1), second = idOf<CResourceID>(2);
    const std::size_t at = findBytes(bytes, second.getGUID().data(), 16);
    ASSERT_LT(at, bytes.size());
    std::memcpy(bytes.data() + at, first.getGUID().data(), 16);
    CAssignedResourceGroup loaded;
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    try {
        loaded.Serialize(in);
        FAIL() << "a repeated resource was accepted";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.offset(), at);
    }
    EXPECT_EQ(loaded.getParameters().GetSize(), 0);
}

TEST(AssignedResourceGroup, EveryTruncationIsRefused) {
    CAssignedResourceGroup group;
    CAssignedResourceParametersArray parameters;
    (void)parameters.addValue(CAssignedResourceParameters(idOf<CResourceID>(1)));
    group.setParameters(std::move(parameters));
    group.setTransform(moved());
    expectEveryTruncationRefused<CAssignedResourceGroup>(save(group));
}

CCost costOf(std::uint8_t id, double amount) {
    CCost cost;
    cost.setID(idOf<CCostID>(id));
    cost.setAmount(amount);
    return cost;
}

TEST(AssignedRisk, SecondConstructorStoresRiskAndMode) {
    const CAssignedRisk risk(idOf<CRiskID>(8), RiskValueMode::Fixed);
    EXPECT_TRUE(risk.getRiskID() == idOf<CRiskID>(8));
    EXPECT_TRUE(risk.getValueMode() == RiskValueMode::Fixed);
    EXPECT_FALSE(risk.getID().isValid());
    EXPECT_TRUE(risk.getCosts().isNull());
}

TEST(AssignedRisk, PresentCostIsReplacedInPlace) {
    CAssignedRisk risk;
    EXPECT_TRUE(risk.addCost(costOf(5, 100.0)));
    EXPECT_TRUE(risk.addCost(costOf(1, 200.0)));
    EXPECT_TRUE(risk.addCost(costOf(3, 300.0)));
    EXPECT_TRUE(risk.addCost(costOf(1, 250.0)));

    const auto costs = risk.getCosts();
    ASSERT_EQ(costs.GetSize(), 3);
    EXPECT_TRUE(costs.getConstReference(1)->getID() == idOf<CCostID>(1));
    EXPECT_EQ(costs.getConstReference(1)->getAmount().getValue(), 250.0);
    EXPECT_EQ(costs.findByID(idOf<CCostID>(3)), 2);

    // Handing back the stored cost itself changes nothing.
    EXPECT_TRUE(risk.addCost(*costs.getConstReference(0)));
    EXPECT_EQ(risk.getCosts().GetSize(), 3);
    EXPECT_EQ(risk.getCosts().getConstReference(0)->getAmount().getValue(), 100.0);
}

TEST(AssignedRisk, LastRemovedCostFreesTheCollection) {
    CAssignedRisk risk;
    EXPECT_FALSE(risk.removeCost(idOf<CCostID>(1)));
    (void)risk.addCost(costOf(1, 10.0));
    (void)risk.addCost(costOf(2, 20.0));
    EXPECT_FALSE(risk.removeCost(idOf<CCostID>(9)));
    EXPECT_TRUE(risk.removeCost(idOf<CCostID>(1)));
    EXPECT_EQ(risk.getCosts().findByID(idOf<CCostID>(2)), 0);
    EXPECT_TRUE(risk.removeCost(idOf<CCostID>(2)));
    EXPECT_TRUE(risk.getCosts().isNull());
    EXPECT_EQ(risk.getCosts().GetSize(), 0);
    EXPECT_FALSE(risk.removeCost(idOf<CCostID>(2)));

    (void)risk.addCost(costOf(4, 40.0));
    risk.removeAllCosts();
    EXPECT_TRUE(risk.getCosts().isNull());
    EXPECT_TRUE(risk == CAssignedRisk());
}

TEST(AssignedRisk, CopiesOwnTheirCosts) {
    CAssignedRisk original(idOf<CRiskID>(2), RiskValueMode::Percent);
    original.setValuePercent(12.5);
    (void)original.addCost(costOf(1, 10.0));
    (void)original.addCost(costOf(2, 20.0));

    CAssignedRisk copy(original);
    EXPECT_TRUE(copy == original);
    (void)copy.addCost(costOf(1, 99.0));
    EXPECT_EQ(original.getCosts().getConstReference(0)->getAmount().getValue(), 10.0);
    copy.removeAllCosts();
    EXPECT_EQ(original.getCosts().GetSize(), 2);

    CAssignedRisk assigned;
    assigned = original;
    original.removeAllCosts();
    EXPECT_EQ(assigned.getCosts().GetSize(), 2);
    EXPECT_EQ(assigned.getValuePercent(), 12.5);
}

TEST(AssignedRisk, RoundTripsWithAndWithoutCosts) {
    CAssignedRisk risk(idOf<CRiskID>(6), RiskValueMode::Fixed);
    risk.setValueFixed(CProjectDuration(86'400'000));
    risk.setBufferID(idOf<CTaskID>(3));
    const auto bare = save(risk);
    CAssignedRisk loadedBare = load<CAssignedRisk>(bare);
    EXPECT_TRUE(loadedBare.getCosts().isNull());
    EXPECT_EQ(save(loadedBare), bare);

    (void)risk.addCost(costOf(2, 20.0));
    (void)risk.addCost(costOf(1, 10.0));
    const auto bytes = save(risk);
    CAssignedRisk loaded = load<CAssignedRisk>(bytes);
    EXPECT_TRUE(loaded == risk);
    EXPECT_TRUE(loaded.getCosts().getConstReference(0)->getID() == idOf<CCostID>(2));
    EXPECT_TRUE(loaded.getBufferID() == idOf<CTaskID>(3));
    EXPECT_EQ(save(loaded), bytes);
    expectEveryTruncationRefused<CAssignedRisk>(bytes);
}

}  // namespace
