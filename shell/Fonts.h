#pragma once
// The program names its typefaces as "MS Sans Serif", "Garamond" and
// "Symbol". This unit maps those names onto the free faces installed with the
// program and turns text in the Symbol face into the Unicode characters that
// face would show (a -> alpha, r -> rho, byte 214 -> the radical sign, ...).

#include <QFont>
#include <QString>

namespace kavenor {

inline constexpr const char* kSansFamily = "MS Sans Serif";
inline constexpr const char* kGaramondFamily = "Garamond";
inline constexpr const char* kSymbolFamily = "Symbol";

// Registers the substitutions with Qt; called once at start-up.
void InstallFontFaces();

// The installed face that stands in for a family name.
QString RealFamily(const QString& family);

// Pixel size of a point size on the 96 dpi grid every layout value assumes.
int PointsToPixels(int points);

// A font by family name and size in points, on the 96 dpi grid, so that text
// measures the same on every screen and in every off-screen bitmap.
QFont Face(const QString& family, int points, bool bold = false);

// Text on a 1x bitmap that the screen shows enlarged (a lesson's figure)
// keeps the shapes and advances it has at scale 1. Under high-density scaling
// the toolkit turns hinting off for the whole process, so it would shape that
// text differently; this asks for the hinting fontconfig gives the face at its
// size, which is what the toolkit uses at scale 1. Leaves the font alone while
// no screen is scaled.
void HintAsAtScaleOne(QFont& font);

bool IsSymbolFamily(const QString& family);

// The Unicode character the Symbol face shows for one character code (codes
// above 255 and codes without a symbol are returned unchanged).
QChar SymbolChar(QChar c);
QString SymbolText(const QString& text);

}  // namespace kavenor
