// The value and pointer arrays and the "StdVector" record: bounded operations, the ordered index
// of keyed value arrays, ownership of pointer arrays, storage shrinking, archive round trips and
// hostile input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "store/CNonUniquePointerArray.h"
#include "store/CNonUniqueValueArray.h"
#include "store/CUniqueValueArray.h"
#include "store/StdVector.h"
#include "zentrix.h"

namespace {

CZentrixArchive reopen(CZentrixArchive& stored) {
    return CZentrixArchive(stored.takeStoredBytes());
}

// The bytes a storing archive wrote after its 8-byte header.
std::vector<std::byte> body(const CZentrixArchive& stored) {
    const auto bytes = stored.storedBytes();
    return {bytes.begin() + 8, bytes.end()};
}

template <class... Words>
std::vector<std::byte> words(Words... values) {
    std::vector<std::byte> out;
    for (const std::uint32_t v : {static_cast<std::uint32_t>(values)...}) {
        const auto* p = reinterpret_cast<const std::byte*>(&v);
        out.insert(out.end(), p, p + 4);
    }
    return out;
}

// ---- CNonUniqueValueArray ----

CProjectIntArray ints(std::initializer_list<int> values) {
    CProjectIntArray out;
    for (const int v : values) out.Add(CProjectInt(v));
    return out;
}

TEST(ValueArray, BoundedOperationsRefuseOutsidePositions) {
    CProjectIntArray a = ints({1, 2, 3});
    EXPECT_FALSE(a.InsertAt(-1, CProjectInt(9)));
    EXPECT_FALSE(a.InsertAt(4, CProjectInt(9)));
    EXPECT_FALSE(a.RemoveAt(3));
    EXPECT_FALSE(a.Detach(3).isValid());
    CProjectInt kept(7);
    EXPECT_FALSE(a.Attach(std::move(kept), 4));
    EXPECT_EQ(kept.getValue(), 7);  // a refused Attach does not take the value
    EXPECT_EQ(a, ints({1, 2, 3}));

    EXPECT_TRUE(a.InsertAt(3, CProjectInt(4)));
    EXPECT_TRUE(a.Attach(CProjectInt(0), 0));
    EXPECT_TRUE(a.Attach(CProjectInt(5), -1));
    EXPECT_EQ(a, ints({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(a.Detach(2).getValue(), 2);
    EXPECT_EQ(a.GetUpperBound(), 4);
}

TEST(ValueArray, ChangePositionMovesOneValueAndKeepsTheOthersInOrder) {
    CProjectIntArray a = ints({0, 1, 2, 3, 4});
    EXPECT_TRUE(a.changePosition(0, 4));
    EXPECT_EQ(a, ints({4, 0, 1, 2, 3}));
    EXPECT_TRUE(a.changePosition(3, 1));
    EXPECT_EQ(a, ints({4, 1, 2, 0, 3}));
    EXPECT_TRUE(a.changePosition(2, 2));
    EXPECT_FALSE(a.changePosition(5, 0));
    EXPECT_FALSE(a.changePosition(0, -1));
    EXPECT_EQ(a, ints({4, 1, 2, 0, 3}));
}

TEST(ValueArray, InsertingOrAppendingItselfCopiesFirst) {
    CProjectIntArray a = ints({1, 2});
    EXPECT_TRUE(a.InsertAt(1, a));
    EXPECT_EQ(a, ints({1, 1, 2, 2}));
    EXPECT_EQ(a.Append(a), 4);
    EXPECT_EQ(a, ints({1, 1, 2, 2, 1, 1, 2, 2}));
}

TEST(ValueArray, ShrinksOnlyWhenLargeAndMostlyEmpty) {
    CProjectDoubleArray a;
    a.SetSize(20000);
    ASSERT_EQ(a.capacity(), 20000);
    while (a.GetSize() > 5000) ASSERT_TRUE(a.RemoveAt(a.GetUpperBound()));
    EXPECT_EQ(a.capacity(), 20000);  // 4 * 5000 is not below 20000
    ASSERT_TRUE(a.RemoveAt(0));
    EXPECT_EQ(a.capacity(), 4999);

    CProjectDoubleArray small;
    small.SetSize(100);
    small.RemoveAll();
    EXPECT_EQ(small.capacity(), 100);  // small arrays keep their storage
}

TEST(ValueArray, ArchiveRoundTripAndDump) {
    CProjectIntArray a = ints({1, 0, -3});
    a.getWritableReference(1).unset();
    CProjectTimeArray times;
    times.Add(CProjectTime(86'400'000));
    times.Add(CProjectTime());

    CZentrixArchive out;
    a.Serialize(out);
    times.Serialize(out);
    CZentrixArchive in = reopen(out);
    CProjectIntArray a2 = ints({42});
    CProjectTimeArray times2;
    a2.Serialize(in);
    times2.Serialize(in);
    EXPECT_EQ(a2, a);
    EXPECT_EQ(times2, times);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(toDumpText(a2), "[1,null,-3]");
}

TEST(ValueArray, BadCountsAndTruncationThrowAndLeaveTheArrayEmpty) {
    const auto expectRefused = [](auto write, bool negativeCount = false) {
        CZentrixArchive out;
        write(out);
        CZentrixArchive in = reopen(out);
        CProjectIntArray a = ints({1, 2});
        if (negativeCount) {
            EXPECT_THROW(a.Serialize(in), CArchiveLengthError);
        } else {
            EXPECT_THROW(a.Serialize(in), CArchiveException);
        }
        EXPECT_EQ(a.GetSize(), 0);
    };
    expectRefused([](CZentrixArchive& out) { out << -1; }, true);
    expectRefused([](CZentrixArchive& out) { out << 1'000'000'000 << true << 5; });
    expectRefused([](CZentrixArchive& out) { out << 2 << true << 5 << true; });  // cut off
}

// ---- CUniqueValueArray ----

struct DatedAmount {
    CProjectDate date;
    int amount = 0;

    void Serialize(CZentrixArchive& ar) {
        date.Serialize(ar);
        ar.io(amount);
    }
    friend bool operator==(const DatedAmount&, const DatedAmount&) = default;
};

std::string toDumpText(const DatedAmount& v) {
    return "{\"date\":" + toDumpText(v.date) + ",\"amount\":" + std::to_string(v.amount) + "}";
}

struct DatedAmountDateGetter {
    const CProjectDate& operator()(const DatedAmount& v) const { return v.date; }
};

using DatedAmountArray = CUniqueValueArray<DatedAmount, CProjectDate, DatedAmountDateGetter>;

DatedAmount on(int day, int amount = 0) { return {CProjectDate(day), amount}; }

// The ordered view lists every value once in ascending key order, and every key is found at its
// storage position.
void expectIndexConsistent(const DatedAmountArray& a) {
    for (int k = 1; k < a.GetSize(); ++k) {
        ASSERT_LT(a.getConstOrderedReference(k - 1).date, a.getConstOrderedReference(k).date);
    }
    for (int i = 0; i < a.GetSize(); ++i) {
        ASSERT_EQ(a.findByID(a.getConstReference(i).date), i) << "storage position " << i;
    }
}

TEST(UniqueValueArray, KeepsStorageOrderAndFindsByKey) {
    const CProjectDate march2 = CProjectDate::fromYMD(2024, 3, 2);
    const CProjectDate march5 = CProjectDate::fromYMD(2024, 3, 5);
    const CProjectDate march10 = CProjectDate::fromYMD(2024, 3, 10);
    DatedAmountArray a;
    EXPECT_EQ(a.addValue({march10, 1}), 0);
    EXPECT_EQ(a.addValue({march2, 2}), 1);
    EXPECT_EQ(a.addValue({march5, 3}), 2);
    EXPECT_EQ(a.getConstReference(0).date, march10);
    EXPECT_EQ(a.getConstOrderedReference(0).date, march2);
    EXPECT_EQ(a.findByID(march5), 2);
    EXPECT_EQ(a.findByID(CProjectDate::fromYMD(2024, 3, 3)), -1);
    EXPECT_EQ(a.addValue({march2, 9}), -1);
    EXPECT_FALSE(a.insertValue(0, {march2, 9}));
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a.getConstReference(1).amount, 2);
}

TEST(UniqueValueArray, InsertValueRenumbersTheIndex) {
    DatedAmountArray a;
    for (const int day : {50, 10, 40, 20, 30}) ASSERT_GE(a.addValue(on(day)), 0);
    EXPECT_TRUE(a.insertValue(2, on(25)));
    EXPECT_EQ(a.findByID(CProjectDate(25)), 2);
    EXPECT_EQ(a.findByID(CProjectDate(40)), 3);
    EXPECT_EQ(a.findByID(CProjectDate(30)), 5);
    EXPECT_FALSE(a.insertValue(7, on(60)));
    EXPECT_FALSE(a.insertValue(-1, on(60)));
    EXPECT_TRUE(a.insertValue(6, on(60)));
    EXPECT_TRUE(a.insertValue(0, on(5)));
    expectIndexConsistent(a);
}

TEST(UniqueValueArray, LookupsAfterRemovalsSortFirst) {
    DatedAmountArray a;
    for (const int day : {7, 3, 9, 1, 5}) ASSERT_GE(a.addValue(on(day)), 0);
    EXPECT_TRUE(a.RemoveAt(1));  // day 3
    expectIndexConsistent(a);
    EXPECT_TRUE(a.RemoveAtNoSort(0));  // day 7
    EXPECT_FALSE(a.isSorted());
    EXPECT_EQ(a.findByID(CProjectDate(1)), 1);
    EXPECT_TRUE(a.isSorted());
    EXPECT_TRUE(a.RemoveAtNoSort(2));  // day 5
    EXPECT_EQ(a.addValue(on(9)), -1);  // adding sorts first too, so the repeat is still seen
    EXPECT_EQ(a.addValue(on(4)), 2);
    expectIndexConsistent(a);
    EXPECT_FALSE(a.RemoveAt(3));
    EXPECT_FALSE(a.RemoveAtNoSort(-1));
}

// Random adds, inserts and both kinds of removal against a plain vector as the model.
TEST(UniqueValueArray, IndexMatchesAModelUnderRandomEdits) {
    std::mt19937 random(20240302);
    DatedAmountArray a;
    std::vector<DatedAmount> model;
    for (int step = 0; step < 3000; ++step) {
        const int day = static_cast<int>(random() % 200);
        const bool present = std::any_of(model.begin(), model.end(), [&](const DatedAmount& v) {
            return v.date.getDays() == day;
        });
        const int size = static_cast<int>(model.size());
        switch (random() % 4) {
            case 0:
                ASSERT_EQ(a.addValue(on(day, step)), present ? -1 : size);
                if (!present) model.push_back(on(day, step));
                break;
            case 1: {
                const int i = static_cast<int>(random() % (model.size() + 1));
                ASSERT_EQ(a.insertValue(i, on(day, step)), !present);
                if (!present) model.insert(model.begin() + i, on(day, step));
                break;
            }
            default: {
                if (model.empty()) break;
                const int i = static_cast<int>(random() % model.size());
                ASSERT_TRUE(random() % 2 ? a.RemoveAt(i) : a.RemoveAtNoSort(i));
                model.erase(model.begin() + i);
            }
        }
        ASSERT_EQ(a.GetSize(), static_cast<int>(model.size()));
        for (int i = 0; i < a.GetSize(); ++i) ASSERT_EQ(a.getConstReference(i), model[i]);
        if (step % 50 == 0) expectIndexConsistent(a);
    }
    expectIndexConsistent(a);
}

TEST(UniqueValueArray, ResortFindsKeysChangedInPlace) {
    DatedAmountArray a;
    for (const int day : {1, 2, 3}) ASSERT_GE(a.addValue(on(day)), 0);
    a.getWritableReference(0).date = CProjectDate(10);
    a.resort();
    EXPECT_EQ(a.findByID(CProjectDate(10)), 0);
    EXPECT_EQ(a.findByID(CProjectDate(1)), -1);
    EXPECT_EQ(a.getConstOrderedReference(2).date, CProjectDate(10));
}

TEST(UniqueValueArray, CopiesKeepTheIndexAndMovesEmptyTheSource) {
    DatedAmountArray a;
    for (const int day : {3, 1, 2}) ASSERT_GE(a.addValue(on(day)), 0);
    ASSERT_TRUE(a.RemoveAtNoSort(2));
    DatedAmountArray copy = a;
    EXPECT_EQ(copy, a);
    EXPECT_FALSE(copy.isSorted());
    expectIndexConsistent(copy);
    EXPECT_EQ(copy, a);  // the index takes no part in equality

    DatedAmountArray moved;
    moved.Copy(std::move(copy));
    EXPECT_EQ(moved, a);
    EXPECT_EQ(copy.GetSize(), 0);
    EXPECT_TRUE(copy.isSorted());
    EXPECT_EQ(copy.addValue(on(3)), 0);
}

TEST(UniqueValueArray, ShrinksValuesAndIndexAfterRemovals) {
    DatedAmountArray a;
    a.reserve(20000);
    for (int day = 0; day < 20000; ++day) ASSERT_EQ(a.addValue(on(day)), day);
    while (a.GetSize() > 4999) ASSERT_TRUE(a.RemoveAtNoSort(a.GetUpperBound()));
    EXPECT_EQ(a.capacity(), 4999);
    EXPECT_EQ(a.findByID(CProjectDate(4998)), 4998);
    EXPECT_EQ(a.findByID(CProjectDate(4999)), -1);
}

TEST(UniqueValueArray, ArchiveRoundTripRebuildsTheIndex) {
    DatedAmountArray a;
    for (const int day : {30, 10, 20}) ASSERT_GE(a.addValue(on(day, day * 2)), 0);
    ASSERT_TRUE(a.insertValue(1, on(15, 1)));
    CZentrixArchive out;
    a.Serialize(out);
    CZentrixArchive in = reopen(out);
    DatedAmountArray b;
    b.Serialize(in);
    EXPECT_EQ(b, a);
    expectIndexConsistent(b);
    EXPECT_EQ(toDumpText(b).substr(0, 34), R"([{"date":"1970-01-31","amount":60})");
}

TEST(UniqueValueArray, RepeatedKeyInTheInputIsRefused) {
    CZentrixArchive out;
    out << 3;
    for (const int day : {4, 8, 4}) on(day).Serialize(out);
    CZentrixArchive in = reopen(out);
    DatedAmountArray a;
    ASSERT_GE(a.addValue(on(1)), 0);
    try {
        a.Serialize(in);
        FAIL() << "expected the repeated key to be refused";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find("key"), std::string::npos) << e.what();
        EXPECT_EQ(e.offset(), 8u + 4u + 2u * 8u);  // where the third value starts
    }
    EXPECT_EQ(a.GetSize(), 0);
    EXPECT_EQ(a.findByID(CProjectDate(8)), -1);
}

// ---- CNonUniquePointerArray ----

// Counts its live instances, so that every test can check nothing leaked or was freed twice.
struct Tracked {
    static inline int s_live = 0;
    int value = 0;

    Tracked() { ++s_live; }
    explicit Tracked(int v) : value(v) { ++s_live; }
    Tracked(const Tracked& other) : value(other.value) { ++s_live; }
    Tracked& operator=(const Tracked&) = default;
    ~Tracked() { --s_live; }

    void Serialize(CZentrixArchive& ar) { ar.io(value); }
    bool operator==(const Tracked& other) const { return value == other.value; }
};
std::string toDumpText(const Tracked& t) { return std::to_string(t.value); }

using TrackedArray = CNonUniquePointerArray<Tracked>;

TrackedArray tracked(std::initializer_list<int> values) {
    TrackedArray out;
    for (const int v : values) out.Add(Tracked(v));
    return out;
}

class PointerArray : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(Tracked::s_live, 0) << "objects leaked or freed twice"; }
};

TEST_F(PointerArray, AttachBeyondTheCountLeavesTheObjectWithTheCaller) {
    TrackedArray a = tracked({1, 2});
    auto object = std::make_unique<Tracked>(7);
    EXPECT_FALSE(a.Attach(object.get(), 3));
    EXPECT_FALSE(a.Attach(nullptr, 0));
    EXPECT_EQ(a, tracked({1, 2}));

    ASSERT_TRUE(a.Attach(object.get(), 1));
    object.release();  // the array owns it now
    auto last = std::make_unique<Tracked>(9);
    ASSERT_TRUE(a.Attach(last.get(), -1));
    last.release();
    EXPECT_EQ(a, tracked({1, 7, 2, 9}));

    std::unique_ptr<Tracked> detached(a.Detach(1));
    ASSERT_NE(detached, nullptr);
    EXPECT_EQ(detached->value, 7);
    EXPECT_EQ(a.Detach(3), nullptr);
    EXPECT_EQ(a, tracked({1, 2, 9}));
}

TEST_F(PointerArray, CopiesAreDeepAndPositionsMove) {
    TrackedArray a = tracked({1, 2, 3});
    TrackedArray b = a;
    b[0].value = 10;
    EXPECT_EQ(a[0].value, 1);
    EXPECT_NE(a, b);

    EXPECT_TRUE(a.changePosition(0, 2));
    EXPECT_EQ(a, tracked({3, 1, 2}));
    EXPECT_FALSE(a.changePosition(3, 0));

    a.InsertAt(1, a);
    EXPECT_EQ(a, tracked({3, 3, 1, 2, 1, 2}));
    a.InsertAt(7, Tracked(0));  // ignored
    EXPECT_EQ(a.Append(tracked({4})), 6);
    EXPECT_EQ(toDumpText(a), "[3,3,1,2,1,2,4]");

    TrackedArray moved = std::move(a);
    EXPECT_EQ(a.GetSize(), 0);
    EXPECT_EQ(moved.GetSize(), 7);
}

TEST_F(PointerArray, SetSizeDeletesSurplusAndFillsWithNewObjects) {
    TrackedArray a = tracked({5, 6, 7});
    a.SetSize(1);
    EXPECT_EQ(Tracked::s_live, 1);
    a.SetSize(3);
    EXPECT_EQ(a, tracked({5, 0, 0}));
    EXPECT_FALSE(a.RemoveAt(3));
    EXPECT_TRUE(a.RemoveAt(0));
    EXPECT_EQ(Tracked::s_live, 2);
}

TEST_F(PointerArray, ArchiveRecordWithAndWithoutMarker) {
    TrackedArray a = tracked({4, 5});
    CZentrixArchive out;
    a.Serialize(out);
    a.Serialize(out, nullptr);
    const auto tag = zx::archiveTag("CNonUniquePointerArray");
    EXPECT_EQ(body(out), [&] {
        auto expected = words(tag, 2, 4, 5, ~tag);
        const auto unmarked = words(2, 4, 5);
        expected.insert(expected.end(), unmarked.begin(), unmarked.end());
        return expected;
    }());

    CZentrixArchive in = reopen(out);
    TrackedArray b, c = tracked({1});
    b.Serialize(in);
    c.Serialize(in, nullptr);
    EXPECT_EQ(b, a);
    EXPECT_EQ(c, a);
}

TEST_F(PointerArray, BadInputThrowsAndFreesEverythingItBuilt) {
    const auto tag = zx::archiveTag("CNonUniquePointerArray");
    const auto expectRefused = [&](std::vector<std::byte> bytes, const char* message) {
        CZentrixArchive out;
        out.Write(bytes.data(), bytes.size());
        CZentrixArchive in = reopen(out);
        TrackedArray a = tracked({1, 2});
        try {
            a.Serialize(in);
            ADD_FAILURE() << "expected a refusal: " << message;
        } catch (const std::exception& e) {
            // The archive's own errors, or the length error of a negative count.
            EXPECT_TRUE(dynamic_cast<const CArchiveException*>(&e) ||
                        dynamic_cast<const CArchiveLengthError*>(&e))
                << e.what();
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
        EXPECT_EQ(a.GetSize(), 0);
        EXPECT_EQ(Tracked::s_live, 0);
    };
    expectRefused(words(tag, -1), "vector too long");
    expectRefused(words(tag, 0x7FFFFFFF), "remaining bytes");
    expectRefused(words(tag, 3, 1, 2), "32-bit integer");   // third object cut off
    expectRefused(words(tag, 2, 1, 2, tag), "end marker");  // wrong end marker
}

// ---- "StdVector" record ----

TEST(StdVector, EmptyRecordIsTheMarkersAroundACountOfZero) {
    std::vector<std::int32_t> empty;
    CZentrixArchive out;
    serializeStdVector(out, empty);
    const auto tag = zx::archiveTag("StdVector");
    EXPECT_EQ(body(out), words(tag, 0, ~tag));

    CZentrixArchive in = reopen(out);
    std::vector<std::int32_t> loaded = {1, 2};
    serializeStdVector(in, loaded);
    EXPECT_TRUE(loaded.empty());
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(StdVector, EveryElementKindRoundTrips) {
    std::vector<std::int32_t> i32 = {1, -2};
    std::vector<std::uint32_t> u32 = {0xFFFFFFFFu};
    std::vector<std::int64_t> i64 = {std::numeric_limits<std::int64_t>::min(), 3};
    std::vector<double> f64 = {0.5, -1e300};
    std::vector<CString> texts = {CString(L""), CString(L"Bauabschnitt \u00c4")};
    std::vector<CTaskID> ids = {CTaskID(CIDBase::generate()), CTaskID()};

    CZentrixArchive out;
    serializeStdVector(out, i32);
    serializeStdVector(out, u32);
    serializeStdVector(out, i64);
    serializeStdVector(out, f64);
    serializeStdVector(out, texts);
    serializeStdVector(out, ids);
    // Integers go out as their raw little-endian bytes right after the count.
    const auto tag = zx::archiveTag("StdVector");
    const auto first = body(out);
    const auto expected = words(tag, 2, 1, -2, ~tag);
    ASSERT_GE(first.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), first.begin()));

    CZentrixArchive in = reopen(out);
    std::vector<std::int32_t> i32b;
    std::vector<std::uint32_t> u32b;
    std::vector<std::int64_t> i64b;
    std::vector<double> f64b;
    std::vector<CString> textsb;
    std::vector<CTaskID> idsb;
    serializeStdVector(in, i32b);
    serializeStdVector(in, u32b);
    serializeStdVector(in, i64b);
    serializeStdVector(in, f64b);
    serializeStdVector(in, textsb);
    serializeStdVector(in, idsb);
    EXPECT_EQ(i32b, i32);
    EXPECT_EQ(u32b, u32);
    EXPECT_EQ(i64b, i64);
    EXPECT_EQ(f64b, f64);
    EXPECT_EQ(textsb, texts);
    EXPECT_EQ(idsb, ids);
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(StdVector, NegativeOrImpossibleCountIsRefusedAndLeavesTheVectorAsItWas) {
    const auto tag = zx::archiveTag("StdVector");
    const auto expectRefused = [&](std::vector<std::byte> bytes, const char* message) {
        CZentrixArchive out;
        out.Write(bytes.data(), bytes.size());
        CZentrixArchive in = reopen(out);
        std::vector<CTaskID> ids(3);
        try {
            serializeStdVector(in, ids);
            ADD_FAILURE() << "expected a refusal: " << message;
        } catch (const CArchiveException& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
        EXPECT_EQ(ids.size(), 3u);
    };
    expectRefused(words(tag, -1, ~tag), "archive aborted");
    expectRefused(words(tag, 2, 0, 0, 0, 0, ~tag), "remaining bytes");  // 2 IDs need 32 bytes
}

}  // namespace
