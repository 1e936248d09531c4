// The current position that diagnostics and line markers read: the current file name and the
// line that messages report. The source file stack keeps it up to date.
#pragma once

#include <cstdint>

namespace tpx {

struct SourcePosition {
  const char* fileName = nullptr;  // none before a file is open
  std::int32_t messageLine = 0;    // 0 means none
};

}  // namespace tpx
