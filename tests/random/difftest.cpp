// The differential test against gcc: tpx32 and gcc preprocess the same generated, valid C90 or
// C++98 source trees (valid.h), both outputs are split into tokens by the harness's own
// tokenizer (pp_tokens.h), and the token sequences must be equal. A re-scan check runs on the
// same trees: tpx32's output, read again by tpx32 in the same language and with the same
// options, must give the same tokens.
//
// gcc runs as `gcc -E -P -undef -nostdinc -std=c89 -x c` (`-std=c++98 -x c++` for C++) with
// tpx32's predefined macros given by -D and gcc's remaining built-ins removed by -U where they
// can be. The predefined macros are read from tpx32 itself: their names from the -Sd list of an
// empty file, their values from a file that names each. tpx32's output is read from its output
// file, never from the console.
//
// A tree fails when gcc does not accept it cleanly (the generator wrote something invalid),
// when tpx32 reports an error, crashes or hangs, when the tokens differ, or when the re-scan
// gives other tokens. A failing tree is kept under the failures folder with both outputs,
// reduced line by line while the same kind of failure remains (and gcc still accepts the
// input), and reported with the first differing tokens.
//
// Usage: tpx32_difftest --tpx32 <program> [options]
//   --gcc PROGRAM      the gcc to compare with (default: gcc, found on PATH)
//   --seeds A-B        trees to run (default 1-100)
//   --seconds N        run trees from the first seed on until N seconds have passed
//   --files N          run N trees from the first seed on
//   --lang c|cpp|both  the language of the trees (default both: drawn per tree)
//   --options "S;S"    tpx32 option sets, separated by ';' (default: none, -P-, -C -Sd);
//                      every tree runs with each
//   --failures DIR     where failures are kept (default: difftest_failures)
//   --work DIR         scratch folder (default: difftest_work)
//   --timeout S        time limit of one run in seconds (default 20)
//   --max-failures N   stop after N failing trees (default 5)
//   --no-reduce        keep and print failures without reducing them
//   --param K=V        a parameter of the generator (repeatable)
//   --print-defines c|cpp  print the -D options given to gcc, one a line, and exit
//   --compare A B      compare two outputs, tpx32's (line markers dropped) and gcc's, and print
//                      where they first differ
// Exit status: 0 when every tree agreed, 1 when one failed, 2 on a usage error, 77 when gcc
// cannot be run (the test is then skipped).
//
// Real code (make difftest-corpus runs it, see difftest_corpus.sh):
//   tpx32_difftest --tpx32 <program> --corpus NAME --root DIR --exclusions FILE
//                  [--include DIR...] [--define NAME=VALUE...] [--keep DIR] FILE...
// preprocesses each FILE (relative to DIR) with both tools and compares their tokens with the
// intended differences of FILE accounted for (token_compare.h); prints a line per file and the
// code base's figures, and keeps the outputs of differing files under --keep.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "generator.h"
#include "harness.h"
#include "pp_tokens.h"
#include "token_compare.h"

namespace fs = std::filesystem;

namespace {

using tpxharness::Printable;
using tpxharness::ReadBytes;
using tpxharness::WriteBytes;

// ---- the two tools ----

struct Tools {
  std::string tpx32;
  std::string gcc = "gcc";
  fs::path work;
  double timeout = 20;
  // tpx32's predefined macros as -D options, for C and for C++.
  std::vector<std::string> defines[2];
};

struct Run {
  tpxharness::ProcessResult process;
  std::string out;  // the output file (tpx32) or standard output (gcc)
  std::string messages;
};

Run RunTpx32(const Tools& t, const fs::path& dir, const std::string& main,
             const std::vector<std::string>& options) {
  std::vector<std::string> args = {t.tpx32, "--quiet"};
  args.insert(args.end(), options.begin(), options.end());
  args.push_back("-I.");
  args.push_back(main);
  const fs::path output = dir / (fs::path(main).stem().string() + ".i");
  std::error_code ec;
  fs::remove(output, ec);
  Run r;
  r.process =
      tpxharness::RunProcess(args, dir, dir.parent_path() / (dir.filename().string() + ".out"),
                             dir.parent_path() / (dir.filename().string() + ".err"), t.timeout);
  r.messages = ReadBytes(dir.parent_path() / (dir.filename().string() + ".out")) +
               ReadBytes(dir.parent_path() / (dir.filename().string() + ".err"));
  r.out = ReadBytes(output);
  return r;
}

// gcc as the comparison runs it; `options` (include folders, definitions) come before the file.
std::vector<std::string> GccCommand(const Tools& t, bool cpp, const std::string& main,
                                    const std::vector<std::string>& options = {"-I."}) {
  std::vector<std::string> args = {t.gcc,
                                   "-E",
                                   "-P",
                                   "-undef",
                                   "-nostdinc",
                                   cpp ? "-std=c++98" : "-std=c89",
                                   "-x",
                                   cpp ? "c++" : "c",
                                   "-U__STDC_HOSTED__"};
  if (cpp) args.push_back("-U_GNU_SOURCE");
  for (const std::string& d : t.defines[cpp ? 1 : 0]) args.push_back(d);
  args.insert(args.end(), options.begin(), options.end());
  args.push_back(main);
  return args;
}

Run RunGcc(const Tools& t, const fs::path& dir, const std::string& main, bool cpp) {
  Run r;
  const fs::path out = dir.parent_path() / (dir.filename().string() + ".gcc.out");
  const fs::path err = dir.parent_path() / (dir.filename().string() + ".gcc.err");
  r.process = tpxharness::RunProcess(GccCommand(t, cpp, main), dir, out, err, t.timeout);
  r.out = ReadBytes(out);
  r.messages = ReadBytes(err);
  return r;
}

// gcc's messages without the notes its own -U options cause.
std::string UnexpectedGccMessages(const std::string& err) {
  std::string rest;
  for (const std::string& line : tpxharness::Lines(err)) {
    if (line.rfind("<command-line>: warning: undefining \"", 0) == 0) continue;
    rest += line;
  }
  return rest;
}

// Reads tpx32's predefined macros: the names from the -Sd list of an empty file, the values
// from the output of a file that names each on its own line.
std::vector<std::string> QueryDefines(const Tools& t, bool cpp) {
  const fs::path dir = t.work / (cpp ? "defines-cpp" : "defines-c");
  std::error_code ec;
  fs::remove_all(dir, ec);
  fs::create_directories(dir);
  const std::string ext = cpp ? ".cpp" : ".c";
  WriteBytes(dir / ("empty" + ext), "");
  Run list = RunTpx32(t, dir, "empty" + ext, {"-Sd"});
  std::vector<std::string> names;
  for (const std::string& line : tpxharness::Lines(list.out)) {
    const std::string head = "/* define ";
    std::size_t at = line.find(head);
    if (at == std::string::npos) continue;
    std::size_t end = line.find(" */", at + head.size());
    if (end != std::string::npos)
      names.push_back(line.substr(at + head.size(), end - at - head.size()));
  }
  if (names.empty()) {
    std::cerr << "tpx32_difftest: tpx32 listed no predefined macros (status " << list.process.status
              << ")\n"
              << list.messages;
    std::exit(2);
  }
  std::string text;
  for (const std::string& n : names) text += n + "\n";
  WriteBytes(dir / ("values" + ext), text);
  Run values = RunTpx32(t, dir, "values" + ext, {});
  // Each output line is "/* values.c N: */" and the value of the N-th name.
  std::map<std::size_t, std::string> byLine;
  for (const std::string& raw : tpxharness::Lines(values.out)) {
    std::string line = raw;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    const std::string head = "/* values" + ext + " ";
    if (line.rfind(head, 0) != 0) continue;
    std::size_t colon = line.find(": */", head.size());
    if (colon == std::string::npos) continue;
    std::size_t number = std::stoul(line.substr(head.size(), colon - head.size()));
    std::string value = line.substr(colon + 4);
    while (!value.empty() && value.back() == ' ') value.pop_back();
    while (!value.empty() && value.front() == ' ') value.erase(0, 1);
    byLine[number] = value;
  }
  std::vector<std::string> defines;
  for (std::size_t i = 0; i < names.size(); ++i)
    defines.push_back("-D" + names[i] + "=" + byLine[i + 1]);
  return defines;
}

// ---- comparing ----

std::vector<tpxdiff::PpToken> Tokens(const std::string& text, bool cpp, bool dropLineDirectives) {
  return tpxdiff::Tokenize(text, cpp ? tpxdiff::CppRules() : tpxdiff::CRules(), dropLineDirectives);
}

// The index of the first token where the two sequences differ, or -1.
long FirstDifference(const std::vector<tpxdiff::PpToken>& a,
                     const std::vector<tpxdiff::PpToken>& b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i].text != b[i].text) return static_cast<long>(i);
  }
  return a.size() == b.size() ? -1 : static_cast<long>(n);
}

std::string ShowTokens(const char* who, const std::vector<tpxdiff::PpToken>& v, long at) {
  std::ostringstream s;
  s << "  " << who << " (" << v.size() << " tokens):";
  long from = std::max(0L, at - 6);
  for (long i = from; i < static_cast<long>(v.size()) && i < at + 6; ++i) {
    s << (i == at ? " >>" : " ") << Printable(v[static_cast<std::size_t>(i)].text, 200) << "@"
      << v[static_cast<std::size_t>(i)].line << (i == at ? "<<" : "");
  }
  if (at >= static_cast<long>(v.size())) s << " >>(end)<<";
  s << "\n";
  return s.str();
}

std::string DescribeDifference(const char* whoA, const std::vector<tpxdiff::PpToken>& a,
                               const char* whoB, const std::vector<tpxdiff::PpToken>& b) {
  long at = FirstDifference(a, b);
  std::ostringstream s;
  s << "first difference at token " << at << " (token@output line):\n"
    << ShowTokens(whoA, a, at) << ShowTokens(whoB, b, at);
  return s.str();
}

// The texts of the first two tokens that differ, tpx32's and gcc's, as one string.
std::string FirstDifferingTokens(const std::vector<tpxdiff::PpToken>& a,
                                 const std::vector<tpxdiff::PpToken>& b) {
  long at = FirstDifference(a, b);
  if (at < 0) return "";
  auto text = [at](const std::vector<tpxdiff::PpToken>& v) {
    return at < static_cast<long>(v.size()) ? v[static_cast<std::size_t>(at)].text : "(end)";
  };
  return text(a) + '\n' + text(b);
}

// ---- one tree ----

enum class Failure { kNone, kGccRejects, kHang, kTpxError, kTokensDiffer, kRescanDiffers };

const char* FailureName(Failure f) {
  switch (f) {
    case Failure::kGccRejects:
      return "gcc does not accept the generated input cleanly (a fault of the generator)";
    case Failure::kHang:
      return "a run did not end within the time limit";
    case Failure::kTpxError:
      return "tpx32 reported an error or ended abnormally on valid input";
    case Failure::kTokensDiffer:
      return "the tokens of tpx32 and gcc differ";
    case Failure::kRescanDiffers:
      return "tpx32's output read again by tpx32 gives other tokens";
    default:
      return "none";
  }
}

struct Outcome {
  Failure kind = Failure::kNone;
  bool cpp = false;
  std::string detail;
  Run gcc, tpx, rescan;
};

class Checker {
 public:
  explicit Checker(const Tools& tools) : t_(tools) {}

  bool Cpp(const tpxgen::Tree& tree) const { return fs::path(tree.main).extension() == ".cpp"; }

  // gcc's verdict on a tree: clean or not, with its output.
  Outcome Gcc(const tpxgen::Tree& tree) {
    Outcome o;
    o.cpp = Cpp(tree);
    const fs::path dir = Fresh("tree");
    tpxgen::WriteTree(tree, dir);
    o.gcc = RunGcc(t_, dir, tree.main, o.cpp);
    ++runs_;
    if (o.gcc.process.timedOut) {
      o.kind = Failure::kHang;
      o.detail = "gcc did not end within the time limit\n";
    } else if (o.gcc.process.status != 0 || !UnexpectedGccMessages(o.gcc.messages).empty()) {
      o.kind = Failure::kGccRejects;
      o.detail = "gcc status " + std::to_string(o.gcc.process.status) + ":\n" +
                 UnexpectedGccMessages(o.gcc.messages);
    }
    return o;
  }

  // The whole check of a tree under one option set.
  Outcome Check(const tpxgen::Tree& tree, const std::vector<std::string>& options) {
    Outcome o = Gcc(tree);
    if (o.kind != Failure::kNone) return o;
    return CheckTpx32(tree, options, std::move(o));
  }

  Outcome CheckTpx32(const tpxgen::Tree& tree, const std::vector<std::string>& options, Outcome o) {
    const bool cpp = Cpp(tree);
    const fs::path dir = Fresh("tree");
    tpxgen::WriteTree(tree, dir);
    o.tpx = RunTpx32(t_, dir, tree.main, options);
    ++runs_;
    if (o.tpx.process.timedOut) {
      o.kind = Failure::kHang;
      o.detail = "tpx32 did not end within the time limit\n";
      return o;
    }
    if (o.tpx.process.status != 0) {
      o.kind = Failure::kTpxError;
      o.detail = "tpx32 status " + std::to_string(o.tpx.process.status) + ":\n" + o.tpx.messages;
      return o;
    }
    std::vector<tpxdiff::PpToken> mine = Tokens(o.tpx.out, cpp, true);
    std::vector<tpxdiff::PpToken> theirs = Tokens(o.gcc.out, cpp, false);
    if (FirstDifference(mine, theirs) >= 0) {
      o.kind = Failure::kTokensDiffer;
      o.detail = DescribeDifference("tpx32", mine, "gcc", theirs);
      return o;
    }
    // The re-scan: the output as a source of the same language, the same options.
    const fs::path again = Fresh("rescan");
    const std::string name = cpp ? "r.cpp" : "r.c";
    WriteBytes(again / name, o.tpx.out);
    o.rescan = RunTpx32(t_, again, name, options);
    ++runs_;
    if (o.rescan.process.timedOut || o.rescan.process.status != 0) {
      o.kind = o.rescan.process.timedOut ? Failure::kHang : Failure::kRescanDiffers;
      o.detail = "tpx32 on its own output: status " + std::to_string(o.rescan.process.status) +
                 ":\n" + o.rescan.messages;
      return o;
    }
    std::vector<tpxdiff::PpToken> back = Tokens(o.rescan.out, cpp, true);
    if (FirstDifference(mine, back) >= 0) {
      o.kind = Failure::kRescanDiffers;
      o.detail = DescribeDifference("first output", mine, "re-scanned", back);
    }
    return o;
  }

  long Runs() const { return runs_; }

 private:
  fs::path Fresh(const std::string& name) {
    const fs::path dir = t_.work / name;
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    return dir;
  }

  const Tools& t_;
  long runs_ = 0;
};

// The first differing tokens of a tree whose outputs differ.
std::string FirstDifferingTokens(const Outcome& o) {
  return FirstDifferingTokens(Tokens(o.tpx.out, o.cpp, true), Tokens(o.gcc.out, o.cpp, false));
}

std::string OptionText(const std::vector<std::string>& options) {
  std::string s;
  for (const std::string& o : options) s += (s.empty() ? "" : " ") + o;
  return s.empty() ? "(no options)" : s;
}

std::string CommandText(const std::vector<std::string>& args) {
  std::string s;
  for (const std::string& a : args) s += (s.empty() ? "" : " ") + a;
  return s;
}

// The text of the first message of a run, without the file and line it names: "Error f.c 3:
// Text" and "f.c:3:5: error: text" give "Text" and "error: text".
std::string FirstMessage(const std::string& messages) {
  for (const std::string& line : tpxharness::Lines(messages)) {
    if (line.rfind("<command-line>", 0) == 0) continue;
    std::size_t at = line.find(": ");
    if (at == std::string::npos) continue;
    std::string text = line.substr(at + 2);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    // gcc: "file:line:column: error: text"; tpx32: "Error file line: Text".
    if (line.find(": error: ") != std::string::npos) text = line.substr(line.find(": error: ") + 2);
    if (line.find(": warning: ") != std::string::npos)
      text = line.substr(line.find(": warning: ") + 2);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
  }
  return "";
}

void SaveOutcome(const fs::path& dir, const Outcome& o) {
  WriteBytes(dir / "gcc.i", o.gcc.out);
  WriteBytes(dir / "gcc.messages", o.gcc.messages);
  WriteBytes(dir / "tpx32.i", o.tpx.out);
  WriteBytes(dir / "tpx32.messages", o.tpx.messages);
  if (!o.rescan.out.empty()) WriteBytes(dir / "rescan.i", o.rescan.out);
}

// Whether gcc and tpx32 can both be run: the test is skipped when they cannot.
bool GccRuns(const Tools& t, bool cpp, std::string* why) {
  const fs::path dir = t.work / (cpp ? "probe-cpp" : "probe-c");
  std::error_code ec;
  fs::remove_all(dir, ec);
  fs::create_directories(dir);
  const std::string main = cpp ? "p.cpp" : "p.c";
  WriteBytes(dir / main, "#define X 1\nX\n");
  Tools probe = t;
  probe.defines[0].clear();
  probe.defines[1].clear();
  Run r = RunGcc(probe, dir, main, cpp);
  if (r.process.status != 0 || r.process.timedOut) {
    *why = "cannot run " + CommandText(GccCommand(probe, cpp, main)) + " (status " +
           std::to_string(r.process.status) + ")\n" + r.messages;
    return false;
  }
  return true;
}

// ---- real code ----

struct CorpusOptions {
  std::string name;                   // the code base, as it is named in the intended differences
  fs::path root;                      // the folder the file names are relative to
  std::vector<std::string> includes;  // -I folders
  std::vector<std::string> defines;   // -D definitions, for both tools
  std::string exclusions;             // the intended differences file
  fs::path keep;                      // where the outputs of differing files are kept
  std::vector<std::string> files;
};

// Preprocesses each file of a code base with both tools and compares their tokens with the
// intended differences accounted for; prints a line per file and the code base's figures.
// Returns 0 when every file agrees or is excluded as a whole.
int RunCorpus(const Tools& t, const CorpusOptions& c) {
  tpxdiff::Exclusions ex;
  try {
    ex = tpxdiff::ParseExclusions(ReadBytes(c.exclusions));
  } catch (const std::exception& e) {
    std::cerr << "tpx32_difftest: " << c.exclusions << ": " << e.what() << "\n";
    return 2;
  }
  const fs::path out = t.work / "corpus-out";
  std::size_t agree = 0, excludedFiles = 0, differ = 0, tokens = 0, excludedTokens = 0;
  for (const std::string& file : c.files) {
    std::error_code ec;
    fs::remove_all(out, ec);
    fs::create_directories(out);
    const bool excludedFile = ex.files.count(c.name + "/" + file) != 0;
    std::vector<std::string> options;
    for (const std::string& i : c.includes) options.push_back("-I" + i);
    for (const std::string& d : c.defines) options.push_back("-D" + d);
    std::vector<std::string> mine = {t.tpx32, "--quiet", "-n" + out.string()};
    mine.insert(mine.end(), options.begin(), options.end());
    mine.push_back(file);
    std::vector<std::string> theirs = GccCommand(t, false, file, options);
    tpxharness::ProcessResult a = tpxharness::RunProcess(mine, c.root, t.work / "corpus.out",
                                                         t.work / "corpus.err", t.timeout);
    std::string aMessages = ReadBytes(t.work / "corpus.out") + ReadBytes(t.work / "corpus.err");
    std::string aText = ReadBytes(out / (fs::path(file).stem().string() + ".i"));
    tpxharness::ProcessResult b =
        tpxharness::RunProcess(theirs, c.root, t.work / "gcc.out", t.work / "gcc.err", t.timeout);
    std::string bText = ReadBytes(t.work / "gcc.out");
    std::string bMessages = UnexpectedGccMessages(ReadBytes(t.work / "gcc.err"));
    if (excludedFile) {
      // Its tokens count as tokens in intended differences: tpx32's where it wrote them, else
      // gcc's.
      std::size_t n =
          a.status == 0 ? Tokens(aText, false, true).size() : Tokens(bText, false, false).size();
      tokens += n;
      excludedTokens += n;
      ++excludedFiles;
      std::cout << "  " << file << ": excluded as a whole (see the intended differences), " << n
                << " tokens\n";
      continue;
    }
    auto keep = [&](const std::string& why) {
      ++differ;
      std::cout << "  " << file << ": " << why;
      if (!c.keep.empty()) {
        const fs::path dir = c.keep / c.name / file;
        WriteBytes(dir / "tpx32.i", aText);
        WriteBytes(dir / "tpx32.messages", aMessages);
        WriteBytes(dir / "gcc.i", bText);
        WriteBytes(dir / "gcc.messages", bMessages);
        std::cout << "  kept in " << dir.string() << "\n";
      }
    };
    if (a.timedOut || a.status != 0) {
      keep("tpx32 status " + std::to_string(a.status) + ": " + FirstMessage(aMessages) + "\n");
      continue;
    }
    if (b.timedOut || b.status != 0) {
      keep("gcc status " + std::to_string(b.status) + ": " + FirstMessage(bMessages) + "\n");
      continue;
    }
    std::vector<tpxdiff::PpToken> ta = Tokens(aText, false, true);
    std::vector<tpxdiff::PpToken> tb = Tokens(bText, false, false);
    tpxdiff::Comparison r = tpxdiff::CompareTokens(ta, tb, ex);
    tokens += r.tokens;
    excludedTokens += r.excluded;
    if (!r.agree) {
      std::ostringstream why;
      why << "tokens differ at token " << r.firstA << " of tpx32's output (line "
          << (r.firstA < static_cast<long>(ta.size()) ? ta[static_cast<std::size_t>(r.firstA)].line
                                                      : 0)
          << ")\n"
          << ShowTokens("tpx32", ta, r.firstA) << ShowTokens("gcc", tb, r.firstB);
      keep(why.str());
      continue;
    }
    ++agree;
    std::cout << "  " << file << ": agrees, " << r.tokens << " tokens";
    if (r.excluded != 0) std::cout << ", " << r.excluded << " of them in intended differences";
    std::cout << "\n";
  }
  const std::size_t total = c.files.size();
  auto percent = [](std::size_t part, std::size_t whole) {
    std::ostringstream s;
    s.setf(std::ios::fixed);
    s.precision(whole == 0 ? 0 : 2);
    s << (whole == 0 ? 100.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole))
      << " %";
    return s.str();
  };
  std::cout << "corpus " << c.name << ": " << total << " files: " << agree << " agree ("
            << percent(agree, total) << "), " << excludedFiles << " excluded as a whole, " << differ
            << " differ; " << tokens << " tokens compared, " << excludedTokens
            << " in intended differences (" << percent(excludedTokens, tokens) << ")\n";
  // The same figures for a script: files, agreeing, excluded, differing, tokens, in intended
  // differences.
  std::cout << "figures " << c.name << " " << total << " " << agree << " " << excludedFiles << " "
            << differ << " " << tokens << " " << excludedTokens << "\n";
  return differ == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Tools tools;
  std::string failuresDir = "difftest_failures", workDir = "difftest_work", lang = "both",
              optionText = ";-P-;-C -Sd", printDefines, compareA, compareB;
  std::uint64_t firstSeed = 1, lastSeed = 100, files = 0;
  double seconds = 0;
  int maxFailures = 5;
  bool reduce = true;
  std::vector<std::string> paramWords;
  CorpusOptions corpus;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        std::cerr << "tpx32_difftest: " << a << " needs a value\n";
        std::exit(2);
      }
      return argv[++i];
    };
    if (a == "--tpx32") {
      tools.tpx32 = value();
    } else if (a == "--gcc") {
      tools.gcc = value();
    } else if (a == "--failures") {
      failuresDir = value();
    } else if (a == "--work") {
      workDir = value();
    } else if (a == "--options") {
      optionText = value();
    } else if (a == "--lang") {
      lang = value();
    } else if (a == "--seconds") {
      seconds = std::stod(value());
    } else if (a == "--files") {
      files = std::stoull(value());
    } else if (a == "--timeout") {
      tools.timeout = std::stod(value());
    } else if (a == "--max-failures") {
      maxFailures = std::stoi(value());
    } else if (a == "--no-reduce") {
      reduce = false;
    } else if (a == "--param") {
      paramWords.push_back(value());
    } else if (a == "--print-defines") {
      printDefines = value();
    } else if (a == "--corpus") {
      corpus.name = value();
    } else if (a == "--root") {
      corpus.root = value();
    } else if (a == "--include") {
      corpus.includes.push_back(value());
    } else if (a == "--define") {
      corpus.defines.push_back(value());
    } else if (a == "--exclusions") {
      corpus.exclusions = value();
    } else if (a == "--keep") {
      corpus.keep = value();
    } else if (!corpus.name.empty() && a.rfind("--", 0) != 0) {
      corpus.files.push_back(a);
    } else if (a == "--compare") {
      compareA = value();
      compareB = value();
    } else if (a == "--seeds") {
      std::string v = value();
      std::size_t dash = v.find('-');
      firstSeed = std::stoull(v.substr(0, dash));
      lastSeed = dash == std::string::npos ? firstSeed : std::stoull(v.substr(dash + 1));
    } else {
      std::cerr << "tpx32_difftest: unknown argument " << a << "\n";
      return 2;
    }
  }
  if (!compareA.empty()) {
    const bool cpp = lang == "cpp";
    std::vector<tpxdiff::PpToken> mine = Tokens(ReadBytes(compareA), cpp, true);
    std::vector<tpxdiff::PpToken> theirs = Tokens(ReadBytes(compareB), cpp, false);
    if (FirstDifference(mine, theirs) < 0) {
      std::cout << "same " << mine.size() << " tokens\n";
      return 0;
    }
    std::cout << DescribeDifference("first", mine, "second", theirs);
    return 1;
  }
  if (tools.tpx32.empty() || (lang != "c" && lang != "cpp" && lang != "both")) {
    std::cerr
        << "usage: tpx32_difftest --tpx32 <program> [--gcc PROGRAM] [--seeds A-B | --seconds N"
           " | --files N] [--lang c|cpp|both] [--options \"S;S\"] [--failures DIR]"
           " [--work DIR] [--timeout S] [--max-failures N] [--no-reduce] [--param K=V]"
           " [--print-defines c|cpp]\n";
    return 2;
  }
  // tpx32 reads the user's character set for its code page; the C locale makes it 1252, whose
  // bytes are all characters of their own, as gcc reads them.
  setenv("LC_ALL", "C", 1);
  tools.tpx32 = fs::absolute(tools.tpx32).string();
  tools.work = fs::absolute(workDir);
  fs::create_directories(tools.work);
  tpxharness::BlockChildSignal();

  tools.defines[0] = QueryDefines(tools, false);
  tools.defines[1] = QueryDefines(tools, true);
  if (!printDefines.empty()) {
    for (const std::string& d : tools.defines[printDefines == "cpp" ? 1 : 0])
      std::cout << d << "\n";
    return 0;
  }
  if (!corpus.name.empty()) {
    if (corpus.exclusions.empty()) {
      std::cerr << "tpx32_difftest: --corpus needs --exclusions\n";
      return 2;
    }
    corpus.root = fs::absolute(corpus.root);
    if (!corpus.keep.empty()) corpus.keep = fs::absolute(corpus.keep);
    int status = RunCorpus(tools, corpus);
    std::error_code ec;
    fs::remove_all(tools.work, ec);
    return status;
  }
  std::string why;
  bool cRuns = lang != "cpp" && GccRuns(tools, false, &why);
  bool cppRuns = lang != "c" && GccRuns(tools, true, &why);
  if (!cRuns && !cppRuns) {
    std::cout << "tpx32_difftest: skipped: " << why;
    return 77;
  }
  if ((lang == "both" && (!cRuns || !cppRuns))) {
    std::cout << "tpx32_difftest: " << (cRuns ? "C++" : "C") << " left out: " << why;
  }

  std::vector<std::vector<std::string>> optionSets;
  {
    std::size_t start = 0;
    for (;;) {
      std::size_t end = optionText.find(';', start);
      optionSets.push_back(tpxharness::SplitWords(optionText.substr(start, end - start)));
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }

  Checker checker(tools);
  const auto started = std::chrono::steady_clock::now();
  int failures = 0;
  std::uint64_t trees = 0;
  std::map<Failure, int> kinds;
  std::vector<std::uint64_t> failedSeeds;
  for (std::uint64_t seed = firstSeed;; ++seed) {
    if (seconds > 0) {
      if (std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count() >=
          seconds)
        break;
    } else if (files > 0) {
      if (trees >= files) break;
    } else if (seed > lastSeed) {
      break;
    }
    tpxgen::Params params(paramWords);
    std::string treeLang = lang;
    if (treeLang == "both") treeLang = params.Text("lang", "");
    if (treeLang == "" && (!cRuns || !cppRuns)) treeLang = cRuns ? "c" : "cpp";
    if (!treeLang.empty()) params.Set("lang", treeLang);
    tpxgen::Tree tree = tpxgen::Generate("valid", seed, params);
    ++trees;
    Outcome gccView = checker.Gcc(tree);
    for (std::size_t set = 0; set < optionSets.size(); ++set) {
      const std::vector<std::string>& options = optionSets[set];
      Outcome o =
          gccView.kind == Failure::kNone ? checker.CheckTpx32(tree, options, gccView) : gccView;
      if (o.kind == Failure::kNone) continue;
      ++failures;
      ++kinds[o.kind];
      const fs::path keep = fs::path(failuresDir) /
                            ("valid-seed" + std::to_string(seed) + "-set" + std::to_string(set));
      std::error_code ec;
      fs::remove_all(keep, ec);
      tpxgen::WriteTree(tree, keep / "input");
      SaveOutcome(keep, o);
      std::ostringstream report;
      const bool cpp = checker.Cpp(tree);
      report << "FAILURE: " << FailureName(o.kind) << "\nseed " << seed << ", "
             << (cpp ? "C++" : "C") << ", tpx32 options: " << OptionText(options) << "\n"
             << "gcc: " << CommandText(GccCommand(tools, cpp, tree.main)) << "\n"
             << o.detail;
      tpxgen::Tree shown = tree;
      if (reduce) {
        const Failure kind = o.kind;
        const std::string firstMessage =
            FirstMessage(kind == Failure::kGccRejects ? o.gcc.messages : o.tpx.messages);
        const std::string firstTokens = FirstDifferingTokens(o);
        shown = tpxharness::ReduceTree(
            tree,
            [&](const tpxgen::Tree& t) {
              Outcome r = checker.Check(t, options);
              if (r.kind != kind) return false;
              // The same message first, so that the reduction keeps to the same fault.
              if (kind == Failure::kTpxError) return FirstMessage(r.tpx.messages) == firstMessage;
              if (kind == Failure::kGccRejects) return FirstMessage(r.gcc.messages) == firstMessage;
              // The same two tokens where the outputs first differ.
              if (kind == Failure::kTokensDiffer) return FirstDifferingTokens(r) == firstTokens;
              return true;
            },
            1500);
        tpxgen::WriteTree(shown, keep / "reduced");
        Outcome r = checker.Check(shown, options);
        SaveOutcome(keep / "reduced-results", r);
        report << "after reduction: " << FailureName(r.kind) << "\n" << r.detail;
        report << "---- tpx32 output of the reduced input ----\n"
               << Printable(r.tpx.out, 4000) << "\n";
        report << "---- gcc output of the reduced input ----\n"
               << Printable(r.gcc.out, 4000) << "\n";
      }
      report << "==== " << (reduce ? "reduced " : "") << "input ====\n";
      for (const tpxgen::File& f : shown.files) {
        if (f.bytes.empty() && f.path != shown.main) continue;
        report << "---- " << f.path << " (" << f.bytes.size() << " bytes) ----\n"
               << Printable(f.bytes) << "\n";
      }
      report << "kept in " << fs::absolute(keep).string() << "\n";
      WriteBytes(keep / "report.txt", report.str());
      std::cout << report.str() << std::flush;
      failedSeeds.push_back(seed);
      break;  // the other option sets mostly meet the same fault
    }
    if (failures >= maxFailures) break;
  }
  std::error_code ec;
  fs::remove_all(tools.work, ec);
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::cout << "tpx32_difftest: seeds " << firstSeed << " to " << firstSeed + trees - 1 << " ("
            << trees << " trees), " << optionSets.size() << " option sets, " << checker.Runs()
            << " runs, " << failures << " failures, " << static_cast<long>(elapsed) << " s\n";
  for (const auto& [kind, count] : kinds) {
    std::cout << "tpx32_difftest:   " << count << " x " << FailureName(kind) << "\n";
  }
  if (!failedSeeds.empty()) {
    std::cout << "tpx32_difftest: failing seeds:";
    for (std::uint64_t s : failedSeeds) std::cout << " " << s;
    std::cout << "\n";
  }
  return failures == 0 ? 0 : 1;
}
