#pragma once
// The leaning tower of the menu, drawn with the toolkit's painter (gradients,
// antialiased arches) and reduced to 256 colours. The build draws it once
// into a picture that the program carries; see shell/TowerPicture.h.

#include <QImage>

namespace kavenor {

QImage PaintTowerPicture();

}  // namespace kavenor
