// Object handles, array handles and ID-order iterators: null safety, value versus identity,
// ownership of what they wrap, and iteration with removal.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "zentrix.h"

namespace {

CLink linkWithID(std::uint8_t first) {
    GUID guid{};
    guid[0] = first;
    CLink link;
    link.setID(CLinkID(guid));
    return link;
}

using CLinkIterableHandle = CBasicArrayHandle<ILink, CLink, CLinkID, 1>;
using ILinkIterableHandle = CWrapperArrayHandle<ILink, CLinkID, 1>;

TEST(Handle, NullHandlesDereferenceToTheStaticInvalidObject) {
    const CCodeHandle handle;
    EXPECT_TRUE(handle.isNull());
    EXPECT_TRUE(!handle);
    EXPECT_EQ(&*handle, &CCodeHandle::s_invalidObject);
    EXPECT_EQ(handle.operator->(), &CCodeHandle::s_invalidObject);
    // Through the interface and through a wrapper that holds the null handle alike.
    const IHandle<ICode>& asInterface = handle;
    EXPECT_EQ(asInterface.operator->(), &CCodeHandle::s_invalidObject);
    const ICodeHandle wrapped(new CCodeHandle());
    EXPECT_EQ(wrapped.operator->(), &CCodeHandle::s_invalidObject);
    EXPECT_EQ(wrapped.get(), nullptr);
    EXPECT_EQ(static_cast<const ICode*>(handle), nullptr);

    // Writes through a null writable handle land in its own invalid object, not in any container.
    const CCodeWritableHandle writable;
    EXPECT_EQ(writable.operator->(), &CCodeWritableHandle::s_invalidObject);
    writable->setName(L"stray");
    EXPECT_EQ(CCodeWritableHandle::s_invalidObject.getName(), CProjectString(L"stray"));
    EXPECT_TRUE(CCodeHandle::s_invalidObject.getName().IsEmpty());
    writable->setName(L"");
}

TEST(Handle, WrappersCompareByValueAndIdentity) {
    CCode first, second;
    first.setName(L"Zone");
    second.setName(L"Zone");
    const ICodeHandle a = first.getHandle(), b = second.getHandle(), c = first.getHandle();
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a.isSame(b));
    EXPECT_TRUE(a.isSame(c));
    second.setName(L"Level");
    EXPECT_FALSE(a == b);

    // A wrapper over a null basic handle copies to a wrapper with none; both are null and equal.
    const ICodeHandle overNull(new CCodeHandle());
    const ICodeHandle copy(overNull);
    EXPECT_EQ(copy.handle(), nullptr);
    EXPECT_TRUE(copy == overNull);
    EXPECT_TRUE(copy.isSame(ICodeHandle()));
    EXPECT_FALSE(copy == a);

    ICodeWritableHandle writable = first.getWritableHandle();
    ICodeWritableHandle moved(std::move(writable));
    EXPECT_TRUE(writable.isNull());
    moved->setName(L"Roof");
    EXPECT_EQ(first.getName(), CProjectString(L"Roof"));
}

// An array handle that is not over memory, as a host could supply.
class ForeignLinks : public IArrayHandle<ILink, CLinkID, 0> {
public:
    int GetSize() const override { return 0; }
    ILinkHandle operator[](int) const override { return {}; }
    ILinkHandle getConstReference(int) const override { return {}; }
    int findByID(const CLinkID&) const override { return -1; }
    ILinkHandle find(const CLinkID&) const override { return {}; }
    ILinkHandle find(const CLinkID&, int& i) const override {
        i = -1;
        return {};
    }
    ILinkWritableHandle getWritableReference(int) const override { return {}; }
    void Serialize(CZentrixArchive&) override {}
    void resort() override {}
    void copyFrom(const ILinkConstArrayHandle&) override {}
    ForeignLinks* clone() const override { return new ForeignLinks; }
    bool isNull() const override { return false; }
};

TEST(ArrayHandle, EqualityTreatsEmptyAndForeignHandlesAsSpecified) {
    CLinkArray empty;
    const ILinkArrayHandle none, foreign(new ForeignLinks), memory(new CLinkArrayHandle(&empty));
    EXPECT_TRUE(none == foreign);
    EXPECT_FALSE(none == memory);
    EXPECT_TRUE(none == ILinkArrayHandle(new CLinkArrayHandle()));

    CLinkArray a, b;
    for (std::uint8_t id : {1, 2, 3}) {
        (void)a.Add(linkWithID(id));
        (void)b.Add(linkWithID(id));
    }
    EXPECT_TRUE(ILinkArrayHandle(new CLinkArrayHandle(&a)) ==
                ILinkArrayHandle(new CLinkArrayHandle(&b)));
    ASSERT_TRUE(b.changePosition(0, 2));
    EXPECT_FALSE(ILinkArrayHandle(new CLinkArrayHandle(&a)) ==
                 ILinkArrayHandle(new CLinkArrayHandle(&b)));
}

TEST(ArrayHandle, LookupsCopiesAndResort) {
    CLinkArray links;
    for (std::uint8_t id : {5, 3, 9}) (void)links.Add(linkWithID(id));
    const ILinkArrayHandle handle(new CLinkArrayHandle(&links));
    int position = 7;
    EXPECT_EQ(handle.find(linkWithID(9).getID(), position)->getID(), linkWithID(9).getID());
    EXPECT_EQ(position, 2);
    EXPECT_TRUE(handle.find(linkWithID(4).getID(), position).isNull());
    EXPECT_EQ(position, -1);
    // Out of range, an element handle views the container's default item rather than nothing: the
    // read-only one, since reading never needs the container writable.
    EXPECT_FALSE(handle[10].isNull());
    EXPECT_EQ(handle[10].get(), &links.getConstReference(10));

    // An ID changed in place is found once the handle resorts.
    handle.getWritableReference(0)->setID(linkWithID(1).getID());
    handle.resort();
    EXPECT_EQ(handle.findByID(linkWithID(1).getID()), 0);

    CLinkArray target;
    (void)target.Add(linkWithID(77));
    const ILinkArrayHandle targetHandle(new CLinkArrayHandle(&target));
    targetHandle.copyFrom(handle);
    EXPECT_TRUE(targetHandle == handle);

    const ILinkArrayHandle none;
    EXPECT_EQ(none.GetSize(), 0);
    EXPECT_EQ(none.findByID(linkWithID(1).getID()), -1);
    none.copyFrom(handle);  // does nothing
}

TEST(ArrayIterator, WalksInIDOrderBothWays) {
    CLinkArray links;
    for (std::uint8_t id : {20, 30, 10}) (void)links.Add(linkWithID(id));
    const ILinkIterableHandle handle(new CLinkIterableHandle(&links));

    std::vector<int> forward;
    auto it = handle.getIterator();
    int hasNext = 0;
    while (it.hasNext()) {
        ++hasNext;
        forward.push_back(it.next()->getID().getGUID()[0]);
    }
    EXPECT_EQ(hasNext, 3);
    EXPECT_EQ(forward, (std::vector<int>{10, 20, 30}));
    // One step past the end yields the default item, then nothing.
    EXPECT_FALSE(it.next().isNull());
    EXPECT_TRUE(it.next().isNull());

    std::vector<int> backward;
    auto reverse = handle.getConstReverseIterator();
    while (reverse.hasPrevious()) backward.push_back(reverse.previous()->getID().getGUID()[0]);
    EXPECT_EQ(backward, (std::vector<int>{30, 20, 10}));

    auto fromMiddle = handle.getConstIterator(linkWithID(20).getID());
    ASSERT_TRUE(static_cast<bool>(fromMiddle));
    EXPECT_EQ(fromMiddle.current()->getID(), linkWithID(20).getID());
    EXPECT_FALSE(static_cast<bool>(handle.getIterator(linkWithID(99).getID())));
    EXPECT_FALSE(ILinkIterableHandle().getIterator().hasNext());
}

TEST(ArrayIterator, RemoveDeletesTheCurrentObjectAndTheWalkGoesOn) {
    CLinkArray links;
    for (std::uint8_t id : {40, 10, 30, 20}) (void)links.Add(linkWithID(id));
    const ILinkIterableHandle handle(new CLinkIterableHandle(&links));
    auto it = handle.getIterator();
    EXPECT_FALSE(it.remove());  // before the first object
    std::vector<int> seen;
    while (it.hasNext()) {
        const int id = it.next()->getID().getGUID()[0];
        seen.push_back(id);
        if (id == 20 || id == 30) {
            EXPECT_TRUE(it.remove());
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(links.GetSize(), 2);
    EXPECT_EQ(links.findByID(linkWithID(20).getID()), -1);
    EXPECT_GE(links.findByID(linkWithID(40).getID()), 0);

    auto copy = it;  // iterators copy by cloning their position
    EXPECT_EQ(copy.hasPrevious(), it.hasPrevious());
}

}  // namespace

namespace {

// A failed lookup hands out a wrapper holding no handle at all; using it must read the kind's
// invalid object, as a null basic handle does, and never crash.
TEST(Handle, EmptyWrappersDereferenceToTheKindsInvalidObject) {
    CCodeRoot codes;
    const ICodeHandle missing = codes.get().find(CCodeID(CIDBase::generate()));
    ASSERT_TRUE(missing.isNull());
    EXPECT_EQ(missing.handle(), nullptr);
    EXPECT_EQ(&*missing, &ICode::invalidObject());
    EXPECT_TRUE(missing->getName().IsEmpty());
    EXPECT_EQ(missing->getCodeValues().GetSize(), 0);

    const ICodeWritableHandle stray;
    stray->setName(L"stray");
    EXPECT_EQ(codes.getArray().GetSize(), 0);
    stray->setName(L"");

    // Roots have no concrete kind behind their interface: theirs is an empty root.
    const CWrapperHandle<ICodeRoot> noRoot;
    EXPECT_EQ(noRoot->get().GetSize(), 0);
    EXPECT_FALSE(noRoot->getID().isValid());
}

}  // namespace

// The owning pointer of iterator wrappers and heap values: whatever path ownership takes (moves,
// self-moves, resets to the object already held), each object is deleted once, and only by its last
// owner.
TEST(OwnedPointer, DeletesEachObjectOnceWhateverPathOwnershipTakes) {
    struct Counted {
        explicit Counted(int* count) : deletions(count) {}
        ~Counted() { ++*deletions; }
        int* deletions;
    };
    int deletions = 0;
    {
        zx::OwnedPointer<Counted> a = zx::makeOwned<Counted>(&deletions);
        zx::OwnedPointer<Counted> b(std::move(a));
        EXPECT_TRUE(a == nullptr);
        EXPECT_FALSE(b == nullptr);
        auto& self = b;
        b = std::move(self);
        EXPECT_FALSE(b == nullptr) << "a self-move keeps the object";
        b.reset(b.get());
        EXPECT_EQ(deletions, 0) << "resetting to the object held keeps it";
        b = zx::makeOwned<Counted>(&deletions);
        EXPECT_EQ(deletions, 1) << "assignment deletes the object it replaces";
        a = nullptr;
        b.reset();
        EXPECT_EQ(deletions, 2);
        a = zx::makeOwned<Counted>(&deletions);
    }
    EXPECT_EQ(deletions, 3) << "the last owner deletes on leaving scope";
}

// The wrappers' handle holder, with handles built inside it and handles on the heap: whatever
// path ownership takes (moves between the two kinds, self-moves, resets), every handle ends once,
// and a moved handle still answers as itself.
namespace {

int g_liveHandles = 0;

struct CountedHandleBase {
    virtual ~CountedHandleBase() = default;
    virtual int value() const = 0;
};
// As small as the store's basic handles: a vtable and one pointer.
struct CountedHandle : CountedHandleBase {
    explicit CountedHandle(const int* v) : v(v) { ++g_liveHandles; }
    CountedHandle(CountedHandle&& other) noexcept : v(other.v) { ++g_liveHandles; }
    ~CountedHandle() override { --g_liveHandles; }
    int value() const override { return *v; }
    const int* v;
};

}  // namespace

TEST(HandleHolder, EndsEachHandleOnceWhereverItLives) {
    using Handle = CountedHandleBase;
    using Counted = CountedHandle;
    static constexpr int kValues[] = {0, 1, 2, 3, 4};
    using Holder = zx::HandleHolder<Handle>;
    int& live = g_liveHandles;
    {
        Holder inside(std::in_place_type<Counted>, &kValues[1]);
        Holder heap(new Counted(&kValues[2]));
        EXPECT_EQ(live, 2);
        Holder moved(std::move(inside));
        EXPECT_FALSE(inside);
        EXPECT_EQ(moved->value(), 1);
        EXPECT_EQ(live, 2) << "a move ends the handle it moved from";
        auto& self = moved;
        moved = std::move(self);
        EXPECT_EQ(moved->value(), 1) << "a self-move keeps the handle";
        moved = std::move(heap);
        EXPECT_EQ(moved->value(), 2);
        EXPECT_EQ(live, 1) << "assignment ends the handle it replaces";
        heap = Holder(std::in_place_type<Counted>, &kValues[3]);
        moved = std::move(heap);
        EXPECT_EQ(moved->value(), 3);
        EXPECT_EQ(live, 1);
        moved.reset(new Counted(&kValues[4]));
        EXPECT_EQ(moved->value(), 4);
        EXPECT_EQ(live, 1);
    }
    EXPECT_EQ(live, 0) << "the last holder ends its handle on leaving scope";
}

// Wrappers over containers and their elements, built inside, keep viewing the same objects after
// a vector of them has moved them around while growing, and after copies.
TEST(HandleHolder, WrappersMovedByAGrowingVectorStillViewTheirObjects) {
    std::vector<CLinkArray> arrays(40);
    for (std::size_t i = 0; i < arrays.size(); ++i)
        ASSERT_GE(arrays[i].Add(linkWithID(static_cast<std::uint8_t>(i + 1))), 0);
    std::vector<ILinkArrayHandle> views;
    std::vector<CWrapperHandle<ILink>> elements;
    for (auto& array : arrays) {
        views.push_back(ILinkArrayHandle::over(&array));
        elements.push_back(views.back().getConstReference(0));
    }
    const std::vector<ILinkArrayHandle> copies = views;
    for (std::size_t i = 0; i < arrays.size(); ++i) {
        EXPECT_EQ(views[i].GetSize(), 1);
        EXPECT_EQ(elements[i].get(), &arrays[i].getConstReference(0));
        EXPECT_TRUE(copies[i].getConstReference(0).isSame(elements[i]));
    }
}
