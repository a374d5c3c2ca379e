#pragma once
// The real desktop: Qt's message boxes, dialogs, beep, event loop, override
// cursor and printer.

#include <memory>

#include "ui/platform/UiPlatform.h"

namespace zb::ui {

class QtPlatform final : public UiPlatform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  MsgResult MessageBox(const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override;
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) override;
  void Beep() override;
  void DoEvents() override;
  void SetHourglass(bool on) override;

  QPrinter& DefaultPrinter() override;
  std::unique_ptr<QPrinter> MakeDefaultPrinter() override;
  std::optional<QString> OpenFileDialog(QWidget* parent, const FileDialogOptions& options) override;
  std::optional<QString> SaveFileDialog(QWidget* parent, const FileDialogOptions& options) override;
  std::optional<FontChoice> FontDialog(QWidget* parent, const FontChoice& initial) override;
  bool PrintDialog(QWidget* parent, QPrinter& printer, bool selectionPreset, bool* printSelection) override;
  QString RegisteredViewer(const QString& document) override;
  bool StartDetached(const QString& program, const QStringList& arguments) override;
  std::vector<SerialPortEntry> SerialPorts() override;

 private:
  std::unique_ptr<QPrinter> printer_;
  bool hourglass_ = false;
};

// The page-range controls of Qt's print dialog ("Pages from", its two
// boxes, "Pages", its box, "Current Page"), by object name.
inline constexpr const char* kPageRangeControls[] = {"printRange",       "from",          "to",
                                                     "pagesRadioButton", "pagesLineEdit", "printCurrentPage"};
// Disables them in a print dialog and keeps them disabled.
void LockPageRange(QWidget& printDialog);

// "Text File (*.Txt)|*.txt|All Files (*.*)|*.*" as Qt's ";;"-separated name filters.
QString ToQtNameFilters(const QString& programFilter);

}  // namespace zb::ui
