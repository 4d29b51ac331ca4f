#pragma once

#include <QRgb>
#include <cstdint>

// A display colour as 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;

namespace colours {
constexpr Colour black = 0x000000;
constexpr Colour white = 0xFFFFFF;
constexpr Colour red = 0x0000FF;
} // namespace colours

constexpr QRgb toQRgb(Colour colour)
{
    return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

constexpr Colour fromQRgb(QRgb rgb)
{
    return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}
