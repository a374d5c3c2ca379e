#include "ui/beamform/frmHauptform.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/beam/BeamFormRules.h"
#include "core/beam/CalculateBeam.h"
#include "core/beam/Insulation.h"
#include "core/numbers/Cp1252.h"
#include "core/numbers/NumberText.h"
#include "core/shared/Translate.h"
#include "core/shared/VfWindowState.h"
#include "locale/LocaleText.h"
#include "report/ResultReport.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/common/BoxText.h"
#include "ui/common/Controls.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/HandlerGuard.h"
#include "ui/common/MenuShortcutsFirst.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

// LostFocus and GotFocus belong to focus moves inside the program, not to
// another program's window or a popup taking the focus for a while.
bool IsFocusMoveInsideTheProgram(const QFocusEvent* event) {
  return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

// The key's character in the single-byte code page, as a key-press code, or
// nothing for keys without a character (arrows, Home, End, Delete, ...).
// X11 delivers Delete with the text "\x7f", yet it types no character.
std::optional<std::int16_t> KeyCode(const QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) return std::nullopt;
  const QString text = event->text();
  if (text.size() != 1) return std::nullopt;
  const std::string byte = zb::Utf8ToCp1252(text.toStdString());
  return static_cast<std::int16_t>(static_cast<unsigned char>(byte.empty() ? '?' : byte[0]));
}

}  // namespace

frmHauptform::frmHauptform(Module1& module)
    : module_(module),
      guarded_(module.Platform(), module.State().Zeilenumbruch),
      model_(*this, module.Platform()) {
  setObjectName(QStringLiteral("frmHauptform"));
  setWindowTitle(tr("Berechnung eines Zelvar-Beam nach Kalvex"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  BuildControls();
  ConnectEvents();
}

// ------------------------------------------------------------------ events

void frmHauptform::ConnectEvents() {
  for (std::size_t i = 0; i < bandButtons_.size(); ++i)
    connect(bandButtons_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) guarded_([&] { OnBandClicked(static_cast<int>(i)); });
    });
  for (std::size_t i = 0; i < segmentButtons_.size(); ++i)
    connect(segmentButtons_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) guarded_([&] { OnSegmentClicked(static_cast<int>(i)); });
    });
  connect(velocityFactorEdit_, &QLineEdit::textChanged, this,
          [this] { guarded_([this] { OnVelocityFactorEdited(); }); });
  connect(conductorDiameterEdit_, &QLineEdit::textChanged, this,
          [this] { guarded_([this] { OnConductorDiameterEdited(); }); });
  connect(velocityFactorSpinner_, &QScrollBar::valueChanged, this,
          [this] { guarded_([this] { OnSpinnerChanged(); }); });
  connect(insulationCombo_, qOverload<int>(&QComboBox::activated), this,
          [this](int index) { guarded_([&] { OnInsulationChosen(index); }); });
  connect(calculateButton_, &QPushButton::clicked, this,
          [this] { guarded_([this] { OnCalculateClicked(); }); });
  connect(showButton_, &QPushButton::clicked, this, [this] { guarded_([this] { OnShowClicked(); }); });
  // In Qt 6 the combo box's edit field hands its focus to the combo box, so
  // the keys arrive at the combo box, which passes them on to the edit field
  // directly; the combo box is where they are filtered.
  for (QObject* watched : {static_cast<QObject*>(frequencyEdit_), static_cast<QObject*>(velocityFactorEdit_),
                           static_cast<QObject*>(insulationCombo_), static_cast<QObject*>(outerDiameterEdit_),
                           static_cast<QObject*>(conductorDiameterEdit_),
                           static_cast<QObject*>(velocityFactorSpinner_), static_cast<QObject*>(showButton_)})
    watched->installEventFilter(this);
  LetMenuShortcutsComeFirst(
      {frequencyEdit_, velocityFactorEdit_, insulationCombo_, outerDiameterEdit_, conductorDiameterEdit_});
  // Enter on a band or segment button runs "&Rechnen" too (see eventFilter).
  for (QRadioButton* option : bandButtons_) option->installEventFilter(this);
  for (QRadioButton* option : segmentButtons_) option->installEventFilter(this);
}

namespace {

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

bool frmHauptform::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (watched == insulationCombo_) comboKeysDown_.insert(key->key());
      // On this form Enter means "&Rechnen" (or the button that has the
      // focus), so it is taken where it arrives instead of travelling up to
      // the form: the combo box keeps Enter for itself, and under a desktop
      // theme whose button-press keys include Enter (the GNOME and GTK
      // themes) an option button presses itself and a group box swallows
      // the key on its way from a box to the form (Qt 6.4).
      if (IsEnter(key) && watched != showButton_) {
        keyPressEvent(key);
        return true;
      }
      if (qobject_cast<QRadioButton*>(watched)) break;
      if (watched != velocityFactorSpinner_ && watched != showButton_) return FilterKey(key);
      break;
    }
    case QEvent::KeyRelease:
      // KeyUp belongs to a key pressed in the combo box. The release of a key
      // pressed elsewhere (Enter closing the " Fehler " box the last KeyUp
      // raised) is not its KeyUp; otherwise each dismissal opened a new box.
      if (watched == insulationCombo_) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto down = comboKeysDown_.find(key->key());
        if (down == comboKeysDown_.end()) return true;
        if (!key->isAutoRepeat()) comboKeysDown_.erase(down);
        guarded_([this] { OnInsulationKeyUp(); });
      }
      break;
    case QEvent::FocusOut:
      if (IsFocusMoveInsideTheProgram(static_cast<QFocusEvent*>(event))) {
        if (watched == velocityFactorEdit_) guarded_([this] { OnVelocityFactorLeft(); });
        if (watched == showButton_) guarded_([this] { OnShowButtonLeft(); });
      }
      break;
    case QEvent::FocusIn:
      if (watched == insulationCombo_) comboKeysDown_.clear();
      if (watched == velocityFactorSpinner_ && IsFocusMoveInsideTheProgram(static_cast<QFocusEvent*>(event)))
        guarded_([this] { OnSpinnerEntered(); });
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

bool frmHauptform::FilterKey(QKeyEvent* event) {
  // Enter belongs to the default button and Tab to the focus, as on any form.
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return false;
    default:
      break;
  }
  const std::optional<std::int16_t> code = KeyCode(event);
  if (!code) return false;
  return zb::FilterNumericKey(*code, zb::kNumericKeys, module_.Platform()) == 0;
}

// Enter runs "&Rechnen" wherever the focus stands, unless a button has it:
// then that button is pressed.
void frmHauptform::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QWidget::keyPressEvent(event);
    return;
  }
  auto* focused = qobject_cast<QPushButton*>(focusWidget());
  QPushButton* button = focused ? focused : calculateButton_;
  if (button->isEnabled()) button->click();
  event->accept();
}

void frmHauptform::Form_Load() {
  insulationCombo_->clear();
  for (const std::string& entry : zb::InsulationMaterialList()) {
    insulationCombo_->addItem(Q(entry));
    // The empty entry (bare wire) is all blanks; a screen reader says what it is.
    if (Q(entry).trimmed().isEmpty())
      insulationCombo_->setItemData(insulationCombo_->count() - 1, QStringLiteral("leer"),
                                    Qt::AccessibleTextRole);
  }
  model_.Form_Load();

  OnActivatedInFrame(this, [this] { guarded_([this] { Form_Activate(); }); });
}

void frmHauptform::Form_Activate() { model_.Form_Activate(); }

// Closing by the user only hides the form; it goes only with the frame.
void frmHauptform::closeEvent(QCloseEvent* event) {
  if (module_.IsLoaded(window_class::kFrame) && module_.Frame().ClosingFrame()) {
    event->accept();
    return;
  }
  event->ignore();
  SetFrameStatus(zb::Tr("Status", "Status: Bereit für Antennen-Berechnungen"));
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    sub->hide();
  else
    hide();
}

void frmHauptform::OnCalculateClicked() {
  UiPlatform& platform = module_.Platform();
  platform.SetHourglass(true);
  zb::ResultFileWriter report([] { return U8(GeneralDateTime(QDateTime::currentDateTime())); });
  zb::CalculationContext context{module_.State(), *this, module_.VelocityFactorWindow(), platform, report};
  zb::CalculateBeam(context);
  platform.SetHourglass(false);
}

void frmHauptform::OnShowClicked() {
  QString file = Q(module_.State().Ergebnisdatei);
  module_.ShowTextFile(file);
}

void frmHauptform::OnShowButtonLeft() {
  showButton_->setEnabled(false);
  SetFrameStatus(zb::Tr("Status", "Status: Berechnung eines Zelvar-Beam"));
}

void frmHauptform::OnVelocityFactorEdited() {
  const bool low = zb::IsLowVelocityFactor(VelocityFactorText());
  SetTextColour(velocityFactorEdit_, low ? zb::TextColour::Red : zb::TextColour::Black);
}

void frmHauptform::OnVelocityFactorLeft() { model_.OnVelocityFactorLeft(); }

void frmHauptform::OnSpinnerEntered() { model_.OnSpinnerEntered(); }

void frmHauptform::OnSpinnerChanged() { model_.OnSpinnerChanged(); }

void frmHauptform::OnBandClicked(int index) { model_.OnBandClicked(index); }

void frmHauptform::OnSegmentClicked(int index) { model_.OnSegmentClicked(index); }

void frmHauptform::OnInsulationChosen(int index) { model_.OnInsulationChosen(index); }

void frmHauptform::OnInsulationKeyUp() { model_.OnInsulationKeyUp(); }

void frmHauptform::OnConductorDiameterEdited() { model_.OnConductorDiameterEdited(); }

void frmHauptform::ShowInfo() {
  QString shown = Q(infoCaption_);
  shown.remove(QLatin1Char('\r'));
  noteLabel_->setText(shown);
}

}  // namespace zb::ui
