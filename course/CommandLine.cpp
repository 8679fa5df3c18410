#include "course/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace kavenor {

namespace {

constexpr double kSmallestScale = 1.0;
constexpr double kLargestScale = 4.0;

CommandLine failure(const QString& message) {
  CommandLine c;
  c.action = CommandLine::Action::Fail;
  c.text = message;
  return c;
}

// A plain decimal number: digits with at most one point, nothing else (no
// sign, exponent, blanks or locale's separators).
std::optional<double> scaleFactor(const QString& text) {
  static const QRegularExpression form(
      QStringLiteral("^(?:[0-9]{1,3}(?:\\.[0-9]{1,6})?|\\.[0-9]{1,6})$"));
  if (!form.match(text).hasMatch()) return std::nullopt;
  const double value = text.toDouble();
  if (!(value >= kSmallestScale && value <= kLargestScale)) return std::nullopt;
  return value;
}

std::optional<std::uint64_t> seedNumber(const QString& text) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,20}$"));
  if (!digits.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const qulonglong value = text.toULongLong(&ok);
  if (!ok) return std::nullopt;
  return value;
}

}  // namespace

QString UsageLine() {
  return QStringLiteral(
      "Usage: kavenor [--scale FACTOR] [--seed N] [--handout FILE.pdf] | --help | --version");
}

CommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("An interactive course on the mechanics of soils: a menu of 36 lessons in\n"
                     "seven chapters, each a figure beside a summary of its theory."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Shows this help and exits."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Shows the program's version and exits."));
  const QCommandLineOption scale(
      QStringLiteral("scale"),
      QStringLiteral("Enlarges every window and figure as on a screen of that scale, from 1 "
                     "to 4 (2: twice as wide and high, pixel for pixel), for a projector or "
                     "a large screen."),
      QStringLiteral("FACTOR"));
  const QCommandLineOption handout(
      QStringLiteral("handout"),
      QStringLiteral("Writes the whole course as one PDF to FILE.pdf without showing a "
                     "window, and exits: a title page, then every chapter and lesson with "
                     "its pictures and theory, with bookmarks for them."),
      QStringLiteral("FILE.pdf"));
  const QCommandLineOption seed(
      QStringLiteral("seed"),
      QStringLiteral("Seeds the random arrangements some lessons draw, so that a run or a "
                     "handout can be repeated exactly (N: an unsigned decimal number)."),
      QStringLiteral("N"));
  parser.addOptions({help, version, scale, handout, seed});

  if (!parser.parse(arguments)) return failure(parser.errorText());
  if (!parser.positionalArguments().isEmpty())
    return failure(
        QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));

  CommandLine c;
  if (parser.isSet(help)) {
    c.action = CommandLine::Action::Help;
    // Without an application object the parser cannot know the program's
    // name; it is always kavenor.
    c.text =
        parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("kavenor"));
    return c;
  }
  if (parser.isSet(version)) {
    c.action = CommandLine::Action::Version;
    c.text = QStringLiteral("kavenor %1\n").arg(QLatin1String(KAVENOR_VERSION));
    return c;
  }
  if (parser.isSet(scale)) {
    c.scale = scaleFactor(parser.value(scale));
    if (!c.scale)
      return failure(
          QStringLiteral("--scale takes a number from 1 to 4, not '%1'.").arg(parser.value(scale)));
  }
  if (parser.isSet(seed)) {
    c.seed = seedNumber(parser.value(seed));
    if (!c.seed)
      return failure(QStringLiteral("--seed takes an unsigned decimal number, not '%1'.")
                         .arg(parser.value(seed)));
  }
  if (parser.isSet(handout)) {
    c.handout = parser.value(handout);
    if (c.handout.isEmpty()) return failure(QStringLiteral("--handout needs a file name."));
    c.action = CommandLine::Action::Handout;
  }
  return c;
}

}  // namespace kavenor
