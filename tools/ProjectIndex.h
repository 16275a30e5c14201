// ProjectIndex: a flat view of every object of a project, for the tools that look objects up by
// kind and ID or follow what names what (the integrity check, the project diff).
//
// The index lists every object in record order: the roots in the order of the list of kinds,
// each object before everything it owns, depth first. Each entry has the object's kind (its
// position in zx::AllKinds), ID, owner, the entry that holds it and the extent of what it owns.
// The index points into the project and copies nothing but IDs: it stays valid while the project
// lives and does not change. Building it only reads the project; a built index may be read from
// several threads.
//
// IDs are unique within a scope, and looked up within one. The scope of most objects is the
// whole project (scope -1). An object's scope is its owner instead when its kind's IDRole is
// local or key, when it is reached through an optional part (a snapshot that keeps the IDs of
// what it copies), or when its owner is itself in such a scope (what a copy holds is a copy).
//
// Every value entry of a kind's description is a member of its Fields struct, as the ID is, so
// a field sits at the same distance from the ID in every object of the kind: the index keeps
// where each object's ID is, which finds the same field in another object without a search.
//
// Everything about kinds that the tools need is computed from the list of kinds at compile time:
// kindNamedBy<ID> is the kind whose identity an ID type is (or -1 for an ID type that no listed
// kind owns yet, such as users, or that a family of kinds shares, such as key frames), so a kind
// added to the list is covered with no code here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "basetypes/CIDBase.h"
#include "basetypes/FieldVisitors.h"
#include "project/CProjectRoots.h"
#include "project/KindList.h"

namespace zxtool {

inline constexpr int kindCount = static_cast<int>(zx::AllKinds::size);

// The ID type of interface I: the type its getID() answers.
template <class I>
using IDOf = std::remove_cvref_t<decltype(std::declval<const I&>().getID())>;

namespace detail {

template <class I, class... C>
constexpr int positionOf(zx::TypeList<C...>) {
    int position = 0, found = -1;
    ((std::is_same_v<typename C::Interface, I> ? (found = position, ++position) : ++position), ...);
    return found;
}

// -1 for an ID type no kind is named by or that kinds share (zx::sharesIDType), -2 when more
// than one kind claims it otherwise.
template <class ID, class... C>
constexpr int namedBy(zx::TypeList<C...>) {
    int position = 0, found = -1, claims = 0, shares = 0;
    const auto visit = [&]<class I>() {
        if (std::is_same_v<IDOf<I>, ID> && zx::idRole<I>() != zx::IDRole::key) {
            if (zx::sharesIDType<I>()) {
                ++shares;
            } else {
                found = position;
                ++claims;
            }
        }
        ++position;
    };
    (visit.template operator()<typename C::Interface>(), ...);
    return claims > 1 || (claims == 1 && shares > 0) ? -2 : found;
}

}  // namespace detail

// The position of interface I in zx::AllKinds.
template <class I>
inline constexpr int kindIndex = detail::positionOf<I>(zx::AllKinds{});

// The kind whose objects an ID of this type names: the one kind with that ID type whose role is
// not key. -1 when no listed kind has it.
template <class ID>
inline constexpr int kindNamedBy = detail::namedBy<ID>(zx::AllKinds{});

struct KindInfo {
    const char* name;
    zx::IDRole role;
    // The kind the object's own ID names when role is key; -1 otherwise.
    int keyOf;
};

// The kinds in the order of zx::AllKinds.
const std::array<KindInfo, kindCount>& kinds();

struct IndexedObject {
    // The object, as its kind's interface.
    const void* object;
    // Its own ID, in the object: its values are found from there.
    const char* values;
    CIDBase id;
    // The index of the object that owns it; -1 for an object in a root.
    std::int32_t owner;
    // The index of the object its ID is unique within; -1 for the whole project.
    std::int32_t scope;
    // One past the last object it owns, at any depth.
    std::int32_t end;
    // The object held before it in the same collection (or root); -1 for the first.
    std::int32_t previous;
    // The collection or part of the owner that holds it; null in a root.
    const char* entry;
    std::uint16_t kind;
    // A part embedded in its owner (a task's supply chain): its values belong to the owner.
    bool embedded;
};

// Objects looked up by scope, kind and ID among some of an index's objects.
class ObjectTable {
public:
    ObjectTable() = default;
    // Enters objects[i] for each i of `entered`, or every object when it is null, in that order.
    // An object whose scope, kind and ID were entered before is listed as a repeat instead.
    ObjectTable(const std::vector<IndexedObject>& objects, const std::vector<int>* entered);

    // The object with the scope (an object index, or -1 for the project), kind and ID, or -1.
    int find(int scope, int kind, const CIDBase& id) const;
    // (first, repeat) for every repeat, in the order entered.
    const std::vector<std::pair<int, int>>& repeats() const { return m_repeats; }

private:
    const std::vector<IndexedObject>* m_objects = nullptr;
    // Open addressing: object indexes, -1 for an empty slot.
    std::vector<std::int32_t> m_slots;
    std::uint64_t m_mask = 0;
    std::vector<std::pair<int, int>> m_repeats;
};

class ProjectIndex {
public:
    // Without lookups the index lists the objects but find() and repeats() know none.
    enum class Lookups : bool { none, byID };

    explicit ProjectIndex(const CProjectRoots& project, Lookups lookups = Lookups::byID);
    // The lookups refer to the index's own list of objects.
    ProjectIndex(const ProjectIndex&) = delete;
    ProjectIndex& operator=(const ProjectIndex&) = delete;

    const std::vector<IndexedObject>& objects() const { return m_objects; }
    const IndexedObject& operator[](int i) const { return m_objects[static_cast<std::size_t>(i)]; }
    int size() const { return static_cast<int>(m_objects.size()); }

    // The object of the kind with the ID in the scope (an object index, or -1 for the project),
    // or -1. Where an ID repeats within a scope this is its first object.
    int find(int scope, int kind, const CIDBase& id) const { return m_table.find(scope, kind, id); }
    // Every object whose ID repeats one seen before it in the same scope and kind, paired with
    // that first object: (first, repeat), in record order of the repeats.
    const std::vector<std::pair<int, int>>& repeats() const { return m_table.repeats(); }

    // Whether object `ancestor` owns object i, at any depth.
    bool owns(int ancestor, int i) const { return ancestor < i && i < (*this)[ancestor].end; }
    // The object findings and changes are reported against: the object itself, or for an
    // embedded part its nearest owner that is not one. Its field names take the parts' entries as
    // a prefix ("SupplyChain.SupplierID").
    int reported(int i) const;
    std::string fieldPrefix(int i) const;
    // The ID in its text form.
    static std::string idText(const CIDBase& id);
    // "Task 3f2a...": the kind's name and the ID of object i.
    std::string describe(int i) const;

    // Calls f(object) with object i as its kind's interface.
    template <class F>
    void visit(int i, F&& f) const;
    // Calls visitor.value(name, value[, options]) for each value of object i (its ID and fields,
    // not what it owns), in the order of its kind's description. The visitor declares
    // s_valuesOnly (see zx::fields::ValueAdapter).
    template <class V>
    void visitValues(int i, V& visitor) const;
    // Calls visitor.value(name, before, after, options) for each value of object j of `before` and
    // the same value of object i of this index, which must be of the same kind.
    template <class V>
    void visitValuePairs(const ProjectIndex& before, int j, int i, V& visitor) const;
    // The value of object `other` at the place that `value` has in object i: the same field of
    // another object of the same kind.
    template <class T>
    const T& sameValue(int other, int i, const T& value) const {
        const std::ptrdiff_t offset = reinterpret_cast<const char*>(&value) - (*this)[i].values;
        return *reinterpret_cast<const T*>((*this)[other].values + offset);
    }

private:
    void add(const void* object, int kind, const CIDBase* id, int depth, const char* entry,
             bool embedded, bool snapshot);

    std::vector<IndexedObject> m_objects;
    ObjectTable m_table;
    // The open object at each depth of the walk in progress, and the last object it holds.
    struct Open {
        int object;
        int last;
    };
    std::vector<Open> m_open;
    // The last object added to the root being walked.
    int m_rootLast = -1;
};

// Hands visitor.value(name, before, after) the values of the object of `before` and of this
// object, from this object's visit: the same field sits at the same distance from the ID in both.
template <class V>
struct ValuePairs {
    static constexpr bool s_valuesOnly = true;

    V& visitor;
    const char* values;
    const char* before;

    template <class T>
    void value(const char* name, const T& value, const zx::FieldOptions& options = {}) {
        const std::ptrdiff_t offset = reinterpret_cast<const char*>(&value) - values;
        visitor.value(name, *reinterpret_cast<const T*>(before + offset), value, options);
    }
    // A compact value's value lies outside the object: the pair is found through the field.
    template <class T>
    void compactValue(const char* name, const CCompactValue<T>& value,
                      const zx::FieldOptions& options = {}) {
        const std::ptrdiff_t offset = reinterpret_cast<const char*>(&value) - values;
        visitor.value(name, reinterpret_cast<const CCompactValue<T>*>(before + offset)->get(),
                      value.get(), options);
    }
};

template <class V>
void ProjectIndex::visitValues(int i, V& visitor) const {
    visit(i, [&](const auto& object) { object.visitValues(visitor); });
}

template <class V>
void ProjectIndex::visitValuePairs(const ProjectIndex& before, int j, int i, V& visitor) const {
    ValuePairs<V> pairs{visitor, (*this)[i].values, before[j].values};
    visitValues(i, pairs);
}

template <class F>
void ProjectIndex::visit(int i, F&& f) const {
    using Fn = void (*)(const void*, F&);
    static constexpr auto table = []<class... C>(zx::TypeList<C...>) {
        return std::array<Fn, sizeof...(C)>{+[](const void* object, F& call) {
            call(*static_cast<const typename C::Interface*>(object));
        }...};
    }(zx::AllKinds{});
    const IndexedObject& o = (*this)[i];
    table[o.kind](o.object, f);
}

}  // namespace zxtool
