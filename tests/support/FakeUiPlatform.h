#pragma once
// The desktop seam for window tests: scripted message and input boxes (from
// ScriptedPlatform), scripted dialogs, a PDF printer, a fake viewer lookup,
// and a record of started programs. No test ever waits on a real dialog.

#include <QPrinter>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "tests/support/ScriptedPlatform.h"
#include "ui/platform/QtPlatform.h"
#include "ui/platform/UiPlatform.h"

namespace zb::test {

class FakeUiPlatform : public ScriptedPlatform, public zb::ui::UiPlatform {
 public:
  std::deque<std::optional<QString>> openAnswers;  // next open-dialog answers
  std::deque<std::optional<QString>> saveAnswers;  // next save-dialog answers
  std::deque<std::optional<zb::ui::FontChoice>> fontAnswers;
  std::deque<std::optional<bool>> printAnswers;  // printSelection, or cancel
  std::vector<zb::ui::FileDialogOptions> fileDialogs;
  std::vector<zb::ui::FontChoice> fontDialogs;
  std::vector<bool> printDialogPresets;
  QString viewer;                    // what RegisteredViewer answers
  std::vector<QStringList> started;  // program followed by its arguments
  QString printFile;                 // where the PDF printer writes
  bool printerInstalled = true;      // false: MakeDefaultPrinter finds none
  bool letEventsRun = false;         // true: DoEvents runs the pending events as the program does
  std::vector<zb::ui::SerialPortEntry> serialPorts;  // what SerialPorts answers

  // printDir_ is declared below printFile, so it exists only in the body.
  FakeUiPlatform() { printFile = printDir_.filePath(QStringLiteral("print.pdf")); }

  QPrinter& DefaultPrinter() override {
    if (!printer_) {
      printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer_->setOutputFormat(QPrinter::PdfFormat);
      printer_->setOutputFileName(printFile);
    }
    return *printer_;
  }

  std::unique_ptr<QPrinter> MakeDefaultPrinter() override {
    if (!printerInstalled) return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(printFile);
    return printer;
  }

  std::optional<QString> OpenFileDialog(QWidget*, const zb::ui::FileDialogOptions& options) override {
    fileDialogs.push_back(options);
    return Next(openAnswers, "open dialog");
  }
  std::optional<QString> SaveFileDialog(QWidget*, const zb::ui::FileDialogOptions& options) override {
    fileDialogs.push_back(options);
    return Next(saveAnswers, "save dialog");
  }
  std::optional<zb::ui::FontChoice> FontDialog(QWidget*, const zb::ui::FontChoice& initial) override {
    fontDialogs.push_back(initial);
    return Next(fontAnswers, "font dialog");
  }
  bool PrintDialog(QWidget*, QPrinter&, bool selectionPreset, bool* printSelection) override {
    printDialogPresets.push_back(selectionPreset);
    const std::optional<bool> answer = Next(printAnswers, "print dialog");
    if (!answer) return false;
    if (printSelection) *printSelection = *answer;
    return true;
  }
  void DoEvents() override {
    ScriptedPlatform::DoEvents();
    if (letEventsRun) desktop_.DoEvents();
  }
  QString RegisteredViewer(const QString&) override { return viewer; }
  bool StartDetached(const QString& program, const QStringList& arguments) override {
    started.push_back(QStringList{program} + arguments);
    return true;
  }
  std::vector<zb::ui::SerialPortEntry> SerialPorts() override { return serialPorts; }

 private:
  template <typename T>
  std::optional<T> Next(std::deque<std::optional<T>>& answers, const char* what) {
    if (answers.empty()) {
      ADD_FAILURE() << "unplanned " << what;
      return std::nullopt;
    }
    std::optional<T> answer;
    if (answers.front().has_value()) answer.emplace(std::move(*answers.front()));
    answers.pop_front();
    return answer;
  }

  QTemporaryDir printDir_;
  std::unique_ptr<QPrinter> printer_;
  zb::ui::QtPlatform desktop_;  // only its DoEvents is used
};

}  // namespace zb::test
