#pragma once
// JSON pieces of the command line's output.

#include <string>

namespace zb {

// The shortest decimal text that reads back to the same value.
std::string ShortestText(float value);
std::string ShortestText(double value);

// The text as a JSON string, quotes and control characters escaped.
std::string JsonString(const std::string& text);

// A text member of an object that has more members after it: "name":"text",
std::string JsonTextMember(const char* name, const std::string& text);

}  // namespace zb
