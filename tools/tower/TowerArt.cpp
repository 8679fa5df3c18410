#include "tools/tower/TowerArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "shell/TowerPicture.h"

namespace kavenor {
namespace {

constexpr QColor kMarble(236, 228, 206);
constexpr QColor kShade(196, 184, 156);
constexpr QColor kArch(92, 84, 70);

// One storey of the tower: a marble drum with a row of arches, centred on
// x = 0, from y = top to y = top + height.
void drawStorey(QPainter& p, qreal top, qreal height, qreal halfWidth, int arches) {
  QLinearGradient light(-halfWidth, 0, halfWidth, 0);
  light.setColorAt(0.0, kShade);
  light.setColorAt(0.35, kMarble);
  light.setColorAt(1.0, kShade.darker(115));
  p.setPen(QPen(kShade.darker(130), 1));
  p.setBrush(light);
  p.drawRect(QRectF(-halfWidth, top, 2 * halfWidth, height));
  // cornice
  p.setBrush(kMarble.lighter(104));
  p.drawRect(QRectF(-halfWidth - 3, top - 3, 2 * halfWidth + 6, 4));
  const qreal step = 2 * halfWidth / arches;
  for (int i = 0; i < arches; ++i) {
    const qreal x = -halfWidth + step * (i + 0.2);
    const qreal w = step * 0.6;
    QPainterPath arch;
    arch.moveTo(x, top + height - 3);
    arch.lineTo(x, top + height * 0.35 + w / 2);
    arch.arcTo(QRectF(x, top + height * 0.35, w, w), 180, -180);
    arch.lineTo(x + w, top + height - 3);
    arch.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kArch);
    p.drawPath(arch);
    // column between the arches
    p.setBrush(kMarble.lighter(108));
    p.drawRect(QRectF(x + w + step * 0.07, top + height * 0.3, step * 0.26, height * 0.68));
  }
}

}  // namespace

QImage PaintTowerPicture() {
  QImage image(kTowerWidth, kTowerHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, kTowerHeight);
  sky.setColorAt(0.0, QColor(96, 150, 214));
  sky.setColorAt(0.75, QColor(196, 220, 240));
  p.fillRect(image.rect(), sky);

  // a few soft clouds
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 170));
  for (const QRectF& c : {QRectF(18, 40, 90, 26), QRectF(60, 30, 70, 30), QRectF(220, 70, 80, 22),
                          QRectF(190, 62, 60, 24)})
    p.drawEllipse(c);

  // the square and the cathedral wall behind the tower
  p.setBrush(QColor(214, 200, 170));
  p.drawRect(QRectF(0, 330, kTowerWidth, 30));
  p.setBrush(QColor(120, 160, 80));
  p.drawRect(QRectF(0, 352, kTowerWidth, kTowerHeight - 352));
  p.setBrush(QColor(200, 190, 160));
  p.drawRect(QRectF(0, 352, kTowerWidth, 6));

  // The tower leans about five and a half degrees to the south.
  p.save();
  p.translate(150, 356);
  p.rotate(5.5);
  const qreal storey = 36;
  drawStorey(p, -storey * 1.4, storey * 1.4, 46, 5);
  for (int i = 0; i < 6; ++i) drawStorey(p, -storey * (2.4 + i), storey - 2, 50, 6);
  // belfry
  drawStorey(p, -storey * 7.4 - 32, 32, 32, 4);
  p.setPen(QPen(kShade.darker(130), 1));
  p.setBrush(kMarble);
  p.drawRect(QRectF(-36, -storey * 7.4 - 36, 72, 5));
  p.restore();

  // Tree shadows at the foot of the picture.
  p.setBrush(QColor(70, 110, 50));
  p.drawEllipse(QRectF(-30, 380, 110, 60));
  p.drawEllipse(QRectF(240, 372, 110, 70));
  p.end();

  return image.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
}

}  // namespace kavenor
