// Rules: beyond the conformance suite, the sub-rule tree's life cycle (the collection exists only
// while it has entries), the order in which a recursive removal searches, ownership moves by
// identity, the effective rates' refusals and storage order, and damaged records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "basetypes/CRuleRate.h"
#include "schedule/CRule.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::load;
using conformance::save;

CRule coded(const wchar_t* code) {
    CRule rule;
    rule.generateIDs();
    rule.setRuleCode(code);
    return rule;
}

CRuleID freshID() {
    CRuleID id;
    id.generateInPlace();
    return id;
}

// Owns a rule that a detach handed out, as the caller of detach must.
std::unique_ptr<IRule> adopt(const IRuleWritableHandle& handle) {
    return std::unique_ptr<IRule>(handle.isNull() ? nullptr : &*handle);
}

// Root R with the direct sub-rules A (holding X) and B.
struct RuleTree {
    CRule root = coded(L"R");
    CRuleID a, b, x;

    RuleTree() {
        CRule childA = coded(L"A");
        const CRule grandchild = coded(L"X");
        x = grandchild.getID();
        EXPECT_FALSE(childA.addSubRule(grandchild, -1).isNull());
        a = childA.getID();
        const CRule childB = coded(L"B");
        b = childB.getID();
        EXPECT_FALSE(root.addSubRule(childA, -1).isNull());
        EXPECT_FALSE(root.addSubRule(childB, -1).isNull());
    }
    IRuleHandle child(const CRuleID& id) const { return root.getSubRules().find(id); }
};

TEST(Rule, NewRuleHasItsDefaultsAndNoSubRuleCollection) {
    CRule rule;
    EXPECT_FALSE(rule.getID().isValid());
    EXPECT_TRUE(rule.getRuleCode().IsEmpty());
    EXPECT_TRUE(rule.getRate().isValid()) << "the rate starts as a set 0.0";
    EXPECT_EQ(rule.getRate().getValue(), 0.0);
    EXPECT_EQ(rule.getUnit().toInt(), 0);
    EXPECT_EQ(rule.getEffectiveRates().GetSize(), 0);

    EXPECT_TRUE(rule.getSubRules().isNull());
    EXPECT_EQ(rule.getSubRules().GetSize(), 0);
    EXPECT_FALSE(rule.removeSubRule(freshID(), true));
    EXPECT_FALSE(rule.removeSubRule(freshID(), false));
    EXPECT_TRUE(rule.detach(freshID()).isNull());
}

TEST(Rule, AddSubRuleStoresACopyAndHandsOutAHandleOnIt) {
    CRule rule = coded(L"R");
    CRule first = coded(L"first");
    const IRuleHandle stored = rule.addSubRule(first, -1);
    ASSERT_FALSE(stored.isNull());
    EXPECT_EQ(stored.get(), rule.getSubRules().getConstReference(0).get());
    EXPECT_NE(stored.get(), &first);
    first.setRuleCode(L"changed afterwards");
    EXPECT_EQ(stored->getRuleCode(), CProjectString(L"first"));

    // 0 inserts in front; the count itself appends.
    const CRule front = coded(L"front"), back = coded(L"back");
    EXPECT_EQ(rule.addSubRule(front, 0)->getID(), front.getID());
    EXPECT_EQ(rule.addSubRule(back, 2)->getID(), back.getID());
    const auto subRules = rule.getSubRules();
    ASSERT_EQ(subRules.GetSize(), 3);
    EXPECT_EQ(subRules[0]->getID(), front.getID());
    EXPECT_EQ(subRules[1]->getID(), first.getID());
    EXPECT_EQ(subRules[2]->getID(), back.getID());

    EXPECT_TRUE(rule.addSubRule(first, -1).isNull()) << "an ID already present";
    EXPECT_TRUE(rule.addSubRule(coded(L"far"), 4).isNull()) << "an index above the count";
    EXPECT_EQ(rule.getSubRules().GetSize(), 3);

    CRule leaf = coded(L"leaf");
    EXPECT_TRUE(leaf.addSubRule(coded(L"A"), 1).isNull());
    EXPECT_TRUE(leaf.getSubRules().isNull()) << "a refused addition leaves no collection behind";
}

TEST(Rule, RemovalReachesBelowTheDirectSubRulesOnlyWhenRecursive) {
    RuleTree tree;
    EXPECT_FALSE(tree.root.removeSubRule(tree.x, false));
    EXPECT_EQ(tree.child(tree.a)->getSubRules().GetSize(), 1);

    EXPECT_TRUE(tree.root.removeSubRule(tree.x, true));
    EXPECT_TRUE(tree.child(tree.a)->getSubRules().isNull()) << "the emptied collection is freed";
    EXPECT_EQ(tree.root.getSubRules().GetSize(), 2) << "the direct sub-rules stay";
    EXPECT_FALSE(tree.root.removeSubRule(tree.x, true));

    EXPECT_TRUE(tree.root.removeSubRule(tree.a, false));
    EXPECT_TRUE(tree.root.removeSubRule(tree.b, true));
    EXPECT_TRUE(tree.root.getSubRules().isNull());
    EXPECT_FALSE(tree.root.removeSubRule(tree.b, true));
}

TEST(Rule, RecursiveRemovalMatchesDirectSubRulesBeforeSearchingAnySubtree) {
    // A direct sub-rule after A carries X's ID: it goes, and X stays inside A.
    RuleTree tree;
    CRule twin = coded(L"twin of X");
    twin.setID(tree.x);
    ASSERT_FALSE(tree.root.addSubRule(twin, -1).isNull());
    EXPECT_TRUE(tree.root.removeSubRule(tree.x, true));
    EXPECT_EQ(tree.root.getSubRules().findByID(tree.x), -1);
    EXPECT_EQ(tree.child(tree.a)->getSubRules().findByID(tree.x), 0);
}

TEST(Rule, RecursiveRemovalTakesTheFirstSubtreeInStorageOrder) {
    // B's subtree comes after A's and keeps its own rule with X's ID.
    RuleTree tree;
    CRule twin = coded(L"twin of X");
    twin.setID(tree.x);
    CRule childB;
    childB.copyFrom(*tree.child(tree.b));
    ASSERT_TRUE(tree.root.removeSubRule(tree.b, false));
    ASSERT_FALSE(childB.addSubRule(twin, -1).isNull());
    ASSERT_FALSE(tree.root.addSubRule(childB, -1).isNull());

    EXPECT_TRUE(tree.root.removeSubRule(tree.x, true));
    EXPECT_TRUE(tree.child(tree.a)->getSubRules().isNull());
    EXPECT_EQ(tree.child(tree.b)->getSubRules().GetSize(), 1);
}

TEST(Rule, AttachAndDetachMoveRulesWithoutCopying) {
    CRule parent = coded(L"parent");
    CRule* loose = new CRule(coded(L"loose"));
    ASSERT_TRUE(parent.attach(loose->getWritableHandle(), 0));
    for (const wchar_t* code : {L"b", L"c"})
        ASSERT_FALSE(parent.addSubRule(coded(code), -1).isNull());
    EXPECT_EQ(parent.getSubRules().getConstReference(0).get(), loose);

    std::unique_ptr<IRule> extra = std::make_unique<CRule>(coded(L"d"));
    EXPECT_FALSE(parent.attach(IRuleWritableHandle(), 0));
    EXPECT_FALSE(parent.attach(extra->getWritableHandle(), -1));
    EXPECT_FALSE(parent.attach(extra->getWritableHandle(), 4));
    ASSERT_TRUE(parent.attach(extra->getWritableHandle(), 3));
    IRule* attached = extra.release();
    EXPECT_EQ(parent.getSubRules().getConstReference(3).get(), attached);

    // A second rule with an ID already present is refused and stays the caller's.
    std::unique_ptr<IRule> sameID = std::make_unique<CRule>(coded(L"same ID"));
    sameID->setID(loose->getID());
    EXPECT_FALSE(parent.attach(sameID->getWritableHandle(), 0));
    EXPECT_EQ(parent.getSubRules().GetSize(), 4);

    EXPECT_TRUE(parent.detach(freshID()).isNull());
    std::unique_ptr<IRule> detached = adopt(parent.detach(loose->getID()));
    EXPECT_EQ(detached.get(), loose);
    EXPECT_EQ(parent.getSubRules().findByID(loose->getID()), -1);
    EXPECT_EQ(parent.getSubRules().GetSize(), 3);

    CRule single = coded(L"single");
    ASSERT_TRUE(single.attach(detached->getWritableHandle(), 0));
    detached.release();
    const std::unique_ptr<IRule> back = adopt(single.detach(loose->getID()));
    EXPECT_EQ(back.get(), loose);
    EXPECT_TRUE(single.getSubRules().isNull())
        << "detaching the only sub-rule frees the collection";
}

TEST(Rule, AMovedSubtreeKeepsItsRulesAndTheirChildren) {
    RuleTree from;
    const IRule* grandchild = from.child(from.a)->getSubRules().getConstReference(0).get();
    CRule to = coded(L"to");
    IRuleWritableHandle moved = from.root.detach(from.a);
    ASSERT_FALSE(moved.isNull());
    ASSERT_TRUE(to.attach(moved, 0));
    EXPECT_EQ(to.getSubRules().getConstReference(0).get(), moved.get());
    EXPECT_EQ(to.getSubRules()[0]->getSubRules().getConstReference(0).get(), grandchild);
    EXPECT_TRUE(to.removeSubRule(from.x, true));
    EXPECT_EQ(from.root.getSubRules().GetSize(), 1);
}

CRuleRate rateOn(std::int32_t day, double rate) {
    return CRuleRate(CProjectDate(day), rate, rate * 10);
}

std::vector<std::int32_t> storedDays(const IRule& rule) {
    std::vector<std::int32_t> days;
    const CRuleRateArray& rates = rule.getEffectiveRates();
    for (int i = 0; i < rates.GetSize(); ++i)
        days.push_back(rates.getConstReference(i).getEffectiveDate().getDays());
    return days;
}

TEST(Rule, EffectiveRatesInsertInsideTheArrayAndAppendOtherwise) {
    CRule rule;
    EXPECT_TRUE(rule.addEffectiveRate(rateOn(300, 3), 0)) << "0 is past the end of an empty array";
    EXPECT_TRUE(rule.addEffectiveRate(rateOn(100, 1), -1));
    EXPECT_TRUE(rule.addEffectiveRate(rateOn(200, 2), 1));
    EXPECT_TRUE(rule.addEffectiveRate(rateOn(50, 0.5), 3)) << "the count appends";
    EXPECT_TRUE(rule.addEffectiveRate(rateOn(400, 4), 99));
    EXPECT_EQ(storedDays(rule), (std::vector<std::int32_t>{300, 200, 100, 50, 400}));

    const CRuleRateArray& rates = rule.getEffectiveRates();
    EXPECT_EQ(rates.getConstOrderedReference(0).getEffectiveDate(), CProjectDate(50));
    EXPECT_EQ(rates.getConstOrderedReference(4).getEffectiveDate(), CProjectDate(400));
    EXPECT_EQ(rates.findByID(CProjectDate(100)), 2);

    // A date already present is not stored, by either path, yet the result is true.
    const CRuleRateArray before = rates;
    EXPECT_TRUE(rule.addEffectiveRate(rateOn(200, 9), 0));
    EXPECT_TRUE(rule.addEffectiveRate(rateOn(200, 9), -1));
    EXPECT_TRUE(rule.getEffectiveRates() == before);
}

TEST(Rule, EffectiveRatesChangeAndRemoveOnlyWhatIsThere) {
    CRule rule;
    for (const std::int32_t day : {30, 10, 20}) (void)rule.addEffectiveRate(rateOn(day, day), -1);

    EXPECT_FALSE(rule.changeEffectiveRate(rateOn(15, 7)));
    EXPECT_TRUE(rule.changeEffectiveRate(rateOn(10, 7)));
    const CRuleRate& changed = rule.getEffectiveRates().getConstReference(1);
    EXPECT_EQ(changed.getRate().getValue(), 7.0);
    EXPECT_EQ(changed.getCost().getValue(), 70.0);
    EXPECT_EQ(storedDays(rule), (std::vector<std::int32_t>{30, 10, 20})) << "it keeps its place";

    EXPECT_FALSE(rule.removeEffectiveRate(CProjectDate(15)));
    EXPECT_TRUE(rule.removeEffectiveRate(CProjectDate(30)));
    EXPECT_FALSE(rule.removeEffectiveRate(CProjectDate(30)));
    EXPECT_EQ(storedDays(rule), (std::vector<std::int32_t>{10, 20}));
    EXPECT_EQ(rule.getEffectiveRates().findByID(CProjectDate(20)), 1);

    CRuleRateArray replacement;
    (void)replacement.addValue(rateOn(5, 5));
    rule.setEffectiveRates(std::move(replacement));
    EXPECT_EQ(storedDays(rule), (std::vector<std::int32_t>{5}));
    EXPECT_EQ(replacement.GetSize(), 0);
    rule.removeAllEffectiveRates();
    EXPECT_EQ(rule.getEffectiveRates().GetSize(), 0);
}

TEST(Rule, DamagedRecordsAreRefused) {
    CRule rule = conformance::filled<CRule>();
    rule.removeAllEffectiveRates();
    (void)rule.addEffectiveRate(rateOn(0x01234567, 1), -1);
    (void)rule.addEffectiveRate(rateOn(0x07654321, 2), -1);
    const std::vector<std::byte> bytes = save(rule);

    // Every proper prefix after the archive header ("ZXST" and the version).
    for (std::size_t n = 8; n < bytes.size(); ++n) {
        CZentrixArchive in{std::span<const std::byte>(bytes.data(), n)};
        CRule target;
        EXPECT_THROW(target.Serialize(in), CArchiveException) << "prefix of " << n << " bytes";
    }

    // The second effective date rewritten to the first: a repeated key.
    std::vector<std::byte> repeated = bytes;
    const std::int32_t first = 0x01234567, second = 0x07654321;
    std::byte from[4], to[4];
    std::memcpy(from, &second, 4);
    std::memcpy(to, &first, 4);
    const auto at = std::search(repeated.begin(), repeated.end(), std::begin(from), std::end(from));
    ASSERT_NE(at, repeated.end());
    std::copy(std::begin(to), std::end(to), at);
    CZentrixArchive in{std::span<const std::byte>(repeated)};
    CRule target;
    EXPECT_THROW(target.Serialize(in), CArchiveException);
}

}  // namespace
