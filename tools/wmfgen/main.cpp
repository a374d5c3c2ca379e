// zb_wmfgen DESCRIPTION.txt OUTPUT.wmf
// Writes the placeable Windows metafile of a drawing description.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "tools/wmfgen/DrawingDescription.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: zb_wmfgen DESCRIPTION.txt OUTPUT.wmf\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "zb_wmfgen: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::ostringstream text;
  text << in.rdbuf();
  try {
    const auto bytes = zb::tools::GenerateWmf(text.str(), argv[1]);
    const std::string temp = std::string(argv[2]) + ".tmp";
    {
      std::ofstream out(temp, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      out.close();
      if (!out) {
        std::cerr << "zb_wmfgen: cannot write " << temp << "\n";
        std::remove(temp.c_str());
        return 1;
      }
    }
    if (std::rename(temp.c_str(), argv[2]) != 0) {
      std::cerr << "zb_wmfgen: cannot replace " << argv[2] << "\n";
      std::remove(temp.c_str());
      return 1;
    }
  } catch (const zb::tools::DescriptionError& e) {
    std::cerr << "zb_wmfgen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
