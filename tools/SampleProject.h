// SampleProject: a small but complete project built from every kind the store has, for the
// zxstore demo, the fuzzing seeds, tests and benchmarks.
//
// The project's file is the roots' records in a fixed order, followed by the collections whose
// kinds have no root of their own yet (links, costs and task reports, which tasks will hold).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "zentrix.h"

struct SampleProject {
    CCodeRoot codes;
    CUserFieldRoot userFields;
    CTaskCategoryRoot taskCategories;
    CTaskStateRoot taskStates;
    CLinkArray links;
    CCostArray costs;
    CTaskReportArray taskReports;

    // Builds `scale` objects of each top-level kind (code values and report costs in proportion),
    // reproducibly from the seed.
    static SampleProject build(int scale, std::uint64_t seed);

    void Serialize(CZentrixArchive& ar);
    bool operator==(const SampleProject& other) const;

    // Count of objects per kind, nested ones included, in a fixed order.
    std::vector<std::pair<std::string, int>> counts() const;
};
