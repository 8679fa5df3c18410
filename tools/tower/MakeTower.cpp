// Draws the menu's tower picture into a PNG file, at build time:
//   kavenor-make-tower FILE

#include <QGuiApplication>
#include <cstdio>

#include "tools/tower/TowerArt.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kavenor-make-tower FILE\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (!kavenor::PaintTowerPicture().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "kavenor-make-tower: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
