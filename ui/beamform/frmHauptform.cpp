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

#include "core/BeamFormRules.h"
#include "core/CalculateBeam.h"
#include "core/Cp1252.h"
#include "core/Insulation.h"
#include "core/NumberText.h"
#include "core/VfWindowState.h"
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

// A box of the form: the user types at most maxLength characters into it.
QLineEdit* NewLimitedBox(const char* name, std::size_t maxLength, const char* toolTip, QWidget* parent) {
  QLineEdit* box = NewBox(name, toolTip, parent);
  LimitTypedLength(box, static_cast<int>(maxLength));
  return box;
}

QFrame* NewLine(const char* name, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setObjectName(QString::fromUtf8(name));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

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
  setWindowTitle(QStringLiteral("Berechnung eines Zelvar-Beam nach Kalvex"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  BuildControls();
  ConnectEvents();
}

// ------------------------------------------------------------------ layout

void frmHauptform::BuildControls() {
  auto* top = new QGridLayout;
  top->addWidget(BuildFrequencyGroup(), 0, 0);
  top->addWidget(BuildSegmentGroup(), 1, 0);
  top->addWidget(BuildBandGroup(), 0, 1, 2, 1);
  top->setColumnStretch(0, 1);
  top->setColumnStretch(1, 1);

  Info = NewNotePanel("Info", 4, this);
  Info->setText(QString::fromUtf8(zb::kBeamFormEntries.info));
  Info->setWordWrap(true);
  Info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Info->setFont(TahomaFont());
  // Room for the summary's seven lines without wrapping its longest one.
  const QString longestLine = QStringLiteral(
      "Berechnet für die Resonanzfrequenz = 144,0 MHz / Bauvariante: drei Querträger ohne Spannseil");
  Info->setMinimumWidth(Info->fontMetrics().horizontalAdvance(longestLine) + 2 * Info->margin() + 8);
  Info->setMinimumHeight(Info->fontMetrics().lineSpacing() * 7 + 2 * Info->margin() + 8);
  Info->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::MinimumExpanding);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(BuildVelocityFactorRow());
  layout->addWidget(BuildInsulationGroup());
  layout->addLayout(BuildButtonRow());
  layout->addWidget(Info, 1);

  // Tab order: frequency, bands, segments, velocity factor, insulation, buttons.
  SetTabOrder({Text1, Option2[0], Option1[0], Text4, VkSteller, Combo1, Text6, Text7, Command1, Command2});
}

QGroupBox* frmHauptform::BuildFrequencyGroup() {
  Frame3 = NewGroup("Frame3", "Resonanzfrequenz [MHz]:", this);
  Label1 = NewLabel("Label1", "Gesamt Beam :", Frame3);
  Text1 = NewLimitedBox("Text1", zb::kFrequencyLength, nullptr, Frame3);
  Label1->setBuddy(Text1);
  SetBoxText(Text1, Q(zb::kBeamFormEntries.frequency));
  auto* row = new QHBoxLayout(Frame3);
  row->addWidget(Label1);
  row->addWidget(Text1, 1);
  return Frame3;
}

QGroupBox* frmHauptform::BuildBandGroup() {
  Frame2 = NewGroup("Frame2", "Antenne berechnen für &Band [MHz]:", this);
  auto* grid = new QGridLayout(Frame2);
  for (std::size_t i = 0; i < Option2.size(); ++i) {
    Option2[i] = new QRadioButton(QString::fromUtf8(kBandCaptions[i]), Frame2);
    Option2[i]->setObjectName(QStringLiteral("Option2(%1)").arg(i));
    grid->addWidget(Option2[i], static_cast<int>(i % 6), static_cast<int>(i / 6));
  }
  Option2[zb::kBeamFormEntries.option2]->setChecked(true);
  return Frame2;
}

QGroupBox* frmHauptform::BuildSegmentGroup() {
  Frame1 = NewGroup("Frame1", "&Resonanz im Band für:", this);
  auto* column = new QVBoxLayout(Frame1);
  for (std::size_t i = 0; i < Option1.size(); ++i) {
    Option1[i] = new QRadioButton(QString::fromUtf8(kSegmentCaptions[i]), Frame1);
    Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
    column->addWidget(Option1[i]);
  }
  Option1[zb::kBeamFormEntries.option1]->setChecked(true);
  return Frame1;
}

// The row's controls are the form's own, as a screen reader lists them.
QHBoxLayout* frmHauptform::BuildVelocityFactorRow() {
  Label7 = NewLabel("Label7", "&Verkürzungsfaktor:", this);
  Text4 = NewLimitedBox("Text4", zb::kVelocityFactorLength, " aus Schlankheitsgrad u. Antennenhöhe ", this);
  SetBoxText(Text4, Q(zb::kBeamFormEntries.velocityFactor));
  QFont bold = Text4->font();
  bold.setBold(true);
  Text4->setFont(bold);
  Label7->setBuddy(Text4);
  VkSteller = new QScrollBar(Qt::Vertical, this);
  VkSteller->setObjectName(QStringLiteral("VkSteller"));
  VkSteller->setRange(0, kSpinnerMax);
  VkSteller->setSingleStep(1);
  VkSteller->setPageStep(1);
  VkSteller->setFocusPolicy(Qt::StrongFocus);
  VkSteller->setFixedHeight(Text4->sizeHint().height());
  NameAfterCaption(VkSteller, Label7);
  auto* layout = new QHBoxLayout;
  layout->addWidget(Label7);
  layout->addWidget(Text4);
  layout->setSpacing(0);
  layout->addWidget(VkSteller);
  layout->addStretch(1);
  Label7->setContentsMargins(0, 0, 6, 0);
  return layout;
}

QGroupBox* frmHauptform::BuildInsulationGroup() {
  Frame5 = NewGroup("Frame5", "Draht&isolierung:", this);
  Frame5->setToolTip(QStringLiteral("für zusätzlichen Verkürzungsfaktor bei isoliertem Draht"));
  Label8 = NewLabel("Label8", "relative &Dielektrizitätszahl :", Frame5);
  Combo1 = new QComboBox(Frame5);
  Combo1->setObjectName(QStringLiteral("Combo1"));
  Combo1->setEditable(true);
  Combo1->setInsertPolicy(QComboBox::NoInsert);
  Combo1->setCompleter(nullptr);  // what is typed stays as typed
  Combo1->setToolTip(QStringLiteral(" Isolier-Material "));
  Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  Label8->setBuddy(Combo1);
  NameAfterCaption(Combo1->lineEdit(), Label8);
  Label9 = NewLabel("Label9", "Durchmesser [mm]", Frame5);
  Label10 = NewLabel("Label10", "Aussen:", Frame5);
  Text6 = NewLimitedBox("Text6", zb::kDiameterLength, " Gesamtdurchmesser ", Frame5);
  Label11 = NewLabel("Label11", "Leiter:", Frame5);
  Text7 = NewLimitedBox("Text7", zb::kDiameterLength, " Drahtdurchmesser ", Frame5);
  Label10->setBuddy(Text6);
  Label11->setBuddy(Text7);

  auto* grid = new QGridLayout(Frame5);
  grid->addWidget(Label8, 0, 0);
  grid->addWidget(Combo1, 0, 1, 1, 4);
  grid->addWidget(NewLine("Line3", Frame5), 1, 0, 1, 5);
  grid->addWidget(Label9, 2, 0);
  grid->addWidget(Label10, 2, 1, Qt::AlignRight);
  grid->addWidget(Text6, 2, 2);
  grid->addWidget(Label11, 2, 3, Qt::AlignRight);
  grid->addWidget(Text7, 2, 4);
  grid->addWidget(NewLine("Line4", Frame5), 3, 0, 1, 5);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(4, 1);
  SetDiametersEnabled(false);
  return Frame5;
}

QHBoxLayout* frmHauptform::BuildButtonRow() {
  Command1 = new QPushButton(QStringLiteral("&Rechnen"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setToolTip(QStringLiteral(" Berechnung durchführen  "));
  Command1->setDefault(true);
  Command2 = new QPushButton(QStringLiteral("&Anzeigen"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setToolTip(QStringLiteral(" Ergebnisse anzeigen "));
  Command2->setEnabled(false);
  auto* layout = new QHBoxLayout;
  layout->addStretch(1);
  layout->addWidget(Command1);
  layout->addWidget(Command2);
  return layout;
}

// ------------------------------------------------------------------ events

void frmHauptform::ConnectEvents() {
  for (std::size_t i = 0; i < Option2.size(); ++i)
    connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) guarded_([&] { Option2_Click(static_cast<int>(i)); });
    });
  for (std::size_t i = 0; i < Option1.size(); ++i)
    connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) guarded_([&] { Option1_Click(static_cast<int>(i)); });
    });
  connect(Text4, &QLineEdit::textChanged, this, [this] { guarded_([this] { Text4_Change(); }); });
  connect(Text7, &QLineEdit::textChanged, this, [this] { guarded_([this] { Text7_Change(); }); });
  connect(VkSteller, &QScrollBar::valueChanged, this, [this] { guarded_([this] { VkSteller_Change(); }); });
  connect(Combo1, qOverload<int>(&QComboBox::activated), this,
          [this](int index) { guarded_([&] { Combo1_Click(index); }); });
  connect(Command1, &QPushButton::clicked, this, [this] { guarded_([this] { Command1_Click(); }); });
  connect(Command2, &QPushButton::clicked, this, [this] { guarded_([this] { Command2_Click(); }); });
  // In Qt 6 the combo box's edit field hands its focus to the combo box, so
  // the keys arrive at the combo box, which passes them on to the edit field
  // directly; the combo box is where they are filtered.
  for (QObject* watched :
       {static_cast<QObject*>(Text1), static_cast<QObject*>(Text4), static_cast<QObject*>(Combo1),
        static_cast<QObject*>(Text6), static_cast<QObject*>(Text7), static_cast<QObject*>(VkSteller),
        static_cast<QObject*>(Command2)})
    watched->installEventFilter(this);
  LetMenuShortcutsComeFirst({Text1, Text4, Combo1, Text6, Text7});
  // Enter on a band or segment button runs "&Rechnen" too (see eventFilter).
  for (QRadioButton* option : Option2) option->installEventFilter(this);
  for (QRadioButton* option : Option1) option->installEventFilter(this);
}

namespace {

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

bool frmHauptform::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (watched == Combo1) comboKeysDown_.insert(key->key());
      // On this form Enter means "&Rechnen" (or the button that has the
      // focus), so it is taken where it arrives instead of travelling up to
      // the form: the combo box keeps Enter for itself, and under a desktop
      // theme whose button-press keys include Enter (the GNOME and GTK
      // themes) an option button presses itself and a group box swallows
      // the key on its way from a box to the form (Qt 6.4).
      if (IsEnter(key) && watched != Command2) {
        keyPressEvent(key);
        return true;
      }
      if (qobject_cast<QRadioButton*>(watched)) break;
      if (watched != VkSteller && watched != Command2) return FilterKey(key);
      break;
    }
    case QEvent::KeyRelease:
      // KeyUp belongs to a key pressed in the combo box. The release of a key
      // pressed elsewhere (Enter closing the " Fehler " box the last KeyUp
      // raised) is not its KeyUp; otherwise each dismissal opened a new box.
      if (watched == Combo1) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto down = comboKeysDown_.find(key->key());
        if (down == comboKeysDown_.end()) return true;
        if (!key->isAutoRepeat()) comboKeysDown_.erase(down);
        guarded_([this] { Combo1_KeyUp(); });
      }
      break;
    case QEvent::FocusOut:
      if (IsFocusMoveInsideTheProgram(static_cast<QFocusEvent*>(event))) {
        if (watched == Text4) guarded_([this] { Text4_LostFocus(); });
        if (watched == Command2) guarded_([this] { Command2_LostFocus(); });
      }
      break;
    case QEvent::FocusIn:
      if (watched == Combo1) comboKeysDown_.clear();
      if (watched == VkSteller && IsFocusMoveInsideTheProgram(static_cast<QFocusEvent*>(event)))
        guarded_([this] { VkSteller_GotFocus(); });
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
  QPushButton* button = focused ? focused : Command1;
  if (button->isEnabled()) button->click();
  event->accept();
}

void frmHauptform::Form_Load() {
  Combo1->clear();
  for (const std::string& entry : zb::InsulationMaterialList()) {
    Combo1->addItem(Q(entry));
    // The empty entry (bare wire) is all blanks; a screen reader says what it is.
    if (Q(entry).trimmed().isEmpty())
      Combo1->setItemData(Combo1->count() - 1, QStringLiteral("leer"), Qt::AccessibleTextRole);
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
  SetFrameStatus("Status: Bereit für Antennen-Berechnungen");
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    sub->hide();
  else
    hide();
}

void frmHauptform::Command1_Click() {
  UiPlatform& platform = module_.Platform();
  platform.SetHourglass(true);
  zb::ResultFileWriter report([] { return U8(GeneralDateTime(QDateTime::currentDateTime())); });
  zb::CalculationContext context{module_.State(), *this, module_.VelocityFactorWindow(), platform, report};
  zb::CalculateBeam(context);
  platform.SetHourglass(false);
}

void frmHauptform::Command2_Click() {
  QString file = Q(module_.State().Ergebnisdatei);
  module_.ShowTextFile(file);
}

void frmHauptform::Command2_LostFocus() {
  Command2->setEnabled(false);
  SetFrameStatus("Status: Berechnung eines Zelvar-Beam");
}

void frmHauptform::Text4_Change() {
  const bool low = zb::IsLowVelocityFactor(VelocityFactorText());
  SetTextColour(Text4, low ? zb::TextColour::Red : zb::TextColour::Black);
}

void frmHauptform::Text4_LostFocus() { model_.Text4_LostFocus(); }

void frmHauptform::VkSteller_GotFocus() { model_.VkSteller_GotFocus(); }

void frmHauptform::VkSteller_Change() { model_.VkSteller_Change(); }

void frmHauptform::Option2_Click(int index) { model_.Option2_Click(index); }

void frmHauptform::Option1_Click(int index) { model_.Option1_Click(index); }

void frmHauptform::Combo1_Click(int index) { model_.Combo1_Click(index); }

void frmHauptform::Combo1_KeyUp() { model_.Combo1_KeyUp(); }

void frmHauptform::Text7_Change() { model_.Text7_Change(); }

void frmHauptform::SetDiametersEnabled(bool enabled) {
  for (QWidget* w :
       {static_cast<QWidget*>(Text6), static_cast<QWidget*>(Text7), static_cast<QWidget*>(Label9),
        static_cast<QWidget*>(Label10), static_cast<QWidget*>(Label11)})
    w->setEnabled(enabled);
}

void frmHauptform::ShowInfo() {
  QString shown = Q(infoCaption_);
  shown.remove(QLatin1Char('\r'));
  Info->setText(shown);
}

// ------------------------------------------------------- BeamFormAccess

std::string frmHauptform::FrequencyText() { return U8(Text1->text()); }
void frmHauptform::SetFrequencyText(const std::string& text) { SetBoxText(Text1, Q(text)); }
std::string frmHauptform::VelocityFactorText() { return U8(Text4->text()); }
void frmHauptform::SetVelocityFactorText(const std::string& text) { SetBoxText(Text4, Q(text)); }
std::string frmHauptform::PermittivityText() { return U8(Combo1->currentText()); }
std::string frmHauptform::OuterDiameterText() { return U8(Text6->text()); }
std::string frmHauptform::ConductorDiameterText() { return U8(Text7->text()); }

void frmHauptform::SelectBand(int index) { Option2[static_cast<std::size_t>(index)]->setChecked(true); }

int frmHauptform::SelectedSegment() {
  for (std::size_t i = 0; i < Option1.size(); ++i)
    if (Option1[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void frmHauptform::SetInfoCaption(const std::string& text) {
  infoCaption_ = text;
  ShowInfo();
}

void frmHauptform::EnableShowButton() { Command2->setEnabled(true); }

void frmHauptform::SetFrameStatus(const std::string& text) { module_.Frame().SetStatusText(Q(text)); }

void frmHauptform::FocusPermittivity() { Combo1->setFocus(Qt::OtherFocusReason); }

void frmHauptform::FocusConductorDiameter() { Text7->setFocus(Qt::OtherFocusReason); }

void frmHauptform::SetOuterDiameterText(const std::string& text) { SetBoxText(Text6, Q(text)); }
void frmHauptform::SetConductorDiameterText(const std::string& text) { SetBoxText(Text7, Q(text)); }
void frmHauptform::SetPermittivityText(const std::string& text) { Combo1->setEditText(Q(text)); }

std::string frmHauptform::BandCaption(int index) {
  return U8(Option2[static_cast<std::size_t>(index)]->text());
}

void frmHauptform::SetBandCaption(int index, const std::string& caption) {
  Option2[static_cast<std::size_t>(index)]->setText(Q(caption));
}

int frmHauptform::SpinnerValue() { return VkSteller->value(); }
void frmHauptform::SetSpinnerValue(int value) { VkSteller->setValue(value); }

}  // namespace zb::ui
