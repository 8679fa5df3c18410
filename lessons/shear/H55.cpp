#include "lessons/shear/H55.h"

#include "shell/TheoryPane.h"

namespace kavenor {

TFH55::TFH55(const LessonEntry& entry, QWidget* parent)
    : CircleTestsLesson(entry, kUndrainedTests, parent) {
  TheoryPane& pane = *RichEdit();
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Undrained triaxial test."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "In an undrained triaxial test pore water pressures may develop during the loading of "
      "the sample. These pore water pressures can be measured by an electronic pore pressure "
      "meter."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "The usual procedure is to perform two tests, at different levels of the cell pressure. "
      "During each test the vertical total stress is increased up to a maximum level, while "
      "the horizontal total stress remains equal to the cell pressure. The effective stresses, "
      "which determine the mechanical behaviour of the sample, follow from the total stresses "
      "by subtraction of the pore water pressure."));
  pane.AppendLine(QStringLiteral(" "));
  pane.AppendLine(QStringLiteral(
      "The two critical circles determine a failure line, from which the cohesion c and the "
      "friction angle "));
  pane.AppendPieces({{"f can be determined.", PaneStyle::SymbolFace}});
  pane.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH55(const LessonEntry& entry) {
  return std::make_unique<TFH55>(entry);
}

}  // namespace kavenor
