// Every kind in the list of kinds passes the common conformance suite, and every golden record
// belongs to a listed kind. The kinds with roots and the other kinds are instantiated in separate
// files (ChildKindConformanceTest.cpp) so that the two halves compile in parallel.
#include <filesystem>
#include <set>
#include <string>

#include "tests/KindConformance.h"

namespace conformance {

INSTANTIATE_TYPED_TEST_SUITE_P(RootKinds, KindConformance, GTestTypes<zx::RootKinds>);

TEST(KindList, EveryGoldenRecordBelongsToAListedKind) {
    std::set<std::string> listed;
    zx::forEachType(zx::AllKinds{}, [&]<class C>() { listed.insert(goldenName<C>()); });
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(ZX_TEST_DATA_DIR) / "golden"))
        EXPECT_TRUE(listed.count(entry.path().stem().string()))
            << entry.path().filename() << " has no kind in project/KindList.h";
}

}  // namespace conformance
