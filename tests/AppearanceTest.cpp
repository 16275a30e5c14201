// Entity appearances: the opaqueness and transparency arithmetic and the blend over a stage;
// the text and line properties entities embed; the records of all three (round trips, truncated
// input, JSON).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "JsonTree.h"
#include "JsonValues.h"
#include "basetypes/CArchive.h"
#include "basetypes/CEntityAppearance.h"
#include "basetypes/CLineProperties.h"
#include "basetypes/CTextProperties.h"
#include "tests/RoundTrip.h"

namespace {

using conformance::load;
using conformance::save;

// A value of a described type with every field changed from its default.
template <class T>
T filledValue(std::uint64_t seed = 11) {
    T value;
    zxsample::Filler(seed, 2).value("value", value);
    return value;
}

// Round trip through the archive and through JSON, and refusal of every truncation of the
// record.
template <class T>
void expectRecordsHold(T value) {
    const std::vector<std::byte> bytes = save(value);
    EXPECT_TRUE(load<T>(bytes) == value);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        const std::vector<std::byte> cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
        const auto loadCut = [&cut] {
            CZentrixArchive in{std::span<const std::byte>(cut)};
            T read;
            read.Serialize(in);
        };
        EXPECT_THROW(loadCut(), CArchiveException) << "cut at " << n;
    }
    zxjson::JsonOutput text;
    zxjson::writeJson(text, value);
    zxjson::JsonTree tree;
    std::istringstream json{std::string(text.view())};
    tree.parse(json);
    T read;
    zxjson::readJson(tree.root(), read);
    EXPECT_TRUE(read == value) << text.view();
}

TEST(EntityAppearance, DefaultsAreOpaqueAndKeepTheModelsLook) {
    const CEntityAppearance appearance;
    EXPECT_TRUE(appearance.getStartOpaqueness().isValid());
    EXPECT_EQ(appearance.getStartOpaqueness().getValue(), 100);
    EXPECT_EQ(appearance.getStartTransparency(), 0);
    EXPECT_FALSE(appearance.getFinishOpaqueness().isValid());
    EXPECT_FALSE(appearance.needTransparencyInterpolation());
    EXPECT_TRUE(appearance.getUseOriginalColor().getValue());
    EXPECT_TRUE(appearance.getUseOriginalTransparency().getValue());
    EXPECT_EQ(appearance.getAnimationType(), UseProfileAnimationType::None);
    EXPECT_TRUE(appearance.getGrowDirection() == CGraphicalVectorDouble3D(0, 0, 1));
}

TEST(EntityAppearance, TransparencyIsTheComplementOfOpaqueness) {
    CEntityAppearance appearance;
    appearance.setStartTransparency(30);
    EXPECT_EQ(appearance.getStartOpaqueness().getValue(), 70);
    EXPECT_EQ(appearance.getStartTransparency(), 30);
    appearance.setFinishTransparency(90);
    EXPECT_EQ(appearance.getFinishOpaqueness().getValue(), 10);
    EXPECT_EQ(appearance.getFinishTransparency(), 90);
    EXPECT_TRUE(appearance.needTransparencyInterpolation());

    // A constant transparency drops the finish value, whichever side it is given from.
    appearance.setTransparency(25);
    EXPECT_EQ(appearance.getStartOpaqueness().getValue(), 75);
    EXPECT_FALSE(appearance.getFinishOpaqueness().isValid());
    EXPECT_FALSE(appearance.needTransparencyInterpolation());
    appearance.setFinishOpaqueness(0);
    EXPECT_TRUE(appearance.needTransparencyInterpolation());
    appearance.setOpaqueness(60);
    EXPECT_EQ(appearance.getStartTransparency(), 40);
    EXPECT_FALSE(appearance.needTransparencyInterpolation());
    appearance.setFinishOpaqueness(5);
    appearance.unsetFinishOpaqueness();
    EXPECT_FALSE(appearance.needTransparencyInterpolation());
    EXPECT_EQ(appearance.getTransparency(0.7), 40);
}

TEST(EntityAppearance, TransparencyBlendsLinearlyOverTheStage) {
    CEntityAppearance appearance;
    appearance.setStartTransparency(20);
    appearance.setFinishTransparency(80);
    EXPECT_EQ(appearance.getTransparency(0.0), 20);
    EXPECT_EQ(appearance.getTransparency(0.5), 50);
    EXPECT_EQ(appearance.getTransparency(1.0), 80);
    EXPECT_EQ(appearance.getTransparency(0.25), 35);
    EXPECT_EQ(appearance.getTransparency(0.01), 21);  // 20.6 rounds up
    // Outside the stage: the nearer end; not a number: the start.
    EXPECT_EQ(appearance.getTransparency(-3.0), 20);
    EXPECT_EQ(appearance.getTransparency(7.0), 80);
    EXPECT_EQ(appearance.getTransparency(std::numeric_limits<double>::quiet_NaN()), 20);
    EXPECT_EQ(appearance.getTransparency(std::numeric_limits<double>::infinity()), 80);
    // Fading out works the same way down.
    appearance.setStartTransparency(100);
    appearance.setFinishTransparency(0);
    EXPECT_EQ(appearance.getTransparency(0.75), 25);
}

TEST(EntityAppearance, RecordsRoundTripAndRefuseTruncation) {
    expectRecordsHold(CEntityAppearance());
    CEntityAppearance appearance = filledValue<CEntityAppearance>();
    EXPECT_FALSE(appearance == CEntityAppearance());
    expectRecordsHold(appearance);
    // An unset opaqueness that keeps a value survives as such.
    appearance.setFinishOpaqueness(40);
    appearance.unsetFinishOpaqueness();
    appearance.setStartOpaqueness(-5);
    expectRecordsHold(appearance);
}

TEST(EntityAppearance, ChangesThroughAWritableHandleReachTheValue) {
    CEntityAppearance appearance;
    {
        CWritableWrapperHandle<CEntityAppearance> handle = appearance.getWritableHandle();
        handle->setColor(CProjectColorRGB::fromRGB(200, 10, 10));
        handle->setUseOriginalColor(false);
    }
    EXPECT_EQ(appearance.getColor().red(), 200);
    EXPECT_FALSE(appearance.getUseOriginalColor().getValue());
    EXPECT_TRUE(appearance.getHandle()->getColor() == appearance.getColor());
}

TEST(TextAndLineProperties, DefaultsConstructionAndCopies) {
    const CTextProperties none;
    EXPECT_EQ(none.getTextFontString(), CString(L""));
    EXPECT_EQ(none.getTextAlignmentString(), CString(L""));
    CTextProperties text(L"Arial,12,bold", nullptr);
    EXPECT_EQ(text.getTextFontString(), CString(L"Arial,12,bold"));
    EXPECT_EQ(text.getTextAlignmentString(), CString(L""));
    CString font = text.getTextFontString();
    text.setTextFontString(L"Courier");
    EXPECT_EQ(font, CString(L"Arial,12,bold"));
    text.setTextAlignmentString(L"center");
    const ITextProperties& asInterface = text;
    const CTextProperties copy(asInterface);
    EXPECT_TRUE(copy == text);
    EXPECT_FALSE(copy == none);

    const CLineProperties line;
    EXPECT_DOUBLE_EQ(line.getWeight().getValue(), 1.0);
    EXPECT_EQ(line.getPattern().getString(), CString(L""));
    CLineProperties dashed;
    dashed.setPattern(L"dash-dot");
    dashed.setWeight(0.35);
    EXPECT_FALSE(dashed == line);
}

TEST(TextAndLineProperties, RecordsRoundTripAndRefuseTruncation) {
    expectRecordsHold(CTextProperties(L"Arial \u00e9", L"left"));
    expectRecordsHold(filledValue<CTextProperties>());
    expectRecordsHold(CLineProperties());
    expectRecordsHold(filledValue<CLineProperties>());
}

}  // namespace
