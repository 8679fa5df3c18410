#pragma once
// The program's command line. It is read before the application object
// exists: the scale factor has to be in the environment before the toolkit
// meets its first screen, and --help and --version print without ever
// starting the window system.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace kavenor {

struct CommandLine {
  enum class Action {
    Run,      // the course, as always
    Handout,  // the course as a PDF, no window shown
    Help,     // `text` to stdout, exit code 0
    Version,  // `text` to stdout, exit code 0
    Fail,     // `text` (one line) and the usage to stderr, exit code 2
  };
  Action action = Action::Run;
  std::optional<double> scale;        // --scale FACTOR, 1 to 4
  std::optional<std::uint64_t> seed;  // --seed N
  QString handout;                    // --handout FILE.pdf
  QString text;
};

// `arguments` as main() received them, the program's name first.
CommandLine ParseCommandLine(const QStringList& arguments);

// The one-line synopsis bad use prints after its message.
QString UsageLine();

}  // namespace kavenor
