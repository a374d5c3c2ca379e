#pragma once
// The images of the quick view's toolbar buttons, by button key: "Open" and
// "Save" are the style's own open and save images; "Print", "Font", "Bold",
// "Kursiv" and "Underline" are drawn here (a printer; a serif "A" over a
// colour bar; a bold "F", an italic "K" and an underlined "U" as German word
// processors mark fett, kursiv and unterstrichen).

#include <QIcon>
#include <QString>

class QStyle;

namespace zb::ui {

// The image for a button key; an empty icon for any other key.
QIcon QuickViewButtonImage(const QString& key, const QStyle* style);

}  // namespace zb::ui
