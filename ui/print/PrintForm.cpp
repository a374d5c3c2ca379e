#include "ui/print/PrintForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPaintDevice>
#include <QPicture>
#include <QWidget>
#include <algorithm>

#include "ui/print/PrintJob.h"

namespace zb::ui {

void PrintForm(QWidget& window, PrintJob& job) {
  // Controls just shown or hidden for the print take their places first.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  // Straight onto a printer Qt paints a widget as one screen-sized bitmap;
  // recorded as drawing commands first, its texts and lines stay sharp and
  // the texts stay text.
  QPicture commands;
  window.render(&commands);
  QPainter& painter = job.NextPage();
  const QPaintDevice& page = *painter.device();
  // Played back, the commands are scaled from the picture's resolution to the
  // printer's; the window's pixels are at its screen's resolution.
  const double toPrinter = static_cast<double>(page.logicalDpiX()) / window.logicalDpiX();
  const double printedWidth = window.width() * toPrinter;
  const double printedHeight = window.height() * toPrinter;
  double scale = static_cast<double>(commands.logicalDpiX()) / window.logicalDpiX();
  if (printedWidth > page.width() || printedHeight > page.height())
    scale *= std::min(page.width() / printedWidth, page.height() / printedHeight);
  painter.save();
  painter.scale(scale, scale);
  painter.drawPicture(0, 0, commands);
  painter.restore();
}

}  // namespace zb::ui
