#include "ui/common/StatusPanels.h"

#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include "locale/LocaleText.h"
#include "ui/common/Twips.h"

namespace zb::ui {

namespace {

constexpr double kStatusPanelMinWidth = 3175;  // twips
constexpr double kClockPanelWidth = 1852;      // twips

}  // namespace

StatusPanels::StatusPanels(QMainWindow* window) : QObject(window) {
  QStatusBar* bar = window->statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(true);
  const char* toolTips[3] = {QT_TRANSLATE_NOOP("Status", "Statusanzeige"),
                             QT_TRANSLATE_NOOP("Status", "Computerzeit"),
                             QT_TRANSLATE_NOOP("Status", "Datum")};
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    QLabel* panel = new QLabel(bar);
    panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
    panel->setToolTip(QCoreApplication::translate("Status", toolTips[i]));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setIndent(3);
    panels_[i] = panel;
  }
  panels_[0]->setText(QCoreApplication::translate("Status", "Status:"));
  panels_[0]->setMinimumWidth(TwipsToPixels(kStatusPanelMinWidth, window));
  bar->addWidget(panels_[0], 1);
  for (std::size_t i = 1; i < panels_.size(); ++i) {
    panels_[i]->setFixedWidth(TwipsToPixels(kClockPanelWidth, window));
    panels_[i]->setAlignment(Qt::AlignCenter);
    bar->addPermanentWidget(panels_[i]);
  }
  // The time and date panels show the computer's clock as it runs.
  clock_ = new QTimer(this);
  connect(clock_, &QTimer::timeout, this, &StatusPanels::UpdateClock);
  clock_->start(1000);
  UpdateClock();
}

QString StatusPanels::Text() const { return panels_[0]->text(); }

void StatusPanels::SetText(const QString& text) { panels_[0]->setText(text); }

void StatusPanels::UpdateClock() {
  const QLocale locale = QLocale::system();
  panels_[1]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
  panels_[2]->setText(ShortDate(QDate::currentDate(), locale));
}

}  // namespace zb::ui
