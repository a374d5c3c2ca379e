#pragma once
// The quick view's text area. A paste takes its own copy of the clipboard's
// data before inserting it: on X11 the clipboard's owner serves the data on
// request, and an owner that exits in the middle of a paste (a one-shot
// `xclip`, a closing program) once took the quick view down with it.

#include <QTextEdit>

namespace zb::ui {

class PastedCopyTextEdit : public QTextEdit {
 public:
  using QTextEdit::QTextEdit;

 protected:
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace zb::ui
