// The enumerations of use profiles and entity appearances: how an entity is animated while a task
// uses it, what a use profile is for, and what a spatial use profile tests. Stored as
// CZentrixEnumeration values (int32 records, refused outside their range); the values are written
// to disk: append new ones, never reorder or remove.
#pragma once

#include <cstdint>

#include "basetypes/CZentrixEnumeration.h"

// How an appearance animates its entities: not at all (they switch to the appearance at once),
// by growing along the appearance's grow direction, or by moving along their assignment's path.
enum class UseProfileAnimationType : std::int32_t { None, Growth, Path };
template <>
struct EnumerationTraits<UseProfileAnimationType> {
    static constexpr const char* typeName = "CUseProfileAnimationType";
    static constexpr const char* names[] = {"None", "Growth", "Path"};
};
using CUseProfileAnimationType = CZentrixEnumeration<UseProfileAnimationType>;

// What a use profile does to the entities of its resources: builds them, takes them away, puts
// them up for a while (scaffolding, formwork), or keeps them as they are (maintenance, checks).
enum class ResourceProfileType : std::int32_t { Install, Demolish, Temporary, Maintain };
template <>
struct EnumerationTraits<ResourceProfileType> {
    static constexpr const char* typeName = "CResourceProfileType";
    static constexpr const char* names[] = {"Install", "Demolish", "Temporary", "Maintain"};
};
using CResourceProfileType = CZentrixEnumeration<ResourceProfileType>;

// What the spatial checks of a spatial use profile look for among the entities in use at one
// time: nothing, entities that intersect, entities closer than the tolerance, or entities that
// touch within the tolerance.
enum class JoinTestProfileType : std::int32_t { None, Hard, Clearance, Touching };
template <>
struct EnumerationTraits<JoinTestProfileType> {
    static constexpr const char* typeName = "CJoinTestProfileType";
    static constexpr const char* names[] = {"None", "Hard", "Clearance", "Touching"};
};
using CJoinTestProfileType = CZentrixEnumeration<JoinTestProfileType>;
