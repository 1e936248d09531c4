// The per-run context: owns the state of every subsystem for one process run, so that each
// subsystem reaches the others through narrow members rather than globals.
#pragma once

#include <ctime>

#include "diagnostics/diagnostics.h"
#include "directives/directives.h"
#include "directives/macros.h"
#include "driver/long_options.h"
#include "memory/memory.h"
#include "options/option_block.h"
#include "options/option_lists.h"
#include "output/dependency_file.h"
#include "output/output_file.h"
#include "output/output_writer.h"
#include "source/ident_table.h"
#include "source/position.h"
#include "source/scanner.h"
#include "source/source_stack.h"

namespace tpx {

struct RunContext {
  RunContext();
  RunContext(const RunContext&) = delete;
  RunContext& operator=(const RunContext&) = delete;

  OptionBlock options;
  OptionBlock savedOptions;  // copy taken when the current file started
  OptionLists lists;
  // 0 while no file is processed, 1 once the main source is open, 2 once its output is open.
  signed char optionPhase = 0;
  // The front end's C++ flag: the language of the current (or previous) file.
  bool frontEndCpp = false;
  // The scanner's working copy of the identifier length.
  unsigned char scannerIdentifierLength = 250;
  // Date and time read once per file, for the date and time macros.
  std::time_t fileStartTime = 0;
  // The system's active code page, read once (0 until the first file needs it).
  unsigned activeCodePage = 0;
  // Whether the speed shortcuts are taken (see RunSettings). Set before the first file.
  bool shortcuts = true;
  void SetShortcuts(bool on);
  // tpx32's own "--" options.
  LongOptions longOptions;

  SourcePosition position;
  Diagnostics diag{options, position};
  Memory memory{diag};
  OutputFile output{*this};
  IdentTable idents{memory.arena};
  SourceStack source{*this};
  Scanner scanner{*this};
  OutputWriter writer{*this};
  Macros macros{*this};
  Directives directives{*this};
  DependencyFile deps{*this};
};

void SourceStack::CountLine() {
  ++line_;
  ctx_.position.messageLine = static_cast<std::int32_t>(line_);
  ++totalLines_;
  ctx_.writer.StartOutputLine(ctx_.position.fileName, line_, ctx_.options.LineInfo);
}

}  // namespace tpx
