// The pieces the harnesses over generated inputs share (compare.cpp, difftest.cpp): files as
// bytes, printable dumps, running a program with a time limit, and the line-based reduction
// of a failing tree. POSIX only: programs are started with fork and exec.
#ifndef TPX32_TESTS_RANDOM_HARNESS_H_
#define TPX32_TESTS_RANDOM_HARNESS_H_

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tree.h"

namespace tpxharness {

namespace fs = std::filesystem;

using tpxgen::ReadBytes;

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The bytes with line ends, tabs, backslashes and other control or high bytes made visible.
inline std::string Printable(const std::string& bytes, std::size_t limit = 12000) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (out.size() > limit) {
      out += std::string("\n... (") + std::to_string(bytes.size() - i) + " more bytes)";
      break;
    }
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c == '\n') {
      out += "\\n\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 32 || c >= 127 || c == '\\') {
      char hex[8];
      std::snprintf(hex, sizeof hex, c == '\\' ? "\\\\" : "\\x%02x", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

inline std::vector<std::string> SplitWords(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

// Splits a text into lines, each with its line end (CR and LF each end a line).
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      lines.push_back(text.substr(start, i + 1 - start));
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

inline std::string Join(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += l;
  return s;
}

// Blocks SIGCHLD, so that RunProcess can wait for a child with a time limit. Call once at the
// start of main.
inline void BlockChildSignal() {
  sigset_t childSignal;
  sigemptyset(&childSignal);
  sigaddset(&childSignal, SIGCHLD);
  sigprocmask(SIG_BLOCK, &childSignal, nullptr);
}

struct ProcessResult {
  bool timedOut = false;
  int status = 0;  // exit status, or 128 + signal
};

// Runs argv[0] (looked up on PATH when it holds no '/') in `dir` with standard input from
// /dev/null and standard output and error into the given files. A run that outlives
// `timeoutSeconds` is killed with every process it started.
inline ProcessResult RunProcess(std::vector<std::string> argv, const fs::path& dir,
                                const fs::path& outPath, const fs::path& errPath,
                                double timeoutSeconds) {
  ProcessResult r;
  pid_t child = fork();
  if (child == 0) {
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    setpgid(0, 0);  // a group of its own, so that a hung run is killed with all it started
    if (chdir(dir.c_str()) != 0) _exit(126);
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int null = open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || null < 0) _exit(126);
    dup2(out, 1);
    dup2(err, 2);
    dup2(null, 0);
    close(out);
    close(err);
    close(null);
    std::vector<char*> args;
    for (std::string& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    if (argv[0].find('/') == std::string::npos) {
      execvp(args[0], args.data());
    } else {
      execv(args[0], args.data());
    }
    _exit(127);
  }
  if (child < 0) {
    std::perror("fork");
    std::exit(2);
  }
  setpgid(child, child);
  // SIGCHLD is blocked (BlockChildSignal), so sigtimedwait wakes as soon as the child ends.
  int waitStatus = 0;
  const auto start = std::chrono::steady_clock::now();
  sigset_t childSignal;
  sigemptyset(&childSignal);
  sigaddset(&childSignal, SIGCHLD);
  for (;;) {
    pid_t done = waitpid(child, &waitStatus, WNOHANG);
    if (done == child) break;
    double left = timeoutSeconds -
                  std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (left <= 0) {
      kill(-child, SIGKILL);
      waitpid(child, &waitStatus, 0);
      r.timedOut = true;
      break;
    }
    double wait = std::min(left, 0.25);
    timespec pause{static_cast<time_t>(wait),
                   static_cast<long>((wait - static_cast<long>(wait)) * 1e9)};
    sigtimedwait(&childSignal, nullptr, &pause);
  }
  r.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
  return r;
}

// Line-based delta debugging of every file of a tree in turn: removes whole files' text, then
// chunks of lines, then pairs of lines (an #if and its #endif), then the heads and tails of
// single lines, as long as `fails` holds. At most `budget` calls of `fails`.
inline tpxgen::Tree ReduceTree(tpxgen::Tree tree,
                               const std::function<bool(const tpxgen::Tree&)>& fails, int budget) {
  int tests = 0;
  auto check = [&](const tpxgen::Tree& t) {
    ++tests;
    return fails(t);
  };
  // Whole files first: an empty header often keeps the failure.
  for (tpxgen::File& f : tree.files) {
    if (f.bytes.empty() || tests >= budget) continue;
    std::string old = f.bytes;
    f.bytes.clear();
    if (!check(tree)) f.bytes = old;
  }
  for (tpxgen::File& f : tree.files) {
    std::vector<std::string> lines = Lines(f.bytes);
    std::size_t n = 2;
    while (lines.size() >= 2 && tests < budget) {
      std::size_t chunk = (lines.size() + n - 1) / n;
      bool reduced = false;
      for (std::size_t start = 0; start < lines.size() && tests < budget; start += chunk) {
        std::vector<std::string> rest(lines.begin(), lines.begin() + static_cast<long>(start));
        rest.insert(rest.end(),
                    lines.begin() + static_cast<long>(std::min(lines.size(), start + chunk)),
                    lines.end());
        f.bytes = Join(rest);
        if (check(tree)) {
          lines = rest;
          n = std::max<std::size_t>(n - 1, 2);
          reduced = true;
          break;
        }
      }
      f.bytes = Join(lines);
      if (!reduced) {
        if (n >= lines.size()) break;
        n = std::min(n * 2, lines.size());
      }
    }
    // Pairs of lines that only go together (an #if and its #endif, say), when few are left.
    if (lines.size() <= 40) {
      for (std::size_t i = 0; i < lines.size() && tests < budget; ++i) {
        for (std::size_t j = i + 1; j < lines.size() && tests < budget; ++j) {
          std::vector<std::string> rest;
          for (std::size_t k = 0; k < lines.size(); ++k) {
            if (k != i && k != j) rest.push_back(lines[k]);
          }
          f.bytes = Join(rest);
          if (check(tree)) {
            lines = rest;
            j = i;  // lines after i moved up: look at i's partners again
          }
        }
      }
      f.bytes = Join(lines);
    }
    // Single lines may still be shortened: try cutting each line's tail and head by halves.
    for (std::size_t i = 0; i < lines.size() && tests < budget; ++i) {
      for (std::size_t cut = lines[i].size() / 2; cut > 0 && tests < budget; cut /= 2) {
        for (int side = 0; side < 2 && tests < budget; ++side) {
          std::string old = lines[i];
          std::string body = old;
          std::string end;
          while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) {
            end.insert(end.begin(), body.back());
            body.pop_back();
          }
          if (cut > body.size()) continue;
          lines[i] = side == 0 ? body.substr(0, body.size() - cut) + end : body.substr(cut) + end;
          f.bytes = Join(lines);
          if (!check(tree)) lines[i] = old;
        }
      }
    }
    f.bytes = Join(lines);
  }
  return tree;
}

}  // namespace tpxharness

#endif  // TPX32_TESTS_RANDOM_HARNESS_H_
