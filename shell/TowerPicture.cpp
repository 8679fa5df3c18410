#include "shell/TowerPicture.h"

#include <QList>

namespace kavenor {

QImage TowerPicture() {
  // The pixels stay where the program keeps them; only the colour table is
  // the image's own.
  QImage image(kTowerPixels, kTowerWidth, kTowerHeight, kTowerStride, QImage::Format_Indexed8);
  image.setColorTable(QList<QRgb>(std::begin(kTowerColours), std::end(kTowerColours)));
  return image;
}

}  // namespace kavenor
