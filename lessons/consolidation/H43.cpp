#include "lessons/consolidation/H43.h"

#include "lessons/consolidation/Creep.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH43::TFH43(const LessonEntry& entry)
    : OptionWindow(entry,
                   {QStringLiteral("Scale"),
                    {QStringLiteral("Linear scale"), QStringLiteral("Logarithmic scale")},
                    145, 57, 8},
                   DrawCreepOption) {
  ComposeTheory();
}

void TFH43::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  constexpr PaneStyle G = PaneStyle::Greek;
  constexpr PaneStyle I = PaneStyle::Index;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Creep."));
  p.AppendLine(QString());
  p.AppendLine(QString());
  p.AppendLine(QStringLiteral(
      "If a soil layer is loaded by a constant load, its deformation may continue to grow "
      "with time, even when the stresses in it do not change any more. This is called creep, "
      "and it is caused by slow sliding and rearrangement of the particles on a microscale, "
      "at their contact points. In sands the effect is very small, and it can usually be "
      "disregarded. In clays, however, it can be large, and it is the main cause of the "
      "continuing subsidence of soft soils, long after they have been loaded."));
  p.AppendLine(QString());
  p.AppendLine(QStringLiteral("Experimental results indicate that creep can be approximated by "
                              "a logarithmic relation with time,"));
  p.AppendPieces({"   ", {"e = - ", G}, {"e", G}, {"p-", I}, {"e", G}, {"s log(t/t", I},
                  {"o).", I}});
  p.EndLine(QString());
  p.AppendPieces({"Here t", {"o is a reference time, usually 1 day. The ", I},
                  "value of time t must be larger than t", {"o.", I}});
  p.EndLine(QString());
  p.AppendLine(QString());
  p.AppendPieces({"The formula expresses that there is a ", "deformation ", {"e", G},
                  {"p after 1 day, and that there is an additional ", I}, "deformation ",
                  {"e", G}, {"s after 10 days, and again after 100 days, ", I},
                  "1000 days, etcetera. ", "Of course this can not continue forever, ",
                  "but on a human time scale (say up to 1000 ",
                  "years) the formula remains applicable."});
  p.EndLine(QString());
  p.AppendLine(QString());
  p.AppendPieces({"In saturated soils the deformation is ",
                  "retarded by consolidation, especially for ", "small values of time."});
  p.EndLine(QString());
  p.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH43(const LessonEntry& entry) {
  return std::make_unique<TFH43>(entry);
}

}  // namespace kavenor
