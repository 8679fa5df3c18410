#include "lessons/earthpressure/H63.h"

#include "lessons/earthpressure/Rankine.h"
#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH63::TFH63(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  ConnectPaint();
  Draw();
}

void TFH63::Draw() {
  const LayoutMetrics& m = Layout();
  const int w = m.AreaWidth, h = RankinePictureHeight(m.AreaHeight);
  // Each picture is drawn into its own bitmap, which is then what the
  // window's bitmap copies to its place. The window owns both bitmaps, so a
  // figure kept until the window is shown may refer to them.
  ShowFigure(
      [this, w, h](Canvas& c) {
        DrawRankineSoil(soilBitmap_, w, h);
        c = soilBitmap_;
      },
      QPoint(m.AreaLeft, m.AreaTop));
  ShowFigure(
      [this, w, h](Canvas& c) {
        DrawRankineMohr(mohrBitmap_, w, h);
        c = mohrBitmap_;
      },
      QPoint(m.AreaLeft, m.AreaTop + m.AreaHeight));
}

void TFH63::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle I = PaneStyle::Index;
  constexpr PaneStyle S = PaneStyle::SymbolFace;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Rankine."));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("In a homogeneous soil mass with a horizontal upper "));
  p.AppendPieces({"surface the vertical normal stress increases linearly with depth. ",
                  "For a given vertical stress the smallest and the largest horizontal ",
                  "stress that can exist in the soil without failure ",
                  "can be found ",
                  "by considering the extreme state of stress in a Mohr",
                  "'",
                  "s circle."});
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The radius of the circle is ("));
  p.AppendPieces({{"s", G}, {"1-", I}, {"s", G}, {"3)/2, and the ", I},
                  "distance from the vertex to the center ",
                  "of the circle is c cot ",
                  {"f + (", S}, {"s", G}, {"1+", I}, {"s", G}, {"3)/2. This means that :", I}});
  p.AppendLine(QStringLiteral("  sin "));
  p.AppendPieces({{"f = (", S}, {"s", G}, {"1-", I}, {"s", G}, {"3)/(", I}, {"s", G},
                  {"1+", I}, {"s", G}, {"3 + 2 c cot ", I}, {"f).", S}});
  p.AppendLine(QStringLiteral("It follows that :    "));
  p.AppendPieces({{"s", G}, {"3 = Ka ", I}, {"s", G}, {"1 - 2 c ", I}, {"Ö", G}, "Ka,"});
  p.AppendLine(QStringLiteral("where Ka = (1-sin "));
  p.AppendPieces({{"f)/(1+sin ", S}, {"f), the coefficient of active earth pressure.", S}});
  p.AppendLine(QStringLiteral("Conversely :       "));
  p.AppendPieces({{"s", G}, {"1 = Kp ", I}, {"s", G}, {"3 + 2 c ", I}, {"Ö", G}, "Kp,"});
  p.AppendLine(QStringLiteral("where Kp = (1+sin "));
  p.AppendPieces({{"f)/(1-sin ", S}, {"f), the coefficient of passive earth pressure.", S}});
  p.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH63(const LessonEntry& entry) {
  return std::make_unique<TFH63>(entry);
}

}  // namespace kavenor
