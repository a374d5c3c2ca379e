#pragma once
// The controls the windows are built from. Each gets its name as the program
// knows it as object name.

#include <initializer_list>

#include "core/shared/TextColour.h"

class QColor;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

namespace zb::ui {

QLabel* NewLabel(const char* name, const QString& caption, QWidget* parent);

// A label the program fills with texts of its own making: they show as they
// stand, never as rich text.
QLabel* NewPlainLabel(const char* name, QWidget* parent);

// A value shown like a box's text: on the boxes' background in a sunken panel.
QLabel* NewValueLabel(const char* name, QWidget* parent);

// A note or result in the tooltip colours in a sunken panel, margin pixels
// around the text.
QLabel* NewNotePanel(const char* name, int margin, QWidget* parent);

// An empty toolTip: no tooltip.
QLineEdit* NewBox(const char* name, const QString& toolTip, QWidget* parent);
QGroupBox* NewGroup(const char* name, const QString& caption, QWidget* parent);

// Tahoma where it is installed; otherwise the nearest sans-serif font.
QFont TahomaFont();

// Red or normal text, on the palette role the widget paints its text with
// (its foreground role: Text for a box and a value label on the boxes'
// background, WindowText for a label on the window, ToolTipText for a note
// panel). Red is RGB 255, 0, 0 on every desktop theme. The designed
// "black" (zb::TextColour::Black) is the normal text colour of a light Windows
// desktop; it is shown as the widget's normal text colour of the current
// palette, so that it stays readable on a dark theme: the widget's own colour
// for that role is dropped and the palette's own comes back.
void SetTextColour(QWidget* widget, zb::TextColour colour);

// A fixed text colour (the coupled-dipole window's blue captions), on the
// same role.
void SetTextColour(QWidget* widget, const QColor& colour);

// A screen reader names the control after the caption that labels it (its
// access-key ampersand left out), where Qt cannot find the caption itself.
void NameAfterCaption(QWidget* control, const QLabel* caption);

// Tab moves through the widgets in the order given.
void SetTabOrder(std::initializer_list<QWidget*> order);

}  // namespace zb::ui
