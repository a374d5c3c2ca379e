#include <QWidget>

#include "core/numbers/RuntimeError.h"
#include "core/numbers/StepRunner.h"
#include "core/shared/MessageTexts.h"
#include "ui/app/Module1.h"
#include "ui/app/TextViewWindow.h"
#include "ui/app/WindowClasses.h"
#include "ui/common/InstalledFamily.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

// Loads the file into the quick view and shows it. A failing step shows the
// error with Abort (the window is not shown), Retry (the step again) and
// Ignore (on with the next step).
void Module1::ShowTextFile(QString& fileName) {
  QWidget& window = Window(window_class::kQuickView);
  auto& view = WindowRegistry::As<TextViewWindow>(window);
  view.SetTextFontName(InstalledFamily(QStringLiteral("Courier New")));
  const auto loadTextFile = [&] {
    if (const int error = view.LoadTextFile(fileName)) Raise(error);
    return StepEnd::Next;
  };
  const auto showQuickView = [&] {
    window.show();
    window.raise();
    window.activateWindow();
    return StepEnd::Next;
  };
  ErrorTrap trap;
  trap.title = ErrorTitle();
  trap.numberInTitle = true;
  RunSteps({{"LoadTextFile", loadTextFile}, {"ShowQuickView", showQuickView}}, platform_, trap);
}

}  // namespace zb::ui
