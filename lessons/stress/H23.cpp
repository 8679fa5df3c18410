#include "lessons/stress/H23.h"

#include <QPushButton>

#include "lessons/composition/CylinderWindow.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {
namespace {

constexpr int kRiseInterval = 10;  // ms a pixel of rise

}  // namespace

TFH23::TFH23(const LessonEntry& entry) : LessonWindow(entry) {
  buttonFill_ = MakeCylinderButton(this, QStringLiteral("ButtonFill"), QStringLiteral("Fill"));
  connect(buttonFill_, &QPushButton::clicked, this, &TFH23::ButtonFillClick);
  ComposeTheory();
  ConnectPaint();
}

void TFH23::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Deformation of soft soils."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "The commonly accepted theory of soil deformations is that they are caused by the forces "
      "transmitted between the particles, and that they consist of the sliding and rolling of "
      "particles over each other."));
  p.AppendLine(QString());  // ends the paragraph's line
  p.AppendLine(QString());  // an empty line
  p.AppendLine(QStringLiteral(
      "This means that just increasing the pressure of the fluid in the pores will not lead to "
      "appreciable deformations, even though the average stress in the particles increases by "
      "the same amount, because the concentrated forces in the contact points between the "
      "particles do not change."));
  p.AppendLine(QString());
  p.AppendLine(QStringLiteral(
      "This is confirmed by a test in which the water level in a container with soil under "
      "water is increased. The total stress and the pore pressure then both increase by the "
      "same amount, the effective stress remains the same, and there are practically no "
      "deformations."));
  // The last line is ended; the caret stays after it.
}

void TFH23::FormActivate() {
  model_.Activate();
  Timer()->SetInterval(kRiseInterval);
  SyncButton();
  FormPaint();
}

void TFH23::FormPaint() { ShowFigure(CylinderFigure(model_.Scene(AreaGlass()))); }

void TFH23::TimerTimer() {
  // A tick that changes nothing would draw the picture already shown.
  if (!model_.Tick()) return;
  SyncButton();
  FormPaint();
}

void TFH23::SyncButton() {
  SetCylinderButton(buttonFill_, 0, model_.ButtonVisible, model_.ButtonEnabled);
}

void TFH23::ButtonFillClick() {
  model_.Fill();
  ReturnButton()->setFocus(Qt::OtherFocusReason);
}

bool TFH23::AtRest() const { return model_.AtRest(); }

std::unique_ptr<LessonWindow> MakeFH23(const LessonEntry& entry) {
  return std::make_unique<TFH23>(entry);
}

}  // namespace kavenor
