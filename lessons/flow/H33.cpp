#include "lessons/flow/H33.h"

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH33::TFH33(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  model_.Restart();
  // The drops move one pixel every 50 ms, whatever the stored interval.
  Timer()->SetInterval(50);
  ConnectPaint();
}

void TFH33::ComposeTheory() {
  constexpr PaneStyle G = PaneStyle::Greek;
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Groundwater flow."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The flow of a fluid through a "));
  p.AppendPieces({"porous medium is governed by two basic principles : ", "Darcy", "'",
                  "s law, and the principle of conservation ",
                  "of mass, expressed by the equation of continuity."});
  p.EndLine(QString());
  p.AppendLine(QString());
  p.AppendPieces({"In the case of a fluid flowing through a system with ",
                  "two different permeabilities continuity of the flow ",
                  "requires that the outflow from the first element is the ",
                  "inflow in the second element."});
  p.EndLine(QString());
  p.AppendLine(QString());
  p.AppendPieces({"In general the combination of Darcy", "'", "s law and ",
                  "the equation of continuity leads to a second order partial ",
                  "differential equation. In the case of a homogeneous porous ",
                  "medium this is Laplace", "'", "s equation,"});
  p.AppendLine(QStringLiteral("   "));
  p.AppendPieces({{"d²h/", G}, {"dx² + ", G}, {"d²h/", G}, {"dy² + ", G}, {"d²h/", G},
                  {"dz² = 0.", G}});
  p.HomeCaret();
}

void TFH33::ShowApparatus() {
  const LayoutMetrics& m = Layout();
  ShowFigure([model = model_, w = m.AreaWidth, h = m.AreaHeight](Canvas& c) {
    DrawApparatus(c, model, w, h);
  });
}

void TFH33::TimerTimer() {
  model_.Tick(Layout().AreaHeight);
  ShowApparatus();
}

void TFH33::FormPaint() {
  model_.Settle(Layout().AreaHeight);
  ShowApparatus();
}

void TFH33::WayOut() { model_.Restart(); }

std::unique_ptr<LessonWindow> MakeFH33(const LessonEntry& entry) {
  return std::make_unique<TFH33>(entry);
}

}  // namespace kavenor
