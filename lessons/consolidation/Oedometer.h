#pragma once
// The oedometer pictures: the one-dimensional compression apparatus and the
// stress-strain result of the test, on a linear stress scale (a logarithmic
// curve through 40 segments) and on a logarithmic one over two decades (a
// straight line). The test-results variant of the linear graph draws the
// curve in black with two red chords: short stress increments see a nearly
// linear relation whose stiffness grows with the stress.
//
// Each picture fills a W x H bitmap: a white field with a black border, then
// the picture. None keeps any state; the canvas font is "MS Sans Serif" after
// each.

#include <vector>

#include "shell/Canvas.h"

namespace kavenor {

// The apparatus: the water bath, the ring with its two walls (the left
// wall's slanted top one pixel higher than the right's), the porous stones
// below and above the yellow sample, the loading rod and the load arrow.
void DrawOedometer(Canvas& canvas, int W, int H);

// Stress against strain, linear stress axis, the red logarithmic curve.
void DrawLinearResult(Canvas& canvas, int W, int H);
// The same graph with the curve in black and the two red chords P(4)-P(7)
// and P(27)-P(32).
void DrawTestResults(Canvas& canvas, int W, int H);
// Stress against strain, logarithmic stress axis: the straight red line.
void DrawLogResult(Canvas& canvas, int W, int H);

// The frame both graphs share.
struct StressStrainFrame {
  int top, bottom, mid, e, left, right;
};
// mid is (top + bottom) div 2 for the linear graph, H div 2 for the
// logarithmic one.
StressStrainFrame LinearFrameOf(int W, int H);
StressStrainFrame LogFrameOf(int W, int H);

// Point i (0 .. 40) of the linear graph's curve: the stress grows linearly
// with i, the strain with log10(i + 1).
Point LinearCurvePoint(const StressStrainFrame& f, int i);

// The rows of the logarithmic graph's horizontal grid in drawing order: for
// i = 1 .. 10 one row in the upper decade and one in the lower.
std::vector<int> LogGridRows(const StressStrainFrame& f);

// The picture of each option of the oedometer lesson: item 0 the apparatus,
// item 1 the linear graph, any other item (none selected included) the
// logarithmic graph.
void DrawOedometerOption(Canvas& canvas, int item, int W, int H);
// The compressibility lesson: item 0 the apparatus, any other the test
// results with their chords.
void DrawCompressibilityOption(Canvas& canvas, int item, int W, int H);

}  // namespace kavenor
