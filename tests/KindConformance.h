// The conformance suite every stored kind passes: construction, archive round trip (equal and
// byte-identical on a second save), copies, equality per field, ID renewal (of the object and of
// every object it owns), the dump and the pinned record layout (golden files). Every kind in the
// list of kinds (project/KindList.h) is instantiated in KindConformanceTest.cpp and
// ChildKindConformanceTest.cpp; nothing else joins it.
//
// Child kinds are found through ConcreteKind<I>. Golden files live in tests/data/golden/<Kind>.bin;
// run the suite with ZX_UPDATE_GOLDEN=1 to rewrite them after a deliberate change of a record.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "project/KindList.h"
#include "tests/RoundTrip.h"

namespace conformance {

// Turns every bool member of a described value (and of those nested in it) over.
struct FlagFlipper {
    template <class T>
    static void flip(T& described) {
        FlagFlipper flipper;
        zx::fields::ValueAdapter<T, T, FlagFlipper> adapter{described, described, flipper};
        T::describeFields(adapter);
    }
    void value(const char*, bool& flag) { flag = !flag; }
    template <class T>
    void value(const char*, T& value) {
        if constexpr (std::is_base_of_v<CDescribedValue<T>, T>) flip(value);
    }
};

// Changes exactly the k-th value or collection of an object.
class Mutator {
public:
    explicit Mutator(int target) : m_target(target), m_filler(99, 1) {}

    template <class T>
    void value(const char* name, T& value) {
        if (m_index++ != m_target) return;
        if constexpr (std::is_base_of_v<CDescribedValue<T>, T>) {
            // A described value of flags alone fills the same twice: flip its flags instead.
            const T before = value;
            m_filler.value(name, value);
            if (value == before) FlagFlipper::flip(value);
        } else {
            m_filler.value(name, value);
        }
    }
    template <class H>
    void children(const char* name, const H& handle) {
        if (m_index++ != m_target) return;
        if (handle.GetSize() > 0)
            handle.copyFrom(H());
        else
            m_filler.children(name, handle);
    }
    template <class Part>
    void part(const char*, Part& part) {
        if (m_index++ == m_target) Filler(98, 1).fill(part);
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        if (m_index++ != m_target) return;
        if (slot.present())
            slot.reset();
        else
            m_filler.optionalChildren(name, slot);
    }
    template <class Slot>
    void optionalPart(const char* name, const Slot& slot) {
        if (m_index++ != m_target) return;
        if (slot.present())
            slot.reset();
        else
            m_filler.optionalPart(name, slot);
    }
    int count() const { return m_index; }

private:
    int m_target;
    int m_index = 0;
    Filler m_filler;
};

struct NameCollector {
    std::vector<std::string> names;
    // How many of the entries are collections or parts of owned objects.
    int owned = 0;
    template <class T>
    void value(const char* name, const T&) {
        names.emplace_back(name);
    }
    template <class H>
    void children(const char* name, const H&) {
        names.emplace_back(name);
        ++owned;
    }
    template <class T>
    void part(const char* name, const T&) {
        names.emplace_back(name);
        ++owned;
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot&) {
        names.emplace_back(name);
        ++owned;
    }
    template <class Slot>
    void optionalPart(const char* name, const Slot&) {
        names.emplace_back(name);
    }
};

// One object's ID found while walking an object and everything it owns.
struct OwnedID {
    // Where it was found: collection names and positions from the walked object down.
    std::string path;
    CIDBase id;
    // False where the ID is a key naming another object, which renewal keeps.
    bool renewable;
};

// Collections whose entries are keyed by another object's ID rather than by an identity of their
// own: a resource keeps one history per resource state, under that state's ID.
template <class Parent, class Child>
inline constexpr bool kKeyedByAnotherObject = false;
template <>
inline constexpr bool kKeyedByAnotherObject<IResource, IRSHistory> = true;

// Lists the IDs of every object that object I owns (collections, optional collections and parts,
// at any depth), in the order of its description. Optional parts are snapshots that keep their
// IDs on renewal, so they are not walked.
template <class I>
class OwnedIDCollector {
public:
    OwnedIDCollector(std::vector<OwnedID>& ids, std::string path)
        : m_ids(ids), m_path(std::move(path)) {}

    template <class T>
    void value(const char*, const T&) {}
    template <class H>
    void children(const char* name, const H& handle) {
        using Child = typename HandleParts<H>::Interface;
        for (int i = 0; i < handle.GetSize(); ++i) {
            const CWrapperHandle<Child> child = handle.getConstReference(i);
            add<Child>(*child, m_path + '/' + name + '[' + std::to_string(i) + ']',
                       !kKeyedByAnotherObject<I, Child>);
        }
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        children(name, slot.get());
    }
    template <class Part>
    void part(const char* name, const Part& part) {
        add<Part>(part, m_path + '/' + name, true);
    }
    template <class Slot>
    void optionalPart(const char*, const Slot&) {}

    template <class Object>
    void add(const Object& object, std::string path, bool renewable) {
        m_ids.push_back({path, object.getID(), renewable});
        OwnedIDCollector<Object> inner(m_ids, std::move(path));
        object.visitValues(inner);
    }

private:
    std::vector<OwnedID>& m_ids;
    std::string m_path;
};

template <class H>
struct HandledInterface;
template <class I>
struct HandledInterface<CWrapperHandle<I>> {
    using type = I;
};

// The object's own ID first, then those of everything it owns.
template <class C>
std::vector<OwnedID> ownedIDs(const C& object) {
    using I = typename HandledInterface<decltype(object.getHandle())>::type;
    std::vector<OwnedID> ids;
    OwnedIDCollector<I>(ids, "").template add<I>(object, I::s_kindName, true);
    return ids;
}

// Kinds whose renewal relies on references between their own values (a calendar's week names its
// own day types) make a filled object consistent here before it is renewed; the default changes
// nothing.
template <class C>
struct BeforeRenewal {
    static void prepare(C&) {}
};

// Points the week days and exceptions of a filled calendar, and of each sub-calendar below it, at
// day types the calendar holds, so that renewal can remap them.
inline void pointAtOwnDayTypes(ICalendar& calendar) {
    const ICalendarDayTypeArrayHandle dayTypes = calendar.getCalendarDayTypes();
    ASSERT_GT(dayTypes.GetSize(), 0);
    const auto dayType = [&dayTypes](int i) {
        return dayTypes.getConstReference(i % dayTypes.GetSize())->getID();
    };
    CCalendarWeek week = calendar.getCalendarWeek();
    for (int day = 1; day <= CCalendarWeek::getSize(); ++day) week.setDayTypeID(day, dayType(day));
    calendar.setCalendarWeek(week);
    CCalendarExceptionArray exceptions = calendar.getCalendarDayExceptions();
    for (int i = 0; i < exceptions.GetSize(); ++i)
        exceptions.getWritableReference(i).setCalendarDayTypeID(dayType(i));
    calendar.setCalendarDayExceptions(std::move(exceptions));
    const ICalendarArrayHandle subCalendars = calendar.getSubCalendars();
    for (int i = 0; i < subCalendars.GetSize(); ++i)
        pointAtOwnDayTypes(*subCalendars.getWritableReference(i));
}

template <>
struct BeforeRenewal<CCalendar> {
    static void prepare(CCalendar& calendar) { pointAtOwnDayTypes(calendar); }
};

template <class C>
class KindConformance : public ::testing::Test {};

// The gtest type list of a list of kinds.
template <class... C>
::testing::Types<C...> gtestTypes(zx::TypeList<C...>);
template <class L>
using GTestTypes = decltype(gtestTypes(L{}));

// The golden record of C is tests/data/golden/<name>.bin.
template <class C>
std::string goldenName() {
    return C::s_kindName;
}

TYPED_TEST_SUITE_P(KindConformance);

TYPED_TEST_P(KindConformance, NewObjectHasUnsetIDAndEqualsAnother) {
    const TypeParam a, b;
    // Kinds whose new objects all carry one fixed identity (the default calendar) opt out here.
    if constexpr (requires { TypeParam::s_newObjectsHaveFixedIdentity; }) {
        EXPECT_TRUE(a.getID().isValidNotNull());
        EXPECT_TRUE(a == b);
        return;
    }
    // Kinds whose new objects carry the null ID (sixteen zero bytes) say so with this marker.
    if constexpr (requires { TypeParam::s_newObjectsHaveNullIdentity; }) {
        EXPECT_TRUE(a.getID().isNULL());
        EXPECT_TRUE(a == b);
        return;
    }
    // Kinds whose new objects draw a value of their own (a user's salt) differ from each other
    // with an unset ID, and each equals its copy.
    if constexpr (requires { TypeParam::s_newObjectsDrawFreshValues; }) {
        EXPECT_FALSE(a.getID().isValid());
        EXPECT_TRUE(a != b);
        EXPECT_TRUE(TypeParam(a) == a);
        return;
    }
    // Kinds whose objects are born with their own identity opt out with this marker.
    if constexpr (requires { TypeParam::s_newObjectsHaveFreshIdentity; }) {
        EXPECT_TRUE(a.getID().isValidNotNull());
        EXPECT_TRUE(b.getID().isValidNotNull());
        EXPECT_FALSE(a.getID() == b.getID());
        EXPECT_TRUE(a != b);
        return;
    }
    EXPECT_FALSE(a.getID().isValid());
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);
}

// Constructors leave a new object to its members' own construction instead of calling
// initialize(): both must give the same object.
TYPED_TEST_P(KindConformance, InitializeGivesANewObject) {
    if constexpr (
        requires { TypeParam::s_newObjectsHaveFixedIdentity; } ||
        requires { TypeParam::s_newObjectsHaveFreshIdentity; } ||
        requires { TypeParam::s_newObjectsDrawFreshValues; }) {
        GTEST_SKIP() << "new objects of this kind are more than initialized";
    } else {
        TypeParam object = filled<TypeParam>(7);
        zx::fields::Access::initialize(static_cast<typename TypeParam::Interface&>(object));
        TypeParam fresh;
        EXPECT_TRUE(object == fresh);
        EXPECT_EQ(save(object), save(fresh));
    }
}

TYPED_TEST_P(KindConformance, FilledObjectSurvivesSaveAndLoadByteForByte) {
    TypeParam original = filled<TypeParam>();
    ASSERT_FALSE(original == TypeParam());
    const auto bytes = save(original);
    TypeParam loaded = load<TypeParam>(bytes);
    EXPECT_TRUE(loaded == original) << loaded.dump() << "\n" << original.dump();
    EXPECT_EQ(save(loaded), bytes);
    EXPECT_EQ(loaded.dump(), original.dump());
}

TYPED_TEST_P(KindConformance, CopiesAreDeepAndEqual) {
    const TypeParam original = filled<TypeParam>();
    TypeParam constructed(original);
    TypeParam assigned;
    assigned = original;
    TypeParam copied;
    copied.copyFrom(original);
    EXPECT_TRUE(constructed == original);
    EXPECT_TRUE(assigned == original);
    EXPECT_TRUE(copied == original);
    // Changing every value of the copy leaves the original as it was.
    const std::string before = original.dump();
    Filler(1234, 1).fill(copied);
    EXPECT_EQ(original.dump(), before);
    EXPECT_FALSE(copied == original);
}

TYPED_TEST_P(KindConformance, EveryFieldTakesPartInEquality) {
    const TypeParam original = filled<TypeParam>();
    Mutator counter(-1);
    TypeParam(original).visitValues(counter);
    ASSERT_GT(counter.count(), 0);
    for (int k = 0; k < counter.count(); ++k) {
        TypeParam changed(original);
        Mutator mutator(k);
        changed.visitValues(mutator);
        EXPECT_TRUE(changed != original) << "value " << k << " of " << original.dump();
    }
}

TYPED_TEST_P(KindConformance, GenerateIDsRenewsOwnAndChildIDs) {
    TypeParam original = filled<TypeParam>();
    BeforeRenewal<TypeParam>::prepare(original);
    TypeParam renewed(original);
    renewed.generateIDs();
    EXPECT_TRUE(renewed.getID().isValidNotNull());
    EXPECT_FALSE(renewed.getID() == original.getID());
    // The dump differs in IDs only: same length, since every ID text has the same size.
    EXPECT_EQ(renewed.dump().size(), original.dump().size());

    // Every owned object, at any depth, has a new ID of its own; renewal moves nothing.
    const std::vector<OwnedID> before = ownedIDs(original), after = ownedIDs(renewed);
    NameCollector described;
    original.visitValues(described);
    ASSERT_EQ(after.size(), before.size());
    std::set<CIDBase> seen;
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].path, before[i].path);
        if (!before[i].renewable) {
            EXPECT_EQ(after[i].id, before[i].id) << "a key was renewed at " << before[i].path;
            continue;
        }
        EXPECT_TRUE(after[i].id.isValidNotNull()) << before[i].path;
        EXPECT_FALSE(after[i].id == before[i].id) << "not renewed: " << before[i].path;
        EXPECT_TRUE(seen.insert(after[i].id).second) << "renewed twice alike: " << before[i].path;
    }
    // Kinds that own objects were filled with some, so the walk above looked at them.
    if (described.owned > 0) {
        EXPECT_GT(before.size(), 1u) << original.dump();
    }
}

TYPED_TEST_P(KindConformance, DumpNamesEveryField) {
    const TypeParam object = filled<TypeParam>();
    NameCollector collector;
    object.visitValues(collector);
    const std::string dump = object.dump();
    for (const auto& name : collector.names)
        EXPECT_NE(dump.find('"' + name + "\":"), std::string::npos) << name << " in " << dump;
}

TYPED_TEST_P(KindConformance, RecordLayoutMatchesGoldenFile) {
    TypeParam object = filled<TypeParam>(42);
    const auto bytes = save(object);
    const std::string kind = goldenName<TypeParam>();
    const auto path = std::filesystem::path(ZX_TEST_DATA_DIR) / "golden" / (kind + ".bin");
    if (std::getenv("ZX_UPDATE_GOLDEN")) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path << " (run with ZX_UPDATE_GOLDEN=1 to create it)";
    const std::vector<char> golden{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(golden.size(), bytes.size()) << "the record layout of " << kind << " changed";
    EXPECT_EQ(std::memcmp(golden.data(), bytes.data(), bytes.size()), 0)
        << "the record layout of " << kind << " changed";
    // The golden bytes still load into the same object.
    std::vector<std::byte> goldenBytes(golden.size());
    std::memcpy(goldenBytes.data(), golden.data(), golden.size());
    EXPECT_TRUE(load<TypeParam>(goldenBytes) == object);
}

REGISTER_TYPED_TEST_SUITE_P(KindConformance, NewObjectHasUnsetIDAndEqualsAnother,
                            InitializeGivesANewObject, FilledObjectSurvivesSaveAndLoadByteForByte,
                            CopiesAreDeepAndEqual, EveryFieldTakesPartInEquality,
                            GenerateIDsRenewsOwnAndChildIDs, DumpNamesEveryField,
                            RecordLayoutMatchesGoldenFile);

}  // namespace conformance
