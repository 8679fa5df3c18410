#include "lessons/consolidation/H41.h"

#include "lessons/consolidation/Oedometer.h"
#include "shell/TheoryPane.h"

namespace kavenor {

TFH41::TFH41(const LessonEntry& entry)
    : OptionWindow(entry,
                   {QStringLiteral("Graphic Options"),
                    {QStringLiteral("Compression test"), QStringLiteral("Results on linear scale"),
                     QStringLiteral("Results on logarithmic scale")},
                    189, 59, 12},
                   DrawOedometerOption) {
  ComposeTheory();
}

void TFH41::ComposeTheory() {
  TheoryPane& p = *RichEdit();
  constexpr PaneStyle G = PaneStyle::Greek;
  p.ResetPaneStyle();
  p.SetHeading(QStringLiteral("Compression."));
  p.AppendLine(QString());
  p.AppendLine(QString());
  p.AppendLine(QStringLiteral("In one-dimensional compression many materials (for instance "
                              "metals) show a linear relation between stress and strain :"));
  p.AppendPieces({"   ", {"s=E", G}, {"e.", G}});
  p.EndLine(QString());
  p.AppendLine(QString());
  p.AppendPieces({"Soils, however, have some special ",
                  "properties. They can transfer only compressive stresses, ",
                  "and no tensile stresses: a soil can not be pulled. ",
                  "Furthermore the stiffness of the system of particles ",
                  "is not a constant, but increases with the stress that ",
                  "already exists in the soil, ",
                  "because the contact forces between the particles are then larger, ",
                  "and large contact forces give a greater resistance to ",
                  "deformation."});
  p.EndLine(QString());
  p.AppendLine(QString());
  p.AppendPieces({"For soils a good approximation is a ",
                  "logarithmic relation between stress and ", "strain :"});
  p.EndLine(QString());
  p.AppendPieces({"   ", {"e = - (1/C)ln(", G}, {"s", G}, "'", "/", {"s", G}, "'",
                  {"1).", PaneStyle::GaramondFace, 2}});
  p.EndLine(QString());
  p.AppendPieces({"This means that the strain is ", {"e = - (1/C)ln 2 = - 0.693/C when ", G},
                  "the effective stress is doubled, ", " and the same strain occurs ",
                  "for each next factor 2 in the effective stress."});
  p.EndLine(QString());
  p.HomeCaret();
}

std::unique_ptr<LessonWindow> MakeFH41(const LessonEntry& entry) {
  return std::make_unique<TFH41>(entry);
}

}  // namespace kavenor
