#pragma once
// Where the frame goes when its stored placement is applied. The stored
// values are the frame's outer geometry, window border and title bar
// included. A placement that leaves the title bar outside every screen (a
// monitor that is gone) cannot be reached by the user; such a frame moves
// onto the primary screen at its stored size, shrunk where the screen is
// smaller.

#include <QList>
#include <QRect>

namespace zb::ui {

QRect ReachablePlacement(const QRect& outer, int titleBarHeight, const QList<QRect>& availableAreas,
                         const QRect& primaryArea);

// The same for the screens of this desktop.
QRect ReachablePlacementOnScreens(const QRect& outer, int titleBarHeight);

}  // namespace zb::ui
