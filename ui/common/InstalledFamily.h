#pragma once
// The fonts the program asks for by name, as installed on this computer.

#include <QString>

namespace zb::ui {

// The installed font family to use for a family the program asks for by
// name: the family itself when it is installed, otherwise a metric-compatible
// one ("Liberation Mono" for "Courier New", "Liberation Sans" for "Arial"),
// otherwise the system's fixed or general font. Other names are returned
// as they are.
QString InstalledFamily(const QString& wanted);

}  // namespace zb::ui
