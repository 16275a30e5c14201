// SampleProject: a small but complete project built from every kind the store has, for the
// zxstore demo, the fuzzing seeds, tests and benchmarks.
//
// The project's file is the roots' records in a fixed order. Everything is built reproducibly
// from a seed: the same scale and seed give the same bytes.
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
    CResourceStateRoot resourceStates;
    CRiskRoot risks;
    CIssueRoot issues;
    CDocumentFolderRoot documentFolders;
    CRuleRoot rules;
    CCalendarRoot calendars;
    CResourceRoot resources;
    CResourceGroupRoot resourceGroups;
    CTaskRoot tasks;
    CProjectBaselineRoot baselines;

    // Builds `scale` objects of the reference kinds and a work breakdown of `scale` activities
    // (in phases of four zones of ten), with states, calendars, rules, resources and their
    // histories, packages, risks, issues and documents in proportion, and two baselines of the
    // schedule captured from the built-in calculation, reproducibly from the seed.
    static SampleProject build(int scale, std::uint64_t seed);

    void Serialize(CZentrixArchive& ar);
    bool operator==(const SampleProject& other) const;

    // Count of objects per kind, nested ones included, in the order kinds first appear.
    std::vector<std::pair<std::string, int>> counts() const;
};
