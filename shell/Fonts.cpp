#include "shell/Fonts.h"

#include <fontconfig/fontconfig.h>

#include <QGuiApplication>
#include <QHash>
#include <array>
#include <cmath>

namespace kavenor {
namespace {

// The published Symbol-font encoding for codes 32 .. 255. Zero means "shows the
// same character".
constexpr std::array<char16_t, 224> kSymbolTable = [] {
  std::array<char16_t, 224> t{};
  auto set = [&t](unsigned code, char16_t u) { t[code - 32] = u; };
  set(0x22, u'\u2200'); set(0x24, u'\u2203'); set(0x27, u'\u220B');
  set(0x2A, u'\u2217'); set(0x2D, u'\u2212'); set(0x40, u'\u2245');
  set(0x5C, u'\u2234'); set(0x5E, u'\u22A5'); set(0x60, u'\u203E');
  set(0x7E, u'\u223C');
  const char16_t upper[26] = {u'\u0391', u'\u0392', u'\u03A7', u'\u0394', u'\u0395', u'\u03A6',
                              u'\u0393', u'\u0397', u'\u0399', u'\u03D1', u'\u039A', u'\u039B',
                              u'\u039C', u'\u039D', u'\u039F', u'\u03A0', u'\u0398', u'\u03A1',
                              u'\u03A3', u'\u03A4', u'\u03A5', u'\u03C2', u'\u03A9', u'\u039E',
                              u'\u03A8', u'\u0396'};
  const char16_t lower[26] = {u'\u03B1', u'\u03B2', u'\u03C7', u'\u03B4', u'\u03B5', u'\u03C6',
                              u'\u03B3', u'\u03B7', u'\u03B9', u'\u03D5', u'\u03BA', u'\u03BB',
                              u'\u03BC', u'\u03BD', u'\u03BF', u'\u03C0', u'\u03B8', u'\u03C1',
                              u'\u03C3', u'\u03C4', u'\u03C5', u'\u03D6', u'\u03C9', u'\u03BE',
                              u'\u03C8', u'\u03B6'};
  for (unsigned i = 0; i < 26; ++i) {
    set('A' + i, upper[i]);
    set('a' + i, lower[i]);
  }
  const char16_t high[] = {
      // 0xA0 .. 0xAF
      u'\u20AC', u'\u03D2', u'\u2032', u'\u2264', u'\u2044', u'\u221E', u'\u0192', u'\u2663',
      u'\u2666', u'\u2665', u'\u2660', u'\u2194', u'\u2190', u'\u2191', u'\u2192', u'\u2193',
      // 0xB0 .. 0xBF
      u'\u00B0', u'\u00B1', u'\u2033', u'\u2265', u'\u00D7', u'\u221D', u'\u2202', u'\u2022',
      u'\u00F7', u'\u2260', u'\u2261', u'\u2248', u'\u2026', u'\u23D0', u'\u23AF', u'\u21B5',
      // 0xC0 .. 0xCF
      u'\u2135', u'\u2111', u'\u211C', u'\u2118', u'\u2297', u'\u2295', u'\u2205', u'\u2229',
      u'\u222A', u'\u2283', u'\u2287', u'\u2284', u'\u2282', u'\u2286', u'\u2208', u'\u2209',
      // 0xD0 .. 0xDF
      u'\u2220', u'\u2207', u'\u00AE', u'\u00A9', u'\u2122', u'\u220F', u'\u221A', u'\u22C5',
      u'\u00AC', u'\u2227', u'\u2228', u'\u21D4', u'\u21D0', u'\u21D1', u'\u21D2', u'\u21D3',
      // 0xE0 .. 0xEF
      u'\u25CA', u'\u2329', u'\u00AE', u'\u00A9', u'\u2122', u'\u2211', u'\u239B', u'\u239C',
      u'\u239D', u'\u23A1', u'\u23A2', u'\u23A3', u'\u23A7', u'\u23A8', u'\u23A9', u'\u23AA',
      // 0xF0 .. 0xFF
      u'\u20AC', u'\u232A', u'\u222B', u'\u2320', u'\u23AE', u'\u2321', u'\u239E', u'\u239F',
      u'\u23A0', u'\u23A4', u'\u23A5', u'\u23A6', u'\u23AB', u'\u23AC', u'\u23AD', u'\u0020'};
  for (unsigned i = 0; i < sizeof high / sizeof high[0]; ++i) set(0xA0 + i, high[i]);
  return t;
}();

// The hinting fontconfig chooses for the font's face and size, as the
// toolkit reads it at scale 1 (its hint style; full where it names none).
QFont::HintingPreference fontconfigHinting(const QFont& font) {
  FcPattern* pattern = FcPatternCreate();
  const QByteArray family = font.family().toUtf8();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.constData()));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, font.pixelSize());
  FcPatternAddInteger(pattern, FC_WEIGHT, font.bold() ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, font.italic() ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_ANTIALIAS, !(font.styleStrategy() & QFont::NoAntialias));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  int style = FC_HINT_FULL;
  if (match && FcPatternGetInteger(match, FC_HINT_STYLE, 0, &style) != FcResultMatch)
    style = FC_HINT_FULL;
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  switch (style) {
    case FC_HINT_NONE: return QFont::PreferNoHinting;
    case FC_HINT_SLIGHT: return QFont::PreferVerticalHinting;
    default: return QFont::PreferFullHinting;  // medium and full hint alike in one bit a pixel
  }
}

}  // namespace

void HintAsAtScaleOne(QFont& font) {
  if (!qGuiApp || qGuiApp->devicePixelRatio() == 1.0) return;
  // Asked per text drawn: each face and size is looked up once.
  static QHash<QString, QFont::HintingPreference> chosen;
  const QString key = font.key();
  auto found = chosen.constFind(key);
  if (found == chosen.constEnd()) found = chosen.insert(key, fontconfigHinting(font));
  font.setHintingPreference(*found);
}

void InstallFontFaces() {
  for (const char* family : {kSansFamily, kGaramondFamily, kSymbolFamily})
    QFont::insertSubstitution(QString::fromLatin1(family), RealFamily(QString::fromLatin1(family)));
}

QString RealFamily(const QString& family) {
  if (family.compare(QLatin1String(kSansFamily), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Sans");
  if (family.compare(QLatin1String(kGaramondFamily), Qt::CaseInsensitive) == 0)
    return QStringLiteral("EB Garamond");
  // The Symbol stand-in is the serif whose Greek letters come closest to
  // Symbol's own advance widths, so that labels placed for Symbol's letters
  // (an index cell a few pixels right of a sigma) do not cut them off.
  // Measured over the 26 letters and signs the lessons use (alpha .. zeta,
  // Delta, Sigma, Phi, radical, approximately equal, multiply), against
  // Symbol's widths from its metrics (sigma 603/1000 em, so 6.6 px at 8 pt):
  //   face              8 pt (11 px): mean |diff|, widest excess   10 pt (13 px)
  //   Liberation Serif  0.45 px, +0.5 px (sigma 6 px)              0.58, +1.2
  //   DejaVu Serif      1.19 px, +3.0 px (sigma 8 px)              1.38, +3.9
  //   EB Garamond       0.98 px, +3.0 px                           1.27, +3.9
  // (FreeSerif, of another package, measures 0.44 px but runs up to 1.3 px
  // wider at 8 pt.)
  if (IsSymbolFamily(family)) return QStringLiteral("Liberation Serif");
  return family;
}

int PointsToPixels(int points) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont Face(const QString& family, int points, bool bold) {
  QFont font(RealFamily(family));
  font.setPixelSize(PointsToPixels(points));
  font.setBold(bold);
  return font;
}

bool IsSymbolFamily(const QString& family) {
  return family.compare(QLatin1String(kSymbolFamily), Qt::CaseInsensitive) == 0;
}

QChar SymbolChar(QChar c) {
  const char16_t code = c.unicode();
  if (code < 32 || code > 255) return c;
  const char16_t mapped = kSymbolTable[code - 32];
  return mapped ? QChar(mapped) : c;
}

QString SymbolText(const QString& text) {
  QString out(text);
  for (QChar& c : out) c = SymbolChar(c);
  return out;
}

}  // namespace kavenor
