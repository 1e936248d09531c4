// tpx32 that reports, on standard error, how many directory listings the run read to find names
// written for Windows. Built and used by bench/windows_names.sh only.
#include <cstdio>

#include "driver/driver.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  const int status = tpx::RunProgram(argc, argv);
  std::fprintf(stderr, "directory listings: %lu\n", platform::DirectoryListingsRead());
  return status;
}
