// zb_mangen VERSION [en]: writes the manual page zelvar-beam-cli(1) to
// standard output, from the option tables that --help prints; with "en" in
// English.

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string_view>

#include "cli/ManualPage.h"
#include "cli/Usage.h"
#include "locale/Language.h"

int main(int argc, char* argv[]) {
  const bool english = argc == 3 && std::string_view(argv[2]) == "en";
  if (argc != 2 && !english) {
    std::fprintf(stderr, "usage: zb_mangen VERSION [en]\n");
    return 2;
  }
  QCoreApplication app(argc, argv);
  std::optional<zb::ui::Translations> texts;
  if (english) texts.emplace(zb::ui::Language::English);
  std::cout << zb::ManualPage(zb::UsageSections(), argv[1]);
  return std::cout.good() ? 0 : 1;
}
