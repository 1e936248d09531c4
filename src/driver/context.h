// The per-run context: owns the state of every subsystem for one process run, so that each
// subsystem reaches the others through narrow members rather than globals.
#pragma once

#include "diagnostics/diagnostics.h"
#include "memory/memory.h"
#include "options/option_block.h"
#include "options/option_lists.h"
#include "source/position.h"

namespace tpx {

struct RunContext {
  OptionBlock options;
  OptionBlock savedOptions;  // copy taken when the current file started
  OptionLists lists;
  // 0 while no file is processed, 1 once the main source is open, 2 once its output is open.
  signed char optionPhase = 0;
  // The front end's C++ flag: the language of the current (or previous) file.
  bool frontEndCpp = false;
  // The scanner's working copy of the identifier length.
  unsigned char scannerIdentifierLength = 250;

  SourcePosition position;
  Diagnostics diag{options, position};
  Memory memory{diag};
};

}  // namespace tpx
