// getSysColor: the colours of the parts of the user interface (menus, buttons, tooltips, ...),
// looked up by the classic system colour indexes.
//
// This platform has no desktop colour service, so the answers come from a fixed table of the
// classic default colours. A colour is 0x00BBGGRR (red in the low byte). An index outside the
// table gives 0 (black). The index numbers are the established ones and must not change.
#pragma once

#include <cstdint>

#include "basetypes/ZxApi.h"

enum class SystemColor : int {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    Face3D = 15,
    Shadow3D = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    Highlight3D = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    // 25 is unassigned.
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

ZX_API std::uint32_t getSysColor(int index);

inline std::uint32_t getSysColor(SystemColor color) { return getSysColor(static_cast<int>(color)); }
