#pragma once
// "Drucken" -> "Antennen&zeichnung ": after the user's OK, the frame's
// antenna drawing of the normal window state on a page, as large as fits in
// the frame's client area (each side shrunk to nine tenths of the page where
// it is larger) in the drawing's own proportions, with " Kalvex-Zelvar-Beam"
// over its top-left corner.

#include <cstdint>

namespace zb::ui {

class DrawingPrintFrame;
class UiPlatform;

// A side of the picture on paper, in twips: the frame's side, or nine tenths
// of the page's where the frame's is larger.
std::int16_t PrintedSide(std::int16_t frameSide, std::int16_t pageSide);

void PrintDrawing(UiPlatform& platform, DrawingPrintFrame& frame);

}  // namespace zb::ui
