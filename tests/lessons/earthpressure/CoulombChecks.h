#pragma once
// Checks the tests of the two Coulomb lessons share: a window as the course
// creates it, and the parts of the theory both panes tell alike.

#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "lessons/earthpressure/CoulombWindow.h"
#include "shell/LessonTimer.h"
#include "tests/support/TestSupport.h"

namespace kavenor::test {

// A second, never shown window of the lesson, as the course creates it at
// start-up: at step 0, the stored 1000 ms given way to 500 ms at once.
template <class TWindow>
void ExpectCreationEndsAsAPaint(const LessonWindow& window) {
  EXPECT_EQ(dynamic_cast<const TWindow&>(window).Model().k, 0);
  EXPECT_EQ(window.Timer()->Interval(), 500);
  EXPECT_TRUE(window.Timer()->Enabled());
  EXPECT_TRUE(window.PaintConnected());
}

// The Dressing() of a line that ends with `ending`: the characters of `word`
// in the ending emphasised, and nothing else restyled.
inline std::string EmphasisDressing(const QString& line, const QString& ending, const char* word) {
  const int at = static_cast<int>(line.size() - ending.size()) +
                 static_cast<int>(ending.indexOf(QLatin1String(word)));
  std::string out;
  for (int c = 0; word[c]; ++c)
    out += (c ? " " : "") + std::to_string(at + c) + ':' + word[c] + ":MS Sans Serif:8:iu";
  return out;
}

// The paragraph on the wedge's assumptions (the pane's line 3) ends with
// Coulomb's law of the shear stress, its Greek letters and nothing else in
// Symbol.
inline void ExpectCoulombsLawAtTheEnd(const TheoryPane& pane) {
  const QString line = PaneLines(pane).value(3);
  EXPECT_TRUE(line.endsWith(QString::fromUtf8(
      "assumed that the shear stress (τ) is related to the normal stress σ by Coulomb's formula "
      "τ = c + σ tan φ, where c is the cohesion, and φ the angle of internal friction.")))
      << line.toStdString();
  EXPECT_EQ(Dressing(pane, 3), GreekDressing(line, QString::fromUtf8("τσφ")));
}

}  // namespace kavenor::test
