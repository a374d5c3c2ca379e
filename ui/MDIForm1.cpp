#include "ui/MDIForm1.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "ui/Module1.h"

namespace zb::ui {

MDIForm1::MDIForm1(Module1& module) : module_(module) {
  setObjectName(QStringLiteral("MDIForm1"));
  setWindowTitle(QStringLiteral("Kalvex Zelvar-Beam-Berechnung"));
  mdiArea_ = new QMdiArea(this);
  setCentralWidget(mdiArea_);
  statusPanel1_ = new QLabel(QStringLiteral("Status:"), this);
  statusBar()->addWidget(statusPanel1_, 1);
}

void MDIForm1::MDIForm_Load() {}

void MDIForm1::AddChildWindow(QWidget* window) {
  QMdiSubWindow* sub = mdiArea_->addSubWindow(window);
  sub->hide();
}

void MDIForm1::ShowChildWindow(QWidget* window) {
  for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
    if (sub->widget() == window) {
      window->show();
      sub->show();
      mdiArea_->setActiveSubWindow(sub);
    }
  }
}

QString MDIForm1::StatusText() const { return statusPanel1_->text(); }
void MDIForm1::SetStatusText(const QString& text) { statusPanel1_->setText(text); }

}  // namespace zb::ui
