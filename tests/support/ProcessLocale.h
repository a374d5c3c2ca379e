#pragma once
// The C library's locale of the whole process switched for a while, as Qt
// switches it to the desktop's at start: German users' printf writes "12,5".

#include <gtest/gtest.h>

#include <QImage>
#include <clocale>
#include <string>

namespace zb::test {

inline constexpr const char* kGermanLocale = "de_DE.UTF-8";

class ProcessLocale {
 public:
  explicit ProcessLocale(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
    installed_ = std::setlocale(LC_ALL, name) != nullptr;
    EXPECT_TRUE(installed_) << name << " is not installed here; tools/packages.sh generates it";
  }
  ~ProcessLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  ProcessLocale(const ProcessLocale&) = delete;
  ProcessLocale& operator=(const ProcessLocale&) = delete;

  bool Installed() const { return installed_; }

 private:
  std::string previous_;
  bool installed_ = false;
};

// The share of an image's pixels that are dark: a sketch is mostly paper.
inline double DarkShare(const QImage& image) {
  const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
  long dark = 0;
  for (int y = 0; y < gray.height(); ++y) {
    const uchar* line = gray.constScanLine(y);
    for (int x = 0; x < gray.width(); ++x) dark += line[x] < 128;
  }
  return static_cast<double>(dark) / (static_cast<double>(gray.width()) * gray.height());
}

}  // namespace zb::test
