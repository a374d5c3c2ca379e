#pragma once
// Menus and their entries, each with its name as the program knows it as
// object name.

#include <QKeySequence>

class QAction;
class QMenu;
class QString;
class QWidget;

namespace zb::ui {

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});

// A menu to be added to a menu bar or another menu; its action carries the
// name too.
QMenu* AddSubmenu(QWidget* parent, const char* name, const QString& caption);

QAction* AddSeparator(QMenu* menu, const char* name);

}  // namespace zb::ui
