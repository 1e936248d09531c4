// Fuzz target over the whole program: each input becomes a source file and an include file in a
// scratch folder, and the real driver preprocesses the source with a set of options, writing its
// output file there as a user's run would. Built with libFuzzer and the address and
// undefined-behaviour sanitizers (tests/fuzz/run.sh); a hang is caught by libFuzzer's time limit
// on each input.
//
// An input reads:
//   byte 0       the options: its low three bits pick the option set (none, -C, -Sc, -Sr,
//                -CP932; 5 to 7 wrap round), and bits 3 to 7 add -Sd, -P-, -A, -Sk and --deps
//   then         the source file, main.c, up to the first "@@inc.h@@" (or the whole rest)
//   then         the include file, inc.h, after it
//
// With -tpx32_set=<name> on the fuzzer's command line (none, C, Sc, Sr, CP932) every input is
// run with exactly that option set instead, and byte 0 is skipped: the campaigns run one option
// set each. libFuzzer warns about the flag, which it does not know, and goes on.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "platform/platform.h"

namespace {

const char* const kSets[5][2] = {
    {nullptr, nullptr}, {"-C", nullptr}, {"-Sc", nullptr}, {"-Sr", nullptr}, {"-CP932", nullptr},
};
const char* const kSetNames[5] = {"none", "C", "Sc", "Sr", "CP932"};
const char* const kExtras[5] = {"-Sd", "-P-", "-A", "-Sk", "--deps"};
const char kSeparator[] = "@@inc.h@@";

int fixedSet = -1;  // the option set given on the command line, or -1

bool WriteWhole(const char* name, const std::uint8_t* data, std::size_t size) {
  int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = write(fd, data + done, size - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  close(fd);
  return done == size;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  for (int i = 1; i < *argc; ++i) {
    const char* arg = (*argv)[i];
    if (std::strncmp(arg, "-tpx32_set=", 11) != 0) continue;
    for (int s = 0; s < 5; ++s) {
      if (std::strcmp(arg + 11, kSetNames[s]) == 0) fixedSet = s;
    }
    if (fixedSet < 0) {
      std::fprintf(stderr, "fuzz_target: unknown option set '%s'\n", arg + 11);
      std::exit(2);
    }
  }
  // A scratch folder of its own, on a memory file system where there is one.
  const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  static char folder[256];
  std::snprintf(folder, sizeof folder, "%s/tpx32-fuzz-XXXXXX", base);
  if (mkdtemp(folder) == nullptr || chdir(folder) != 0) {
    std::perror("fuzz_target: scratch folder");
    std::exit(2);
  }
  // The program's messages and console output go to standard output: they are not wanted.
  int null = open("/dev/null", O_WRONLY);
  if (null >= 0) dup2(null, 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  ++data;
  --size;
  const std::uint8_t* end = data + size;
  const std::uint8_t* split = end;
  const std::size_t separatorLength = sizeof kSeparator - 1;
  for (const std::uint8_t* p = data; p + separatorLength <= end; ++p) {
    if (std::memcmp(p, kSeparator, separatorLength) == 0) {
      split = p;
      break;
    }
  }
  const std::uint8_t* include = split == end ? end : split + separatorLength;
  if (!WriteWhole("main.c", data, static_cast<std::size_t>(split - data)) ||
      !WriteWhole("inc.h", include, static_cast<std::size_t>(end - include))) {
    return 0;
  }

  std::vector<std::string> words{"tpx32"};
  const int set = fixedSet >= 0 ? fixedSet : (options & 7) % 5;
  for (const char* word : kSets[set]) {
    if (word != nullptr) words.emplace_back(word);
  }
  if (fixedSet < 0) {
    for (int bit = 0; bit < 5; ++bit) {
      if (options & (8 << bit)) words.emplace_back(kExtras[bit]);
    }
  }
  words.emplace_back("main.c");
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  // The program keeps what it learns of directories for the whole process: forgotten here,
  // so that every input starts as a fresh process would.
  platform::ResetWindowsNames(0);
  tpx::RunSettings settings;
  settings.processHandlers = false;
  tpx::RunProgram(static_cast<int>(words.size()), argv.data(), settings);
  std::fflush(stdout);
  unlink("main.i");
  unlink("main.d");
  return 0;
}
