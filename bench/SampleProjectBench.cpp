// Saving and loading the sample project: every kind the store has, nested collections and text
// included, through an in-memory archive.
//
// The project is built at scale N / 100 (about twenty objects per unit of scale), so N = 100,000
// gives some 20,000 objects. No targets: the figures show what a whole file costs beside the
// plain link container, and the load is set against memcpy of the same bytes.
#include <algorithm>
#include <vector>

#include "BenchSupport.h"
#include "SampleProject.h"

namespace {

struct Projects {
    SampleProject project;
    std::vector<std::byte> archive;
    std::size_t objects = 0;

    Projects()
        : project(SampleProject::build(
              static_cast<int>(std::max<std::size_t>(1, zxbench::objectCount() / 100)), 2026)),
          archive(zxbench::savedBytes(project)) {
        for (const auto& [kind, count] : project.counts())
            objects += static_cast<std::size_t>(count);
    }
};

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    Projects f;
    {
        SampleProject back;
        zxbench::loadFromMemory(f.archive, back);
        zxbench::require(back == f.project, "a loaded project equals the saved one");
    }
    zxbench::registerSaveAndLoad("sample project", f.project, f.archive,
                                 static_cast<std::int64_t>(f.objects));
    zxbench::runGoogleBenchmarks();

    zxbench::ComparisonTable table("save and load of the sample project, in memory");
    zxbench::addSaveAndLoadRows(table, zxbench::timeSaveAndLoad(f.project, f.archive),
                                f.archive.size(), f.objects, "objects");
    table.note("(no targets: the figures show what a whole project file costs)");
    return table.print();
}
