#include <QWidget>

#include "core/RuntimeError.h"
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
  auto& view = dynamic_cast<TextViewWindow&>(window);
  view.SetTextFontName(InstalledFamily(QStringLiteral("Courier New")));
  for (;;) {
    const int error = view.LoadTextFile(fileName);
    if (error == 0) break;
    const std::string number = (error >= 0 ? " " : "") + std::to_string(error);
    const MsgResult answer = platform_.MessageBox(ErrorDescription(error), MsgButtons::AbortRetryIgnore,
                                                  MsgIcon::Exclamation, " Fehler " + number);
    if (answer == MsgResult::Retry) continue;
    if (answer == MsgResult::Ignore) break;
    return;
  }
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace zb::ui
