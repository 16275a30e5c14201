// Resources, their rates and resource groups: the conformance suite, rate order and refusals, ID
// renewal that keeps what names other objects, sub-resources moved by identity, the histories of
// old records (layout, drop rule, truncation, hostile counts) and the groups' fresh identity.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "basetypes/CUserFieldValue.h"
#include "project/Roots.h"
#include "records/CNote.h"
#include "schedule/CCodeValue.h"
#include "schedule/CCost.h"
#include "schedule/CRSHistory.h"
#include "schedule/CRSHistoryItem.h"
#include "schedule/CResource.h"
#include "schedule/CResourceGroup.h"
#include "schedule/CResourceRate.h"
#include "schedule/CResourceState.h"
#include "schedule/CUserField.h"
#include "tests/RoundTrip.h"

namespace {

constexpr int kOldVersion = IResource::s_firstKeyedHistoriesVersion - 1;

CResourceStateID freshStateID() { return CResourceStateID(CIDBase::generate()); }

CResourceRate rateFrom(int day, int ratePerDay, int costs) {
    CResourceRate rate;
    rate.generateIDs();
    rate.setEffectiveDate(CProjectDate(day));
    rate.setUseRatePerDay(ratePerDay);
    for (int i = 0; i < costs; ++i) {
        CCost cost;
        cost.generateIDs();
        cost.setAmount(100.0 * (i + 1));
        (void)rate.addCost(cost);
    }
    return rate;
}

CRSHistoryItem itemAt(std::int64_t time, const CResourceStateID& status) {
    CRSHistoryItem item;
    item.setTime(CProjectTime(time));
    item.setStatusID(status);
    return item;
}

CRSHistory historyFor(const CResourceStateID& state, int items) {
    CRSHistory history;
    history.setID(state);
    history.setGroupID(state);
    for (int i = 0; i < items; ++i) (void)history.Add(itemAt(10 * (i + 1), freshStateID()));
    return history;
}

CResource namedResource(const wchar_t* name) {
    CResource resource;
    resource.generateIDs();
    resource.setName(name);
    return resource;
}

std::vector<std::byte> save(IResource& resource,
                            int version = CZentrixArchive::s_currentFileVersion) {
    CZentrixArchive out(version);
    resource.Serialize(out);
    return out.takeStoredBytes();
}

CResource load(const std::vector<std::byte>& bytes) {
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    CResource resource;
    resource.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    return resource;
}

std::vector<CResourceStateID> historyKeys(const IResource& resource) {
    std::vector<CResourceStateID> keys;
    const auto histories = resource.getHistories();
    for (int i = 0; i < histories.GetSize(); ++i)
        keys.push_back(histories.getConstReference(i)->getID());
    return keys;
}

TEST(Resource, NewResourceHasAnEmptySubResourceCollectionAndNothingElse) {
    const CResource resource;
    EXPECT_FALSE(resource.getID().isValid());
    EXPECT_FALSE(resource.getSubResources().isNull());
    EXPECT_EQ(resource.getSubResources().GetSize(), 0);
    EXPECT_EQ(resource.getUserFieldValues(), nullptr);
    EXPECT_TRUE(resource.getNotes().isNull());
    EXPECT_TRUE(resource.getHistories().isNull());
    EXPECT_EQ(resource.numberOfResourceRates(), 0);
    // A copy and a loaded resource have the collection too.
    EXPECT_FALSE(CResource(resource).getSubResources().isNull());
    CResource empty;
    EXPECT_FALSE(load(save(empty)).getSubResources().isNull());
}

TEST(Resource, DefaultRateIsOneFreshRateFromTheZeroDate) {
    CResource resource;
    resource.addDefaultRate();
    resource.addDefaultRate();
    const auto rates = resource.getResourceRates();
    ASSERT_EQ(rates.GetSize(), 2);
    EXPECT_TRUE(rates[0]->getID().isValidNotNull());
    EXPECT_FALSE(rates[0]->getID() == rates[1]->getID());
    EXPECT_EQ(rates[0]->getEffectiveDate(), CProjectDate::GetZeroDate());
    EXPECT_EQ(rates[0]->numberOfCosts(), 0);
}

TEST(Resource, AddResourceRateAppendsInsertsAndRefusesRepeatedIDs) {
    CResource resource;
    const CResourceRate first = rateFrom(1, 8, 0), second = rateFrom(2, 6, 0),
                        front = rateFrom(3, 4, 0);
    EXPECT_TRUE(resource.addResourceRate(first, -1));
    EXPECT_TRUE(resource.addResourceRate(second, -1));
    EXPECT_TRUE(resource.addResourceRate(front, 0));
    const auto rates = resource.getResourceRates();
    ASSERT_EQ(rates.GetSize(), 3);
    EXPECT_EQ(rates[0]->getID(), front.getID());
    EXPECT_EQ(rates[1]->getID(), first.getID());
    EXPECT_EQ(rates[2]->getID(), second.getID());

    EXPECT_FALSE(resource.addResourceRate(first, -1));
    EXPECT_FALSE(resource.addResourceRate(first, 1));
    EXPECT_FALSE(resource.addResourceRate(rateFrom(4, 1, 0), 4));
    EXPECT_FALSE(resource.addResourceRate(rateFrom(4, 1, 0), -2));
    EXPECT_EQ(rates.GetSize(), 3);
    // The moved entries are still found by ID.
    EXPECT_EQ(rates.find(first.getID())->getUseRatePerDay(), 8);

    CResourceRate changed(first);
    changed.setUseRatePerDay(12);
    EXPECT_TRUE(resource.changeResourceRate(changed));
    EXPECT_EQ(rates[1]->getUseRatePerDay(), 12);
    EXPECT_TRUE(resource.removeResourceRate(front.getID()));
    EXPECT_FALSE(resource.removeResourceRate(front.getID()));
    EXPECT_EQ(rates[0]->getID(), first.getID());
}

TEST(Resource, RegenerateIDsRenewsRatesCostsAndItemsButKeepsTheRest) {
    CResource resource = namedResource(L"Tower crane");
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(resource.addResourceRate(rateFrom(i, i + 5, 2), -1));
    const CResourceStateID delivery = freshStateID(), inspection = freshStateID();
    ASSERT_TRUE(resource.addHistory(historyFor(delivery, 3), -1));
    ASSERT_TRUE(resource.addHistory(historyFor(inspection, 2), -1));
    ASSERT_EQ(resource.addSubResource(namedResource(L"Operator")), 0);
    const CResource before(resource);

    resource.regenerateIDs();

    EXPECT_EQ(resource.getID(), before.getID());
    EXPECT_TRUE(resource.getSubResources() == before.getSubResources());
    EXPECT_EQ(resource.getSubResources()[0]->getID(), before.getSubResources()[0]->getID());
    const IResourceRateConstArrayHandle rates = resource.getResourceRates(),
                                        oldRates = before.getResourceRates();
    ASSERT_EQ(rates.GetSize(), oldRates.GetSize());
    for (int i = 0; i < rates.GetSize(); ++i) {
        EXPECT_FALSE(rates[i]->getID() == oldRates[i]->getID());
        EXPECT_EQ(rates[i]->getEffectiveDate(), oldRates[i]->getEffectiveDate());
        EXPECT_EQ(rates[i]->getUseRatePerDay(), oldRates[i]->getUseRatePerDay());
        const auto costs = rates[i]->getCosts(), oldCosts = oldRates[i]->getCosts();
        ASSERT_EQ(costs.GetSize(), 2);
        for (int k = 0; k < costs.GetSize(); ++k) {
            EXPECT_FALSE(costs[k]->getID() == oldCosts[k]->getID());
            EXPECT_EQ(costs[k]->getAmount(), oldCosts[k]->getAmount());
        }
        // Renewed entries are found under their new IDs.
        EXPECT_FALSE(rates.find(rates[i]->getID()).isNull());
        EXPECT_FALSE(costs.find(costs[0]->getID()).isNull());
    }
    EXPECT_EQ(historyKeys(resource), historyKeys(before));
    const IRSHistoryConstArrayHandle histories = resource.getHistories(),
                                     oldHistories = before.getHistories();
    for (int i = 0; i < histories.GetSize(); ++i) {
        EXPECT_EQ(histories[i]->getGroupID(), oldHistories[i]->getGroupID());
        const auto items = histories[i]->getItems(), oldItems = oldHistories[i]->getItems();
        ASSERT_EQ(items.GetSize(), oldItems.GetSize());
        for (int k = 0; k < items.GetSize(); ++k) {
            EXPECT_FALSE(items[k]->getID() == oldItems[k]->getID());
            EXPECT_EQ(items[k]->getTime(), oldItems[k]->getTime());
            EXPECT_EQ(items[k]->getStatusID(), oldItems[k]->getStatusID());
            EXPECT_FALSE(histories[i]->get(items[k]->getID()).isNull());
        }
    }
}

TEST(Resource, GenerateIDsRenewsEverythingOwnedButTheHistoryKeys) {
    CResource resource = namedResource(L"Excavator");
    ASSERT_TRUE(resource.addResourceRate(rateFrom(1, 8, 1), -1));
    const CResourceStateID state = freshStateID();
    ASSERT_TRUE(resource.addHistory(historyFor(state, 2), -1));
    const CResource before(resource);
    resource.generateIDs();
    EXPECT_FALSE(resource.getID() == before.getID());
    EXPECT_FALSE(resource.getResourceRates()[0]->getID() == before.getResourceRates()[0]->getID());
    EXPECT_EQ(historyKeys(resource), std::vector<CResourceStateID>{state});
    EXPECT_FALSE(resource.getHistories().find(state).isNull());
    EXPECT_FALSE(resource.getHistories()[0]->getItems()[0]->getID() ==
                 before.getHistories()[0]->getItems()[0]->getID());
}

// Resources with IDs that order as n does.
CResource resourceNumbered(std::uint8_t n) {
    GUID guid{};
    guid[0] = 0x30;
    guid[15] = n;
    CResource resource;
    resource.setID(CResourceID(guid));
    return resource;
}

std::vector<int> walkedForward(const IResourceArrayHandle& resources) {
    std::vector<int> walked;
    for (auto it = resources.getConstIterator(); it.hasNext();)
        walked.push_back(it.next()->getID().getGUID()[15]);
    return walked;
}

TEST(Resource, SubResourcesAndTheRootWalkInIDOrder) {
    static_assert(std::is_same_v<CResourceRoot::ArrayHandle, IResourceArrayHandle>);
    CResourceRoot root;
    CResource parent;
    for (const std::uint8_t n : {30, 10, 20}) {
        ASSERT_GE(root.getArray().Add(resourceNumbered(n)), 0);
        ASSERT_GE(parent.addSubResource(resourceNumbered(n)), 0);
    }
    for (const IResourceArrayHandle& resources : {root.get(), parent.getSubResources()}) {
        EXPECT_EQ(walkedForward(resources), (std::vector<int>{10, 20, 30}));
        std::vector<int> backward;
        for (auto it = resources.getConstReverseIterator(); it.hasPrevious();)
            backward.push_back(it.previous()->getID().getGUID()[15]);
        EXPECT_EQ(backward, (std::vector<int>{30, 20, 10}));
        // Removing through the iterator takes the resource out of its owner.
        auto it = resources.getIterator(resourceNumbered(20).getID());
        ASSERT_TRUE(static_cast<bool>(it));
        EXPECT_TRUE(it.remove());
        EXPECT_EQ(walkedForward(resources), (std::vector<int>{10, 30}));
        EXPECT_EQ(resources.findByID(resourceNumbered(30).getID()), 0);
    }
    EXPECT_EQ(root.getArray().GetSize(), 2);
    EXPECT_EQ(parent.getSubResources().GetSize(), 2);
}

TEST(Resource, SubResourcesMoveBetweenParentsWithoutCopies) {
    CResource site = namedResource(L"Site crew"), yard = namedResource(L"Yard crew");
    ASSERT_EQ(site.addSubResource(namedResource(L"Carpenter")), 0);
    ASSERT_EQ(site.addSubResource(namedResource(L"Mason")), 1);
    const IResourceHandle mason = site.getSubResources()[1];
    const IResource* masonObject = mason.get();

    IResourceWritableHandle detached = site.detachSubResource(mason->getID());
    ASSERT_FALSE(detached.isNull());
    EXPECT_EQ(detached.get(), masonObject);
    EXPECT_EQ(site.getSubResources().GetSize(), 1);
    EXPECT_TRUE(site.detachSubResource(masonObject->getID()).isNull());

    ASSERT_TRUE(yard.attachSubResource(detached));
    EXPECT_EQ(yard.getSubResources()[0].get(), masonObject);
    EXPECT_FALSE(yard.getSubResources().find(masonObject->getID()).isNull());

    // Detaching the last sub-resource leaves the collection allocated.
    IResourceWritableHandle carpenter = site.detachSubResource(site.getSubResources()[0]->getID());
    EXPECT_FALSE(site.getSubResources().isNull());
    EXPECT_EQ(site.getSubResources().GetSize(), 0);
    // Appended at the end, never at a chosen place.
    ASSERT_TRUE(yard.attachSubResource(carpenter));
    EXPECT_EQ(yard.getSubResources()[1].get(), carpenter.get());
}

class CDerivedResource : public CResource {};

TEST(Resource, AttachRefusesAnythingButAResourceAndCycles) {
    CResource parent = namedResource(L"Plant");
    CDerivedResource derived;
    derived.generateIDs();
    EXPECT_FALSE(parent.attachSubResource(derived.getWritableHandle()));
    EXPECT_FALSE(parent.attachSubResource(IResourceWritableHandle()));
    EXPECT_EQ(parent.getSubResources().GetSize(), 0);

    // A resource cannot come to own itself, directly or through its own sub-resources.
    EXPECT_FALSE(parent.attachSubResource(parent.getWritableHandle()));
    ASSERT_EQ(parent.addSubResource(namedResource(L"Crane")), 0);
    const IResourceWritableHandle crane = parent.getSubResources().getWritableReference(0);
    auto* craneObject = static_cast<CResource*>(crane.get());
    EXPECT_FALSE(craneObject->attachSubResource(parent.getWritableHandle()));

    // A repeated ID is refused and the resource stays with its holder.
    CResource twin = namedResource(L"Crane twin");
    twin.setID(crane->getID());
    EXPECT_FALSE(parent.attachSubResource(twin.getWritableHandle()));
    EXPECT_EQ(parent.getSubResources().GetSize(), 1);
}

TEST(Resource, RemovingAllSubResourcesDeletesTheCollectionUntilItIsNeeded) {
    CResource resource = namedResource(L"Formwork team");
    resource.removeAllSubResources();
    EXPECT_TRUE(resource.getSubResources().isNull());
    EXPECT_FALSE(resource.removeSubResource(CResourceID(CIDBase::generate())));
    EXPECT_TRUE(resource.detachSubResource(CResourceID(CIDBase::generate())).isNull());
    EXPECT_FALSE(resource.insertSubResource(namedResource(L"Fixer"), -1));
    EXPECT_TRUE(resource.getSubResources().isNull());

    const CResource fixer = namedResource(L"Fixer");
    EXPECT_EQ(resource.addSubResource(fixer), 0);
    EXPECT_FALSE(resource.getSubResources().isNull());
    EXPECT_EQ(resource.addSubResource(fixer), -1);
    EXPECT_FALSE(resource.insertSubResource(namedResource(L"Helper"), 2));
    EXPECT_TRUE(resource.insertSubResource(namedResource(L"Helper"), 0));
    EXPECT_EQ(resource.getSubResources()[1]->getID(), fixer.getID());

    resource.removeAllSubResources();
    EXPECT_TRUE(resource.getSubResources().isNull());
    EXPECT_TRUE(resource.insertSubResource(fixer, 0));
    EXPECT_TRUE(resource.removeSubResource(fixer.getID()));
    EXPECT_TRUE(resource.getSubResources().isNull());
}

TEST(Resource, AttachingAnArrayMovesIntoAnEmptyCollectionAndCopiesOtherwise) {
    CResource resource = namedResource(L"Gang");
    CResourceArray incoming;
    (void)incoming.Add(namedResource(L"First"));
    (void)incoming.Add(namedResource(L"Second"));
    const CResource* first = &incoming.getConstReference(0);
    resource.removeAllSubResources();
    resource.attachSubResources(std::move(incoming));
    ASSERT_EQ(resource.getSubResources().GetSize(), 2);
    EXPECT_EQ(resource.getSubResources()[0].get(), first);

    CResourceArray more;
    (void)more.Add(namedResource(L"Third"));
    (void)more.Add(*resource.getSubResources()[1]);
    const CResource* third = &more.getConstReference(0);
    resource.attachSubResources(std::move(more));
    // Copies after the existing ones; the repeated ID is skipped.
    ASSERT_EQ(resource.getSubResources().GetSize(), 3);
    EXPECT_FALSE(resource.getSubResources()[2].get() == third);
    EXPECT_EQ(resource.getSubResources()[2]->getID(), third->getID());

    resource.attachSubResources(CResourceArray());
    EXPECT_EQ(resource.getSubResources().GetSize(), 3);
}

TEST(Resource, UserFieldValuesFollowTheIndexRules) {
    const CUserFieldValue a{CUserFieldID(CIDBase::generate()), CProjectVariant{}};
    const CUserFieldValue b{CUserFieldID(CIDBase::generate()), CProjectVariant{}};
    CResource resource;
    EXPECT_FALSE(resource.addUserFieldValue(a, 1));
    EXPECT_EQ(resource.getUserFieldValues(), nullptr);
    EXPECT_TRUE(resource.addUserFieldValue(a, 0));
    EXPECT_FALSE(resource.addUserFieldValue(a, 0));
    EXPECT_FALSE(resource.addUserFieldValue(a, 1));
    EXPECT_FALSE(resource.addUserFieldValue(b, 2));
    EXPECT_TRUE(resource.addUserFieldValue(b, 1));
    EXPECT_TRUE(resource.removeUserFieldValue(a.getUserFieldID()));
    EXPECT_TRUE(resource.removeUserFieldValue(b.getUserFieldID()));
    EXPECT_EQ(resource.getUserFieldValues(), nullptr);

    CResourceGroup group;
    EXPECT_TRUE(group.addUserFieldValue(a, -1));
    EXPECT_FALSE(group.addUserFieldValue(a, -1));
    group.setUserFieldValues(CUserFieldValueArray());
    EXPECT_EQ(group.getUserFieldValues(), nullptr);
}

TEST(Resource, SupplierReferencesRefusePositionsOutsideTheList) {
    CResource resource;
    EXPECT_EQ(resource.addSupplierReference(L"PO-1"), 0);
    EXPECT_EQ(resource.addSupplierReference(L"PO-2"), 1);
    EXPECT_EQ(resource.addSupplierReference(L"PO-3"), 2);
    EXPECT_TRUE(resource.setSupplierReference(L"PO-2b", 1));
    EXPECT_FALSE(resource.setSupplierReference(L"PO-4", 3));
    EXPECT_FALSE(resource.removeSupplierReference(-1));
    EXPECT_TRUE(resource.removeSupplierReference(0));
    const CProjectStringArray& references = resource.getSupplierReferences();
    ASSERT_EQ(references.GetSize(), 2);
    EXPECT_TRUE(references.GetAt(0) == CProjectString(CString(L"PO-2b")));
    EXPECT_TRUE(references.GetAt(1) == CProjectString(CString(L"PO-3")));
}

TEST(Resource, HistoriesAndNotesExistOnlyWhileTheyHaveEntries) {
    CResource resource;
    const CResourceStateID first = freshStateID(), second = freshStateID();
    EXPECT_FALSE(resource.addHistory(historyFor(first, 1), 1));
    EXPECT_TRUE(resource.getHistories().isNull());
    EXPECT_TRUE(resource.addHistory(historyFor(first, 1), -1));
    EXPECT_FALSE(resource.addHistory(historyFor(first, 2), -1));
    EXPECT_TRUE(resource.addHistory(historyFor(second, 0), 0));
    EXPECT_EQ(historyKeys(resource), (std::vector<CResourceStateID>{second, first}));
    EXPECT_TRUE(resource.changeHistory(historyFor(first, 4)));
    EXPECT_EQ(resource.getHistories().find(first)->GetSize(), 4);
    EXPECT_TRUE(resource.removeHistory(first));
    EXPECT_TRUE(resource.removeHistory(second));
    EXPECT_TRUE(resource.getHistories().isNull());

    CNote note;
    note.generateIDs();
    EXPECT_EQ(resource.addNote(note), 0);
    EXPECT_TRUE(resource.removeNote(note.getID()));
    EXPECT_TRUE(resource.getNotes().isNull());
}

TEST(Resource, OldRecordsKeepHistoriesUnderTheirStates) {
    CResource resource = namedResource(L"Concrete pump");
    ASSERT_TRUE(resource.addResourceRate(rateFrom(3, 7, 2), -1));
    const CResourceStateID delivery = freshStateID(), repair = freshStateID();
    ASSERT_TRUE(resource.addHistory(historyFor(delivery, 3), -1));
    ASSERT_TRUE(resource.addHistory(historyFor(repair, 1), -1));
    ASSERT_EQ(resource.addSubResource(namedResource(L"Hose")), 0);

    const std::vector<std::byte> bytes = save(resource, kOldVersion);
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    CResource loaded;
    loaded.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(historyKeys(loaded), historyKeys(resource));
    for (const CResourceStateID& state : {delivery, repair}) {
        const IRSHistoryHandle history = loaded.getHistories().find(state);
        ASSERT_FALSE(history.isNull());
        EXPECT_EQ(history->getGroupID(), state);
        EXPECT_TRUE(history->getItems() == resource.getHistories().find(state)->getItems());
    }
    // Everything else is the record of today.
    EXPECT_TRUE(loaded.getResourceRates() == resource.getResourceRates());
    EXPECT_TRUE(loaded.getSubResources() == resource.getSubResources());
    EXPECT_TRUE(loaded == resource) << loaded.dump() << "\n" << resource.dump();

    CZentrixArchive again(kOldVersion);
    loaded.Serialize(again);
    EXPECT_EQ(again.takeStoredBytes(), bytes);
}

TEST(Resource, OldRecordsDropEmptyHistoriesOfNoState) {
    const CResourceStateID real = freshStateID(), other = freshStateID();
    CResourceStateID unset, null;
    null.clear();
    // Old records name each history's state beside it, so the states under test are written
    // directly: the record of a resource without histories, whose last five bytes (history count
    // 0 and the sub-resource presence byte) make way for four histories.
    CResource bare;
    bare.generateIDs();
    std::vector<std::byte> bytes = save(bare, kOldVersion);
    const std::size_t tail = sizeof(std::int32_t) + 1;
    ASSERT_GT(bytes.size(), tail);
    std::vector<std::pair<CResourceStateID, CRSHistory>> stored;
    stored.emplace_back(unset, CRSHistory());
    stored.emplace_back(null, CRSHistory());
    stored.emplace_back(real, CRSHistory());
    stored.emplace_back(null, historyFor(other, 2));
    CZentrixArchive histories(kOldVersion);
    histories << static_cast<std::int32_t>(stored.size());
    for (auto& [state, history] : stored) {
        state.Serialize(histories);
        history.Serialize(histories);
    }
    histories << false;
    std::vector<std::byte> body = histories.takeStoredBytes();
    // Both archives begin with the same 8-byte header.
    bytes.resize(bytes.size() - tail);
    bytes.insert(bytes.end(), body.begin() + 8, body.end());

    const CResource loaded = load(bytes);
    ASSERT_EQ(loaded.numberOfHistories(), 2);
    const IRSHistoryHandle empty = loaded.getHistories().find(real);
    ASSERT_FALSE(empty.isNull());
    EXPECT_EQ(empty->GetSize(), 0);
    EXPECT_EQ(empty->getGroupID(), real);
    const IRSHistoryHandle kept = loaded.getHistories().find(null);
    ASSERT_FALSE(kept.isNull());
    EXPECT_EQ(kept->GetSize(), 2);
    EXPECT_TRUE(kept->getGroupID().isNULL());
}

TEST(Resource, DamagedOldRecordsEndInAnArchiveError) {
    CResource resource = namedResource(L"Scaffold");
    ASSERT_TRUE(resource.addResourceRate(rateFrom(1, 2, 1), -1));
    ASSERT_TRUE(resource.addHistory(historyFor(freshStateID(), 2), -1));
    ASSERT_TRUE(resource.addHistory(historyFor(freshStateID(), 0), -1));
    for (const int version : {CZentrixArchive::s_currentFileVersion, kOldVersion}) {
        const std::vector<std::byte> bytes = save(resource, version);
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            const std::vector<std::byte> cut(bytes.begin(),
                                             bytes.begin() + static_cast<std::ptrdiff_t>(size));
            CResource target;
            EXPECT_THROW(
                {
                    CZentrixArchive in{std::span<const std::byte>(cut)};
                    target.Serialize(in);
                },
                CArchiveException)
                << "version " << version << ", " << size << " of " << bytes.size() << " bytes";
        }
    }

    // A history count that claims more than the input holds, or less than nothing.
    CResource bare = namedResource(L"Ladder");
    std::vector<std::byte> bytes = save(bare, kOldVersion);
    const std::size_t countOffset = bytes.size() - sizeof(std::int32_t) - 1;
    std::int32_t count = 0x7FFFFFFF;
    std::memcpy(bytes.data() + countOffset, &count, sizeof count);
    try {
        load(bytes);
        ADD_FAILURE() << "a history count of " << count << " was accepted";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find("count of histories"), std::string::npos) << e.what();
    }
    count = -1;
    std::memcpy(bytes.data() + countOffset, &count, sizeof count);
    try {
        load(bytes);
        ADD_FAILURE() << "a history count of -1 was accepted";
    } catch (const CArchiveLengthError& e) {
        const std::length_error& standard = e;
        EXPECT_STREQ(standard.what(), "vector too long");
        EXPECT_EQ(e.offset(), countOffset);
        EXPECT_NE(e.recordPath().find("Histories"), std::string::npos) << e.recordPath();
    }
}

TEST(ResourceRate, CostsAreOwnedAndReplacedWhole) {
    CResourceRate rate = rateFrom(5, 3, 2);
    const auto costs = rate.getCosts();
    CCost extra;
    extra.generateIDs();
    EXPECT_TRUE(rate.insertCost(extra, 0));
    EXPECT_FALSE(rate.insertCost(extra, 0));
    EXPECT_EQ(rate.addCost(extra), -1);
    EXPECT_EQ(costs[0]->getID(), extra.getID());
    EXPECT_TRUE(rate.removeCost(extra.getID()));
    EXPECT_FALSE(rate.removeCost(extra.getID()));

    CResourceRate other = rateFrom(6, 1, 1);
    rate.setCosts(other.getCosts());
    ASSERT_EQ(rate.numberOfCosts(), 1);
    EXPECT_EQ(costs[0]->getID(), other.getCosts()[0]->getID());
    rate.setCosts(rate.getCosts());
    EXPECT_EQ(rate.numberOfCosts(), 1);
}

TEST(ResourceGroup, NewGroupsAreSomebodyAndClearEmptiesOnlyTheMembers) {
    const CResourceGroup a, b;
    EXPECT_TRUE(a.getID().isValidNotNull());
    EXPECT_FALSE(a.getID() == b.getID());

    CResourceGroup group;
    group.setName(CProjectString(CString(L"Steel erection")));
    group.setType(PackageType::Subcontract);
    const CResourceID member(CIDBase::generate());
    EXPECT_EQ(group.addToResourceGroup(member), 0);
    EXPECT_EQ(group.addToResourceGroup(member), -1);
    (void)group.addToResourceGroup(CResourceID(CIDBase::generate()));
    (void)group.addCodeValue(CCodeValueID(CIDBase::generate()));
    CNote note;
    note.generateIDs();
    ASSERT_EQ(group.addNote(note), 0);
    const CResourceGroup before(group);
    EXPECT_TRUE(before == group);

    group.clear();
    EXPECT_EQ(group.getResourceIDs().GetSize(), 0);
    group.setResourceIDs(before.getResourceIDs());
    EXPECT_TRUE(group == before);

    EXPECT_TRUE(group.removeFromResourceGroup(member));
    EXPECT_FALSE(group.removeFromResourceGroup(member));

    // Assignment through the interface copies the identity as well.
    CResourceGroup assigned;
    assigned = static_cast<const IResourceGroup&>(before);
    EXPECT_TRUE(assigned == before);
}

}  // namespace
