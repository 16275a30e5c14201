// ObjectWalk: every object an object owns, reached through the kinds' field descriptions.
//
// walkObjects(object, visit) calls visit(o, embedded) for the object itself and then, depth
// first in record order, for every object in its child collections, optional collections, parts
// and optional parts. embedded is true for a part that lives inside its owner (a task's supply
// chain) rather than as an object of its own. A visitor that wants to know more takes a
// WalkStep instead of the flag: how the object was reached, the entry that holds it and its
// depth, from which it can tell each object's owner. A visit that returns bool decides whether
// the walk goes on into what that object owns (false skips it: a caller that takes an object
// whole does not want its parts again). The walk only reads.
//
// Collections the store holds in memory are read straight from their container, without an
// element handle per object: the walk runs over whole projects, and a handle costs a heap block.
#pragma once

#include <cstdint>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "basetypes/IDescribed.h"
#include "store/ArrayHandles.h"

namespace zx {

struct WalkStep {
    enum class Via : std::uint8_t { start, collection, part, optionalPart };

    Via via = Via::start;
    // The collection or part that holds the object; null for the object the walk starts at.
    const char* entry = nullptr;
    // 0 for the object the walk starts at, 1 for the objects it holds directly, and so on: the
    // owner of an object is the last object visited one level up.
    int depth = 0;

    bool embedded() const { return via == Via::part; }
};

template <class Visit>
class ObjectWalker {
public:
    explicit ObjectWalker(Visit& visit) : m_visit(visit) {}

    template <class I>
    void walk(const I& object, const WalkStep& step = {}) {
        if (!visit(object, step)) return;
        const int depth = m_depth;
        m_depth = step.depth + 1;
        object.visitValues(*this);
        m_depth = depth;
    }

    template <class T>
    void value(const char*, const T&) {}
    template <class I, class ID, int flag>
    void children(const char* name, const CConstWrapperArrayHandle<I, ID, flag>& handle) {
        using Memory = CBasicConstArrayHandle<I, typename ConcreteKind<I>::type, ID, flag>;
        const WalkStep step{WalkStep::Via::collection, name, m_depth};
        const auto* held = handle.handle();
        if (held && typeid(*held) == typeid(Memory)) {
            if (const auto* objects = static_cast<const Memory*>(held)->array())
                for (int i = 0; i < objects->GetSize(); ++i)
                    walk(static_cast<const I&>(objects->getConstReference(i)), step);
            return;
        }
        for (int i = 0; i < handle.GetSize(); ++i) walk(*handle.getConstReference(i), step);
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        children(name, slot.get());
    }
    template <class P>
    void part(const char* name, const P& part) {
        walk(part, {WalkStep::Via::part, name, m_depth});
    }
    template <class Slot>
    void optionalPart(const char* name, const Slot& slot) {
        const auto handle = slot.get();
        if (!handle.isNull()) walk(*handle, {WalkStep::Via::optionalPart, name, m_depth});
    }

private:
    // Calls the visit in the form it takes; true unless it asks to skip what the object owns.
    template <class I>
    bool visit(const I& object, const WalkStep& step) {
        if constexpr (std::is_invocable_v<Visit&, const I&, const WalkStep&>) {
            if constexpr (std::is_same_v<std::invoke_result_t<Visit&, const I&, const WalkStep&>,
                                         bool>)
                return m_visit(object, step);
            else
                m_visit(object, step);
        } else if constexpr (std::is_same_v<std::invoke_result_t<Visit&, const I&, bool>, bool>) {
            return m_visit(object, step.embedded());
        } else {
            m_visit(object, step.embedded());
        }
        return true;
    }

    Visit& m_visit;
    // The depth of the objects the entries being visited hold.
    int m_depth = 1;
};

template <class I, class Visit>
void walkObjects(const I& object, Visit&& visit) {
    ObjectWalker<std::remove_reference_t<Visit>> walker(visit);
    walker.walk(object);
}

// Follows the kinds' descriptions from one kind to the kinds it holds, through every collection
// and part, each kind once; found turns true on reaching a kind derived from Target. It reads the
// shape from a kind's invalid object, whose optional parts are absent but whose entries all have
// their types.
template <class Target>
class HolderSearch {
public:
    bool found = false;

    template <class I>
    void kind() {
        if (found) return;
        if constexpr (std::is_base_of_v<Target, I>) {
            found = true;
        } else {
            for (const std::type_info* seen : m_seen)
                if (*seen == typeid(I)) return;
            m_seen.push_back(&typeid(I));
            I::invalidObject().visitValues(*this);
        }
    }

    template <class T>
    void value(const char*, const T&) {}
    template <class I, class ID, int flag>
    void children(const char*, const CConstWrapperArrayHandle<I, ID, flag>&) {
        kind<I>();
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        children(name, slot.get());
    }
    template <class P>
    void part(const char*, const P&) {
        kind<P>();
    }
    template <class Slot>
    void optionalPart(const char*, const Slot&) {
        kind<std::remove_cvref_t<decltype(*std::declval<const Slot&>().get())>>();
    }

private:
    std::vector<const std::type_info*> m_seen;
};

// Whether an object of kind I is, or may hold at any depth, an object of kind Target: a walk
// that looks for one kind skips what cannot lead to it. Worked out once per pair.
template <class I, class Target>
bool mayHold() {
    static const bool holds = [] {
        HolderSearch<Target> search;
        search.template kind<I>();
        return search.found;
    }();
    return holds;
}

}  // namespace zx
