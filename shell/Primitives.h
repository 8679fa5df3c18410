#pragma once
// Arrows and plain segments drawn with the canvas's current pen; they change
// neither pen nor brush.

#include "shell/Canvas.h"

namespace kavenor {

// A line with an open two-stroke head at the tip (x2, y2): strokes from the tip
// to points 2 pixels either side of the line, 5 pixels behind the tip. Arrows
// of length 5 or less get no head.
void DrawArrow(Canvas& canvas, int x1, int y1, int x2, int y2);
// DrawArrow with the head strokes' ends moved one pixel further apart in y.
void DrawArrowWide(Canvas& canvas, int x1, int y1, int x2, int y2);
void DrawLine(Canvas& canvas, int x1, int y1, int x2, int y2);

// What a lesson drawing straight on its window starts with: the black
// outline of the drawing area at (L, T), W x H (the lines run round it
// through (L + W, T + H), so it covers (W + 1) x (H + 1) pixels), and a white
// field inside it. Leaves the pen black and solid and the brush white.
void DrawAreaOutline(Canvas& canvas, int L, int T, int W, int H);

// The two head-stroke ends of an arrow, or false for an arrow without head.
struct ArrowHead {
  Point left, right;
};
bool ArrowHeadEnds(int x1, int y1, int x2, int y2, bool wide, ArrowHead& head);

}  // namespace kavenor
