#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSerialPortInfo>
#include <algorithm>

#include "locale/LocaleText.h"
#include "ui/platform/DesktopViewer.h"
#include "ui/platform/PendingEvents.h"

namespace zb::ui {

namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical:
      return QMessageBox::Critical;
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::Exclamation:
      return QMessageBox::Warning;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::AbortRetryIgnore:
      return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MsgButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

MsgResult FromQtButton(int button, MsgButtons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return MsgResult::Ok;
    case QMessageBox::Cancel:
      return MsgResult::Cancel;
    case QMessageBox::Abort:
      return MsgResult::Abort;
    case QMessageBox::Retry:
      return MsgResult::Retry;
    case QMessageBox::Ignore:
      return MsgResult::Ignore;
    case QMessageBox::Yes:
      return MsgResult::Yes;
    case QMessageBox::No:
      return MsgResult::No;
    default:
      break;
  }
  // Closed with Escape or the close box: the button set's "cancel" answer.
  switch (buttons) {
    case MsgButtons::OkCancel:
      return MsgResult::Cancel;
    case MsgButtons::YesNo:
      return MsgResult::No;
    case MsgButtons::AbortRetryIgnore:
      return MsgResult::Abort;
    case MsgButtons::Ok:
      break;
  }
  return MsgResult::Ok;
}

// Qt wraps a message at about 500 pixels; the program's messages are laid
// out line by line, so the text gets the width of its longest line (within
// the limit beyond which Qt wraps anyway).
void KeepLinesWhole(QMessageBox& box, const QString& text) {
  QLabel* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (!label) return;
  int widest = 0;
  for (const QString& line : text.split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n"))))
    widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
  const QScreen* screen = QGuiApplication::primaryScreen();
  int limit = screen ? std::min(screen->availableGeometry().width() - 480, 1000) : 1000;
  // The limit is the whole box's: the icon and the margins beside the text
  // come off it, or a line longer than the rest is cut at the box's edge
  // instead of going on in a second line.
  if (const QLabel* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
    limit -= icon->sizeHint().width();
  if (const QLayout* layout = box.layout()) {
    const QMargins margins = layout->contentsMargins();
    limit -= margins.left() + margins.right() + 2 * std::max(layout->spacing(), 6);
  }
  label->setMinimumWidth(std::max(0, std::min(widest + 2, limit)));
}

// Qt's own print dialog on Linux keeps "Pages from" (and "Current Page")
// enabled although the page-range option is off, and enables them again
// when the printer changes. They stay disabled.
class PageRangeLock final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::EnabledChange) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget && widget->isEnabled()) widget->setEnabled(false);
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void LockPageRange(QWidget& printDialog) {
  auto* lock = new PageRangeLock(&printDialog);
  for (const char* name : kPageRangeControls) {
    for (QWidget* widget : printDialog.findChildren<QWidget*>(QLatin1String(name))) {
      widget->setEnabled(false);
      widget->installEventFilter(lock);
    }
  }
}

QString ToQtNameFilters(const QString& programFilter) {
  const QStringList parts = programFilter.split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    // The description usually names the pattern already ("Text File (*.Txt)");
    // Qt takes the pattern from the parentheses, so give it the real one.
    QString description = parts[i];
    const int paren = description.indexOf('(');
    if (paren >= 0) description = description.left(paren).trimmed();
    filters << QStringLiteral("%1 (%2)").arg(description, QString(parts[i + 1]).replace(';', ' '));
  }
  return filters.join(QStringLiteral(";;"));
}

namespace {

// The extension of a Qt name filter's first pattern: "svg" of "SVG-Grafik (*.svg)"; "" for "*.*".
QString FilterExtension(const QString& nameFilter) {
  const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(nameFilter);
  return match.hasMatch() ? match.captured(1) : QString();
}

// The dialog adds the chosen filter's extension to a name typed without one,
// before it asks about overwriting, and follows the user's change of filter.
void ExtensionFollowsFilter(QFileDialog& dialog) {
  dialog.setDefaultSuffix(FilterExtension(dialog.selectedNameFilter()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterExtension(filter)); });
}

}  // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() {
  if (hourglass_) QApplication::restoreOverrideCursor();
}

MsgResult QtPlatform::MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                                 const std::string& title) {
  QMessageBox box(ToQtIcon(icon), Q(title), Q(prompt), ToQtButtons(buttons), QApplication::activeWindow());
  KeepLinesWhole(box, Q(prompt));
  return FromQtButton(box.exec(), buttons);
}

std::optional<std::string> QtPlatform::InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) {
  bool ok = false;
  const QString text = QInputDialog::getText(QApplication::activeWindow(), Q(title), Q(prompt),
                                             QLineEdit::Normal, Q(defaultText), &ok);
  if (!ok) return std::nullopt;
  return U8(text);
}

void QtPlatform::Beep() { QApplication::beep(); }

void QtPlatform::DoEvents() { LetPendingEventsRun(); }

void QtPlatform::SetHourglass(bool on) {
  if (on == hourglass_) return;
  hourglass_ = on;
  if (on)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

QPrinter& QtPlatform::DefaultPrinter() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

std::unique_ptr<QPrinter> QtPlatform::MakeDefaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::optional<QString> QtPlatform::OpenFileDialog(QWidget* parent, const FileDialogOptions& options) {
  QFileDialog dialog(parent, options.title);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(ToQtNameFilters(options.filter).split(QStringLiteral(";;")));
  if (!options.folder.isEmpty()) dialog.setDirectory(options.folder);
  if (!options.proposedName.isEmpty()) dialog.selectFile(options.proposedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<QString> QtPlatform::SaveFileDialog(QWidget* parent, const FileDialogOptions& options) {
  QFileDialog dialog(parent, options.title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(ToQtNameFilters(options.filter).split(QStringLiteral(";;")));
  if (!options.promptOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (options.extensionFromFilter) ExtensionFollowsFilter(dialog);
  if (!options.proposedName.isEmpty()) dialog.selectFile(options.proposedName);
  // Qt's dialog asks before overwriting itself; before creating, it is asked
  // here, and a No brings the dialog back for another name.
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString chosen = dialog.selectedFiles().first();
    if (!options.promptCreate || QFileInfo::exists(chosen)) return chosen;
    const std::string question =
        chosen.toStdString() + "\r\n" +
        QCoreApplication::translate("Dialogs", "Diese Datei ist nicht vorhanden.").toStdString() + "\r\n" +
        QCoreApplication::translate("Dialogs", "Soll sie erstellt werden?").toStdString();
    if (MessageBox(question, MsgButtons::YesNo, MsgIcon::Question, options.title.toStdString()) ==
        MsgResult::Yes)
      return chosen;
  }
  return std::nullopt;
}

std::optional<FontChoice> QtPlatform::FontDialog(QWidget* parent, const FontChoice& initial) {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial.font, parent);
  if (!ok) return std::nullopt;
  // Qt's font dialog has no colour; the colour dialog follows it.
  const QColor color = QColorDialog::getColor(initial.color, parent);
  return FontChoice{font, color.isValid() ? color : initial.color};
}

bool QtPlatform::PrintDialog(QWidget* parent, QPrinter& printer, bool selectionPreset, bool* printSelection) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionPreset);
  printer.setPrintRange(selectionPreset ? QPrinter::Selection : QPrinter::AllPages);
  LockPageRange(dialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (printSelection) *printSelection = printer.printRange() == QPrinter::Selection;
  return true;
}

QString QtPlatform::RegisteredViewer(const QString& document) { return RegisteredViewerFor(document); }

bool QtPlatform::StartDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

std::vector<SerialPortEntry> QtPlatform::SerialPorts() {
  std::vector<SerialPortEntry> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    SerialPortEntry entry{info.systemLocation(), std::nullopt, std::nullopt};
    if (info.hasVendorIdentifier()) entry.vendor = info.vendorIdentifier();
    if (info.hasProductIdentifier()) entry.product = info.productIdentifier();
    ports.push_back(entry);
  }
  return ports;
}

}  // namespace zb::ui
