#include "shell/TowerPicture.h"

namespace kavenor {

QImage TowerPicture() { return QImage(QStringLiteral(":/kavenor/tower.png")); }

}  // namespace kavenor
