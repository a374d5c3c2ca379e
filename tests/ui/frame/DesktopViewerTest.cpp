// The desktop's registered viewer: the default application of the MIME type,
// its desktop entry, and the executable named in its Exec line.

#include <QDir>
#include <QFile>

#include "tests/ui/frame/FrameTestSupport.h"
#include "ui/platform/DesktopViewer.h"

namespace zb::test {
namespace {

using zb::ui::DesktopEntryExec;
using zb::ui::ExecProgram;
using zb::ui::FindDesktopEntryFile;
using zb::ui::RegisteredViewerFor;

// Sets an environment variable for the length of a test.
class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const QString& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value.toLocal8Bit());
  }
  ~EnvironmentVariable() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

void WriteExecutable(const QString& path, const QByteArray& script) {
  WriteFile(path, script);
  QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ReadOwner);
}

class DesktopViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    for (const char* folder : {"bin", "home/applications", "share/applications/kde4", "other/applications"})
      ASSERT_TRUE(QDir().mkpath(Path(folder)));
  }
  QString Path(const QString& relative) const { return QDir(root_.path()).filePath(relative); }

  QTemporaryDir root_;
};

TEST(DesktopViewerExec, FirstWordOfTheExecLineIsTheProgram) {
  EXPECT_EQ(ExecProgram("evince %U"), "evince");
  EXPECT_EQ(ExecProgram("  /usr/bin/okular --unique %u"), "/usr/bin/okular");
  EXPECT_EQ(ExecProgram("\"/opt/Mein Viewer/view\" %f"), "/opt/Mein Viewer/view");
  EXPECT_EQ(ExecProgram("\"/opt/a\\\"b\\\\c\\$d\" %f"), "/opt/a\"b\\c$d");
  EXPECT_EQ(ExecProgram("\"/opt/offen %f"), "");
  EXPECT_EQ(ExecProgram(""), "");
}

TEST_F(DesktopViewerTest, ExecIsReadFromTheDesktopEntryGroupOnly) {
  const QString file = Path("share/applications/viewer.desktop");
  WriteFile(file,
            "[Desktop Entry]\n"
            "Name=Betrachter\n"
            "# Exec=auskommentiert\n"
            "Exec[de]=lokalisiert %f\n"
            "Exec = \"/opt/Mein Viewer/a\\\\\\\\b\" %f\n"
            "[Desktop Action neu]\n"
            "Exec=anderes --neu\n");
  // The string escape "\\" comes first, then the quoting of the Exec line.
  EXPECT_EQ(DesktopEntryExec(file), "\"/opt/Mein Viewer/a\\\\b\" %f");
  EXPECT_EQ(ExecProgram(DesktopEntryExec(file)), "/opt/Mein Viewer/a\\b");

  WriteFile(file, "[Desktop Action neu]\nExec=anderes\n");
  EXPECT_EQ(DesktopEntryExec(file), "");
  EXPECT_EQ(DesktopEntryExec(Path("share/applications/fehlt.desktop")), "");
}

TEST_F(DesktopViewerTest, DesktopEntriesAreSearchedInTheDataFoldersInOrder) {
  const QStringList dirs = {Path("home"), Path("share"), Path("other")};
  WriteFile(Path("share/applications/viewer.desktop"), "[Desktop Entry]\n");
  WriteFile(Path("other/applications/viewer.desktop"), "[Desktop Entry]\n");
  EXPECT_EQ(FindDesktopEntryFile("viewer.desktop", dirs), Path("share/applications/viewer.desktop"));

  WriteFile(Path("home/applications/viewer.desktop"), "[Desktop Entry]\n");
  EXPECT_EQ(FindDesktopEntryFile("viewer.desktop", dirs), Path("home/applications/viewer.desktop"));

  // An entry in a subfolder has the folder in its id.
  WriteFile(Path("share/applications/kde4/okular.desktop"), "[Desktop Entry]\n");
  EXPECT_EQ(FindDesktopEntryFile("kde4-okular.desktop", dirs),
            Path("share/applications/kde4/okular.desktop"));

  EXPECT_EQ(FindDesktopEntryFile("fehlt.desktop", dirs), "");
  EXPECT_EQ(FindDesktopEntryFile("../viewer.desktop", dirs), "");
}

TEST_F(DesktopViewerTest, RegisteredViewerComesFromTheDesktopsDefaultApplication) {
  // A desktop whose default for PDF documents is a viewer in a folder on the path.
  WriteExecutable(Path("bin/xdg-mime"),
                  "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/query\"\n"
                  "echo zb-viewer.desktop\n");
  WriteExecutable(Path("bin/zb-pdf-viewer"), "#!/bin/sh\n");
  WriteFile(Path("share/applications/zb-viewer.desktop"),
            "[Desktop Entry]\nType=Application\nExec=zb-pdf-viewer --seite 1 %f\n");
  EnvironmentVariable path("PATH", Path("bin") + QStringLiteral(":/usr/bin:/bin"));
  EnvironmentVariable home("XDG_DATA_HOME", Path("home"));
  EnvironmentVariable dataDirs("XDG_DATA_DIRS", Path("share"));

  EXPECT_EQ(RegisteredViewerFor("/tmp/Zelvar-Beam_Hilfe.pdf"), Path("bin/zb-pdf-viewer"));
  QFile query(Path("bin/query"));
  ASSERT_TRUE(query.open(QIODevice::ReadOnly));
  EXPECT_EQ(query.readAll().trimmed(), "query default application/pdf");

  // A desktop entry whose program is not installed gives no viewer.
  QFile::remove(Path("bin/zb-pdf-viewer"));
  EXPECT_EQ(RegisteredViewerFor("/tmp/Zelvar-Beam_Hilfe.pdf"), "");
}

TEST_F(DesktopViewerTest, NoViewerWithoutXdgMimeOrWithoutADefault) {
  EnvironmentVariable dataDirs("XDG_DATA_DIRS", Path("share"));
  {
    EnvironmentVariable path("PATH", Path("bin"));
    EXPECT_EQ(RegisteredViewerFor("/tmp/Zelvar-Beam_Hilfe.pdf"), "");
  }
  WriteExecutable(Path("bin/xdg-mime"), "#!/bin/sh\nexit 0\n");
  EnvironmentVariable path("PATH", Path("bin") + QStringLiteral(":/usr/bin:/bin"));
  EXPECT_EQ(RegisteredViewerFor("/tmp/Zelvar-Beam_Hilfe.pdf"), "");
}

}  // namespace
}  // namespace zb::test
