#pragma once
// The menu's picture: the leaning tower, 315 x 428 pixels in 256 colours,
// our own drawing (tools/tower), made into a picture when the program is
// built, so that starting the program only loads it.

#include <QImage>

namespace kavenor {

inline constexpr int kTowerWidth = 315;
inline constexpr int kTowerHeight = 428;

QImage TowerPicture();

}  // namespace kavenor
