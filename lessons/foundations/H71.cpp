#include "lessons/foundations/H71.h"

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

namespace {
constexpr int kLoadInterval = 200;  // ms per load step once the lesson is open
}  // namespace

TFH71::TFH71(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  ConnectPaint();
}

void TFH71::ComposeTheory() {
  TheoryPane& pane = *RichEdit();
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Limit Analysis"));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "The theory of plasticity provides a theoretical basis for the determination of a lower "
      "limit or an upper limit of the failure load of a soil mass, that is the maximum load "
      "that the soil can possibly carry."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "Roughly speaking a lower limit is obtained by giving priority to the conditions of "
      "equilibrium. Such a lower limit is a safe value: the real failure load is at least as "
      "large. An upper limit is obtained by giving priority to the failure mechanism. Such an "
      "upper limit is an unsafe value: the real failure load is not larger, and may well be "
      "smaller."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "Many procedures for the analysis of the safety of a soil mass start from an assumed "
      "failure mechanism, often with circular slip surfaces, and then try to satisfy the "
      "conditions of equilibrium as well as possible, giving priority to the equilibrium of the "
      "failure mode itself and to vertical equilibrium. In such cases it cannot be said whether "
      "the calculated limit load lies on the safe side or on the unsafe side. These methods are "
      "very well suited, however, to compare various failure mechanisms."));
  // The caret stays after the last character of the text.
}

void TFH71::FormActivate() {
  model_.Activate();
  Timer()->SetInterval(kLoadInterval);
}

void TFH71::FormPaint() { Draw(); }

void TFH71::TimerTimer() {
  if (model_.Tick()) Draw();
}

void TFH71::Draw() {
  const LayoutMetrics& m = Layout();
  ShowFigure([model = model_, w = m.AreaWidth, h = m.AreaHeight](Canvas& canvas) {
    DrawLimitAnalysis(canvas, model, w, h);
  });
}

std::unique_ptr<LessonWindow> MakeFH71(const LessonEntry& entry) {
  return std::make_unique<TFH71>(entry);
}

}  // namespace kavenor
