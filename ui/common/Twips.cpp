#include "ui/common/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace zb::ui {

double ScreenDpi(const QWidget* widget) {
  const QScreen* screen = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchX() : 96.0;
}

int TwipsToPixels(double twips, const QWidget* widget) {
  return static_cast<int>(std::lround(twips * ScreenDpi(widget) / 1440.0));
}

double PixelsToTwips(int pixels, const QWidget* widget) { return pixels * 1440.0 / ScreenDpi(widget); }

}  // namespace zb::ui
