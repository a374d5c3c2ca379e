#include "cli/JsonText.h"

#include <charconv>
#include <cstdio>

namespace zb {

namespace {

// to_chars without a format gives the shortest text that reads back exactly,
// for the 4-byte and the 8-byte type alike.
template <typename Number>
std::string Shortest(Number value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

}  // namespace

std::string ShortestText(float value) { return Shortest(value); }

std::string ShortestText(double value) { return Shortest(value); }

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonTextMember(const char* name, const std::string& text) {
  return "\"" + std::string(name) + "\":" + JsonString(text) + ",";
}

}  // namespace zb
