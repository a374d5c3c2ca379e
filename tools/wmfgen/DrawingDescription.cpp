#include "tools/wmfgen/DrawingDescription.h"

#include <cmath>
#include <functional>
#include <map>
#include <memory>

#include "core/numbers/Cp1252.h"
#include "tools/wmfgen/WmfWriter.h"

namespace zb::tools {

namespace {

struct Token {
  std::string text;
  bool quoted = false;
};

std::vector<Token> SplitLine(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#' &&
               (i + 1 == line.size() || line[i + 1] == ' ' || line[i + 1] == '\t' || line[i + 1] == '\r')) {
      break;  // "# " starts a comment; "#RRGGBB" is a colour
    } else if (c == '"') {
      Token token{"", true};
      ++i;
      bool closed = false;
      while (i < line.size()) {
        if (line[i] == '\\' && i + 1 < line.size()) {
          token.text += line[i + 1];
          i += 2;
        } else if (line[i] == '"') {
          closed = true;
          ++i;
          break;
        } else {
          token.text += line[i++];
        }
      }
      if (!closed) throw DescriptionError("unterminated string");
      tokens.push_back(std::move(token));
    } else {
      Token token;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') token.text += line[i++];
      tokens.push_back(std::move(token));
    }
  }
  return tokens;
}

int ToInt(const Token& token) {
  if (token.quoted || token.text.empty())
    throw DescriptionError("number expected, got \"" + token.text + "\"");
  std::size_t used = 0;
  long value = 0;
  try {
    value = std::stol(token.text, &used, 10);
  } catch (const std::exception&) {
    throw DescriptionError("number expected, got \"" + token.text + "\"");
  }
  if (used != token.text.size()) throw DescriptionError("number expected, got \"" + token.text + "\"");
  if (value < -32768 || value > 32767)
    throw DescriptionError("number out of the 16-bit range: " + token.text);
  return static_cast<int>(value);
}

std::uint32_t ToColor(const Token& token) {
  const std::string& t = token.text;
  if (token.quoted || t.size() != 7 || t[0] != '#')
    throw DescriptionError("colour #RRGGBB expected, got \"" + t + "\"");
  std::uint32_t value = 0;
  for (std::size_t i = 1; i < t.size(); ++i) {
    const char c = t[i];
    int digit = 0;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      throw DescriptionError("colour #RRGGBB expected, got \"" + t + "\"");
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

// UTF-8 text as Windows-1252 bytes; anything else is an error.
std::string ToCp1252(const std::string& utf8) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = NextUtf8CodePoint(utf8, i);
    if (!c) throw DescriptionError("text is not valid UTF-8");
    const auto byte = CodePointToCp1252(*c);
    if (!byte) throw DescriptionError("text has a character outside Windows-1252: " + utf8);
    bytes += *byte;
  }
  return bytes;
}

std::vector<WmfPoint> ToPoints(const std::vector<Token>& tokens, std::size_t first, std::size_t minPoints) {
  const std::size_t count = tokens.size() - first;
  if (count % 2 != 0 || count / 2 < minPoints)
    throw DescriptionError(tokens[0].text + " needs at least " + std::to_string(minPoints) +
                           " coordinate pairs");
  std::vector<WmfPoint> points;
  for (std::size_t i = first; i < tokens.size(); i += 2)
    points.push_back({ToInt(tokens[i]), ToInt(tokens[i + 1])});
  return points;
}

void Expect(const std::vector<Token>& tokens, std::size_t count) {
  if (tokens.size() != count)
    throw DescriptionError(tokens[0].text + " takes " + std::to_string(count - 1) + " arguments");
}

WmfPoint Round(double x, double y) {
  return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

// The filled head of an arrow whose tip is `to`, coming from `from`; returns
// the point where the shaft should end.
WmfPoint ArrowHead(WmfWriter& out, WmfPoint from, WmfPoint to, int head) {
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  if (length < 1.0) throw DescriptionError("arrow of zero length");
  if (head < 1) throw DescriptionError("arrow head must be at least 1");
  const double ux = dx / length, uy = dy / length;
  const double halfWidth = head * 0.35;
  const double bx = to.x - ux * head, by = to.y - uy * head;
  out.Polygon(
      {to, Round(bx - uy * halfWidth, by + ux * halfWidth), Round(bx + uy * halfWidth, by - ux * halfWidth)});
  return Round(to.x - ux * head * 0.8, to.y - uy * head * 0.8);
}

using Tokens = std::vector<Token>;

PenStyle ToPenStyle(const Token& token) {
  if (token.text == "solid") return PenStyle::kSolid;
  if (token.text == "dash") return PenStyle::kDash;
  if (token.text == "dot") return PenStyle::kDot;
  if (token.text == "none") return PenStyle::kNull;
  throw DescriptionError("unknown pen style " + token.text);
}

TextAlign ToTextAlign(const Token& token) {
  if (token.text == "left") return TextAlign::kLeft;
  if (token.text == "center") return TextAlign::kCenter;
  if (token.text == "right") return TextAlign::kRight;
  throw DescriptionError("text alignment must be left, center or right");
}

void Pen(WmfWriter& out, const Tokens& t) {
  if (t.size() != 3 && t.size() != 4) throw DescriptionError("pen takes a width, a style and a colour");
  const PenStyle style = ToPenStyle(t[2]);
  out.SetPen(ToInt(t[1]), style, t.size() == 4 ? ToColor(t[3]) : 0);
}

void Brush(WmfWriter& out, const Tokens& t) {
  Expect(t, 2);
  if (t[1].text == "none")
    out.SetBrush(false);
  else
    out.SetBrush(true, ToColor(t[1]));
}

void Font(WmfWriter& out, const Tokens& t) {
  if (t.size() < 3 || !t[1].quoted) throw DescriptionError("font takes a quoted name and a height");
  bool bold = false, italic = false;
  for (std::size_t i = 3; i < t.size(); ++i) {
    if (t[i].text == "bold")
      bold = true;
    else if (t[i].text == "italic")
      italic = true;
    else
      throw DescriptionError("unknown font option " + t[i].text);
  }
  out.SetFont(t[1].text, ToInt(t[2]), bold, italic);
}

void Line(WmfWriter& out, const Tokens& t) { out.Polyline(ToPoints(t, 1, 2)); }

void Polygon(WmfWriter& out, const Tokens& t) { out.Polygon(ToPoints(t, 1, 3)); }

void Rect(WmfWriter& out, const Tokens& t) {
  Expect(t, 5);
  out.Rectangle(ToInt(t[1]), ToInt(t[2]), ToInt(t[3]), ToInt(t[4]));
}

void Circle(WmfWriter& out, const Tokens& t) {
  Expect(t, 4);
  const int cx = ToInt(t[1]), cy = ToInt(t[2]), r = ToInt(t[3]);
  out.Ellipse(cx - r, cy - r, cx + r, cy + r);
}

// "arrow" has a head at its end; "dim" (a dimension line) at both ends.
void Arrow(WmfWriter& out, const Tokens& t) {
  Expect(t, 6);
  WmfPoint a{ToInt(t[1]), ToInt(t[2])}, b{ToInt(t[3]), ToInt(t[4])};
  const int head = ToInt(t[5]);
  const WmfPoint shaftEnd = ArrowHead(out, a, b, head);
  const WmfPoint shaftStart = t[0].text == "dim" ? ArrowHead(out, b, a, head) : a;
  out.Polyline({shaftStart, shaftEnd});
}

void Text(WmfWriter& out, const Tokens& t) {
  Expect(t, 5);
  if (!t[4].quoted) throw DescriptionError("text must be quoted");
  const TextAlign align = ToTextAlign(t[1]);
  out.Text(ToInt(t[2]), ToInt(t[3]), align, ToCp1252(t[4].text));
}

// The drawing commands after "picture".
using Command = void (*)(WmfWriter&, const Tokens&);
const std::map<std::string, Command, std::less<>>& Commands() {
  static const std::map<std::string, Command, std::less<>> commands = {
      {"pen", Pen},   {"brush", Brush},   {"font", Font},   {"line", Line}, {"polygon", Polygon},
      {"rect", Rect}, {"circle", Circle}, {"arrow", Arrow}, {"dim", Arrow}, {"text", Text}};
  return commands;
}

// One line of the description; "picture" makes the writer.
void ApplyLine(std::string_view line, std::unique_ptr<WmfWriter>& out) {
  const Tokens t = SplitLine(line);
  if (t.empty()) return;
  const std::string& command = t[0].text;
  if (command == "picture") {
    Expect(t, 4);
    if (out) throw DescriptionError("picture given twice");
    out = std::make_unique<WmfWriter>(ToInt(t[1]), ToInt(t[2]), ToInt(t[3]));
    return;
  }
  if (!out) throw DescriptionError("the first command must be picture");
  const auto it = Commands().find(command);
  if (it == Commands().end()) throw DescriptionError("unknown command " + command);
  it->second(*out, t);
}

}  // namespace

std::vector<std::uint8_t> GenerateWmf(std::string_view description, const std::string& sourceName) {
  std::unique_ptr<WmfWriter> out;
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start <= description.size()) {
    std::size_t end = description.find('\n', start);
    if (end == std::string_view::npos) end = description.size();
    const std::string_view line = description.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    try {
      ApplyLine(line, out);
    } catch (const DescriptionError& e) {
      throw DescriptionError(sourceName + ":" + std::to_string(lineNumber) + ": " + e.what());
    } catch (const std::invalid_argument& e) {
      throw DescriptionError(sourceName + ":" + std::to_string(lineNumber) + ": " + e.what());
    }
  }
  if (!out) throw DescriptionError(sourceName + ": empty description (no picture command)");
  return out->Finish();
}

}  // namespace zb::tools
