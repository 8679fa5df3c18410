#include "lessons/stress/H22.h"

#include <QPushButton>

#include "lessons/composition/CylinderWindow.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH22::TFH22(const LessonEntry& entry) : LessonWindow(entry) {
  buttonShake_ = MakeCylinderButton(this, QStringLiteral("ButtonShake"), QStringLiteral("Shake"));
  connect(buttonShake_, &QPushButton::clicked, this, &TFH22::ButtonShakeClick);
  ComposeTheory();
  ConnectPaint();
}

void TFH22::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  const QString gap = QStringLiteral("    ");
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Deformation of soft soils."));
  p.AppendLine(gap);
  p.AppendLine(QStringLiteral(
      "Experiments with soft soils, such as sand and clay, indicate that they are highly "
      "deformable. The small stresses caused by walking on a soil often lead to considerable "
      "deformations. A new road usually must be given a new surface after a few years because "
      "of the large settlements."));
  p.AppendLine(gap);
  p.AppendLine(QStringLiteral(
      "The large deformations of a soil can not be caused by deformations of the particles "
      "themselves, because these particles are eroded pieces of rock, such as quartz, which are "
      "as stiff as the rock itself, with a modulus of elasticity of the order of magnitude of "
      "20 GPa."));
  p.AppendLine(gap);
  p.AppendLine(QStringLiteral(
      "The explanation of the large deformations of soils is that the arrangement of the "
      "particles changes, so that the shape and the size of the pore space change. This is "
      "confirmed by a test in which soil under water is shaken: the surface of the soil goes "
      "down, while the water level remains at the same height, so that the total volume "
      "remains constant."));
  p.AppendLine(gap);
  p.AppendLine(QStringLiteral(
      "If the theory that soil deformations consist of a rearrangement of the particles is "
      "accepted, it follows that the deformations are the sliding and rolling of particles "
      "over each other, caused by the forces transmitted in the contact points between the "
      "particles."));
  // The caret stays after the last character.
}

void TFH22::FormActivate() {
  model_.Activate();
  Timer()->SetInterval(model_.Interval);
  SyncButton();
  FormPaint();
}

void TFH22::FormPaint() { ShowFigure(CylinderFigure(model_.Scene(AreaGlass()))); }

void TFH22::TimerTimer() {
  // Once the compaction is complete the timer runs on and draws nothing; the
  // tick that completes it still shows its last step.
  if (!model_.Tick()) return;
  if (model_.Interval > 0 && Timer()->Interval() != model_.Interval)
    Timer()->SetInterval(model_.Interval);
  SyncButton();
  FormPaint();
}

void TFH22::SyncButton() {
  SetCylinderButton(buttonShake_, model_.ButtonShift, model_.ButtonVisible, model_.ButtonEnabled);
}

void TFH22::ButtonShakeClick() {
  model_.Shake();
  ReturnButton()->setFocus(Qt::OtherFocusReason);
}

bool TFH22::AtRest() const { return model_.AtRest(); }

std::unique_ptr<LessonWindow> MakeFH22(const LessonEntry& entry) {
  return std::make_unique<TFH22>(entry);
}

}  // namespace kavenor
