#include "shell/Widgets.h"

#include <map>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "shell/Fonts.h"
#include "shell/LayoutMetrics.h"

namespace kavenor {

void SetUpCourseWindow(QWidget* window, const QString& name, const QString& caption,
                       QColor background, bool minimiseBox) {
  window->setObjectName(name);
  window->setWindowTitle(caption);
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint;
  if (minimiseBox) flags |= Qt::WindowMinimizeButtonHint;
  window->setWindowFlags(flags);
  window->setFixedSize(kClientWidth, kClientHeight);
  window->setFont(Face(QString::fromLatin1(kSansFamily), 8, true));
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, background);
  window->setPalette(palette);
  window->setAutoFillBackground(true);
  // Centred on the screen, frame and all.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    window->move(area.x() + (area.width() - kFormWidth) / 2,
                 area.y() + (area.height() - kFormHeight) / 2);
  }
}

QIcon StandardIcon(QStyle::StandardPixmap glyph) {
  static std::map<QStyle::StandardPixmap, QIcon> icons;
  auto it = icons.find(glyph);
  if (it == icons.end()) it = icons.emplace(glyph, QApplication::style()->standardIcon(glyph)).first;
  return it->second;
}

void BringToFront(QWidget* window) {
  // The offscreen platform has no stacking order to change.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) window->raise();
  window->activateWindow();
}

QLabel* MakeTitlePanel(QWidget* window, const QString& caption, int height, int points) {
  auto* panel = new QLabel(caption, window);
  panel->setObjectName(QStringLiteral("Panel"));
  panel->setAlignment(Qt::AlignCenter);
  panel->setFont(Face(QString::fromLatin1(kSansFamily), points, true));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, QColor(0x00, 0xFF, 0xFF));
  palette.setColor(QPalette::WindowText, Qt::black);
  panel->setPalette(palette);
  panel->setGeometry(0, 0, window->width(), height);
  return panel;
}

QPushButton* MakePushButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(true);
  return button;
}

void SharePalette(std::span<QWidget* const> widgets) {
  if (widgets.empty()) return;
  for (QWidget* w : widgets) w->setPalette(QPalette());
  QPalette shared = widgets.front()->palette();
  for (int g = 0; g < QPalette::NColorGroups; ++g)
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
      const auto group = static_cast<QPalette::ColorGroup>(g);
      const auto role = static_cast<QPalette::ColorRole>(r);
      shared.setBrush(group, role, shared.brush(group, role));
    }
  for (QWidget* w : widgets) w->setPalette(shared);
}

QToolButton* MakeSpeedButton(QWidget* parent, const QString& name) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(false);
  return button;
}

}  // namespace kavenor
