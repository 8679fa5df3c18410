#pragma once
// Loads on a soil half space, the static pictures of the first two
// earth-pressure lessons: a point load P on a homogeneous half space, and a
// strip load on three horizontal layers. Both draw into a W x H bitmap with
// the ground surface at a third of its height.

#include <QFont>

#include "shell/Canvas.h"

namespace kavenor {

// The point load: an arrow 40 pixels long down onto the middle of the
// surface, with "P" right of its tail.
void DrawPointLoad(Canvas& canvas, int W, int H);

// The strip load: nine arrows 20 pixels long and 5 apart, their tails joined,
// over an olive soil with a yellow middle layer.
void DrawStripLoad(Canvas& canvas, int W, int H);

// The stored font of these two lessons' panes (a symbol face, 9 pt bold),
// which the composed text then replaces with its own styles.
QFont HalfSpacePaneFont();

}  // namespace kavenor
