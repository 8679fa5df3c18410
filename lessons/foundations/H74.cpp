#include "lessons/foundations/H74.h"

#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH74::TFH74(const LessonEntry& entry)
    : LessonWindow(entry), model_(Layout().AreaWidth, Layout().AreaHeight) {
  TheoryPane& pane = *RichEdit();
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Cone Penetration Test."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QString::fromUtf8(
      "The cone penetration test (CPT) is a field test to determine the bearing capacity of a "
      "soil layer below the soil surface. In this test a number of steel rods is pushed into "
      "the ground, with a cone at the tip of the lowest rod. The rods are usually 1 m long, and "
      "their diameter is usually 3.57 cm, so that the area of the cone is 10 cm². The basic "
      "idea of the test is that the stress on the cone at failure, measured while the cone "
      "moves into the soil, does not depend on the size of the instrument. For a foundation "
      "pile of any diameter the stress at failure is therefore equal to the penetration "
      "resistance of the cone, so that the failure load of a pile can easily be calculated "
      "from the CPT-value."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "It is also possible to measure the friction resistance along the sleeve of the cone, "
      "just above its point. This sleeve friction gives an indication of the friction "
      "resistance that may be expected along the shaft of a foundation pile."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "The CPT can also be used to determine the mechanical properties of the soil, especially "
      "its strength parameters. For this purpose the cone resistance is related to these "
      "properties by theoretical or empirical correlations."));
  // The caret stays after the last character.
}

void TFH74::FormActivate() {
  model_.Activate();
  FormPaint();
}

void TFH74::FormPaint() {
  Timer()->SetInterval(model_.Restart());
  ShowTestSite();
}

void TFH74::TimerTimer() {
  const std::optional<int> interval = model_.Tick();
  if (!interval) return;
  Timer()->SetInterval(*interval);
  ShowTestSite();
}

void TFH74::ShowTestSite() {
  ShowFigure([m = model_](Canvas& c) { DrawTestSite(c, m); });
}

std::unique_ptr<LessonWindow> MakeFH74(const LessonEntry& entry) {
  return std::make_unique<TFH74>(entry);
}

}  // namespace kavenor
