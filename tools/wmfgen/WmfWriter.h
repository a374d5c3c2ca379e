#pragma once
// Writes a placeable Windows metafile (Aldus header, standard metafile header,
// GDI records) from simple drawing calls. Coordinates are logical units of a
// window that starts at (0, 0) and spans the picture's width and height; the
// placeable header maps them to inches with unitsPerInch.

#include <cstdint>
#include <string>
#include <vector>

namespace zb::tools {

struct WmfPoint {
  int x = 0;
  int y = 0;
};

enum class PenStyle { kSolid, kDash, kDot, kNull };
enum class TextAlign { kLeft, kCenter, kRight };

class WmfWriter {
 public:
  // width and height in logical units (1 .. 32767); unitsPerInch e.g. 1440.
  WmfWriter(int width, int height, int unitsPerInch);

  // Current drawing tools; each change creates a new GDI object and deletes
  // the one it replaces, so the file never holds more than a few objects.
  void SetPen(int width, PenStyle style, std::uint32_t rgb = 0);
  void SetBrush(bool filled, std::uint32_t rgb = 0);
  // height = em height in logical units; faceName in ASCII.
  void SetFont(const std::string& faceName, int height, bool bold, bool italic);

  void Polyline(const std::vector<WmfPoint>& points);
  void Polygon(const std::vector<WmfPoint>& points);
  void Rectangle(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  // text in Windows-1252 bytes; y is the baseline. A centred or right-aligned
  // text is placed from the widths of the current font (which must be a
  // standard face, see FontMetrics.h) and stored left-aligned, so that every
  // player puts it where it belongs.
  void Text(int x, int y, TextAlign align, const std::string& cp1252);

  // The finished file: placeable header, metafile header, records, EOF.
  std::vector<std::uint8_t> Finish() const;

 private:
  enum class Kind { kPen, kBrush, kFont };
  void Record(std::uint16_t function, const std::vector<std::uint16_t>& params);
  void ReplaceObject(Kind kind, std::uint16_t createFunction, const std::vector<std::uint16_t>& params);
  static std::uint16_t Coord(int value);

  int width_;
  int height_;
  int unitsPerInch_;
  std::vector<std::uint16_t> records_;  // in 16-bit words, little-endian on output
  std::uint32_t maxRecordWords_ = 0;
  std::vector<bool> slots_;         // GDI object table: true = in use
  int selected_[3] = {-1, -1, -1};  // object index selected per kind
  std::string faceName_;
  int fontHeight_ = 0;
  bool bold_ = false;
  bool italic_ = false;
};

}  // namespace zb::tools
