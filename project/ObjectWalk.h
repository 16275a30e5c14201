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

}  // namespace zx
