#include "lessons/shear/H52.h"

#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH52::TFH52(const LessonEntry& entry, QWidget* parent) : LessonWindow(entry, parent) {
  composeTheory();
  Timer()->SetInterval(20);
}

void TFH52::composeTheory() {
  TheoryPane& pane = *RichEdit();
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Transformation formulas."));
  pane.AppendLine(QStringLiteral(" "));

  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle I = PaneStyle::Index;
  constexpr PaneStyle A = PaneStyle::SymbolFace;  // alpha at the default size
  pane.AppendLine(QStringLiteral("When the stress components "));
  pane.AppendPieces({{"s", G}, {"xx, ", I, 2},
                     {"s", G}, {"xy, ", I, 2},
                     {"s", G}, {"yx, and ", I, 2},
                     {"s", G}, {"yy in a ", I, 2},
                     "cartesian coordinate system with axes x and y are given, the ",
                     "stress components on a rotated plane (with axes n and t)  can be ",
                     "determined by considering equilibrium in the direction of ",
                     "the axis n or the axis t."});
  pane.AppendLine(QStringLiteral(" "));

  pane.AppendLine(QStringLiteral("If the angle of the inclined plane with the x-axis is "));
  pane.AppendPieces({{"a (in the figure : 30 degrees), and the area ", A},
                     "of the inclined plane is ",
                     "A, the area of the horizontal plane is A cos(",
                     {"a), and the area of the vertical plane is ", A},
                     "A sin(",
                     {"a).", A}});
  pane.AppendLine(QStringLiteral("  "));

  pane.AppendLine(QStringLiteral("The stress component "));
  pane.AppendPieces({{"s", G}, {"nn follows from ", I, 2},
                     "equilibrium of forces in the n-direction :"});
  pane.AppendLine(QStringLiteral("  "));
  pane.AppendPieces({{"s", G}, {"nn = ", I, 2},
                     {"s", G}, {"xx sin²(", I, 2}, {"a) + ", A},
                     {"s", G}, {"yy cos²(", I, 2}, {"a) +", A}});
  pane.AppendLine(QStringLiteral("     "));
  pane.AppendPieces({{"s", G}, {"xy sin(", I, 2}, {"a) cos(", A}, {"a) + ", A},
                     {"s", G}, {"yx cos(", I, 2}, {"a) sin(", A}, {"a).", A}});
  pane.AppendLine(QStringLiteral("  "));

  pane.AppendLine(QStringLiteral("The stress component "));
  pane.AppendPieces({{"s", G}, {"nt ", I, 2},
                     "follows from equilibrium of forces in the t-direction :"});
  pane.AppendLine(QStringLiteral("  "));
  pane.AppendPieces({{"s", G}, {"nt = ", I, 2},
                     {"s", G}, {"yy cos(", I, 2}, {"a) sin(", A}, {"a) - ", A},
                     {"s", G}, {"xx sin(", I, 2}, {"a) cos(", A}, {"a) +", A}});
  pane.AppendLine(QStringLiteral("     "));
  pane.AppendPieces({{"s", G}, {"xy sin²(", I, 2}, {"a) - ", A},
                     {"s", G}, {"yx cos²(", I, 2}, {"a).", A}});
  pane.AppendLine(QString());
  pane.HomeCaret();
}

void TFH52::FormActivate() { model_.Activate(); }

void TFH52::TimerTimer() {
  if (model_.Tick()) ShowFigure([](Canvas& c) { DrawStress(c); });
}

std::unique_ptr<LessonWindow> MakeFH52(const LessonEntry& entry) {
  return std::make_unique<TFH52>(entry);
}

}  // namespace kavenor
