// The archive: scalar and text records, markers, sections, counts, files, and the errors of bad
// input.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/CNonUniquePointerArray.h"
#include "zentrix.h"

namespace {

CZentrixArchive reopen(CZentrixArchive& stored) {
    return CZentrixArchive(stored.takeStoredBytes());
}

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CArchiveException& error) {
        return error.what();
    }
    return "(no exception)";
}

TEST(Archive, ScalarsAndTextRoundTrip) {
    CZentrixArchive out;
    out << 42 << 7u << 1.5f << -2.25 << std::uint64_t{1} << true << false;
    out << CString(L"Gr\u00f6\u00dfe \U0001F3D7 site") << CString();
    CZentrixArchive in = reopen(out);
    EXPECT_TRUE(in.IsLoading());
    EXPECT_EQ(in.fileVersion(), CZentrixArchive::s_currentFileVersion);
    int i = 0;
    unsigned u = 0;
    float f = 0;
    double d = 0;
    std::uint64_t q = 0;
    bool t = false, n = true;
    CString s, empty(L"x");
    in >> i >> u >> f >> d >> q >> t >> n >> s >> empty;
    EXPECT_EQ(i, 42);
    EXPECT_EQ(u, 7u);
    EXPECT_EQ(f, 1.5f);
    EXPECT_EQ(d, -2.25);
    EXPECT_EQ(q, 1u);
    EXPECT_TRUE(t);
    EXPECT_FALSE(n);
    EXPECT_EQ(s, CString(L"Gr\u00f6\u00dfe \U0001F3D7 site"));
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(Archive, TextThatIsNotUnicodeIsRefusedWhenSavedAndWhenLoaded) {
    // Lone surrogates and values beyond U+10FFFF have no UTF-16 form of their own.
    for (const std::uint32_t bad : {0xD800u, 0xDBFFu, 0xDC00u, 0xDFFFu, 0x110000u, 0xFFFFFFFFu}) {
        CZentrixArchive out;
        out.checkMarkerStart("Note");
        out.setField("Text");
        const std::uint64_t at = out.position();
        std::wstring text = L"ab";
        text.push_back(static_cast<wchar_t>(bad));
        text += L"c";
        try {
            out << CString(text);
            ADD_FAILURE() << std::hex << bad << " was saved";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.offset(), at) << e.what();
            EXPECT_EQ(e.record(), "Note.Text") << e.what();
            EXPECT_NE(std::string(e.what()).find("in Note.Text at byte " + std::to_string(at)),
                      std::string::npos)
                << e.what();
        }
        // Nothing of the refused text was written.
        EXPECT_EQ(out.position(), at) << std::hex << bad;
    }

    // Their neighbours and the last code point are text like any other.
    for (const std::uint32_t good : {0xD7FFu, 0xE000u, 0xFFFDu, 0xFFFFu, 0x10000u, 0x10FFFFu}) {
        CZentrixArchive out;
        const CString text(std::wstring(1, static_cast<wchar_t>(good)));
        out << text;
        CZentrixArchive in = reopen(out);
        CString loaded;
        in >> loaded;
        EXPECT_EQ(loaded, text) << std::hex << good;
    }

    // A stored unit sequence with a surrogate out of its pair is malformed input.
    const std::vector<std::vector<char16_t>> malformed = {
        {u'a', 0xD800, u'b'}, {0xDC00, u'a'}, {u'a', 0xDBFF}, {0xDC00, 0xD800}};
    for (const auto& units : malformed) {
        CZentrixArchive out;
        out << static_cast<std::uint32_t>(units.size());
        out.Write(units.data(), units.size() * sizeof(char16_t));
        CZentrixArchive in = reopen(out);
        CString loaded;
        const std::string message = messageOf([&] { in >> loaded; });
        EXPECT_NE(message.find("surrogate"), std::string::npos) << message;
    }

    // Through an object, the error names the record and field being written.
    CCodeRoot codes;
    CCode code;
    code.generateIDs();
    code.setName(std::wstring(L"Zone ") + static_cast<wchar_t>(0xDD00));
    ASSERT_EQ(codes.getArray().Add(code), 0);
    CZentrixArchive out;
    const std::string message = messageOf([&] { codes.Serialize(out); });
    EXPECT_NE(message.find("Code.Name at byte"), std::string::npos) << message;
}

// The count of an array record written as -1, after the array's start marker if it has one.
struct NegativeCount {
    std::vector<std::byte> bytes;
    std::uint64_t offset;
};
NegativeCount negativeCountRecord(const char* marker) {
    CZentrixArchive out;
    if (marker) out.checkMarkerStart(marker);
    const std::uint64_t offset = out.position();
    out << std::int32_t{-1};
    return {out.takeStoredBytes(), offset};
}

// Loads a record whose count is negative into an array that held something: the standard length
// error of the vectors the arrays are built on. The arrays that empty themselves before reading
// are left empty; the text list keeps what it held, as after any failed load.
template <class Array>
void expectNegativeCountRefused(const char* kind, const char* marker, const char* path, Array array,
                                bool emptied = true) {
    ASSERT_GT(array.GetSize(), 0) << kind;
    const NegativeCount record = negativeCountRecord(marker);
    CZentrixArchive in(record.bytes);
    try {
        array.Serialize(in);
        ADD_FAILURE() << kind << " accepted a negative count";
    } catch (const CArchiveLengthError& e) {
        // The message is exactly the standard one; where it happened is beside it.
        const std::length_error& standard = e;
        EXPECT_STREQ(standard.what(), "vector too long") << kind;
        EXPECT_EQ(e.offset(), record.offset) << kind;
        EXPECT_EQ(e.recordPath(), path) << kind;
    }
    EXPECT_EQ(array.GetSize(), emptied ? 0 : 1) << kind;
}

TEST(Archive, NegativeCountsOfEveryArrayAreStandardLengthErrors) {
    CLinkArray links;
    CLink link;
    link.generateIDs();
    ASSERT_EQ(links.Add(link), 0);
    expectNegativeCountRefused("keyed container", "CUniquePointerArray", "CUniquePointerArray",
                               std::move(links));

    CNonUniquePointerArray<CLink> pointers;
    (void)pointers.Add(link);
    expectNegativeCountRefused("pointer array", "CNonUniquePointerArray", "CNonUniquePointerArray",
                               std::move(pointers));

    CProjectIntArray ints;
    (void)ints.Add(CProjectInt(3));
    expectNegativeCountRefused("value array", nullptr, "CNonUniqueValueArray", std::move(ints));

    CCalendarExceptionArray exceptions;
    ASSERT_EQ(exceptions.addValue({CCalendarDayTypeID(CIDBase::generate()), CProjectDate(9)}), 0);
    expectNegativeCountRefused("keyed value array", nullptr, "CUniqueValueArray",
                               std::move(exceptions));

    CIDBaseArray ids;
    (void)ids.Add(CIDBase::generate());
    expectNegativeCountRefused("ID set", nullptr, "CIDPointerArray", std::move(ids));

    CProjectStringArray texts;
    (void)texts.Add(CProjectString(L"Level 1"));
    expectNegativeCountRefused("text list", nullptr, "", std::move(texts), false);
}

TEST(Archive, ErrorsNameWhatWhereAndInWhichRecord) {
    CZentrixArchive out;
    out.checkMarkerStart("Outer");
    out << 5;
    auto bytes = out.takeStoredBytes();
    bytes.pop_back();

    CZentrixArchive in(std::move(bytes));
    in.checkMarkerStart("Outer");
    in.setField("Count");
    int value = 0;
    const std::string message = messageOf([&] { in >> value; });
    EXPECT_EQ(message, "expected 4 bytes for 32-bit integer, 3 remain in Outer.Count at byte 12");
    EXPECT_FALSE(in.isValid());
    // A failed archive refuses further reads until a caller forces it valid.
    EXPECT_NE(messageOf([&] { in >> value; }).find("valid archive"), std::string::npos);
    in.forceValid();
    std::uint8_t byte = 0;
    EXPECT_NO_THROW(in >> byte);
}

TEST(Archive, RefusesWrongMarkersBoolsSignatureAndVersions) {
    CZentrixArchive out;
    out.checkMarkerStart("A");
    out << std::uint8_t{2};
    auto bytes = out.takeStoredBytes();
    {
        CZentrixArchive in(bytes);
        EXPECT_NE(messageOf([&] {
                      in.checkMarkerStart("B");
                  }).find("expected the start marker \"B\" at byte 8"),
                  std::string::npos);
    }
    {
        CZentrixArchive in(bytes);
        in.checkMarkerStart("A");
        bool flag = false;
        EXPECT_NE(messageOf([&] { in >> flag; }).find("expected a bool"), std::string::npos);
    }
    auto badSignature = bytes;
    badSignature[0] = std::byte{'Y'};
    EXPECT_NE(messageOf([&] { CZentrixArchive in(badSignature); }).find("signature"),
              std::string::npos);
    auto newer = bytes;
    const int future = CZentrixArchive::s_currentFileVersion + 1;
    std::memcpy(newer.data() + 4, &future, 4);
    EXPECT_NE(messageOf([&] { CZentrixArchive in(newer); }).find("file version"),
              std::string::npos);
    EXPECT_NE(messageOf([] { CZentrixArchive in(std::vector<std::byte>{}); }).find("signature"),
              std::string::npos);
}

TEST(Archive, HostileLengthsAreRefusedBeforeAllocating) {
    CZentrixArchive out;
    out << 0xFFFFFFFFu;  // a string claiming four billion units
    out << 1000;         // a count claiming a thousand objects of at least 16 bytes
    auto bytes = out.takeStoredBytes();
    CZentrixArchive in(bytes);
    CString text;
    EXPECT_NE(messageOf([&] { in >> text; }).find("expected a string of 4294967295"),
              std::string::npos);

    CZentrixArchive counts(bytes);
    std::uint32_t skipped = 0;
    counts >> skipped;
    EXPECT_NE(messageOf([&] {
                  counts.readCount(16, "objects");
              }).find("fits the 0 remaining bytes, found 1000"),
              std::string::npos);
}

TEST(Archive, SectionsRecordTheirExtentAndSkipWhatANewerWriterAdded) {
    CZentrixArchive out;
    out.startSection("Settings", true);
    out << 1 << 2 << 3;  // a reader that knows only the first value skips the others
    out.startSection("Settings", false);
    out << 99;
    CZentrixArchive in = reopen(out);
    EXPECT_TRUE(in.startSection("Settings", true));
    int first = 0, after = 0;
    in >> first;
    EXPECT_TRUE(in.startSection("Settings", false));
    in >> after;
    EXPECT_EQ(first, 1);
    EXPECT_EQ(after, 99);
    EXPECT_EQ(in.getSizeOfSection("Settings"), 12u);
    EXPECT_EQ(in.getOffsetOfSection("Settings"), 20u);
    EXPECT_EQ(in.getSizeOfSection("Other"), 0u);
}

TEST(Archive, FileSaveReplacesTheTargetOnlyWhenComplete) {
    const auto dir = std::filesystem::temp_directory_path() / "zx-archive-test";
    std::filesystem::create_directories(dir);
    const auto path = dir / "project.zxs";
    {
        CZentrixArchive out(path, CArchive::store);
        out << 1;
        out.Close();
    }
    {
        // A save abandoned before Close leaves the earlier file untouched.
        CZentrixArchive out(path, CArchive::store);
        out << 2;
    }
    CZentrixArchive in(path, CArchive::load);
    int value = 0;
    in >> value;
    EXPECT_EQ(value, 1);
    std::filesystem::remove_all(dir);
    EXPECT_THROW(CZentrixArchive(dir / "missing.zxs", CArchive::load), CArchiveException);
}

TEST(Archive, LegendSchemaDataIsCreatedOnce) {
    CZentrixArchive ar;
    EXPECT_FALSE(ar.hasLegendPropertiesSchemaChangeData());
    EXPECT_EQ(ar.getLegendPropertiesSchemaChangeData(), nullptr);
    ar.createLegendPropertiesSchemaChangeDataIfNecessary();
    auto* data = ar.getLegendPropertiesSchemaChangeData();
    ar.createLegendPropertiesSchemaChangeDataIfNecessary();
    EXPECT_EQ(ar.getLegendPropertiesSchemaChangeData(), data);
}

}  // namespace
