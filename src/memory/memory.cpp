#include "memory/memory.h"

#include <cstring>

#include "diagnostics/diagnostics.h"
#include "platform/platform.h"

namespace tpx {

namespace {
constexpr std::size_t kBumpChunk = 1024;
}

void BumpPool::Start() {
  current_ = static_cast<char*>(platform::AllocateRegion(kBumpChunk));
  if (current_ == nullptr) diag_.ReportFatal(msg::OutOfMemory, "low_level_get");
  limit_ = current_ + kBumpChunk;
}

void* BumpPool::Allocate(std::size_t n) {
  if (current_ == nullptr || static_cast<std::size_t>(limit_ - current_) < n) {
    std::size_t size = n > kBumpChunk ? n : kBumpChunk;
    char* chunk = static_cast<char*>(platform::AllocateRegion(size));
    if (chunk == nullptr) diag_.ReportFatal(msg::OutOfMemory, "low_level_get");
    current_ = chunk;
    limit_ = chunk + size;
  }
  void* result = current_;
  current_ += n;
  return result;
}

char* BumpPool::CopyText(const char* text, std::size_t length) {
  char* copy = static_cast<char*>(Allocate(length + 1));
  std::memcpy(copy, text, length);
  copy[length] = 0;
  return copy;
}

char* BumpPool::CopyText(const char* text) { return CopyText(text, std::strlen(text)); }

void Memory::Startup() { bump.Start(); }

void Memory::Shutdown() {}

}  // namespace tpx
