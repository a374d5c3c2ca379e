// The quick view as a window: its menus, toolbars, rule and status bar, its
// place on the screen, the width that follows the report, loading through
// ShowTextFile with its error box, what counts as a change, and closing.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QToolBar>

#include "locale/LocaleText.h"
#include "tests/support/ProgramDrawings.h"
#include "tests/ui/quickview/QuickViewTestSupport.h"
#include "ui/app/WindowClasses.h"
#include "ui/common/InstalledFamily.h"
#include "ui/common/Twips.h"
#include "ui/frame/MDIForm1.h"
#include "ui/quickview/QuickViewRules.h"

namespace zb::ui::test {
namespace {

using zb::test::MessageCall;

QStringList Blocks(const QTextDocument& document) {
  QStringList lines;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) lines << block.text();
  return lines;
}

double ScreenWidthTwips() { return PixelsToTwips(QGuiApplication::primaryScreen()->geometry().width()); }
double ScreenHeightTwips() { return PixelsToTwips(QGuiApplication::primaryScreen()->geometry().height()); }

using QuickViewWindow = QuickViewTest;

TEST_F(QuickViewWindow, MenusHaveTheirCaptionsShortcutsAndOrder) {
  struct Entry {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
  };
  const Entry entries[] = {
      {"mnuOpen", "&Öffnen", QKeySequence("Ctrl+O")},
      {"mnuSave", "&Speichern", QKeySequence("Ctrl+S")},
      {"mnuSuchen", "S&uchen", QKeySequence()},
      {"mnuSuchWeiter", "&weitersuchen", QKeySequence("F3")},
      {"mnuPrint", "&Drucken", QKeySequence("Ctrl+D")},
      {"mnuExit", "&Beenden", QKeySequence("Ctrl+B")},
      {"mnuFont", "&Schrift", QKeySequence("Ctrl+F")},
      {"mnuStandard", "&Standard", QKeySequence()},
      {"mnuListing", "&Listing", QKeySequence()},
      {"mnuText", "&Text", QKeySequence()},
      {"mnuHilfe", "&Hilfe", QKeySequence("F1")},
      {"mnuInfo", "&Info", QKeySequence("F2")},
  };
  for (const Entry& entry : entries) {
    QAction* action = view().findChild<QAction*>(entry.name);
    ASSERT_NE(action, nullptr) << entry.name;
    EXPECT_EQ(action->text(), QString::fromUtf8(entry.caption)) << entry.name;
    EXPECT_EQ(action->shortcut(), entry.shortcut) << entry.name;
    EXPECT_TRUE(action->isEnabled()) << entry.name;
  }

  // The menu line: Datei, Format, the disabled bar, ?.
  QStringList top;
  for (QAction* action : view().menuBar()->actions()) top << action->text();
  EXPECT_EQ(top, (QStringList{"&Datei", "&Format", "|", "?"}));
  QAction* divider = view().findChild<QAction*>("mnuhTrenn1");
  ASSERT_NE(divider, nullptr);
  EXPECT_FALSE(divider->isEnabled());
  EXPECT_EQ(view().menuBar()->actions().at(2), divider);

  // "&Datei" with its three separators in place.
  QStringList file;
  for (QAction* action : view().findChild<QMenu*>("mnuFile")->actions())
    file << (action->isSeparator() ? action->objectName() : action->text());
  EXPECT_EQ(file, (QStringList{"&Öffnen", "&Speichern", "mnuSep1", "S&uchen", "&weitersuchen", "mnuSep2",
                               "&Drucken", "mnuSep3", "&Beenden"}));
  QMenu* templates = view().findChild<QMenu*>("mnuVorlage");
  ASSERT_NE(templates, nullptr);
  EXPECT_EQ(templates->title(), "&Formatvorlage");
  EXPECT_EQ(view().findChild<QMenu*>("mnuFormat")->actions().at(1), templates->menuAction());
}

TEST_F(QuickViewWindow, ToolbarsCarryTheirKeysTooltipsAndImages) {
  const auto buttons = [this](const char* toolbar) {
    QStringList keys;
    QToolBar* bar = view().findChild<QToolBar*>(toolbar);
    EXPECT_NE(bar, nullptr) << toolbar;
    if (!bar) return keys;
    for (QAction* action : bar->actions()) {
      EXPECT_FALSE(action->icon().isNull()) << action->data().toString().toStdString();
      keys << action->data().toString() + "=" + action->toolTip();
    }
    return keys;
  };
  EXPECT_EQ(buttons("Toolbar1"),
            (QStringList{"Open=Öffnen *.RTF", "Save=Speichern als RTF", "Print=Drucken"}));
  EXPECT_EQ(buttons("Toolbar2"), (QStringList{"Font=Format: Schrift", "Bold=Format: Fett",
                                              "Kursiv=Format: Kursiv", "Underline=Format: Unterstreichen"}));
}

TEST_F(QuickViewWindow, StatusBarHasTextTimeAndDatePanels) {
  EXPECT_EQ(view().windowTitle(), "Schnellansicht/Drucken");
  QStatusBar* bar = view().findChild<QStatusBar*>("StatusBar1");
  ASSERT_NE(bar, nullptr);
  QLabel* panels[3] = {bar->findChild<QLabel*>("StatusBar1Panel1"),
                       bar->findChild<QLabel*>("StatusBar1Panel2"),
                       bar->findChild<QLabel*>("StatusBar1Panel3")};
  for (QLabel* panel : panels) ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panels[0]->text(), "Status:");
  EXPECT_EQ(panels[0]->toolTip(), "Statusanzeige");
  EXPECT_EQ(panels[1]->toolTip(), "Computerzeit");
  EXPECT_EQ(panels[2]->toolTip(), "Datum");
  EXPECT_EQ(panels[2]->text(), ShortDate(QDate::currentDate()));
  EXPECT_TRUE(panels[1]->text().contains(':')) << panels[1]->text().toStdString();
}

TEST_F(QuickViewWindow, LoadPlacesTheWindowCentredAndLaysOutTheClientArea) {
  frmRTF& v = view();
  EXPECT_EQ(v.ViewWidth(), 11670);
  EXPECT_FALSE(v.TextModified());
  EXPECT_EQ(v.width(), TwipsToPixels(11670));
  EXPECT_EQ(v.height(), TwipsToPixels(0.85 * ScreenHeightTwips()));
  EXPECT_EQ(v.y(), TwipsToPixels(0.07 * ScreenHeightTwips()));
  EXPECT_EQ(v.x(), TwipsToPixels((ScreenWidthTwips() - 11670) / 2));

  v.show();
  QWidget* client = v.centralWidget();
  const QRect area = text().geometry();
  EXPECT_EQ(area.left(), TwipsToPixels(60));
  EXPECT_EQ(area.top(), TwipsToPixels(480));
  EXPECT_EQ(area.width(), client->width() - 2 * TwipsToPixels(60));
  EXPECT_EQ(area.bottom(), client->height() - 1);

  const QList<QWidget*> rule = client->findChildren<QWidget*>("line1");
  ASSERT_EQ(rule.size(), 2);
  for (QWidget* line : rule) {
    EXPECT_EQ(line->x(), 0);
    EXPECT_EQ(line->width(), client->width());
    EXPECT_EQ(line->y(), line->property("Index").toInt() == 0 ? 0 : TwipsToPixels(12));
  }
  QToolBar* toolbar1 = v.findChild<QToolBar*>("Toolbar1");
  QToolBar* toolbar2 = v.findChild<QToolBar*>("Toolbar2");
  EXPECT_EQ(toolbar1->x(), 0);
  EXPECT_EQ(toolbar2->x(), toolbar1->geometry().right() + 1);
  EXPECT_EQ(toolbar1->height(), TwipsToPixels(360));
  EXPECT_LE(toolbar1->geometry().bottom(), area.top());

  // Wider: the text area and the rule follow.
  v.resize(v.width() + 100, v.height() + 50);
  EXPECT_EQ(text().width(), client->width() - 2 * TwipsToPixels(60));
  EXPECT_EQ(rule[0]->width(), client->width());
}

TEST_F(QuickViewWindow, NeverNarrowerOrLowerThanDesigned) {
  view().show();
  view().resize(50, 40);
  view().Form_Resize();
  EXPECT_GE(view().width(), TwipsToPixels(7080));
  EXPECT_GE(view().height(), TwipsToPixels(2510));
}

TEST_F(QuickViewWindow, ShowTextFileShowsTheReportWithItsLinesIntact) {
  const QStringList lines = ReportLines();
  const QByteArray file = Cp1252File(lines);
  ASSERT_TRUE(file.contains(QByteArray(80, '\xAF')));  // one byte a macron
  ASSERT_TRUE(file.contains("45\xB0 bzw."));
  WriteFile("Zelvar-Beam.txt", file);

  Show("Zelvar-Beam.txt");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(view().isVisible());
  // Every line as written, trailing blanks included; the last CR LF leaves
  // an empty last line.
  EXPECT_EQ(Blocks(*text().document()), lines + QStringList{QString()});
  EXPECT_EQ(view().FileName(), "Zelvar-Beam.txt");
  EXPECT_FALSE(view().TextModified());

  const QString family = InstalledFamily("Courier New");
  EXPECT_EQ(FamilyAt(*text().document(), "Zelvar-Beam nach"), family);
  EXPECT_EQ(FamilyAt(*text().document(), "Querträger 3"), family);
  EXPECT_EQ(text().document()->defaultFont().family(), family);

  // Activated, it names the file and keeps its designed width: the line the
  // rule measures is the rule of 80 macrons.
  view().Form_Activate();
  EXPECT_EQ(view().StatusText(), "Zelvar-Beam.txt");
  EXPECT_EQ(view().ViewWidth(), 11670);
}

// The reports the report writer produces for every band and variant.
TEST_F(QuickViewWindow, EveryGoldenReportOpensWithItsLinesIntact) {
  const QDir golden(QStringLiteral(ZB_GOLDEN_REPORTS));
  const QStringList names = golden.entryList({QStringLiteral("*.txt")}, QDir::Files);
  ASSERT_FALSE(names.isEmpty()) << golden.path().toStdString();
  const QString rule(80, QChar(0x00AF));
  int reports = 0;
  for (const QString& name : names) {
    QFile file(golden.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("\r\n                        Zelvar-Beam nach Kalvex \r\n"))
      continue;  // not a report
    ++reports;
    ASSERT_TRUE(bytes.endsWith("\r\n")) << name.toStdString();
    const QStringList lines =
        QString::fromStdString(zb::Cp1252ToUtf8(bytes.toStdString())).split(QStringLiteral("\r\n"));

    QString path = golden.filePath(name);
    module().ShowTextFile(path);
    const QStringList shown = Blocks(*text().document());
    EXPECT_EQ(shown, lines) << name.toStdString();
    ASSERT_GE(shown.size(), 4) << name.toStdString();
    EXPECT_EQ(shown[2], rule) << name.toStdString();
    EXPECT_TRUE(shown[1].endsWith(QStringLiteral("Zelvar-Beam nach Kalvex "))) << name.toStdString();
    view().Form_Activate();
    EXPECT_EQ(view().ViewWidth(), 11670) << name.toStdString();
    EXPECT_EQ(view().StatusText(), path);
  }
  EXPECT_GE(reports, 10);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(QuickViewWindow, ShowTextFileReloadsEachTime) {
  WriteFile("r.txt", Cp1252File({"erster Bericht"}));
  Show("r.txt");
  text().insertPlainText("getippt ");
  WriteFile("r.txt", Cp1252File({"zweiter Bericht"}));
  Show("r.txt");
  EXPECT_EQ(text().toPlainText(), "zweiter Bericht\n");
}

TEST_F(QuickViewWindow, ShowTextFileKeepsTheFormattingOfRichText) {
  WriteFile("f.rtf",
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}\\f0\\fs24 normal {\\b fett} "
            "{\\i schr\\'e4g}\\par}");
  Show("f.rtf");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(FormatAt(*text().document(), "fett").font().bold());
  EXPECT_FALSE(FormatAt(*text().document(), "normal").font().bold());
  EXPECT_TRUE(FormatAt(*text().document(), QString::fromUtf8("schräg")).fontItalic());
  EXPECT_EQ(FamilyAt(*text().document(), "normal"), "Liberation Serif");
}

TEST_F(QuickViewWindow, WideSecondLineWidensTheWindowAtActivation) {
  WriteFile("breit.txt", Cp1252File({"Kopf", QString(100, 'x'), "Rest"}));
  Show("breit.txt");
  view().Form_Activate();
  EXPECT_EQ(view().ViewWidth(), 12600);
  EXPECT_EQ(view().width(), TwipsToPixels(12600));
  // Wider than half the free screen: the left edge moves in so it fits.
  const double p = std::max(1.0, std::nearbyint((ScreenWidthTwips() - 12600) / 2));
  EXPECT_LE(view().x(), TwipsToPixels(p));

  // A width set by hand is replaced at the next activation.
  view().resize(TwipsToPixels(8000), view().height());
  view().Form_Activate();
  EXPECT_EQ(view().width(), TwipsToPixels(12600));
}

TEST_F(QuickViewWindow, TextWithoutLineBreakKeepsTheDesignedWidth) {
  WriteFile("eine.txt", QByteArray(300, 'x'));
  Show("eine.txt");
  view().Form_Activate();
  EXPECT_EQ(view().ViewWidth(), 11670);
  EXPECT_EQ(view().width(), TwipsToPixels(11670));
}

TEST_F(QuickViewWindow, OverlongSecondLineTakesTheScreenWidthInsteadOfOverflowing) {
  WriteFile("lang.txt", Cp1252File({"Kopf", QString(400, 'x'), "Rest"}));
  Show("lang.txt");
  view().Form_Activate();
  const double screen = std::clamp(std::floor(ScreenWidthTwips()), 11670.0, 32767.0);
  EXPECT_EQ(view().ViewWidth(), static_cast<int>(screen));
}

TEST_F(QuickViewWindow, MaximisedWindowKeepsItsWidthAtActivation) {
  WriteFile("breit.txt", Cp1252File({"Kopf", QString(100, 'x'), "Rest"}));
  Show("breit.txt");
  view().showMaximized();
  view().Form_Activate();
  EXPECT_EQ(view().ViewWidth(), 11670);
  EXPECT_EQ(view().StatusText(), "breit.txt");
}

class ShowTextFileError : public QuickViewTest {
 protected:
  void ExpectErrorBox(const MessageCall& call, const char* title, const char* text) {
    EXPECT_EQ(call.title, title);
    EXPECT_EQ(call.prompt, text);
    EXPECT_EQ(call.buttons, MsgButtons::AbortRetryIgnore);
    EXPECT_EQ(call.icon, MsgIcon::Exclamation);
  }
};

TEST_F(ShowTextFileError, AbortLeavesTheWindowHidden) {
  platform.answers = {MsgResult::Abort};
  Show("Zelvar-Beam.txt");
  ASSERT_EQ(platform.messages.size(), 1u);
  ExpectErrorBox(platform.messages[0], " Fehler  53", "Datei nicht gefunden");
  EXPECT_FALSE(view().isVisible());
}

TEST_F(ShowTextFileError, RetryLoadsTheFileOnceItIsThere) {
  platform.answers = {MsgResult::Retry, MsgResult::Retry};
  int boxes = 0;
  platform.onMessageBox = [&] {
    if (++boxes == 2) WriteFile("Zelvar-Beam.txt", Cp1252File({"jetzt da"}));
  };
  Show("Zelvar-Beam.txt");
  ASSERT_EQ(platform.messages.size(), 2u);
  ExpectErrorBox(platform.messages[1], " Fehler  53", "Datei nicht gefunden");
  EXPECT_TRUE(view().isVisible());
  EXPECT_EQ(text().toPlainText(), "jetzt da\n");
  EXPECT_EQ(view().FileName(), "Zelvar-Beam.txt");
}

TEST_F(ShowTextFileError, IgnoreShowsTheWindowWithItsEarlierText) {
  WriteFile("alt.txt", Cp1252File({"alter Text"}));
  Show("alt.txt");
  platform.answers = {MsgResult::Ignore};
  Show("fehlt/Zelvar-Beam.txt");
  ASSERT_EQ(platform.messages.size(), 1u);
  ExpectErrorBox(platform.messages[0], " Fehler  76", "Pfad nicht gefunden");
  EXPECT_TRUE(view().isVisible());
  EXPECT_EQ(text().toPlainText(), "alter Text\n");
  EXPECT_EQ(view().FileName(), "alt.txt");
}

TEST_F(ShowTextFileError, NoResultFileYet) {
  platform.answers = {MsgResult::Abort};
  Show(QString());
  ASSERT_EQ(platform.messages.size(), 1u);
  ExpectErrorBox(platform.messages[0], " Fehler  53", "Datei nicht gefunden");
}

using TextModified = QuickViewTest;

TEST_F(TextModified, MouseClickInTheTextCounts) {
  WriteFile("r.txt", Cp1252File(ReportLines()));
  Show("r.txt");
  EXPECT_FALSE(view().TextModified());
  QTest::mouseClick(text().viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_TRUE(view().TextModified());
}

TEST_F(TextModified, TypedKeysCountButCaretKeysDoNot) {
  WriteFile("r.txt", Cp1252File(ReportLines()));
  Show("r.txt");
  for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home})
    KeyIntoText(key);
  EXPECT_FALSE(view().TextModified());
  KeyIntoText(Qt::Key_Delete);
  EXPECT_TRUE(view().TextModified());

  Show("r.txt");  // loading counts as unchanged again
  EXPECT_FALSE(view().TextModified());
  KeyIntoText(Qt::Key_A);
  EXPECT_TRUE(view().TextModified());
  EXPECT_TRUE(text().toPlainText().startsWith('a'));
}

// A paste goes through the clipboard as the desktop's does; the text area
// takes a copy of the data first and keeps the pasted formatting.
TEST_F(TextModified, PastedRichTextKeepsItsFormatting) {
  WriteFile("r.txt", Cp1252File(ReportLines()));
  Show("r.txt");
  auto* pasted = new QMimeData;
  pasted->setHtml(QStringLiteral("<b>Fett</b> eingefügt "));
  pasted->setText(QStringLiteral("Fett eingefügt "));
  QApplication::clipboard()->setMimeData(pasted);
  KeyIntoText(Qt::Key_Home);
  zb::test::PressKey(Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(text().toPlainText().startsWith(QStringLiteral("Fett eingefügt ")))
      << text().toPlainText().toStdString();
  EXPECT_TRUE(FormatAt(*text().document(), "Fett").font().bold());
  EXPECT_TRUE(view().TextModified());
}

using Closing = QuickViewTest;

TEST_F(Closing, NoToTheFirstQuestionKeepsTheWindow) {
  WriteFile("r.txt", Cp1252File(ReportLines()));
  Show("r.txt");
  KeyIntoText(Qt::Key_X);
  platform.answers = {MsgResult::No};
  EXPECT_FALSE(CloseView());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Schnellansicht wirklich schliessen ?");
  EXPECT_EQ(platform.messages[0].title, " Beenden");
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Question);
  EXPECT_TRUE(view().isVisible());
  EXPECT_TRUE(view().TextModified());
}

TEST_F(Closing, UntouchedTextAsksOnlyTheFirstQuestion) {
  WriteFile("r.txt", Cp1252File(ReportLines()));
  Show("r.txt");
  platform.answers = {MsgResult::Yes};
  EXPECT_TRUE(CloseView());
  EXPECT_EQ(platform.messages.size(), 1u);
  // The next use makes a fresh window.
  EXPECT_EQ(text().toPlainText(), QString());
  EXPECT_EQ(view().StatusText(), "Status:");
}

TEST_F(Closing, EmptyTextIsNotOfferedForSaving) {
  view().show();
  QTest::mouseClick(text().viewport(), Qt::LeftButton);
  ASSERT_TRUE(view().TextModified());
  platform.answers = {MsgResult::Yes};
  EXPECT_TRUE(CloseView());
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Closing, ChangedTextIsOfferedForSaving) {
  WriteFile("r.txt", Cp1252File(ReportLines()));
  Show("r.txt");
  QTest::mouseClick(text().viewport(), Qt::LeftButton);
  platform.answers = {MsgResult::Yes, MsgResult::No};
  EXPECT_TRUE(CloseView());
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].prompt, "Soll der Text gespeichert werden ?");
  EXPECT_EQ(platform.messages[1].title, " Text speichern ?");
  EXPECT_EQ(platform.messages[1].buttons, MsgButtons::YesNo);
  EXPECT_EQ(platform.messages[1].icon, MsgIcon::Question);
  EXPECT_TRUE(platform.fileDialogs.empty());
}

TEST_F(Closing, YesSavesAsRichTextThenCloses) {
  WriteFile("r.txt", Cp1252File(ReportLines()));
  Show("r.txt");
  KeyIntoText(Qt::Key_X);
  platform.answers = {MsgResult::Yes, MsgResult::Yes};
  platform.saveAnswers = {Path("gesichert.rtf")};
  const int eventsBefore = platform.doEvents;
  EXPECT_TRUE(CloseView());
  EXPECT_GT(platform.doEvents, eventsBefore);  // pending events run before the save
  const QByteArray saved = ReadFile("gesichert.rtf");
  EXPECT_TRUE(saved.startsWith("{\\rtf")) << saved.left(40).toStdString();
  EXPECT_EQ(platform.messages.size(), 2u);
}

// The user asked for the text to be saved; when the save dialog is
// cancelled the window stays open with the text instead of losing it.
TEST_F(Closing, SaveCancelledKeepsTheWindowAndTheText) {
  WriteFile("r.txt", Cp1252File(ReportLines()));
  Show("r.txt");
  KeyIntoText(Qt::Key_X);
  const QString typed = text().toPlainText();
  platform.answers = {MsgResult::Yes, MsgResult::Yes};
  platform.saveAnswers = {std::nullopt};
  EXPECT_FALSE(CloseView());
  EXPECT_TRUE(view().isVisible());
  EXPECT_EQ(text().toPlainText(), typed);
  EXPECT_TRUE(view().TextModified());

  // Asked again, the questions come again.
  platform.answers = {MsgResult::Yes, MsgResult::Yes};
  platform.saveAnswers = {Path("doch.rtf")};
  EXPECT_TRUE(CloseView());
  EXPECT_TRUE(ReadFile("doch.rtf").startsWith("{\\rtf"));
}

TEST_F(Closing, FailedSaveIsReportedAndKeepsTheWindow) {
  WriteFile("r.txt", Cp1252File(ReportLines()));
  Show("r.txt");
  KeyIntoText(Qt::Key_X);
  platform.answers = {MsgResult::Yes, MsgResult::Yes, MsgResult::Ok};
  platform.saveAnswers = {Path("kein/ordner.rtf")};
  EXPECT_FALSE(CloseView());
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[2].title, " Fehler  76");
  EXPECT_EQ(platform.messages[2].prompt, "Pfad nicht gefunden");
  EXPECT_EQ(platform.messages[2].icon, MsgIcon::Exclamation);
  EXPECT_EQ(platform.messages[2].buttons, MsgButtons::Ok);
  EXPECT_TRUE(view().isVisible());
  EXPECT_TRUE(view().TextModified());
}

// The frame's background drawings in the working directory, then the frame.
void StartWithDrawings(Module1& module, const std::function<QString(const QString&)>& path) {
  // The frame stores its placement in a settings store of the test's own.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path(QStringLiteral("settings")));
  zb::test::CopyProgramDrawings(path);
  module.StartProgram();
}

// "&Beenden" in the frame with a changed text in the
// quick view; "Nein" to the first question keeps the program running with
// every window as it was, and the text stays.
TEST_F(Closing, NoDuringTheFramesBeendenKeepsTheProgramAndTheText) {
  // The frame closing at the end quits no event loop of a later test.
  const bool quitOnLastWindow = QGuiApplication::quitOnLastWindowClosed();
  QGuiApplication::setQuitOnLastWindowClosed(false);
  StartWithDrawings(module(), [this](const QString& name) { return Path(name); });
  auto& frame = module().Windows().Default<MDIForm1>();
  WriteFile("r.txt", Cp1252File(ReportLines()));
  Show("r.txt");
  KeyIntoText(Qt::Key_X);
  const QString typed = text().toPlainText();
  platform.answers = {MsgResult::No};
  frame.findChild<QAction*>("mnuEnde")->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Schnellansicht wirklich schliessen ?");
  EXPECT_TRUE(frame.isVisible());
  EXPECT_FALSE(frame.ClosingFrame());
  ASSERT_TRUE(module().IsLoaded(frmRTF::kWindowClass));
  EXPECT_TRUE(view().isVisible());
  EXPECT_EQ(text().toPlainText(), typed);
  EXPECT_TRUE(view().TextModified());

  // Asked again, "Ja" and the question about the text follow, then the frame
  // closes (as "&Beenden" does before it ends the program, which a test cannot).
  platform.answers = {MsgResult::Yes, MsgResult::No};
  EXPECT_TRUE(frame.close());
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[2].prompt, "Soll der Text gespeichert werden ?");
  EXPECT_FALSE(frame.isVisible());
  QCoreApplication::processEvents();
  QGuiApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
}

TEST_F(Closing, ExitEntryRunsTheQuestions) {
  view().show();
  platform.answers = {MsgResult::No};
  view().findChild<QAction*>("mnuExit")->trigger();
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(view().isVisible());
}

}  // namespace
}  // namespace zb::ui::test
