#pragma once
// TFH14, "Water content": the wet sample in its container on the plate;
// "Heater ON" heats the plate, shows a warning and dries the sample speck by
// speck, tick after tick, without end. Every repaint and every activation
// shows the wet sample again (the heater stays on and dries it again); the
// way back to the menu switches the heater off.
//
// The picture is drawn straight on the window, over the drawing area and its
// outline.

#include <memory>

#include "lessons/composition/WaterContent.h"
#include "shell/LessonWindow.h"

class QPushButton;

namespace kavenor {

class TFH14 : public LessonWindow {
  Q_OBJECT

 public:
  explicit TFH14(const LessonEntry& entry);

  const WaterContentModel& Model() const { return model_; }
  QPushButton* ButtonHeater() const { return buttonHeater_; }

 protected:
  void FormActivate() override { ShowWetSample(); }
  void FormPaint() override { ShowWetSample(); }
  void TimerTimer() override;
  bool AtRest() const override;
  void WayOut() override;

 private:
  void ComposeTheory();
  void ShowWetSample();
  void ShowSample();
  void ButtonHeaterClick();

  QPushButton* buttonHeater_ = nullptr;
  WaterContentModel model_;
};

std::unique_ptr<LessonWindow> MakeFH14(const LessonEntry& entry);

}  // namespace kavenor
