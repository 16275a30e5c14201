// The project constants: the shrink threshold's boundaries, the characters refused in segment
// names, the format lists, the system colour lookup and a few values other programs depend on.
#include <gtest/gtest.h>

#include <cstdint>
#include <cwchar>
#include <limits>
#include <string>
#include <vector>

#include "basetypes/CProjectConstants.h"
#include "basetypes/SystemColors.h"
#include "zentrix.h"

namespace {

std::vector<std::string> untilEmpty(const char* const* list) {
    std::vector<std::string> out;
    for (; **list != '\0'; ++list) out.emplace_back(*list);
    return out;
}

TEST(ProjectConstants, ArrayExcessSpaceBoundaries) {
    EXPECT_FALSE(CProjectConstants::isArrayExcessSpaceTooLarge(18000, 0));
    EXPECT_TRUE(CProjectConstants::isArrayExcessSpaceTooLarge(18001, 0));
    EXPECT_TRUE(CProjectConstants::isArrayExcessSpaceTooLarge(18001, 4500));
    EXPECT_FALSE(CProjectConstants::isArrayExcessSpaceTooLarge(18004, 4501));
    EXPECT_FALSE(CProjectConstants::isArrayExcessSpaceTooLarge(20000, 5000));
    EXPECT_TRUE(CProjectConstants::isArrayExcessSpaceTooLarge(20000, 4999));
    // Sizes whose quadruple does not fit 64 bits.
    constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    EXPECT_FALSE(CProjectConstants::isArrayExcessSpaceTooLarge(max, max / 2));
    EXPECT_TRUE(CProjectConstants::isArrayExcessSpaceTooLarge(max, max / 4));
}

TEST(ProjectConstants, CharactersNotAllowedInSegmentNames) {
    const std::wstring refused = CProjectConstants::getCharactersNotAllowedInSegmentNames();
    EXPECT_EQ(refused, L"@*.~/='\"\\|,()[]{}");
    EXPECT_EQ(refused.size(), 17u);
    for (const wchar_t c : {L'\'', L'"', L'\\'}) EXPECT_NE(refused.find(c), std::wstring::npos);
    EXPECT_EQ(refused.find(L' '), std::wstring::npos);
}

TEST(ProjectConstants, FormatListsEndWithAnEmptyString) {
    const auto imports = untilEmpty(CProjectConstants::get3DImportFormatsToIgnore());
    ASSERT_EQ(imports.size(), 15u);
    EXPECT_EQ(imports.front(), "hmf");
    EXPECT_EQ(imports.back(), "xyz");
    EXPECT_EQ(untilEmpty(CProjectConstants::get3DExportFormatsToIgnore()),
              (std::vector<std::string>{"hmf", "hsx", "obj", "ply", "stl"}));
}

TEST(ProjectConstants, SystemColoursComeFromTheClassicTable) {
    EXPECT_EQ(CProjectConstants::get3dControlFaceColor(), 0xF0F0F0u);
    EXPECT_EQ(CProjectConstants::get3dControlHighlightColor(), 0xE3E3E3u);
    EXPECT_EQ(CProjectConstants::get3dControlShadowColor(), 0xA0A0A0u);
    EXPECT_EQ(CProjectConstants::get3dScrollBarGrayColor(), 0xC8C8C8u);
    EXPECT_EQ(CProjectConstants::get3dTooltipBackgroundColor(), 0xE1FFFFu);
    EXPECT_EQ(getSysColor(30), 0xF0F0F0u);
    EXPECT_EQ(getSysColor(31), 0u);
    EXPECT_EQ(getSysColor(-1), 0u);
}

TEST(ProjectConstants, ValuesSharedWithOtherPrograms) {
    EXPECT_EQ(CProjectConstants::getNameOfAdministratorRole(), CString(L"Administrator"));
    EXPECT_EQ(CProjectConstants::getNameOfVDCRole(), CString(L"VDC"));
    // The folder ID must stay a well-formed, real identifier.
    EXPECT_TRUE(CIDBase(CProjectConstants::getOrbeonSynchronizerFolderID()).isValidNotNull());
    // Colours keep red in the low byte.
    const CProjectColorRGB orange(CProjectConstants::getDefaultRemoveUseProfileColor());
    EXPECT_EQ(orange.red(), 255);
    EXPECT_EQ(orange.green(), 161);
    EXPECT_EQ(orange.blue(), 3);
    EXPECT_EQ(CProjectConstants::getSecondsPerWeek(),
              CProjectConstants::getDaysPerWeek() * CProjectConstants::getSecondsPerDay());
    EXPECT_EQ(CProjectConstants::getLargeArrayThreshold(), 18000);
    EXPECT_EQ(CProjectConstants::getCapacityToSizeMaximumRatio(), 4);
    EXPECT_FLOAT_EQ(CProjectConstants::getMetersPerMile(), 1609.344f);
}

}  // namespace
