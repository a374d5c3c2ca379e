#include <QApplication>
#include <QFileInfo>
#include <exception>

#include "assets/Assets.h"
#include "core/numbers/RuntimeError.h"
#include "core/shared/MessageTexts.h"
#include "locale/LocaleText.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/app/WindowClasses.h"
#include "ui/drawing/WmfPicture.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

void Module1::StartProgram() {
  QApplication::setWindowIcon(ProgramIcon());  // every window of the program carries it
  FrameWindow& frame = Frame();                // loads it, with the stored placement, still hidden

  state_.Zeilenumbruch = "\r\n";
  state_.IsolierVf = 0.0;
  state_.Ergebnisdatei = zb::kResultFileName;
  state_.AndereFrequenz = 0.0f;
  state_.DreiQuertraeger = true;

  frame.CheckThreeCrossArms();
  state_.KoeffDipol = zb::kKoeffDipol;
  state_.FaktorReflektor = zb::kFaktorReflektor;
  state_.FaktorDirektor = zb::kFaktorDirektor;

  // Until the first calculation writes it, there is no result file to show.
  if (!QFileInfo::exists(Q(state_.Ergebnisdatei))) state_.Ergebnisdatei.clear();

  platform_.DoEvents();
  Window(window_class::kFrame).show();
  platform_.DoEvents();
}

void Module1::UpdateFrameDrawing() {
  FrameWindow& frame = Frame();
  const Qt::WindowStates windowState = Window(window_class::kFrame).windowState();
  if (windowState & Qt::WindowMinimized) return;
  const bool wide = (windowState & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
  const bool drei = state_.DreiQuertraeger;
  // The catalogue names the drawing with the language's labels ("..._en.wmf").
  const char* drawing = wide ? (drei ? QT_TRANSLATE_NOOP("Drawing", "Zelvar3_Quer_klein.wmf")
                                     : QT_TRANSLATE_NOOP("Drawing", "Zelvar2_Quer_klein.wmf"))
                             : (drei ? QT_TRANSLATE_NOOP("Drawing", "Zelvar3_klein.wmf")
                                     : QT_TRANSLATE_NOOP("Drawing", "Zelvar2_klein.wmf"));
  const QString name = QCoreApplication::translate("Drawing", drawing);
  std::string problem;
  try {
    frame.SetPicture(WmfPicture::Load(FindDataFile(name)), name);
    return;
  } catch (const zb::RuntimeError& error) {
    problem = error.Description();
  } catch (const std::exception& error) {
    problem = error.what();
  }
  // The frame keeps the drawing it had.
  platform_.SetHourglass(false);
  platform_.MessageBox(problem, MsgButtons::Ok, MsgIcon::Exclamation, ErrorTitle());
}

}  // namespace zb::ui
