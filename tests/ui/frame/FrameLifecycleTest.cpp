// Start-up, the status bar, activation, the info box and closing the frame.

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include "core/shared/VersionInfo.h"
#include "locale/LocaleText.h"
#include "tests/ui/frame/FrameTestSupport.h"
#include "ui/common/Twips.h"

namespace zb::test {
namespace {

// A window that writes down when it is closed, and that only hides itself
// when the user closes it, as the beam form does.
class RecordingWindow : public QWidget {
 public:
  RecordingWindow(const QString& name, std::vector<QString>& log, zb::ui::MDIForm1& frame,
                  bool onlyHides = false)
      : name_(name), log_(log), frame_(frame), onlyHides_(onlyHides) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (onlyHides_ && !frame_.ClosingFrame()) {
      event->ignore();
      hide();
      return;
    }
    log_.push_back(name_);
    event->accept();
  }

 private:
  QString name_;
  std::vector<QString>& log_;
  zb::ui::MDIForm1& frame_;
  bool onlyHides_;
};

using FrameLifecycleTest = FrameTest;

TEST_F(FrameLifecycleTest, StartProgramSetsTheSharedStateAndShowsTheFrame) {
  zb::ModuleState& state = module_->State();
  state.Zeilenumbruch = "\n";
  state.IsolierVf = 0.25;
  state.AndereFrequenz = 7.5f;
  state.DreiQuertraeger = false;
  state.KoeffDipol = 1.0f;
  state.FaktorReflektor = 2.0f;
  state.FaktorDirektor = 3.0f;
  state.PruningFensterAnzahl = 1;

  module_->StartProgram();
  EXPECT_EQ(state.Zeilenumbruch, "\r\n");
  EXPECT_EQ(state.IsolierVf, 0.0);
  EXPECT_EQ(state.AndereFrequenz, 0.0f);
  EXPECT_TRUE(state.DreiQuertraeger);
  EXPECT_EQ(state.KoeffDipol, 168.23985f);
  EXPECT_EQ(state.FaktorReflektor, 1.0152133f);
  EXPECT_EQ(state.FaktorDirektor, 0.97023302f);
  EXPECT_EQ(state.PruningFensterAnzahl, 1);  // not the start-up's to set
  // No result file in the working directory yet.
  EXPECT_EQ(state.Ergebnisdatei, "");
  EXPECT_TRUE(Frame().isVisible());
  EXPECT_EQ(Frame().windowTitle(), "Kalvex Zelvar-Beam-Berechnung");
  EXPECT_FALSE(Frame().windowIcon().availableSizes().isEmpty());
  // Showing the frame activates it.
  EXPECT_EQ(Frame().StatusText(), "Status: Bereit für Antennen-Berechnungen");
  // Pending events run before and after the frame is shown.
  EXPECT_EQ(platform_.events, (std::vector<std::string>{"doevents", "doevents"}));
}

TEST_F(FrameLifecycleTest, ResultFileInTheWorkingDirectoryIsKept) {
  WriteFile(WorkPath("Zelvar-Beam.txt"), "Ergebnisse\r\n");
  Start();
  EXPECT_EQ(module_->State().Ergebnisdatei, "Zelvar-Beam.txt");
}

TEST_F(FrameLifecycleTest, StatusBarHasStatusTimeAndDatePanels) {
  QStatusBar* bar = Frame().findChild<QStatusBar*>("StatusBar1");
  ASSERT_NE(bar, nullptr);
  auto* status = bar->findChild<QLabel*>("StatusBar1Panel1");
  auto* time = bar->findChild<QLabel*>("StatusBar1Panel2");
  auto* date = bar->findChild<QLabel*>("StatusBar1Panel3");
  ASSERT_TRUE(status && time && date);
  EXPECT_EQ(status->text(), "Status:");
  EXPECT_EQ(status->toolTip(), "Statusanzeige");
  EXPECT_EQ(time->toolTip(), "Computerzeit");
  EXPECT_EQ(date->toolTip(), "Datum");
  EXPECT_EQ(status->minimumWidth(), zb::ui::TwipsToPixels(3175, &Frame()));
  EXPECT_EQ(time->width(), zb::ui::TwipsToPixels(1852, &Frame()));
  EXPECT_EQ(date->width(), zb::ui::TwipsToPixels(1852, &Frame()));

  // The clock runs on its own; it may tick over between the two readings.
  const QLocale locale = QLocale::system();
  const QString before = locale.toString(QTime::currentTime(), QLocale::ShortFormat);
  QTimer* clock = Frame().findChild<QTimer*>();
  ASSERT_NE(clock, nullptr);
  EXPECT_TRUE(clock->isActive());
  EXPECT_LE(clock->interval(), 1000);
  ASSERT_TRUE(QMetaObject::invokeMethod(clock, "timeout"));
  const QString after = locale.toString(QTime::currentTime(), QLocale::ShortFormat);
  EXPECT_TRUE(time->text() == before || time->text() == after) << time->text().toStdString();
  EXPECT_EQ(date->text(), zb::ui::ShortDate(QDate::currentDate(), locale));

  // Other windows write into the status panel.
  Frame().SetStatusText("Status: Berechnung eines Zelvar-Beam");
  EXPECT_EQ(status->text(), "Status: Berechnung eines Zelvar-Beam");
  EXPECT_EQ(Frame().StatusText(), "Status: Berechnung eines Zelvar-Beam");
}

TEST_F(FrameLifecycleTest, ActivationFromAnotherWindowOfTheProgramShowsTheReadyText) {
  Start();
  QWidget other;
  other.show();
  other.activateWindow();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), &other);
  Frame().SetStatusText("Status:");

  Frame().activateWindow();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), &Frame());
  EXPECT_EQ(Frame().StatusText(), "Status: Bereit für Antennen-Berechnungen");
}

TEST_F(FrameLifecycleTest, ReturningFromADialogKeepsTheStatusText) {
  Start();
  Frame().activateWindow();
  QCoreApplication::processEvents();
  Frame().SetStatusText("Status: Berechnung eines Zelvar-Beam");
  {
    QMessageBox box(&Frame());
    box.show();
    box.activateWindow();
    QCoreApplication::processEvents();
  }
  Frame().activateWindow();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), &Frame());
  EXPECT_EQ(Frame().StatusText(), "Status: Berechnung eines Zelvar-Beam");
}

TEST_F(FrameLifecycleTest, InfoBoxShowsTheVersionInformation) {
  Start();
  Frame().SetStatusText("Status: Berechnung eines Zelvar-Beam");
  QString statusDuringBox;
  platform_.whileMessageShows = [&] { statusDuringBox = Frame().StatusText(); };
  platform_.answers.push_back(MsgResult::Ok);
  Frame().OnInfoClicked();
  ASSERT_EQ(platform_.messages.size(), 1u);
  const MessageCall& box = platform_.messages[0];
  EXPECT_EQ(box.title, " Zelvar-Beam-Antennen-Berechnung");
  EXPECT_EQ(box.icon, MsgIcon::Information);
  EXPECT_EQ(box.buttons, MsgButtons::Ok);
  EXPECT_EQ(box.prompt, std::string(" \r\n"
                                    "Zelvar-Beam-Berechnung nach Kalvex \r\n"
                                    "\r\n"
                                    " Version 1.0.0 ") +
                            zb::version::kLegalNotice + "\r\n\r\n" + zb::version::kUsageTerms1 + "\r\n" +
                            zb::version::kUsageTerms2 + "\r\n");
  EXPECT_EQ(statusDuringBox, "Info ");
  EXPECT_EQ(Frame().StatusText(), "Status: Berechnung eines Zelvar-Beam");
}

TEST_F(FrameLifecycleTest, ClosingTheFrameClosesTheOtherWindowsNewestFirst) {
  Start();
  std::vector<QString> closed;
  auto* first = new RecordingWindow("first", closed, Frame(), /*onlyHides=*/true);
  Frame().AddChildWindow(first);
  Frame().ShowChildWindow(first);
  auto* quickView = new RecordingWindow("quick view", closed, Frame());
  quickView->setAttribute(Qt::WA_DeleteOnClose);
  module_->RegisterWindow(quickView);
  quickView->show();
  auto* hidden = new RecordingWindow("hidden child", closed, Frame());
  Frame().AddChildWindow(hidden);

  // Closed by the user, the first window only hides.
  first->parentWidget()->close();
  QCoreApplication::processEvents();
  EXPECT_TRUE(closed.empty());
  EXPECT_FALSE(first->isVisible());

  ASSERT_TRUE(Frame().close());
  EXPECT_EQ(closed, (std::vector<QString>{"hidden child", "quick view", "first"}));
  EXPECT_FALSE(Frame().ClosingFrame());
  EXPECT_FALSE(Frame().isVisible());
  EXPECT_EQ(Stored("WindowState").toString(), "0");
  QCoreApplication::processEvents();  // deferred deletions
}

TEST_F(FrameLifecycleTest, ChildWindowLargerThanTheClientAreaStartsAtItsTopLeftCorner) {
  Start();
  auto* wide = new QWidget;
  wide->setMinimumSize(Frame().width() * 2, 200);
  Frame().AddChildWindow(wide);
  Frame().ShowChildWindow(wide);
  QCoreApplication::processEvents();
  QWidget* sub = wide->parentWidget();
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(sub->isVisible());
  EXPECT_GE(sub->x(), 0);
  EXPECT_GE(sub->y(), 0);
}

TEST_F(FrameLifecycleTest, BeendenClosesTheFrameAndStoresItsPlacement) {
  Start();
  Frame().findChild<QAction*>("mnuEnde")->trigger();
  EXPECT_FALSE(Frame().isVisible());
  EXPECT_EQ(Stored("WindowState").toString(), "0");
  EXPECT_TRUE(Stored("MainLeft").isValid());
}

}  // namespace
}  // namespace zb::test
