#pragma once
// The program's frame window: menus, status bar, the antenna drawing in its
// background, and the child windows.

#include <QMainWindow>

class QMdiArea;
class QLabel;

namespace zb::ui {

class Module1;

class MDIForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit MDIForm1(Module1& module);

  void MDIForm_Load();

  // Puts a window into the frame as a child window (hidden until shown).
  void AddChildWindow(QWidget* window);
  // Shows a child window and makes it the active one.
  void ShowChildWindow(QWidget* window);

  // Panel 1 of StatusBar1.
  QString StatusText() const;
  void SetStatusText(const QString& text);

 private:
  Module1& module_;
  QMdiArea* mdiArea_ = nullptr;
  QLabel* statusPanel1_ = nullptr;
};

}  // namespace zb::ui
