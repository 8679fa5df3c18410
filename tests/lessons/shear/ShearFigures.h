#pragma once
// Checks the shear lesson tests share: expected pixels from a table, and the
// place of a canvas label.

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <string>
#include <vector>

#include "shell/Canvas.h"
#include "shell/Fonts.h"
#include "tests/support/TestSupport.h"

namespace kavenor::shear_test {

struct PixelCase {
  int x, y;
  Rgb colour;
  const char* what;
};

inline void ExpectPixels(const Canvas& c, const std::vector<PixelCase>& cases,
                         const std::string& picture = {}) {
  for (const PixelCase& p : cases)
    EXPECT_EQ(c.Pixel(p.x, p.y), static_cast<long long>(p.colour))
        << picture << (picture.empty() ? "" : ": ") << p.what << " at (" << p.x << ", " << p.y
        << ")\n"
        << test::Ascii(c, p.x - 5, p.y - 4, p.x + 6, p.y + 5);
}

// A label as the figure writes it: a letter in the Symbol face (or plain
// text) at (x, y), and where given its index in the default face at (ix, iy),
// both on the opaque white brush.
struct Label {
  const char* what;
  int x, y;
  const char* letter;
  bool greek;
  int ix = 0, iy = 0;
  const char* index = nullptr;
};

// Every pixel the label's own ink covers, drawn alone on a white canvas with
// the faces installed now, is black in the figure. The faces are not pinned:
// the label is drawn again, not compared with stored glyphs.
inline void ExpectLabel(const Canvas& figure, const Label& l) {
  Canvas alone;
  alone.SetSize(figure.Width(), figure.Height());
  alone.Brush = CanvasBrush{clWhite, BrushStyle::Solid};
  alone.Font.Name = QString::fromLatin1(l.greek ? kSymbolFamily : kSansFamily);
  alone.TextOut(l.x, l.y, QString::fromLatin1(l.letter));
  alone.Font.Name = QString::fromLatin1(kSansFamily);
  if (l.index) alone.TextOut(l.ix, l.iy, QString::fromLatin1(l.index));
  int ink = 0;
  for (int y = std::max(0, l.y); y < std::min(figure.Height(), l.y + 24); ++y)
    for (int x = std::max(0, l.x); x < std::min(figure.Width(), l.x + 40); ++x) {
      if (alone.Pixel(x, y) != clBlack) continue;
      ++ink;
      ASSERT_EQ(figure.Pixel(x, y), clBlack)
          << l.what << " at (" << x << ", " << y << ")\n"
          << test::Ascii(figure, l.x - 2, std::max(l.y, 0) - 2, l.x + 22, l.y + 16);
    }
  EXPECT_GT(ink, 3) << l.what << ": nothing of it is shown";
}

}  // namespace kavenor::shear_test
