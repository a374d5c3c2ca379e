#pragma once
// The controls the windows are built from. Each gets its name as the program
// knows it as object name.

#include <QPalette>
#include <initializer_list>

#include "core/TextColour.h"

class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace zb::ui {

QLabel* NewLabel(const char* name, const char* caption, QWidget* parent);

// A label the program fills with texts of its own making: they show as they
// stand, never as rich text.
QLabel* NewPlainLabel(const char* name, QWidget* parent);

// A value shown like a box's text: on the boxes' background in a sunken panel.
QLabel* NewValueLabel(const char* name, QWidget* parent);

// A note or result in the tooltip colours in a sunken panel, margin pixels
// around the text.
QLabel* NewNotePanel(const char* name, int margin, QWidget* parent);

// toolTip may be null (no tooltip).
QLineEdit* NewBox(const char* name, const char* toolTip, QWidget* parent);
QGroupBox* NewGroup(const char* name, const char* caption, QWidget* parent);

// Tahoma where it is installed; otherwise the nearest sans-serif font.
QFont TahomaFont();

// Red or black text: role is QPalette::Text for a box, QPalette::WindowText
// for a label.
void SetTextColour(QWidget* widget, QPalette::ColorRole role, zb::TextColour colour);

// A screen reader names the control after the caption that labels it (its
// access-key ampersand left out), where Qt cannot find the caption itself.
void NameAfterCaption(QWidget* control, const QLabel* caption);

// Tab moves through the widgets in the order given.
void SetTabOrder(std::initializer_list<QWidget*> order);

}  // namespace zb::ui
