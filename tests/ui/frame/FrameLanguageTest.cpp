// Which language the program speaks: the desktop's list, the choice under
// "?" -> "Sprache / Language" for the next start, and the frame in English.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "core/measurement/AnalyserSession.h"
#include "core/measurement/Touchstone.h"
#include "core/numbers/RuntimeError.h"
#include "core/shared/MessageTexts.h"
#include "locale/Language.h"
#include "tests/ui/frame/FrameTestSupport.h"
#include "ui/beamform/frmHauptform.h"

namespace zb::test {
namespace {

using zb::ui::Language;

TEST(DesktopLanguage, TheFirstLanguageWithACatalogueElseGerman) {
  const std::vector<std::pair<QStringList, Language>> cases = {
      {{"de-DE", "de-Latn-DE", "de"}, Language::German},
      {{"C"}, Language::German},
      {{"en", "en-Latn-US", "en-US"}, Language::English},
      {{"en-GB", "de", "de-DE"}, Language::English},
      {{"fr", "fr-FR", "en", "en-US"}, Language::English},  // no French: English after it
      {{"fr-FR", "fr"}, Language::German},                  // no English on the list
      {{"nl", "de-DE", "en"}, Language::German},
      {{}, Language::German}};
  for (const auto& [list, expected] : cases)
    EXPECT_EQ(zb::ui::DesktopLanguage(list), expected) << list.join(' ').toStdString();
}

class FrameLanguageTest : public FrameTest {
 protected:
  QAction* Entry(const char* name) { return Frame().findChild<QAction*>(QString::fromUtf8(name)); }
  // Opens "?" -> "Sprache / Language" as the user does, so the marks are set.
  void OpenLanguageMenu() { emit Frame().findChild<QMenu*>(QStringLiteral("mnuSprache"))->aboutToShow(); }
};

TEST_F(FrameLanguageTest, TheChoiceIsStoredForTheNextStartWhichSpeaksIt) {
  Start();
  OpenLanguageMenu();
  EXPECT_TRUE(Entry("mnuDeutsch")->isChecked());  // the tests run on a German or C desktop
  EXPECT_FALSE(Entry("mnuEnglish")->isChecked());
  Entry("mnuEnglish")->trigger();
  EXPECT_EQ(Stored("Sprache").toString(), QStringLiteral("en"));
  // This session stays German.
  EXPECT_EQ(Frame().menuBar()->actions().at(0)->text(), QStringLiteral("&Datei"));

  {
    const zb::ui::Translations english(Language::English);
    NewModule();
    Start();
    OpenLanguageMenu();
    EXPECT_TRUE(Entry("mnuEnglish")->isChecked());
    QStringList top;
    for (QAction* menu : Frame().menuBar()->actions()) top << menu->text();
    EXPECT_EQ(top, (QStringList{"&File", "&Design", "&Calculate", "&?"}));
    EXPECT_EQ(Entry("mnuVk")->text(), QStringLiteral("1. &Velocity factor"));
    auto& form = module_->Windows().Default<zb::ui::frmHauptform>();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Calculating a Zelvar-Beam nach Kalvex"));
    EXPECT_EQ(form.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("Ca&lculate"));
    QStringList choices;  // the band and segment buttons, from core's tables
    for (auto* button : form.findChildren<QRadioButton*>()) choices << button->text();
    EXPECT_TRUE(choices.contains(QStringLiteral("other")) && choices.contains(QStringLiteral("Mid-ba&nd")))
        << choices.join(' ').toStdString();
    // core's texts come through the same catalogue.
    EXPECT_EQ(zb::ErrorTitle() + zb::ErrorDescription(zb::kOverflow), " Error Overflow");
    // A sweep file's refusal, its numbers in the English sentence's places.
    EXPECT_EQ(zb::ParseTouchstone("# MHz S RI R 50\n14.0 0.1\n", 1).error.message,
              "Line 2: Too few values: 3 expected, 2 found.");
    EXPECT_EQ(zb::AnalyserFaultText(zb::AnalyserFault::Silence, "/dev/ttyACM0", ""),
              "The analyser at /dev/ttyACM0 has been silent for 3 s. The sweep is cancelled.");
    // A saved sweep's comment lines; the data lines are the same in every language.
    EXPECT_EQ(zb::AnalyserTouchstone(zb::AnalyserSession("/dev/ttyACM0", zb::AnalyserPlan{}),
                                     "2026-12-10 05:00:00"),
              "! Zelvar-Beam: measured at the analyser\n! Analyser: unknown\n! Firmware: unknown\n"
              "! Port: /dev/ttyACM0\n! Date: 2026-12-10 05:00:00\n# Hz S RI R 50\n");
    Entry("mnuDeutsch")->trigger();
    EXPECT_EQ(Stored("Sprache").toString(), QStringLiteral("de"));
    module_.reset();
  }
  EXPECT_EQ(zb::ErrorTitle() + zb::ErrorDescription(zb::kOverflow), " Fehler Überlauf");
  EXPECT_EQ(zb::ParseTouchstone("# MHz S RI R 50\n14.0 0.1\n", 1).error.message,
            "Zeile 2: Zu wenige Werte: 3 erwartet, 2 gefunden.");
  // An unknown stored value leaves the desktop's language.
  Store(QStringLiteral("Sprache"), QStringLiteral("fr"));
  NewModule();
  Start();
  OpenLanguageMenu();
  EXPECT_TRUE(Entry("mnuDeutsch")->isChecked());
}

}  // namespace
}  // namespace zb::test
