// Runs tpx32 and tpx32_general (the same program with every speed shortcut off) on generated
// source trees and compares everything they leave behind, byte for byte.
//
// For each seed a tree is generated; for each option set, each program runs in a fresh copy
// of the tree, and the two runs must agree on the exit status, standard output, standard
// error and every file left in the folder (inputs included). A run that outlives the time
// limit is killed and counts as a failure, and so does any run that ends other than with
// status 0 or 1, or writes to standard error (a sanitizer report, say), even when both agree.
//
// On a failure the input tree and both results are kept in the failures folder, the input is
// reduced line by line (delta debugging) while the same kind of failure remains, and the seed,
// the option set, the reduced input and both results are printed. The tree's other option sets
// are then skipped, as they mostly meet the same fault.
//
// Usage: tpx32_compare --tpx32 <program> --general <program> [options]
//   --seeds A-B        seeds to run (default 1-100)
//   --seconds N        run seeds from the first one on until N seconds have passed (then the
//                      seed range only gives the first seed)
//   --mode M           generator mode: soup (default) or golden (the golden cases' large
//                      inputs, scaled up and varied by the seed)
//   --options "S;S"    option sets, separated by ';', words by blanks ("" is a set with no
//                      options); default: a list covering comments, readable output, defines,
//                      line markers off, strict mode, console output, keeping output, C++
//   --failures DIR     where failures are kept (default: random_failures)
//   --work DIR         scratch folder (default: random_work)
//   --timeout S        time limit of one run in seconds (default 20)
//   --max-failures N   stop after N failing trees (default 5)
//   --no-reduce        keep and print failures without reducing them
//   --param K=V        a parameter of the generator (repeatable), e.g. avoid-known=1
#include <algorithm>
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

namespace fs = std::filesystem;

namespace {

using tpxharness::Printable;
using tpxharness::ReadBytes;
using tpxharness::SplitWords;
using tpxharness::WriteBytes;

// What one run left behind.
struct Result {
  bool timedOut = false;
  int status = 0;  // exit status, or 128 + signal
  std::string out, err;
  std::map<std::string, std::string> files;  // every file in the folder after the run
};

class Runner {
 public:
  Runner(fs::path work, double timeoutSeconds) : work_(std::move(work)), timeout_(timeoutSeconds) {}

  Result Run(const std::string& program, const tpxgen::Tree& tree,
             const std::vector<std::string>& options, const std::string& name) {
    const fs::path dir = work_ / name;
    std::error_code ec;
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    tpxgen::WriteTree(tree, dir);
    const fs::path outPath = work_ / (name + ".stdout");
    const fs::path errPath = work_ / (name + ".stderr");
    std::vector<std::string> args = {program};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(tree.main);

    Result r;
    tpxharness::ProcessResult p = tpxharness::RunProcess(args, dir, outPath, errPath, timeout_);
    r.timedOut = p.timedOut;
    r.status = p.status;
    r.out = ReadBytes(outPath);
    r.err = ReadBytes(errPath);
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      if (entry.is_regular_file()) {
        r.files[fs::relative(entry.path(), dir).generic_string()] = ReadBytes(entry.path());
      }
    }
    return r;
  }

  const fs::path& Work() const { return work_; }

 private:
  fs::path work_;
  double timeout_;
};

// The kind of a failure; reduction keeps the kind.
enum class Failure { kNone, kHang, kAbnormal, kDiffer };

const char* FailureName(Failure f) {
  switch (f) {
    case Failure::kHang:
      return "a run did not end within the time limit";
    case Failure::kAbnormal:
      return "a run ended abnormally or wrote to standard error";
    case Failure::kDiffer:
      return "the two programs' results differ";
    default:
      return "none";
  }
}

bool Abnormal(const Result& r) { return (r.status != 0 && r.status != 1) || !r.err.empty(); }

Failure Judge(const Result& fast, const Result& general) {
  if (fast.timedOut || general.timedOut) return Failure::kHang;
  if (Abnormal(fast) || Abnormal(general)) return Failure::kAbnormal;
  if (fast.status != general.status || fast.out != general.out || fast.files != general.files) {
    return Failure::kDiffer;
  }
  return Failure::kNone;
}

// A description of where two results differ.
std::string Difference(const Result& fast, const Result& general) {
  std::ostringstream d;
  if (fast.timedOut != general.timedOut) {
    d << "time limit: tpx32 " << (fast.timedOut ? "hung" : "ended") << ", tpx32_general "
      << (general.timedOut ? "hung" : "ended") << "\n";
  }
  if (fast.status != general.status) {
    d << "exit status: tpx32 " << fast.status << ", tpx32_general " << general.status << "\n";
  }
  auto firstDiff = [](const std::string& a, const std::string& b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    return at;
  };
  if (fast.out != general.out) {
    d << "standard output differs at byte " << firstDiff(fast.out, general.out) << "\n";
  }
  std::map<std::string, int> names;
  for (const auto& [n, b] : fast.files) names[n] |= 1;
  for (const auto& [n, b] : general.files) names[n] |= 2;
  for (const auto& [n, where] : names) {
    if (where != 3) {
      d << "file " << n << " left only by " << (where == 1 ? "tpx32" : "tpx32_general") << "\n";
    } else if (fast.files.at(n) != general.files.at(n)) {
      d << "file " << n << " differs at byte " << firstDiff(fast.files.at(n), general.files.at(n))
        << " (" << fast.files.at(n).size() << " and " << general.files.at(n).size() << " bytes)\n";
    }
  }
  if (!fast.err.empty()) d << "tpx32 wrote to standard error\n";
  if (!general.err.empty()) d << "tpx32_general wrote to standard error\n";
  if (Abnormal(fast) || Abnormal(general)) {
    d << "exit statuses: tpx32 " << fast.status << ", tpx32_general " << general.status << "\n";
  }
  return d.str();
}

void SaveResult(const fs::path& dir, const Result& r) {
  for (const auto& [name, bytes] : r.files) WriteBytes(dir / "folder" / name, bytes);
  WriteBytes(dir / "stdout", r.out);
  WriteBytes(dir / "stderr", r.err);
  WriteBytes(dir / "status", r.timedOut ? "timed out\n" : std::to_string(r.status) + "\n");
}

std::string ShowResult(const char* who, const Result& r, const std::string& inputMain) {
  std::ostringstream s;
  s << "---- " << who << ": status "
    << (r.timedOut ? std::string("timed out") : std::to_string(r.status)) << " ----\n";
  s << "stdout:\n" << Printable(r.out) << "\n";
  if (!r.err.empty()) s << "stderr:\n" << Printable(r.err) << "\n";
  for (const auto& [name, bytes] : r.files) {
    (void)inputMain;
    s << "file " << name << ":\n" << Printable(bytes) << "\n";
  }
  return s.str();
}

class Harness {
 public:
  Harness(std::string fast, std::string general, Runner& runner)
      : fast_(std::move(fast)), general_(std::move(general)), runner_(runner) {}

  Failure Check(const tpxgen::Tree& tree, const std::vector<std::string>& options, Result* fast,
                Result* general) {
    *fast = runner_.Run(fast_, tree, options, "fast");
    *general = runner_.Run(general_, tree, options, "general");
    ++runs_;
    return Judge(*fast, *general);
  }

  // Line-based delta debugging of every file of the tree in turn, keeping the failure kind.
  tpxgen::Tree Reduce(tpxgen::Tree tree, const std::vector<std::string>& options, Failure kind,
                      int budget) {
    return tpxharness::ReduceTree(
        std::move(tree),
        [&](const tpxgen::Tree& t) {
          Result a, b;
          return Check(t, options, &a, &b) == kind;
        },
        budget);
  }

  long Runs() const { return runs_; }

 private:
  std::string fast_, general_;
  Runner& runner_;
  long runs_ = 0;
};

std::string OptionText(const std::vector<std::string>& options) {
  std::string s;
  for (const std::string& o : options) s += (s.empty() ? "" : " ") + o;
  return s.empty() ? "(no options)" : s;
}

// Each alone, then combinations; "-j0 -g0" lift the limits on messages, so that a file full of
// reported errors is read to its end.
const char* kDefaultOptionSets =
    ";-C;-Sc;-Sr;-Sd;-P-;-A;-ocon;-Sk;-Pcpp;-C -Sc -Sk -j0;-Sr -C -Pcpp;-P- -Sk -Sd -j0 -g0;"
    "-i20 -Sk;-A -Pcpp -Sk -j0 -g0;-AK -Sc -Sk;-ocon -C -Sd -j0 -g0";

}  // namespace

int main(int argc, char** argv) {
  std::string fast, general, mode = "soup", failuresDir = "random_failures",
                             workDir = "random_work", optionText = kDefaultOptionSets;
  std::uint64_t firstSeed = 1, lastSeed = 100;
  double seconds = 0, timeout = 20;
  int maxFailures = 5;
  bool reduce = true;
  std::vector<std::string> paramWords;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        std::cerr << "tpx32_compare: " << a << " needs a value\n";
        std::exit(2);
      }
      return argv[++i];
    };
    if (a == "--tpx32")
      fast = value();
    else if (a == "--general")
      general = value();
    else if (a == "--mode")
      mode = value();
    else if (a == "--failures")
      failuresDir = value();
    else if (a == "--work")
      workDir = value();
    else if (a == "--options")
      optionText = value();
    else if (a == "--seconds")
      seconds = std::stod(value());
    else if (a == "--timeout")
      timeout = std::stod(value());
    else if (a == "--max-failures")
      maxFailures = std::stoi(value());
    else if (a == "--no-reduce")
      reduce = false;
    else if (a == "--param")
      paramWords.push_back(value());
    else if (a == "--seeds") {
      std::string v = value();
      std::size_t dash = v.find('-');
      firstSeed = std::stoull(v.substr(0, dash));
      lastSeed = dash == std::string::npos ? firstSeed : std::stoull(v.substr(dash + 1));
    } else {
      std::cerr << "tpx32_compare: unknown argument " << a << "\n";
      return 2;
    }
  }
  if (fast.empty() || general.empty()) {
    std::cerr << "usage: tpx32_compare --tpx32 <program> --general <program> [options]\n";
    return 2;
  }
  fast = fs::absolute(fast).string();
  general = fs::absolute(general).string();

  std::vector<std::vector<std::string>> optionSets;
  {
    std::size_t start = 0;
    for (;;) {
      std::size_t end = optionText.find(';', start);
      optionSets.push_back(SplitWords(optionText.substr(start, end - start)));
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }

  tpxharness::BlockChildSignal();
  Runner runner(fs::absolute(workDir), timeout);
  Harness harness(fast, general, runner);
  const auto started = std::chrono::steady_clock::now();
  int failures = 0;
  std::uint64_t seed = firstSeed;
  std::uint64_t seedsRun = 0;
  std::vector<std::uint64_t> failedSeeds;
  for (;; ++seed) {
    if (seconds > 0) {
      if (std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count() >=
          seconds) {
        break;
      }
    } else if (seed > lastSeed) {
      break;
    }
    tpxgen::Tree tree;
    try {
      tree = mode == "golden" ? tpxgen::GenerateScaledGolden(seed)
                              : tpxgen::Generate(mode, seed, tpxgen::Params(paramWords));
    } catch (const std::exception& e) {
      std::cerr << "tpx32_compare: " << e.what() << "\n";
      return 2;
    }
    ++seedsRun;
    for (std::size_t set = 0; set < optionSets.size(); ++set) {
      const std::vector<std::string>& options = optionSets[set];
      Result a, b;
      Failure kind = harness.Check(tree, options, &a, &b);
      if (kind == Failure::kNone) continue;
      ++failures;
      const fs::path keep =
          fs::path(failuresDir) / (mode + std::string("-seed") + std::to_string(seed) +
                                   std::string("-set") + std::to_string(set));
      std::error_code ec;
      fs::remove_all(keep, ec);
      tpxgen::WriteTree(tree, keep / "input");
      SaveResult(keep / "tpx32", a);
      SaveResult(keep / "tpx32_general", b);
      std::ostringstream report;
      report << "FAILURE: " << FailureName(kind) << "\nmode " << mode << ", seed " << seed
             << ", options: " << OptionText(options) << ", main file " << tree.main << "\n"
             << Difference(a, b);
      tpxgen::Tree shown = tree;
      if (reduce) {
        shown = harness.Reduce(tree, options, kind, 2500);
        tpxgen::WriteTree(shown, keep / "reduced");
        harness.Check(shown, options, &a, &b);
        SaveResult(keep / "reduced-tpx32", a);
        SaveResult(keep / "reduced-tpx32_general", b);
        report << "after reduction:\n" << Difference(a, b);
      }
      report << "==== " << (reduce ? "reduced " : "") << "input ====\n";
      for (const tpxgen::File& f : shown.files) {
        if (f.bytes.empty() && f.path != shown.main) continue;
        report << "---- " << f.path << " (" << f.bytes.size() << " bytes) ----\n"
               << Printable(f.bytes) << "\n";
      }
      report << ShowResult("tpx32", a, shown.main) << ShowResult("tpx32_general", b, shown.main)
             << "kept in " << fs::absolute(keep).string() << "\n";
      WriteBytes(keep / "report.txt", report.str());
      std::cout << report.str() << std::flush;
      failedSeeds.push_back(seed);
      // The other option sets of this tree mostly meet the same fault: on to the next tree.
      break;
    }
    if (failures >= maxFailures) break;
  }
  std::error_code ec;
  fs::remove_all(runner.Work(), ec);
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::cout << "tpx32_compare: mode " << mode << ", seeds " << firstSeed << " to "
            << firstSeed + seedsRun - 1 << " (" << seedsRun << " trees), " << optionSets.size()
            << " option sets, " << harness.Runs() << " run pairs, " << failures << " failures, "
            << static_cast<long>(elapsed) << " s\n";
  if (!failedSeeds.empty()) {
    std::cout << "tpx32_compare: failing seeds:";
    for (std::uint64_t s : failedSeeds) std::cout << " " << s;
    std::cout << "\n";
  }
  return failures == 0 ? 0 : 1;
}
