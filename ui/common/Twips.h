#pragma once
// Window geometry in twips (1/1440 inch): 15 twips are one pixel at 96 dpi;
// on other screens the screen's logical dpi scales them.

class QWidget;

namespace zb::ui {

// The logical dots per inch of the widget's screen (the primary screen without one).
double ScreenDpi(const QWidget* widget = nullptr);
int TwipsToPixels(double twips, const QWidget* widget = nullptr);
double PixelsToTwips(int pixels, const QWidget* widget = nullptr);

}  // namespace zb::ui
