#include "lessons/flow/H31.h"

#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH31::TFH31(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  model_.Restart();
  // The drops move one pixel every 50 ms, whatever the stored interval.
  Timer()->SetInterval(50);
  ConnectPaint();
}

void TFH31::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Groundwater flow."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The flow of a fluid through a "));
  p.AppendPieces({"porous medium can be described by Darcy", "'", "s law,"});
  p.AppendLine(QStringLiteral("   q"));
  p.AppendPieces({{"x = - k ", PaneStyle::Index}, {"dh/", PaneStyle::Greek},
                  {"dx, ", PaneStyle::Greek}});
  p.AppendLine(QStringLiteral("   q"));
  p.AppendPieces({{"y = - k ", PaneStyle::Index}, {"dh/", PaneStyle::Greek},
                  {"dy, ", PaneStyle::Greek}});
  p.AppendLine(QStringLiteral("   q"));
  p.AppendPieces({{"z = - k ", PaneStyle::Index}, {"dh/", PaneStyle::Greek},
                  {"dz. ", PaneStyle::Greek}});
  p.AppendLine(QStringLiteral("The groundwater head h is the sum of "));
  p.AppendPieces({"elevation head and pressure head,"});
  p.AppendLine(QStringLiteral("   h = z + p/"));
  p.AppendPieces({{"g", PaneStyle::Greek}, {"w.", PaneStyle::Index}});
  p.AppendLine(QStringLiteral("The permeability coefficient k "));
  p.AppendPieces({"depends upon the properties of the porous material, and of the fluid,"});
  p.AppendLine(QStringLiteral("   k = "));
  p.AppendPieces({{"kg", PaneStyle::Greek, 2}, {"w/", PaneStyle::Index},
                  {"m.", PaneStyle::Greek}});
  p.AppendLine(QStringLiteral("The intrinsic permeability "));
  p.AppendPieces({{"k is proportional to the square ", PaneStyle::Greek},
                  "of the particle diameter d."});
  p.HomeCaret();
}

void TFH31::ShowApparatus() {
  const LayoutMetrics& m = Layout();
  ShowFigure([model = model_, w = m.AreaWidth, h = m.AreaHeight](Canvas& c) {
    DrawApparatus(c, model, w, h);
  });
}

void TFH31::TimerTimer() {
  model_.Tick(Layout().AreaHeight);
  ShowApparatus();
}

void TFH31::FormPaint() {
  model_.Settle(Layout().AreaHeight);
  ShowApparatus();
}

void TFH31::WayOut() { model_.Restart(); }

std::unique_ptr<LessonWindow> MakeFH31(const LessonEntry& entry) {
  return std::make_unique<TFH31>(entry);
}

}  // namespace kavenor
