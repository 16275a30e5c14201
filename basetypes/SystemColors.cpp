#include "basetypes/SystemColors.h"

#include <array>
#include <cstddef>

namespace {

// 0x00BBGGRR, indexed by SystemColor.
constexpr std::array<std::uint32_t, 31> kDefaultColors = {
    0xC8C8C8,  // ScrollBar
    0x000000,  // Background
    0xD1B499,  // ActiveCaption
    0xDBCDBF,  // InactiveCaption
    0xF0F0F0,  // Menu
    0xFFFFFF,  // Window
    0x646464,  // WindowFrame
    0x000000,  // MenuText
    0x000000,  // WindowText
    0x000000,  // CaptionText
    0xB4B4B4,  // ActiveBorder
    0xFCF7F4,  // InactiveBorder
    0xABABAB,  // AppWorkspace
    0xD77800,  // Highlight
    0xFFFFFF,  // HighlightText
    0xF0F0F0,  // Face3D
    0xA0A0A0,  // Shadow3D
    0x6D6D6D,  // GrayText
    0x000000,  // ButtonText
    0x000000,  // InactiveCaptionText
    0xFFFFFF,  // Highlight3D
    0x696969,  // DarkShadow3D
    0xE3E3E3,  // Light3D
    0x000000,  // InfoText
    0xE1FFFF,  // InfoBackground
    0x000000,  // unassigned
    0xCC6600,  // HotLight
    0xEAD1B9,  // GradientActiveCaption
    0xF2E4D7,  // GradientInactiveCaption
    0xFF9933,  // MenuHighlight
    0xF0F0F0,  // MenuBar
};

}  // namespace

std::uint32_t getSysColor(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kDefaultColors.size()) return 0;
    return kDefaultColors[static_cast<std::size_t>(index)];
}
