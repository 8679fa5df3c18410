#pragma once
// The window the three option lessons of this chapter are built on: a yellow
// group of options below the drawing area, the first one selected at
// creation, and the picture of the chosen option. No timer: the picture is
// drawn at every repaint and at once on every click of an option. The choice
// stays when the lesson is left and opened again. Each lesson adds its theory.

#include <QString>
#include <QStringList>

#include "shell/Canvas.h"
#include "shell/LessonWindow.h"

namespace kavenor {

class RadioGroup;

class OptionWindow : public LessonWindow {
  Q_OBJECT

 public:
  // Draws the picture of option `item` (-1 when none is selected) on a
  // width x height canvas.
  using Figure = void (*)(Canvas& canvas, int item, int width, int height);
  // The group: its caption, its items, its size, and its left edge as the
  // window width divided by `leftDivisor`; its top is half the window height.
  struct Options {
    QString caption;
    QStringList items;
    int width, height;
    int leftDivisor;
  };

  OptionWindow(const LessonEntry& entry, const Options& options, Figure figure);

  RadioGroup* RadioGroup1() const { return radioGroup1_; }

 protected:
  void FormPaint() override;

 private:
  const Figure figure_;
  RadioGroup* radioGroup1_ = nullptr;
};

}  // namespace kavenor
