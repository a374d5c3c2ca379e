#pragma once
// The desktop seam of the windows: everything of core's Platform plus the
// printer, the common dialogs, the registered-viewer lookup and starting a
// program. QtPlatform is the real one; tests use a scripted fake.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/shared/Platform.h"

class QPrinter;
class QWidget;

namespace zb::ui {

// Options of the open and save dialogs. The filter is in the program's
// "Text File (*.Txt)|*.txt|Rich Text File (*.Rtf)|*.rtf|..." form.
struct FileDialogOptions {
  QString title;
  QString filter;
  QString proposedName;
  QString folder;  // where the dialog starts; "" for its own choice
  bool promptOverwrite = false;
  bool promptCreate = false;
  // Save dialog: a name typed without an extension gets the one of the
  // chosen filter ("*.svg" gives ".svg").
  bool extensionFromFilter = false;
};

// What the font dialog shows and returns: font (with strike-out and
// underline) and colour.
struct FontChoice {
  QFont font;
  QColor color = Qt::black;
};

// A serial port on the machine and, for a USB device, its ids.
struct SerialPortEntry {
  QString path;  // "/dev/ttyACM0"
  std::optional<std::uint16_t> vendor;
  std::optional<std::uint16_t> product;
};

class UiPlatform : public virtual zb::Platform {
 public:
  // The default printer.
  virtual QPrinter& DefaultPrinter() = 0;
  // A printer of its own for one print job on the default printer; nothing
  // when no printer is installed.
  virtual std::unique_ptr<QPrinter> MakeDefaultPrinter() = 0;

  // The common dialogs; nothing when the user cancels.
  virtual std::optional<QString> OpenFileDialog(QWidget* parent, const FileDialogOptions& options) = 0;
  virtual std::optional<QString> SaveFileDialog(QWidget* parent, const FileDialogOptions& options) = 0;
  virtual std::optional<FontChoice> FontDialog(QWidget* parent, const FontChoice& initial) = 0;
  // Shows the print dialog for the printer; false when cancelled. With
  // selectionPreset the choice "selection" is preset, otherwise "all".
  // Afterwards *printSelection tells which the user chose.
  virtual bool PrintDialog(QWidget* parent, QPrinter& printer, bool selectionPreset,
                           bool* printSelection) = 0;

  // The program the desktop has registered for the document, or "".
  virtual QString RegisteredViewer(const QString& document) = 0;
  // Starts a program with an argument list (never through a shell).
  virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;

  // The serial ports the system knows now.
  virtual std::vector<SerialPortEntry> SerialPorts() = 0;
};

}  // namespace zb::ui
