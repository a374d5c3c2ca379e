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
#include "ui/quickview/PastedCopyTextEdit.h"
#include "ui/quickview/QuickViewFiles.h"
#include "ui/quickview/QuickViewIcons.h"
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

}  // namespace

frmRTF::frmRTF(Module1& module) : module_(module), guarded_(module.Platform(), module.State().Zeilenumbruch) {
  setObjectName(QStringLiteral("frmRTF"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Schnellansicht/Drucken"));

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
    rules_[static_cast<std::size_t>(i)] = line;
  }

  textBox_ = new PastedCopyTextEdit(client_);
  textBox_->setObjectName(QStringLiteral("RichTextBox1"));
  textBox_->setAccessibleName(windowTitle());  // a screen reader names the text after its window
  textBox_->setAcceptRichText(true);
  textBox_->setLineWrapMode(QTextEdit::NoWrap);  // the report's lines stay whole
  textBox_->setFont(QFont(InstalledFamily(QStringLiteral("Arial")), static_cast<int>(kTextPointSize)));
  textBox_->installEventFilter(this);
  textBox_->viewport()->installEventFilter(this);

  BuildToolbars();
  BuildMenus();
  statusBar_ = new StatusPanels(this);
  client_->installEventFilter(this);
  setMinimumSize(TwipsToPixels(kMinWidth, this), TwipsToPixels(kMinHeight, this));
}

frmRTF::~frmRTF() = default;

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
  statusBar_->SetText(fileName_);
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const int n = SecondLineLength(textBox_->toPlainText());
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
  rules_[0]->setGeometry(0, 0, width, 1);
  rules_[1]->setGeometry(0, TwipsToPixels(kRuleShadowTop, this), width, 1);
  const int toolbarTop = TwipsToPixels(kToolbarTop, this);
  const int toolbarHeight = TwipsToPixels(kToolbarHeight, this);
  fileToolbar_->setGeometry(0, toolbarTop, fileToolbar_->sizeHint().width(), toolbarHeight);
  formatToolbar_->setGeometry(fileToolbar_->geometry().right() + 1, toolbarTop,
                              formatToolbar_->sizeHint().width(), toolbarHeight);
  const int left = TwipsToPixels(kTextLeft, this);
  const int top = TwipsToPixels(kTextTop, this);
  textBox_->setGeometry(left, top, std::max(0, width - 2 * left), std::max(0, height - top));
}

void frmRTF::Form_QueryUnload(bool& cancel) {
  zb::Platform& platform = module_.Platform();
  if (platform.MessageBox(U8(tr("Schnellansicht wirklich schliessen ?")), MsgButtons::YesNo,
                          MsgIcon::Question, U8(tr(" Beenden"))) != MsgResult::Yes) {
    cancel = true;
    return;
  }
  if (!textBox_->document()->isEmpty() && textModified_) {
    if (platform.MessageBox(U8(tr("Soll der Text gespeichert werden ?")), MsgButtons::YesNo,
                            MsgIcon::Question, U8(tr(" Text speichern ?"))) == MsgResult::Yes) {
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
  guarded_([&] { Form_QueryUnload(cancel); });
  if (cancel) {
    event->ignore();
    return;
  }
  event->accept();
}

void frmRTF::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  guarded_([this] { Form_Resize(); });
}

void frmRTF::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) guarded_([this] { Form_Activate(); });
}

bool frmRTF::eventFilter(QObject* watched, QEvent* event) {
  if (!textBox_) return QMainWindow::eventFilter(watched, event);
  if (watched == client_ && event->type() == QEvent::Resize) {
    LayOutClientArea();
  } else if (watched == textBox_->viewport() && event->type() == QEvent::MouseButtonPress) {
    OnTextClicked();
  } else if (watched == textBox_ && event->type() == QEvent::KeyPress) {
    // Keys that type a character (control characters such as Backspace,
    // Enter and Ctrl+V among them) and Delete, which changes the text
    // without typing one; the keys that only move the caret do not count.
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!key->text().isEmpty() || key->key() == Qt::Key_Delete) RichTextBox1_KeyPress();
  } else if (watched == textBox_ && event->type() == QEvent::InputMethod) {
    if (!static_cast<const QInputMethodEvent*>(event)->commitString().isEmpty()) RichTextBox1_KeyPress();
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmRTF::OnTextClicked() { textModified_ = true; }
void frmRTF::RichTextBox1_KeyPress() { textModified_ = true; }

// ---------------------------------------------------------------- loading

void frmRTF::SetTextFontName(const QString& family) { SetWholeTextFont(family, 0); }

void frmRTF::SetWholeTextFont(const QString& family, double pointSize) {
  QTextCharFormat format;
  format.setFontFamilies(QStringList{family});
  if (pointSize > 0) format.setFontPointSize(pointSize);
  QTextCursor all(textBox_->document());
  all.select(QTextCursor::Document);
  all.mergeCharFormat(format);
  // Text typed or loaded later takes it too.
  QFont font = textBox_->font();
  font.setFamilies(QStringList{family});
  if (pointSize > 0) font.setPointSizeF(pointSize);
  textBox_->setFont(font);
  textBox_->document()->setDefaultFont(font);
  textBox_->setCurrentFont(textBox_->textCursor().charFormat().font());
}

void frmRTF::TakeDocument(QTextDocument* document) {
  // The text area deletes the document it made itself; one taken earlier
  // belongs to the text area as its parent and goes here.
  const QPointer<QTextDocument> previous = textBox_->document();
  document->setParent(textBox_);
  textBox_->setDocument(document);
  if (previous && previous->parent() == textBox_) delete previous.data();
  textBox_->moveCursor(QTextCursor::Start);
}

int frmRTF::LoadTextFile(const QString& fileName) {
  QByteArray data;
  if (const int error = ReadWholeFile(fileName, data)) return error;
  bool loaded = false;
  if (rtf::LooksLikeRtf(data)) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(textBox_->font());
    if (rtf::ReadRtf(data, *document)) {
      TakeDocument(document.release());
      loaded = true;
    }
  }
  // Anything else, and rich text that cannot be read, is shown as it stands.
  if (!loaded) {
    textBox_->setPlainText(PlainTextOfFile(data));
    textBox_->moveCursor(QTextCursor::Start);
  }
  fileName_ = fileName;
  textModified_ = false;
  return 0;
}

}  // namespace zb::ui
