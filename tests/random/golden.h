// Golden mode: the large inputs of golden end-to-end cases, built from a recipe name and its
// parameters, so the cases need not keep them in the repository. A case's `generate` file
// names the recipe (see tree.h, ParseRecipe); its small hand-written files stay in `in/`, and a
// hand-written head of a generated file stays beside the `generate` file (parameter `prefix`) or
// tail (parameter `suffix`).
//
// Recipes:
//   buffer_edges     files of numbered assignment lines with chosen texts placed at chosen
//                    offsets around the 15,872-byte read buffer's edges
//   macro_calls      a head of macro definitions and uses, then numbered lines that call them
//                    with trailing blank runs of every length up to six
//   long_define      a head, then a `#define` whose body is a long run of short tokens
//   long_arguments   macro calls with arguments of chosen lengths, around the token text
//                    buffer's size
//   include_chain    headers h1.h ... hN.h each including the next
//   deep_parens      an `#if` whose expression is nested in N parentheses
//   stale_output     an old output file, longer than the new one will be
//   numbered_lines   "int filler_NNN = N;" lines, then a hand-written tail (parameter `suffix`)
//   plain_tokens     lines of tokens of the kinds the plain-token loop writes straight through,
//                    mixed with splices, comments and directives (seeded)
//   comment_runs     block comments with runs of stars, splices and (nested=1) inner comments
//                    (seeded)
//   skipped_lines    deeply nested false groups whose lines look like directives, literals,
//                    comments and splices (seeded)
#ifndef TPX32_TESTS_RANDOM_GOLDEN_H_
#define TPX32_TESTS_RANDOM_GOLDEN_H_

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tree.h"

namespace tpxgen {

// Numbered lines "wN = wN + 1;" up to `count`, except that each (offset, text) item is placed
// so that its text starts exactly at that offset of the file: the line before it is padded
// with 'p' letters to fit. An item takes the place of one numbered line.
inline std::string EdgeLines(const std::string& eol, std::uint32_t count,
                             const std::vector<std::pair<std::size_t, std::string>>& items) {
  std::string out;
  std::size_t next = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (next < items.size() && items[next].first > out.size() &&
        items[next].first - out.size() <= 60) {
      std::size_t pad = items[next].first - out.size() - eol.size();
      out += std::string(pad, 'p') + eol + items[next].second;
      ++next;
      continue;
    }
    out += std::string("w") + std::to_string(i) + std::string(" = w") + std::to_string(i) +
           " + 1;" + eol;
  }
  return out;
}

constexpr std::size_t kReadBuffer = 15872;

inline Tree BufferEdges(const Params& p) {
  Tree tree;
  const std::int64_t scale = p.Int("scale", 0);
  if (scale == 0) {
    // A CR LF pair split by the first buffer edge, a name across the second (CR LF lines); a
    // lone CR before the first edge and a splice across the second (LF lines).
    tree.files.push_back(
        {"big1.c", EdgeLines("\r\n", 1844,
                             {{kReadBuffer - 7, "q = 1;\r\nr = 2;\r\n"},
                              {2 * kReadBuffer - 11, "split_identifier = 3;\r\n"}})});
    tree.files.push_back({"big2.c", EdgeLines("\n", 1941,
                                              {{kReadBuffer - 7, "s = 1;\rt = 2;\n"},
                                               {2 * kReadBuffer - 4, "x +\\\n+ y;\n"}})});
    tree.main = "big1.c";
    return tree;
  }
  // Scaled: every edge of `scale` buffers gets a tricky text at a seeded offset before it.
  Rng rng(static_cast<std::uint64_t>(p.Int("seed", 1)));
  static const std::vector<std::string> eols = {"\n", "\r\n", "\r", "\n\r"};
  const std::string eol = rng.Pick(eols);
  static const std::vector<std::string> tricky = {
      "q = 1;\r\nr = 2;\r\n",
      "s = 1;\rt = 2;\n",
      "u = 1;\n\rv = 2;\n",
      "split_identifier_that_is_long_enough_to_cross = 3;\n",
      "x +\\\n+ y;\n",
      "x +\\\r\n= y;\n",
      "z = \"a string across\";\n",
      "/* a comment *\\\n/ across */ k;\n",
      "/***************************/ m;\n",
      "n = 0x12345678 + 077777 + 1.5e+10f;\n",
      "a->b <<= c >>= d ... e;\n",
      "#define EDGE_MACRO(x) x ## _pasted # x\n",
      "EDGE_MACRO(y) EDGE_MACRO(zz);\n"};
  std::vector<std::pair<std::size_t, std::string>> items;
  for (std::int64_t k = 1; k <= scale; ++k) {
    items.push_back(
        {static_cast<std::size_t>(k) * kReadBuffer - rng.Between(0, 40), rng.Pick(tricky)});
  }
  // About 1,900 lines per buffer.
  tree.files.push_back(
      {"edges.c", EdgeLines(eol, static_cast<std::uint32_t>(scale * 900 + 1200), items)});
  tree.main = "edges.c";
  return tree;
}

inline Tree MacroCalls(const Params& p) {
  std::string out = p.Text("prefix", "");
  const std::int64_t lines = p.Int("lines", 900);
  for (std::int64_t i = 0; i < lines; ++i) {
    out += std::string("v") + std::to_string(i) + std::string(" = ONE + CALL(") +
           std::to_string(i) + ") PAREN SEMI NAME" +
           std::string(static_cast<std::size_t>(i % 7), ' ') + "\r\n";
  }
  return {{{p.Text("file", "t.c"), out}}, p.Text("file", "t.c")};
}

inline Tree LongDefine(const Params& p) {
  std::string out = p.Text("prefix", "") + "#define " + p.Text("name", "LONG");
  const std::int64_t count = p.Int("count", 8500);
  for (std::int64_t i = 0; i < count; ++i) out += " x";
  out += "\nend\n";
  return {{{p.Text("file", "main.c"), out}}, p.Text("file", "main.c")};
}

// Calls of a one-parameter macro, each on its own line, whose arguments repeat a piece the
// given numbers of times ("counts", separated by commas), after a head; then "end".
inline Tree LongArguments(const Params& p) {
  std::string out = p.Text("prefix", "");
  const std::string name = p.Text("macro", "F");
  const std::string piece = p.Text("piece", "1+");
  std::string counts = p.Text("counts", "8000");
  std::size_t start = 0;
  while (start <= counts.size()) {
    std::size_t end = counts.find(',', start);
    if (end == std::string::npos) end = counts.size();
    const std::int64_t n = std::stoll(counts.substr(start, end - start));
    out += name + "(";
    for (std::int64_t i = 0; i < n; ++i) out += piece;
    out += "1)\n";
    start = end + 1;
  }
  out += "end\n";
  return {{{p.Text("file", "main.c"), out}}, p.Text("file", "main.c")};
}

inline Tree IncludeChain(const Params& p) {
  // h1.h ... h(depth-2).h include the next; h(depth-1).h includes h(depth).h only when DEEPER
  // is defined, and says "deepest"; h(depth).h says "too_deep".
  const std::int64_t depth = p.Int("depth", 999);
  Tree tree;
  for (std::int64_t i = 1; i <= depth; ++i) {
    std::string text;
    if (i < depth - 1) {
      text = std::string("#include \"h") + std::to_string(i + 1) + ".h\"\n";
    } else if (i == depth - 1) {
      text = std::string("#ifdef DEEPER\n#include \"h") + std::to_string(i + 1) +
             ".h\"\n#endif\ndeepest\n";
    } else {
      text = "too_deep\n";
    }
    tree.files.push_back({std::string("h") + std::to_string(i) + ".h", text});
  }
  tree.main = "h1.h";
  return tree;
}

inline Tree DeepParens(const Params& p) {
  const std::size_t n = static_cast<std::size_t>(p.Int("depth", 10000));
  std::string out =
      "before\n#if" + std::string(n, '(') + "1" + std::string(n, ')') + "\ninside\n#endif\nafter\n";
  return {{{p.Text("file", "deep.c"), out}}, p.Text("file", "deep.c")};
}

inline Tree StaleOutput(const Params& p) {
  const std::string source = p.Text("source", "main.c");
  std::string out;
  const std::int64_t lines = p.Int("lines", 199);
  for (std::int64_t i = 1; i <= lines; ++i) {
    out += "/* " + source + std::string(" ") + std::to_string(i) +
           ": */ stale line of an earlier run\r\n";
  }
  return {{{p.Text("file", "main.i"), out}}, source};
}

// Numbered declarations, enough to fill an output buffer or more, then a hand-written tail.
inline Tree NumberedLines(const Params& p) {
  std::string out;
  const std::int64_t lines = p.Int("lines", 200);
  for (std::int64_t i = 0; i < lines; ++i) {
    std::string digits = std::to_string(i);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    out += "int filler_" + digits + " = " + std::to_string(i) + ";\r\n";
  }
  out += p.Text("suffix", "");
  return {{{p.Text("file", "main.c"), out}}, p.Text("file", "main.c")};
}

// Joins pieces drawn from a vocabulary with drawn separators and line ends until the text
// reaches `size` bytes. With `apart`, an empty separator between two pieces that would run
// together into a malformed number (a digit, letter or dot on both sides) becomes a blank.
inline bool RunsTogether(const std::string& before, const std::string& after) {
  auto word = [](char c) {
    return c == '_' || c == '.' || (c >= '0' && c <= '9') ||
           ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
  };
  return !before.empty() && !after.empty() && word(before.back()) && word(after.front());
}

inline std::string PieceText(Rng& rng, const std::vector<std::string>& pieces,
                             const std::vector<std::string>& separators,
                             const std::vector<std::string>& lineEnds, std::size_t size,
                             std::uint32_t piecesPerLine, bool apart = false) {
  std::string out;
  while (out.size() < size) {
    std::uint32_t n = rng.Between(1, piecesPerLine);
    std::string last;
    for (std::uint32_t i = 0; i < n; ++i) {
      const std::string& piece = rng.Pick(pieces);
      if (apart && RunsTogether(last, piece)) out += ' ';
      out += piece;
      const std::string& separator = rng.Pick(separators);
      out += separator;
      last = separator.empty() ? piece : separator;
    }
    out += rng.Pick(lineEnds);
  }
  return out;
}

inline Tree PlainTokens(const Params& p) {
  Rng rng(static_cast<std::uint64_t>(p.Int("seed", 1)));
  const bool cpp = p.Text("lang", "c") == "cpp";
  std::vector<std::string> pieces = {"a",
                                     "x",
                                     "Lname",
                                     "int",
                                     "w",
                                     "defined",
                                     "__LINE__",
                                     "_asm_not",
                                     "alpha_beta_gamma_delta",
                                     "LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1",
                                     "12",
                                     "0",
                                     "9",
                                     "123456789",
                                     "1234567890",
                                     "1u",
                                     "12L",
                                     "0x7fffffff",
                                     "0x123456789",
                                     "1.5",
                                     ".5",
                                     "4e5",
                                     "1e+10f",
                                     "077",
                                     "L\"ws\"",
                                     "\"s\"",
                                     "'c'",
                                     "L'w'",
                                     "+",
                                     "-",
                                     "*",
                                     "/",
                                     "%",
                                     "<",
                                     ">",
                                     "<<=",
                                     ">>=",
                                     "||",
                                     "&&",
                                     "+=",
                                     "-=",
                                     "^=",
                                     "!=",
                                     "==",
                                     "<=",
                                     ">=",
                                     "<<",
                                     ">>",
                                     "++",
                                     "--",
                                     "->",
                                     "...",
                                     ".",
                                     ",",
                                     ";",
                                     ":",
                                     "::",
                                     "?",
                                     "~",
                                     "!",
                                     "(",
                                     ")",
                                     "[",
                                     "]",
                                     "{",
                                     "}",
                                     "(2)",
                                     "f(1,2)",
                                     "z(2)",
                                     "M",
                                     "s.x",
                                     "a.*b",
                                     "->*",
                                     "- -",
                                     "< <",
                                     "> >=",
                                     "a\\\r\nb",
                                     "9\\\r\n9",
                                     "+\\\r\n=",
                                     "&\n&",
                                     "-\\\r\n>",
                                     "/* c */",
                                     "// line\r\n",
                                     "\x0c",
                                     "\x0b",
                                     "\t",
                                     "0;",
                                     "x=1;"};
  if (cpp) {
    std::vector<std::string> more = {"class", "try",      "__try", "catch", "x::y", "s.*p",
                                     "a->*b", ":\\\r\n:", "M(q)",  ".*",    "->*",  "this"};
    pieces.insert(pieces.end(), more.begin(), more.end());
    // M is function-like here: a bare M at a line end would look for its `(` on the next
    // line and take a directive's `#` out of its place.
    for (std::string& piece : pieces) {
      if (piece == "M") piece = "M(1)";
    }
  }
  const std::vector<std::string> separators = {" ", " ", " ", "", "", "  ", "\t", " \x0c "};
  const std::vector<std::string> lineEnds = {"\r\n",
                                             "\r\n",
                                             "\r\n",
                                             "\n",
                                             " \r\n",
                                             cpp ? "\r\n#define M(a) a\r\n" : "\r\n#define M 1\r\n",
                                             "\r\n#if 1\r\nq\r\n#endif\r\n",
                                             "\r\n/* start */ x"};
  std::string out = cpp ? "#define M(a) a\r\n" : "#define SHOW(a) a\r\n";
  out += PieceText(rng, pieces, separators, lineEnds,
                   static_cast<std::size_t>(p.Int("size", 60000)), 24, true);
  out += "end\r\n";
  const std::string file = p.Text("file", cpp ? "main.cpp" : "main.c");
  return {{{file, out}}, file};
}

inline Tree CommentRuns(const Params& p) {
  Rng rng(static_cast<std::uint64_t>(p.Int("seed", 1)));
  const bool nested = p.Int("nested", 0) != 0;
  std::vector<std::string> pieces = {"/* \\ */",
                                     "/**\n *\n **/",
                                     "/** x **/",
                                     "/* * */",
                                     "/***/",
                                     "/**/",
                                     "/* *\\\r\n/ */",
                                     "/* *** **** ***/",
                                     "/*\r\n** a\r\n*/",
                                     "/* a\n\r b */",
                                     "/* * / */",
                                     "/*/ x */",
                                     "/* ***\\\r\n*/",
                                     "/*" + std::string(15, '*') + "/",
                                     "/*" + std::string(16, '*') + "/",
                                     "/*" + std::string(17, '*') + " x */",
                                     "/* " + std::string(31, '*') + " */",
                                     "/* " + std::string(64, '*') + "*/",
                                     "/*" + std::string(200, '*') + "/",
                                     "/* x" + std::string(47, ' ') + "*/",
                                     "a",
                                     "b1",
                                     "int x;",
                                     "p**q",
                                     "(*r)",
                                     "+",
                                     "*",
                                     "/",
                                     "* /"};
  if (nested) {
    std::vector<std::string> more = {
        "/* a /* b */ c */",
        "/*/* */*/",
        "/** /** **/ **/",
        "/* /* /* x */ */ */",
        "/* ** / ** */",
        "/* /*\r\n** inner\r\n*/ outer */",
        "/**\n * /* x */\n **/",
        "/* \\ /* */ */",
        "/* a\n\r b /* c */ */",
        "/*" + std::string(20, '*') + " /* " + std::string(33, '*') + "*/ */"};
    pieces.insert(pieces.end(), more.begin(), more.end());
  } else {
    pieces.push_back("/* /* */ */");  // without nesting: the comment ends at the first closer
  }
  const std::vector<std::string> separators = {" ", " ", " \n ", " "};
  const std::vector<std::string> lineEnds = {"\r\n", "\r\n", "\r\n", " \r\n", "\n", "\r\n\r\n"};
  std::string out = PieceText(rng, pieces, separators, lineEnds,
                              static_cast<std::size_t>(p.Int("size", 50000)), 8);
  out += "end\r\n";
  return {{{p.Text("file", "t.c"), out}}, p.Text("file", "t.c")};
}

inline Tree SkippedLines(const Params& p) {
  Rng rng(static_cast<std::uint64_t>(p.Int("seed", 1)));
  const std::vector<std::string> lines = {"plain text of a skipped line",
                                          "  indented ; code(x) = 1;",
                                          "a /* comment # */ b",
                                          "x // line comment",
                                          "  \"a string with # inside\"",
                                          "'c' and more",
                                          "\xfb odd",
                                          "?\?=",
                                          "   ",
                                          "",
                                          "#error not reached",
                                          "\t#  define NOT_SEEN 1",
                                          "\x0b# define V 1",
                                          "\x0c# pragma nothing",
                                          "  # elif 1",
                                          "tail \\\r\ncontinued",
                                          "a\\\nb",
                                          "/* multi\r\n** line\r\n*/ after",
                                          "\"unterminated string",
                                          "'unterminated char",
                                          "#include \"not_there.h\"",
                                          "#line 5 \"not_named.c\"",
                                          std::string(300, 'n') + " long",
                                          "/*" + std::string(40, '*') + "*/ # not a directive"};
  const std::vector<std::string> eols = {"\r\n", "\r\n", "\n"};
  std::string out = "int before;\r\n#if 0\r\n";
  int depth = 1;
  const std::size_t size = static_cast<std::size_t>(p.Int("size", 50000));
  while (out.size() < size) {
    std::uint32_t r = rng.Below(100);
    if (r < 8 && depth < 60) {
      static const std::vector<std::string> opens = {"#if 0", "\x0b#if 0", "#ifdef Z",
                                                     "#ifndef NOT_DEFINED", "  #  if 1"};
      out += rng.Pick(opens);
      ++depth;
    } else if (r < 13 && depth > 1) {
      static const std::vector<std::string> closes = {"#endif", "\x0c#endif", "# endif"};
      out += rng.Pick(closes);
      --depth;
    } else if (r < 17) {
      out += rng.Chance(1, 2) ? "#else" : "#elif 1";
    } else {
      out += rng.Pick(lines);
    }
    out += rng.Pick(eols);
  }
  for (; depth > 0; --depth) out += "#endif\r\n";
  out +=
      "int after;\r\n#if 1\r\nint taken;\r\n\x0b#if 0\r\nint hidden;\r\n\x0c#endif\r\n#endif\r\n";
  return {{{p.Text("file", "main.c"), out}}, p.Text("file", "main.c")};
}

// The seed of a generation is the parameter "seed" of the seeded recipes.
inline Tree GenerateGolden(std::uint64_t seed, Params params) {
  if (params.Text("seed", "").empty()) params.Set("seed", std::to_string(seed));
  const std::string recipe = params.Text("recipe", "");
  if (recipe == "buffer_edges") return BufferEdges(params);
  if (recipe == "macro_calls") return MacroCalls(params);
  if (recipe == "long_define") return LongDefine(params);
  if (recipe == "long_arguments") return LongArguments(params);
  if (recipe == "include_chain") return IncludeChain(params);
  if (recipe == "deep_parens") return DeepParens(params);
  if (recipe == "stale_output") return StaleOutput(params);
  if (recipe == "numbered_lines") return NumberedLines(params);
  if (recipe == "plain_tokens") return PlainTokens(params);
  if (recipe == "comment_runs") return CommentRuns(params);
  if (recipe == "skipped_lines") return SkippedLines(params);
  throw std::runtime_error("unknown golden recipe: " + recipe);
}

// The seeded recipes at several times the golden cases' sizes, for the comparison harness:
// seed by seed, the buffer edges of many buffers, plain tokens (C and C++), comment runs (flat
// and nested) and skipped lines, each with its own seed.
inline Tree GenerateScaledGolden(std::uint64_t seed) {
  Params p;
  p.Set("seed", std::to_string(seed));
  switch (seed % 6) {
    case 0:
      p.Set("scale", std::to_string(8 + seed % 9));
      return BufferEdges(p);
    case 1:
      p.Set("size", std::to_string(150000 + (seed * 7919) % 100000));
      return PlainTokens(p);
    case 2:
      p.Set("lang", "cpp");
      p.Set("size", std::to_string(150000 + (seed * 7919) % 100000));
      return PlainTokens(p);
    case 3:
      p.Set("size", std::to_string(150000 + (seed * 7919) % 100000));
      return CommentRuns(p);
    case 4:
      p.Set("nested", "1");
      p.Set("size", std::to_string(150000 + (seed * 7919) % 100000));
      return CommentRuns(p);
    default:
      p.Set("size", std::to_string(150000 + (seed * 7919) % 100000));
      return SkippedLines(p);
  }
}

}  // namespace tpxgen

#endif  // TPX32_TESTS_RANDOM_GOLDEN_H_
