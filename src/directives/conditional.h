// One open conditional (#if, #ifdef, #ifndef ... #endif) of the current file.
#pragma once

#include <cstdint>

namespace tpx {

struct ConditionalFrame {
  ConditionalFrame* next;  // the frame below
  std::uint32_t line;      // line of the directive that opened it
  const char* guard;       // guard macro name while the group may be an include guard; "" else
  std::uint8_t kind;       // 1: a group of the chain is processed, #elif/#else may follow;
                           // 2: the #else group is processed
};

}  // namespace tpx
