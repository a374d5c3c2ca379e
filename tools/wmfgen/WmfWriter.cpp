#include "tools/wmfgen/WmfWriter.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/wmfgen/FontMetrics.h"

namespace zb::tools {

namespace {

// GDI record functions of the standard metafile format.
constexpr std::uint16_t kSetBkMode = 0x0102;
constexpr std::uint16_t kSetMapMode = 0x0103;
constexpr std::uint16_t kSetPolyFillMode = 0x0106;
constexpr std::uint16_t kSetTextColor = 0x0209;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kSetTextAlign = 0x012E;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kDeleteObject = 0x01F0;
constexpr std::uint16_t kCreatePenIndirect = 0x02FA;
constexpr std::uint16_t kCreateFontIndirect = 0x02FB;
constexpr std::uint16_t kCreateBrushIndirect = 0x02FC;
constexpr std::uint16_t kPolygon = 0x0324;
constexpr std::uint16_t kPolyline = 0x0325;
constexpr std::uint16_t kEllipse = 0x0418;
constexpr std::uint16_t kRectangle = 0x041B;
constexpr std::uint16_t kTextOut = 0x0521;

constexpr std::uint16_t kMapModeAnisotropic = 8;
constexpr std::uint16_t kBkModeTransparent = 1;
constexpr std::uint16_t kPolyFillAlternate = 1;
constexpr std::uint16_t kTaBaseline = 24;
constexpr std::size_t kFaceNameBytes = 32;

std::uint16_t Lo(std::uint32_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
std::uint16_t Hi(std::uint32_t v) { return static_cast<std::uint16_t>(v >> 16); }

// 0xRRGGBB as the two words of a COLORREF (0x00BBGGRR).
void AppendColor(std::vector<std::uint16_t>& params, std::uint32_t rgb) {
  const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  const std::uint32_t colorref = r | (g << 8) | (b << 16);
  params.push_back(Lo(colorref));
  params.push_back(Hi(colorref));
}

// Bytes packed into little-endian words, padded with a zero byte.
void AppendBytes(std::vector<std::uint16_t>& params, const std::string& bytes) {
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const auto lo = static_cast<unsigned char>(bytes[i]);
    const auto hi = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
    params.push_back(static_cast<std::uint16_t>(lo | (hi << 8)));
  }
}

}  // namespace

WmfWriter::WmfWriter(int width, int height, int unitsPerInch)
    : width_(width), height_(height), unitsPerInch_(unitsPerInch) {
  if (width < 1 || width > 32767 || height < 1 || height > 32767)
    throw std::invalid_argument("picture size must lie between 1 and 32767 units");
  if (unitsPerInch < 1 || unitsPerInch > 32767)
    throw std::invalid_argument("units per inch must lie between 1 and 32767");
  Record(kSetMapMode, {kMapModeAnisotropic});
  Record(kSetWindowOrg, {0, 0});
  Record(kSetWindowExt, {Coord(height), Coord(width)});
  Record(kSetBkMode, {kBkModeTransparent});
  Record(kSetPolyFillMode, {kPolyFillAlternate});
  std::vector<std::uint16_t> black;
  AppendColor(black, 0x000000);
  Record(kSetTextColor, black);
  Record(kSetTextAlign, {kTaBaseline});  // TA_LEFT | TA_BASELINE for every text
}

std::uint16_t WmfWriter::Coord(int value) {
  if (value < -32768 || value > 32767) throw std::invalid_argument("coordinate out of the 16-bit range");
  return static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
}

void WmfWriter::Record(std::uint16_t function, const std::vector<std::uint16_t>& params) {
  const auto words = static_cast<std::uint32_t>(3 + params.size());
  records_.push_back(Lo(words));
  records_.push_back(Hi(words));
  records_.push_back(function);
  records_.insert(records_.end(), params.begin(), params.end());
  maxRecordWords_ = std::max(maxRecordWords_, words);
}

void WmfWriter::ReplaceObject(Kind kind, std::uint16_t createFunction,
                              const std::vector<std::uint16_t>& params) {
  // A new object takes the lowest free index of the object table.
  auto free = std::find(slots_.begin(), slots_.end(), false);
  const auto index = static_cast<int>(free - slots_.begin());
  if (free == slots_.end())
    slots_.push_back(true);
  else
    *free = true;
  Record(createFunction, params);
  Record(kSelectObject, {static_cast<std::uint16_t>(index)});
  int& selected = selected_[static_cast<int>(kind)];
  if (selected >= 0) {
    Record(kDeleteObject, {static_cast<std::uint16_t>(selected)});
    slots_[static_cast<std::size_t>(selected)] = false;
  }
  selected = index;
}

void WmfWriter::SetPen(int width, PenStyle style, std::uint32_t rgb) {
  std::uint16_t gdiStyle = 0;
  switch (style) {
    case PenStyle::kSolid:
      gdiStyle = 0;
      break;
    case PenStyle::kDash:
      gdiStyle = 1;
      break;
    case PenStyle::kDot:
      gdiStyle = 2;
      break;
    case PenStyle::kNull:
      gdiStyle = 5;
      break;
  }
  std::vector<std::uint16_t> params{gdiStyle, Coord(width), 0};
  AppendColor(params, rgb);
  ReplaceObject(Kind::kPen, kCreatePenIndirect, params);
}

void WmfWriter::SetBrush(bool filled, std::uint32_t rgb) {
  std::vector<std::uint16_t> params{static_cast<std::uint16_t>(filled ? 0 : 1)};  // BS_SOLID, BS_NULL
  AppendColor(params, rgb);
  params.push_back(0);  // hatch
  ReplaceObject(Kind::kBrush, kCreateBrushIndirect, params);
}

void WmfWriter::SetFont(const std::string& faceName, int height, bool bold, bool italic) {
  if (faceName.empty() || faceName.size() >= kFaceNameBytes)
    throw std::invalid_argument("font name must have 1 to 31 characters");
  if (height < 1 || height > 32767) throw std::invalid_argument("font height out of range");
  std::vector<std::uint16_t> params{
      Coord(-height),  // negative: character (em) height
      0,               // width: default aspect
      0,
      0,  // escapement, orientation
      static_cast<std::uint16_t>(bold ? 700 : 400),
      static_cast<std::uint16_t>(italic ? 1 : 0),   // italic, underline (high byte)
      0,                                            // strike-out, charset ANSI
      static_cast<std::uint16_t>(0 | (0 << 8)),     // out precision, clip precision
      static_cast<std::uint16_t>(2 | (0x22 << 8)),  // quality PROOF, VARIABLE_PITCH | FF_SWISS
  };
  std::string face = faceName;
  face.resize(kFaceNameBytes, '\0');
  AppendBytes(params, face);
  ReplaceObject(Kind::kFont, kCreateFontIndirect, params);
  faceName_ = faceName;
  fontHeight_ = height;
  bold_ = bold;
  italic_ = italic;
}

void WmfWriter::Polyline(const std::vector<WmfPoint>& points) {
  if (points.size() < 2) throw std::invalid_argument("a polyline needs at least two points");
  std::vector<std::uint16_t> params{Coord(static_cast<int>(points.size()))};
  for (const auto& p : points) {
    params.push_back(Coord(p.x));
    params.push_back(Coord(p.y));
  }
  Record(kPolyline, params);
}

void WmfWriter::Polygon(const std::vector<WmfPoint>& points) {
  if (points.size() < 3) throw std::invalid_argument("a polygon needs at least three points");
  std::vector<std::uint16_t> params{Coord(static_cast<int>(points.size()))};
  for (const auto& p : points) {
    params.push_back(Coord(p.x));
    params.push_back(Coord(p.y));
  }
  Record(kPolygon, params);
}

void WmfWriter::Rectangle(int left, int top, int right, int bottom) {
  Record(kRectangle, {Coord(bottom), Coord(right), Coord(top), Coord(left)});
}

void WmfWriter::Ellipse(int left, int top, int right, int bottom) {
  Record(kEllipse, {Coord(bottom), Coord(right), Coord(top), Coord(left)});
}

void WmfWriter::Text(int x, int y, TextAlign align, const std::string& cp1252) {
  if (cp1252.empty()) return;
  if (cp1252.size() > 1024) throw std::invalid_argument("text too long");
  if (align != TextAlign::kLeft) {
    const auto em = TextWidthEm(faceName_, bold_, italic_, cp1252);
    if (!em)
      throw std::invalid_argument("centred or right-aligned text needs a standard font and known characters");
    const double width = *em * fontHeight_;
    x = static_cast<int>(std::lround(align == TextAlign::kCenter ? x - width / 2 : x - width));
  }
  std::vector<std::uint16_t> params{static_cast<std::uint16_t>(cp1252.size())};
  AppendBytes(params, cp1252);
  params.push_back(Coord(y));
  params.push_back(Coord(x));
  Record(kTextOut, params);
}

std::vector<std::uint8_t> WmfWriter::Finish() const {
  std::vector<std::uint16_t> words;
  // Placeable (Aldus) header: key, handle, bounding box, units per inch,
  // reserved, checksum over the ten words before it.
  words.insert(words.end(), {0xCDD7, 0x9AC6, 0, 0, 0, Coord(width_), Coord(height_),
                             static_cast<std::uint16_t>(unitsPerInch_), 0, 0});
  std::uint16_t checksum = 0;
  for (auto w : words) checksum ^= w;
  words.push_back(checksum);

  const std::uint32_t eofWords = 3;
  const auto totalWords = static_cast<std::uint32_t>(9 + records_.size() + eofWords);
  const std::uint32_t maxRecord = std::max(maxRecordWords_, eofWords);
  words.insert(words.end(), {1, 9, 0x0300, Lo(totalWords), Hi(totalWords),
                             static_cast<std::uint16_t>(slots_.size()), Lo(maxRecord), Hi(maxRecord), 0});
  words.insert(words.end(), records_.begin(), records_.end());
  words.insert(words.end(), {3, 0, 0});  // EOF record

  std::vector<std::uint8_t> bytes;
  bytes.reserve(words.size() * 2);
  for (auto w : words) {
    bytes.push_back(static_cast<std::uint8_t>(w & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(w >> 8));
  }
  return bytes;
}

}  // namespace zb::tools
