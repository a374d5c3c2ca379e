// The help command: document missing, no viewer, viewer started; and the
// helpers it is made of.

#include <QDir>

#include "locale/Language.h"
#include "tests/ui/frame/FrameTestSupport.h"

namespace zb::test {
namespace {

class HelpCommandTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    ASSERT_TRUE(folders_.isValid());
    // Folders with blanks, as a user's program folder may have.
    programFolder_ = folders_.filePath(QStringLiteral("Zelvar Beam"));
    dataFolder_ = folders_.filePath(QStringLiteral("share data"));
    ASSERT_TRUE(QDir().mkpath(programFolder_));
    ASSERT_TRUE(QDir().mkpath(dataFolder_));
    Frame().SetProgramFolders(programFolder_, dataFolder_);
    viewer_ = folders_.filePath(QStringLiteral("pdf-viewer"));
    WriteFile(viewer_, "#!/bin/sh\n");
  }

  QString BesideProgram() const { return programFolder_ + QStringLiteral("/Zelvar-Beam_Hilfe.pdf"); }
  QString InDataFolder() const { return dataFolder_ + QStringLiteral("/Zelvar-Beam_Hilfe.pdf"); }

  QTemporaryDir folders_;
  QString programFolder_;
  QString dataFolder_;
  QString viewer_;
};

TEST_F(HelpCommandTest, MissingDocumentTellsWhereItShouldBe) {
  platform_.viewer = viewer_;
  platform_.answers.push_back(MsgResult::Ok);
  Frame().OnHelpClicked();
  ASSERT_EQ(platform_.messages.size(), 1u);
  const MessageCall& box = platform_.messages[0];
  EXPECT_EQ(box.title, " Datei nicht gefunden");
  EXPECT_EQ(box.icon, MsgIcon::Critical);
  EXPECT_EQ(box.buttons, MsgButtons::Ok);
  EXPECT_EQ(box.prompt, "Die Datei \r\n" + BesideProgram().toStdString() +
                            "\r\nist nicht vorhanden!\r\nBitte selbst nach der Datei suchen.");
  EXPECT_TRUE(platform_.started.empty());
}

TEST_F(HelpCommandTest, DocumentWithoutRegisteredViewerNamesTheDocumentOnItsOwnLine) {
  WriteFile(BesideProgram(), "%PDF-1.4\n");
  platform_.viewer = QString();
  platform_.answers.push_back(MsgResult::Ok);
  Frame().OnHelpClicked();
  ASSERT_EQ(platform_.messages.size(), 1u);
  const MessageCall& box = platform_.messages[0];
  EXPECT_EQ(box.title, " Hilfe");
  EXPECT_EQ(box.icon, MsgIcon::Critical);
  EXPECT_EQ(box.buttons, MsgButtons::Ok);
  EXPECT_EQ(box.prompt, "Acrobat Reader o.ä. nicht gefunden!\r\nHilfe finden Sie in der Datei \r\n" +
                            BesideProgram().toStdString() + "\r\n");
  EXPECT_TRUE(platform_.started.empty());
}

TEST_F(HelpCommandTest, RegisteredViewerThatIsNotThereCountsAsNone) {
  WriteFile(BesideProgram(), "%PDF-1.4\n");
  platform_.viewer = folders_.filePath(QStringLiteral("deinstalliert/viewer"));
  platform_.answers.push_back(MsgResult::Ok);
  Frame().OnHelpClicked();
  ASSERT_EQ(platform_.messages.size(), 1u);
  EXPECT_EQ(platform_.messages[0].title, " Hilfe");
  EXPECT_TRUE(platform_.started.empty());
}

TEST_F(HelpCommandTest, ViewerIsStartedWithTheDocumentAsOneArgument) {
  WriteFile(BesideProgram(), "%PDF-1.4\n");
  platform_.viewer = viewer_;
  Frame().OnHelpClicked();
  EXPECT_TRUE(platform_.messages.empty());
  ASSERT_EQ(platform_.started.size(), 1u);
  EXPECT_EQ(platform_.started[0], (QStringList{viewer_, BesideProgram()}));
  EXPECT_EQ(platform_.events.back(), "doevents");
}

TEST_F(HelpCommandTest, AnEnglishInterfaceOpensTheEnglishDocument) {
  const zb::ui::Translations english(zb::ui::Language::English);
  NewModule();
  Frame().SetProgramFolders(programFolder_, dataFolder_);
  WriteFile(BesideProgram(), "%PDF-1.4\n");
  const QString englishDocument = programFolder_ + QStringLiteral("/Zelvar-Beam_Help.pdf");
  WriteFile(englishDocument, "%PDF-1.4\n");
  platform_.viewer = viewer_;
  Frame().OnHelpClicked();
  ASSERT_EQ(platform_.started.size(), 1u);
  EXPECT_EQ(platform_.started[0], (QStringList{viewer_, englishDocument}));
  module_.reset();
}

TEST_F(HelpCommandTest, DocumentOnlyInTheDataFolderIsOpenedFromThere) {
  WriteFile(InDataFolder(), "%PDF-1.4\n");
  platform_.viewer = viewer_;
  Frame().OnHelpClicked();
  ASSERT_EQ(platform_.started.size(), 1u);
  EXPECT_EQ(platform_.started[0], (QStringList{viewer_, InDataFolder()}));

  // Beside the program it wins.
  WriteFile(BesideProgram(), "%PDF-1.4\n");
  Frame().OnHelpClicked();
  ASSERT_EQ(platform_.started.size(), 2u);
  EXPECT_EQ(platform_.started[1], (QStringList{viewer_, BesideProgram()}));
}

TEST_F(HelpCommandTest, OpenWithViewerQuotesTheCallersPdfPathButNeverTheArgument) {
  const QString tricky = QStringLiteral("/tmp/Hilfe \"; rm -rf ~; \"/Zelvar-Beam_Hilfe.PDF");
  QString text = tricky;
  module_->OpenWithViewer(viewer_, text);
  EXPECT_EQ(text, QLatin1Char('"') + tricky + QLatin1Char('"'));
  ASSERT_EQ(platform_.started.size(), 1u);
  EXPECT_EQ(platform_.started[0], (QStringList{viewer_, tricky}));

  // Opened a second time with the text already quoted: the argument is still the path.
  module_->OpenWithViewer(viewer_, text);
  ASSERT_EQ(platform_.started.size(), 2u);
  EXPECT_EQ(platform_.started[1], (QStringList{viewer_, tricky}));

  // Documents that are no PDF keep their text.
  QString notes = QStringLiteral("/tmp/Notizen.txt");
  module_->OpenWithViewer(viewer_, notes);
  EXPECT_EQ(notes, "/tmp/Notizen.txt");
  EXPECT_EQ(platform_.started[2], (QStringList{viewer_, "/tmp/Notizen.txt"}));
}

TEST_F(HelpCommandTest, FindViewerCutsAtTheFirstNulAndRejectsTheDocumentItself) {
  platform_.viewer = QStringLiteral("/usr/bin/viewer") + QChar(u'\0') + QStringLiteral("Rest");
  EXPECT_EQ(module_->FindViewer("/tmp/a.pdf"), "/usr/bin/viewer");
  platform_.viewer = QStringLiteral("/tmp/a.pdf");
  EXPECT_EQ(module_->FindViewer("/tmp/a.pdf"), "");
  platform_.viewer = QString();
  EXPECT_EQ(module_->FindViewer("/tmp/a.pdf"), "");
}

TEST_F(HelpCommandTest, CheckFileExistsIsQuietForAnExistingFile) {
  WriteFile(BesideProgram(), "%PDF-1.4\n");
  EXPECT_TRUE(module_->CheckFileExists(BesideProgram()));
  EXPECT_TRUE(platform_.messages.empty());
  // A folder of that name is no file.
  platform_.answers.push_back(MsgResult::Ok);
  EXPECT_FALSE(module_->CheckFileExists(programFolder_));
  EXPECT_EQ(platform_.messages.size(), 1u);
}

}  // namespace
}  // namespace zb::test
