// zb_wmfgen DESCRIPTION.txt OUTPUT.wmf [TABLE.tsv]
// Writes the placeable Windows metafile of a drawing description; with a
// table, with the drawing's texts in the table's language.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "tools/wmfgen/DrawingDescription.h"
#include "tools/wmfgen/TextTable.h"

namespace {

bool ReadFile(const char* path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "zb_wmfgen: cannot read " << path << "\n";
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  content = text.str();
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: zb_wmfgen DESCRIPTION.txt OUTPUT.wmf [TABLE.tsv]\n";
    return 2;
  }
  std::string description, table;
  if (!ReadFile(argv[1], description) || (argc == 4 && !ReadFile(argv[3], table))) return 1;
  try {
    if (argc == 4) description = zb::tools::TranslatedDescription(description, table);
    const auto bytes = zb::tools::GenerateWmf(description, argv[1]);
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
