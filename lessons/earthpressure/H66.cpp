#include "lessons/earthpressure/H66.h"

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

namespace {
constexpr int kStepInterval = 500;  // ms
}  // namespace

TFH66::TFH66(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  ConnectPaint();
  FormPaint();
}

void TFH66::Restart() {
  model_.Reset();
  Timer()->SetInterval(kStepInterval);
  Draw();
}

void TFH66::TimerTimer() {
  if (model_.Tick()) Draw();
}

void TFH66::Draw() {
  const LayoutMetrics& m = Layout();
  ShowFigure([w = m.AreaWidth, h = m.AreaHeight](Canvas& c) { DrawSheetPileWall(c, w, h); });
}

void TFH66::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Sheet pile walls."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The pressure distributions at a sheet pile wall, in its ultimate "));
  p.AppendPieces({"state of equilibrium, are usually calculated by assuming that the lateral ",
                  "pressures are in the active state on the high side of the wall, and in the ",
                  "passive state on the lower side, over the ",
                  "entire length of the wall."});
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The lateral stresses can be calculated using the following procedure :"));
  p.AppendLine(QStringLiteral("1. Calculate the vertical total stress."));
  p.AppendLine(QStringLiteral("2. Determine the pore water pressure."));
  p.AppendLine(QStringLiteral(
      "3. Determine the vertical effective stress, by subtracting the pore water pressure from "
      "the vertical total stress."));
  p.AppendLine(QStringLiteral(
      "4. Determine the horizontal effective stress, using the active or passive stress "
      "coefficient."));
  p.AppendLine(QStringLiteral(
      "5. Determine the horizontal total stress, by adding the pore water pressure to the "
      "horizontal effective stress."));
  p.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH66(const LessonEntry& entry) {
  return std::make_unique<TFH66>(entry);
}

}  // namespace kavenor
