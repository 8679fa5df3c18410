#include "shell/LessonTools.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

#include "shell/LayoutMetrics.h"
#include "shell/LessonPages.h"
#include "shell/LessonWindow.h"
#include "shell/TheoryPane.h"

namespace kavenor {
namespace {

LessonToolDialogs standardDialogs;
LessonToolDialogs* dialogs = &standardDialogs;

// The folder the last picture was saved in, offered for the next one; at
// first the pictures folder, or the home folder where there is none.
QString& pictureFolder() {
  static QString folder = [] {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
  }();
  return folder;
}

}  // namespace

bool IsToolDialog(const QWidget* widget) {
  return widget && widget->property(kToolDialogProperty).toBool();
}

QString LessonToolDialogs::PictureFileName(QWidget* parent, const QString& suggested) {
  QFileDialog dialog(parent, QStringLiteral("Save picture"), suggested,
                     QStringLiteral("PNG images (*.png)"));
  dialog.setProperty(kToolDialogProperty, true);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

bool LessonToolDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setProperty(kToolDialogProperty, true);
  dialog.setWindowTitle(QStringLiteral("Print"));
  return dialog.exec() == QDialog::Accepted;
}

void SetLessonToolDialogs(LessonToolDialogs* replacement) {
  dialogs = replacement ? replacement : &standardDialogs;
}

LessonTools::LessonTools(LessonWindow& lesson) : QObject(&lesson), lesson_(lesson) {
  struct Entry {
    Command command;
    const char* text;
    QKeySequence keys;
    const char* help;
  };
  const Entry entries[] = {
      {Pause, "&Pause", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
       "Holds the animation; Resume goes on from there"},
      {Step, "&Step", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
       "One tick of the held animation"},
      {Restart, "Res&tart", QKeySequence(Qt::CTRL | Qt::Key_R),
       "Starts the lesson again, as on opening it from the menu"},
      {CopyPicture, "&Copy picture", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
       "Copies the picture to the clipboard"},
      {SavePicture, "Sa&ve picture...", QKeySequence(Qt::CTRL | Qt::Key_S),
       "Saves the picture as a PNG file"},
      {CopyTheory, "Copy t&heory", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T),
       "Copies the theory text to the clipboard"},
      {Print, "Pr&int...", QKeySequence(Qt::CTRL | Qt::Key_P),
       "Prints the title, the picture and the theory on one page"},
  };
  for (const Entry& e : entries) {
    auto* action = new QAction(QString::fromLatin1(e.text), this);
    action->setObjectName(QStringLiteral("Tool%1").arg(static_cast<int>(e.command)));
    action->setShortcut(e.keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setStatusTip(QString::fromLatin1(e.help));
    action->setToolTip(QString::fromLatin1(e.help));
    const Command command = e.command;
    connect(action, &QAction::triggered, this, [this, command] { triggered(command); });
    lesson_.addAction(action);
    actions_[e.command] = action;
  }
  actions_[Step]->setEnabled(false);
  actions_[Pause]->setEnabled(Animated(lesson_.Entry()));

  // Shift+F10 opens the menu from the keyboard, as the Menu key does.
  menuKey_ = new QAction(QStringLiteral("Lesson tools"), this);
  menuKey_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
  menuKey_->setShortcutContext(Qt::WindowShortcut);
  connect(menuKey_, &QAction::triggered, this, [this] { ShowMenu(std::nullopt); });
  lesson_.addAction(menuKey_);
}

LessonTools::~LessonTools() { delete menu_; }

QMenu& LessonTools::Menu() {
  if (!menu_) {
    // A window of its own, not a child of the lesson: the lesson's controls
    // stay as they are.
    menu_ = new QMenu;
    menu_->setObjectName(QStringLiteral("LessonTools"));
    menu_->setTitle(QStringLiteral("Lesson tools"));
    menu_->setAccessibleName(QStringLiteral("Lesson tools"));
    menu_->setToolTipsVisible(false);
    menu_->addAction(actions_[Pause]);
    menu_->addAction(actions_[Step]);
    menu_->addAction(actions_[Restart]);
    menu_->addSeparator();
    menu_->addAction(actions_[CopyPicture]);
    menu_->addAction(actions_[SavePicture]);
    menu_->addAction(actions_[CopyTheory]);
    menu_->addSeparator();
    menu_->addAction(actions_[Print]);
  }
  return *menu_;
}

void LessonTools::ShowMenu(std::optional<QPoint> at) {
  if (!lesson_.isVisible()) return;
  Update();
  QMenu& menu = Menu();
  const bool byKeyboard = !at;
  if (byKeyboard) {
    const QRect picture = lesson_.PictureRect();
    const LayoutMetrics& m = Layout();
    const QPoint corner = picture.isEmpty() ? QPoint(m.AreaLeft, m.AreaTop) : picture.topLeft();
    at = lesson_.mapToGlobal(corner + QPoint(8, 8));
  }
  menu.popup(*at);
  // From the keyboard the first entry that applies is highlighted, so Enter
  // at once does the likeliest thing (Step while paused).
  if (byKeyboard)
    for (Command c : {Step, Pause, Restart})
      if (actions_[c]->isEnabled()) {
        menu.setActiveAction(actions_[c]);
        break;
      }
}

void LessonTools::Update() {
  const bool held = lesson_.Held();
  actions_[Pause]->setText(held ? QStringLiteral("&Resume") : QStringLiteral("&Pause"));
  actions_[Pause]->setEnabled(Animated(lesson_.Entry()));
  actions_[Step]->setEnabled(held);
  const bool picture = !lesson_.PictureRect().isEmpty();
  actions_[CopyPicture]->setEnabled(picture);
  actions_[SavePicture]->setEnabled(picture);
}

void LessonTools::triggered(Command command) {
  // A shortcut of a window that is going away, or a menu left open over a
  // lesson that was left meanwhile, does nothing.
  if (!lesson_.isVisible()) return;
  switch (command) {
    case Pause: lesson_.SetHeld(!lesson_.Held()); break;
    case Step: lesson_.StepHeld(); break;
    case Restart: lesson_.Restart(); break;
    case CopyPicture:
      if (const QImage picture = Picture(); !picture.isNull())
        QGuiApplication::clipboard()->setImage(picture);
      break;
    case SavePicture: savePicture(); break;
    case CopyTheory: QGuiApplication::clipboard()->setMimeData(Theory()); break;
    case Print: print(); break;
  }
}

QImage LessonTools::Picture() const {
  const QRect r = lesson_.PictureRect();
  if (r.isEmpty() || lesson_.Surface().isNull()) return {};
  // Where nothing was copied the window shows its background.
  QImage shown(r.size(), QImage::Format_RGB32);
  shown.fill(lesson_.palette().color(lesson_.backgroundRole()));
  {
    QPainter painter(&shown);
    painter.drawImage(QPoint(0, 0), lesson_.Surface(), r);
  }
  const qreal scale = lesson_.devicePixelRatioF();
  if (scale != 1.0) {
    // What the screen shows: every pixel of the drawing enlarged, not smoothed.
    shown = shown.scaled(qRound(r.width() * scale), qRound(r.height() * scale),
                         Qt::IgnoreAspectRatio, Qt::FastTransformation);
    shown.setDevicePixelRatio(scale);
  }
  return shown;
}

QMimeData* LessonTools::Theory() const {
  auto* data = new QMimeData;
  data->setText(lesson_.RichEdit()->toPlainText());
  data->setHtml(lesson_.RichEdit()->document()->toHtml());
  return data;
}

std::optional<QString> LessonTools::WritePicture(const QString& path) const {
  const QImage picture = Picture();
  if (picture.isNull()) return QStringLiteral("there is no picture yet");
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  QImageWriter writer(&file, "png");
  if (!writer.write(picture)) {
    file.cancelWriting();
    return writer.errorString();
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

std::optional<QString> LessonTools::PrintTo(QPrinter& printer) const {
  // The page is laid out in pixels of 96 per inch, as the handout's pages are;
  // the printer still prints text and lines at its own resolution.
  printer.setResolution(96);
  std::vector<QImage> pictures;
  if (QImage picture = Picture(); !picture.isNull()) pictures.push_back(std::move(picture));
  {
    LessonPages page(printer, 0, false);
    if (page.IsActive()) {
      // The whole lesson on one page: the picture at most half of it, the
      // theory smaller where it would not fit.
      page.Lesson(lesson_.Entry().number, QString::fromLatin1(lesson_.Entry().caption), pictures,
                  {}, lesson_.RichEdit()->document(), 0, LessonPages::Overflow::Shrink,
                  page.Height() / 2);
      if (page.Finish()) return std::nullopt;
    }
  }
  const QString path = printer.outputFileName();
  if (path.isEmpty()) return QStringLiteral("the printer \"%1\" did not accept it").arg(printer.printerName());
  // Why the file could not be written, without leaving a file behind.
  QFile probe(path);
  const bool existed = probe.exists();
  if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) return probe.errorString();
  probe.close();
  if (!existed) probe.remove();
  return QStringLiteral("it could not be written");
}

void LessonTools::savePicture() {
  const QString suggested = QDir(pictureFolder()).filePath(lesson_.windowTitle() + QStringLiteral(".png"));
  QString path = dialogs->PictureFileName(&lesson_, suggested);
  if (path.isEmpty() || !lesson_.isVisible()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
  if (const auto problem = WritePicture(path)) {
    warn(QStringLiteral("Save picture"),
         QStringLiteral("The picture could not be saved as \"%1\": %2.")
             .arg(QDir::toNativeSeparators(path), *problem));
    return;
  }
  pictureFolder() = QFileInfo(path).absolutePath();
}

void LessonTools::print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(lesson_.Panel()->text());
  printer.setFullPage(false);
  printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  if (!dialogs->SetUpPrinter(&lesson_, printer) || !lesson_.isVisible()) return;
  if (const auto problem = PrintTo(printer)) {
    const QString where = printer.outputFileName().isEmpty()
                              ? printer.printerName()
                              : QDir::toNativeSeparators(printer.outputFileName());
    warn(QStringLiteral("Print"),
         QStringLiteral("The lesson could not be printed to \"%1\": %2.").arg(where, *problem));
  }
}

void LessonTools::warn(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, &lesson_);
  box.setObjectName(QStringLiteral("ToolMessage"));
  box.setProperty(kToolDialogProperty, true);
  box.exec();
}

}  // namespace kavenor
