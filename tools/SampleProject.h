// SampleProject: a small but complete project built from every kind the store has, for the
// zxstore demo, the fuzzing seeds, tests and benchmarks.
//
// The project's file is the roots' records in the order of the list of kinds. Everything is built
// reproducibly from a seed: the same scale and seed give the same bytes.
//
// Every stored ID names an object of the project (zxtool::checkProject finds nothing). Its users
// (one of each standard role) have passwords, hashed at the process's hashing cost
// (CCryptoUtilities) under salts drawn from the seed, so that the bytes stay reproducible.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "project/CProjectRoots.h"
#include "zentrix.h"

struct SampleProject : CProjectRoots {
    // Builds `scale` objects of the reference kinds and a work breakdown of `scale` activities
    // (in phases of four zones of ten), with states, calendars, rules, resources and their
    // histories, packages, risks, issues and documents in proportion, and two baselines of the
    // schedule captured from the built-in calculation, reproducibly from the seed.
    static SampleProject build(int scale, std::uint64_t seed);

    // Count of objects per kind, nested ones included, in the order kinds first appear.
    std::vector<std::pair<std::string, int>> counts() const;
};
