// One open conditional (#if, #ifdef, #ifndef ... #endif) of the current file.
#pragma once

#include <cstdint>

namespace tpx {

struct ConditionalFrame {
  ConditionalFrame* next;  // the frame below
  std::uint32_t line;      // line of the directive that opened it
  const char* guard;       // guard macro name while the group may be an include guard; "" else
  std::uint8_t kind;       // kChainGroup or kElseGroup

  // A group of the chain is being processed; #elif and #else may still follow.
  static constexpr std::uint8_t kChainGroup = 1;
  // The #else group is being processed.
  static constexpr std::uint8_t kElseGroup = 2;
};

}  // namespace tpx
