// The frame's menus and what their entries do.

#include "ui/frame/MDIForm1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <exception>

#include "assets/Assets.h"
#include "locale/LocaleText.h"
#include "ui/app/AnalysatorWindow.h"
#include "ui/app/MessungWindow.h"
#include "ui/app/Module1.h"
#include "ui/app/VkWindow.h"
#include "ui/common/MenuEntries.h"
#include "ui/common/StatusPanels.h"
#include "ui/common/Twips.h"
#include "ui/frame/FrameClientArea.h"
#include "ui/frame/FramePlacement.h"
#include "ui/frame/FrameSettings.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

void MDIForm1::BuildMenus() {
  QMenuBar* bar = menuBar();

  QMenu* mnuDat = AddSubmenu(this, "mnuDat", QStringLiteral("&Datei"));
  bar->addMenu(mnuDat);
  connect(AddEntry(mnuDat, "mnuAnzeigen", QStringLiteral("&Anzeigen/Drucken")), &QAction::triggered, this,
          guarded_.Slot(this, &MDIForm1::mnuAnzeigen_Click));
  QMenu* mnuDruck = AddSubmenu(mnuDat, "mnuDruck", QStringLiteral("Drucken"));
  mnuDat->addMenu(mnuDruck);
  connect(AddEntry(mnuDruck, "mnuZeichnDruck", QStringLiteral("Antennen&zeichnung ")), &QAction::triggered,
          this, guarded_.Slot(this, &MDIForm1::mnuZeichnDruck_Click));
  mnuDatDruck = AddEntry(mnuDruck, "mnuDatDruck", QStringLiteral("&Eingaben"));
  connect(mnuDatDruck, &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnuDatDruck_Click));
  AddSeparator(mnuDat, "mnuTrenn2");
  connect(AddEntry(mnuDat, "mnuEnde", QStringLiteral("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_X)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnuEnde_Click));
  connect(mnuDat, &QMenu::aboutToShow, this, guarded_.Slot(this, &MDIForm1::mnuDat_Click));

  QMenu* mnuBauv = AddSubmenu(this, "mnuBauv", QStringLiteral("Bau&variante"));
  bar->addMenu(mnuBauv);
  mnu2Querträger = AddEntry(mnuBauv, "mnu2Querträger", QStringLiteral("&2 Querträger (mit Spannseil)"),
                            QKeySequence(Qt::Key_F2));
  mnu2Querträger->setCheckable(true);
  connect(mnu2Querträger, &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnu2Querträger_Click));
  mnu3Querträger = AddEntry(mnuBauv, "mnu3Querträger", QStringLiteral("&3 Querträger (ohne Spannseil)"),
                            QKeySequence(Qt::Key_F3));
  mnu3Querträger->setCheckable(true);
  connect(mnu3Querträger, &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnu3Querträger_Click));
  connect(mnuBauv, &QMenu::aboutToShow, this, guarded_.Slot(this, &MDIForm1::mnuBauv_Click));

  QMenu* mnuBer = AddSubmenu(this, "mnuBer", QStringLiteral("&Berechnen"));
  bar->addMenu(mnuBer);
  connect(
      AddEntry(mnuBer, "mnuVk", QStringLiteral("1. &Verkürzungsfaktor"), QKeySequence(Qt::CTRL | Qt::Key_V)),
      &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnuVk_Click));
  connect(AddEntry(mnuBer, "mnuBerStromsAnt", QStringLiteral("2. &Zelvar-Beam"),
                   QKeySequence(Qt::CTRL | Qt::Key_A)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnuBerStromsAnt_Click));
  AddSeparator(mnuBer, "mnuTrenn1");
  connect(AddEntry(mnuBer, "mnuPruning", QStringLiteral("3. Pruning / Optimieren"),
                   QKeySequence(Qt::CTRL | Qt::Key_O)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnuPruning_Click));
  AddSeparator(mnuBer, "mnuTrenn4");
  connect(AddEntry(mnuBer, "mnuMessung", QStringLiteral("4. &Messung auswerten\u2026"), QKeySequence(Qt::CTRL | Qt::Key_M)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnuMessung_Click));
  connect(AddEntry(mnuBer, "mnuAnalysator", QStringLiteral("5. Am &Analysator messen\u2026"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnuAnalysator_Click));
  AddSeparator(mnuBer, "mnuTrenn3")->setVisible(false);
  QAction* mnuBerZusDipol =
      AddEntry(mnuBer, "mnuBerZusDipol", QStringLiteral("&Zusatzdipol (strahlungsgekoppelt)"));
  mnuBerZusDipol->setVisible(false);
  mnuBerZusDipol->setEnabled(false);
  connect(mnuBerZusDipol, &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnuBerZusDipol_Click));

  QMenu* mnuHelp = AddSubmenu(this, "mnuHelp", QStringLiteral("&?"));
  bar->addMenu(mnuHelp);
  connect(AddEntry(mnuHelp, "mnuHilfe", QStringLiteral("&Hilfe"), QKeySequence(Qt::Key_F1)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnuHilfe_Click));
  connect(AddEntry(mnuHelp, "mnuInfo", QStringLiteral("&Info"), QKeySequence(Qt::CTRL | Qt::Key_F1)),
          &QAction::triggered, this, guarded_.Slot(this, &MDIForm1::mnuInfo_Click));
}

// ------------------------------------------------------------------ menus

void MDIForm1::mnuDat_Click() {
  // Asking whether the beam form is visible does not create it.
  mnuDatDruck->setEnabled(module_.IsShown(window_class::kBeamForm));
}

void MDIForm1::mnuAnzeigen_Click() {
  QString file = Q(module_.State().Ergebnisdatei);
  module_.ShowTextFile(file);
  module_.State().Ergebnisdatei = U8(file);
}

void MDIForm1::mnuEnde_Click() {
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

void MDIForm1::mnuBauv_Click() {
  const bool drei = module_.State().DreiQuertraeger;
  mnu3Querträger->setChecked(drei);
  mnu2Querträger->setChecked(!drei);
  module_.Platform().DoEvents();
}

void MDIForm1::mnu2Querträger_Click() { ChangeVariant(false); }
void MDIForm1::mnu3Querträger_Click() { ChangeVariant(true); }

void MDIForm1::ChangeVariant(bool dreiQuertraeger) {
  mnu2Querträger->setChecked(!dreiQuertraeger);
  mnu3Querträger->setChecked(dreiQuertraeger);
  module_.State().DreiQuertraeger = dreiQuertraeger;
  // The frame is drawn anew with the other drawing.
  UiPlatform& platform = module_.Platform();
  platform.SetHourglass(true);
  hide();
  module_.UpdateFrameDrawing();
  show();
  platform.SetHourglass(false);
}

void MDIForm1::mnuVk_Click() { module_.WindowAs<VkWindow>(window_class::kVelocityFactor).OpenInVfMode(); }

// One pruning window at a time: a second choice only beeps.
void MDIForm1::mnuPruning_Click() {
  zb::ModuleState& state = module_.State();
  if (state.PruningFensterAnzahl >= 1) {
    module_.Platform().Beep();
    return;
  }
  PruningFenster = module_.Windows().NewInstance(window_class::kVelocityFactor);
  ++state.PruningFensterAnzahl;
  WindowRegistry::As<VkWindow>(*PruningFenster).OpenInPruningMode();
}

// The pruning window for a measured resonance: the open one, or one opened
// under the rule of "3. Pruning / Optimieren".
QWidget* MDIForm1::OpenedPruningWindow() {
  if (!PruningFenster) mnuPruning_Click();
  if (PruningFenster) ShowChildWindow(PruningFenster);
  return PruningFenster;
}

void MDIForm1::mnuMessung_Click() { module_.WindowAs<MessungWindow>(window_class::kMessung).OpenMeasurement(); }

void MDIForm1::mnuAnalysator_Click() {
  module_.WindowAs<AnalysatorWindow>(window_class::kAnalysator).OpenAnalysator();
}

void MDIForm1::mnuBerStromsAnt_Click() { ShowChildWindow(&module_.Window(window_class::kBeamForm)); }

// The coupled-dipole window. Its menu entry stays hidden and disabled, so the
// user does not reach it this way.
void MDIForm1::mnuBerZusDipol_Click() { ShowChildWindow(&module_.Window(window_class::kZusatzDipol)); }

}  // namespace zb::ui
