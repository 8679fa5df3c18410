#pragma once
// The creep graphs: the strain of a soil under a constant load against time,
// growing downwards from 0 at the top to 0.01 at the bottom, on a linear time
// axis of 0 to 40 days or a logarithmic one of 1 to 1000 days. The strain
// jumps at day 1 to the primary deformation, a fifth of the range, and then
// grows by the same amount for each decade of time: a curve on the linear
// axis, one straight line on the logarithmic one.
//
// Each graph fills a W x H bitmap (a white field with a black border) and
// keeps no state; the canvas font is "MS Sans Serif" after each.

#include <vector>

#include "shell/Canvas.h"

namespace kavenor {

void DrawCreepLinear(Canvas& canvas, int W, int H);
void DrawCreepLog(Canvas& canvas, int W, int H);
// Item 0 the linear axis, any other item (none selected included) the
// logarithmic one.
void DrawCreepOption(Canvas& canvas, int item, int W, int H);

struct CreepFrame {
  int top, bottom, range, left;
  int step;  // a tenth of the linear axis's 40 days, or one decade
};
CreepFrame CreepLinearFrameOf(int W, int H);
CreepFrame CreepLogFrameOf(int W, int H);

// Day i (0 .. 40) of the linear graph's curve.
Point CreepLinearPoint(const CreepFrame& f, int i);
// The columns of the logarithmic grid in drawing order: for i = 1 .. 10 the
// column of day i in each of the three decades.
std::vector<int> CreepLogColumns(const CreepFrame& f);

}  // namespace kavenor
