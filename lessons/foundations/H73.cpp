#include "lessons/foundations/H73.h"

#include "lessons/foundations/StripLoad.h"
#include "shell/LayoutMetrics.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH73::TFH73(const LessonEntry& entry) : LessonWindow(entry) {
  ComposeTheory();
  ConnectPaint();
}

void TFH73::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  constexpr PaneStyle I = PaneStyle::Index;
  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle S = PaneStyle::SmallGreekIndex;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Brinch Hansen's correction coefficients"));
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The bearing capacity formula has been extended by Brinch Hansen "));
  p.AppendPieces({"(and others) to include the effect of an inclined load, of the shape of ",
                  "the loaded area and of some other factors. For an inclined load on an ",
                  "area of rectangular shape the corrected formula is "});
  p.AppendLine(QStringLiteral("    p = i"));
  p.AppendPieces({{"c s", I}, {"c c N", I}, {"c + i", I}, {"q s", I}, {"q q N", I},
                  {"q + ½ ", I}, {"g B i", G}, {"g s", S}, {"g N", S}, {"g.", S}});
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The inclination factors are usually assumed to be "));
  p.AppendLine(QStringLiteral("    i"));
  p.AppendPieces({{"c = 1 - t/(c + p tan ", I}, {"f),", G}});
  p.AppendLine(QStringLiteral("    i"));
  p.AppendPieces({{"q = i", I}, {"c²,", I}});
  p.AppendLine(QStringLiteral("    i"));
  p.AppendPieces({{"g = i", S}, {"c³,", I}});
  p.AppendLine(QStringLiteral("where t and p are the horizontal and the "));
  p.AppendPieces({"vertical components of the load."});
  p.AppendLine(QStringLiteral(" "));
  p.AppendLine(QStringLiteral("The shape factors are usually assumed to be "));
  p.AppendLine(QStringLiteral("    s"));
  p.AppendPieces({{"c = 1 + 0.2 (B/L) ,", I}});
  p.AppendLine(QStringLiteral("    s"));
  p.AppendPieces({{"q = 1 + (B/L) sin ", I}, {"f,", G}});
  p.AppendLine(QStringLiteral("    s"));
  p.AppendPieces({{"g = 1 - 0.3 (B/L) ,", S}});
  p.AppendLine(QStringLiteral("where B and L are the width and the length of "));
  p.AppendPieces({"the loaded area, with B < L."});
  p.EndLine(QString());
  p.AppendLine(QString());  // an empty line
  p.AppendPiece(QStringLiteral("These factors are first approximations only."));
  p.HomeCaret();
}

void TFH73::FormActivate() { FormPaint(); }

void TFH73::FormPaint() {
  const LayoutMetrics& m = Layout();
  ShowFigure([w = m.AreaWidth, h = m.AreaHeight](Canvas& c) {
    DrawStripLoad(c, StripLoadDirection::Inclined, w, h);
  });
}

std::unique_ptr<LessonWindow> MakeFH73(const LessonEntry& entry) {
  return std::make_unique<TFH73>(entry);
}

}  // namespace kavenor
