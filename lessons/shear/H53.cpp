#include "lessons/shear/H53.h"

#include <QPushButton>

#include "shell/LessonTimer.h"
#include "shell/Rounding.h"
#include "shell/TheoryPane.h"
#include "shell/Widgets.h"

namespace kavenor {

TFH53::TFH53(const LessonEntry& entry, QWidget* parent)
    : LessonWindow(entry, parent), model_(Layout().AreaHeight) {
  const LayoutMetrics& m = Layout();
  buttonNext_ = MakePushButton(this, QStringLiteral("ButtonNext"), QStringLiteral("Next "));
  buttonNext_->setGeometry(m.AreaLeft + (m.AreaWidth - m.ButtonWidth) / 2,
                           m.AreaTop + nearest(1.5L * m.AreaHeight) + 10, m.ButtonWidth,
                           m.ButtonHeight);
  connect(buttonNext_, &QPushButton::clicked, this, &TFH53::ButtonNextClick);
  composeTheory();
}

void TFH53::composeTheory() {
  TheoryPane& pane = *RichEdit();
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Triaxial test."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral("The phases of a triaxial test are : "));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral("1. Placement of the bottom plate."));
  // The phase lines follow below as the test goes on; the caret stays at the end.
}

void TFH53::FormActivate() {
  model_.Activate();
  Timer()->SetInterval(100);
  composeTheory();
  drawApparatus();
}

void TFH53::TimerTimer() {
  model_.Tick();
  drawApparatus();
}

void TFH53::ButtonNextClick() { model_.Next(); }

void TFH53::drawApparatus() {
  ShowFigure([m = model_](Canvas& c) { DrawTriaxial(c, m); });
  for (const std::string& line : model_.TakePendingLines())
    RichEdit()->AppendLine(QString::fromStdString(line));
}

std::unique_ptr<LessonWindow> MakeFH53(const LessonEntry& entry) {
  return std::make_unique<TFH53>(entry);
}

}  // namespace kavenor
