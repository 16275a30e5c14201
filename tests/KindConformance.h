// The conformance suite every stored kind passes: construction, archive round trip (equal and
// byte-identical on a second save), copies, equality per field, ID renewal, the dump and the
// pinned record layout (golden files). Every kind in the list of kinds (project/KindList.h) is
// instantiated in KindConformanceTest.cpp and ChildKindConformanceTest.cpp; nothing else joins it.
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
#include <string>
#include <vector>

#include "project/KindList.h"
#include "tests/RoundTrip.h"

namespace conformance {

// Changes exactly the k-th value or collection of an object.
class Mutator {
public:
    explicit Mutator(int target) : m_target(target), m_filler(99, 1) {}

    template <class T>
    void value(const char* name, T& value) {
        if (m_index++ == m_target) m_filler.value(name, value);
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
    template <class T>
    void value(const char* name, const T&) {
        names.emplace_back(name);
    }
    template <class H>
    void children(const char* name, const H&) {
        names.emplace_back(name);
    }
    template <class T>
    void part(const char* name, const T&) {
        names.emplace_back(name);
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot&) {
        names.emplace_back(name);
    }
    template <class Slot>
    void optionalPart(const char* name, const Slot&) {
        names.emplace_back(name);
    }
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
    const TypeParam original = filled<TypeParam>();
    TypeParam renewed(original);
    renewed.generateIDs();
    EXPECT_TRUE(renewed.getID().isValidNotNull());
    EXPECT_FALSE(renewed.getID() == original.getID());
    // The dump differs in IDs only: same length, since every ID text has the same size.
    EXPECT_EQ(renewed.dump().size(), original.dump().size());
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
                            FilledObjectSurvivesSaveAndLoadByteForByte, CopiesAreDeepAndEqual,
                            EveryFieldTakesPartInEquality, GenerateIDsRenewsOwnAndChildIDs,
                            DumpNamesEveryField, RecordLayoutMatchesGoldenFile);

}  // namespace conformance
