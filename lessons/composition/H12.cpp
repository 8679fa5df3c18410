#include "lessons/composition/H12.h"

#include <QPushButton>

#include "lessons/composition/CylinderWindow.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH12::TFH12(const LessonEntry& entry) : LessonWindow(entry) {
  buttonShake_ = MakeCylinderButton(this, QStringLiteral("ButtonShake"), QStringLiteral("Shake"));
  connect(buttonShake_, &QPushButton::clicked, this, &TFH12::ButtonShakeClick);
  ComposeTheory();
}

void TFH12::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("The density of soil."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "One of the principles of soil mechanics is that the deformability of a soil is mainly "
      "caused by a rearrangement of the solid particles, and not by deformation of the solid "
      "particles themselves or deformation of the water."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "This can be illustrated by shaking a sample of fully saturated sand. During the shaking "
      "the packing of the particles gradually becomes denser, while the total volume of the "
      "water and the particles remains the same. The porosity decreases, and some of the water "
      "is expelled from the pores into the free water above the sand: the sand level goes "
      "down, while the water level stays where it is. After some time the maximum density has "
      "been reached, and further shaking no longer changes it."));
  // The caret stays after the last character.
}

void TFH12::FormActivate() {
  model_.Activate();
  Timer()->SetInterval(model_.Interval);
  SyncButton();
  ShowCylinder();
}

void TFH12::TimerTimer() {
  // A tick that changes nothing would draw the picture already shown.
  if (!model_.Tick()) return;
  if (model_.Interval > 0 && Timer()->Interval() != model_.Interval)
    Timer()->SetInterval(model_.Interval);
  SyncButton();
  ShowCylinder();
}

void TFH12::SyncButton() {
  SetCylinderButton(buttonShake_, model_.ButtonShift, model_.ButtonVisible, model_.ButtonEnabled);
}

void TFH12::ButtonShakeClick() {
  model_.Shake();
  ReturnButton()->setFocus(Qt::OtherFocusReason);
}

void TFH12::ShowCylinder() {
  ShowFigure(CylinderFigure(model_.Scene(AreaGlass())));
}

bool TFH12::AtRest() const { return model_.AtRest(); }

std::unique_ptr<LessonWindow> MakeFH12(const LessonEntry& entry) {
  return std::make_unique<TFH12>(entry);
}

}  // namespace kavenor
