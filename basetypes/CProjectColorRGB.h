// CProjectColorRGB: a colour as a 32-bit value 0x00BBGGRR (red in the low byte).
// Archive record: the 32-bit value. A default colour is black.
#pragma once

#include <cstdint>
#include <string>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"

class ZX_API CProjectColorRGB {
public:
    constexpr CProjectColorRGB() = default;
    constexpr CProjectColorRGB(std::uint32_t packed) : m_packed(packed) {}
    static constexpr CProjectColorRGB fromRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return CProjectColorRGB(static_cast<std::uint32_t>(r) |
                                (static_cast<std::uint32_t>(g) << 8) |
                                (static_cast<std::uint32_t>(b) << 16));
    }
    static constexpr CProjectColorRGB white() { return CProjectColorRGB(0xFFFFFF); }

    constexpr std::uint32_t getPacked() const { return m_packed; }
    constexpr std::uint8_t red() const { return m_packed & 0xFF; }
    constexpr std::uint8_t green() const { return (m_packed >> 8) & 0xFF; }
    constexpr std::uint8_t blue() const { return (m_packed >> 16) & 0xFF; }
    // The colour seen through a surface of this colour with the given transparency (0 opaque,
    // 1 clear): each channel is blended toward white.
    CProjectColorRGB getTransmissionColor(float transparency) const;

    friend constexpr bool operator==(const CProjectColorRGB&, const CProjectColorRGB&) = default;

    void Serialize(CZentrixArchive& ar) { ar.io(m_packed); }

private:
    std::uint32_t m_packed = 0;
};

ZX_API std::string toDumpText(const CProjectColorRGB& color);
