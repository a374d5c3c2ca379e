#include "ui/common/MenuEntries.h"

#include <QAction>
#include <QMenu>

namespace zb::ui {

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromUtf8(name));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

QMenu* AddSubmenu(QWidget* parent, const char* name, const QString& caption) {
  auto* menu = new QMenu(caption, parent);
  menu->setObjectName(QString::fromUtf8(name));
  menu->menuAction()->setObjectName(QString::fromUtf8(name));
  return menu;
}

QAction* AddSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QString::fromUtf8(name));
  return separator;
}

}  // namespace zb::ui
