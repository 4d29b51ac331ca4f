#pragma once

#include <QRgb>
#include <cstdint>

// A display colour as 0x00BBGGRR: red in the low byte.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;

constexpr QRgb toQRgb(TColor c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

constexpr TColor fromQRgb(QRgb rgb)
{
    return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}
