#include "shell/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "shell/Fonts.h"

namespace kavenor {
namespace {

QFont canvasFont(const CanvasFont& f) {
  QFont font = Face(f.Name, f.Size, f.Bold);
  font.setItalic(f.Italic);
  font.setUnderline(f.Underline);
  font.setStyleStrategy(QFont::NoAntialias);
  HintAsAtScaleOne(font);
  return font;
}

QString shownText(const CanvasFont& f, const QString& text) {
  return IsSymbolFamily(f.Name) ? SymbolText(text) : text;
}

}  // namespace

void Canvas::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  origin_ = {};
  if (image_.width() == width && image_.height() == height) return;
  image_ = QImage(width, height, QImage::Format_RGB32);
  image_.fill(Qt::white);
}

void Canvas::plot(int x, int y, Rgb c) {
  x -= origin_.x;
  y -= origin_.y;
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
  reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = 0xFF000000u | c;
}

void Canvas::fillSpan(int y, int x0, int x1, Rgb c) {
  y -= origin_.y;
  x0 -= origin_.x;
  x1 -= origin_.x;
  if (y < 0 || y >= image_.height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, image_.width());
  if (x0 >= x1) return;
  QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
  std::fill(row + x0, row + x1, 0xFF000000u | c);
}

void Canvas::order(int& l, int& t, int& r, int& b) {
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
}

void Canvas::FillRect(int l, int t, int r, int b) {
  order(l, t, r, b);
  if (Brush.Style == BrushStyle::Clear) return;
  for (int y = t; y < b; ++y) fillSpan(y, l, r, Brush.Color);
}

void Canvas::Rectangle(int l, int t, int r, int b) {
  order(l, t, r, b);
  if (r <= l || b <= t) return;
  FillRect(l, t, r, b);
  if (Pen.Style == PenStyle::Clear) return;
  // The outline runs round the filled pixels, closed at its start.
  MoveTo(l, t);
  LineTo(r - 1, t);
  LineTo(r - 1, b - 1);
  LineTo(l, b - 1);
  LineTo(l, t);
}

void Canvas::TextOut(int x, int y, const QString& text) {
  if (text.isEmpty() || image_.isNull()) return;
  const QFont font = canvasFont(Font);
  const QString shown = shownText(Font, text);
  const QFontMetrics metrics(font);
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.translate(-origin_.x, -origin_.y);
  if (Brush.Style == BrushStyle::Solid)
    painter.fillRect(x, y, metrics.horizontalAdvance(shown), metrics.height(),
                     QColor::fromRgb(Brush.Color));
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(Font.Color));
  painter.drawText(x, y + metrics.ascent(), shown);
}

int Canvas::TextWidth(const QString& text) const {
  return QFontMetrics(canvasFont(Font)).horizontalAdvance(shownText(Font, text));
}

int Canvas::TextHeight(const QString&) const {
  return QFontMetrics(canvasFont(Font)).height();
}

void Canvas::CopyTo(QImage& target, int x, int y) const {
  CopyTo(target, x, y, 0, 0, image_.width(), image_.height());
}

void Canvas::CopyTo(QImage& target, int x, int y, int l, int t, int r, int b) const {
  if (target.isNull() || image_.isNull() || r <= l || b <= t) return;
  QPainter painter(&target);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QPoint(x, y), image_, QRect(l, t, r - l, b - t));
}

long long Canvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return -1;
  return image_.pixel(x, y) & 0xFFFFFFu;
}

}  // namespace kavenor
