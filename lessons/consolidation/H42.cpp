#include "lessons/consolidation/H42.h"

#include "lessons/consolidation/Oedometer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH42::TFH42(const LessonEntry& entry)
    : OptionWindow(entry,
                   {QStringLiteral("Graphics Options"),
                    {QStringLiteral("Compression test "), QStringLiteral("Test results")},
                    130, 46, 10},
                   DrawCompressibilityOption) {
  ComposeTheory();
}

void TFH42::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle I = PaneStyle::Index;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Compression."));
  p.AppendLine(QString());
  p.AppendLine(QString());
  p.AppendLine(QStringLiteral("The one-dimensional compression of a soil as a result of stress "
                              "changes can be approximated by a logarithmic formula :"));
  p.AppendPieces({"   ", {"e=-(1/C)ln(", G}, {"s", G}, "'", "/", {"s", G}, "'", {"1).", I}});
  p.EndLine(QString());
  p.AppendLine(QStringLiteral("An alternative form is : "));
  p.AppendPieces({"   ", {"e=-(1/C", G}, {"10)log(", I, 2}, {"s", G}, "'", "/", {"s", G}, "'",
                  {"1).", I}});
  p.EndLine(QString());
  p.AppendLine(QString());
  p.AppendPieces({"For a small increment of stress, from ", {"s", G}, "'", " to ", {"s", G}, "'",
                  "+", {"Ds", G, 2}, "'", ", ", "the first formula may be written as"});
  p.EndLine(QString());
  p.AppendPieces({"   ", {"e=-(1/C)ln(1+", G}, {"Ds", G, 2}, "'", "/", {"s", G}, "'", ")",
                  {"@-(1/C)(", G}, {"Ds", G, 2}, "'", "/", {"s", G}, "'", ")=-", {"Ds", G, 2},
                  "'", "/(C", {"s", G}, "'", ")."});
  p.EndLine(QString());
  p.AppendPieces({"This is a linear relation between the ", "deformation ",
                  {"e and the incremental effective stress ", G}, {"Ds", G, 2}, "'", ","});
  p.EndLine(QString());
  p.AppendPieces({"   ", {"e=-", G}, {"Ds", G, 2}, "'", "/E."});
  p.EndLine(QString());
  p.AppendPieces({"It appears that a linear relation between ",
                  "small incremental effective stresses and ", "strains may ",
                  "be used, but the elastic modulus is ",
                  "proportional to the initial effective stress. ",
                  "The inverse of the elastic modulus is sometimes ",
                  "denoted as the compressibility m", {"v,", I}});
  p.EndLine(QString());
  p.AppendPieces({"   m", {"v=1/E=1/(C", I}, {"s", G}, "'", ")."});
  p.EndLine(QString());
  p.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH42(const LessonEntry& entry) {
  return std::make_unique<TFH42>(entry);
}

}  // namespace kavenor
