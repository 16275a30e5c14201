// freeTree: frees the objects below a node of a tree of one kind without recursing.
//
// Kinds that own children of their own kind (sub-tasks, sub-folders, ...) nest to any depth. Left
// to the members' destructors, each level would destroy the next from inside its own destructor,
// and a deep enough chain would overflow the stack. A destructor that calls freeTree first takes
// its children's own collections out before they die, a level at a time, so every object is
// destroyed with nothing below it.
#pragma once

#include <utility>
#include <vector>

namespace zx {

// top: the node's collection of children of its own kind (may be null). childrenOf(object)
// returns a pointer to that object's collection of such children, or null when it has none; a
// kind with several such collections (an entity's sub-entities and subdivision parts) passes one
// accessor for each.
template <class Array, class... ChildrenOf>
void freeTree(Array* top, ChildrenOf... childrenOf) {
    if (!top || top->GetSize() == 0) return;
    std::vector<Array> pending;
    pending.push_back(std::move(*top));
    while (!pending.empty()) {
        Array level = std::move(pending.back());
        pending.pop_back();
        for (int i = 0; i < level.GetSize(); ++i) {
            auto& object = level.getWritableReference(i);
            const auto take = [&pending](Array* below) {
                if (below && below->GetSize() > 0) pending.push_back(std::move(*below));
            };
            (take(childrenOf(object)), ...);
        }
        // The objects of level die here, each with an empty collection of its own kind.
    }
}

}  // namespace zx
