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
//         v.collection("Costs", &ITaskReport::getCosts);
//     }
//
// id() names the object's own identifier (renewed by generateIDs); field() any other value;
// collection() a child collection handed out as an array handle. `since` is the file version that
// introduced a field: archives older than that neither hold nor write it.
//
// The visitors below walk that list for the archive record, comparison, identifier renewal and
// the text dump; copying and initial values take the Fields struct whole. Values need only their
// own Serialize (or archive operators), operator== and toDumpText. The order of the list is the
// record layout: changing it changes the file format.
#pragma once

#include <string>
#include <vector>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/DumpText.h"

struct FieldOptions {
    int since = 0;
};

namespace fields {

template <class H, class J>
using CollectionGetter = H (J::*)() const;

// Visitors that treat an object's own ID like any other field forward id() to field().
template <class Self>
struct FieldsOnly {
    template <class T, class F>
    void id(const char* name, T F::*member) {
        static_cast<Self*>(this)->field(name, member);
    }
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
        if (version < options.since) return;
        ar.setField(name);
        serializeValue(ar, values.*member);
    }
    template <class H, class J>
    void collection(const char* name, CollectionGetter<H, J> get) {
        ar.setField(name);
        (object.*get)().Serialize(ar);
    }
};

template <class I>
struct CollectionCopier : FieldsOnly<CollectionCopier<I>> {
    I& target;
    const I& source;

    CollectionCopier(I& t, const I& s) : target(t), source(s) {}

    template <class T, class F>
    void field(const char*, T F::*, FieldOptions = {}) {}
    template <class H, class J>
    void collection(const char*, CollectionGetter<H, J> get) {
        (target.*get)().copyFrom((source.*get)());
    }
};

template <class I>
struct CollectionClearer : FieldsOnly<CollectionClearer<I>> {
    I& object;

    explicit CollectionClearer(I& o) : object(o) {}

    template <class T, class F>
    void field(const char*, T F::*, FieldOptions = {}) {}
    template <class H, class J>
    void collection(const char*, CollectionGetter<H, J> get) {
        (object.*get)().copyFrom(H());
    }
};

template <class I>
struct Comparer : FieldsOnly<Comparer<I>> {
    const I& a;
    const I& b;
    const typename I::Fields& x;
    const typename I::Fields& y;
    bool equal = true;

    Comparer(const I& oa, const I& ob, const typename I::Fields& fa, const typename I::Fields& fb)
        : a(oa), b(ob), x(fa), y(fb) {}

    template <class T, class F>
    void field(const char*, T F::*member, FieldOptions = {}) {
        if (equal && !(x.*member == y.*member)) equal = false;
    }
    template <class H, class J>
    void collection(const char*, CollectionGetter<H, J> get) {
        if (equal && !((a.*get)() == (b.*get)())) equal = false;
    }
};

// Gives the object a fresh ID and renews the IDs of every object it owns, so that a copy can
// live beside its original.
template <class I>
struct IDGenerator {
    I& object;
    typename I::Fields& values;

    IDGenerator(I& o, typename I::Fields& f) : object(o), values(f) {}

    template <class T, class F>
    void id(const char*, T F::*member) {
        (values.*member).generateInPlace();
    }
    template <class T, class F>
    void field(const char*, T F::*, FieldOptions = {}) {}
    template <class H, class J>
    void collection(const char*, CollectionGetter<H, J> get) {
        const H children = (object.*get)();
        for (int i = 0; i < children.GetSize(); ++i)
            children.getWritableReference(i)->generateIDs();
        children.resort();
    }
};

template <class I>
struct Dumper : FieldsOnly<Dumper<I>> {
    const I& object;
    const typename I::Fields& values;
    std::string& out;

    Dumper(const I& o, const typename I::Fields& f, std::string& s)
        : object(o), values(f), out(s) {}

    template <class T, class F>
    void field(const char* name, T F::*member, FieldOptions = {}) {
        key(name);
        out += toDumpText(values.*member);
    }
    template <class H, class J>
    void collection(const char* name, CollectionGetter<H, J> get) {
        key(name);
        const H children = (object.*get)();
        out += '[';
        for (int i = 0; i < children.GetSize(); ++i) {
            if (i) out += ',';
            out += children.getConstReference(i)->dump();
        }
        out += ']';
    }
    void key(const char* name) {
        if (out.back() != '{') out += ',';
        out += '"';
        out += name;
        out += "\":";
    }
};

// Hands each value and child collection of one object to a visitor with value() and children().
template <class Object, class Values, class Visitor>
struct ValueAdapter {
    Object& object;
    Values& values;
    Visitor& visitor;

    template <class T, class F>
    void id(const char* name, T F::*member) {
        visitor.value(name, values.*member);
    }
    template <class T, class F>
    void field(const char* name, T F::*member, FieldOptions = {}) {
        visitor.value(name, values.*member);
    }
    template <class H, class J>
    void collection(const char* name, CollectionGetter<H, J> get) {
        visitor.children(name, (object.*get)());
    }
};

}  // namespace fields

// A plain value type described like the kinds: T names itself in s_kindName, lists its members
// once with v.field(name, &T::member) in record order, and derives from CDescribedValue<T> for
// its record, comparison and dump. Its record is its fields' records, with no framing.
template <class T>
class CDescribedValue {
public:
    using Fields = T;

    void Serialize(CZentrixArchive& ar) {
        RecordScope scope(ar, T::s_kindName);
        fields::Serializer<T> visitor(self(), self(), ar);
        T::describeFields(visitor);
    }
    friend bool operator==(const T& a, const T& b) {
        fields::Comparer<T> visitor(a, b, a, b);
        T::describeFields(visitor);
        return visitor.equal;
    }
    // One JSON object of the fields in record order.
    friend std::string toDumpText(const T& value) {
        std::string out = "{";
        fields::Dumper<T> visitor(value, value, out);
        T::describeFields(visitor);
        return out + '}';
    }

private:
    T& self() { return static_cast<T&>(*this); }
};
