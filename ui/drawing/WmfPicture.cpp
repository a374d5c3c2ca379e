#include "ui/drawing/WmfPicture.h"

#include <libwmf/api.h>
#include <libwmf/ipa.h>
#include <libwmf/svg.h>

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <string>

#include "core/numbers/CLocale.h"
#include "core/numbers/Cp1252.h"
#include "core/numbers/RuntimeError.h"

namespace zb::ui {

namespace {

// Larger files are not taken for drawings.
constexpr qint64 kMaxFileBytes = qint64{64} * 1024 * 1024;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeaderBytes = 22;
constexpr std::size_t kMetaHeaderBytes = 18;

std::uint16_t Word(const QByteArray& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[static_cast<qsizetype>(at)]) |
                                    (static_cast<unsigned char>(b[static_cast<qsizetype>(at) + 1]) << 8));
}
std::int16_t Short(const QByteArray& b, std::size_t at) { return static_cast<std::int16_t>(Word(b, at)); }
std::uint32_t DWord(const QByteArray& b, std::size_t at) {
  return static_cast<std::uint32_t>(Word(b, at)) | (static_cast<std::uint32_t>(Word(b, at + 2)) << 16);
}

[[noreturn]] void Invalid() { zb::Raise(zb::kInvalidPicture); }

// The picture's own frame: the placeable header's box in logical units and
// its size in twips; nothing for a metafile without that header.
struct Frame {
  bool placeable = false;
  int left = 0, top = 0, right = 0, bottom = 0;
  QSize twips;
};

// Checks the file's frame before the player sees it: the optional placeable
// header, the metafile header, and a chain of records that stays inside the
// file and ends with the end-of-file record.
Frame CheckStructure(const QByteArray& bytes) {
  const auto size = static_cast<std::size_t>(bytes.size());
  std::size_t pos = 0;
  Frame frame;
  if (size >= 4 && DWord(bytes, 0) == kPlaceableKey) {
    if (size < kPlaceableHeaderBytes) Invalid();
    frame.placeable = true;
    frame.left = Short(bytes, 6);
    frame.top = Short(bytes, 8);
    frame.right = Short(bytes, 10);
    frame.bottom = Short(bytes, 12);
    const int inch = Word(bytes, 14);
    if (frame.right <= frame.left || frame.bottom <= frame.top || inch == 0) Invalid();
    frame.twips = QSize(static_cast<int>(std::lround((frame.right - frame.left) * 1440.0 / inch)),
                        static_cast<int>(std::lround((frame.bottom - frame.top) * 1440.0 / inch)));
    pos = kPlaceableHeaderBytes;
  }
  if (size < pos + kMetaHeaderBytes) Invalid();
  const std::uint16_t type = Word(bytes, pos), headerWords = Word(bytes, pos + 2),
                      version = Word(bytes, pos + 4);
  if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300)) Invalid();
  pos += kMetaHeaderBytes;
  while (true) {
    if (size - pos < 6) Invalid();  // the end-of-file record is missing: truncated
    const std::uint32_t words = DWord(bytes, pos);
    const std::uint16_t function = Word(bytes, pos + 4);
    if (words < 3 || words > (size - pos) / 2) Invalid();
    if (function == 0) break;
    pos += static_cast<std::size_t>(words) * 2;
  }
  return frame;
}

// How the player maps the metafile's logical coordinates to its device
// coordinates, as seen at the first drawing call: device = (logical - window
// origin) * pixel size.
struct DeviceMapping {
  bool known = false;
  double originX = 0, originY = 0;
  double windowWidth = 0, windowHeight = 0;
  double pixelWidth = 0, pixelHeight = 0;
};
thread_local DeviceMapping* t_mapping = nullptr;

void Remember(const wmfDC* dc) {
  if (!t_mapping || t_mapping->known || !dc) return;
  t_mapping->known = true;
  t_mapping->originX = dc->Window.Ox;
  t_mapping->originY = dc->Window.Oy;
  t_mapping->windowWidth = dc->Window.width;
  t_mapping->windowHeight = dc->Window.height;
  t_mapping->pixelWidth = dc->pixel_width;
  t_mapping->pixelHeight = dc->pixel_height;
}

// A record's text as the SVG device must write it: the device copies the
// bytes of the Windows code page unescaped, which is neither UTF-8 nor XML.
std::string EscapeText(const char* cp1252) {
  QString text;
  for (const char* p = cp1252; *p; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (c < 0x20)
      text += QChar(u' ');  // control characters are not allowed in XML
    else
      text += QChar(static_cast<char16_t>(Cp1252ToCodePoint(c)));
  }
  const std::string utf8 = text.toStdString();
  std::string escaped;
  for (char c : utf8) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

// The device's drawing functions, wrapped: each remembers the mapping; the
// text function also hands the device an escaped text.
template <typename Arg>
using DeviceFn = void (*)(wmfAPI*, Arg*);

template <typename Arg, DeviceFn<Arg> wmfFunctionReference::*Field>
struct Wrapped {
  static inline DeviceFn<Arg> original = nullptr;
  static void Call(wmfAPI* api, Arg* arg) {
    if (arg) Remember(arg->dc);
    original(api, arg);
  }
};

template <>
void Wrapped<wmfDrawText_t, &wmfFunctionReference::draw_text>::Call(wmfAPI* api, wmfDrawText_t* text) {
  if (!text || !text->str) return;
  Remember(text->dc);
  std::string escaped = EscapeText(text->str);
  char* own = text->str;
  text->str = escaped.data();
  original(api, text);
  text->str = own;
}

template <typename Arg, DeviceFn<Arg> wmfFunctionReference::*Field>
bool Install(wmfFunctionReference* functions, bool first) {
  using W = Wrapped<Arg, Field>;
  DeviceFn<Arg>& slot = functions->*Field;
  if (first) W::original = slot;
  if (slot != W::original) return false;  // every player has the same device functions
  if (slot) slot = &W::Call;
  return true;
}

bool InstallAll(wmfFunctionReference* f) {
  static std::mutex installing;
  static bool installed = false;
  std::lock_guard lock(installing);
  const bool first = !installed;
  installed = true;
  using R = wmfFunctionReference;
  return Install<wmfFlood_t, &R::flood_interior>(f, first) &&
         Install<wmfFlood_t, &R::flood_exterior>(f, first) &&
         Install<wmfDrawPixel_t, &R::draw_pixel>(f, first) && Install<wmfDrawArc_t, &R::draw_pie>(f, first) &&
         Install<wmfDrawArc_t, &R::draw_chord>(f, first) && Install<wmfDrawArc_t, &R::draw_arc>(f, first) &&
         Install<wmfDrawArc_t, &R::draw_ellipse>(f, first) &&
         Install<wmfDrawLine_t, &R::draw_line>(f, first) && Install<wmfPolyLine_t, &R::poly_line>(f, first) &&
         Install<wmfPolyLine_t, &R::draw_polygon>(f, first) &&
         Install<wmfPolyPoly_t, &R::draw_polypolygon>(f, first) &&
         Install<wmfDrawRectangle_t, &R::draw_rectangle>(f, first) &&
         Install<wmfROP_Draw_t, &R::rop_draw>(f, first) && Install<wmfBMP_Draw_t, &R::bmp_draw>(f, first) &&
         Install<wmfDrawText_t, &R::draw_text>(f, first) &&
         Install<wmfPolyRectangle_t, &R::region_frame>(f, first) &&
         Install<wmfPolyRectangle_t, &R::region_paint>(f, first);
}

// One run of the player over a metafile in memory, into SVG text. The SVG
// device prints its coordinates with printf: under a German locale they
// would come out as "12,5", which no SVG reader takes (the picture turned
// black), so the player runs in the C locale.
class Player {
 public:
  explicit Player(QByteArray& bytes) {
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api_, flags, &options) != wmf_E_None) Invalid();
    if (!InstallAll(static_cast<wmfFunctionReference*>(api_->function_reference))) Invalid();
    if (wmf_mem_open(api_, reinterpret_cast<unsigned char*>(bytes.data()), static_cast<long>(bytes.size())) !=
        wmf_E_None)
      Invalid();
    if (wmf_scan(api_, 0, &scanned_) != wmf_E_None) Invalid();
  }
  ~Player() {
    if (api_) wmf_api_destroy(api_);
  }
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // The box around everything the metafile draws, in device coordinates.
  const wmfD_Rect& Scanned() const { return scanned_; }

  // The size the player gives the picture at the resolution, in dots.
  QSize DisplaySize(double dpi) {
    unsigned int width = 0, height = 0;
    if (wmf_display_size(api_, &width, &height, dpi, dpi) != wmf_E_None) Invalid();
    return QSize(static_cast<int>(width), static_cast<int>(height));
  }

  // Plays the metafile so that the device rectangle frame fills an SVG
  // canvas of the size; remembers the mapping in *mapping when given.
  QByteArray Play(const wmfD_Rect& frame, QSize size, DeviceMapping* mapping) {
    wmf_svg_t* device = WMF_SVG_GetData(api_);
    device->out = wmf_stream_create(api_, nullptr);
    if (!device->out) Invalid();
    device->bbox = frame;
    device->width = static_cast<unsigned int>(size.width());
    device->height = static_cast<unsigned int>(size.height());
    device->flags |= WMF_SVG_INLINE_IMAGES;  // never write image files anywhere
    wmfD_Rect bbox = frame;
    t_mapping = mapping;
    const wmf_error_t played = wmf_play(api_, 0, &bbox);
    t_mapping = nullptr;
    char* buffer = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(api_, device->out, &buffer, &length);  // the buffer stays the player's
    device->out = nullptr;
    if (played != wmf_E_None || !buffer || length == 0) Invalid();
    return QByteArray(buffer, static_cast<qsizetype>(length));
  }

 private:
  zb::CLocaleScope numbers_;  // first in, last out: around everything the player does
  wmfAPI* api_ = nullptr;
  wmfD_Rect scanned_{};
};

// Two habits of the SVG device that do not match the metafile: it gives every
// filled shape half opacity (a metafile's brushes are opaque), and it leaves
// the fill of polylines to the SVG default, black (a polyline is never
// filled). Texts are escaped on their way in, so the patterns below only
// occur in the device's own markup.
void FixDeviceStyles(QByteArray& svg) {
  svg.replace("style=\"fill-opacity:0.5; ", "style=\"");
  const QByteArray element = "<polyline ";
  const QByteArray style = "style=\"";
  qsizetype at = 0;
  while ((at = svg.indexOf(element, at)) >= 0) {
    const qsizetype end = svg.indexOf('>', at);
    const qsizetype styleAt = svg.indexOf(style, at);
    if (styleAt >= 0 && (end < 0 || styleAt < end)) {
      svg.insert(styleAt + style.size(), "fill:none; ");
    } else if (end >= 0) {
      svg.insert(at + element.size(), "style=\"fill:none\" ");
    }
    at += element.size();
  }
}

bool Usable(const wmfD_Rect& r) {
  return std::isfinite(r.TL.x) && std::isfinite(r.TL.y) && std::isfinite(r.BR.x) && std::isfinite(r.BR.y) &&
         r.BR.x > r.TL.x && r.BR.y > r.TL.y;
}

}  // namespace

WmfPicture WmfPicture::Load(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) zb::Raise(zb::kFileNotFound);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) Invalid();
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) Invalid();
  return FromData(bytes);
}

namespace {

// The picture's own frame in device units: the placeable header's box, else
// the metafile's window; the box around the drawing when that is unusable.
wmfD_Rect OwnFrameOr(const wmfD_Rect& drawn, const Frame& frame, const DeviceMapping& mapping) {
  double left = frame.left, top = frame.top, right = frame.right, bottom = frame.bottom;
  if (!frame.placeable) {
    left = mapping.originX;
    top = mapping.originY;
    right = mapping.originX + mapping.windowWidth;
    bottom = mapping.originY + mapping.windowHeight;
  }
  const double x1 = (left - mapping.originX) * mapping.pixelWidth,
               x2 = (right - mapping.originX) * mapping.pixelWidth;
  const double y1 = (top - mapping.originY) * mapping.pixelHeight,
               y2 = (bottom - mapping.originY) * mapping.pixelHeight;
  const wmfD_Rect own{{static_cast<float>(std::min(x1, x2)), static_cast<float>(std::min(y1, y2))},
                      {static_cast<float>(std::max(x1, x2)), static_cast<float>(std::max(y1, y2))}};
  return Usable(own) ? own : drawn;
}

}  // namespace

WmfPicture WmfPicture::FromData(const QByteArray& bytes) {
  if (bytes.size() > kMaxFileBytes) Invalid();
  const Frame frame = CheckStructure(bytes);
  QByteArray copy = bytes;  // the player reads from writable memory

  // First run: learn how the metafile maps its coordinates, so that the
  // picture's own frame (the placeable header's box, else the window) and
  // not just the box around its drawing fills the canvas.
  DeviceMapping mapping;
  wmfD_Rect device{};
  QSize twips = frame.twips;
  {
    Player trial(copy);
    device = trial.Scanned();
    if (!Usable(device)) device = wmfD_Rect{{0, 0}, {1, 1}};
    if (twips.isEmpty()) twips = trial.DisplaySize(1440);
    trial.Play(device, QSize(100, 100), &mapping);
  }
  if (mapping.known) device = OwnFrameOr(device, frame, mapping);
  if (!Usable(device) || twips.width() <= 0 || twips.height() <= 0) Invalid();

  // Second run: the picture itself, one SVG unit per point.
  const QSize canvas(std::max(1, static_cast<int>(std::lround(twips.width() / 20.0))),
                     std::max(1, static_cast<int>(std::lround(twips.height() / 20.0))));
  QByteArray svg;
  {
    Player player(copy);
    svg = player.Play(device, canvas, nullptr);
  }
  FixDeviceStyles(svg);
  auto renderer = std::make_shared<QSvgRenderer>(svg);
  if (!renderer->isValid()) Invalid();
  WmfPicture picture;
  picture.svg_ = svg;
  picture.sizeTwips_ = twips;
  picture.renderer_ = std::move(renderer);
  return picture;
}

void WmfPicture::Render(QPainter& painter, const QRectF& target) const {
  if (!renderer_ || target.isEmpty()) return;
  painter.save();
  painter.setClipRect(target, Qt::IntersectClip);  // drawing outside its frame stays outside
  renderer_->render(&painter, target);
  painter.restore();
}

}  // namespace zb::ui
