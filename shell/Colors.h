#pragma once
// The palette the pictures share, as 0xRRGGBB.

#include <cstdint>

namespace kavenor {

using Rgb = std::uint32_t;

inline constexpr Rgb clBlack = 0x000000;
inline constexpr Rgb clMaroon = 0x800000;
inline constexpr Rgb clGreen = 0x008000;
inline constexpr Rgb clOlive = 0x808000;
inline constexpr Rgb clNavy = 0x000080;
inline constexpr Rgb clPurple = 0x800080;
inline constexpr Rgb clTeal = 0x008080;
inline constexpr Rgb clGray = 0x808080;
inline constexpr Rgb clSilver = 0xC0C0C0;
inline constexpr Rgb clRed = 0xFF0000;
inline constexpr Rgb clLime = 0x00FF00;
inline constexpr Rgb clYellow = 0xFFFF00;
inline constexpr Rgb clBlue = 0x0000FF;
inline constexpr Rgb clFuchsia = 0xFF00FF;
inline constexpr Rgb clAqua = 0x00FFFF;
inline constexpr Rgb clWhite = 0xFFFFFF;

}  // namespace kavenor
