// Memory: the pools every other subsystem takes its storage from, released in bulk at the end
// of each file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tpx {

class Diagnostics;

// Long-lived pool: option texts, lists and other data that live for the whole process.
// A request is served from the current chunk when it fits exactly (no rounding or alignment);
// otherwise a new chunk of max(n, 1024) bytes is taken and the rest of the old one abandoned.
class BumpPool {
 public:
  explicit BumpPool(Diagnostics& diag) : diag_(diag) {}
  void Start();
  void* Allocate(std::size_t n);
  // A zero-terminated copy of `length` bytes of `text`.
  char* CopyText(const char* text, std::size_t length);
  char* CopyText(const char* text);

  // For tests: the bounds of the current chunk.
  const char* Current() const { return current_; }
  const char* Limit() const { return limit_; }

 private:
  Diagnostics& diag_;
  char* current_ = nullptr;
  char* limit_ = nullptr;
};

// All pools of one run.
class Memory {
 public:
  explicit Memory(Diagnostics& diag) : bump(diag), diag_(diag) {}
  // Called once before any option is read, and once before the process ends.
  void Startup();
  void Shutdown();

  BumpPool bump;

 private:
  Diagnostics& diag_;
};

}  // namespace tpx
