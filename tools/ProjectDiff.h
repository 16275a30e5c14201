// ProjectDiff: what was added, removed and changed between two projects, by kind and ID, down to
// the field, worked out from the kinds' field descriptions.
//
// Objects are matched by kind and ID wherever they are nested; objects whose IDs are unique only
// within their holder (day types, baselined tasks, snapshots, see ProjectIndex) by kind and ID
// within their matched holder, and embedded parts (a task's supply chain) with their owner.
//   - changed: one Change per differing field of a matched object, with the old and new value.
//     An embedded part's fields are its owner's, prefixed with the part ("SupplyChain.SupplierID").
//     A matched object held by another owner than before (a task moved under another summary) is
//     one change of its field "Owner", whose values are the places ("Task 3f2a... SubTasks", or
//     null for a root). A collection whose common entries changed order is one change of its
//     owner, field "<collection> order" ("order" for a root, with an empty objectID), whose values
//     are the IDs in their old and new order. Entries added to or removed from a collection, and
//     changes inside them, leave the owner unchanged.
//   - added / removed: one Change for the outermost object that is new or gone (what it owns goes
//     with it); field is the place that holds it (empty in a root), newValue or oldValue the
//     object's dump.
// Values are the JSON texts of toDumpText and dump(); only differing values are turned into text.
// Both projects are only read.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "project/CProjectRoots.h"

namespace zxtool {

struct Change {
    enum class Type { added, removed, changed } type;
    std::string kind;
    std::string objectID;
    std::string field;
    std::string oldValue;
    std::string newValue;
};

// The changes from a to b, grouped by kind in the order of the list of kinds; within a kind the
// removed objects in a's record order, then the added and changed ones in b's. Secret values
// (password hashes, salts) read "<redacted>" unless showSecrets.
std::vector<Change> diffProjects(const CProjectRoots& a, const CProjectRoots& b,
                                 bool showSecrets = false);

// Text: one line per change. JSON: an array of objects with the members type, kind, objectID,
// field, oldValue and newValue (the values as JSON values, null where a change has none), one
// object per line, in the order given.
void printChanges(std::ostream& out, const std::vector<Change>& changes, bool json);

}  // namespace zxtool
