// The shared pieces of the test-input generators: a fully specified random number generator,
// the tree of files a generation produces, and its key=value parameters.
//
// One seed always gives the same bytes, on every platform and with every standard library:
// the generators draw from Rng and never from <random>'s distributions, whose results are
// implementation-defined, and they never iterate an unordered container.
#ifndef TPX32_TESTS_RANDOM_TREE_H_
#define TPX32_TESTS_RANDOM_TREE_H_

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tpxgen {

// splitmix64: small, fast, and fully specified by its arithmetic.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A number in [0, n); n > 0. The slight bias of the modulo does not matter here.
  std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(Next() % n); }
  // A number in [lo, hi].
  std::uint32_t Between(std::uint32_t lo, std::uint32_t hi) { return lo + Below(hi - lo + 1); }
  // True with probability num/den.
  bool Chance(std::uint32_t num, std::uint32_t den) { return Below(den) < num; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below(static_cast<std::uint32_t>(items.size()))];
  }
  // An index drawn with the given weights.
  std::size_t Weighted(const std::vector<std::uint32_t>& weights) {
    std::uint32_t total = 0;
    for (std::uint32_t w : weights) total += w;
    std::uint32_t at = Below(total);
    for (std::size_t i = 0; i < weights.size(); ++i) {
      if (at < weights[i]) return i;
      at -= weights[i];
    }
    return weights.size() - 1;
  }

 private:
  std::uint64_t state_;
};

struct File {
  std::string path;  // relative, with '/' separators
  std::string bytes;
};

struct Tree {
  std::vector<File> files;
  std::string main;  // path of the file to preprocess
};

// Parameters of a generation: key=value words. Unknown keys are an error of the caller.
class Params {
 public:
  Params() = default;
  explicit Params(const std::vector<std::string>& words) {
    for (const std::string& w : words) {
      std::size_t eq = w.find('=');
      if (eq == std::string::npos) throw std::runtime_error("parameter without '=': " + w);
      values_[w.substr(0, eq)] = w.substr(eq + 1);
    }
  }
  std::int64_t Int(const std::string& key, std::int64_t fallback) const {
    auto it = values_.find(key);
    return it == values_.end() ? fallback : std::stoll(it->second);
  }
  std::string Text(const std::string& key, const std::string& fallback) const {
    auto it = values_.find(key);
    return it == values_.end() ? fallback : it->second;
  }
  void Set(const std::string& key, const std::string& value) { values_[key] = value; }

 private:
  std::map<std::string, std::string> values_;
};

inline void WriteTree(const Tree& tree, const std::filesystem::path& root) {
  for (const File& f : tree.files) {
    std::filesystem::path p = root / f.path;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(f.bytes.data(), static_cast<std::streamsize>(f.bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + p.string());
  }
}

// The bytes of a file (none when it cannot be read); `opened` tells whether it could be opened.
inline std::string ReadBytes(const std::filesystem::path& path, bool* opened = nullptr) {
  std::ifstream in(path, std::ios::binary);
  if (opened != nullptr) *opened = static_cast<bool>(in);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A generation written down as words, one per line (as in a golden case's `generate` file):
// the mode, then key=value parameters; "seed=N" gives the seed (0 when absent), and
// "prefix=FILE" and "suffix=FILE" give the parameter of that name the bytes of FILE, read from
// `folder`.
struct Recipe {
  std::string mode;
  std::uint64_t seed = 0;
  Params params;
};

inline Recipe ParseRecipe(const std::string& text, const std::filesystem::path& folder) {
  std::vector<std::string> words;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string w = text.substr(start, end - start);
    if (!w.empty() && w.back() == '\r') w.pop_back();
    if (!w.empty() && w[0] != '#') words.push_back(w);
    start = end + 1;
  }
  if (words.empty()) throw std::runtime_error("empty generation recipe");
  Recipe r;
  r.mode = words[0];
  std::vector<std::string> rest;
  std::vector<std::pair<std::string, std::string>> files;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w.rfind("seed=", 0) == 0) {
      r.seed = std::stoull(w.substr(5));
    } else if (w.rfind("prefix=", 0) == 0 || w.rfind("suffix=", 0) == 0) {
      const std::filesystem::path name = folder / w.substr(7);
      bool opened = false;
      std::string bytes = ReadBytes(name, &opened);
      if (!opened) throw std::runtime_error("cannot read " + name.string());
      files.emplace_back(w.substr(0, 6), std::move(bytes));
    } else {
      rest.push_back(w);
    }
  }
  r.params = Params(rest);
  for (const auto& [key, bytes] : files) r.params.Set(key, bytes);
  return r;
}

}  // namespace tpxgen

#endif  // TPX32_TESTS_RANDOM_TREE_H_
