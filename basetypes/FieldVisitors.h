// The generic algorithms that every stored kind gets from its one field description.
//
// Each interface I keeps its values in a plain struct I::Fields (types and initial values, as
// default member initialisers) and lists them once, in record order, in a static
// describeFields(v):
//
//     template <class V> static void describeFields(V& v) {
//         v.id("ID", &Fields::id);
//         v.field("Amount", &Fields::amount);
//         v.field("Type", &Fields::type, {.since = 420});
//         v.collection("Costs", &ITaskReport::getCosts, &ITaskReport::getCosts);
//     }
//
// id() names the object's own identifier (renewed by generateIDs); field() any other value;
// collection() a child collection handed out as an array handle, named twice: the same getter name
// resolves once to the const overload (a read-only handle, for comparing and dumping) and once to
// the non-const one (a writable handle, for loading, copying, clearing and renewing IDs). `since`
// is the file version that introduced a field: archives older than that neither hold nor write it.
//
// Three more entries cover what an object owns through pointers:
//   v.optionalCollection("Notes", &ITask::getNotes, &ITask::getNotes, &ITask::allocateNotes,
//                        &ITask::removeAllNotes)
//       a child collection that exists only while it has entries (null reads as empty). Record:
//       a presence byte, then the collection's record when it has entries.
//   v.part("SupplyChain", &ITask::getSupplyChain, &ITask::getWritableSupplyChain)
//       an embedded object of another kind, recorded, copied and compared as a whole.
//   v.optionalPart("OldSchedule", &IIssue::getOldSchedule, &IIssue::getWritableOldSchedule,
//                  &IIssue::allocateOldSchedule, &IIssue::clearOldSchedule)
//       an owned object that may be absent. Record: a presence byte, then the object's record.
// The allocate and clear members may be private: describeFields, a member of the interface, takes
// their addresses. Optional values that are plain values (not objects) are CHeapValue fields;
// values that are always there but mostly empty may be CCompactValue fields, which every visitor
// sees as the value itself.
//
// Records whose layout changed over file versions say so in FieldOptions: `since` is the first
// version that holds an entry, `before` the first that no longer does. An older layout that the
// generic entries cannot express is one record-only entry,
//   v.recordOnly("Histories", &IResource::serializeOldHistories, {.before = 367})
// a member that reads or writes that part of the record itself. Only the archive record visits
// it; copies, comparison, ID renewal, the dump and visitValues see the object's current entries
// (listed beside it with the matching `since`) and ignore it. A whole record of another order
// (an older record a second class of the kind reads and writes) names the entries in its own
// order with zx::fields::serializeEntries, and adds only its framing.
//
// A value that must not be shown (a password's hash or salt) is described with
// {.secret = true}: the text dump prints "<redacted>" in its place.
//
// The other FieldOptions say what a value means rather than where it is recorded (a number's
// range, what the IDs in it name, an order among siblings); no record depends on them. With each
// kind's IDRole they let tools check a whole project against the kinds' own descriptions.
//
// The visitors below walk that list for the archive record, comparison, identifier renewal and
// the text dump; copying and initial values take the Fields struct whole. Values need only their
// own Serialize (or archive operators), operator== and toDumpText. The order of the list is the
// record layout: changing it changes the file format.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "basetypes/CCompactValue.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"

template <class I>
class IDescribed;
template <class T>
class CDescribedValue;
template <class I, class ID, int flag>
class CConstWrapperArrayHandle;
template <class I, class ID, int flag>
class CWrapperArrayHandle;

namespace zx {

struct FieldOptions {
    // The first file version that holds the entry.
    int since = 0;
    // The first file version that no longer holds it.
    int before = std::numeric_limits<int>::max();
    // A value nobody may read over a shoulder (a password's hash or salt): dumps print
    // "<redacted>" in its place.
    bool secret = false;
    // The documented range of a number (a set one; unset numbers have no value). Setters may
    // clamp, but loaded or host-written values are not forced into it: the integrity check
    // reports values outside it.
    double min = -std::numeric_limits<double>::infinity();
    double max = std::numeric_limits<double>::infinity();
    // The IDs in this value (at any depth) name objects that the object holding the value owns
    // directly, not objects anywhere in the project: a calendar's week names that calendar's own
    // day types.
    bool namesOwnChildren = false;
    // The ID names the parent of the object holding it among the objects of its kind next to it
    // (a baselined task's summary task): following parents must end, never come back.
    bool parentLink = false;
    // The objects of one collection hold this value in ascending order, equal values allowed (a
    // history's items by time).
    bool ascending = false;
    // The IDs in this value name objects of another project (a source's), never objects here:
    // tools do not follow them.
    bool foreign = false;

    bool appliesTo(int version) const { return since <= version && version < before; }
};

// How far an object's own ID reaches. A kind whose ID is not an identity unique in the whole
// project says so beside its s_kindName: `static constexpr zx::IDRole s_idRole = ...;`.
enum class IDRole : std::uint8_t {
    // Unique in the project; IDs of this type held anywhere else name these objects.
    identity,
    // Unique among the objects of its owner only (every calendar starts with the same two
    // default day types); found by fields marked namesOwnChildren.
    local,
    // The ID of the object of another kind that this one describes (a baselined task, the
    // resource state a history records): it names an object of the kind whose identity that ID
    // type is, and is unique among the objects of its owner only. What such an object owns is a
    // copy as well, unique within its holder.
    key,
};

template <class I>
constexpr IDRole idRole() {
    if constexpr (requires { I::s_idRole; })
        return I::s_idRole;
    else
        return IDRole::identity;
}

// Kinds of one family whose objects all take their IDs from one ID type (the key frames of every
// kind of timeline are CKeyFrameIDs) say so with `static constexpr bool s_sharesIDType = true;`:
// an ID of that type then names no one kind, and tools do not follow it as a reference. Without
// the marker, two kinds with one ID type are a mistake the tools refuse to compile.
template <class I>
constexpr bool sharesIDType() {
    if constexpr (requires { I::s_sharesIDType; })
        return I::s_sharesIDType;
    else
        return false;
}

namespace fields {

template <class H, class J>
using Getter = H (J::*)() const;
template <class W, class J>
using WritableGetter = W (J::*)();
template <class J>
using Action = void (J::*)();
template <class J>
using RecordHook = void (J::*)(CZentrixArchive&);

// Reaches the protected initialize() of a part's kind (IDescribed befriends it).
struct Access {
    template <class P>
    static void initialize(P& part) {
        static_cast<IDescribed<P>&>(part).initialize();
    }
};

// Same size and pairwise equal elements; an absent collection equals an empty one.
template <class H>
bool sameElements(const H& a, const H& b) {
    const int n = a.GetSize();
    if (n != b.GetSize()) return false;
    for (int i = 0; i < n; ++i)
        if (!(*a.getConstReference(i) == *b.getConstReference(i))) return false;
    return true;
}

// The interface a collection's array handle holds (void for anything else).
template <class H>
struct HandleElement {
    using type = void;
};
template <class J, class ID, int flag>
struct HandleElement<CConstWrapperArrayHandle<J, ID, flag>> {
    using type = J;
};
template <class J, class ID, int flag>
struct HandleElement<CWrapperArrayHandle<J, ID, flag>> {
    using type = J;
};

// A collection that holds objects of the very kind that owns it (sub-tasks, sub-folders, ...).
// Such collections nest to any depth, so the visitors below never recurse into them: they hand
// the children to a work-list that the kind's operation empties in a loop, and a deep tree takes
// the stack of a single level.
template <class I, class H>
constexpr bool ownKind = std::is_same_v<typename HandleElement<H>::type, I>;

// Sets a thread's work-list pointer for the lifetime of a scope.
template <class T>
class ScopedWorkList {
public:
    ScopedWorkList(T*& slot, T* list) : m_slot(slot) { m_slot = list; }
    ~ScopedWorkList() { m_slot = nullptr; }
    ScopedWorkList(const ScopedWorkList&) = delete;
    ScopedWorkList& operator=(const ScopedWorkList&) = delete;

private:
    T*& m_slot;
};

// Defaults most visitors share: an object's own ID is a field like any other, and an optional
// collection is walked like an embedded one (an absent one yields an empty handle).
template <class Self>
struct FieldsOnly {
    template <class T, class F>
    void id(const char* name, T F::*member) {
        static_cast<Self*>(this)->field(name, member);
    }
    template <class H, class W, class J>
    void optionalCollection(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable,
                            Action<J>, Action<J>, FieldOptions = {}) {
        static_cast<Self*>(this)->collection(name, get, getWritable);
    }
    template <class J>
    void recordOnly(const char*, RecordHook<J>, FieldOptions = {}) {}
};

template <class I>
struct Serializer : FieldsOnly<Serializer<I>> {
    I& object;
    typename I::Fields& values;
    CZentrixArchive& ar;
    // Read once: the version is asked of every field.
    const int version;

    Serializer(I& o, typename I::Fields& f, CZentrixArchive& a)
        : object(o), values(f), ar(a), version(a.fileVersion()) {}

    template <class T, class F>
    void field(const char* name, T F::*member, FieldOptions options = {}) {
        if (!options.appliesTo(version)) return;
        ar.setField(name);
        serializeValue(ar, values.*member);
    }
    template <class H, class W, class J>
    void collection(const char* name, Getter<H, J>, WritableGetter<W, J> getWritable) {
        ar.setField(name);
        (object.*getWritable)().Serialize(ar);
    }
    template <class H, class W, class J>
    void optionalCollection(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable,
                            Action<J> allocate, Action<J> clear, FieldOptions options = {}) {
        if (!options.appliesTo(version)) return;
        ar.setField(name);
        // Loading reads the presence byte, so only a store asks the collection for its size.
        if (!presence(ar.IsStoring() && (object.*get)().GetSize() > 0, allocate, clear)) return;
        // One handle serves the record and the check after it, and is let go before the
        // collection may be.
        const bool empty = [&] {
            W collection = (object.*getWritable)();
            collection.Serialize(ar);
            return collection.GetSize() == 0;
        }();
        // A stored empty collection is not kept: absent and empty read alike.
        if (ar.IsLoading() && empty) (object.*clear)();
    }
    template <class J>
    void recordOnly(const char* name, RecordHook<J> serialize, FieldOptions options = {}) {
        if (!options.appliesTo(version)) return;
        ar.setField(name);
        (object.*serialize)(ar);
    }
    template <class H, class W, class J>
    void part(const char* name, Getter<H, J>, WritableGetter<W, J> getWritable) {
        ar.setField(name);
        (object.*getWritable)()->Serialize(ar);
    }
    template <class H, class W, class J>
    void optionalPart(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable,
                      Action<J> allocate, Action<J> clear) {
        ar.setField(name);
        if (!presence(ar.IsStoring() && !(object.*get)().isNull(), allocate, clear)) return;
        (object.*getWritable)()->Serialize(ar);
    }

    // The presence byte of an optional entry. Loading clears the entry and, when the byte says
    // it is present, allocates it empty. True when the entry's record follows.
    template <class J>
    bool presence(bool present, Action<J> allocate, Action<J> clear) {
        ar.io(present);
        if (ar.IsLoading()) {
            (object.*clear)();
            if (present) (object.*allocate)();
        }
        return present;
    }
};

// Hands the entries of one name, and only those, to the archive record's visitor.
template <class I>
struct EntrySelector {
    Serializer<I> inner;
    const char* wanted;
    bool found = false;

    bool match(const char* name) {
        if (std::strcmp(name, wanted) != 0) return false;
        found = true;
        return true;
    }
    template <class T, class F>
    void id(const char* name, T F::*member) {
        if (match(name)) inner.field(name, member);
    }
    template <class T, class F>
    void field(const char* name, T F::*member, FieldOptions options = {}) {
        if (match(name)) inner.field(name, member, options);
    }
    template <class H, class W, class J>
    void collection(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable) {
        if (match(name)) inner.collection(name, get, getWritable);
    }
    template <class H, class W, class J>
    void optionalCollection(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable,
                            Action<J> allocate, Action<J> clear, FieldOptions options = {}) {
        if (match(name)) inner.optionalCollection(name, get, getWritable, allocate, clear, options);
    }
    template <class J>
    void recordOnly(const char* name, RecordHook<J> serialize, FieldOptions options = {}) {
        if (match(name)) inner.recordOnly(name, serialize, options);
    }
    template <class H, class W, class J>
    void part(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable) {
        if (match(name)) inner.part(name, get, getWritable);
    }
    template <class H, class W, class J>
    void optionalPart(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable,
                      Action<J> allocate, Action<J> clear) {
        if (match(name)) inner.optionalPart(name, get, getWritable, allocate, clear);
    }
};

// Writes or reads the entries of I's description named in `names`, in that order, each exactly
// as the generic record holds it (version thresholds included). For a record whose order is fixed
// apart from the description's (an older record of a kind): types, storage and thresholds still
// come from the one description, and the record adds only its order and framing. A name the
// description lacks is a programming error (std::logic_error).
template <class I>
void serializeEntries(I& object, typename I::Fields& values, CZentrixArchive& ar,
                      std::initializer_list<const char*> names) {
    for (const char* name : names) {
        EntrySelector<I> selector{Serializer<I>(object, values, ar), name};
        I::describeFields(selector);
        if (!selector.found)
            throw std::logic_error(std::string(I::s_kindName) + " describes no entry " + name);
    }
}

// Copies the collections and parts (the caller copies the Fields whole). Given a work-list, it
// copies no collection of the object's own kind but queues the pair of objects instead; a pass
// with ownKindOnly then copies just those collections, whose new children queue theirs in turn.
template <class I>
struct CollectionCopier : FieldsOnly<CollectionCopier<I>> {
    using WorkList = std::vector<std::pair<I*, const I*>>;

    I& target;
    const I& source;
    WorkList* deferred;
    bool ownKindOnly;
    bool queued = false;

    CollectionCopier(I& t, const I& s, WorkList* d = nullptr, bool own = false)
        : target(t), source(s), deferred(d), ownKindOnly(own) {}

    template <class T, class F>
    void field(const char*, T F::*, FieldOptions = {}) {}
    template <class H, class W, class J>
    void collection(const char*, Getter<H, J> get, WritableGetter<W, J> getWritable) {
        if (skip<H>()) return;
        (target.*getWritable)().copyFrom((source.*get)());
    }
    template <class H, class W, class J>
    void optionalCollection(const char*, Getter<H, J> get, WritableGetter<W, J> getWritable,
                            Action<J> allocate, Action<J> clear, FieldOptions = {}) {
        if (skip<H>()) return;
        (target.*clear)();
        const H from = (source.*get)();
        if (from.GetSize() == 0) return;
        (target.*allocate)();
        (target.*getWritable)().copyFrom(from);
    }
    template <class H, class W, class J>
    void part(const char*, Getter<H, J> get, WritableGetter<W, J> getWritable) {
        if (ownKindOnly) return;
        (target.*getWritable)()->copyFrom(*(source.*get)());
    }
    template <class H, class W, class J>
    void optionalPart(const char*, Getter<H, J> get, WritableGetter<W, J> getWritable,
                      Action<J> allocate, Action<J> clear) {
        if (ownKindOnly) return;
        (target.*clear)();
        const H from = (source.*get)();
        if (from.isNull()) return;
        (target.*allocate)();
        (target.*getWritable)()->copyFrom(*from);
    }

    // True when the collection is not copied in this pass.
    template <class H>
    bool skip() {
        if (!deferred) return false;
        if (ownKindOnly) return !ownKind<I, H>;
        if (!ownKind<I, H>) return false;
        if (!queued) deferred->emplace_back(&target, &source);
        queued = true;
        return true;
    }
};

template <class I>
struct CollectionClearer : FieldsOnly<CollectionClearer<I>> {
    I& object;

    explicit CollectionClearer(I& o) : object(o) {}

    template <class T, class F>
    void field(const char*, T F::*, FieldOptions = {}) {}
    template <class H, class W, class J>
    void collection(const char*, Getter<H, J>, WritableGetter<W, J> getWritable) {
        (object.*getWritable)().copyFrom(H());
    }
    template <class H, class W, class J>
    void optionalCollection(const char*, Getter<H, J>, WritableGetter<W, J>, Action<J>,
                            Action<J> clear, FieldOptions = {}) {
        (object.*clear)();
    }
    template <class H, class W, class J>
    void part(const char*, Getter<H, J>, WritableGetter<W, J> getWritable) {
        Access::initialize(*(object.*getWritable)());
    }
    template <class H, class W, class J>
    void optionalPart(const char*, Getter<H, J>, WritableGetter<W, J>, Action<J>, Action<J> clear) {
        (object.*clear)();
    }
};

// Compares two objects. Given a work-list, it compares the sizes of collections of the own kind
// and queues their pairs of children instead of comparing them, for the caller's loop.
template <class I>
struct Comparer : FieldsOnly<Comparer<I>> {
    using WorkList = std::vector<std::pair<const I*, const I*>>;

    const I& a;
    const I& b;
    const typename I::Fields& x;
    const typename I::Fields& y;
    WorkList* deferred;
    bool equal = true;

    Comparer(const I& oa, const I& ob, const typename I::Fields& fa, const typename I::Fields& fb,
             WorkList* d = nullptr)
        : a(oa), b(ob), x(fa), y(fb), deferred(d) {}

    template <class T, class F>
    void field(const char*, T F::*member, FieldOptions = {}) {
        if (equal && !(x.*member == y.*member)) equal = false;
    }
    template <class H, class W, class J>
    void collection(const char*, Getter<H, J> get, WritableGetter<W, J>) {
        if (!equal) return;
        if constexpr (ownKind<I, H>) {
            if (deferred) return queue((a.*get)(), (b.*get)());
        }
        if (!((a.*get)() == (b.*get)())) equal = false;
    }
    template <class H, class W, class J>
    void optionalCollection(const char*, Getter<H, J> get, WritableGetter<W, J>, Action<J>,
                            Action<J>, FieldOptions = {}) {
        if (!equal) return;
        if constexpr (ownKind<I, H>) {
            if (deferred) return queue((a.*get)(), (b.*get)());
        }
        if (!sameElements((a.*get)(), (b.*get)())) equal = false;
    }
    template <class H, class W, class J>
    void part(const char*, Getter<H, J> get, WritableGetter<W, J>) {
        if (equal && !(*(a.*get)() == *(b.*get)())) equal = false;
    }
    template <class H, class W, class J>
    void optionalPart(const char*, Getter<H, J> get, WritableGetter<W, J>, Action<J>, Action<J>) {
        if (!equal) return;
        const H x = (a.*get)(), y = (b.*get)();
        if (x.isNull() || y.isNull())
            equal = x.isNull() && y.isNull();
        else
            equal = *x == *y;
    }

    template <class H>
    void queue(const H& left, const H& right) {
        const int n = left.GetSize();
        if (n != right.GetSize()) {
            equal = false;
            return;
        }
        for (int i = 0; i < n; ++i)
            deferred->emplace_back(&*left.getConstReference(i), &*right.getConstReference(i));
    }
};

// Gives the object a fresh ID and renews the IDs of every object it owns, so that a copy can
// live beside its original. Given a work-list, it queues the object instead of renewing its
// children of its own kind; a pass with ownKindOnly then renews just those children (each of
// which queues itself in turn) and re-sorts their collection.
template <class I>
struct IDGenerator {
    I& object;
    typename I::Fields& values;
    std::vector<I*>* deferred;
    bool ownKindOnly;
    bool queued = false;

    IDGenerator(I& o, typename I::Fields& f, std::vector<I*>* d = nullptr, bool own = false)
        : object(o), values(f), deferred(d), ownKindOnly(own) {}

    template <class T, class F>
    void id(const char*, T F::*member) {
        if (!ownKindOnly) (values.*member).generateInPlace();
    }
    // A described value with IDs of its own (a filter's sub-filters) renews them with its owner.
    template <class T, class F>
    void field(const char*, T F::*member, FieldOptions = {}) {
        if constexpr (std::is_base_of_v<CDescribedValue<T>, T>)
            if (!ownKindOnly) (values.*member).generateIDs();
    }
    template <class H, class W, class J>
    void collection(const char*, Getter<H, J>, WritableGetter<W, J> getWritable) {
        if constexpr (ownKind<I, H>) {
            if (deferred && !ownKindOnly) {
                if (!queued) deferred->push_back(&object);
                queued = true;
                return;
            }
        } else if (ownKindOnly) {
            return;
        }
        const W children = (object.*getWritable)();
        for (int i = 0; i < children.GetSize(); ++i) children.getWritableReference(i)->renewIDs();
        children.resort();
    }
    template <class H, class W, class J>
    void optionalCollection(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable,
                            Action<J>, Action<J>, FieldOptions = {}) {
        collection(name, get, getWritable);
    }
    template <class J>
    void recordOnly(const char*, RecordHook<J>, FieldOptions = {}) {}
    template <class H, class W, class J>
    void part(const char*, Getter<H, J>, WritableGetter<W, J> getWritable) {
        if (!ownKindOnly) (object.*getWritable)()->renewIDs();
    }
    // Optional parts are snapshots (document copies whose stored bytes are named by their IDs),
    // so they keep their IDs.
    template <class H, class W, class J>
    void optionalPart(const char*, Getter<H, J>, WritableGetter<W, J>, Action<J>, Action<J>) {}
};

// Appends the fields as JSON members. At a collection of the object's own kind it opens the array
// and stops, leaving the children in `children` and the entry to go on from in `resumeAt`: the
// caller dumps the children and then runs a Dumper again with `skip` set to resumeAt.
template <class I>
struct Dumper : FieldsOnly<Dumper<I>> {
    const I& object;
    const typename I::Fields& values;
    std::string& out;
    int skip = 0;
    int entry = 0;
    int resumeAt = -1;
    std::vector<const I*> children;

    Dumper(const I& o, const typename I::Fields& f, std::string& s)
        : object(o), values(f), out(s) {}

    bool paused() const { return resumeAt >= 0; }

    template <class T, class F>
    void field(const char* name, T F::*member, FieldOptions options = {}) {
        if (!take()) return;
        key(name);
        out += options.secret ? std::string("\"<redacted>\"") : toDumpText(values.*member);
    }
    template <class H, class W, class J>
    void collection(const char* name, Getter<H, J> get, WritableGetter<W, J>) {
        if (!take()) return;
        key(name);
        const H list = (object.*get)();
        out += '[';
        if constexpr (ownKind<I, H>) {
            for (int i = 0; i < list.GetSize(); ++i)
                children.push_back(&*list.getConstReference(i));
            if (!children.empty()) {
                resumeAt = entry;
                return;
            }
        } else {
            for (int i = 0; i < list.GetSize(); ++i) {
                if (i) out += ',';
                out += list.getConstReference(i)->dump();
            }
        }
        out += ']';
    }
    template <class H, class W, class J>
    void part(const char* name, Getter<H, J> get, WritableGetter<W, J>) {
        if (!take()) return;
        key(name);
        out += (object.*get)()->dump();
    }
    template <class H, class W, class J>
    void optionalPart(const char* name, Getter<H, J> get, WritableGetter<W, J>, Action<J>,
                      Action<J>) {
        if (!take()) return;
        key(name);
        const H value = (object.*get)();
        out += value.isNull() ? std::string("null") : value->dump();
    }
    // Counts the entry; true when it is to be written in this run.
    bool take() {
        const int index = entry++;
        return !paused() && index >= skip;
    }
    void key(const char* name) {
        if (out.back() != '{') out += ',';
        out += '"';
        out += name;
        out += "\":";
    }
};

// Hands each value and child collection of one object to a visitor with value() and children().
// A visitor that wants the values only says so with `static constexpr bool s_valuesOnly = true`;
// it needs no children(), part() or optional ones, and no collection or part is fetched for it
// (fetching one makes a handle, which tools that visit every object of a project feel).
template <class Object, class Values, class Visitor>
struct ValueAdapter {
    static constexpr bool valuesOnly = requires { requires Visitor::s_valuesOnly; };

    Object& object;
    Values& values;
    Visitor& visitor;

    template <class T, class F>
    void id(const char* name, T F::*member) {
        visitor.value(name, values.*member);
    }
    // A compact value is visited as the value it stands for: read as it is, or held while the
    // visitor may change it. A visitor that needs the field's own place in the object (to find
    // the same field in another object) takes it whole through compactValue().
    template <class T, class F>
    void field(const char* name, T F::*member, FieldOptions options = {}) {
        if constexpr (!isCompactValue<T>)
            visit(name, values.*member, options);
        else if constexpr (requires { visitor.compactValue(name, values.*member, options); })
            visitor.compactValue(name, values.*member, options);
        else if constexpr (std::is_const_v<Values>)
            visit(name, (values.*member).get(), options);
        else
            (values.*member).modify([&](auto& value) { visit(name, value, options); });
    }
    // A visitor that wants the entry's options (a secret, a range) takes them as a third
    // argument; the others see name and value only.
    template <class T>
    void visit(const char* name, T& value, FieldOptions options) {
        if constexpr (requires { visitor.value(name, value, options); })
            visitor.value(name, value, options);
        else
            visitor.value(name, value);
    }
    template <class H, class W, class J>
    void collection(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable) {
        if constexpr (valuesOnly)
            return;
        else if constexpr (std::is_const_v<Object>)
            visitor.children(name, (object.*get)());
        else
            visitor.children(name, (object.*getWritable)());
    }
    template <class H, class W, class J>
    void optionalCollection(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable,
                            Action<J> allocate, Action<J> clear, FieldOptions = {}) {
        if constexpr (!valuesOnly)
            visitor.optionalChildren(
                name, OptionalSlot<H, W, J, true>{object, get, getWritable, allocate, clear});
    }
    template <class H, class W, class J>
    void part(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable) {
        if constexpr (valuesOnly)
            return;
        else if constexpr (std::is_const_v<Object>)
            visitor.part(name, *(object.*get)());
        else
            visitor.part(name, *(object.*getWritable)());
    }
    template <class J>
    void recordOnly(const char*, RecordHook<J>, FieldOptions = {}) {}
    template <class H, class W, class J>
    void optionalPart(const char* name, Getter<H, J> get, WritableGetter<W, J> getWritable,
                      Action<J> allocate, Action<J> clear) {
        if constexpr (!valuesOnly)
            visitor.optionalPart(
                name, OptionalSlot<H, W, J, false>{object, get, getWritable, allocate, clear});
    }

    // What a visitor gets for an optional collection or part: present() asks, get() hands out
    // the current handle, ensure() allocates (on a writable object) and hands out a writable one.
    template <class H, class W, class J, bool isCollection>
    struct OptionalSlot {
        Object& object;
        Getter<H, J> getter;
        WritableGetter<W, J> writableGetter;
        Action<J> allocate;
        Action<J> clear;

        bool present() const {
            if constexpr (isCollection)
                return (object.*getter)().GetSize() > 0;
            else
                return !(object.*getter)().isNull();
        }
        H get() const { return (object.*getter)(); }
        W ensure() const {
            (object.*allocate)();
            return (object.*writableGetter)();
        }
        void reset() const { (object.*clear)(); }
    };
};

}  // namespace fields
}  // namespace zx

namespace zx {
// A described value that keeps state derived from its fields (an index for fast lookups) declares
// a public `void rebuildDerived()`; whatever sets the fields without its setters (loading from
// the archive or from JSON, tools that fill values) calls this afterwards, so derived state is
// never read from outside.
template <class T>
void rebuildDerived(T& value) {
    if constexpr (requires { value.rebuildDerived(); }) value.rebuildDerived();
}
}  // namespace zx

// A plain value type described like the kinds: T names itself in s_kindName, lists its members
// once with v.field(name, &T::member) in record order, and derives from CDescribedValue<T> for
// its record, comparison and dump. Its record is its fields' records, with no framing unless T
// names a marker in `static constexpr const char* s_recordMarker`: start and end markers of that
// name then enclose the fields. A value with an identifier of its own lists it with
// v.id(name, &T::member): generateIDs() renews it (and the IDs of described values inside it), as
// does the owner's ID renewal.
template <class T>
class CDescribedValue {
public:
    using Fields = T;

    void Serialize(CZentrixArchive& ar) {
        zx::RecordScope scope(ar, T::s_kindName);
        constexpr bool framed = requires { T::s_recordMarker; };
        if constexpr (framed) ar.checkMarkerStart(zx::ArchiveMarker(T::s_recordMarker));
        zx::fields::Serializer<T> visitor(self(), self(), ar);
        T::describeFields(visitor);
        if constexpr (framed) ar.checkMarkerEnd(zx::ArchiveMarker(T::s_recordMarker));
        if (ar.IsLoading()) zx::rebuildDerived(self());
    }
    void generateIDs() {
        zx::fields::IDGenerator<T> visitor(self(), self());
        T::describeFields(visitor);
    }
    friend bool operator==(const T& a, const T& b) {
        zx::fields::Comparer<T> visitor(a, b, a, b);
        T::describeFields(visitor);
        return visitor.equal;
    }
    // One JSON object of the fields in record order.
    friend std::string toDumpText(const T& value) {
        std::string out = "{";
        zx::fields::Dumper<T> visitor(value, value, out);
        T::describeFields(visitor);
        return out + '}';
    }

private:
    T& self() { return static_cast<T&>(*this); }
};
