#include "lessons/shear/H54.h"

#include "shell/TheoryPane.h"

namespace kavenor {

TFH54::TFH54(const LessonEntry& entry, QWidget* parent)
    : CircleTestsLesson(entry, kDrainedTests, parent) {
  TheoryPane& pane = *RichEdit();
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Drained triaxial test."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "In a drained triaxial test the sample is loaded so slowly that the drainage of the pore "
      "water prevents any pore water pressures from developing. Such a test makes sense only "
      "for soils of a relatively high permeability."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "The usual procedure is to perform two tests, at different levels of the cell pressure. "
      "During each test the vertical stress is increased up to a maximum level, while the "
      "horizontal stress remains equal to the cell pressure."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "The two critical circles determine a failure line, from which the cohesion c and the "
      "friction angle "));
  pane.AppendPieces({{"f can be determined.", PaneStyle::SymbolFace}});
  pane.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH54(const LessonEntry& entry) {
  return std::make_unique<TFH54>(entry);
}

}  // namespace kavenor
