#include "lessons/composition/H11.h"

#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH11::TFH11(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  ConnectPaint();
}

void TFH11::FormPaint() {
  model_.Repaint(Layout().AreaWidth, Layout().AreaHeight);
  ShowFigure([m = model_](Canvas& c) { DrawPorosity(c, m); });
}

void TFH11::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  constexpr PaneStyle I = PaneStyle::Index;
  constexpr PaneStyle G = PaneStyle::Greek;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Porosity and Volumetric Weight."));
  p.AppendLine(QString());
  p.AppendLine(QString());
  p.AppendLine(QStringLiteral("Some definitions and notations."));
  p.AppendLine(QString());
  p.AppendPieces({"Porosity : n=V", {"p/V", I}, {"t.", I}});
  p.EndLine(QString());
  p.AppendPieces({"Void ratio : e=V", {"p/V", I}, {"s.", I}});
  p.EndLine(QString());
  p.AppendPieces({"Because V", {"p+V", I}, {"s=V", I}, {"t :", I}, "e=n/(1-n), n=e/(1+e)."});
  p.EndLine(QString());
  p.AppendPieces({"Degree of Saturation : S=V", {"w/V", I}, {"p.", I}});
  p.EndLine(QString());
  p.AppendPieces({"Mass density of water : ", {"r", G}, {"w=1000 kg/m³.", I}});
  p.EndLine(QString());
  p.AppendPieces({"Mass density of solid particles : ", {"r", G}, {"s=2650 kg/m³.", I}});
  p.EndLine(QString());
  p.AppendPieces(
      {"Volumetric weight of water : ", {"g", G}, {"w=", I}, {"r", G}, {"wg=10 kN/m³.", I}});
  p.EndLine(QString());
  p.AppendPieces({"Volumetric weight of soil : ", {"g=Sn", G}, {"r", G}, {"wg+(1-n)", I},
                  {"r", G}, {"sg.", I}});
  p.EndLine(QString());
  p.AppendPieces({"Water content : w=W", {"w/W", I}, {"s.", I}});
  p.EndLine(QString());
  p.AppendLine(QString());
  p.AppendLine(QStringLiteral("V : Volume."));
  p.AppendLine(QStringLiteral("W : Weight."));
  p.AppendLine(QString());
  p.AppendPieces({{"p : pores.", I}});
  p.EndLine(QString());
  p.AppendPieces({{"s : solids.", I}});
  p.EndLine(QString());
  p.AppendPieces({{"w : water.", I}});
  p.EndLine(QString());
  p.AppendPieces({{"t : total.", I}});
  p.EndLine(QString());
  p.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH11(const LessonEntry& entry) {
  return std::make_unique<TFH11>(entry);
}

}  // namespace kavenor
