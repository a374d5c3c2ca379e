#pragma once
// The program's built-in resources: the program icon, under
// ":/icons/zelvar-beam.png" (256 pixels), ":/icons/zelvar-beam.svg" and
// ":/icons/zelvar-beam-16.png", "-32", "-48", "-256".

#include <QIcon>

namespace zb::ui {

// Makes the resources of the zb_assets library known to Qt. Call once at
// start-up, before the first resource path is used; calling again is harmless.
void InitAssets();

// The program icon with all its sizes.
QIcon ProgramIcon();

}  // namespace zb::ui
