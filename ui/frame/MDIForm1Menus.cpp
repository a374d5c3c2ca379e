// The frame's menus and what their entries do.

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <exception>

#include "locale/LocaleText.h"
#include "ui/app/AnalysatorWindow.h"
#include "ui/app/MessungWindow.h"
#include "ui/app/Module1.h"
#include "ui/app/ProgramLanguage.h"
#include "ui/app/VfPruningWindow.h"
#include "ui/common/MenuEntries.h"
#include "ui/common/Twips.h"
#include "ui/frame/MDIForm1.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

void MDIForm1::BuildMenus() {
  BuildFileMenu();
  BuildVariantMenu();
  BuildCalculateMenu();
  BuildHelpMenu();
}

void MDIForm1::BuildFileMenu() {
  QMenu* fileMenu = AddSubmenu(this, "mnuDat", tr("&Datei"));
  menuBar()->addMenu(fileMenu);
  connect(AddEntry(fileMenu, "mnuAnzeigen", tr("&Anzeigen/Drucken")), &QAction::triggered, this,
          guarded_.Slot(this, &MDIForm1::OnShowReportClicked));
  QMenu* printMenu = AddSubmenu(fileMenu, "mnuDruck", tr("Drucken"));
  fileMenu->addMenu(printMenu);
  connect(AddEntry(printMenu, "mnuZeichnDruck", tr("Antennen&zeichnung ")), &QAction::triggered, this,
          guarded_.Slot(this, &MDIForm1::OnPrintDrawingClicked));
  printInputsAction_ = AddEntry(printMenu, "mnuDatDruck", tr("&Eingaben"));
  connect(printInputsAction_, &QAction::triggered, this,
          guarded_.Slot(this, &MDIForm1::OnPrintInputsClicked));
  AddSeparator(fileMenu, "mnuTrenn2");
  connect(AddEntry(fileMenu, "mnuEnde", tr("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_X)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::OnQuitClicked));
  connect(fileMenu, &QMenu::aboutToShow, this, guarded_.Slot(this, &MDIForm1::OnFileMenuOpening));
}

void MDIForm1::BuildVariantMenu() {
  QMenu* variantMenu = AddSubmenu(this, "mnuBauv", tr("Bau&variante"));
  menuBar()->addMenu(variantMenu);
  twoSpreadersAction_ =
      AddEntry(variantMenu, "mnu2Querträger", tr("&2 Querträger (mit Spannseil)"), QKeySequence(Qt::Key_F2));
  twoSpreadersAction_->setCheckable(true);
  connect(twoSpreadersAction_, &QAction::triggered, this,
          guarded_.Slot(this, &MDIForm1::OnTwoSpreadersClicked));
  threeSpreadersAction_ =
      AddEntry(variantMenu, "mnu3Querträger", tr("&3 Querträger (ohne Spannseil)"), QKeySequence(Qt::Key_F3));
  threeSpreadersAction_->setCheckable(true);
  connect(threeSpreadersAction_, &QAction::triggered, this,
          guarded_.Slot(this, &MDIForm1::OnThreeSpreadersClicked));
  connect(variantMenu, &QMenu::aboutToShow, this, guarded_.Slot(this, &MDIForm1::OnVariantMenuOpening));
}

void MDIForm1::BuildCalculateMenu() {
  QMenu* calculateMenu = AddSubmenu(this, "mnuBer", tr("&Berechnen"));
  menuBar()->addMenu(calculateMenu);
  connect(AddEntry(calculateMenu, "mnuVk", tr("1. &Verkürzungsfaktor"), QKeySequence(Qt::CTRL | Qt::Key_V)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::OnVelocityFactorClicked));
  connect(
      AddEntry(calculateMenu, "mnuBerStromsAnt", tr("2. &Zelvar-Beam"), QKeySequence(Qt::CTRL | Qt::Key_A)),
      &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::OnBeamClicked));
  AddSeparator(calculateMenu, "mnuTrenn1");
  connect(AddEntry(calculateMenu, "mnuPruning", tr("3. Pruning / Optimieren"),
                   QKeySequence(Qt::CTRL | Qt::Key_O)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::OnPruningClicked));
  AddSeparator(calculateMenu, "mnuTrenn4");
  connect(
      AddEntry(calculateMenu, "mnuMessung", tr("4. &Messung auswerten…"), QKeySequence(Qt::CTRL | Qt::Key_M)),
      &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::OnSweepFileClicked));
  connect(AddEntry(calculateMenu, "mnuAnalysator", tr("5. Am &Analysator messen…"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::OnAnalyserClicked));
  AddSeparator(calculateMenu, "mnuTrenn3")->setVisible(false);
  QAction* coupledDipoleAction =
      AddEntry(calculateMenu, "mnuBerZusDipol", tr("&Zusatzdipol (strahlungsgekoppelt)"));
  coupledDipoleAction->setVisible(false);
  coupledDipoleAction->setEnabled(false);
  connect(coupledDipoleAction, &QAction::triggered, this,
          guarded_.Slot(this, &MDIForm1::OnCoupledDipoleClicked));
}

void MDIForm1::BuildHelpMenu() {
  QMenu* helpMenu = AddSubmenu(this, "mnuHelp", QStringLiteral("&?"));
  menuBar()->addMenu(helpMenu);
  connect(AddEntry(helpMenu, "mnuHilfe", tr("&Hilfe"), QKeySequence(Qt::Key_F1)), &QAction::triggered, this,
          guarded_.Slot(this, &MDIForm1::OnHelpClicked));
  connect(AddEntry(helpMenu, "mnuInfo", tr("&Info"), QKeySequence(Qt::CTRL | Qt::Key_F1)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::OnInfoClicked));
  BuildLanguageMenu(helpMenu);
}

// "Sprache / Language": each language in its own words, so that someone who
// reads only one of them finds it. The choice holds from the next start.
void MDIForm1::BuildLanguageMenu(QMenu* helpMenu) {
  QMenu* languageMenu = AddSubmenu(this, "mnuSprache", QStringLiteral("&Sprache / Language"));
  helpMenu->addMenu(languageMenu);
  auto* choices = new QActionGroup(languageMenu);
  struct Choice {
    const char* name;
    const char* caption;
    Language language;
  };
  for (const Choice& choice : {Choice{"mnuDeutsch", "&Deutsch (ab dem nächsten Start)", Language::German},
                               Choice{"mnuEnglish", "&English (from the next start)", Language::English}}) {
    QAction* entry = AddEntry(languageMenu, choice.name, QString::fromUtf8(choice.caption));
    entry->setCheckable(true);
    entry->setData(static_cast<int>(choice.language));
    choices->addAction(entry);
    connect(entry, &QAction::triggered, this,
            [this, language = choice.language] { guarded_([language] { ChooseStartLanguage(language); }); });
  }
  // The check mark shows the language of the next start.
  connect(languageMenu, &QMenu::aboutToShow, this, [this, choices] {
    guarded_([choices] {
      const int next = static_cast<int>(StartLanguage());
      for (QAction* entry : choices->actions()) entry->setChecked(entry->data().toInt() == next);
    });
  });
}

// ------------------------------------------------------------------ menus

void MDIForm1::OnFileMenuOpening() {
  // Asking whether the beam form is visible does not create it.
  printInputsAction_->setEnabled(module_.IsShown(window_class::kBeamForm));
}

void MDIForm1::OnShowReportClicked() {
  QString file = Q(module_.State().Ergebnisdatei);
  module_.ShowTextFile(file);
  module_.State().Ergebnisdatei = U8(file);
}

void MDIForm1::OnQuitClicked() {
  bool closed = true;
  try {
    closed = close();
  } catch (const std::exception&) {
    // The program ends all the same.
  }
  // A window that refused to close (the quick view's "Nein") keeps the
  // program running with every window as it was.
  if (!closed) return;
  QCoreApplication::exit(0);
}

void MDIForm1::OnVariantMenuOpening() {
  const bool drei = module_.State().DreiQuertraeger;
  threeSpreadersAction_->setChecked(drei);
  twoSpreadersAction_->setChecked(!drei);
  module_.Platform().DoEvents();
}

void MDIForm1::OnTwoSpreadersClicked() { ChangeVariant(false); }
void MDIForm1::OnThreeSpreadersClicked() { ChangeVariant(true); }

void MDIForm1::ChangeVariant(bool dreiQuertraeger) {
  twoSpreadersAction_->setChecked(!dreiQuertraeger);
  threeSpreadersAction_->setChecked(dreiQuertraeger);
  module_.State().DreiQuertraeger = dreiQuertraeger;
  // The frame is drawn anew with the other drawing.
  UiPlatform& platform = module_.Platform();
  platform.SetHourglass(true);
  hide();
  module_.UpdateFrameDrawing();
  show();
  platform.SetHourglass(false);
}

void MDIForm1::OnVelocityFactorClicked() {
  module_.WindowAs<VfPruningWindow>(window_class::kVelocityFactor).OpenInVfMode();
}

// One pruning window at a time: a second choice only beeps.
void MDIForm1::OnPruningClicked() {
  zb::ModuleState& state = module_.State();
  if (state.PruningFensterAnzahl >= 1) {
    module_.Platform().Beep();
    return;
  }
  pruningWindow_ = module_.Windows().NewInstance(window_class::kVelocityFactor);
  ++state.PruningFensterAnzahl;
  WindowRegistry::As<VfPruningWindow>(*pruningWindow_).OpenInPruningMode();
}

// The pruning window for a measured resonance: the open one, or one opened
// under the rule of "3. Pruning / Optimieren".
QWidget* MDIForm1::OpenedPruningWindow() {
  if (!pruningWindow_) OnPruningClicked();
  if (pruningWindow_) ShowChildWindow(pruningWindow_);
  return pruningWindow_;
}

void MDIForm1::OnSweepFileClicked() {
  module_.WindowAs<MessungWindow>(window_class::kMessung).OpenMeasurement();
}

void MDIForm1::OnAnalyserClicked() {
  module_.WindowAs<AnalysatorWindow>(window_class::kAnalysator).OpenAnalysator();
}

void MDIForm1::OnBeamClicked() { ShowChildWindow(&module_.Window(window_class::kBeamForm)); }

// The coupled-dipole window. Its menu entry stays hidden and disabled, so the
// user does not reach it this way.
void MDIForm1::OnCoupledDipoleClicked() { ShowChildWindow(&module_.Window(window_class::kZusatzDipol)); }

}  // namespace zb::ui
