#include "lessons/composition/H13.h"

#include "lessons/composition/CylinderWindow.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH13::TFH13(const LessonEntry& entry) : LessonWindow(entry) { ComposeTheory(); }

void TFH13::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Volumetric weigth of soil particles."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "The volumetric weight (or unit weight) of soil particles can be determined by carefully "
      "sprinkling a handful of particles in a measuring glass, originally filled with some "
      "water."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "If no air is entrapped during the sprinkling, the total volume of the particles is shown "
      "by the rise of the water level in the glass. This is the principle of Archimedes, who is "
      "said to have cried \"Eureka !\" when he found it. The total weight of the particles "
      "follows from the increase of the weight of the glass, and the volumetric weight of the "
      "particles is the ratio of their weight and their volume."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral(
      "In the test the porosity (or the void ratio) of the soil can also be determined, because "
      "the level of the sand in the glass shows the total volume of the particles and the "
      "pores. The volume of the pores is this total volume minus the volume of the particles, "
      "which is given by the rise of the water level. The porosity is the volume of the pores "
      "divided by the total volume, and the void ratio is the volume of the pores divided by "
      "the volume of the particles."));
  // The caret stays after the last character.
}

void TFH13::FormActivate() {
  model_.Activate();
  Timer()->SetInterval(model_.Interval);
  ShowCylinder();
}

void TFH13::TimerTimer() {
  // A tick that changes nothing would draw the picture already shown.
  if (!model_.Tick()) return;
  if (model_.Interval > 0 && Timer()->Interval() != model_.Interval)
    Timer()->SetInterval(model_.Interval);
  ShowCylinder();
}

void TFH13::ShowCylinder() {
  ShowFigure(CylinderFigure(model_.Scene(AreaGlass())));
}

bool TFH13::AtRest() const { return model_.AtRest(); }

std::unique_ptr<LessonWindow> MakeFH13(const LessonEntry& entry) {
  return std::make_unique<TFH13>(entry);
}

}  // namespace kavenor
