// The quick view's file commands: opening, saving as rich text, printing,
// searching.

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <cmath>
#include <memory>

#include "core/numbers/RuntimeError.h"
#include "core/shared/MessageTexts.h"
#include "core/shared/VersionInfo.h"
#include "locale/LocaleText.h"
#include "report/SafeFile.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/app/WindowClasses.h"
#include "ui/common/InstalledFamily.h"
#include "ui/common/MenuEntries.h"
#include "ui/common/StatusPanels.h"
#include "ui/common/Twips.h"
#include "ui/platform/UiPlatform.h"
#include "ui/quickview/QuickViewFiles.h"
#include "ui/quickview/QuickViewIcons.h"
#include "ui/quickview/frmRTF.h"
#include "ui/rtf/RtfDocument.h"

namespace zb::ui {

// ---------------------------------------------------------------- file menu

void frmRTF::ShowAgain() {
  show();
  raise();
  activateWindow();
  textBox_->setFocus();
}

void frmRTF::OnOpenClicked() {
  const QString folder = QDir::currentPath();
  FileDialogOptions options;
  options.title = tr("Öffnen");
  options.filter = QString::fromUtf8(kQuickViewFileFilter);
  hide();
  const std::optional<QString> chosen = module_.Platform().OpenFileDialog(this, options);
  if (!chosen) {
    QDir::setCurrent(folder);
    ShowAgain();
    return;
  }
  // Only rich text is taken here; any other file, or one that cannot be
  // read, leaves the text as it is, without a message.
  QByteArray data;
  if (ReadWholeFile(*chosen, data) == 0 && rtf::LooksLikeRtf(data)) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(textBox_->font());
    if (rtf::ReadRtf(data, *document)) {
      TakeDocument(document.release());
      fileName_ = *chosen;
      textModified_ = false;
    }
  }
  QDir::setCurrent(folder);
  statusBar_->SetText(fileName_);
  if (module_.IsShown(window_class::kBeamForm) && module_.IsLoaded(window_class::kFrame))
    module_.Frame().ShowChildWindow(&module_.Window(window_class::kBeamForm));
  ShowAgain();
}

frmRTF::SaveResult frmRTF::SaveAsRichText() {
  const QString folder = QDir::currentPath();
  FileDialogOptions options;
  options.title = tr("Speichern unter");
  options.filter = QString::fromUtf8(kQuickViewFileFilter);
  options.proposedName = fileName_;
  options.promptOverwrite = true;
  options.promptCreate = true;
  const std::optional<QString> chosen = module_.Platform().SaveFileDialog(this, options);
  if (!chosen) {
    QDir::setCurrent(folder);
    return SaveResult::Cancelled;
  }
  // Always rich text, whatever filter or extension was chosen.
  const QByteArray bytes = rtf::WriteRtf(*textBox_->document());
  int error = 0;
  try {
    ReplaceFileSafely(QFile::encodeName(*chosen).toStdString(),
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const RuntimeError& e) {
    error = e.Number();
  }
  QDir::setCurrent(folder);
  if (error != 0) {
    // The text is not stored: say so, and it still counts as changed.
    module_.Platform().MessageBox(ErrorDescription(error), MsgButtons::Ok, MsgIcon::Exclamation,
                                  ErrorTitle() + NumberText(error));
    return SaveResult::Failed;
  }
  textModified_ = false;
  return SaveResult::Saved;
}

void frmRTF::OnSaveClicked() { SaveAsRichText(); }

void frmRTF::OnPrintClicked() { PrintText(); }

void frmRTF::PrintText() {
  UiPlatform& platform = module_.Platform();
  QPrinter& printer = platform.DefaultPrinter();
  const QTextCursor cursor = textBox_->textCursor();
  const bool selected = cursor.hasSelection();
  bool printSelection = selected;
  if (!platform.PrintDialog(this, printer, selected, &printSelection)) return;
  // The selection is printed when it was chosen in the dialog, otherwise all.
  const std::unique_ptr<QTextDocument> document =
      DocumentForPrinter(*textBox_->document(), printSelection && selected ? &cursor : nullptr, printer);
  document->print(&printer);
}

// What goes on paper: the page starts with an empty line, then the text or the selection; the document is
// laid out on the printer's pages beforehand, so Qt adds no page-number footer of its own.
std::unique_ptr<QTextDocument> frmRTF::DocumentForPrinter(const QTextDocument& source,
                                                          const QTextCursor* selection, QPrinter& printer) {
  std::unique_ptr<QTextDocument> document;
  if (selection) {
    document = std::make_unique<QTextDocument>();
    document->setDefaultFont(source.defaultFont());
    QTextCursor(document.get()).insertFragment(selection->selection());
  } else {
    document.reset(source.clone());
  }
  QTextCursor start(document.get());
  start.movePosition(QTextCursor::Start);
  const QTextBlockFormat firstFormat = start.blockFormat();
  const QTextCharFormat firstChar = start.charFormat();
  start.insertBlock(firstFormat, firstChar);
  // The new empty block took the place of the first one; give the empty line
  // the first line's look.
  start.movePosition(QTextCursor::Start);
  start.setBlockFormat(firstFormat);
  start.setBlockCharFormat(firstChar);

  document->documentLayout()->setPaintDevice(&printer);
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  document->setPageSize(page.size());
  return document;
}

void frmRTF::OnCloseClicked() { close(); }

void frmRTF::OnFindClicked() { SearchText(false); }
void frmRTF::OnFindNextClicked() { SearchText(true); }

void frmRTF::SearchText(bool again) {
  QTextCursor cursor = textBox_->textCursor();
  // The selection as the text area's plain text writes it.
  QString what = cursor.selectedText();
  what.replace(QChar::ParagraphSeparator, QChar('\n'));
  what.replace(QChar::LineSeparator, QChar('\n'));
  what.replace(QChar::Nbsp, QChar(' '));
  if (!again) {
    const std::optional<std::string> answer =
        module_.Platform().InputBox(U8(tr("Bitte Suchtext eingeben.")), U8(tr("Suchen")), U8(what));
    what = answer ? Q(*answer) : QString();
  }
  if (what.isEmpty()) return;
  const int found = FindFromSecondCharacter(textBox_->toPlainText(), what, cursor.selectionStart());
  if (found >= 0) {
    cursor.setPosition(found);
    cursor.setPosition(found + static_cast<int>(what.size()), QTextCursor::KeepAnchor);
    textBox_->setTextCursor(cursor);
  } else {
    cursor.setPosition(0);
    textBox_->setTextCursor(cursor);
    module_.Platform().MessageBox(U8(tr("Leider keine (weitere) Fundstelle")), MsgButtons::Ok,
                                  MsgIcon::Information, U8(tr(" Suchen")));
  }
  textBox_->setFocus();
}

}  // namespace zb::ui
