#include "lessons/foundations/H76.h"

#include <QLabel>
#include <QScrollBar>

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

namespace {
constexpr int kFirstInterval = 200;  // ms to the first tick after an opening
}  // namespace

TFH76::TFH76(const LessonEntry& entry) : LessonWindow(entry) {
  const LayoutMetrics& m = Layout();
  scrollbarRotation_ = new QScrollBar(Qt::Horizontal, this);
  scrollbarRotation_->setObjectName(QStringLiteral("ScrollbarRotation"));
  scrollbarRotation_->setRange(0, 100);
  scrollbarRotation_->setValue(50);
  scrollbarRotation_->setFocusPolicy(Qt::StrongFocus);
  const int width = m.AreaWidth / 2;
  const int left = (m.AreaWidth - width) / 2 + m.AreaLeft;
  const int top = m.AreaTop + m.AreaHeight + m.AreaTop / 2;
  scrollbarRotation_->setGeometry(left, top, width, 16);

  labelFast_ = new QLabel(QStringLiteral("Fast"), this);
  labelFast_->setObjectName(QStringLiteral("LabelFast"));
  labelFast_->adjustSize();
  labelFast_->move(left + width + 10, top + 2);
  labelSlow_ = new QLabel(QStringLiteral("Slow"), this);
  labelSlow_->setObjectName(QStringLiteral("LabelSlow"));
  labelSlow_->adjustSize();
  labelSlow_->move(left - labelSlow_->width() - 10, top + 2);

  ComposeTheory();
}

void TFH76::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Geotechnical Centrifuge."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("In a scale model of a soil body the stresses due to the weight "));
  p.AppendPieces({"of the material are reduced by the scale factor of the lengths, whereas the ",
                  "strength of the soil (its cohesion, or its undrained shear strength) remains ",
                  "the same if the same soil is used. The model is therefore too strong. A ",
                  "dike of clay may become unstable in the field at a certain height (say 10 m), ",
                  "whereas a model of the same geometry at a smaller scale (say 10 cm height) ",
                  "in the laboratory is very stable. "});
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("This difficulty can be overcome by increasing the "));
  p.AppendPieces({"weight of the soil, by placing the model in a container that is rotated ",
                  "very rapidly in a centrifuge. If the centrifuge rotates fast enough, the ",
                  "stresses in the model are equal to the stresses in the prototype."});
  p.AppendLine(QStringLiteral(" "));
  // The omegas change only their typeface; their size stays at 8 pt.
  constexpr PaneStyle F = PaneStyle::SymbolFace;
  p.AppendLine(QStringLiteral("If the angular velocity is "));
  p.AppendPieces({{"w, the centrifugal acceleration on the model ", F}, "is ",
                  {"w²R=v²/R, where R is the radius of the arm ", F},
                  "of the centrifuge, and v is the velocity of the model. For a model at a ",
                  "scale 1:100 the centrifugal acceleration should be 100*g."});
  p.HomeCaret();
}

void TFH76::FormActivate() { FormPaint(); }

void TFH76::FormPaint() {
  Timer()->SetInterval(kFirstInterval);
  ShowCentrifuge();
}

void TFH76::TimerTimer() {
  Timer()->SetInterval(CentrifugeModel::TickInterval(scrollbarRotation_->value()));
  model_.Tick();
  ShowCentrifuge();
}

void TFH76::ShowCentrifuge() {
  const LayoutMetrics& m = Layout();
  ShowFigure([angle = model_.RotationAngle, position = scrollbarRotation_->value(),
              w = m.AreaWidth, h = m.AreaHeight](Canvas& c) {
    DrawCentrifuge(c, angle, position, w, h);
  });
}

std::unique_ptr<LessonWindow> MakeFH76(const LessonEntry& entry) {
  return std::make_unique<TFH76>(entry);
}

}  // namespace kavenor
