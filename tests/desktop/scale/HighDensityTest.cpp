// The course on a high-density screen: run with QT_SCALE_FACTOR set (2 and
// 1.5). Windows grow by the factor, text is drawn at the screen's resolution,
// and every figure is its 1x picture scaled without smoothing: at 2 exactly
// pixel for pixel, at 1.5 with every pixel one of the picture's own and
// nothing cut off.

#include <gtest/gtest.h>

#include <QPixmap>
#include <QSet>
#include <algorithm>
#include <cmath>

#include "course/Lessons.h"
#include "course/Steps.h"
#include "shell/LayoutMetrics.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "shell/TheoryPane.h"
#include "shell/TowerPicture.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

double scale() { return qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble(); }
bool integral() { return scale() == std::floor(scale()); }

// The window as the screen shows it, in device pixels.
QImage onScreen(QWidget& window) {
  return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The device pixels whose centres lie in the logical span [from, to).
std::pair<int, int> deviceSpan(int from, int to) {
  const double s = scale();
  return {static_cast<int>(std::ceil(from * s - 0.5)), static_cast<int>(std::ceil(to * s - 0.5))};
}

// Compares `shown` (device pixels) with `picture` (1x) over the logical
// rectangle `area` of both, leaving out the logical rectangles `covered` (the
// window's controls over the picture). At an integral scale every device
// pixel must be the picture pixel it covers; otherwise one of the picture
// pixels it touches, or at the picture's edge the window's background `back`
// (no blended colours). Returns the first mismatch, or an empty string.
std::string compare(const QImage& shown, const QImage& original, QRect area, QRgb back,
                    const std::vector<QRect>& covered = {}) {
  const double s = scale();
  const QImage picture = original.convertToFormat(QImage::Format_ARGB32);
  const auto [left, right] = deviceSpan(area.left(), area.right() + 1);
  const auto [top, bottom] = deviceSpan(area.top(), area.bottom() + 1);
  if (right > shown.width() || bottom > shown.height()) return "the area is cut off";
  std::vector<QRect> skipped;  // in device pixels, a logical pixel wider all round
  for (const QRect& r : covered) {
    const auto [l, rr] = deviceSpan(r.left() - 1, r.right() + 2);
    const auto [t, b] = deviceSpan(r.top() - 1, r.bottom() + 2);
    skipped.emplace_back(QPoint(l, t), QPoint(rr - 1, b - 1));
  }
  const int reach = integral() ? 0 : 1;
  // The picture's colour at p, or the background beyond its edge.
  auto at = [&](int x, int y) -> QRgb {
    if (!area.contains(x, y) || !picture.rect().contains(x, y)) return back | 0xFF000000u;
    const QRgb c = reinterpret_cast<const QRgb*>(picture.constScanLine(y))[x];
    return qAlpha(c) == 255 ? c : back | 0xFF000000u;
  };
  for (int y = top; y < bottom; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
    const int py = static_cast<int>(std::floor((y + 0.5) / s));
    for (int x = left; x < right; ++x) {
      if (std::any_of(skipped.begin(), skipped.end(),
                      [&](const QRect& r) { return r.contains(x, y); }))
        continue;
      const QRgb got = row[x] | 0xFF000000u;
      const int px = static_cast<int>(std::floor((x + 0.5) / s));
      bool ok = false;
      for (int dy = -reach; dy <= reach && !ok; ++dy)
        for (int dx = -reach; dx <= reach && !ok; ++dx) ok = at(px + dx, py + dy) == got;
      if (!ok)
        return "device pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
               QString::number(got, 16).toStdString() + ", the picture's (" + std::to_string(px) +
               ", " + std::to_string(py) + ") " + QString::number(at(px, py), 16).toStdString();
    }
  }
  return {};
}

TEST(HighDensity, WindowsGrowByTheScaleFactor) {
  ASSERT_GT(scale(), 1.0) << "run with QT_SCALE_FACTOR set";
  Course& course = test::SharedCourse();
  QWidget& menu = course.Menu();
  EXPECT_DOUBLE_EQ(menu.devicePixelRatioF(), scale());
  const QImage shown = onScreen(menu);
  EXPECT_EQ(shown.size(), QSize(std::lround(menu.width() * scale()),
                                std::lround(menu.height() * scale())));
  // Every control lies inside its window, whatever the scale.
  std::vector<QWidget*> windows{&menu};
  for (const LessonEntry& e : Lessons()) windows.push_back(&course.Lesson(e.number));
  for (QWidget* window : windows)
    for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      EXPECT_TRUE(window->rect().contains(w->geometry()))
          << window->objectName().toStdString() << " " << w->objectName().toStdString();
}

TEST(HighDensity, EveryFigureIsItsPictureScaledWithoutSmoothing) {
  Course& course = test::SharedCourse();
  const LayoutMetrics& m = Layout();
  const QRect area(m.AreaLeft, m.AreaTop, m.AreaWidth, m.AreaHeight);
  for (const LessonEntry& e : Lessons()) {
    SCOPED_TRACE(e.window);
    course.OpenLesson(e.number);
    LessonWindow& lesson = course.Lesson(e.number);
    for (int i = 0; i < 20 && lesson.Timer(); ++i) lesson.Timer()->Fire();  // a moving picture
    test::Settle();
    const QImage shown = onScreen(lesson);
    ASSERT_FALSE(lesson.Surface().isNull());
    std::vector<QRect> controls;  // a lesson's buttons may lie over its figure
    for (QWidget* w : lesson.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (w->isVisible() && w->metaObject() != &QWidget::staticMetaObject)
        controls.push_back(w->geometry());
    EXPECT_EQ(compare(shown, lesson.Surface(), area, lesson.palette().color(QPalette::Window).rgb(),
                      controls),
              "");
    lesson.ReturnButtonClick();
  }
}

// The controls of a window that lie over its figure, where the screen shows
// them rather than the picture.
std::vector<QRect> controlsOver(const QWidget& window) {
  std::vector<QRect> controls;
  for (QWidget* w : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (w->isVisible() && w->metaObject() != &QWidget::staticMetaObject)
      controls.push_back(w->geometry());
  return controls;
}

TEST(HighDensity, EveryFigureIsThePictureAProcessAtScaleOneDraws) {
  // The gallery's pictures were drawn by the snapshot tool at scale 1, each
  // moment in a fresh course seeded with 1. The same moment here: the
  // figure's own bitmap equals the gallery's figure, text included, and at
  // a whole factor every device pixel the screen shows is the gallery pixel
  // it covers.
  const int k = static_cast<int>(scale());  // device pixels a picture pixel, at a whole factor
  for (const Moment& moment : Moments()) {
    if (!FindLesson(moment.window.toLatin1().constData())) continue;  // the menu
    SCOPED_TRACE(moment.picture.toStdString());
    const QImage gallery =
        QImage(QStringLiteral(KAVENOR_GALLERY "/") + moment.picture)
            .convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(gallery.isNull());
    SeedRandom(1);
    Course course;
    RunMoment(course, moment);
    test::Settle();
    LessonWindow& lesson = *course.Find(moment.window);
    const QImage& surface = lesson.Surface();
    const QImage shown = onScreen(lesson);
    const std::vector<QRect> controls = controlsOver(lesson);
    auto covered = [&](QPoint p) {
      return std::any_of(controls.begin(), controls.end(),
                         [&](const QRect& r) { return r.adjusted(-1, -1, 1, 1).contains(p); });
    };
    int differing = 0, shownDiffering = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < surface.height(); ++y)
      for (int x = 0; x < surface.width(); ++x) {
        const QRgb drawn = surface.pixel(x, y);
        if (qAlpha(drawn) != 255 || covered({x, y}) || !gallery.rect().contains(x, y)) continue;
        const QRgb want = gallery.pixel(x, y);
        if ((drawn & 0xFFFFFF) != (want & 0xFFFFFF)) {
          if (!differing++) first = {x, y};
          continue;
        }
        if (!integral()) continue;
        for (int dy = 0; dy < k; ++dy)
          for (int dx = 0; dx < k; ++dx)
            shownDiffering += (shown.pixel(x * k + dx, y * k + dy) & 0xFFFFFF) != (want & 0xFFFFFF);
      }
    EXPECT_EQ(differing, 0) << "the first at (" << first.x() << ", " << first.y() << ")";
    EXPECT_EQ(shownDiffering, 0);
  }
}

TEST(HighDensity, TheTowerIsItsPictureScaledWithoutSmoothing) {
  Course& course = test::SharedCourse();
  course.Start();
  test::Settle();
  QWidget* tower = course.Menu().findChild<QWidget*>(QStringLiteral("Image"));
  ASSERT_NE(tower, nullptr);
  const QImage shown = onScreen(*tower);
  const QImage picture = TowerPicture().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(compare(shown, picture, QRect(QPoint(), picture.size()),
                    course.Menu().palette().color(QPalette::Window).rgb()),
            "");
}

TEST(HighDensity, TheoryTextIsDrawnAtTheScreensResolution) {
  // The pane as the screen shows it against the same pane drawn at 1x and
  // scaled up: text drawn at the screen's resolution has its own edges.
  Course& course = test::SharedCourse();
  LessonWindow& lesson = course.Lesson(1);
  course.OpenLesson(1);
  test::Settle();
  TheoryPane& pane = *lesson.RichEdit();
  const QImage shown = onScreen(pane);
  QImage plain(pane.size(), QImage::Format_RGB32);
  plain.setDevicePixelRatio(1);
  pane.render(&plain);
  const QImage scaled = plain.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) differing += shown.pixel(x, y) != scaled.pixel(x, y);
  EXPECT_GT(differing, shown.width() * shown.height() / 100);
  lesson.ReturnButtonClick();
}

}  // namespace
}  // namespace kavenor
