#pragma once
// One print job on the default printer. The printer is asked for when it is
// first needed, so a missing printer shows up at the first print step; the
// job starts with its first page and ends with End() or, when a printout is
// abandoned, with the job object: what was printed so far comes out.

#include <QPainter>
#include <memory>

class QPrinter;

namespace zb::ui {

class UiPlatform;

// The error a print step raises when there is no printer or it fails.
inline constexpr int kPrinterError = 482;

class PrintJob {
 public:
  explicit PrintJob(UiPlatform& platform);
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // The default printer; raises kPrinterError when none is installed.
  QPrinter& Printer();
  // The painter of the current page, the job started if it was not yet.
  QPainter& Painter();
  // The painter of a fresh page: the first page of the job or the next one.
  QPainter& NextPage();
  // Sends the job to the printer.
  void End();

 private:
  UiPlatform& platform_;
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
};

}  // namespace zb::ui
