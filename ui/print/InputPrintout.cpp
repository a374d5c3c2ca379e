#include "ui/print/InputPrintout.h"

#include <QCoreApplication>
#include <map>
#include <utility>
#include <vector>

#include "core/shared/VersionInfo.h"
#include "locale/LocaleText.h"
#include "ui/platform/UiPlatform.h"
#include "ui/print/InputPrintWindows.h"
#include "ui/print/PrintForm.h"
#include "ui/print/PrintJob.h"
#include "ui/print/PrintSteps.h"
#include "ui/print/PrintableWindow.h"

namespace zb::ui {

namespace {

// What the printout changed for the paper and has not put back yet: a
// control and the visibility it had on screen. Whatever way the printout
// ends (also "Abbrechen" in the " Druck-Fehler " box), the rest is put back,
// so no button stays hidden for the rest of the session.
class ScreenState {
 public:
  void Change(PrintableWindow& window, const QString& control, bool visibleForPaper) {
    window.SetControlVisible(control, visibleForPaper);
    const auto key = std::make_pair(&window, control);
    const auto it = pending_.find(key);
    if (it == pending_.end())
      pending_.emplace(key, !visibleForPaper);
    else if (it->second == visibleForPaper)
      pending_.erase(it);  // the step that puts it back
  }
  void Restore() {
    for (const auto& [key, visible] : pending_) {
      try {
        key.first->SetControlVisible(key.second, visible);
      } catch (const std::exception&) {
        // The other controls are still put back.
      }
    }
    pending_.clear();
  }

 private:
  std::map<std::pair<PrintableWindow*, QString>, bool> pending_;
};

// The six steps that put a side window on paper: without its button, with
// its title label; only when the window holds a result (*print).
void AddSideWindowSteps(std::vector<PrintStep>& steps, UiPlatform& platform, PrintJob& job,
                        PrintableWindow*& window, const bool& print, ScreenState& screen) {
  auto when = [&print](std::function<void()> step) {
    return [&print, step = std::move(step)] {
      if (print) step();
    };
  };
  steps.push_back({"HideButton", when([&] { screen.Change(*window, QStringLiteral("Command1"), false); })});
  steps.push_back({"ShowPrintTitle", when([&] { screen.Change(*window, QStringLiteral("Label14"), true); })});
  steps.push_back({"PrintWindow", when([&] { PrintForm(window->ClientArea(), job); })});
  steps.push_back({"LetEventsRun", when([&] { platform.DoEvents(); })});
  steps.push_back(
      {"HidePrintTitle", when([&] { screen.Change(*window, QStringLiteral("Label14"), false); })});
  steps.push_back({"ShowButton", when([&] { screen.Change(*window, QStringLiteral("Command1"), true); })});
}

}  // namespace

std::string InputPrintHeading(const QDate& today) {
  return U8(QCoreApplication::translate("Printout", "Berechnung eines Zelvar-Beam nach Kalvex %1 am %2")
                .arg(Q(version::Text(version::kLegalNotice)), ShortDate(today)));
}

void PrintInputs(UiPlatform& platform, InputPrintWindows& windows) {
  PrintJob job(platform);
  PrintableWindow& beamForm = windows.BeamForm();
  PrintableWindow* vfWindow = nullptr;
  PrintableWindow* pruningWindow = nullptr;
  bool printVfWindow = false;
  bool printPruning = false;
  ScreenState screen;

  std::vector<PrintStep> steps = {
      {"Hourglass", [&] { platform.SetHourglass(true); }},
      {"AppendHeading", [&] { windows.AppendToBeamInfo(InputPrintHeading(QDate::currentDate())); }},
      {"HideCalculateButton", [&] { screen.Change(beamForm, QStringLiteral("Command1"), false); }},
      {"HideShowButton", [&] { screen.Change(beamForm, QStringLiteral("Command2"), false); }},
      {"PrintBeamForm", [&] { PrintForm(beamForm.ClientArea(), job); }},
      {"LetEventsRun", [&] { platform.DoEvents(); }},
      {"ShowCalculateButton", [&] { screen.Change(beamForm, QStringLiteral("Command1"), true); }},
      {"ShowShowButton", [&] { screen.Change(beamForm, QStringLiteral("Command2"), true); }},
      {"CheckVfWindow",
       [&] {
         vfWindow = windows.VelocityFactorWindow();
         printVfWindow = vfWindow && vfWindow->Status() == zb::VfWindowStatus::Estimated;
       }},
  };
  AddSideWindowSteps(steps, platform, job, vfWindow, printVfWindow, screen);
  steps.push_back({"CheckPruningWindow", [&] {
                     pruningWindow = windows.PruningWindow();
                     printPruning = pruningWindow && pruningWindow->Status() == zb::VfWindowStatus::Pruned;
                   }});
  AddSideWindowSteps(steps, platform, job, pruningWindow, printPruning, screen);
  steps.push_back({"EndPrintJob", [&] { job.End(); }});
  steps.push_back({"DefaultPointer", [&] { platform.SetHourglass(false); }});
  RunPrintSteps(platform, steps);
  screen.Restore();
}

}  // namespace zb::ui
