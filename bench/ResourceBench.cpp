// Resources: saving and loading a resource collection through an in-memory archive.
//
// Each resource has a name and a code, five rates of two costs each and two resource-state
// histories of twenty items each, as an equipment resource tracked through deliveries and
// inspections has: 58 stored objects per resource (the resource, 5 rates, 10 costs, 2 histories,
// 40 items). Throughput counts all of them. Target: loading and saving at least 500,000 objects
// per second. The load is set beside memcpy of the same bytes.
//
// The collection holds N / 10 resources (10,000 with the default N), so that it holds about as
// many objects as the other programs' collections of N.
#include <cstdio>
#include <cwchar>
#include <vector>

#include "BenchSupport.h"
#include "schedule/CResource.h"

namespace {

constexpr int kRatesPerResource = 5;
constexpr int kCostsPerRate = 2;
constexpr int kHistoriesPerResource = 2;
constexpr int kItemsPerHistory = 20;
constexpr std::size_t kObjectsPerResource =
    1 + kRatesPerResource * (1 + kCostsPerRate) + kHistoriesPerResource * (1 + kItemsPerHistory);

CResource typicalResource(zxbench::RandomIDs& random, std::size_t number) {
    CResource resource;
    resource.setID(CResourceID(random.guid()));
    wchar_t text[32];
    std::swprintf(text, 32, L"Crane %06zu", number % 1'000'000);
    resource.setName(text);
    std::swprintf(text, 32, L"EQ-%06zu", number % 1'000'000);
    resource.setResourceCode(text);
    resource.setType(ResourceType::Equipment);
    resource.setCalendarID(CCalendarID(random.guid()));
    for (int r = 0; r < kRatesPerResource; ++r) {
        CResourceRate rate;
        rate.setID(CResourceRateID(random.guid()));
        rate.setEffectiveDate(CProjectDate(45'000 + 30 * r));
        rate.setUseRatePerDay(8);
        for (int c = 0; c < kCostsPerRate; ++c) {
            CCost cost;
            cost.setID(CCostID(random.guid()));
            cost.setAmount(850.0 + 10.0 * c);
            (void)rate.addCost(cost);
        }
        (void)resource.addResourceRate(rate, -1);
    }
    for (int h = 0; h < kHistoriesPerResource; ++h) {
        CRSHistory history;
        const CResourceStateID state(random.guid());
        history.setID(state);
        history.setGroupID(state);
        for (int i = 0; i < kItemsPerHistory; ++i) {
            CRSHistoryItem item;
            item.setID(CResourceStateHistoryItemID(random.guid()));
            item.setTime(CProjectTime(1'700'000'000'000LL + 86'400'000LL * i));
            item.setStatusID(CResourceStateID(random.guid()));
            (void)history.Add(item);
        }
        (void)resource.addHistory(history, -1);
    }
    return resource;
}

struct Fixture {
    CResourceArray resources;
    std::vector<std::byte> archive;

    Fixture() {
        zxbench::RandomIDs random;
        const std::size_t n = std::max<std::size_t>(1, zxbench::objectCount() / 10);
        resources.Reserve(static_cast<int>(n));
        for (std::size_t i = 0; i < n; ++i) resources.AddNoSort(typicalResource(random, i));
        resources.sort();
        archive = zxbench::savedBytes(resources);
    }
};

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    Fixture f;
    {
        CResourceArray back;
        zxbench::loadFromMemory(f.archive, back);
        zxbench::require(back == f.resources, "loaded resources equal the saved ones");
    }
    const std::size_t resources = static_cast<std::size_t>(f.resources.GetSize());
    const std::size_t objects = resources * kObjectsPerResource;
    zxbench::registerSaveAndLoad("resources", f.resources, f.archive,
                                 static_cast<std::int64_t>(objects));
    zxbench::runGoogleBenchmarks();

    const zxbench::SaveLoadTimings t = zxbench::timeSaveAndLoad(f.resources, f.archive);
    zxbench::ComparisonTable table("resources: save and load");
    char line[200];
    std::snprintf(line, sizeof line,
                  "%zu resources of %zu objects each (the resource, %d rates, %d costs, %d "
                  "histories, %d items)",
                  resources, kObjectsPerResource, kRatesPerResource,
                  kRatesPerResource * kCostsPerRate, kHistoriesPerResource,
                  kHistoriesPerResource * kItemsPerHistory);
    table.note(line);
    zxbench::addSaveAndLoadRows(table, t, f.archive.size(), objects, "objects");
    const double target = 500'000.0;
    table.atLeast("load objects/s / 500,000",
                  static_cast<double>(objects) / t.loaded.seconds / target, 1.0);
    table.atLeast("save objects/s / 500,000",
                  static_cast<double>(objects) / t.saved.seconds / target, 1.0);
    return table.print();
}
