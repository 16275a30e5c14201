// User field values: keyed by their field in the value array, and their record.
#include <gtest/gtest.h>

#include "zentrix.h"

namespace {

CUserFieldValue valueFor(std::uint8_t field, std::int64_t number) {
    GUID guid{};
    guid[0] = field;
    CProjectVariant value;
    value.setInteger(number);
    return CUserFieldValue(CUserFieldID(guid), value);
}

TEST(UserFieldValue, ArrayKeepsOneValuePerFieldAndRoundTrips) {
    CUserFieldValueArray values;
    EXPECT_EQ(values.addValue(valueFor(9, 1)), 0);
    EXPECT_EQ(values.addValue(valueFor(3, 2)), 1);
    EXPECT_EQ(values.addValue(valueFor(9, 3)), -1);
    EXPECT_EQ(values.findByID(valueFor(3, 0).getID()), 1);
    values.getWritableReference(0).setImported(true);

    CZentrixArchive out;
    values.Serialize(out);
    CZentrixArchive in(out.takeStoredBytes());
    CUserFieldValueArray loaded;
    loaded.Serialize(in);
    EXPECT_TRUE(loaded == values);
    EXPECT_TRUE(loaded.getConstReference(0).getImported().getValue());
    EXPECT_NE(toDumpText(loaded).find("\"Imported\":true"), std::string::npos);
}

TEST(UserFieldValue, VariantKeepsEveryType) {
    CProjectVariant text, number, flag, time;
    text.setString(L"C30/37");
    number.setDouble(2.5);
    flag.setBoolean(true);
    time.setDateTime(CProjectTime(86'400'000));
    CZentrixArchive out;
    for (auto* v : {&text, &number, &flag, &time}) v->Serialize(out);
    CZentrixArchive in(out.takeStoredBytes());
    for (auto* v : {&text, &number, &flag, &time}) {
        CProjectVariant loaded;
        loaded.Serialize(in);
        EXPECT_TRUE(loaded == *v);
    }
    CProjectVariant converted;
    EXPECT_TRUE(CProjectVariant::cast(number, CProjectVariant::Type::Integer, converted));
    EXPECT_EQ(converted.getInteger(), 3);
    EXPECT_FALSE(CProjectVariant::cast(time, CProjectVariant::Type::Integer, converted));
}

}  // namespace

namespace {

TEST(ProjectStringArray, RoundTripsAndRefusesImpossibleCounts) {
    CProjectStringArray texts;
    texts.Add(CProjectString(L"Level 1"));
    texts.Add(CProjectString(L""));
    CZentrixArchive out;
    texts.Serialize(out);
    out << 1000;  // a second list claiming more texts than the bytes left
    CZentrixArchive in(out.takeStoredBytes());
    CProjectStringArray loaded;
    loaded.Serialize(in);
    EXPECT_TRUE(loaded == texts);
    EXPECT_THROW(loaded.Serialize(in), CArchiveException);
    EXPECT_TRUE(loaded == texts);  // a failed load keeps what was there
}

}  // namespace
