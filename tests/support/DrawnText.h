#pragma once
// What a control draws, read from its pixels instead of its palette: the
// colour a test sets on a palette role counts only if the control paints its
// text with that role.

#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QWidget>
#include <algorithm>

namespace zb::test {

// The control as drawn now, without its frame (a box's border, the sunken
// panel of a value label, the focus frame): the band its text stands in, a
// few pixels in from the sides and the middle half of its height.
// A box with the focus is drawn without its text cursor, which Qt draws in
// a colour of its own.
inline QImage DrawnInnerArea(QWidget* widget) {
  auto* box = qobject_cast<QLineEdit*>(widget);
  const bool hideCursor = box && !box->isReadOnly();
  if (hideCursor) box->setReadOnly(true);
  const QImage drawn = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (hideCursor) box->setReadOnly(false);
  const int side = static_cast<int>(4 * drawn.devicePixelRatio());
  const int h = drawn.height();
  return drawn.copy(QRect(side, h / 4, drawn.width() - 2 * side, h - 2 * (h / 4)));
}

// Clearly red: the text's own pixels in RGB 255, 0, 0, not its antialiased
// edges on a light or dark background.
inline bool IsClearlyRed(QRgb pixel) {
  return qRed(pixel) >= 200 && qGreen(pixel) <= 60 && qBlue(pixel) <= 60;
}

inline int RedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += IsClearlyRed(image.pixel(x, y));
  return count;
}

inline int Luminance(QRgb pixel) { return qGray(pixel); }

// The luminance spread of the area: lightest pixel minus darkest, 0 to 255.
// Text in the normal colour on its background spreads about 200; black text
// on a dark box about 35.
inline int LuminanceSpread(const QImage& image) {
  int lo = 255, hi = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      lo = std::min(lo, Luminance(image.pixel(x, y)));
      hi = std::max(hi, Luminance(image.pixel(x, y)));
    }
  return hi - lo;
}

// How the text of a control is drawn.
struct DrawnText {
  int redPixels = 0;  // clearly red pixels
  int spread = 0;     // luminance spread: text against background
};

inline DrawnText ReadDrawnText(QWidget* widget) {
  const QImage inner = DrawnInnerArea(widget);
  return {RedPixels(inner), LuminanceSpread(inner)};
}

// Red text: clearly red pixels, enough of them for a digit or two.
inline bool DrawnRed(QWidget* widget) { return ReadDrawnText(widget).redPixels >= 8; }

// Normal text: not one red pixel, and the text stands out from the
// background (a spread of at least 128 of 255).
inline bool DrawnNormal(QWidget* widget) {
  const DrawnText drawn = ReadDrawnText(widget);
  return drawn.redPixels == 0 && drawn.spread >= 128;
}

// A dark desktop theme, as the GTK theme Adwaita:dark gives it: light text on
// dark windows and boxes, the tooltip (note panel) colours light with black
// text.
inline QPalette DarkThemePalette() {
  QPalette dark;
  const QColor window(53, 53, 53), base(45, 45, 45), light(238, 238, 236);
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    dark.setColor(group, QPalette::Window, window);
    dark.setColor(group, QPalette::WindowText, light);
    dark.setColor(group, QPalette::Base, base);
    dark.setColor(group, QPalette::AlternateBase, window);
    dark.setColor(group, QPalette::Text, light);
    dark.setColor(group, QPalette::Button, window);
    dark.setColor(group, QPalette::ButtonText, light);
    dark.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
    dark.setColor(group, QPalette::ToolTipText, QColor(0, 0, 0));
    dark.setColor(group, QPalette::PlaceholderText, QColor(146, 149, 149));
  }
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(QPalette::Disabled, role, QColor(146, 149, 149));
  for (auto role : {QPalette::Window, QPalette::Button}) dark.setColor(QPalette::Disabled, role, window);
  dark.setColor(QPalette::Disabled, QPalette::Base, base);
  return dark;
}

}  // namespace zb::test
