// The dialog's list of analysers: every serial port with an analyser's USB
// id, named by board and firmware as soon as the device has said who it is.

#include <QComboBox>
#include <QLineEdit>
#include <utility>

#include "ui/analysator/frmAnalysator.h"
#include "ui/app/Module1.h"
#include "ui/platform/AnalyserPort.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

// "/dev/ttyACM0 – NanoVNA-H 4 (1.2.27)"; the path alone where the device named nothing.
QString NamedPort(const QString& path, const zb::AnalyserIdentity& identity) {
  QString name = QString::fromStdString(identity.board);
  if (!identity.firmware.empty())
    name += (name.isEmpty() ? QString() : QStringLiteral(" ")) +
            QStringLiteral("(%1)").arg(QString::fromStdString(identity.firmware));
  return name.isEmpty() ? path : path + QStringLiteral(" \u2013 ") + name;
}

}  // namespace

// Lists the analysers anew, keeping what the user typed or was preset, and
// asks each of the shell family who it is; the other family cannot answer.
void frmAnalysator::ListAnalysers() {
  StopAsking();
  const QString typed = portBox->currentText();
  portBox->clear();
  for (const SerialPortEntry& entry : module_.Platform().SerialPorts()) {
    if (!entry.vendor || !entry.product) continue;
    const zb::AnalyserFamily family = zb::FamilyOfUsbId(*entry.vendor, *entry.product);
    if (family == zb::AnalyserFamily::None) continue;
    portBox->addItem(entry.path, entry.path);
    if (family == zb::AnalyserFamily::Shell) AskWhoAnswers(entry.path);
  }
  const int preset = portBox->findData(typed);
  if (preset >= 0)
    portBox->setCurrentIndex(preset);
  else if (!typed.isEmpty() || portBox->count() == 0)
    portBox->setEditText(typed);
  else
    portBox->setCurrentIndex(0);
}

void frmAnalysator::AskWhoAnswers(const QString& path) {
  auto* probe = new AnalyserPort(path, zb::AnalyserPlan{}, this);
  connect(probe, &AnalyserPort::Finished, this,
          [this, probe] { guarded_([this, probe] { Answered(probe); }); });
  probes_.push_back(probe);
  probe->Start();
}

// A device that answered gets its name in the list; the text the user has
// typed over it stays as typed.
void frmAnalysator::Answered(AnalyserPort* probe) {
  std::erase(probes_, probe);
  probe->deleteLater();
  if (probe->Fault() != zb::AnalyserFault::None) return;
  const int index = portBox->findData(probe->Path());
  if (index < 0) return;
  const QString shown = portBox->currentText();
  const bool typedOver = index != portBox->currentIndex() || shown != portBox->itemText(index);
  portBox->setItemText(index, NamedPort(probe->Path(), probe->Session().Identity()));
  if (typedOver) portBox->setEditText(shown);
}

void frmAnalysator::StopAsking() {
  // Each cancel ends in Answered, which takes the probe off the list.
  for (AnalyserPort* probe : std::vector<AnalyserPort*>(probes_)) probe->Cancel();
  for (AnalyserPort* probe : std::exchange(probes_, {})) probe->deleteLater();
}

// The path of the listed analyser shown, or the path the user typed.
QString frmAnalysator::ChosenPort() const {
  QString shown = portBox->currentText().trimmed();
  for (int i = 0; i < portBox->count(); ++i)
    if (portBox->itemText(i) == shown) return portBox->itemData(i).toString();
  return shown;
}

}  // namespace zb::ui
