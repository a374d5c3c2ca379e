#include "ui/print/InputPrintout.h"

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

const char* const kTagEstimate = "Aktiv";
const char* const kTagPruning = "Optimieren";

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
  steps.push_back({"HideCommand1", when([&] { screen.Change(*window, QStringLiteral("Command1"), false); })});
  steps.push_back({"ShowLabel14", when([&] { screen.Change(*window, QStringLiteral("Label14"), true); })});
  steps.push_back({"PrintWindow", when([&] { PrintForm(window->ClientArea(), job); })});
  steps.push_back({"LetEventsRun", when([&] { platform.DoEvents(); })});
  steps.push_back({"HideLabel14", when([&] { screen.Change(*window, QStringLiteral("Label14"), false); })});
  steps.push_back({"ShowCommand1", when([&] { screen.Change(*window, QStringLiteral("Command1"), true); })});
}

}  // namespace

std::string InputPrintHeading(const QDate& today) {
  return std::string("Berechnung eines Zelvar-Beam nach Kalvex ") + version::kLegalNotice + " am " +
         U8(ShortDate(today));
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
      {"HideCommand1", [&] { screen.Change(beamForm, QStringLiteral("Command1"), false); }},
      {"HideCommand2", [&] { screen.Change(beamForm, QStringLiteral("Command2"), false); }},
      {"PrintBeamForm", [&] { PrintForm(beamForm.ClientArea(), job); }},
      {"LetEventsRun", [&] { platform.DoEvents(); }},
      {"ShowCommand1", [&] { screen.Change(beamForm, QStringLiteral("Command1"), true); }},
      {"ShowCommand2", [&] { screen.Change(beamForm, QStringLiteral("Command2"), true); }},
      {"CheckVkWindow",
       [&] {
         vfWindow = windows.VelocityFactorWindow();
         printVfWindow = vfWindow && vfWindow->Tag() == kTagEstimate;
       }},
  };
  AddSideWindowSteps(steps, platform, job, vfWindow, printVfWindow, screen);
  steps.push_back({"CheckPruningWindow", [&] {
                     pruningWindow = windows.PruningWindow();
                     printPruning = pruningWindow && pruningWindow->Tag() == kTagPruning;
                   }});
  AddSideWindowSteps(steps, platform, job, pruningWindow, printPruning, screen);
  steps.push_back({"EndPrintJob", [&] { job.End(); }});
  steps.push_back({"DefaultPointer", [&] { platform.SetHourglass(false); }});
  RunPrintSteps(platform, steps);
  screen.Restore();
}

}  // namespace zb::ui
