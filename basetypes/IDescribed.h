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

#include <string>

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

    // Gives every field its initial value and empties every child collection; constructors
    // end with it.
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
    Fields m_fields;
};

// The bodies below are instantiated once per kind inside the library (see KindTemplates.h); a
// host's translation unit sees them only as declarations.

template <class I>
void IDescribed<I>::Serialize(CZentrixArchive& ar) {
    zx::RecordScope scope(ar, I::s_kindName);
    ar.noteObjectRecord();
    zx::fields::Serializer<I> visitor(self(), self().fields(), ar);
    I::describeFields(visitor);
}

template <class I>
void IDescribed<I>::copyFrom(const I& other) {
    if (&other == &self()) return;
    self().fields() = other.fields();
    zx::fields::CollectionCopier<I> visitor(self(), other);
    I::describeFields(visitor);
}

template <class I>
void IDescribed<I>::renewIDs() {
    zx::fields::IDGenerator<I> visitor(self(), self().fields());
    I::describeFields(visitor);
}

template <class I>
std::string IDescribed<I>::dump() const {
    std::string out = "{\"kind\":";
    out += zx::jsonQuote(I::s_kindName);
    zx::fields::Dumper<I> visitor(self(), self().fields(), out);
    I::describeFields(visitor);
    out += '}';
    return out;
}

template <class I>
void IDescribed<I>::initialize() {
    self().fields() = typename I::Fields{};
    zx::fields::CollectionClearer<I> visitor(self());
    I::describeFields(visitor);
}

template <class I>
bool IDescribed<I>::equals(const I& other) const {
    zx::fields::Comparer<I> visitor(self(), other, self().fields(), other.fields());
    I::describeFields(visitor);
    return visitor.equal;
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
