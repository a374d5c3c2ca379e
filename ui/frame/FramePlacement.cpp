#include "ui/frame/FramePlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace zb::ui {

QRect ReachablePlacement(const QRect& outer, int titleBarHeight, const QList<QRect>& availableAreas,
                         const QRect& primaryArea) {
  const QRect titleBar(outer.topLeft(), QSize(outer.width(), titleBarHeight));
  for (const QRect& area : availableAreas)
    if (area.intersects(titleBar)) return outer;
  if (primaryArea.isEmpty()) return outer;

  const QSize size = outer.size().boundedTo(primaryArea.size());
  // The nearest place on the primary screen where the whole frame shows.
  const int left = std::clamp(outer.left(), primaryArea.left(), primaryArea.right() + 1 - size.width());
  const int top = std::clamp(outer.top(), primaryArea.top(), primaryArea.bottom() + 1 - size.height());
  return QRect(QPoint(left, top), size);
}

QRect ReachablePlacementOnScreens(const QRect& outer, int titleBarHeight) {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
  const QScreen* primary = QGuiApplication::primaryScreen();
  return ReachablePlacement(outer, titleBarHeight, areas, primary ? primary->availableGeometry() : QRect());
}

}  // namespace zb::ui
