#pragma once
// TFH24, "Archimedes": a block at rest under water beside Archimedes'
// principle and its generalisation by Terzaghi. The paint handler draws the
// picture, places the theory pane and composes its text, so every repaint
// (and every activation, which runs it) rebuilds the text: anything typed
// into the pane is lost.

#include <memory>

#include "shell/LessonWindow.h"

namespace kavenor {

class TFH24 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH24(const LessonEntry& entry);

 protected:
  void FormActivate() override { FormPaint(); }
  void FormPaint() override;

 private:
  void ComposeTheory();
};

std::unique_ptr<LessonWindow> MakeFH24(const LessonEntry& entry);

}  // namespace kavenor
