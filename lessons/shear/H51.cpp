#include "lessons/shear/H51.h"

#include <QCheckBox>
#include <QPushButton>

#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {
namespace {

// The timer interval while the element turns; 0 holds it still.
constexpr int kTurningInterval = 20;

}  // namespace

TFH51::TFH51(const LessonEntry& entry, QWidget* parent) : LessonWindow(entry, parent) {
  const QPushButton* back = ReturnButton();
  checkBox_ = new QCheckBox(QStringLiteral("Rotation On/Off"), this);
  checkBox_->setObjectName(QStringLiteral("CheckBox"));
  checkBox_->setGeometry(back->x() + back->width() + 40, back->y(), 121, 17);
  checkBox_->setChecked(true);
  connect(checkBox_, &QCheckBox::clicked, this, &TFH51::CheckBoxClick);

  composeTheory();
  ConnectPaint();
}

void TFH51::composeTheory() {
  TheoryPane& pane = *RichEdit();
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Mohr's Circle."));
  pane.AppendLine(QStringLiteral(" "));

  // The index letters carry only the Garamond typeface; their size stays.
  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle I = PaneStyle::GaramondFace;
  pane.AppendLine(QStringLiteral("In a plane the state of stress in a certain point "));
  pane.AppendPieces({"is defined by the quantities ",
                     {"s", G}, {"xx, ", I, 2},
                     {"s", G}, {"yy, ", I, 2},
                     {"s", G}, {"xy and ", I, 2},
                     {"s", G}, {"yx.  ", I, 2},
                     "The stresses on a pair of rotated planes can be ",
                     "determined from the conditions of equilibrium ",
                     "of an elementary triangle. "});
  pane.AppendLine(QStringLiteral(" "));

  pane.AppendLine(QStringLiteral("The stresses can be represented graphically using "));
  pane.AppendPieces({"Mohr", "'", "s circle. ",
                     "Two points located diametrically on the circle define ",
                     "the stress components on two perpendicular planes."});
  pane.AppendLine(QStringLiteral(" "));

  pane.AppendLine(QStringLiteral("In the figure it has been assumed that the horizontal "));
  pane.AppendPieces({"and vertical directions are the principal ",
                     "directions of stress. The major principal ",
                     "stress (", {"s", G}, {"1) acts in vertical direction, and ", I},
                     "its magnitude is 5 times the minor principal ",
                     "stress (", {"s", G}, {"3).", I}});
  pane.AppendLine(QStringLiteral(" "));

  pane.AppendLine(QStringLiteral(
      "Note that in soil mechanics the sign convention for stresses is opposite to the one "
      "usually applied in structural mechanics: compressive stresses are considered "
      "positive, and a shear stress is considered positive when it acts in the negative "
      "coordinate direction on a plane whose outward normal points in the positive "
      "coordinate direction."));
  pane.HomeCaret();
}

void TFH51::FormActivate() {
  checkBox_->setChecked(true);
  Timer()->SetEnabled(true);
  Timer()->SetInterval(kTurningInterval);
  model_.Activate();
  FormPaint();
}

void TFH51::FormPaint() {
  ShowFigure([m = model_](Canvas& c) { DrawMohr(c, m); });
}

void TFH51::TimerTimer() {
  model_.Tick();
  FormPaint();
}

void TFH51::WayOut() { Timer()->SetEnabled(false); }

void TFH51::CheckBoxClick() {
  // Unchecked, the timer stays enabled but delivers no ticks: the element
  // stands still at its angle and turns on from there when checked again.
  Timer()->SetInterval(checkBox_->isChecked() ? kTurningInterval : 0);
}

std::unique_ptr<LessonWindow> MakeFH51(const LessonEntry& entry) {
  return std::make_unique<TFH51>(entry);
}

}  // namespace kavenor
