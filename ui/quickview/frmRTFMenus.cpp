// The quick view's menus and toolbars: how they are built, the format and
// help menus, the toolbar buttons.

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

namespace {

std::string JoinLines(std::initializer_list<std::string> lines, const std::string& separator) {
  std::string joined;
  bool first = true;
  for (const std::string& line : lines) {
    if (!first) joined += separator;
    joined += line;
    first = false;
  }
  return joined;
}

}  // namespace

// ---------------------------------------------------------------- building

void frmRTF::BuildMenus() {
  QMenuBar* bar = menuBar();
  const auto addAction = [this](QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& shortcut, void (frmRTF::*handler)()) {
    connect(AddEntry(menu, name, caption, shortcut), &QAction::triggered, this, guarded_.Slot(this, handler));
  };

  QMenu* file = bar->addMenu(tr("&Datei"));
  file->setObjectName(QStringLiteral("mnuFile"));
  addAction(file, "mnuOpen", tr("&Öffnen"), QKeySequence(Qt::CTRL | Qt::Key_O), &frmRTF::OnOpenClicked);
  addAction(file, "mnuSave", tr("&Speichern"), QKeySequence(Qt::CTRL | Qt::Key_S), &frmRTF::OnSaveClicked);
  AddSeparator(file, "mnuSep1");
  addAction(file, "mnuSuchen", tr("S&uchen"), QKeySequence(), &frmRTF::OnFindClicked);
  addAction(file, "mnuSuchWeiter", tr("&weitersuchen"), QKeySequence(Qt::Key_F3), &frmRTF::OnFindNextClicked);
  AddSeparator(file, "mnuSep2");
  addAction(file, "mnuPrint", tr("&Drucken"), QKeySequence(Qt::CTRL | Qt::Key_D), &frmRTF::OnPrintClicked);
  AddSeparator(file, "mnuSep3");
  addAction(file, "mnuExit", tr("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_B), &frmRTF::OnCloseClicked);

  QMenu* format = bar->addMenu(tr("&Format"));
  format->setObjectName(QStringLiteral("mnuFormat"));
  addAction(format, "mnuFont", tr("&Schrift"), QKeySequence(Qt::CTRL | Qt::Key_F), &frmRTF::OnFontClicked);
  QMenu* templates = format->addMenu(tr("&Formatvorlage"));
  templates->setObjectName(QStringLiteral("mnuVorlage"));
  addAction(templates, "mnuStandard", tr("&Standard"), QKeySequence(), &frmRTF::OnStandardViewClicked);
  addAction(templates, "mnuListing", tr("&Listing"), QKeySequence(), &frmRTF::OnListingViewClicked);
  addAction(templates, "mnuText", tr("&Text"), QKeySequence(), &frmRTF::OnTextViewClicked);

  // A disabled bar in the menu line divides the commands from the help.
  QAction* divider = bar->addAction(QStringLiteral("|"));
  divider->setObjectName(QStringLiteral("mnuhTrenn1"));
  divider->setEnabled(false);

  QMenu* help = bar->addMenu(tr("?"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  addAction(help, "mnuHilfe", tr("&Hilfe"), QKeySequence(Qt::Key_F1), &frmRTF::OnQuickHelpClicked);
  addAction(help, "mnuInfo", tr("&Info"), QKeySequence(Qt::Key_F2), &frmRTF::OnInfoClicked);
}

void frmRTF::BuildToolbars() {
  struct Button {
    const char* key;
    const char* tooltip;
  };
  const auto build = [this](const char* name, std::initializer_list<Button> buttons,
                            void (frmRTF::*handler)(const QString&)) {
    QToolBar* toolbar = new QToolBar(client_);
    toolbar->setObjectName(QLatin1String(name));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const Button& button : buttons) {
      const QString key = QLatin1String(button.key);
      QAction* action = toolbar->addAction(QuickViewButtonImage(key, style()), key);
      action->setObjectName(key);
      action->setData(key);
      action->setToolTip(tr(button.tooltip));
      // A screen reader names the button by its tooltip, not by its key.
      if (QWidget* widget = toolbar->widgetForAction(action)) widget->setAccessibleName(tr(button.tooltip));
      connect(action, &QAction::triggered, this,
              [this, handler, key] { guarded_([&] { (this->*handler)(key); }); });
    }
    return toolbar;
  };
  fileToolbar_ = build("Toolbar1",
                       {{"Open", QT_TR_NOOP("Öffnen *.RTF")},
                        {"Save", QT_TR_NOOP("Speichern als RTF")},
                        {"Print", QT_TR_NOOP("Drucken")}},
                       &frmRTF::OnFileButtonClicked);
  formatToolbar_ = build("Toolbar2",
                         {{"Font", QT_TR_NOOP("Format: Schrift")},
                          {"Bold", QT_TR_NOOP("Format: Fett")},
                          {"Kursiv", QT_TR_NOOP("Format: Kursiv")},
                          {"Underline", QT_TR_NOOP("Format: Unterstreichen")}},
                         &frmRTF::OnFormatButtonClicked);
}

QString frmRTF::StatusText() const { return statusBar_->Text(); }

double frmRTF::ScreenWidthTwips() const {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  return screen ? PixelsToTwips(screen->geometry().width(), this) : 0.0;
}

double frmRTF::ScreenHeightTwips() const {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  return screen ? PixelsToTwips(screen->geometry().height(), this) : 0.0;
}

// ---------------------------------------------------------------- format menu

void frmRTF::OnFontClicked() {
  UiPlatform& platform = module_.Platform();
  platform.SetHourglass(true);
  platform.DoEvents();
  FontChoice initial;
  initial.font = textBox_->currentFont();
  initial.color = textBox_->textColor();
  platform.SetHourglass(false);
  const std::optional<FontChoice> choice = platform.FontDialog(this, initial);
  if (!choice) {
    platform.SetHourglass(false);
    return;
  }
  platform.DoEvents();
  // Applied to the selection one attribute after the other: name, size,
  // bold, italic, strikethrough, underline, colour.
  const auto apply = [this](const auto& set) {
    QTextCharFormat format;
    set(format);
    textBox_->mergeCurrentCharFormat(format);
  };
  const QFont& font = choice->font;
  apply([&](QTextCharFormat& f) { f.setFontFamilies(QStringList{font.family()}); });
  if (font.pointSizeF() > 0) apply([&](QTextCharFormat& f) { f.setFontPointSize(font.pointSizeF()); });
  apply([&](QTextCharFormat& f) { f.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal); });
  apply([&](QTextCharFormat& f) { f.setFontItalic(font.italic()); });
  apply([&](QTextCharFormat& f) { f.setFontStrikeOut(font.strikeOut()); });
  apply([&](QTextCharFormat& f) { f.setFontUnderline(font.underline()); });
  apply([&](QTextCharFormat& f) { f.setForeground(choice->color); });
}

void frmRTF::SetBold() {
  QTextCharFormat format;
  format.setFontWeight(QFont::Bold);
  textBox_->mergeCurrentCharFormat(format);
}

void frmRTF::SetItalic() {
  QTextCharFormat format;
  format.setFontItalic(true);
  textBox_->mergeCurrentCharFormat(format);
}

void frmRTF::SetUnderline() {
  QTextCharFormat format;
  format.setFontUnderline(true);
  textBox_->mergeCurrentCharFormat(format);
}

void frmRTF::OnStandardViewClicked() {
  // "Standard" also puts every paragraph back to left alignment, the one
  // further attribute it resets besides the font.
  QTextCursor all(textBox_->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat left;
  left.setAlignment(Qt::AlignLeft);
  all.mergeBlockFormat(left);
  SetWholeTextFont(InstalledFamily(QStringLiteral("Courier New")), 10);
}

void frmRTF::OnListingViewClicked() { SetWholeTextFont(InstalledFamily(QStringLiteral("Courier New")), 8); }

void frmRTF::OnTextViewClicked() { SetWholeTextFont(InstalledFamily(QStringLiteral("Arial")), 8); }

// ---------------------------------------------------------------- toolbars

void frmRTF::OnFileButtonClicked(const QString& key) {
  if (key == QLatin1String("Open"))
    OnOpenClicked();
  else if (key == QLatin1String("Save"))
    OnSaveClicked();
  else if (key == QLatin1String("Print"))
    OnPrintClicked();
}

void frmRTF::OnFormatButtonClicked(const QString& key) {
  if (key == QLatin1String("Font"))
    OnFontClicked();
  else if (key == QLatin1String("Bold"))
    SetBold();
  else if (key == QLatin1String("Kursiv"))
    SetItalic();
  else if (key == QLatin1String("Underline"))
    SetUnderline();
}

// ---------------------------------------------------------------- help menu

void frmRTF::OnQuickHelpClicked() {
  const std::string& nl = module_.State().Zeilenumbruch;
  const std::string text =
      JoinLines({U8(tr("Mit den Tasten Pos 1, Ende,Bild hoch, Bild runter, den Cursor-Tasten   ")),
                 U8(tr("oder mit der Maus  läßt sich der Text verschieben und betrachten. ")), "",
                 U8(tr("Der Text kann wie in einem Textverarbeitungs-Programm formatiert und   ")),
                 U8(tr("bearbeitet werden. Danach kann der Text auch in der bearbeiteten Form   ")),
                 U8(tr("gespeichert und gedruckt werden.")),
                 U8(tr("Eine Suchfunktion ermöglicht es bestimmte Textstellen schnell zu finden.")),
                 U8(tr("Letzteres ist alles im Menü 'Datei' zu finden."))},
                nl);
  module_.Platform().MessageBox(text, MsgButtons::Ok, MsgIcon::Information, U8(tr(" Kurzhilfe")));
}

void frmRTF::OnInfoClicked() {
  namespace v = zb::version;
  const std::string& nl = module_.State().Zeilenumbruch;
  const std::string version = "Version " + std::to_string(v::kMajor) + "." + std::to_string(v::kMinor) + "." +
                              std::to_string(v::kRevision);
  const std::string text =
      JoinLines({" ", v::Text(v::kFileDescription), "", version, v::Text(v::kLegalNotice), "",
                 v::Text(v::kUsageTerms1) + " " + v::Text(v::kUsageTerms2), " "},
                nl);
  module_.Platform().MessageBox(text, MsgButtons::Ok, MsgIcon::Information, " Info");
}

}  // namespace zb::ui
