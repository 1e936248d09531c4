// Writes a deterministic, macro-heavy C90 translation unit for the benchmark.
//
//   gen_macro OUTDIR SCALE
//
// SCALE is the number of macro families. Each family defines three object-like constants, ten
// function-like macros that call each other ten deep, token pasting and stringizing helpers
// (15 macros in all), so SCALE 2000 gives 30,000 macros. The families are spread over headers
// with include guards that also include their predecessor (a guarded re-inclusion); the main file
// gen.c includes every header twice and then, for each family, uses its macros and runs a long
// #if/#elif chain with arithmetic on its constants. The output depends only on SCALE, so the same
// SCALE always gives the same bytes, and doubling SCALE doubles every part of the input.
//
// Everything stays inside what every C90 preprocessor accepts: no variadic macros, no line
// comments, no long long, small non-negative values in #if so that 32-bit and 64-bit evaluators
// agree, no division by zero, and no #error in any branch.
#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kFamiliesPerHeader = 100;
constexpr int kDepth = 10;        // function-like macros per family, each calling the one below
constexpr int kChainLength = 16;  // branches of each #if/#elif chain

// Small deterministic generator (xorshift32): the same seed gives the same input everywhere.
struct Rng {
  unsigned state;
  unsigned Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  unsigned Below(unsigned n) { return Next() % n; }
};

FILE* OpenOrDie(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    std::fprintf(stderr, "gen_macro: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    std::exit(1);
  }
  return f;
}

void CloseOrDie(FILE* f, const std::string& path) {
  if (std::ferror(f) != 0 || std::fclose(f) != 0) {
    std::fprintf(stderr, "gen_macro: write error on %s\n", path.c_str());
    std::exit(1);
  }
}

std::string HeaderName(int h) {
  char name[32];
  std::snprintf(name, sizeof name, "gh%04d.h", h);
  return name;
}

// The definitions of family k. Values stay below 2^15 so no evaluator overflows.
void WriteFamily(FILE* f, int k, Rng& rng) {
  unsigned base = 3 + rng.Below(97);
  std::fprintf(f, "/* family %d */\n", k);
  std::fprintf(f, "#define K_%d (%u)\n", k, base);
  std::fprintf(f, "#define KA_%d (K_%d * 2 + %u)\n", k, k, 1 + rng.Below(9));
  std::fprintf(f, "#define KB_%d ((KA_%d - K_%d) %% 64 + 1)\n", k, k, k);
  std::fprintf(f, "#define P0_%d(a, b) ((a) + (b) * K_%d)\n", k, k);
  for (int d = 1; d < kDepth; ++d) {
    if (d % 3 == 0)
      std::fprintf(f, "#define P%d_%d(a, b) P%d_%d((a) ^ %d, (b) + KB_%d)\n", d, k, d - 1, k, d, k);
    else
      std::fprintf(f, "#define P%d_%d(a, b) P%d_%d((a) + %d, \\\n    (b) - %d)\n", d, k, d - 1, k,
                   d, d);
  }
  std::fprintf(f, "#define CAT_%d(a, b) a ## b ## _%d\n", k, k);
  std::fprintf(f, "#define STR_%d(x) # x\n", k);
  std::fprintf(f, "#define XSTR_%d(x) STR_%d(x)\n", k, k);
  std::fprintf(f, "#define NAME_%d(n) CAT_%d(item_, n)\n", k, k);
  std::fprintf(f, "#define ROW_%d(n) { NAME_%d(n), XSTR_%d(P2_%d(n, 1)) }\n", k, k, k, k);
}

// One #if/#elif chain over the constants of families k and j; every branch defines SEL_k.
void WriteChain(FILE* f, int k, int j, Rng& rng) {
  unsigned mod = 2 + rng.Below(kChainLength - 1);
  for (int b = 0; b < kChainLength; ++b) {
    const char* kw = b == 0 ? "#if" : "#elif";
    switch (b % 4) {
      case 0:
        std::fprintf(f, "%s (K_%d * %d + KB_%d) %% %u == %u\n", kw, k, b + 1, j, mod, b % mod);
        break;
      case 1:
        std::fprintf(f, "%s defined(P%d_%d) && ((KA_%d << 2) >> 3) %% %u == %u\n", kw, b % kDepth,
                     k, k, mod, (b * 3 + 1) % mod);
        break;
      case 2:
        std::fprintf(f, "%s (K_%d > KB_%d ? K_%d - KB_%d : KB_%d - K_%d) %% %u == %u\n", kw, k, j,
                     k, j, j, k, mod, (b * 5 + 2) % mod);
        break;
      default:
        std::fprintf(f, "%s !defined(NO_SUCH_%d) && (K_%d | %d) - (K_%d & %d) > %u\n", kw, k, k, b,
                     k, b, 40 + rng.Below(80));
        break;
    }
    std::fprintf(f, "#define SEL_%d %d\n", k, b);
  }
  std::fprintf(f, "#else\n#define SEL_%d (-1)\n#endif\n", k);
}

// The uses of family k in the main file.
void WriteUses(FILE* f, int k, int families, Rng& rng) {
  int j = static_cast<int>(rng.Below(static_cast<unsigned>(families)));
  int n = static_cast<int>(rng.Below(1000));
  WriteChain(f, k, j, rng);
  std::fprintf(f, "int NAME_%d(%d) = P%d_%d(%d, K_%d);\n", k, n, kDepth - 1, k, n, j);
  std::fprintf(f, "static const char *CAT_%d(text, %d) = XSTR_%d(P%d_%d(KA_%d, %d));\n", k, n, k,
               kDepth / 2, k, j, n);
  std::fprintf(f, "static const struct row CAT_%d(row, %d) = ROW_%d(%d);\n", k, n, k, n + 1);
  std::fprintf(f, "int CAT_%d(sel, %d) = SEL_%d + P%d_%d(SEL_%d, KB_%d);\n", k, n, k, kDepth - 1, k,
               k, j);
  std::fprintf(f, "#undef SEL_%d\n", k);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gen_macro OUTDIR SCALE\n");
    return 2;
  }
  std::string dir = argv[1];
  char* end = nullptr;
  long scale = std::strtol(argv[2], &end, 10);
  if (end == argv[2] || *end != '\0' || scale < 1 || scale > 1000000) {
    std::fprintf(stderr, "gen_macro: SCALE must be a number from 1 to 1000000\n");
    return 2;
  }
  if (mkdir(dir.c_str(), 0777) != 0 && errno != EEXIST) {
    std::fprintf(stderr, "gen_macro: cannot create %s: %s\n", dir.c_str(), std::strerror(errno));
    return 1;
  }
  const int families = static_cast<int>(scale);
  const int headers = (families + kFamiliesPerHeader - 1) / kFamiliesPerHeader;
  Rng rng{0x2545F491u};

  for (int h = 0; h < headers; ++h) {
    std::string path = dir + "/" + HeaderName(h);
    FILE* f = OpenOrDie(path);
    std::fprintf(f, "#ifndef GH_%04d_INCLUDED\n#define GH_%04d_INCLUDED\n", h, h);
    if (h > 0) std::fprintf(f, "#include \"%s\"\n", HeaderName(h - 1).c_str());
    int last = (h + 1) * kFamiliesPerHeader < families ? (h + 1) * kFamiliesPerHeader : families;
    for (int k = h * kFamiliesPerHeader; k < last; ++k) WriteFamily(f, k, rng);
    std::fprintf(f, "#endif /* GH_%04d_INCLUDED */\n", h);
    CloseOrDie(f, path);
  }

  std::string path = dir + "/gen.c";
  FILE* f = OpenOrDie(path);
  std::fprintf(f, "/* Generated macro-heavy input: %d families in %d headers. */\n", families,
               headers);
  for (int pass = 0; pass < 2; ++pass)
    for (int h = 0; h < headers; ++h) std::fprintf(f, "#include \"%s\"\n", HeaderName(h).c_str());
  std::fprintf(f, "struct row { int n; const char *text; };\n");
  for (int k = 0; k < families; ++k) WriteUses(f, k, families, rng);
  CloseOrDie(f, path);
  return 0;
}
