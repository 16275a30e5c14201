// The conformance suite every stored kind passes: construction, archive round trip (equal and
// byte-identical on a second save), copies, equality per field, ID renewal, the dump and the
// pinned record layout (golden files). A test file joins its kinds with
//
//     INSTANTIATE_TYPED_TEST_SUITE_P(Schedule, KindConformance, ::testing::Types<CLink, CCode>);
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

#include "zentrix.h"

namespace conformance {

// The concrete class of each interface that appears as a child collection somewhere.
template <class H>
struct HandleParts;
template <class I, class ID, int flag>
struct HandleParts<CWrapperArrayHandle<I, ID, flag>> {
    using Interface = I;
    using Id = ID;
    static constexpr int kFlag = flag;
};

// Fills every value with a reproducible non-default value; children get two filled children
// while depth lasts.
class Filler {
public:
    Filler(std::uint64_t seed, int depth) : m_random(seed), m_depth(depth) {}

    template <class Object>
    void fill(Object& object) {
        object.visitValues(*this);
    }

    void value(const char*, CIDBase& id) {
        GUID guid;
        for (auto& byte : guid) byte = static_cast<std::uint8_t>(m_random());
        id.setGUID(guid);
    }
    void value(const char*, CProjectString& text) {
        text =
            CString(L"Pour slab \u00e9tage " + std::to_wstring(m_random() % 1000) + L" \U0001F3D7");
    }
    template <class T>
    void value(const char*, CProjectScalar<T>& scalar) {
        if constexpr (std::is_same_v<T, bool>)
            scalar = !scalar.getValue();
        else
            scalar = static_cast<T>(1 + m_random() % 1000) + scalar.getValue();
    }
    void value(const char*, CProjectTime& time) {
        time = CProjectTime(static_cast<std::int64_t>(m_random() % 4'000'000'000'000ULL));
    }
    void value(const char*, CProjectDate& date) {
        date = CProjectDate(static_cast<std::int32_t>(1 + m_random() % 40000));
    }
    void value(const char*, CProjectDuration& duration) {
        duration = CProjectDuration(static_cast<std::int64_t>(1 + m_random() % 1'000'000));
    }
    void value(const char*, CProjectColorRGB& color) {
        color = CProjectColorRGB(color.getPacked() ^
                                 (1 + static_cast<std::uint32_t>(m_random() % 0xFFFFFE)));
    }
    template <class E>
    void value(const char*, CZentrixEnumeration<E>& e) {
        const int count = CZentrixEnumeration<E>::s_count;
        e = static_cast<E>((e.toInt() + 1 + static_cast<int>(m_random() % (count - 1))) % count);
    }
    void value(const char*, CProjectVariant& variant) {
        variant.setInteger(static_cast<std::int64_t>(m_random() % 100000) + 1);
    }
    void value(const char*, CProjectStringArray& texts) {
        (void)texts.Add(CString(L"Ref " + std::to_wstring(m_random() % 1000) + L" \u00e9"));
    }
    template <class T>
    requires(std::is_arithmetic_v<T>) void value(const char*, T& number) {
        number = static_cast<T>(number + 1 + static_cast<T>(m_random() % 100));
    }
    template <class ID>
    void value(const char* name, CIDPointerArray<ID>& ids) {
        for (int i = 0; i < 2; ++i) {
            ID id;
            value(name, id);
            (void)ids.Add(id);
        }
    }
    template <class T, class Key, class Getter>
    void value(const char* name, CUniqueValueArray<T, Key, Getter>& values) {
        for (int i = 0; i < 2; ++i) {
            T item;
            value(name, item);
            (void)values.addValue(item);
        }
    }
    template <class T>
    void value(const char* name, CNonUniqueValueArray<T>& values) {
        for (int i = 0; i < 2; ++i) {
            T item{};
            value(name, item);
            (void)values.Add(std::move(item));
        }
    }
    // An absent optional value appears; a present one goes away.
    template <class T>
    void value(const char* name, CHeapValue<T>& optional) {
        if (optional) {
            optional.reset();
        } else {
            value(name, optional.ensure());
        }
    }
    template <class T>
    void value(const char*, CTGraphicalPoint3D<T>& point) {
        point.set(point.getX() + 1 + static_cast<T>(m_random() % 50), point.getY() - 2,
                  point.getZ() + 0.5);
    }
    template <class T>
    void value(const char*, CTGraphicalTransform<T>& transform) {
        for (int i = 0; i < transform.getSize(); ++i)
            transform.setAt(i, transform.getMatrix()[i] + static_cast<T>(1 + m_random() % 9));
    }
    // Plain described values are filled member by member.
    template <class T>
    requires(std::is_base_of_v<CDescribedValue<T>, T>) void value(const char*, T& described) {
        zx::fields::ValueAdapter<T, T, Filler> adapter{described, described, *this};
        T::describeFields(adapter);
    }
    template <class Part>
    void part(const char*, Part& part) {
        fill(part);
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        if (m_depth > 0) children(name, slot.ensure());
    }
    template <class Slot>
    void optionalPart(const char*, const Slot& slot) {
        if (m_depth <= 0) return;
        --m_depth;
        fill(*slot.ensure());
        ++m_depth;
    }
    template <class H>
    void children(const char*, const H& handle) {
        if (m_depth <= 0) return;
        using I = typename HandleParts<H>::Interface;
        using ID = typename HandleParts<H>::Id;
        using C = typename ConcreteKind<I>::type;
        CUniqueObjectPointerArray<I, C, ID> source;
        --m_depth;
        for (int i = 0; i < 2; ++i) {
            C child;
            fill(child);
            (void)source.Add(child);
        }
        ++m_depth;
        handle.copyFrom(H(new CBasicArrayHandle<I, C, ID, HandleParts<H>::kFlag>(&source)));
    }

private:
    std::mt19937_64 m_random;
    int m_depth;
};

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
std::vector<std::byte> save(C& object, int version = CZentrixArchive::s_currentFileVersion) {
    CZentrixArchive out(version);
    object.Serialize(out);
    return out.takeStoredBytes();
}

template <class C>
C load(const std::vector<std::byte>& bytes) {
    CZentrixArchive in{std::span<const std::byte>(bytes)};
    C object;
    object.Serialize(in);
    EXPECT_EQ(in.remaining(), 0u);
    return object;
}

template <class C>
C filled(std::uint64_t seed = 7) {
    C object;
    Filler(seed, 2).fill(object);
    return object;
}

template <class C>
class KindConformance : public ::testing::Test {};

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
    const std::string kind = TypeParam::s_kindName;
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
