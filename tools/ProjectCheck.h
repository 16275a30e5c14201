// ProjectCheck: the referential integrity of a whole project, checked against the kinds' own
// field descriptions, so that every listed kind is covered, and every kind added to the list is
// covered the moment it joins.
//
// What is checked:
//   - every stored ID that names another object names one that exists: a typed ID or ID set
//     (CTaskID, CResourceIDArray, ...) at any depth of a field names the kind whose identity that
//     ID type is (see ProjectIndex); a key's own ID (a baselined task's) names what it describes.
//     Null and unset IDs name nothing and are no reference. IDs of types no listed kind owns
//     (users, 3D entities, companies, ...) are not checked until such a kind joins the list.
//     Fields marked namesOwnChildren look among the holder's own objects only.
//   - no ID repeats within its kind and scope; a repeat inside the object whose ID it repeats is
//     reported as such (an object owning, at any depth, an object with its own ID);
//   - parent links (fields marked parentLink) never loop;
//   - values marked ascending do not fall from one object of a collection to the next;
//   - numbers lie in their documented range (FieldOptions min and max) and enumerations hold one
//     of their enumerators.
//
// Each finding names the object (for an embedded part, its owner, with the part in the field
// name), the field and the problem, e.g. `Link 3f2a... UpstreamTaskID: names no Task`. The
// check only reads the project.
#pragma once

#include <string>
#include <vector>

#include "project/CProjectRoots.h"

namespace zxtool {

struct Finding {
    std::string kind;
    std::string objectID;
    std::string field;
    std::string problem;
};

// Every finding in the project, in a stable order: by kind in the order of the list of kinds,
// then in record order of the objects, then in the order of their fields.
std::vector<Finding> checkProject(const CProjectRoots& project);

// "Link 3f2a... UpstreamTaskID: names no Task".
std::string toText(const Finding& finding);

}  // namespace zxtool
