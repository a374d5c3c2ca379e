// The frame's menu tree and the commands that change menu states.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "tests/ui/frame/FrameTestSupport.h"
#include "ui/beamform/frmHauptform.h"

namespace zb::test {
namespace {

struct Entry {
  QString name;
  QString caption;
  QKeySequence shortcut;
  bool separator;
};

// The entries of a menu in display order: name, caption, shortcut.
std::vector<Entry> EntriesOf(const QMenu* menu) {
  std::vector<Entry> entries;
  for (QAction* action : menu->actions())
    entries.push_back({action->objectName(), action->text(), action->shortcut(), action->isSeparator()});
  return entries;
}

void ExpectEntries(const QMenu* menu, const std::vector<Entry>& expected) {
  ASSERT_NE(menu, nullptr);
  const std::vector<Entry> actual = EntriesOf(menu);
  ASSERT_EQ(actual.size(), expected.size()) << menu->objectName().toStdString();
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].name.toStdString());
    EXPECT_EQ(actual[i].name, expected[i].name);
    EXPECT_EQ(actual[i].separator, expected[i].separator);
    if (!expected[i].separator) {
      EXPECT_EQ(actual[i].caption, expected[i].caption);
    }
    EXPECT_EQ(actual[i].shortcut, expected[i].shortcut);
  }
}

class FrameMenuTest : public FrameTest {
 protected:
  QAction* Action(const char* name) {
    QAction* action = Frame().findChild<QAction*>(QString::fromUtf8(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
  QMenu* Menu(const char* name) { return Frame().findChild<QMenu*>(QString::fromUtf8(name)); }
};

TEST_F(FrameMenuTest, MenuTreeHasTheCaptionsShortcutsAndOrderOfTheProgram) {
  const QList<QAction*> top = Frame().menuBar()->actions();
  ASSERT_EQ(top.size(), 4);
  const QStringList topNames = {"mnuDat", "mnuBauv", "mnuBer", "mnuHelp"};
  const QStringList topCaptions = {"&Datei", "Bau&variante", "&Berechnen", "&?"};
  for (int i = 0; i < 4; ++i) {
    ASSERT_NE(top[i]->menu(), nullptr);
    EXPECT_EQ(top[i]->menu()->objectName(), topNames[i]);
    EXPECT_EQ(top[i]->text(), topCaptions[i]);
  }

  ExpectEntries(Menu("mnuDat"), {{"mnuAnzeigen", "&Anzeigen/Drucken", {}, false},
                                 {"mnuDruck", "Drucken", {}, false},
                                 {"mnuTrenn2", "", {}, true},
                                 {"mnuEnde", "&Beenden", QKeySequence("Ctrl+X"), false}});
  ExpectEntries(Menu("mnuDruck"), {{"mnuZeichnDruck", "Antennen&zeichnung ", {}, false},
                                   {"mnuDatDruck", "&Eingaben", {}, false}});
  ExpectEntries(Menu("mnuBauv"),
                {{"mnu2Querträger", "&2 Querträger (mit Spannseil)", QKeySequence("F2"), false},
                 {"mnu3Querträger", "&3 Querträger (ohne Spannseil)", QKeySequence("F3"), false}});
  ExpectEntries(Menu("mnuBer"),
                {{"mnuVk", "1. &Verkürzungsfaktor", QKeySequence("Ctrl+V"), false},
                 {"mnuBerStromsAnt", "2. &Zelvar-Beam", QKeySequence("Ctrl+A"), false},
                 {"mnuTrenn1", "", {}, true},
                 {"mnuPruning", "3. Pruning / Optimieren", QKeySequence("Ctrl+O"), false},
                 {"mnuTrenn4", "", {}, true},
                 {"mnuMessung", "4. &Messung auswerten\u2026", QKeySequence("Ctrl+M"), false},
                 {"mnuAnalysator", "5. Am &Analysator messen\u2026", QKeySequence("Ctrl+Shift+M"), false},
                 {"mnuTrenn3", "", {}, true},
                 {"mnuBerZusDipol", "&Zusatzdipol (strahlungsgekoppelt)", {}, false}});
  ExpectEntries(Menu("mnuHelp"), {{"mnuHilfe", "&Hilfe", QKeySequence("F1"), false},
                                  {"mnuInfo", "&Info", QKeySequence("Ctrl+F1"), false},
                                  {"mnuSprache", "&Sprache / Language", {}, false}});
  ExpectEntries(Menu("mnuSprache"), {{"mnuDeutsch", "&Deutsch (ab dem nächsten Start)", {}, false},
                                     {"mnuEnglish", "&English (from the next start)", {}, false}});
  EXPECT_EQ(Menu("mnuDat")->actions().at(1)->menu(), Menu("mnuDruck"));
}

TEST_F(FrameMenuTest, HiddenDisabledAndCheckableEntriesStartAsDesigned) {
  EXPECT_FALSE(Action("mnuTrenn3")->isVisible());
  EXPECT_FALSE(Action("mnuBerZusDipol")->isVisible());
  EXPECT_FALSE(Action("mnuBerZusDipol")->isEnabled());
  for (const char* name :
       {"mnuAnzeigen", "mnuZeichnDruck", "mnuDatDruck", "mnuEnde", "mnuVk", "mnuBerStromsAnt", "mnuTrenn1",
        "mnuPruning", "mnuHilfe", "mnuInfo", "mnuTrenn2"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(Action(name)->isVisible());
  }
  // Before the start-up procedure neither variant carries the mark.
  EXPECT_TRUE(Action("mnu2Querträger")->isCheckable());
  EXPECT_TRUE(Action("mnu3Querträger")->isCheckable());
  EXPECT_FALSE(Action("mnu2Querträger")->isChecked());
  EXPECT_FALSE(Action("mnu3Querträger")->isChecked());

  Start();
  EXPECT_TRUE(Action("mnu3Querträger")->isChecked());
  EXPECT_FALSE(Action("mnu2Querträger")->isChecked());
  // No command changes the hidden entries.
  Frame().OnTwoSpreadersClicked();
  Frame().OnFileMenuOpening();
  EXPECT_FALSE(Action("mnuTrenn3")->isVisible());
  EXPECT_FALSE(Action("mnuBerZusDipol")->isVisible());
  EXPECT_FALSE(Action("mnuBerZusDipol")->isEnabled());
}

TEST_F(FrameMenuTest, EingabenIsEnabledExactlyWhileTheBeamFormIsVisible) {
  Start();
  QMenu* datei = Menu("mnuDat");
  QAction* eingaben = Action("mnuDatDruck");

  // Opening "Datei" before the beam form was ever loaded: greyed, and the
  // question does not load the form.
  emit datei->aboutToShow();
  EXPECT_FALSE(eingaben->isEnabled());
  EXPECT_FALSE(module_->IsLoaded(zb::ui::frmHauptform::kWindowClass));

  Action("mnuBerStromsAnt")->trigger();
  ASSERT_TRUE(module_->IsLoaded(zb::ui::frmHauptform::kWindowClass));
  EXPECT_TRUE(module_->Windows().Default<zb::ui::frmHauptform>().isVisible());
  EXPECT_EQ(module_->Windows().Default<zb::ui::frmHauptform>().window(),
            &Frame());  // a child window of the frame
  emit datei->aboutToShow();
  EXPECT_TRUE(eingaben->isEnabled());

  module_->Windows().Default<zb::ui::frmHauptform>().hide();
  // Only opening the menu re-evaluates the entry.
  EXPECT_TRUE(eingaben->isEnabled());
  emit datei->aboutToShow();
  EXPECT_FALSE(eingaben->isEnabled());
}

TEST_F(FrameMenuTest, VariantCommandsMoveTheCheckMarkAndSetTheVariant) {
  Start();
  QAction* zwei = Action("mnu2Querträger");
  QAction* drei = Action("mnu3Querträger");

  platform_.events.clear();
  zwei->trigger();
  EXPECT_TRUE(zwei->isChecked());
  EXPECT_FALSE(drei->isChecked());
  EXPECT_FALSE(module_->State().DreiQuertraeger);
  EXPECT_TRUE(Frame().isVisible());
  EXPECT_EQ(Frame().CurrentDrawingFile(), "Zelvar2_klein.wmf");
  EXPECT_EQ(platform_.events, (std::vector<std::string>{"hourglass", "default pointer"}));

  // Choosing the marked variant again keeps it marked.
  zwei->trigger();
  EXPECT_TRUE(zwei->isChecked());
  EXPECT_FALSE(module_->State().DreiQuertraeger);

  drei->trigger();
  EXPECT_TRUE(drei->isChecked());
  EXPECT_FALSE(zwei->isChecked());
  EXPECT_TRUE(module_->State().DreiQuertraeger);
  EXPECT_EQ(Frame().CurrentDrawingFile(), "Zelvar3_klein.wmf");
}

TEST_F(FrameMenuTest, OpeningBauvarianteSetsTheMarksFromTheVariant) {
  Start();
  QAction* zwei = Action("mnu2Querträger");
  QAction* drei = Action("mnu3Querträger");

  // Another window changed the variant behind the menu's back.
  module_->State().DreiQuertraeger = false;
  platform_.doEvents = 0;
  emit Menu("mnuBauv")->aboutToShow();
  EXPECT_TRUE(zwei->isChecked());
  EXPECT_FALSE(drei->isChecked());
  EXPECT_EQ(platform_.doEvents, 1);

  module_->State().DreiQuertraeger = true;
  emit Menu("mnuBauv")->aboutToShow();
  EXPECT_FALSE(zwei->isChecked());
  EXPECT_TRUE(drei->isChecked());
}

}  // namespace
}  // namespace zb::test
