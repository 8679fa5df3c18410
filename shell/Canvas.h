#pragma once
// Canvas: the drawing surface every figure paints on, over a QImage with
// antialiasing off. Its pixel conventions:
//
//  - integer coordinates, y downwards; SetSize(w, h) sizes the bitmap (a new
//    size starts white; the same size keeps the last picture) and puts the
//    origin back at (0, 0);
//  - SetOrigin(o): from then on the point (x, y) of a drawing call is the
//    bitmap's pixel (x - o.x, y - o.y), for a figure drawn in the coordinates
//    of a larger surface (its window) on a bitmap that covers part of it.
//    Pixel() reads the bitmap's own pixels, whatever the origin;
//  - Rectangle(l, t, r, b): the brush fills and the pen outlines the pixels
//    x in [l, r-1], y in [t, b-1]; FillRect fills the same pixels with the
//    brush only; an empty or inverted box paints nothing;
//  - MoveTo / LineTo: the end pixel is left out, so a polyline paints each
//    vertex once; a dotted pen paints every other pixel along the line, the
//    gaps in the brush colour when the brush is solid (as an opaque
//    background); a clear pen paints nothing; pen widths 1 to 3 (a wider pen
//    stamps a width x width square at each pixel of the 1-pixel line);
//  - Polygon: the brush fills the pixels whose centres (x + 0.5, y + 0.5) lie
//    inside (even-odd rule), then the pen outlines every edge, closed;
//    Polyline draws the edges only, not closed;
//  - Ellipse(l, t, r, b): the ellipse in the box of pixels [l, r-1] x
//    [t, b-1], corners in either order; its rim is outlined with the pen, its inside filled;
//  - TextOut(x, y, text): (x, y) is the top left of the text cell, drawn in
//    the current font on an opaque background of the brush colour (none with
//    a clear brush); text in the "Symbol" family shows as its Greek letters;
//  - CopyTo(target, x, y): one block copy of the bitmap (or a rectangle of it)
//    to (x, y) of the target.

#include <QImage>
#include <QString>

#include "shell/Colors.h"

namespace kavenor {

enum class PenStyle { Solid, Dot, Clear };
enum class BrushStyle { Solid, Clear };

struct CanvasPen {
  Rgb Color = clBlack;
  PenStyle Style = PenStyle::Solid;
  int Width = 1;
};

struct CanvasBrush {
  Rgb Color = clWhite;
  BrushStyle Style = BrushStyle::Solid;
};

struct CanvasFont {
  QString Name = QStringLiteral("MS Sans Serif");
  int Size = 8;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  Rgb Color = clBlack;
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

class Canvas {
 public:
  CanvasPen Pen;
  CanvasBrush Brush;
  CanvasFont Font;

  void SetSize(int width, int height);
  void SetOrigin(Point origin) { origin_ = origin; }
  Point Origin() const { return origin_; }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  Point PenPos() const { return penPos_; }

  void Rectangle(int l, int t, int r, int b);
  void FillRect(int l, int t, int r, int b);
  void Ellipse(int l, int t, int r, int b);
  void Polygon(const Point* points, int count);
  void Polyline(const Point* points, int count);
  template <std::size_t N>
  void Polygon(const Point (&points)[N]) { Polygon(points, static_cast<int>(N)); }
  template <std::size_t N>
  void Polyline(const Point (&points)[N]) { Polyline(points, static_cast<int>(N)); }

  void TextOut(int x, int y, const QString& text);
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;

  // Copies the whole bitmap, or the rectangle [l, r) x [t, b) of it, to
  // (x, y) of the target image.
  void CopyTo(QImage& target, int x, int y) const;
  void CopyTo(QImage& target, int x, int y, int l, int t, int r, int b) const;

  // 0xRRGGBB of one pixel; -1 outside the bitmap.
  long long Pixel(int x, int y) const;
  const QImage& Image() const { return image_; }

 private:
  static void order(int& l, int& t, int& r, int& b);
  // Every pixel a drawing call paints goes through these two, which take
  // the origin off.
  void plot(int x, int y, Rgb c);
  void stampPen(int x, int y, Rgb c);
  void fillSpan(int y, int x0, int x1, Rgb c);  // [x0, x1)
  void strokeLine(int x0, int y0, int x1, int y1);

  QImage image_;
  Point penPos_;
  Point origin_;
};

}  // namespace kavenor
