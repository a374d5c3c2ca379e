#pragma once
// The result quick view: a small rich-text editor for the report.

#include <QMainWindow>

namespace zb::ui {

class Module1;

class frmRTF : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmRTF(Module1& module);
  void Form_Load();

 private:
  Module1& module_;
};

}  // namespace zb::ui
