#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <sstream>

#include "core/numbers/RuntimeError.h"
#include "report/SafeFile.h"

namespace zb {
namespace {

namespace fs = std::filesystem;

class SafeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("zb-safefile-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
  }
  int FilesIn(const fs::path& dir) {
    return static_cast<int>(std::distance(fs::directory_iterator(dir), {}));
  }
  int ErrorOf(const fs::path& path, std::string_view bytes) {
    try {
      ReplaceFileSafely(path, bytes);
    } catch (const RuntimeError& e) {
      return e.Number();
    }
    return 0;
  }

  fs::path folder;
};

TEST_F(SafeFile, ReplacesTheWholeFile) {
  const fs::path target = folder / "Zelvar-Beam.txt";
  ReplaceFileSafely(target, std::string(5000, 'a'));
  ReplaceFileSafely(target, "kurz\r\n");
  EXPECT_EQ(Read(target), "kurz\r\n");
  EXPECT_EQ(FilesIn(folder), 1);
}

TEST_F(SafeFile, AFailedRenameKeepsWhatWasThere) {
  const fs::path target = folder / "Zelvar-Beam.txt";
  fs::create_directories(target / "inside");  // a folder in the file's place
  EXPECT_EQ(ErrorOf(target, "neu"), kPathFileAccess);
  EXPECT_TRUE(fs::is_directory(target / "inside"));
  EXPECT_EQ(FilesIn(folder), 1);  // no temporary file left behind
}

TEST_F(SafeFile, AMissingFolderIsReported) {
  EXPECT_EQ(ErrorOf(folder / "fehlt" / "Zelvar-Beam.txt", "neu"), kPathNotFound);
}

TEST_F(SafeFile, FailedWritesNameTheReasonAndLeaveNothingBehind) {
  std::ofstream(folder / "datei") << "Inhalt";
  EXPECT_EQ(ErrorOf(folder / "datei" / "unter.rtf", "x"), kPathNotFound);
  EXPECT_EQ(ErrorOf("", "x"), kPathNotFound);
  EXPECT_EQ(Read(folder / "datei"), "Inhalt");
  EXPECT_EQ(FilesIn(folder), 1);
}

TEST_F(SafeFile, AReadOnlyFileStaysAsItIs) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write any file";
  const fs::path target = folder / "Zelvar-Beam.txt";
  std::ofstream(target) << "geschützt";
  fs::permissions(target, fs::perms::owner_read);
  EXPECT_EQ(ErrorOf(target, "neu"), kPermissionDenied);
  EXPECT_EQ(Read(target), "geschützt");
}

TEST_F(SafeFile, AFullDiskLeavesTheOldReportIntact) {
  const fs::path target = folder / "Zelvar-Beam.txt";
  ReplaceFileSafely(target, "alter Bericht\r\n");
  // A file-size limit makes writing fail part way, as a full disk would.
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int error = ErrorOf(target, std::string(100000, 'x'));
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(error, kDiskFull);
  EXPECT_EQ(Read(target), "alter Bericht\r\n");
  EXPECT_EQ(FilesIn(folder), 1);
}

TEST(FileErrorNumber, NamesTheCauseAsTheUserKnowsIt) {
  EXPECT_EQ(FileErrorNumber(EACCES), kPermissionDenied);
  EXPECT_EQ(FileErrorNumber(EROFS), kPermissionDenied);
  EXPECT_EQ(FileErrorNumber(ENOSPC), kDiskFull);
  EXPECT_EQ(FileErrorNumber(ENOENT), kPathNotFound);
  EXPECT_EQ(FileErrorNumber(EIO), kPathFileAccess);
  EXPECT_EQ(ErrorDescription(kPermissionDenied), "Zugriff verweigert");
  EXPECT_EQ(ErrorDescription(kDiskFull), "Datenträger voll");
  EXPECT_EQ(ErrorDescription(kPathFileAccess), "Fehler beim Zugriff auf Pfad/Datei");
}

}  // namespace
}  // namespace zb
