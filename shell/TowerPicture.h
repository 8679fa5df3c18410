#pragma once
// The menu's picture: the leaning tower, 315 x 428 pixels in 256 colours,
// our own drawing (tools/tower), made into data of the program when it is
// built (its colour table and one byte a pixel), so that starting the program
// neither draws nor decodes it.

#include <QImage>

namespace kavenor {

inline constexpr int kTowerWidth = 315;
inline constexpr int kTowerHeight = 428;
inline constexpr int kTowerStride = (kTowerWidth + 3) / 4 * 4;  // bytes a row

// The picture's data, written by the build.
extern const unsigned int kTowerColours[256];
extern const unsigned char kTowerPixels[kTowerStride * kTowerHeight];

QImage TowerPicture();

}  // namespace kavenor
