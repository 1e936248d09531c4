// What the ways of replacing an output file cost the file system, without the preprocessor:
// each round writes a file of the given size over the previous one in five ways, interleaved,
// with 3,584-byte writes as tpx32 makes them, and prints the mean time of each.
//
//   write-over           open the old file, write over it, cut it to its length (tpx32 before
//                        outputs were written through a temporary)
//   temporary + rename   a new file beside it, renamed over the old one (tpx32 now)
//   exchange + delete    a new file, its name exchanged with the old one's, the old deleted
//   spare + exchange     an old file kept beside it written over, then exchanged (no file made
//                        or deleted in a round)
//   truncate             the old file emptied when opened, then written
//
// Linux only (the exchange is renameat2's). Usage: replace_cost <bytes> <rounds> <folder>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

char buffer[3584];

void Fill(int fd, long size) {
  for (long done = 0; done < size;) {
    const long n = size - done < static_cast<long>(sizeof buffer)
                       ? size - done
                       : static_cast<long>(sizeof buffer);
    if (write(fd, buffer, static_cast<std::size_t>(n)) != n) std::exit(3);
    done += n;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: replace_cost <bytes> <rounds> <folder>\n");
    return 2;
  }
  const long size = std::atol(argv[1]);
  const int rounds = std::atoi(argv[2]);
  const std::string folder = argv[3];
  for (char& c : buffer) c = 'x';
  const char* names[5] = {"write-over", "temporary + rename", "exchange + delete",
                          "spare + exchange", "truncate"};
  double total[5] = {};
  for (int round = 0; round < rounds; ++round) {
    for (int way = 0; way < 5; ++way) {
      const std::string name = folder + "/out" + std::to_string(way) + ".i";
      const std::string temporary = folder + "/.out" + std::to_string(way) + ".i.tmp";
      const auto start = std::chrono::steady_clock::now();
      int fd;
      switch (way) {
        case 0:
          fd = open(name.c_str(), O_WRONLY | O_CREAT, 0666);
          Fill(fd, size);
          if (ftruncate(fd, size) != 0) return 3;
          close(fd);
          break;
        case 1:
          fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
          Fill(fd, size);
          close(fd);
          rename(temporary.c_str(), name.c_str());
          break;
        case 2:
          fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
          Fill(fd, size);
          close(fd);
          if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, name.c_str(), RENAME_EXCHANGE) == 0)
            unlink(temporary.c_str());
          else
            rename(temporary.c_str(), name.c_str());
          break;
        case 3:
          fd = open(temporary.c_str(), O_WRONLY | O_CREAT, 0666);
          Fill(fd, size);
          if (ftruncate(fd, size) != 0) return 3;
          close(fd);
          if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, name.c_str(), RENAME_EXCHANGE) != 0)
            rename(temporary.c_str(), name.c_str());
          break;
        default:
          fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
          Fill(fd, size);
          close(fd);
          break;
      }
      total[way] +=
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count();
    }
  }
  for (int way = 0; way < 5; ++way)
    std::printf("%-20s %8.3f ms\n", names[way], total[way] / rounds);
  return 0;
}
