// POSIX implementation of the platform layer.
#include "platform/platform.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace platform {

// ---------------------------------------------------------------------------------------------
// Virtual memory.

std::size_t PageSize() {
  long size = sysconf(_SC_PAGESIZE);
  return size > 0 ? static_cast<std::size_t>(size) : 4096;
}

void* Reserve(std::size_t size, void* preferred) {
  void* p = mmap(preferred, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  return p == MAP_FAILED ? nullptr : p;
}

bool Commit(void* address, std::size_t size) {
  return mprotect(address, size, PROT_READ | PROT_WRITE) == 0;
}

bool Decommit(void* address, std::size_t size) {
  // Replacing the pages with fresh inaccessible ones gives the memory back and makes them read
  // as zero when committed again.
  void* p = mmap(address, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_FIXED,
                 -1, 0);
  return p != MAP_FAILED;
}

bool ReleaseReservation(void* address, std::size_t size) { return munmap(address, size) == 0; }

void* AllocateRegion(std::size_t size) {
  if (size == 0) size = 1;
  void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return p == MAP_FAILED ? nullptr : p;
}

bool FreeRegion(void* address, std::size_t size) {
  if (size == 0) size = 1;
  return munmap(address, size) == 0;
}

// ---------------------------------------------------------------------------------------------
// Files.

namespace {
bool lastOpenOutOfHandles = false;

int NoteOpen(int fd) {
  lastOpenOutOfHandles = fd < 0 && (errno == EMFILE || errno == ENFILE);
  return fd;
}
}  // namespace

int OpenForReading(const char* path) {
  int fd = NoteOpen(open(path, O_RDONLY | O_CLOEXEC));
  if (fd >= 0) {
    struct stat st;
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
      close(fd);
      lastOpenOutOfHandles = false;
      return -1;
    }
  }
  return fd;
}

int CreateForWriting(const char* path) {
  return NoteOpen(open(path, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

long ReadFile(int handle, void* buffer, std::size_t size) {
  char* p = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = read(handle, p + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return done > 0 ? static_cast<long>(done) : -1;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<long>(done);
}

long WriteFile(int handle, const void* buffer, std::size_t size) {
  const char* p = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = write(handle, p + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return done > 0 ? static_cast<long>(done) : -1;
    }
    done += static_cast<std::size_t>(n);
  }
  return static_cast<long>(done);
}

bool CloseFile(int handle) { return close(handle) == 0; }

bool DeleteFile(const char* path) { return unlink(path) == 0; }

long FileSize(int handle) {
  struct stat st;
  if (fstat(handle, &st) != 0) return -1;
  return static_cast<long>(st.st_size);
}

bool LastOpenFailedForHandles() { return lastOpenOutOfHandles; }

// ---------------------------------------------------------------------------------------------
// Paths.

const char kPathSeparator = '/';

bool IsDirectorySeparator(char c) { return c == '/'; }

std::size_t DrivePrefixLength(const char*) { return 0; }

bool FileNamesIgnoreCase() { return false; }

void PrepareStandardOutput() {}

}  // namespace platform
