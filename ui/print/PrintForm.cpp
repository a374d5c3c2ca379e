#include "ui/print/PrintForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QPaintDevice>
#include <QPicture>
#include <QWidget>
#include <algorithm>

#include "ui/print/PrintJob.h"

namespace zb::ui {

namespace {

// The window's client area: all of it but a menu bar along its top, which
// belongs to the window's frame, not to its contents.
QRect ClientRect(const QWidget& window) {
  QRect client = window.rect();
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>(Qt::FindDirectChildrenOnly))
    if (bar->isVisible()) client.setTop(std::max(client.top(), bar->geometry().bottom() + 1));
  return client;
}

}  // namespace

void PrintForm(QWidget& window, PrintJob& job) {
  // Controls just shown or hidden for the print take their places first.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  const QRect client = ClientRect(window);
  // Straight onto a printer Qt paints a widget as one screen-sized bitmap;
  // recorded as drawing commands first, its texts and lines stay sharp and
  // the texts stay text.
  // The client area's top-left corner goes to the picture's origin.
  QPicture commands;
  window.render(&commands, QPoint(), QRegion(client));
  QPainter& painter = job.NextPage();
  const QPaintDevice& page = *painter.device();
  // Played back, the commands are scaled from the picture's resolution to the
  // printer's; the window's pixels are at its screen's resolution.
  const double toPrinter = static_cast<double>(page.logicalDpiX()) / window.logicalDpiX();
  const double printedWidth = client.width() * toPrinter;
  const double printedHeight = client.height() * toPrinter;
  double scale = static_cast<double>(commands.logicalDpiX()) / window.logicalDpiX();
  if (printedWidth > page.width() || printedHeight > page.height())
    scale *= std::min(page.width() / printedWidth, page.height() / printedHeight);
  painter.save();
  painter.scale(scale, scale);
  painter.drawPicture(0, 0, commands);
  painter.restore();
}

}  // namespace zb::ui
