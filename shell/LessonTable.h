#pragma once
// The shape of the lesson table: one row per lesson window. The rows
// themselves live with the course (course/Lessons.cpp), above the shell and
// the lessons; the shell only reads them (the menu's captions and placement
// of the 36 buttons, the frames).

#include <array>
#include <memory>

#include "shell/LayoutMetrics.h"

namespace kavenor {

class LessonWindow;
struct LessonEntry;

using LessonFactory = std::unique_ptr<LessonWindow> (*)(const LessonEntry&);

// The timer a window is created with: none, or enabled/disabled with an interval.
struct StoredTimer {
  bool exists = false;
  bool enabled = false;
  int interval = 0;
};

// How a window's theory pane height follows from the layout.
struct PaneRule {
  enum Kind {
    BelowContent,   // ContentBottom - nearest(factor x AreaTop)
    OfWindow,       // nearest(factor x window height)
    OfStandard,     // nearest(factor x (ContentBottom - nearest(1.2 x AreaTop)))
  } kind = BelowContent;
  long double factor = 1.2L;
};
int PaneHeight(const PaneRule& rule, const LayoutMetrics& metrics);

// When the pane is placed: at creation, by the paint handler, or at creation
// and again on every activation.
enum class PanePlacement { Create, Paint, CreateAndActivate };

struct LessonEntry {
  int number;              // the menu button that opens it, 1 .. 36
  const char* window;      // "FH11"
  const char* className;   // "TFH11"
  const char* button;      // menu button caption
  const char* caption;     // window caption
  const char* panel;       // title panel caption
  int column, row;         // place of its menu button
  StoredTimer timer;
  PaneRule pane;
  PanePlacement placement;
  LessonFactory make;
  // A timer whose ticks only draw again the picture already shown: the
  // lesson is as still as one without a timer, and there is nothing to pause.
  bool ticksRedrawOnly = false;
};

// Whether the lesson's picture moves with its timer (what Pause applies to).
inline bool Animated(const LessonEntry& entry) {
  return entry.timer.exists && !entry.ticksRedrawOnly;
}

inline constexpr int kLessonCount = 36;
using LessonList = std::array<LessonEntry, kLessonCount>;

// The plain frame, for a window whose lesson has no unit of its own yet.
std::unique_ptr<LessonWindow> MakeFrame(const LessonEntry& entry);

}  // namespace kavenor
