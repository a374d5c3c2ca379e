#include "ui/quickview/frmRTF.h"

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

#include "core/RuntimeError.h"
#include "core/VersionInfo.h"
#include "report/SafeFile.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/WindowClasses.h"
#include "ui/app/Module1.h"
#include "ui/quickview/QuickViewFiles.h"
#include "ui/quickview/QuickViewIcons.h"
#include "ui/common/MenuEntries.h"
#include "ui/common/StatusPanels.h"
#include "ui/common/Twips.h"
#include "ui/common/InstalledFamily.h"
#include "locale/LocaleText.h"
#include "ui/platform/UiPlatform.h"
#include "ui/rtf/RtfDocument.h"

namespace zb::ui {

namespace {

// Geometry of the window's contents, twips.
constexpr double kRuleShadowTop = 12;
constexpr double kToolbarTop = 30;
constexpr double kToolbarHeight = 360;
constexpr double kTextLeft = 60;
constexpr double kTextTop = 480;
constexpr double kMinWidth = 7080;
constexpr double kMinHeight = 2510;
constexpr double kTextPointSize = 10;

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

frmRTF::frmRTF(Module1& module) : module_(module) {
  setObjectName(QStringLiteral("frmRTF"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Schnellansicht/Drucken"));

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  setCentralWidget(client_);

  // The etched rule at the top: a light line over a shadow line.
  for (int i = 0; i < 2; ++i) {
    QWidget* line = new QWidget(client_);
    line->setObjectName(QStringLiteral("line1"));
    line->setProperty("Index", i);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(i == 0 ? QPalette::Light : QPalette::Dark));
    line->setPalette(palette);
    line1_[static_cast<std::size_t>(i)] = line;
  }

  richTextBox1_ = new QTextEdit(client_);
  richTextBox1_->setObjectName(QStringLiteral("RichTextBox1"));
  richTextBox1_->setAcceptRichText(true);
  richTextBox1_->setLineWrapMode(QTextEdit::NoWrap);  // the report's lines stay whole
  richTextBox1_->setFont(QFont(InstalledFamily(QStringLiteral("Arial")), static_cast<int>(kTextPointSize)));
  richTextBox1_->installEventFilter(this);
  richTextBox1_->viewport()->installEventFilter(this);

  BuildToolbars();
  BuildMenus();
  statusBar1_ = new StatusPanels(this);
  client_->installEventFilter(this);
  setMinimumSize(TwipsToPixels(kMinWidth, this), TwipsToPixels(kMinHeight, this));
}

frmRTF::~frmRTF() = default;

// ---------------------------------------------------------------- building

void frmRTF::BuildMenus() {
  QMenuBar* bar = menuBar();
  const auto addAction = [this](QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& shortcut, void (frmRTF::*handler)()) {
    connect(AddEntry(menu, name, caption, shortcut), &QAction::triggered, this, handler);
  };

  QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
  file->setObjectName(QStringLiteral("mnuFile"));
  addAction(file, "mnuOpen", QStringLiteral("&Öffnen"), QKeySequence(Qt::CTRL | Qt::Key_O), &frmRTF::mnuOpen_Click);
  addAction(file, "mnuSave", QStringLiteral("&Speichern"), QKeySequence(Qt::CTRL | Qt::Key_S), &frmRTF::mnuSave_Click);
  AddSeparator(file, "mnuSep1");
  addAction(file, "mnuSuchen", QStringLiteral("S&uchen"), QKeySequence(), &frmRTF::mnuSuchen_Click);
  addAction(file, "mnuSuchWeiter", QStringLiteral("&weitersuchen"), QKeySequence(Qt::Key_F3),
            &frmRTF::mnuSuchWeiter_Click);
  AddSeparator(file, "mnuSep2");
  addAction(file, "mnuPrint", QStringLiteral("&Drucken"), QKeySequence(Qt::CTRL | Qt::Key_D), &frmRTF::mnuPrint_Click);
  AddSeparator(file, "mnuSep3");
  addAction(file, "mnuExit", QStringLiteral("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_B), &frmRTF::mnuExit_Click);

  QMenu* format = bar->addMenu(QStringLiteral("&Format"));
  format->setObjectName(QStringLiteral("mnuFormat"));
  addAction(format, "mnuFont", QStringLiteral("&Schrift"), QKeySequence(Qt::CTRL | Qt::Key_F), &frmRTF::mnuFont_Click);
  QMenu* templates = format->addMenu(QStringLiteral("&Formatvorlage"));
  templates->setObjectName(QStringLiteral("mnuVorlage"));
  addAction(templates, "mnuStandard", QStringLiteral("&Standard"), QKeySequence(), &frmRTF::mnuStandard_Click);
  addAction(templates, "mnuListing", QStringLiteral("&Listing"), QKeySequence(), &frmRTF::mnuListing_Click);
  addAction(templates, "mnuText", QStringLiteral("&Text"), QKeySequence(), &frmRTF::mnuText_Click);

  // A disabled bar in the menu line divides the commands from the help.
  QAction* divider = bar->addAction(QStringLiteral("|"));
  divider->setObjectName(QStringLiteral("mnuhTrenn1"));
  divider->setEnabled(false);

  QMenu* help = bar->addMenu(QStringLiteral("?"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  addAction(help, "mnuHilfe", QStringLiteral("&Hilfe"), QKeySequence(Qt::Key_F1), &frmRTF::mnuHilfe_Click);
  addAction(help, "mnuInfo", QStringLiteral("&Info"), QKeySequence(Qt::Key_F2), &frmRTF::mnuInfo_Click);
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
      action->setToolTip(QString::fromUtf8(button.tooltip));
      // A screen reader names the button by its German tooltip, not by its
      // English key.
      if (QWidget* widget = toolbar->widgetForAction(action))
        widget->setAccessibleName(QString::fromUtf8(button.tooltip));
      connect(action, &QAction::triggered, this, [this, handler, key] { (this->*handler)(key); });
    }
    return toolbar;
  };
  toolbar1_ = build("Toolbar1",
                    {{"Open", "Öffnen *.RTF"}, {"Save", "Speichern als RTF"}, {"Print", "Drucken"}},
                    &frmRTF::Toolbar1_ButtonClick);
  toolbar2_ = build("Toolbar2",
                    {{"Font", "Format: Schrift"},
                     {"Bold", "Format: Fett"},
                     {"Kursiv", "Format: Kursiv"},
                     {"Underline", "Format: Unterstreichen"}},
                    &frmRTF::Toolbar2_ButtonClick);
}

QString frmRTF::StatusText() const { return statusBar1_->Text(); }

double frmRTF::ScreenWidthTwips() const {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  return screen ? PixelsToTwips(screen->geometry().width(), this) : 0.0;
}

double frmRTF::ScreenHeightTwips() const {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  return screen ? PixelsToTwips(screen->geometry().height(), this) : 0.0;
}

// ---------------------------------------------------------------- window events

void frmRTF::Form_Load() {
  viewWidth_ = kDefaultViewWidth;
  const double screenWidth = ScreenWidthTwips();
  const double screenHeight = ScreenHeightTwips();
  move(TwipsToPixels((screenWidth - viewWidth_) / 2, this), TwipsToPixels(0.07 * screenHeight, this));
  resize(TwipsToPixels(viewWidth_, this), TwipsToPixels(0.85 * screenHeight, this));
  LayOutClientArea();
  textModified_ = false;
}

void frmRTF::Form_Activate() {
  statusBar1_->SetText(fileName_);
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const int n = SecondLineLength(richTextBox1_->toPlainText());
  viewWidth_ = ViewWidthForLine(n, ScreenWidthTwips());
  resize(TwipsToPixels(viewWidth_, this), height());
}

void frmRTF::Form_Resize() {
  if (isMinimized()) return;
  double p = std::nearbyint((ScreenWidthTwips() - viewWidth_) / 2);
  if (p < 1) p = 1;
  if (PixelsToTwips(x(), this) > p) move(TwipsToPixels(p, this), y());
  if (PixelsToTwips(width(), this) < kMinWidth) resize(TwipsToPixels(kMinWidth, this), height());
  if (PixelsToTwips(height(), this) < kMinHeight) resize(width(), TwipsToPixels(kMinHeight, this));
  LayOutClientArea();
}

// The client area below the menu bar and above the status bar: the rule,
// the two toolbars side by side, and the text area filling the rest with a
// margin left and right.
void frmRTF::LayOutClientArea() {
  const int width = client_->width();
  const int height = client_->height();
  line1_[0]->setGeometry(0, 0, width, 1);
  line1_[1]->setGeometry(0, TwipsToPixels(kRuleShadowTop, this), width, 1);
  const int toolbarTop = TwipsToPixels(kToolbarTop, this);
  const int toolbarHeight = TwipsToPixels(kToolbarHeight, this);
  toolbar1_->setGeometry(0, toolbarTop, toolbar1_->sizeHint().width(), toolbarHeight);
  toolbar2_->setGeometry(toolbar1_->geometry().right() + 1, toolbarTop, toolbar2_->sizeHint().width(),
                         toolbarHeight);
  const int left = TwipsToPixels(kTextLeft, this);
  const int top = TwipsToPixels(kTextTop, this);
  richTextBox1_->setGeometry(left, top, std::max(0, width - 2 * left), std::max(0, height - top));
}

void frmRTF::Form_QueryUnload(bool& cancel) {
  zb::Platform& platform = module_.Platform();
  if (platform.MessageBox("Schnellansicht wirklich schliessen ?", MsgButtons::YesNo, MsgIcon::Question,
                          " Beenden") != MsgResult::Yes) {
    cancel = true;
    return;
  }
  if (!richTextBox1_->document()->isEmpty() && textModified_) {
    if (platform.MessageBox("Soll der Text gespeichert werden ?", MsgButtons::YesNo, MsgIcon::Question,
                            " Text speichern ?") == MsgResult::Yes) {
      platform.DoEvents();
      // The user asked for the text to be kept: when the save is cancelled
      // or fails, the window stays open with the text.
      if (SaveAsRichText() != SaveResult::Saved) {
        cancel = true;
        return;
      }
    }
  }
  textModified_ = false;
}

void frmRTF::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  Form_QueryUnload(cancel);
  if (cancel) {
    event->ignore();
    return;
  }
  event->accept();
}

void frmRTF::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  Form_Resize();
}

void frmRTF::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

bool frmRTF::eventFilter(QObject* watched, QEvent* event) {
  if (!richTextBox1_) return QMainWindow::eventFilter(watched, event);
  if (watched == client_ && event->type() == QEvent::Resize) {
    LayOutClientArea();
  } else if (watched == richTextBox1_->viewport() && event->type() == QEvent::MouseButtonPress) {
    RichTextBox1_Click();
  } else if (watched == richTextBox1_ && event->type() == QEvent::KeyPress) {
    // Keys that type a character (control characters such as Backspace,
    // Enter and Ctrl+V among them) and Delete, which changes the text
    // without typing one; the keys that only move the caret do not count.
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!key->text().isEmpty() || key->key() == Qt::Key_Delete) RichTextBox1_KeyPress();
  } else if (watched == richTextBox1_ && event->type() == QEvent::InputMethod) {
    if (!static_cast<const QInputMethodEvent*>(event)->commitString().isEmpty()) RichTextBox1_KeyPress();
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmRTF::RichTextBox1_Click() { textModified_ = true; }
void frmRTF::RichTextBox1_KeyPress() { textModified_ = true; }

// ---------------------------------------------------------------- loading

void frmRTF::SetTextFontName(const QString& family) { SetWholeTextFont(family, 0); }

void frmRTF::SetWholeTextFont(const QString& family, double pointSize) {
  QTextCharFormat format;
  format.setFontFamilies(QStringList{family});
  if (pointSize > 0) format.setFontPointSize(pointSize);
  QTextCursor all(richTextBox1_->document());
  all.select(QTextCursor::Document);
  all.mergeCharFormat(format);
  // Text typed or loaded later takes it too.
  QFont font = richTextBox1_->font();
  font.setFamilies(QStringList{family});
  if (pointSize > 0) font.setPointSizeF(pointSize);
  richTextBox1_->setFont(font);
  richTextBox1_->document()->setDefaultFont(font);
  richTextBox1_->setCurrentFont(richTextBox1_->textCursor().charFormat().font());
}

void frmRTF::TakeDocument(QTextDocument* document) {
  // The text area deletes the document it made itself; one taken earlier
  // belongs to the text area as its parent and goes here.
  const QPointer<QTextDocument> previous = richTextBox1_->document();
  document->setParent(richTextBox1_);
  richTextBox1_->setDocument(document);
  if (previous && previous->parent() == richTextBox1_) delete previous.data();
  richTextBox1_->moveCursor(QTextCursor::Start);
}

int frmRTF::LoadTextFile(const QString& fileName) {
  QByteArray data;
  if (const int error = ReadWholeFile(fileName, data)) return error;
  bool loaded = false;
  if (rtf::LooksLikeRtf(data)) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(richTextBox1_->font());
    if (rtf::ReadRtf(data, *document)) {
      TakeDocument(document.release());
      loaded = true;
    }
  }
  // Anything else, and rich text that cannot be read, is shown as it stands.
  if (!loaded) {
    richTextBox1_->setPlainText(PlainTextOfFile(data));
    richTextBox1_->moveCursor(QTextCursor::Start);
  }
  fileName_ = fileName;
  textModified_ = false;
  return 0;
}

// ---------------------------------------------------------------- file menu

void frmRTF::ShowAgain() {
  show();
  raise();
  activateWindow();
  richTextBox1_->setFocus();
}

void frmRTF::mnuOpen_Click() {
  const QString folder = QDir::currentPath();
  FileDialogOptions options;
  options.title = QStringLiteral("Öffnen");
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
    document->setDefaultFont(richTextBox1_->font());
    if (rtf::ReadRtf(data, *document)) {
      TakeDocument(document.release());
      fileName_ = *chosen;
      textModified_ = false;
    }
  }
  QDir::setCurrent(folder);
  statusBar1_->SetText(fileName_);
  if (module_.IsShown(window_class::kBeamForm) && module_.IsLoaded(window_class::kFrame))
    module_.Frame().ShowChildWindow(&module_.Window(window_class::kBeamForm));
  ShowAgain();
}

frmRTF::SaveResult frmRTF::SaveAsRichText() {
  const QString folder = QDir::currentPath();
  FileDialogOptions options;
  options.title = QStringLiteral("Speichern unter");
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
  const QByteArray bytes = rtf::WriteRtf(*richTextBox1_->document());
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
                                  " Fehler " + NumberText(error));
    return SaveResult::Failed;
  }
  textModified_ = false;
  return SaveResult::Saved;
}

void frmRTF::mnuSave_Click() { SaveAsRichText(); }

void frmRTF::mnuPrint_Click() { PrintText(); }

void frmRTF::PrintText() {
  UiPlatform& platform = module_.Platform();
  QPrinter& printer = platform.DefaultPrinter();
  const QTextCursor cursor = richTextBox1_->textCursor();
  const bool selected = cursor.hasSelection();
  bool printSelection = selected;
  if (!platform.PrintDialog(this, printer, selected, &printSelection)) return;
  // The selection is printed when it was chosen in the dialog, otherwise all.
  const std::unique_ptr<QTextDocument> document =
      DocumentForPrinter(*richTextBox1_->document(), printSelection && selected ? &cursor : nullptr, printer);
  document->print(&printer);
}

// What goes on paper: the page starts with an empty line, then the text or the selection; the document is laid out on the
// printer's pages beforehand, so Qt adds no page-number footer of its own.
std::unique_ptr<QTextDocument> frmRTF::DocumentForPrinter(const QTextDocument& source, const QTextCursor* selection,
                                                          QPrinter& printer) {
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

void frmRTF::mnuExit_Click() { close(); }

void frmRTF::mnuSuchen_Click() { SearchText(false); }
void frmRTF::mnuSuchWeiter_Click() { SearchText(true); }

void frmRTF::SearchText(bool again) {
  QTextCursor cursor = richTextBox1_->textCursor();
  // The selection as the text area's plain text writes it.
  QString what = cursor.selectedText();
  what.replace(QChar::ParagraphSeparator, QChar('\n'));
  what.replace(QChar::LineSeparator, QChar('\n'));
  what.replace(QChar::Nbsp, QChar(' '));
  if (!again) {
    const std::optional<std::string> answer =
        module_.Platform().InputBox("Bitte Suchtext eingeben.", "Suchen", U8(what));
    what = answer ? Q(*answer) : QString();
  }
  if (what.isEmpty()) return;
  const int found = FindFromSecondCharacter(richTextBox1_->toPlainText(), what, cursor.selectionStart());
  if (found >= 0) {
    cursor.setPosition(found);
    cursor.setPosition(found + static_cast<int>(what.size()), QTextCursor::KeepAnchor);
    richTextBox1_->setTextCursor(cursor);
  } else {
    cursor.setPosition(0);
    richTextBox1_->setTextCursor(cursor);
    module_.Platform().MessageBox("Leider keine (weitere) Fundstelle", MsgButtons::Ok, MsgIcon::Information,
                                  " Suchen");
  }
  richTextBox1_->setFocus();
}

// ---------------------------------------------------------------- format menu

void frmRTF::mnuFont_Click() {
  UiPlatform& platform = module_.Platform();
  platform.SetHourglass(true);
  platform.DoEvents();
  FontChoice initial;
  initial.font = richTextBox1_->currentFont();
  initial.color = richTextBox1_->textColor();
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
    richTextBox1_->mergeCurrentCharFormat(format);
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
  richTextBox1_->mergeCurrentCharFormat(format);
}

void frmRTF::SetItalic() {
  QTextCharFormat format;
  format.setFontItalic(true);
  richTextBox1_->mergeCurrentCharFormat(format);
}

void frmRTF::SetUnderline() {
  QTextCharFormat format;
  format.setFontUnderline(true);
  richTextBox1_->mergeCurrentCharFormat(format);
}

void frmRTF::mnuStandard_Click() {
  // "Standard" also puts every paragraph back to left alignment, the one
  // further attribute it resets besides the font.
  QTextCursor all(richTextBox1_->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat left;
  left.setAlignment(Qt::AlignLeft);
  all.mergeBlockFormat(left);
  SetWholeTextFont(InstalledFamily(QStringLiteral("Courier New")), 10);
}

void frmRTF::mnuListing_Click() { SetWholeTextFont(InstalledFamily(QStringLiteral("Courier New")), 8); }

void frmRTF::mnuText_Click() { SetWholeTextFont(InstalledFamily(QStringLiteral("Arial")), 8); }

// ---------------------------------------------------------------- toolbars

void frmRTF::Toolbar1_ButtonClick(const QString& key) {
  if (key == QLatin1String("Open"))
    mnuOpen_Click();
  else if (key == QLatin1String("Save"))
    mnuSave_Click();
  else if (key == QLatin1String("Print"))
    mnuPrint_Click();
}

void frmRTF::Toolbar2_ButtonClick(const QString& key) {
  if (key == QLatin1String("Font"))
    mnuFont_Click();
  else if (key == QLatin1String("Bold"))
    SetBold();
  else if (key == QLatin1String("Kursiv"))
    SetItalic();
  else if (key == QLatin1String("Underline"))
    SetUnderline();
}

// ---------------------------------------------------------------- help menu

void frmRTF::mnuHilfe_Click() {
  const std::string& nl = module_.State().Zeilenumbruch;
  const std::string text = JoinLines(
      {"Mit den Tasten Pos 1, Ende,Bild hoch, Bild runter, den Cursor-Tasten   ",
       "oder mit der Maus  läßt sich der Text verschieben und betrachten. ", "",
       "Der Text kann wie in einem Textverarbeitungs-Programm formatiert und   ",
       "bearbeitet werden. Danach kann der Text auch in der bearbeiteten Form   ",
       "gespeichert und gedruckt werden.",
       "Eine Suchfunktion ermöglicht es bestimmte Textstellen schnell zu finden.",
       "Letzteres ist alles im Menü 'Datei' zu finden."},
      nl);
  module_.Platform().MessageBox(text, MsgButtons::Ok, MsgIcon::Information, " Kurzhilfe");
}

void frmRTF::mnuInfo_Click() {
  namespace v = zb::version;
  const std::string& nl = module_.State().Zeilenumbruch;
  const std::string version =
      "Version " + std::to_string(v::kMajor) + "." + std::to_string(v::kMinor) + "." + std::to_string(v::kRevision);
  const std::string text = JoinLines({" ", v::kFileDescription, "", version, v::kLegalNotice, "",
                                      std::string(v::kUsageTerms1) + " " + v::kUsageTerms2, " "},
                                     nl);
  module_.Platform().MessageBox(text, MsgButtons::Ok, MsgIcon::Information, " Info");
}

}  // namespace zb::ui
