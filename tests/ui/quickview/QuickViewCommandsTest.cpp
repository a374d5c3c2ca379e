// The quick view's commands: search, open, save, print, the font dialog, the
// format buttons and templates, and the help and info boxes.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>
#include <stdexcept>
#include <utility>

#include "core/shared/VersionInfo.h"
#include "locale/Language.h"
#include "tests/support/ProcessLocale.h"
#include "tests/ui/quickview/QuickViewTestSupport.h"
#include "ui/common/InstalledFamily.h"
#include "ui/frame/MDIForm1.h"
#include "ui/platform/QtPlatform.h"
#include "ui/quickview/QuickViewIcons.h"
#include "ui/quickview/QuickViewRules.h"
#include "ui/rtf/RtfDocument.h"

namespace zb::ui::test {
namespace {

class QuickViewCommand : public QuickViewTest {
 protected:
  void Load(const QString& plain) {
    WriteFile("text.txt", Cp1252File(plain.split('\n')));
    Show("text.txt");
  }
  void Select(int start, int length) {
    QTextCursor cursor = text().textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    text().setTextCursor(cursor);
  }
  void Trigger(const char* name) {
    QAction* action = view().findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
  }
  // A toolbar button as the user presses it.
  void Press(const char* toolbar, const char* key) {
    QToolBar* bar = view().findChild<QToolBar*>(toolbar);
    ASSERT_NE(bar, nullptr) << toolbar;
    for (QAction* action : bar->actions())
      if (action->data().toString() == QLatin1String(key)) return action->trigger();
    ADD_FAILURE() << "no button " << key;
  }
  int SelectionStart() { return text().textCursor().selectionStart(); }
  QString Selected() { return text().textCursor().selectedText(); }
};

// ---------------------------------------------------------------- search

using Search = QuickViewCommand;

TEST_F(Search, FromTheFirstCharacterPassesOverTheOccurrenceThere) {
  Load("Antenne und antenne\nANTENNE ende");
  Select(0, 0);
  platform.inputs = {std::string("Antenne")};
  Trigger("mnuSuchen");
  ASSERT_EQ(platform.inputPrompts.size(), 1u);
  EXPECT_EQ(platform.inputPrompts[0], "Bitte Suchtext eingeben.");
  EXPECT_EQ(platform.inputTitles[0], "Suchen");
  EXPECT_EQ(platform.inputDefaults[0], "");
  EXPECT_EQ(SelectionStart(), 12);
  EXPECT_EQ(Selected(), "antenne");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Search, AgainSearchesTheSelectionUpToTheEndThenStops) {
  Load("Antenne und antenne\nANTENNE ende");
  Select(12, 7);
  Trigger("mnuSuchWeiter");
  EXPECT_EQ(SelectionStart(), 20);
  EXPECT_EQ(Selected(), "ANTENNE");
  EXPECT_TRUE(platform.inputPrompts.empty());

  platform.answers = {MsgResult::Ok};
  Trigger("mnuSuchWeiter");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].prompt, "Leider keine (weitere) Fundstelle");
  EXPECT_EQ(platform.messages[0].title, " Suchen");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::Ok);
  // The caret stands at the start with nothing selected.
  EXPECT_EQ(text().textCursor().position(), 0);
  EXPECT_FALSE(text().textCursor().hasSelection());
}

TEST_F(Search, CapitalsFindMixedCase) {
  Load("Resonanzfrequenz: 14,15 MHz\nVerkürzungsfaktor des Drahtes");
  platform.inputs = {std::string("VERKÜRZUNGSFAKTOR")};
  Trigger("mnuSuchen");
  EXPECT_EQ(SelectionStart(), 28);
  EXPECT_EQ(Selected(), QString::fromUtf8("Verkürzungsfaktor"));
}

TEST_F(Search, AgainWithNothingSelectedDoesNothing) {
  Load("Antenne und antenne");
  Select(5, 0);
  Trigger("mnuSuchWeiter");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.inputPrompts.empty());
  EXPECT_EQ(text().textCursor().position(), 5);
}

TEST_F(Search, SelectionIsTheProposalAndCancelEndsTheSearch) {
  Load("Antenne und antenne");
  Select(8, 3);
  platform.inputs = {std::nullopt};
  Trigger("mnuSuchen");
  EXPECT_EQ(platform.inputDefaults[0], "und");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Selected(), "und");
}

TEST_F(Search, AtTheEndFindsNothingMore) {
  Load("ende am Ende");
  Select(12, 0);
  platform.inputs = {std::string("ende")};
  platform.answers = {MsgResult::Ok};
  Trigger("mnuSuchen");
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(text().textCursor().position(), 0);
}

// ---------------------------------------------------------------- open

using Open = QuickViewCommand;

TEST_F(Open, PlainTextFileChangesNothing) {
  Load("der Bericht");
  view().Form_Activate();
  WriteFile("anders.txt", "ein anderer Text\r\n");
  platform.openAnswers = {Path("anders.txt")};
  Trigger("mnuOpen");
  EXPECT_EQ(text().toPlainText(), "der Bericht\n");
  EXPECT_EQ(view().StatusText(), "text.txt");
  EXPECT_EQ(view().FileName(), "text.txt");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(view().isVisible());
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_EQ(platform.fileDialogs[0].filter,
            "Text File (*.Txt)|*.txt|Rich Text File (*.Rtf)|*.rtf|All Files (*.*)|*.*");
}

TEST_F(Open, RichTextFileReplacesTheTextAndNamesItsPath) {
  Load("der Bericht");
  KeyIntoText(Qt::Key_X);
  WriteFile("neu.rtf", "{\\rtf1\\ansi {\\b Fett} und normal\\par}");
  platform.openAnswers = {Path("neu.rtf")};
  Press("Toolbar1", "Open");
  EXPECT_EQ(text().toPlainText(), "Fett und normal");
  EXPECT_TRUE(FormatAt(*text().document(), "Fett").font().bold());
  EXPECT_EQ(view().StatusText(), Path("neu.rtf"));
  EXPECT_FALSE(view().TextModified());
  EXPECT_TRUE(view().isVisible());
}

TEST_F(Open, CancelChangesNothingAndRestoresTheWorkingDirectory) {
  Load("der Bericht");
  const QString folder = QDir::currentPath();
  platform.openAnswers = {std::nullopt};
  platform.onFileDialog = [] { QDir::setCurrent(QDir::tempPath()); };
  Trigger("mnuOpen");
  EXPECT_EQ(QDir::currentPath(), folder);
  EXPECT_EQ(text().toPlainText(), "der Bericht\n");
  EXPECT_TRUE(view().isVisible());
}

// A command that fails ends with the error box, never the program: no
// exception may pass through Qt's signal code. One quick-view command, one of
// the frame's.
TEST_F(Open, AFailingCommandEndsWithTheErrorBox) {
  Load("der Bericht");
  platform.onFileDialog = [] { throw std::runtime_error("the desktop's file portal went away"); };
  platform.answers = {MsgResult::Ok};
  Trigger("mnuOpen");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, " Fehler ");
  EXPECT_EQ(text().toPlainText(), "der Bericht\n");

  bool thrown = false;
  platform.onMessageBox = [&thrown] {
    if (!std::exchange(thrown, true)) throw std::runtime_error("no message box today");
  };
  platform.answers = {MsgResult::Ok};
  QAction* info = module().Windows().Default<MDIForm1>().findChild<QAction*>(QStringLiteral("mnuInfo"));
  ASSERT_NE(info, nullptr);
  info->trigger();
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].title, " Fehler ");
}

// ---------------------------------------------------------------- save

using Save = QuickViewCommand;

// The saved rich text (font sizes, indents, colours) is the same whatever
// the desktop's locale: a decimal comma has no place in it.
TEST_F(Save, TheSameFileUnderAGermanLocale) {
  Load("Größte Antennenbreite: ~ 6,14 m");
  view().SetTextFontName(QStringLiteral("Courier New"));
  platform.saveAnswers = {Path("c.rtf"), Path("de.rtf")};
  Trigger("mnuSave");
  {
    zb::test::ProcessLocale german(zb::test::kGermanLocale);
    Trigger("mnuSave");
  }
  ASSERT_FALSE(ReadFile("c.rtf").isEmpty());
  EXPECT_EQ(ReadFile("de.rtf"), ReadFile("c.rtf"));
}

TEST_F(Save, TextFileFilterStillWritesRichText) {
  Load("Größte Antennenbreite: ~ 6,14 m\n45° bzw. 90°");
  KeyIntoText(Qt::Key_End);
  KeyIntoText(Qt::Key_Space);
  ASSERT_TRUE(view().TextModified());
  platform.saveAnswers = {Path("bericht.txt")};
  Trigger("mnuSave");
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  const FileDialogOptions& options = platform.fileDialogs[0];
  EXPECT_EQ(options.filter, "Text File (*.Txt)|*.txt|Rich Text File (*.Rtf)|*.rtf|All Files (*.*)|*.*");
  EXPECT_EQ(options.proposedName, "text.txt");
  EXPECT_TRUE(options.promptOverwrite);
  EXPECT_TRUE(options.promptCreate);

  const QByteArray saved = ReadFile("bericht.txt");
  ASSERT_TRUE(rtf::LooksLikeRtf(saved)) << saved.left(40).toStdString();
  QTextDocument back;
  ASSERT_TRUE(rtf::ReadRtf(saved, back));
  EXPECT_TRUE(
      back.toPlainText().startsWith(QString::fromUtf8("Größte Antennenbreite: ~ 6,14 m \n45° bzw. 90°")))
      << back.toPlainText().toStdString();
  EXPECT_FALSE(view().TextModified());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Save, CancelKeepsTheChangeMarkAndTheWorkingDirectory) {
  Load("Text");
  KeyIntoText(Qt::Key_X);
  const QString folder = QDir::currentPath();
  platform.onFileDialog = [] { QDir::setCurrent(QDir::tempPath()); };
  platform.saveAnswers = {std::nullopt};
  Press("Toolbar1", "Save");
  EXPECT_TRUE(view().TextModified());
  EXPECT_EQ(QDir::currentPath(), folder);
}

TEST_F(Save, FailureIsReportedAndTheTextStillCountsAsChanged) {
  Load("Text");
  KeyIntoText(Qt::Key_X);
  ASSERT_TRUE(QDir(QDir::currentPath()).mkdir("ordner"));
  platform.saveAnswers = {Path("ordner")};
  platform.answers = {MsgResult::Ok};
  Trigger("mnuSave");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, " Fehler  75");
  EXPECT_EQ(platform.messages[0].prompt, "Fehler beim Zugriff auf Pfad/Datei");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_TRUE(view().TextModified());
}

TEST_F(Save, RichTextComesBackWithItsFormatting) {
  view().show();
  QTextCursor cursor(text().document());
  const auto run = [&](const QString& words, const std::function<void(QTextCharFormat&)>& style) {
    QTextCharFormat format;
    format.setFontFamilies(QStringList{"Liberation Sans"});
    format.setFontPointSize(10);
    style(format);
    cursor.insertText(words, format);
  };
  run("Titel", [](QTextCharFormat& f) {
    f.setFontFamilies(QStringList{"Liberation Serif"});
    f.setFontPointSize(16);
    f.setFontWeight(QFont::Bold);
  });
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  cursor.setBlockFormat(centred);
  cursor.insertBlock(QTextBlockFormat());
  run("schraeg ", [](QTextCharFormat& f) { f.setFontItalic(true); });
  run("unterstrichen ", [](QTextCharFormat& f) { f.setFontUnderline(true); });
  run("durchgestrichen ", [](QTextCharFormat& f) { f.setFontStrikeOut(true); });
  run("rot ", [](QTextCharFormat& f) { f.setForeground(QColor(255, 0, 0)); });
  run("mono", [](QTextCharFormat& f) { f.setFontFamilies(QStringList{"Liberation Mono"}); });
  QTextBlockFormat right;
  right.setAlignment(Qt::AlignRight);
  cursor.insertBlock(right);
  run("rechts", [](QTextCharFormat&) {});

  platform.saveAnswers = {Path("format.rtf")};
  Trigger("mnuSave");
  text().clear();
  platform.openAnswers = {Path("format.rtf")};
  Trigger("mnuOpen");

  const QTextDocument& doc = *text().document();
  ASSERT_EQ(doc.blockCount(), 3) << doc.toPlainText().toStdString();
  const QTextCharFormat title = FormatAt(doc, "Titel");
  EXPECT_EQ(title.font().family(), "Liberation Serif");
  EXPECT_DOUBLE_EQ(title.fontPointSize(), 16);
  EXPECT_TRUE(title.font().bold());
  EXPECT_FALSE(FormatAt(doc, "schraeg").font().bold());
  EXPECT_TRUE(FormatAt(doc, "schraeg").fontItalic());
  EXPECT_DOUBLE_EQ(FormatAt(doc, "schraeg").fontPointSize(), 10);
  EXPECT_TRUE(FormatAt(doc, "unterstrichen").fontUnderline());
  EXPECT_FALSE(FormatAt(doc, "unterstrichen").fontItalic());
  EXPECT_TRUE(FormatAt(doc, "durchgestrichen").fontStrikeOut());
  EXPECT_EQ(FormatAt(doc, "rot").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(FormatAt(doc, "mono").font().family(), "Liberation Mono");
  EXPECT_EQ(FormatAt(doc, "rechts").font().family(), "Liberation Sans");
  EXPECT_EQ(doc.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(doc.findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  EXPECT_EQ(doc.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

// ---------------------------------------------------------------- print

using Print = QuickViewCommand;

int PdfPages(const QByteArray& pdf) {
  return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                          pdf.count("/Type /Page "));
}

TEST_F(Print, EverythingWhenNothingIsSelected) {
  QStringList lines;
  for (int i = 0; i < 200; ++i) lines << QStringLiteral("Zeile %1").arg(i);
  Load(lines.join('\n'));
  platform.printAnswers = {false};
  Trigger("mnuPrint");
  ASSERT_EQ(platform.printDialogPresets, std::vector<bool>{false});
  QFile pdf(platform.printFile);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_GE(PdfPages(pdf.readAll()), 3);
}

TEST_F(Print, TheSelectionWhenChosen) {
  QStringList lines;
  for (int i = 0; i < 200; ++i) lines << QStringLiteral("Zeile %1").arg(i);
  Load(lines.join('\n'));
  Select(0, 20);
  platform.printAnswers = {true};
  Press("Toolbar1", "Print");
  ASSERT_EQ(platform.printDialogPresets, std::vector<bool>{true});
  QFile pdf(platform.printFile);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_EQ(PdfPages(pdf.readAll()), 1);
}

TEST_F(Print, CancelPrintsNothing) {
  Load("Text");
  platform.printAnswers = {std::nullopt};
  Trigger("mnuPrint");
  EXPECT_FALSE(QFileInfo::exists(platform.printFile));
}

// The page starts with an empty line, then the text (or
// the selection); the document is laid out on the printer's pages, so Qt
// adds no page-number footer (it does so only for documents it paginates
// itself).
TEST_F(Print, AnEmptyLineFirstAndNoPageNumbers) {
  Load("Erste Zeile\nZweite Zeile");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Path("p.pdf"));
  const auto all = frmRTF::DocumentForPrinter(*text().document(), nullptr, printer);
  ASSERT_GE(all->blockCount(), 3);
  EXPECT_EQ(all->findBlockByNumber(0).text(), QString());
  EXPECT_EQ(all->findBlockByNumber(1).text(), "Erste Zeile");
  EXPECT_EQ(all->findBlockByNumber(2).text(), "Zweite Zeile");
  EXPECT_TRUE(all->pageSize().isValid());
  EXPECT_LT(all->pageSize().height(), 1e6);  // paginated here, not by Qt's print
  EXPECT_EQ(all->pageCount(), 1);

  Select(6, 5);
  const QTextCursor cursor = text().textCursor();
  const auto selection = frmRTF::DocumentForPrinter(*text().document(), &cursor, printer);
  EXPECT_EQ(selection->toPlainText(), "\nZeile");
  // The screen's document is untouched.
  EXPECT_EQ(text().document()->findBlockByNumber(0).text(), "Erste Zeile");
}

// The print dialog offers no page range: "Pages from", its boxes, "Pages"
// and "Current Page" are disabled, and stay so.
TEST_F(Print, TheDialogsPageRangeIsDisabled) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Path("p.pdf"));
  QPrintDialog dialog(&printer, &view());
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  zb::ui::LockPageRange(dialog);
  QStringList enabled;
  int found = 0;
  for (const char* name : zb::ui::kPageRangeControls)
    for (QWidget* w : dialog.findChildren<QWidget*>(QLatin1String(name))) {
      ++found;
      if (w->isEnabled()) enabled << QLatin1String(name);
      w->setEnabled(true);  // as the dialog does when the printer changes
      if (w->isEnabled()) enabled << QLatin1String(name) + "(again)";
    }
  EXPECT_GE(found, 5);
  EXPECT_EQ(enabled, QStringList());
}

// Screen readers name the toolbar buttons by their German
// tooltips, not by their English keys.
TEST_F(Print, ToolbarButtonsAreNamedByTheirTooltips) {
  QStringList names;
  for (const char* bar : {"Toolbar1", "Toolbar2"}) {
    QToolBar* toolbar = view().findChild<QToolBar*>(bar);
    ASSERT_NE(toolbar, nullptr);
    for (QAction* action : toolbar->actions()) {
      QWidget* button = toolbar->widgetForAction(action);
      ASSERT_NE(button, nullptr);
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
      ASSERT_NE(accessible, nullptr);
      names << accessible->text(QAccessible::Name);
    }
  }
  EXPECT_EQ(names, (QStringList{"Öffnen *.RTF", "Speichern als RTF", "Drucken", "Format: Schrift",
                                "Format: Fett", "Format: Kursiv", "Format: Unterstreichen"}));
}

// ---------------------------------------------------------------- format

using Format = QuickViewCommand;

TEST_F(Format, ButtonsOnlySwitchOn) {
  Load("eins zwei drei");
  Select(5, 4);
  view().OnFormatButtonClicked("Bold");
  view().OnFormatButtonClicked("Bold");
  view().OnFormatButtonClicked("Kursiv");
  view().OnFormatButtonClicked("Underline");
  view().OnFormatButtonClicked("Underline");
  const QTextCharFormat zwei = FormatAt(*text().document(), "zwei");
  EXPECT_TRUE(zwei.font().bold());
  EXPECT_TRUE(zwei.fontItalic());
  EXPECT_TRUE(zwei.fontUnderline());
  const QTextCharFormat drei = FormatAt(*text().document(), "drei");
  EXPECT_FALSE(drei.font().bold());
  EXPECT_FALSE(drei.fontItalic());
  EXPECT_FALSE(drei.fontUnderline());
}

TEST_F(Format, UnknownKeysDoNothing) {
  Load("eins zwei");
  Select(0, 4);
  const QString before = text().document()->toHtml();
  view().OnFileButtonClicked("Bold");
  view().OnFormatButtonClicked("Open");
  view().OnFormatButtonClicked("");
  EXPECT_EQ(text().document()->toHtml(), before);
  EXPECT_TRUE(platform.fileDialogs.empty());
}

TEST_F(Format, FontDialogStartsFromTheSelectionAndAppliesToIt) {
  Load("eins zwei drei");
  Select(5, 4);
  view().OnFormatButtonClicked("Bold");
  FontChoice choice;
  choice.font = QFont("Liberation Serif", 14);
  choice.font.setItalic(true);
  choice.font.setStrikeOut(true);
  choice.color = QColor(0, 0, 255);
  platform.fontAnswers = {choice};
  platform.events.clear();
  Trigger("mnuFont");

  ASSERT_EQ(platform.fontDialogs.size(), 1u);
  EXPECT_TRUE(platform.fontDialogs[0].font.bold());
  EXPECT_EQ(platform.fontDialogs[0].font.family(), InstalledFamily("Courier New"));
  EXPECT_EQ(platform.events,
            (std::vector<std::string>{"hourglass", "doevents", "default pointer", "doevents"}));

  const QTextCharFormat zwei = FormatAt(*text().document(), "zwei");
  EXPECT_EQ(zwei.font().family(), "Liberation Serif");
  EXPECT_DOUBLE_EQ(zwei.fontPointSize(), 14);
  EXPECT_FALSE(zwei.font().bold());  // the dialog's choice, not the earlier one
  EXPECT_TRUE(zwei.fontItalic());
  EXPECT_TRUE(zwei.fontStrikeOut());
  EXPECT_FALSE(zwei.fontUnderline());
  EXPECT_EQ(zwei.foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(FamilyAt(*text().document(), "drei"), InstalledFamily("Courier New"));
}

TEST_F(Format, FontDialogCancelledChangesNothing) {
  Load("eins zwei");
  Select(0, 4);
  const QString before = text().document()->toHtml();
  platform.fontAnswers = {std::nullopt};
  view().OnFormatButtonClicked("Font");
  EXPECT_EQ(text().document()->toHtml(), before);
  EXPECT_FALSE(platform.hourglass);
}

TEST_F(Format, TemplatesSetTheWholeTextFont) {
  Load("eins zwei\ndrei");
  Select(5, 4);
  view().OnFormatButtonClicked("Bold");
  QTextCursor all(text().document());
  all.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  all.mergeBlockFormat(centred);

  Trigger("mnuText");
  EXPECT_EQ(FamilyAt(*text().document(), "eins"), InstalledFamily("Arial"));
  EXPECT_DOUBLE_EQ(FormatAt(*text().document(), "drei").fontPointSize(), 8);
  EXPECT_TRUE(FormatAt(*text().document(), "zwei").font().bold());
  EXPECT_EQ(text().document()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);

  Trigger("mnuListing");
  EXPECT_EQ(FamilyAt(*text().document(), "drei"), InstalledFamily("Courier New"));
  EXPECT_DOUBLE_EQ(FormatAt(*text().document(), "eins").fontPointSize(), 8);

  // Standard also puts the paragraphs back to the left.
  Trigger("mnuStandard");
  EXPECT_EQ(FamilyAt(*text().document(), "eins"), InstalledFamily("Courier New"));
  EXPECT_DOUBLE_EQ(FormatAt(*text().document(), "drei").fontPointSize(), 10);
  EXPECT_TRUE(FormatAt(*text().document(), "zwei").font().bold());
  for (QTextBlock block = text().document()->begin(); block.isValid(); block = block.next())
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  EXPECT_DOUBLE_EQ(text().document()->defaultFont().pointSizeF(), 10);
}

// ---------------------------------------------------------------- help

using Help = QuickViewCommand;

TEST_F(Help, ShortHelpText) {
  platform.answers = {MsgResult::Ok};
  Trigger("mnuHilfe");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, " Kurzhilfe");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(platform.messages[0].prompt,
            "Mit den Tasten Pos 1, Ende,Bild hoch, Bild runter, den Cursor-Tasten   \r\n"
            "oder mit der Maus  läßt sich der Text verschieben und betrachten. \r\n"
            "\r\n"
            "Der Text kann wie in einem Textverarbeitungs-Programm formatiert und   \r\n"
            "bearbeitet werden. Danach kann der Text auch in der bearbeiteten Form   \r\n"
            "gespeichert und gedruckt werden.\r\n"
            "Eine Suchfunktion ermöglicht es bestimmte Textstellen schnell zu finden.\r\n"
            "Letzteres ist alles im Menü 'Datei' zu finden.");
}

TEST_F(Help, InfoText) {
  platform.answers = {MsgResult::Ok};
  Trigger("mnuInfo");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, " Info");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(platform.messages[0].prompt,
            std::string(" \r\nZelvar-Beam-Berechnung nach Kalvex\r\n\r\nVersion 1.0.0\r\n") +
                zb::version::kLegalNotice + "\r\n\r\n" + zb::version::kUsageTerms1 + " " +
                zb::version::kUsageTerms2 + "\r\n ");
}

// The bold and italic buttons show the style's initial in the interface's
// language: F and K in German, B and I in English.
TEST(QuickViewIcons, BoldAndItalicLettersFollowTheLanguage) {
  const auto picture = [](const char* key) {
    return QuickViewButtonImage(QString::fromLatin1(key), nullptr).pixmap(16).toImage();
  };
  const QImage bold = picture("Bold"), italic = picture("Kursiv"), underline = picture("Underline");
  const Translations english(Language::English);
  EXPECT_NE(picture("Bold"), bold);
  EXPECT_NE(picture("Kursiv"), italic);
  EXPECT_EQ(picture("Underline"), underline);
}

}  // namespace
}  // namespace zb::ui::test
