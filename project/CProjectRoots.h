// CProjectRoots: one root of every kind in the list of kinds, saved and loaded as one sequence.
//
// It owns its roots (and through them every object of the project). The record is the roots'
// records back to back, in the order of the list of kinds (ZX_DOCUMENT_ROOT_KINDS), with no
// framing of its own. A root is reached by its type: roots.get<CTaskRoot>().
//
// A load that fails leaves the roots loaded so far filled and the failing root empty; callers
// that must keep what they had load into a fresh CProjectRoots and swap it in on success.
#pragma once

#include <tuple>

#include "basetypes/ZxApi.h"
#include "project/Roots.h"

namespace zx {

template <class L>
struct RootTuple;
template <class... R>
struct RootTuple<TypeList<R...>> {
    using type = std::tuple<R...>;
};

}  // namespace zx

class ZX_API CProjectRoots {
public:
    template <class Root>
    Root& get() {
        return std::get<Root>(m_roots);
    }
    template <class Root>
    const Root& get() const {
        return std::get<Root>(m_roots);
    }
    // The root of a listed kind's concrete class: roots.rootOf<CTask>() is the CTaskRoot.
    template <class C>
    auto& rootOf() {
        return get<typename zx::RootOf<C>::type>();
    }
    template <class C>
    const auto& rootOf() const {
        return get<typename zx::RootOf<C>::type>();
    }

    // The one object of a held kind (ZX_HELD_KINDS in KindList.h): the first of its root's
    // collection, made with its initial values and a fresh ID when the collection is empty (a new
    // project, or a file that held none). The const form reads the initial values then.
    template <class C>
    C& held() {
        static_assert(zx::Contains<zx::HeldKinds, C>::value, "C is not a held kind");
        auto& objects = rootOf<C>().getArray();
        if (objects.GetSize() == 0) {
            C fresh;
            fresh.generateIDs();
            (void)objects.Add(fresh);
        }
        return objects.getWritableReference(0);
    }
    template <class C>
    const C& held() const {
        static_assert(zx::Contains<zx::HeldKinds, C>::value, "C is not a held kind");
        return rootOf<C>().getArray().getConstReference(0);
    }

    // Calls f(root) for every root, in file order.
    template <class F>
    void forEachRoot(F&& f) {
        std::apply([&](auto&... roots) { (f(roots), ...); }, m_roots);
    }
    template <class F>
    void forEachRoot(F&& f) const {
        std::apply([&](const auto&... roots) { (f(roots), ...); }, m_roots);
    }

    void Serialize(CZentrixArchive& ar);
    // Equal when every root's ID and collection are.
    bool operator==(const CProjectRoots& other) const;

private:
    zx::RootTuple<zx::RootTypes>::type m_roots;
};
