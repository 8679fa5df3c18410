#pragma once
// A lesson window that counts what its handlers are asked to do.

#include "shell/LessonWindow.h"

namespace kavenor::test {

class ProbeLesson : public LessonWindow {
 public:
  ProbeLesson(const LessonEntry& entry, bool paint) : LessonWindow(entry) {
    if (paint) ConnectPaint();
  }
  // Shows a 20 x 10 block of one colour at the drawing area's corner.
  void Draw(Rgb colour) {
    ShowFigure([this, colour](Canvas& c) {
      ++drawings;
      c.SetSize(20, 10);
      c.Brush.Color = colour;
      c.FillRect(0, 0, 20, 10);
    });
  }
  int activations = 0, paints = 0, ticks = 0, wayOuts = 0, drawings = 0;
  bool atRest = false;

 protected:
  void FormActivate() override { ++activations; }
  void FormPaint() override {
    ++paints;
    Draw(clRed);
  }
  void TimerTimer() override { ++ticks; }
  void WayOut() override { ++wayOuts; }
  bool AtRest() const override { return atRest; }
};

// A 10 ms timer, the pane placed at creation.
inline const LessonEntry kProbeEntry{99, "FH99", "TFH99", "Probe", "Probe", "Probe", 1, 1,
                                     {true, true, 10}, {}, PanePlacement::Create, nullptr};

}  // namespace kavenor::test
