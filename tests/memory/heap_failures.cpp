// Every allocation from the general heap that a run makes (the standard library's containers on a
// few paths: dependency files, wide constants of a double-byte code page, names read as on
// Windows, wild cards) is made to fail in turn, once and for good, and the run must end in order
// each time: status 0, or status 1 with "Out of memory" reported; no exception may leave the
// program and no temporary file may be left. The program's own operator new counts the
// allocations and throws std::bad_alloc at the chosen one.
//
// Usage: heap_failures <scratch folder>   (exit status 0 when every run ended in order)
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "platform/platform.h"

namespace {

// Allocations left before one fails (-1: none fails); whether the failures go on after it.
long countdown = -1;
bool failForGood = false;
bool failing = false;
long allocations = 0;

void* Allocate(std::size_t size) {
  ++allocations;
  if (failing) throw std::bad_alloc();
  if (countdown == 0) {
    countdown = -1;
    failing = failForGood;
    throw std::bad_alloc();
  }
  if (countdown > 0) --countdown;
  void* p = std::malloc(size != 0 ? size : 1);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the program on the scratch folder's sources with standard output in `log`; returns its
// status, or -1 when an exception left it.
int RunOnce(const std::string& log, long failAt, bool forGood) {
  std::fflush(stdout);
  int saved = dup(1);
  int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  dup2(fd, 1);
  close(fd);
  char program[] = "tpx32";
  char quiet[] = "--quiet";
  char deps[] = "--deps";
  char codePage[] = "-CP932";
  char pattern[] = "*.c";
  char* argv[] = {program, quiet, deps, codePage, pattern, nullptr};
  tpx::RunSettings settings;
  settings.processHandlers = false;
  int status;
  // Directory listings are kept for the whole process: forgotten, so that every run reads them.
  platform::ResetWindowsNames(0);
  allocations = 0;
  countdown = failAt;
  failForGood = forGood;
  failing = false;
  try {
    status = tpx::RunProgram(5, argv, settings);
  } catch (...) {
    status = -1;
  }
  countdown = -1;
  failing = false;
  std::fflush(stdout);
  dup2(saved, 1);
  close(saved);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: heap_failures <scratch folder>\n");
    return 2;
  }
  const fs::path work = fs::absolute(argv[1]);
  fs::remove_all(work);
  fs::create_directories(work / "src");
  fs::current_path(work / "src");
  // Two sources, one of them with a wide constant and an include written in another case.
  std::ofstream("a.c", std::ios::binary)
      << "#include \"H.H\"\nint a[] = { L'\x82\xa0', sizeof L\"\x82\xa0x\" };\n";
  std::ofstream("b.c", std::ios::binary) << "#include \"h.h\"\nint b = H;\n";
  std::ofstream("h.h", std::ios::binary) << "#define H 1\n";
  const std::string log = (work / "log").string();

  if (RunOnce(log, -1, false) != 0) {
    std::fprintf(stderr, "heap_failures: the run without failures failed:\n%s", Read(log).c_str());
    return 1;
  }
  const long total = allocations;
  const std::string expected = Read("a.i") + Read("b.i") + Read("a.d") + Read("b.d");
  if (total == 0) {
    std::fprintf(stderr, "heap_failures: the run made no allocation to fail\n");
    return 1;
  }
  int faults = 0;
  for (int forGood = 0; forGood <= 1; ++forGood) {
    for (long at = 0; at < total; ++at) {
      for (const char* name : {"a.i", "b.i", "a.d", "b.d"}) fs::remove(name);
      const int status = RunOnce(log, at, forGood != 0);
      const std::string said = Read(log);
      std::string problem;
      if (status == -1) {
        problem = "an exception left the program";
      } else if (status == 1 && said.find("Out of memory") == std::string::npos) {
        problem = "status 1 without \"Out of memory\"";
      } else if (status == 0 && Read("a.i") + Read("b.i") + Read("a.d") + Read("b.d") != expected) {
        problem = "status 0 with other output";
      } else if (status != 0 && status != 1) {
        problem = "status " + std::to_string(status);
      }
      for (const auto& entry : fs::directory_iterator(".")) {
        const std::string name = entry.path().filename().string();
        if (name.find(".tpx32-") != std::string::npos) problem += "; left " + name;
      }
      if (!problem.empty()) {
        std::fprintf(stderr, "heap_failures: allocation %ld of %ld failing%s: %s\n%s", at + 1,
                     total, forGood ? " for good" : "", problem.c_str(), said.c_str());
        ++faults;
      }
    }
  }
  std::printf("heap_failures: %ld allocations, each failed once and for good: %s\n", total,
              faults == 0 ? "every run ended in order" : "faults found");
  fs::current_path(work);
  return faults == 0 ? 0 : 1;
}
