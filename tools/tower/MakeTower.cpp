// Draws the menu's tower picture at build time and writes it as a C++ source
// file: its colour table and its pixels, one byte each, rows padded to four
// bytes, so the program shows it straight from its own data without decoding
// anything.
//   kavenor-make-tower FILE.cpp

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

#include "shell/TowerPicture.h"
#include "tools/tower/TowerArt.h"

namespace {

QByteArray hexBytes(const uchar* data, qsizetype size) {
  QByteArray out;
  out.reserve(size * 5 + size / 16);
  for (qsizetype i = 0; i < size; ++i) {
    out += "0x" + QByteArray::number(data[i], 16).rightJustified(2, '0') + ',';
    if (i % 16 == 15) out += '\n';
  }
  return out;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kavenor-make-tower FILE.cpp\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QImage image = kavenor::PaintTowerPicture();
  if (image.format() != QImage::Format_Indexed8 || image.width() != kavenor::kTowerWidth ||
      image.height() != kavenor::kTowerHeight || image.colorCount() > 256) {
    std::fprintf(stderr, "kavenor-make-tower: the picture is not %dx%d in 256 colours\n",
                 kavenor::kTowerWidth, kavenor::kTowerHeight);
    return 1;
  }
  QVector<QRgb> colours = image.colorTable();
  colours.resize(256, 0);

  QByteArray pixels;
  const int stride = kavenor::kTowerStride;
  for (int y = 0; y < image.height(); ++y) {
    QByteArray row(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
    row.resize(stride, '\0');
    pixels += row;
  }

  QByteArray source =
      "// Drawn by kavenor-make-tower when the program was built; do not edit.\n"
      "#include \"shell/TowerPicture.h\"\n\n"
      "namespace kavenor {\n\n"
      "const unsigned int kTowerColours[256] = {\n";
  for (int i = 0; i < 256; ++i) {
    source += "0x" + QByteArray::number(colours[i], 16).rightJustified(8, '0') + "u,";
    if (i % 8 == 7) source += '\n';
  }
  source += "};\n\nalignas(4) const unsigned char kTowerPixels[" +
            QByteArray::number(pixels.size()) + "] = {\n";
  source += hexBytes(reinterpret_cast<const uchar*>(pixels.constData()), pixels.size());
  source += "};\n\n}  // namespace kavenor\n";

  QSaveFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size() || !file.commit()) {
    std::fprintf(stderr, "kavenor-make-tower: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
