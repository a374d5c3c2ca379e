#pragma once
// The printouts' tests: the beam form in a shown frame (or any fixture built
// on it), the PDF the scripted printer wrote, read back with poppler's tools.

#include <QAction>
#include <QProcess>
#include <QRegularExpression>

#include "tests/ui/beamform/FormTestSupport.h"

namespace zb::test {

template <typename Fixture>
class PrintTestOn : public Fixture {
 protected:
  using Fixture::frame;
  using Fixture::platform;

  static QByteArray Run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
    return process.readAllStandardOutput();
  }
  int PrintedPages() {
    if (!QFile::exists(platform.printFile)) return 0;
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(QString::fromUtf8(Run("pdfinfo", {platform.printFile})));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
  }
  // The printed text with every run of white space as one blank.
  QString PrintedText() {
    return QString::fromUtf8(Run("pdftotext", {platform.printFile, "-"}))
        .replace(QRegularExpression("\\s+"), " ");
  }
  // The first page as a greyscale picture, coarse unless asked otherwise.
  QByteArray PageImage(int dotsPerInch = 20) {
    return Run("pdftoppm", {"-r", QString::number(dotsPerInch), "-gray", "-singlefile", platform.printFile});
  }
  void Choose(const char* menuEntry) {
    QWidget& window = frame();
    QAction* action = window.findChild<QAction*>(QString::fromUtf8(menuEntry));
    ASSERT_TRUE(action);
    action->trigger();
  }
};

using PrintTest = PrintTestOn<FormTest>;

}  // namespace zb::test
