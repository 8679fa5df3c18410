#include "lessons/stress/H25.h"

#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH25::TFH25(const LessonEntry& entry) : LessonWindow(entry) { ConnectPaint(); }

void TFH25::FormPaint() {
  const LayoutMetrics& m = Layout();
  model_.Scatter(m.AreaWidth, m.AreaHeight);
  ShowFigure([model = model_](Canvas& c) { DrawTerzaghi(c, model); });
  PlacePane();
  ComposeTheory();
}

void TFH25::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle I = PaneStyle::Index;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Terzaghi versus Archimedes."));
  p.EndLine(QString());
  p.EndLine(QStringLiteral(" "));
  p.AppendPieces({"Consider a layer of saturated sand, of thickness d, ",
                  "below a water table at a level h above the bottom of the sand (h>d). ",
                  "The volumetric weight of water is ",
                  {"g", G},
                  {"w, the volumetric weight of the particles is ", I},
                  {"g", G},
                  {"p, and the porosity is n, so that the volumetric weight of the soil is ", I},
                  {"g", G},
                  {"s=n", I},
                  {"g", G},
                  {"w+(1-n)", I},
                  {"g", G},
                  {"p. It is required to determine the ", I},
                  "effective stress, i.e. the stress transferred between the particles ",
                  "at the bottom of the layer."});
  p.EndLine(QString());
  p.EndLine(QStringLiteral(" "));
  p.AppendPieces({"Using Terzaghi", "'", "s principle the total stress is : "});
  p.EndLine(QString());
  p.AppendPieces({"   ", {"s=", G}, {"g", G}, {"w(h-d)+", I}, {"g", G}, {"sd.", I}});
  p.EndLine(QString());
  p.EndLine(QStringLiteral("The pore pressure is :"));
  p.AppendPieces({"   p=", {"g", G}, {"wh.", I}});
  p.EndLine(QString());
  p.EndLine(QStringLiteral("This means that the effective stress is :"));
  p.AppendPieces({"   ", {"s", G}, "'", "=(", {"g", G}, {"s-", I}, {"g", G}, {"w)d=(1-n)(", I},
                  {"g", G}, {"p-", I}, {"g", G}, {"w).", I}});
  p.EndLine(QString());
  p.EndLine(QStringLiteral(" "));
  p.AppendPieces({"Using Archimedes", "'", " principle the apparent volumetric weight ",
                  "of the particles (under water) is ", {"g", G}, {"p-", I}, {"g", G},
                  {"w. Because the relative volume of the ", I},
                  "particles is 1-n, it follows that the stress between the particles is :"});
  p.EndLine(QString());
  p.AppendPieces({"   ", {"s", G}, "'", "=(1-n)(", {"g", G}, {"p-", I}, {"g", G}, {"w).", I}});
  p.EndLine(QString());
  p.EndLine(QStringLiteral("The two expressions are identical."));
  p.EndLine(QStringLiteral(" "));
  p.AppendPieces({"Terzaghi", "'", "s method is easier to generalize, for instance ",
                  "to the case of flowing groundwater, or to the case of a fluid with ",
                  "variable density."});
  p.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH25(const LessonEntry& entry) {
  return std::make_unique<TFH25>(entry);
}

}  // namespace kavenor
