// The JSON form of projects: every kind and every value type round trip, the sample project reads
// back equal and writes the same bytes again, malformed and hostile documents end in JsonError,
// filtered dumps find nested objects, and secret fields stay hidden unless asked for.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include "FilledObject.h"
#include "JsonReader.h"
#include "JsonTree.h"
#include "JsonValues.h"
#include "JsonWriter.h"
#include "SampleProject.h"
#include "Sanitized.h"
#include "model3d/CIRayMaterialDefinition.h"
#include "model3d/CViewpointCamera.h"
#include "project/KindList.h"

namespace {

using zxjson::JsonError;
using zxjson::JsonOutput;
using zxjson::JsonTree;

std::string textOf(const auto& value, bool showSecrets = false) {
    JsonOutput out(showSecrets);
    zxjson::writeJson(out, value);
    return std::string(out.view());
}

// A value of type T read from its JSON text.
template <class T>
T fromText(const std::string& text) {
    JsonTree tree;
    std::istringstream in(text);
    tree.parse(in);
    T value{};
    zxjson::readJson(tree.root(), value);
    return value;
}

// Secrets are shown unless the options say otherwise: a project's text must read back.
std::string projectText(const CProjectRoots& project,
                        const zxjson::WriteOptions& options = {.showSecrets = true}) {
    std::ostringstream out;
    zxjson::writeProject(out, project, CZentrixArchive::s_currentFileVersion, options);
    return out.str();
}

void readText(const std::string& text, CProjectRoots& project) {
    std::istringstream in(text);
    zxjson::readProject(in, project);
}

// The message of the JsonError that reading text throws; fails the test if none is thrown.
std::string readError(const std::string& text) {
    CProjectRoots project;
    try {
        readText(text, project);
    } catch (const JsonError& error) {
        return error.what();
    }
    ADD_FAILURE() << "read without error:\n" << text.substr(0, 400);
    return {};
}

// text with the first occurrence of `from` replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// Bits, so that NaNs and signed zeros compare too.
template <class T>
auto bitsOf(T value) {
    using Bits = std::conditional_t<sizeof(T) == 8, std::uint64_t, std::uint32_t>;
    Bits bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(JsonKinds, EveryFilledKindReadsBackEqualAndWritesTheSameText) {
    zx::forEachType(zx::AllKinds{}, [&]<class C>() {
        const C original = zxsample::filled<C>();
        // Secrets included: a redacted text does not read back.
        const std::string text = textOf(original, true);
        EXPECT_EQ(text.find('\n'), std::string::npos) << C::s_kindName;
        C back;
        try {
            back = fromText<C>(text);
        } catch (const JsonError& error) {
            ADD_FAILURE() << C::s_kindName << ": " << error.what();
            return;
        }
        EXPECT_TRUE(back == original) << C::s_kindName << '\n' << text;
        EXPECT_EQ(textOf(back, true), text) << C::s_kindName;
    });
}

TEST(JsonKinds, ObjectOfAnotherKindIsRefused) {
    const std::string link = textOf(zxsample::filled<CLink>());
    EXPECT_THROW(fromText<CCost>(link), JsonError);
}

TEST(JsonValues, FloatingPointKeepsEveryBit) {
    const double doubles[] = {0.1,
                              -0.0,
                              0.0,
                              123.0,
                              1e300,
                              -2.5e-310,
                              std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::denorm_min(),
                              9007199254740993.0,
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN(),
                              -std::numeric_limits<double>::quiet_NaN(),
                              std::bit_cast<double>(std::uint64_t{0xfff0000000000123})};
    for (const double value : doubles) {
        const std::string text = textOf(value);
        EXPECT_EQ(bitsOf(fromText<double>(text)), bitsOf(value)) << text;
    }
    const float floats[] = {0.1f,   -0.0f,       3.4028235e38f,
                            1e-45f, 16777217.0f, std::bit_cast<float>(std::uint32_t{0x7fc00001})};
    for (const float value : floats) {
        const std::string text = textOf(value);
        EXPECT_EQ(bitsOf(fromText<float>(text)), bitsOf(value)) << text;
    }
    EXPECT_EQ(textOf(-0.0), "-0.0");
    EXPECT_EQ(textOf(std::numeric_limits<double>::quiet_NaN()), "\"nan\"");
    // A float literal is read as a float, not rounded to a double first.
    EXPECT_EQ(fromText<float>("1.00000005960464477539062500001"), 1.0000001f);
}

TEST(JsonValues, TimesAndDatesRoundTripOverTheirWholeRange) {
    for (const std::int64_t ms :
         {std::int64_t{0}, std::int64_t{-1}, std::int64_t{1'700'000'000'123},
          std::int64_t{253'402'300'799'999}, std::int64_t{253'402'300'800'000},
          std::int64_t{-62'167'219'200'000}, std::int64_t{-62'167'219'200'001},
          std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min() + 1}) {
        const CProjectTime time(ms);
        EXPECT_EQ(fromText<CProjectTime>(textOf(time)), time) << textOf(time);
    }
    EXPECT_EQ(textOf(CProjectTime(1'700'000'000'123)), "\"2023-11-14T22:13:20.123Z\"");
    EXPECT_EQ(textOf(CProjectTime(1'700'000'000'123)), toDumpText(CProjectTime(1'700'000'000'123)));
    EXPECT_EQ(textOf(CProjectTime()), "null");
    EXPECT_FALSE(fromText<CProjectTime>("null").isValid());
    for (const std::int32_t days :
         {0, -1, 2'932'896, 2'932'897, -719'528, -719'529, std::numeric_limits<std::int32_t>::max(),
          std::numeric_limits<std::int32_t>::min()}) {
        const CProjectDate date(days);
        EXPECT_EQ(fromText<CProjectDate>(textOf(date)), date) << textOf(date);
    }
    EXPECT_EQ(textOf(CProjectDate(2'932'896)), "\"9999-12-31\"");
    EXPECT_EQ(textOf(CProjectDate(2'932'897)), "2932897");
    const CProjectDuration unset(CProjectDuration::s_unset);
    EXPECT_EQ(fromText<CProjectDuration>(textOf(unset)), unset);
    EXPECT_EQ(fromText<CProjectDuration>(textOf(CProjectDuration(-5))), CProjectDuration(-5));
}

TEST(JsonValues, MalformedTimesDatesAndDurationsAreRefused) {
    for (const char* text : {"\"2023-02-29\"", "\"2023-13-01\"", "\"2023-1-01\"", "\"+023-01-01\"",
                             "\"2023-01-01T00:00:00Z\"", "3000000000", "1.5", "true"})
        EXPECT_THROW(fromText<CProjectDate>(text), JsonError) << text;
    for (const char* text : {"\"2023-01-01T24:00:00.000Z\"", "\"2023-01-01T00:60:00.000Z\"",
                             "\"2023-01-01 00:00:00.000Z\"", "\"2023-01-01\"",
                             "-9223372036854775808", "9223372036854775808"})
        EXPECT_THROW(fromText<CProjectTime>(text), JsonError) << text;
    EXPECT_THROW(fromText<CProjectDuration>("-9223372036854775808"), JsonError);
}

TEST(JsonValues, ColoursKeepTheirUnusedHighByte) {
    for (const std::uint32_t packed : {0x000000u, 0x123456u, 0xFFFFFFu, 0xAB123456u, 0xFF000000u}) {
        const CProjectColorRGB color(packed);
        EXPECT_EQ(fromText<CProjectColorRGB>(textOf(color)).getPacked(), packed) << textOf(color);
    }
    EXPECT_EQ(textOf(CProjectColorRGB::fromRGB(0x12, 0x34, 0x56)), "\"#123456\"");
    for (const char* text : {"\"123456\"", "\"#12345\"", "\"#12345g\"", "\"#-12345\"", "5"})
        EXPECT_THROW(fromText<CProjectColorRGB>(text), JsonError) << text;
}

TEST(JsonValues, VariantsKeepTheirType) {
    CProjectVariant variants[7];
    variants[1].setString(L"nan");
    variants[2].setInteger(1);
    variants[3].setDouble(1.0);
    variants[4].setBoolean(false);
    variants[5].setDateTime(CProjectTime(86'400'000));
    variants[6].setDouble(-std::numeric_limits<double>::infinity());
    for (const CProjectVariant& variant : variants) {
        const CProjectVariant back = fromText<CProjectVariant>(textOf(variant));
        EXPECT_EQ(back.getType(), variant.getType()) << textOf(variant);
        EXPECT_TRUE(back == variant) << textOf(variant);
    }
    for (const char* text :
         {"{}", "{\"Integer\":1,\"Double\":1}", "{\"Float\":1}", "{\"Integer\":1.5}", "[1]", "1"})
        EXPECT_THROW(fromText<CProjectVariant>(text), JsonError) << text;
}

TEST(JsonValues, TextKeepsQuotesControlCharactersAndAstralCharacters) {
    const CProjectString text(
        CString(std::wstring(L"a\"b\\c\n\t\x01\x1f\x7f") + L'\0' + L"\u00e9\u20ac\U0001F3D7"));
    const std::string json = textOf(text);
    EXPECT_EQ(json, toDumpText(text));
    EXPECT_EQ(fromText<CProjectString>(json), text);
    // Escaped and raw forms read alike.
    EXPECT_EQ(fromText<CProjectString>("\"\\u00e9\\ud83c\\udfd7\""),
              CProjectString(L"\u00e9\U0001F3D7"));
    EXPECT_THROW(textOf(CProjectString(CString(std::wstring(1, static_cast<wchar_t>(0xD800))))),
                 JsonError);
    EXPECT_THROW(textOf(CProjectString(CString(std::wstring(1, static_cast<wchar_t>(0x110000))))),
                 JsonError);
    EXPECT_THROW(fromText<CProjectString>("\"\\ud800\""), JsonError);
    EXPECT_THROW(fromText<CProjectString>("\"\xff\""), JsonError);
}

TEST(JsonValues, IdentifiersEnumerationsAndIntegers) {
    CTaskID real;
    real.generateInPlace();
    CTaskID null;
    null.clear();
    for (const CTaskID& id : {CTaskID(), null, real})
        EXPECT_EQ(fromText<CTaskID>(textOf(id)), id) << textOf(id);
    EXPECT_EQ(textOf(real), toDumpText(real));
    EXPECT_THROW(fromText<CTaskID>("\"1234\""), JsonError);
    EXPECT_THROW(fromText<CTaskID>(std::string("\"") + std::string(100000, 'a') + '"'), JsonError);

    EXPECT_EQ(fromText<CLinkType>(textOf(CLinkType(LinkType::StartToFinish))),
              CLinkType(LinkType::StartToFinish));
    EXPECT_THROW(fromText<CLinkType>("\"Sideways\""), JsonError);
    EXPECT_THROW(fromText<CLinkType>("3"), JsonError);

    EXPECT_EQ(fromText<std::int32_t>("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_THROW(fromText<std::int32_t>("2147483648"), JsonError);
    EXPECT_THROW(fromText<std::uint8_t>("-1"), JsonError);
    EXPECT_THROW(fromText<std::int64_t>("18446744073709551616"), JsonError);
    EXPECT_THROW(fromText<std::int32_t>("1.0"), JsonError);
    EXPECT_THROW(fromText<bool>("0"), JsonError);
}

TEST(JsonValues, IdentifierSetsKeepTheirOrderAndValueArraysTheirKeys) {
    CTaskIDArray unsorted;
    CTaskID a, b;
    a.generateInPlace();
    b.generateInPlace();
    if (a < b) std::swap(a, b);
    unsorted.addNoSort(a);
    unsorted.addNoSort(b);
    const CTaskIDArray back = fromText<CTaskIDArray>(textOf(unsorted));
    EXPECT_TRUE(back == unsorted);
    EXPECT_EQ(textOf(back), textOf(unsorted));
    EXPECT_FALSE(back.isSorted());
    CTaskIDArray sorted;
    (void)sorted.Add(a);
    (void)sorted.Add(b);
    EXPECT_TRUE(fromText<CTaskIDArray>(textOf(sorted)).isSorted());

    CCalendarExceptionArray exceptions;
    (void)exceptions.addValue(CCalendarException(CCalendarDayTypeID(), CProjectDate(3)));
    const std::string one = textOf(exceptions);
    const std::string twice =
        "[" + one.substr(1, one.size() - 2) + "," + one.substr(1, one.size() - 2) + "]";
    EXPECT_THROW(fromText<CCalendarExceptionArray>(twice), JsonError);
}

TEST(JsonValues, DescribedValuesRefuseUnknownRepeatedAndMissingMembers) {
    CRuleRate rate(CProjectDate(10), 2.5, CProjectDouble());
    const std::string text = textOf(rate);
    EXPECT_EQ(text, "{\"EffectiveDate\":\"1970-01-11\",\"Rate\":2.5,\"Cost\":null}");
    EXPECT_TRUE(fromText<CRuleRate>(text) == rate);
    // Members may come in any order.
    EXPECT_TRUE(fromText<CRuleRate>("{\"Cost\":null,\"Rate\":2.5,\"EffectiveDate\":10}") == rate);
    for (const char* bad :
         {"{\"EffectiveDate\":10,\"Rate\":2.5}",
          "{\"EffectiveDate\":10,\"Rate\":2.5,\"Cost\":null,\"Extra\":1}",
          "{\"EffectiveDate\":10,\"Rate\":2.5,\"Cost\":null,\"Rate\":1}", "[10,2.5,null]"})
        EXPECT_THROW(fromText<CRuleRate>(bad), JsonError) << bad;
}

// The 3D values that kinds embed: a material instance nests a definition with its own defaults.
TEST(JsonValues, MaterialsAndCamerasComeBackEqual) {
    const auto instance = [] {
        CIRayMaterialInstance value;
        zxsample::Filler(11, 2).value("Material", value);
        return value;
    }();
    ASSERT_NE(instance.getMaterialDefinition().getMaterialDefaults(), nullptr);
    const std::string text = textOf(instance);
    EXPECT_TRUE(fromText<CIRayMaterialInstance>(text) == instance) << text;
    CViewpointCamera camera;
    camera.setFieldOfView(40.0);
    EXPECT_TRUE(fromText<CViewpointCamera>(textOf(camera)) == camera);

    const std::string repeated =
        "{\"MdlName\":\"m\",\"DisplayName\":\"\",\"Attributes\":[[\"a\",\"x\"],[\"a\",\"y\"]],"
        "\"MaterialDefaults\":null,\"ElementTypes\":[]}";
    EXPECT_THROW(fromText<CIRayMaterialDefinition>(repeated), JsonError);
    std::string distinct = repeated;
    distinct[distinct.find("[\"a\",\"y\"]") + 2] = 'b';
    EXPECT_EQ(fromText<CIRayMaterialDefinition>(distinct).getAttrCount(), 2);
}

// A described value like those that will hold password hashes.
struct Credentials : CDescribedValue<Credentials> {
    CProjectString user;
    CProjectString passwordHash;

    template <class V>
    static void describeFields(V& v) {
        v.field("User", &Credentials::user);
        v.field("PasswordHash", &Credentials::passwordHash, {.secret = true});
    }
};

TEST(JsonSecrets, SecretFieldsAreRedactedUnlessAsked) {
    Credentials credentials;
    credentials.user = CProjectString(L"planner");
    credentials.passwordHash = CProjectString(L"9f86d081884c7d65");
    EXPECT_EQ(toDumpText(credentials), "{\"User\":\"planner\",\"PasswordHash\":\"<redacted>\"}");
    const std::string hidden = textOf(credentials);
    EXPECT_EQ(hidden, "{\"User\":\"planner\",\"PasswordHash\":\"<redacted>\"}");
    const std::string shown = textOf(credentials, true);
    EXPECT_NE(shown.find("9f86d081884c7d65"), std::string::npos);
    EXPECT_TRUE(fromText<Credentials>(shown) == credentials);
    EXPECT_THROW(fromText<Credentials>(hidden), JsonError);
}

// A sample project and its text, built once for the tests that share it.
struct WrittenProject {
    SampleProject project;
    std::string text;

    WrittenProject(int scale, std::uint64_t seed)
        : project(SampleProject::build(scale, seed)), text(projectText(project)) {}
};

class JsonProject : public testing::Test {
protected:
    static const WrittenProject& sampleProject() {
        static const WrittenProject written(40, 7);
        return written;
    }
    static const WrittenProject& smallProject() {
        static const WrittenProject written(2, 3);
        return written;
    }
    static const SampleProject& sample() { return sampleProject().project; }
    static const std::string& sampleText() { return sampleProject().text; }
    static const SampleProject& small() { return smallProject().project; }
    static const std::string& smallText() { return smallProject().text; }
};

TEST_F(JsonProject, SampleReadsBackEqualAndWritesTheSameBytes) {
    CProjectRoots back;
    readText(sampleText(), back);
    EXPECT_TRUE(back == static_cast<const CProjectRoots&>(sample()));
    EXPECT_EQ(projectText(back), sampleText());
}

TEST_F(JsonProject, EveryTopLevelObjectTakesOneLine) {
    std::size_t objects = 0, sections = 0;
    sample().forEachRoot([&](const auto& root) {
        objects += static_cast<std::size_t>(root.getArray().GetSize());
        ++sections;
    });
    const std::string& text = sampleText();
    // The header line, the opening and closing line of each section, the objects, the end.
    EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
              1 + 2 * sections + objects + 1);
    EXPECT_EQ(text.rfind("{\"format\":\"zentrix-store project\",\"formatVersion\":1,", 0), 0u);
}

TEST_F(JsonProject, ReadingEmptiesTheProjectFirst) {
    CProjectRoots project;
    readText(sampleText(), project);
    readText(smallText(), project);
    EXPECT_TRUE(project == static_cast<const CProjectRoots&>(small()));
}

TEST_F(JsonProject, EveryTruncationIsRefused) {
    const std::string& text = smallText();
    // The last byte is the final newline, without which the document is complete. Each cut reads
    // the whole text once; the sanitizers' run takes fewer.
    const std::size_t cuts = zxtest::kSanitized ? 150 : 400;
    const std::size_t step = std::max<std::size_t>(1, text.size() / cuts);
    for (std::size_t size = 0; size + 1 < text.size(); size += step) {
        CProjectRoots project;
        EXPECT_THROW(readText(text.substr(0, size), project), JsonError) << size;
    }
}

TEST_F(JsonProject, CorruptedBytesNeverCrash) {
    std::mt19937 random(2026);
    const std::string& text = smallText();
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        std::string corrupted = text;
        for (int k = 0; k < 3; ++k)
            corrupted[random() % corrupted.size()] = static_cast<char>(random() % 256);
        CProjectRoots project;
        try {
            readText(corrupted, project);
        } catch (const JsonError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 200);
}

TEST_F(JsonProject, ErrorsNameSectionObjectFieldAndLine) {
    // The first task's name becomes a number: its section, its place and its line are named.
    const std::string& text = smallText();
    const std::size_t taskSection = text.find("{\"kind\":\"Task\",\"id\"");
    ASSERT_NE(taskSection, std::string::npos);
    const std::size_t name = text.find("\"Name\":\"", taskSection);
    std::string broken = text;
    broken.replace(name, 8, "\"Name\":5,\"x\":\"");
    const std::size_t line =
        1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + name, '\n'));
    const std::string message = readError(broken);
    EXPECT_NE(
        message.find("section Task, object 0, field Name: expected a string, found the number 5"),
        std::string::npos)
        << message;
    EXPECT_NE(message.find("line " + std::to_string(line) + ","), std::string::npos) << message;
}

TEST_F(JsonProject, MalformedDocumentsAreRefused) {
    const std::string& text = smallText();
    const std::string firstCode = "{\"kind\":\"Code\",\"ID\":";
    const std::size_t userFields = text.find("{\"kind\":\"UserField\",\"id\"");
    const std::string withoutUserFieldSection =
        text.substr(0, userFields) + text.substr(text.find("]},\n", userFields) + 4);
    const std::string cases[] = {
        "",
        "[]",
        text + "x",
        replaced(text, "zentrix-store project", "another format"),
        replaced(text, "\"formatVersion\":1", "\"formatVersion\":2"),
        replaced(text, "\"fileVersion\":440", "\"fileVersion\":441"),
        replaced(text, "\"fileVersion\":440", "\"fileVersion\":\"440\""),
        replaced(text, "\"fileVersion\":440,", ""),
        replaced(text, "{\"kind\":\"Code\",\"id\"", "{\"kind\":\"Cod\",\"id\""),
        replaced(text, "{\"kind\":\"Code\",\"id\"", "{\"kind\":\"UserField\",\"id\""),
        replaced(text, firstCode, "{\"kind\":\"Code\",\"Bogus\":1,\"ID\":"),
        replaced(text, firstCode, "{\"kind\":\"Code\",\"ID\":\"unset\",\"ID\":"),
        replaced(text, firstCode, "{\"kind\":\"Task\",\"ID\":"),
        replaced(text, firstCode, "{\"ID\":"),
        replaced(text, "\"objects\":[\n" + firstCode, "\"objects\":[\n5,\n" + firstCode),
        replaced(text, "\"objects\":[", "\"objects\":{\"a\":"),
        replaced(text, "\"objects\":[", "\"Bogus\":[],\"objects\":["),
        withoutUserFieldSection,
        replaced(text, "\n]}\n]}\n", "\n]},\n{}\n]}\n"),
        replaced(text, "\"format\":", "\"format\":[[[[[{}]]]]],\"x\":"),
        replaced(text, "\"Name\":\"", "\"Name\":1e999,\"x\":\""),
        replaced(text, "\"Name\":\"", "\"Name\":99999999999999999999999,\"x\":\""),
        replaced(text, "\"Name\":\"", "\"Name\":" + std::string(100000, '[') + ",\"x\":\""),
    };
    for (const std::string& bad : cases) {
        const std::string message = readError(bad);
        EXPECT_FALSE(message.empty());
    }
}

TEST_F(JsonProject, RepeatedIDsAreRefused) {
    const std::string& text = smallText();
    // Two top-level codes with one ID.
    const std::size_t first = text.find("{\"kind\":\"Code\",\"ID\":");
    const std::size_t end = text.find('\n', first);
    const std::string code = text.substr(first, end - first - 1);
    const std::string twice = replaced(text, code, code + ",\n" + code);
    EXPECT_NE(readError(twice).find("section Code, object 1"), std::string::npos)
        << readError(twice);
    // Two values of one code with one ID.
    const std::size_t values = text.find("\"CodeValues\":[", first) + 14;
    const std::string leaf = "\"SubCodeValues\":[]}";
    const std::size_t valueEnd = text.find(leaf, values) + leaf.size();
    const std::string value = text.substr(values, valueEnd - values);
    const std::string repeated = replaced(text, value, value + "," + value);
    EXPECT_NE(readError(repeated).find("section Code, object 0, field CodeValues[1]: "),
              std::string::npos)
        << readError(repeated);
}

TEST_F(JsonProject, TheStoreRulesOfValuesApply) {
    // A time of day past midnight and a day type with more blocks than a day holds.
    CCalendar calendar = zxsample::filled<CCalendar>();
    CProjectRoots project;
    (void)project.get<CCalendarRoot>().getArray().Add(calendar);
    const std::string text = projectText(project);
    const std::size_t minutes = text.find("\"Minutes\":");
    ASSERT_NE(minutes, std::string::npos);
    const std::string late = text.substr(0, minutes) + "\"Minutes\":1441" +
                             text.substr(text.find_first_of(",}", minutes));
    EXPECT_NE(readError(late).find("time of day"), std::string::npos) << readError(late);

    const std::size_t blocks = text.find("\"TimeBlocks\":[") + 14;
    const std::size_t blocksEnd = text.find(']', blocks);
    std::string many;
    for (int i = 0; i < 25; ++i)
        many += std::string(i ? "," : "") + "{\"Start\":{\"Minutes\":0},\"End\":{\"Minutes\":60}}";
    const std::string crowded = text.substr(0, blocks) + many + text.substr(blocksEnd);
    EXPECT_NE(readError(crowded).find("time blocks"), std::string::npos) << readError(crowded);
}

TEST_F(JsonProject, NestingBeyondTheCapIsRefusedBothWays) {
    // A chain of sub-risks one level deeper than the writer takes, built top down.
    CRisk top;
    top.generateIDs();
    IRisk* deepest = &top;
    for (std::size_t level = 0; level <= zxjson::ObjectWriter::s_maxDepth; ++level) {
        CRisk child;
        child.generateIDs();
        ASSERT_GE(deepest->addSubRisk(child), 0);
        deepest = &*deepest->getSubRisks().getWritableReference(0);
    }
    CProjectRoots project;
    (void)project.get<CRiskRoot>().getArray().Add(top);
    EXPECT_THROW(projectText(project), JsonError);

    // The reader stops at its cap while parsing, before it looks at the objects.
    const std::size_t risks = smallText().find("{\"kind\":\"Risk\",\"id\"");
    std::string deep = smallText().substr(0, smallText().find('\n', risks) + 1);
    for (int level = 0; level < 600; ++level) deep += "{\"kind\":\"Risk\",\"SubRisks\":[";
    EXPECT_NE(readError(deep).find("nesting deeper than"), std::string::npos);
}

TEST_F(JsonProject, FilteredDumpsFindNestedObjects) {
    const std::string byKind = projectText(sample(), {.kind = "CodeValue"});
    JsonTree tree;
    std::istringstream in(byKind);
    tree.parse(in);
    const auto objects = tree.root().find("objects");
    ASSERT_TRUE(objects.has_value());
    int expected = 0;
    for (const auto& [kind, count] : sample().counts())
        if (kind == "CodeValue") expected = count;
    // Each code's values are listed, and the values below them inside them, not again.
    const auto& codes = sample().get<CCodeRoot>().getArray();
    int topLevel = 0;
    for (int i = 0; i < codes.GetSize(); ++i)
        topLevel += codes.getConstReference(i).getCodeValues().GetSize();
    EXPECT_GT(expected, topLevel);
    EXPECT_EQ(objects->size(), static_cast<std::uint32_t>(topLevel));
    for (const zxjson::JsonValue object : *objects)
        EXPECT_EQ((*object.begin()).text(), "CodeValue");
    const std::string kind = "\"kind\":\"CodeValue\"";
    int listed = 0;
    for (std::size_t at = byKind.find(kind); at != std::string::npos;
         at = byKind.find(kind, at + 1))
        ++listed;
    EXPECT_EQ(listed, expected);

    // A code value's ID finds that one object.
    const ICodeValueConstArrayHandle values = codes.getConstReference(0).getCodeValues();
    ASSERT_GT(values.GetSize(), 0);
    const CCodeValueID id = values.getConstReference(0)->getID();
    const std::string byID = projectText(sample(), {.id = id.toString().toUtf8()});
    EXPECT_NE(byID.find("\"objects\":[\n{\"kind\":\"CodeValue\",\"ID\":\"" +
                        id.toString().toUtf8() + "\""),
              std::string::npos)
        << byID;
    EXPECT_EQ(std::count(byID.begin(), byID.end(), '\n'), 3);

    EXPECT_THROW(projectText(sample(), {.kind = "NoSuchKind"}), JsonError);
    EXPECT_THROW(projectText(sample(), {.id = "not-an-id"}), JsonError);
    // A filtered dump is for reading: readProject refuses it.
    EXPECT_FALSE(readError(byKind).empty());
}

}  // namespace
