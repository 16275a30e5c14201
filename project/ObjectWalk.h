// ObjectWalk: every object an object owns, reached through the kinds' field descriptions.
//
// walkObjects(object, visit) calls visit(o, embedded) for the object itself and then, depth
// first in record order, for every object in its child collections, optional collections, parts
// and optional parts. embedded is true for a part that lives inside its owner (a task's supply
// chain) rather than as an object of its own. A visit that returns bool decides whether the walk
// goes on into what that object owns (false skips it: a caller that takes an object whole does
// not want its parts again). The walk only reads.
#pragma once

#include <type_traits>

namespace zx {

template <class Visit>
class ObjectWalker {
public:
    explicit ObjectWalker(Visit& visit) : m_visit(visit) {}

    template <class I>
    void walk(const I& object, bool embedded = false) {
        if constexpr (std::is_same_v<decltype(m_visit(object, embedded)), bool>) {
            if (!m_visit(object, embedded)) return;
        } else {
            m_visit(object, embedded);
        }
        object.visitValues(*this);
    }

    template <class T>
    void value(const char*, const T&) {}
    template <class H>
    void children(const char*, const H& handle) {
        for (int i = 0; i < handle.GetSize(); ++i) walk(*handle.getConstReference(i));
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        children(name, slot.get());
    }
    template <class P>
    void part(const char*, const P& part) {
        walk(part, true);
    }
    template <class Slot>
    void optionalPart(const char*, const Slot& slot) {
        const auto handle = slot.get();
        if (!handle.isNull()) walk(*handle);
    }

private:
    Visit& m_visit;
};

template <class I, class Visit>
void walkObjects(const I& object, Visit&& visit) {
    ObjectWalker<Visit> walker(visit);
    walker.walk(object);
}

}  // namespace zx
