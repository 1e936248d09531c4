// Writes a generated source tree into a folder.
//
// Usage:
//   tpx32_generate <mode> <seed> <folder> [key=value...]
//   tpx32_generate --recipe <file> <folder>
// The second form reads the mode, seed and parameters from a file of words, one per line (a
// golden case's `generate` file). The path of the main file is printed on standard output.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "generator.h"

int main(int argc, char** argv) {
  try {
    if (argc >= 4 && std::string(argv[1]) == "--recipe") {
      std::ifstream in(argv[2], std::ios::binary);
      if (!in) throw std::runtime_error(std::string("cannot read ") + argv[2]);
      std::ostringstream text;
      text << in.rdbuf();
      tpxgen::Recipe r =
          tpxgen::ParseRecipe(text.str(), std::filesystem::path(argv[2]).parent_path());
      tpxgen::Tree tree = tpxgen::Generate(r.mode, r.seed, r.params);
      tpxgen::WriteTree(tree, argv[3]);
      std::cout << tree.main << "\n";
      return 0;
    }
    if (argc < 4) {
      std::cerr << "usage: tpx32_generate <mode> <seed> <folder> [key=value...]\n"
                   "       tpx32_generate --recipe <file> <folder>\n";
      return 2;
    }
    std::vector<std::string> words(argv + 4, argv + argc);
    tpxgen::Tree tree = tpxgen::Generate(argv[1], std::stoull(argv[2]), tpxgen::Params(words));
    tpxgen::WriteTree(tree, argv[3]);
    std::cout << tree.main << "\n";
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "tpx32_generate: " << e.what() << "\n";
    return 1;
  }
}
