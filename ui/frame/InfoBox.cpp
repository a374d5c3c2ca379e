// The frame's info box, made from the program's version information.

#include "core/shared/VersionInfo.h"
#include "ui/app/Module1.h"
#include "ui/frame/MDIForm1.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

void MDIForm1::OnInfoClicked() {
  const QString previous = StatusText();
  const std::string& nl = module_.State().Zeilenumbruch;
  using namespace zb::version;
  const std::string message = " " + nl + Text(kFileDescription) + " " + nl + nl + " Version " +
                              std::to_string(kMajor) + "." + std::to_string(kMinor) + "." +
                              std::to_string(kRevision) + " " + Text(kLegalNotice) + nl + nl +
                              Text(kUsageTerms1) + nl + Text(kUsageTerms2) + nl;
  SetStatusText(QStringLiteral("Info "));
  module_.Platform().MessageBox(message, MsgButtons::Ok, MsgIcon::Information,
                                std::string(" ") + Text(kProductName));
  SetStatusText(previous);
}

}  // namespace zb::ui
