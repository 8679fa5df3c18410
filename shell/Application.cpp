#include "shell/Application.h"

#include <QApplication>
#include <QStyleFactory>

#include "shell/Fonts.h"
#include "shell/InputGuard.h"

namespace kavenor {

void InitialiseApplication() {
  InstallFontFaces();
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(Face(QString::fromLatin1(kSansFamily), 8));
  QApplication::setApplicationName(QStringLiteral("Kavenor"));
  InstallInputGuard();
}

namespace {

QtMessageHandler standardHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support")) ||
      message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
    return;
  if (standardHandler) standardHandler(type, context, message);
}

}  // namespace

void QuietenPlatformNotices() {
  QtMessageHandler previous = qInstallMessageHandler(quietHandler);
  if (previous != quietHandler) standardHandler = previous;
}

}  // namespace kavenor
