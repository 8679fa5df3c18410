#pragma once
// The handout: the whole course as one PDF, drawn without showing a window.
// A title page with the tower picture; then the seven chapters, each under
// its heading, and every lesson on a page of its own: its title, its figure
// at the moments the gallery shows (course/moments), and its theory as text
// (selectable and searchable, the Greek letters as the characters they
// show). The outline has a bookmark for every chapter and lesson.
//
// Every moment is drawn in a course of its own, made fresh and seeded, so a
// moment looks as it does when the course is started with that seed and the
// lesson opened and driven by its steps; the same seed gives the same file
// byte for byte but for its creation date.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace kavenor {

// The PDF, or nullopt with `error` set. Needs the application object and
// the course's faces (InitialiseApplication); the lesson timers are put in
// manual mode.
std::optional<QByteArray> HandoutPdf(std::uint64_t seed, QString* error);

// Writes the handout to `path`, completely or not at all (a device such as
// /dev/stdout is written in place). Returns the exit code: 0, or 2 after one
// line on stderr. Without a seed the arrangements are random.
int WriteHandout(const QString& path, std::optional<std::uint64_t> seed);

}  // namespace kavenor
