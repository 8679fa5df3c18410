#include "shell/LessonPrint.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <memory>

#include "shell/Fonts.h"

namespace kavenor {
namespace {

constexpr qreal kScreenDpi = 96.0;
constexpr qreal kGap = 12.0;  // between title, pictures and text, in screen pixels

}  // namespace

void DrawLessonPage(QPainter& painter, const QRectF& page, const LessonPage& content) {
  painter.save();
  // From here on one unit is one pixel of a 96-dpi screen.
  const qreal unit = painter.device()->logicalDpiY() / kScreenDpi;
  painter.translate(page.topLeft());
  painter.scale(unit, unit);
  const qreal width = page.width() / unit, height = page.height() / unit;
  qreal y = 0;

  const qreal titleSize = PointsToPixels(14);
  painter.setFont(Face(QString::fromLatin1(kSansFamily), 14, true));
  painter.setPen(Qt::black);
  painter.drawText(QRectF(0, 0, width, 2 * titleSize), Qt::AlignLeft | Qt::AlignTop,
                   content.title);
  y += 1.5 * titleSize + kGap;

  // The pictures in a row, scaled down together when they are wider than the
  // page or taller than half of it.
  qreal rowWidth = 0, rowHeight = 0;
  for (const QImage& p : content.pictures) {
    rowWidth += p.deviceIndependentSize().width();
    rowHeight = std::max(rowHeight, p.deviceIndependentSize().height());
  }
  if (!content.pictures.isEmpty()) {
    rowWidth += kGap * static_cast<qreal>(content.pictures.size() - 1);
    const qreal fit = std::min({1.0, width / rowWidth, height / 2 / std::max(1.0, rowHeight)});
    qreal x = 0;
    for (const QImage& p : content.pictures) {
      const QSizeF size = p.deviceIndependentSize() * fit;
      painter.drawImage(QRectF(QPointF(x, y), size), p);
      x += size.width() + kGap * fit;
    }
    y += rowHeight * fit + kGap;
  }

  if (content.theory) {
    std::unique_ptr<QTextDocument> text(content.theory->clone());
    text->setTextWidth(width);
    const qreal room = height - y;
    const qreal textHeight = text->documentLayout()->documentSize().height();
    const qreal fit = textHeight > room && textHeight > 0 ? room / textHeight : 1.0;
    painter.translate(0, y);
    painter.scale(fit, fit);
    if (fit < 1.0) text->setTextWidth(width / fit);
    text->drawContents(&painter);
  }
  painter.restore();
}

bool PrintLessonPage(QPagedPaintDevice& device, const LessonPage& content) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  DrawLessonPage(painter, QRectF(0, 0, device.width(), device.height()), content);
  return painter.end();
}

}  // namespace kavenor
