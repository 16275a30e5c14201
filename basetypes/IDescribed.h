// IDescribed<I>: the behaviour every stored kind's interface shares, driven by its description.
//
// An interface I derives from IDescribed<I> and supplies s_kindName, its value struct I::Fields
// and a static describeFields(v) (see FieldVisitors.h). From those it gets its archive record
// (Serialize), deep copy (copyFrom), comparison (== and !=), initial values (initialize), ID
// renewal (generateIDs, overridden through renewIDs) and a JSON-like text dump. A kind with rules
// of its own overrides the virtual ones and calls these for the rest.
//
// The concrete class C derives from CStored<C, I>, which holds the Fields and supplies handle()
// and writableHandle(): new heap handles on the object, owned by the caller; getHandle() and
// getWritableHandle() wrap them. The host's state word (CObjectState) is not part of an object's
// value: copies and comparisons leave it out.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "basetypes/CHeapValue.h"
#include "basetypes/CObjectState.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "store/Handles.h"

// The concrete class of an interface, for generic code that has to make objects of a kind (loaders
// of child collections, tools, tests); each concrete header specialises it.
template <class I>
struct ConcreteKind;

template <class I>
class ZX_API IDescribed : public CObjectState {
public:
    ~IDescribed() override = default;

    const GUID& getObjectStateGUID() const override { return self().getID().getGUID(); }

    // Writes or reads the object's archive record.
    virtual void Serialize(CZentrixArchive& ar);
    // Makes this object a deep copy of other.
    virtual void copyFrom(const I& other);
    // Symmetric, so that comparing two different concrete classes of one kind is unambiguous;
    // != is the rewritten negation.
    friend bool operator==(const I& a, const I& b) { return a.equals(b); }
    // A fresh ID for the object and for every object it owns. An interface whose renewal has a
    // result declares its own generateIDs, which hides this one; its class then overrides
    // renewIDs to call it, so generic callers reach it too.
    void generateIDs() { renewIDs(); }
    virtual void renewIDs();
    // One JSON object: the kind, then every field in record order (secret ones redacted).
    std::string dump() const;

    // Walks the values and child collections in record order: visitor.value(name, value&) for
    // each field (the ID first where it comes first) and visitor.children(name, arrayHandle) for
    // each collection. For tools and tests that treat every kind alike.
    template <class Visitor>
    void visitValues(Visitor& visitor) {
        zx::fields::ValueAdapter<I, typename I::Fields, Visitor> adapter{self(), self().fields(),
                                                                         visitor};
        I::describeFields(adapter);
    }
    template <class Visitor>
    void visitValues(Visitor& visitor) const {
        zx::fields::ValueAdapter<const I, const typename I::Fields, Visitor> adapter{
            self(), self().fields(), visitor};
        I::describeFields(adapter);
    }

    CWrapperHandle<I> getHandle() const { return CWrapperHandle<I>(handle()); }
    CWritableWrapperHandle<I> getWritableHandle() {
        return CWritableWrapperHandle<I>(writableHandle());
    }
    // What null handles of this kind dereference to.
    static const I& invalidObject();
    static I& writableInvalidObject();

    // New heap handles on this object, owned by the caller.
    virtual IHandle<I>* handle() const = 0;
    virtual IWritableHandle<I>* writableHandle() = 0;

protected:
    friend struct zx::fields::Access;

    IDescribed() = default;
    IDescribed(const IDescribed&) : CObjectState() {}
    IDescribed& operator=(const IDescribed&) { return *this; }

    // Gives every field its initial value and empties every child collection. A new object is
    // already so (see CStored); constructors that do more than build it call this first.
    virtual void initialize();

private:
    bool equals(const I& other) const;
    I& self() { return static_cast<I&>(*this); }
    const I& self() const { return static_cast<const I&>(*this); }
};

// The concrete side of a kind: the storage of its values and handles on itself.
template <class C, class I>
class ZX_API CStored : public I {
public:
    using Interface = I;

    IHandle<I>* handle() const override;
    IWritableHandle<I>* writableHandle() override;

protected:
    using Fields = typename I::Fields;

    CStored() = default;
    CStored(const CStored& other) : I(), m_fields(other.m_fields) {}
    CStored& operator=(const CStored& other) {
        m_fields = other.m_fields;
        return *this;
    }

    Fields& fields() override { return m_fields; }
    const Fields& fields() const override { return m_fields; }

private:
    // Value-initialized, and the kind's collections and parts are built empty: a new object is in
    // the state initialize() gives, so the kinds' constructors need not call it.
    Fields m_fields{};
};

// The bodies below are instantiated once per kind inside the library (see KindTemplates.h); a
// host's translation unit sees them only as declarations.

// Records nest by recursion, one call per record: the archive's depth limit bounds the stack,
// and a tree too deep for it is refused when saving as when loading.
template <class I>
void IDescribed<I>::Serialize(CZentrixArchive& ar) {
    zx::RecordScope scope(ar, I::s_kindName);
    ar.noteObjectRecord();
    zx::fields::Serializer<I> visitor(self(), self().fields(), ar);
    I::describeFields(visitor);
}

// A copy made while another copy of this kind runs on the thread (a child copied by its
// collection) copies its own fields and other collections, and leaves the collections of this
// kind to the outermost copy's loop: the depth of a tree never becomes depth of the stack.
template <class I>
void IDescribed<I>::copyFrom(const I& other) {
    if (&other == &self()) return;
    using Copier = zx::fields::CollectionCopier<I>;
    static thread_local typename Copier::WorkList* pending = nullptr;
    self().fields() = other.fields();
    if (pending) {
        Copier visitor(self(), other, pending);
        I::describeFields(visitor);
        return;
    }
    typename Copier::WorkList work;
    zx::fields::ScopedWorkList guard(pending, &work);
    Copier visitor(self(), other, &work);
    I::describeFields(visitor);
    while (!work.empty()) {
        const auto [target, source] = work.back();
        work.pop_back();
        Copier children(*target, *source, &work, true);
        I::describeFields(children);
    }
}

// As with copies: a renewal inside another of this kind renews its own ID and what it owns of
// other kinds, and leaves its children of this kind to the outermost renewal's loop.
template <class I>
void IDescribed<I>::renewIDs() {
    using Generator = zx::fields::IDGenerator<I>;
    static thread_local std::vector<I*>* pending = nullptr;
    if (pending) {
        Generator visitor(self(), self().fields(), pending);
        I::describeFields(visitor);
        return;
    }
    std::vector<I*> work;
    zx::fields::ScopedWorkList guard(pending, &work);
    Generator visitor(self(), self().fields(), &work);
    I::describeFields(visitor);
    while (!work.empty()) {
        I& owner = *work.back();
        work.pop_back();
        Generator children(owner, owner.fields(), &work, true);
        I::describeFields(children);
    }
}

// Children of this kind are written from an explicit stack: each frame is an object whose array
// of such children is open, the children still to write and the entry to go on from after them.
template <class I>
std::string IDescribed<I>::dump() const {
    struct Frame {
        const I* object;
        int resumeAt;
        std::vector<const I*> children;
        std::size_t next;
    };
    std::string out;
    std::vector<Frame> open;
    const auto run = [&](const I& object, int skip) {
        zx::fields::Dumper<I> visitor(object, object.fields(), out);
        visitor.skip = skip;
        I::describeFields(visitor);
        if (visitor.paused())
            open.push_back({&object, visitor.resumeAt, std::move(visitor.children), 0});
        else
            out += '}';
    };
    const auto start = [&](const I& object) {
        out += "{\"kind\":";
        out += zx::jsonQuote(I::s_kindName);
        run(object, 0);
    };
    start(self());
    while (!open.empty()) {
        Frame& frame = open.back();
        if (frame.next < frame.children.size()) {
            if (frame.next > 0) out += ',';
            const I& child = *frame.children[frame.next++];
            start(child);
            continue;
        }
        out += ']';
        const I& object = *frame.object;
        const int resumeAt = frame.resumeAt;
        open.pop_back();
        run(object, resumeAt);
    }
    return out;
}

template <class I>
void IDescribed<I>::initialize() {
    self().fields() = typename I::Fields{};
    zx::fields::CollectionClearer<I> visitor(self());
    I::describeFields(visitor);
}

// Pairs of children of this kind are compared from a work-list, not by recursion.
template <class I>
bool IDescribed<I>::equals(const I& other) const {
    using Compare = zx::fields::Comparer<I>;
    typename Compare::WorkList work;
    Compare visitor(self(), other, self().fields(), other.fields(), &work);
    I::describeFields(visitor);
    bool equal = visitor.equal;
    while (equal && !work.empty()) {
        const auto [a, b] = work.back();
        work.pop_back();
        Compare children(*a, *b, a->fields(), b->fields(), &work);
        I::describeFields(children);
        equal = children.equal;
    }
    return equal;
}

template <class I>
const I& IDescribed<I>::invalidObject() {
    return CBasicHandle<I, typename ConcreteKind<I>::type>::s_invalidObject;
}

template <class I>
I& IDescribed<I>::writableInvalidObject() {
    return CWritableBasicHandle<I, typename ConcreteKind<I>::type>::s_invalidObject;
}

template <class C, class I>
IHandle<I>* CStored<C, I>::handle() const {
    return new CBasicHandle<I, C>(static_cast<const C*>(this));
}

template <class C, class I>
IWritableHandle<I>* CStored<C, I>::writableHandle() {
    return new CWritableBasicHandle<I, C>(static_cast<C*>(this));
}
