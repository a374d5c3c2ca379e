// zb_mangen VERSION: writes the manual page zelvar-beam-cli(1) to standard
// output, from the option tables that --help prints.

#include <cstdio>
#include <iostream>

#include "cli/ManualPage.h"
#include "cli/Usage.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zb_mangen VERSION\n");
    return 2;
  }
  std::cout << zb::ManualPage(zb::UsageSections(), argv[1]);
  return std::cout.good() ? 0 : 1;
}
