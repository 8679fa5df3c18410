#include "lessons/composition/H14.h"

#include <QPushButton>

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"
#include "shell/Widgets.h"

namespace kavenor {
namespace {

// The interval the wet sample sets for the heater (the timer runs it at its
// shortest interval).
constexpr int kHeaterInterval = 1;

WaterContentGeometry standardGeometry() {
  const LayoutMetrics& m = Layout();
  return WaterContentLayout(m.AreaLeft, m.AreaTop, m.AreaWidth, m.AreaHeight);
}

}  // namespace

TFH14::TFH14(const LessonEntry& entry) : LessonWindow(entry), model_(standardGeometry()) {
  Timer()->setObjectName(QStringLiteral("Timer1"));
  buttonHeater_ = MakePushButton(this, QStringLiteral("ButtonHeater"), QStringLiteral("Heater ON"));
  // Placed by the window's outer size, as every layout rule is.
  const LayoutMetrics& m = Layout();
  buttonHeater_->setGeometry(m.FormWidth / 5 - m.FormWidth / 44,
                             m.FormHeight / 2 - m.FormHeight / 20, 75, 25);
  connect(buttonHeater_, &QPushButton::clicked, this, &TFH14::ButtonHeaterClick);
  ComposeTheory();
  ConnectPaint();
}

void TFH14::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Water content."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "The water content of a soil sample is defined as the ratio of the weight of the water "
      "and the weight of the particles. It can be determined by weighing a sample in its "
      "natural state, and then weighing it again after the water has evaporated, for instance "
      "by drying it in an oven. The temperature in the oven must not be so high that particles "
      "such as peat are burned, but it must be high enough to let all the free water "
      "evaporate. "));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "If the volume of the original sample is known, the porosity can also be determined, "
      "using the unit weight of the particles (see Lesson 3). The weight of the particles "
      "divided by their unit weight gives the volume of the particles, and the volume of the "
      "pores is the total volume minus the volume of the particles."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "Even the degree of saturation can be determined, because the volume of the water follows "
      "from its weight, with a unit weight of water of 10 kN/m³. The degree of saturation is "
      "the volume of the water divided by the volume of the pores. Because these values are "
      "found by subtracting and dividing measured quantities, the result may be rather "
      "inaccurate."));
  // The caret stays after the last line.
}

void TFH14::ShowSample() {
  const LayoutMetrics& m = Layout();
  ShowFigure([model = model_](Canvas& c) { DrawWaterContent(c, model); },
             QPoint(m.AreaLeft, m.AreaTop));
}

void TFH14::ShowWetSample() {
  model_.Wet();
  ShowSample();
  Timer()->SetInterval(kHeaterInterval);
}

void TFH14::TimerTimer() {
  if (model_.Tick()) ShowSample();
}

void TFH14::ButtonHeaterClick() { model_.HeaterOn = true; }

void TFH14::WayOut() { model_.HeaterOn = false; }

// With the heater off a tick does nothing (on the way back it is switched off).
bool TFH14::AtRest() const { return !model_.HeaterOn; }

std::unique_ptr<LessonWindow> MakeFH14(const LessonEntry& entry) {
  return std::make_unique<TFH14>(entry);
}

}  // namespace kavenor
