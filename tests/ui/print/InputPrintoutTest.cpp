// "Drucken" -> "&Eingaben": which windows come on paper, the heading in the
// beam form's note area, the buttons hidden for the print and back after it,
// and the " Druck-Fehler " box when there is no printer.

#include <QVBoxLayout>

#include "locale/LocaleText.h"
#include "tests/ui/print/PrintTestSupport.h"
#include "ui/print/InputPrintWindows.h"
#include "ui/print/InputPrintout.h"
#include "ui/print/PrintableWindow.h"

namespace zb::test {
namespace {

using zb::ui::PrintableWindow;
using zb::ui::WidgetPrintable;

// A velocity-factor or pruning window as the printout sees it: its title
// label for the paper (hidden on the screen), its button and what it holds.
struct SideWindow {
  explicit SideWindow(const char* title) {
    auto* layout = new QVBoxLayout(&widget);
    layout->addWidget(printTitle);
    layout->addWidget(button);
    printTitle->setObjectName(QStringLiteral("Label14"));
    button->setObjectName(QStringLiteral("Command1"));
    printTitle->setText(QString::fromUtf8(title));
    printTitle->hide();
    widget.resize(300, 120);
  }
  QWidget widget;
  QLabel* printTitle = new QLabel(&widget);
  QPushButton* button = new QPushButton(QStringLiteral("Übernehmen"), &widget);
  zb::VfWindowStatus status = zb::VfWindowStatus::Loaded;
  WidgetPrintable printable{widget, [this] { return status; }};
};

class InputPrintoutTest : public PrintTest, public zb::ui::InputPrintWindows {
 protected:
  PrintableWindow& BeamForm() override {
    if (!beamForm) beamForm.emplace(*form, [] { return zb::VfWindowStatus::Empty; });
    return *beamForm;
  }
  void AppendToBeamInfo(const std::string& text) override { form->AppendToInfo(text); }
  PrintableWindow* VelocityFactorWindow() override { return &vk.printable; }
  PrintableWindow* PruningWindow() override { return pruningOpen ? &pruning.printable : nullptr; }

  bool ButtonsVisible() { return form->calculateButton_->isVisible() && form->showButton_->isVisible(); }

  std::optional<WidgetPrintable> beamForm;
  SideWindow vk{"Zelvar-Beam Vf errechnen"};
  SideWindow pruning{"Zelvar-Beam Pruning/Optimieren"};
  bool pruningOpen = false;
};

TEST_F(InputPrintoutTest, BeamFormAloneWithHeadingAndWithoutButtonsTwice) {
  const QString heading = zb::ui::Q(zb::ui::InputPrintHeading(QDate::currentDate()));
  for (int printout = 1; printout <= 2; ++printout) {
    Choose("mnuDatDruck");
    EXPECT_EQ(PrintedPages(), 1);
    const QString text = PrintedText();
    EXPECT_TRUE(text.contains(QStringLiteral("Resonanzfrequenz"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Rechnen")) || text.contains(QStringLiteral("Anzeigen")));
    // Each printout adds the heading once more, the date glued to the next.
    EXPECT_EQ(text.count(QStringLiteral("Berechnung eines")), printout);
    EXPECT_EQ(zb::ui::Q(form->InfoCaption()).count(heading), printout);
    EXPECT_TRUE(ButtonsVisible());
  }
  EXPECT_FALSE(platform.hourglass);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(InputPrintoutTest, SideWindowsOnlyWhileTheyHoldAResult) {
  struct Case {
    zb::VfWindowStatus vk;
    bool pruningOpen;
    zb::VfWindowStatus pruning;
    bool vkPrinted;
    bool pruningPrinted;
  };
  // A pruning window that was closed and opened anew has no result. Both
  // windows with results, and a closed pruning window, are printed from the
  // real windows in RealWindowsPrintoutTest.
  using Status = zb::VfWindowStatus;
  for (const Case& c : {Case{Status::Loaded, true, Status::Loaded, false, false},
                        Case{Status::Empty, true, Status::Pruned, false, true},
                        Case{Status::Estimated, true, Status::Empty, true, false}}) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.vk)) + "/" + std::to_string(static_cast<int>(c.pruning)));
    vk.status = c.vk;
    pruning.status = c.pruning;
    pruningOpen = c.pruningOpen;
    zb::ui::PrintInputs(platform, *this);
    EXPECT_EQ(PrintedPages(), 1 + c.vkPrinted + c.pruningPrinted);
    const QString text = PrintedText();
    EXPECT_EQ(text.contains(QStringLiteral("Vf errechnen")), c.vkPrinted);
    EXPECT_EQ(text.contains(QStringLiteral("Pruning/Optimieren")), c.pruningPrinted);
    EXPECT_FALSE(text.contains(QStringLiteral("Übernehmen")));
    for (SideWindow* window : {&vk, &pruning}) {
      EXPECT_TRUE(window->printTitle->isHidden());
      EXPECT_FALSE(window->button->isHidden());
    }
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(InputPrintoutTest, NoPrinterShowsTheBoxIgnoreGoesOnAbortShowsTheButtonsAgain) {
  platform.printerInstalled = false;
  platform.answers = {MsgResult::Ignore};
  Choose("mnuDatDruck");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, " Druck-Fehler ");
  EXPECT_TRUE(platform.messages[0].prompt.find("kein Drucker installiert") != std::string::npos);
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::AbortRetryIgnore);
  const auto box = std::find(platform.events.begin(), platform.events.end(), "msgbox");
  EXPECT_EQ(*(box - 1), "default pointer");
  EXPECT_EQ(*(box + 1), "hourglass");
  EXPECT_TRUE(ButtonsVisible());
  EXPECT_FALSE(platform.hourglass);

  // "Abbrechen" ends the printout, and the buttons it hid
  // come back all the same.
  platform.answers = {MsgResult::Abort};
  Choose("mnuDatDruck");
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(ButtonsVisible());
  EXPECT_FALSE(platform.hourglass);
  platform.printerInstalled = true;
  Choose("mnuDatDruck");
  EXPECT_TRUE(ButtonsVisible());
  EXPECT_EQ(PrintedPages(), 1);
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(InputPrintoutTest, AbortWithASideWindowToPrintLeavesEveryControlAsOnScreen) {
  vk.status = zb::VfWindowStatus::Estimated;
  platform.printerInstalled = false;
  platform.answers = {MsgResult::Abort};
  Choose("mnuDatDruck");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(ButtonsVisible());
  EXPECT_FALSE(vk.button->isHidden());
  EXPECT_TRUE(vk.printTitle->isHidden());
  EXPECT_FALSE(platform.hourglass);
}

}  // namespace
}  // namespace zb::test
