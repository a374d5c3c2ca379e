#include "ui/print/PrintJob.h"

#include <QPrinter>

#include "core/numbers/RuntimeError.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

PrintJob::PrintJob(UiPlatform& platform) : platform_(platform) {}

PrintJob::~PrintJob() {
  if (painter_.isActive()) painter_.end();
}

QPrinter& PrintJob::Printer() {
  if (!printer_) printer_ = platform_.MakeDefaultPrinter();
  if (!printer_) throw RuntimeError(kPrinterError, "Es ist kein Drucker installiert.");
  return *printer_;
}

QPainter& PrintJob::Painter() {
  if (painter_.isActive()) return painter_;
  QPrinter& printer = Printer();
  if (!painter_.begin(&printer)) throw RuntimeError(kPrinterError, "Druckerfehler");
  return painter_;
}

QPainter& PrintJob::NextPage() {
  if (!painter_.isActive()) return Painter();
  if (!printer_->newPage()) throw RuntimeError(kPrinterError, "Druckerfehler");
  return painter_;
}

void PrintJob::End() {
  if (painter_.isActive() && !painter_.end()) throw RuntimeError(kPrinterError, "Druckerfehler");
}

}  // namespace zb::ui
