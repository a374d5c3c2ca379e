#pragma once
// The beam input form.

#include <QWidget>

namespace zb::ui {

class Module1;

class frmHauptform : public QWidget {
  Q_OBJECT

 public:
  explicit frmHauptform(Module1& module);
  void Form_Load();

 private:
  Module1& module_;
};

}  // namespace zb::ui
