#pragma once
// ShiftedCanvas: drawing in the coordinates of a larger surface (a window) on
// a bitmap that covers only part of it, its top left corner at `origin` of
// that surface. For the lessons that draw straight on their window: they
// compose the picture on the bitmap in window coordinates and copy the bitmap
// to the origin. Pen, brush and font are those of the canvas.

#include <initializer_list>
#include <vector>

#include "shell/Canvas.h"

namespace kavenor {

class ShiftedCanvas {
 public:
  ShiftedCanvas(Canvas& canvas, Point origin) : canvas_(canvas), o_(origin) {}

  Canvas& Target() { return canvas_; }

  void MoveTo(int x, int y) { canvas_.MoveTo(x - o_.x, y - o_.y); }
  void LineTo(int x, int y) { canvas_.LineTo(x - o_.x, y - o_.y); }
  void Line(int x1, int y1, int x2, int y2) {
    MoveTo(x1, y1);
    LineTo(x2, y2);
  }
  void Rectangle(int l, int t, int r, int b) {
    canvas_.Rectangle(l - o_.x, t - o_.y, r - o_.x, b - o_.y);
  }
  void FillRect(int l, int t, int r, int b) {
    canvas_.FillRect(l - o_.x, t - o_.y, r - o_.x, b - o_.y);
  }
  void Polygon(std::initializer_list<Point> points) {
    std::vector<Point> shifted;
    shifted.reserve(points.size());
    for (const Point& p : points) shifted.push_back({p.x - o_.x, p.y - o_.y});
    canvas_.Polygon(shifted.data(), static_cast<int>(shifted.size()));
  }
  void TextOut(int x, int y, const QString& text) { canvas_.TextOut(x - o_.x, y - o_.y, text); }

 private:
  Canvas& canvas_;
  Point o_;
};

// What a lesson drawing straight on its window starts with: the black
// outline of the drawing area at (L, T), W x H (the lines run round it
// through (L + W, T + H), so it covers (W + 1) x (H + 1) pixels), and a white
// field inside it. Leaves the pen black and solid and the brush white.
inline void DrawAreaOutline(ShiftedCanvas& p, int L, int T, int W, int H) {
  Canvas& c = p.Target();
  c.Pen = CanvasPen{clBlack, PenStyle::Solid, 1};
  c.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  p.MoveTo(L, T);
  p.LineTo(L, T + H);
  p.LineTo(L + W, T + H);
  p.LineTo(L + W, T);
  p.LineTo(L, T);
  p.FillRect(L + 1, T + 1, L + W, T + H);
}

}  // namespace kavenor
