// The enumeration of universal folders. Stored as a CZentrixEnumeration value (an int32 record,
// refused outside its range); the values are written to disk: append new ones, never reorder or
// remove.
#pragma once

#include <cstdint>

#include "basetypes/CZentrixEnumeration.h"

// What a folder groups: objects of any kind (General), or of the one kind it is meant for, which
// lets a host show the folder in that kind's list. A new folder is General.
enum class UniFolderType : std::int32_t {
    General,
    Tasks,
    Resources,
    Entities3D,
    Positions,
    Animations,
    Filters,
    Documents,
    Issues,
    Risks,
    ClashTests,
};
template <>
struct EnumerationTraits<UniFolderType> {
    static constexpr const char* typeName = "CUniFolderType";
    static constexpr const char* names[] = {"General",   "Tasks",      "Resources", "Entities3D",
                                            "Positions", "Animations", "Filters",   "Documents",
                                            "Issues",    "Risks",      "ClashTests"};
};
using CUniFolderType = CZentrixEnumeration<UniFolderType>;
