// The context of one run: the option state that every layer reads, and the subsystems of the
// run, which reach each other through it. The subsystems are only declared here: a layer
// includes the header of each subsystem it calls, so what calls what shows in the includes.
// They are owned by the run (driver/run.h), which makes them and joins them up.
#pragma once

#include <ctime>

#include "diagnostics/position.h"
#include "memory/memory.h"
#include "options/long_options.h"
#include "options/option_block.h"
#include "options/option_lists.h"
#include "options/option_memory.h"
#include "platform/platform.h"

namespace tpx {

class Diagnostics;
class Memory;
class OutputFile;
class IdentTable;
class SourceStack;
class Scanner;
class OutputWriter;
class Macros;
class Directives;
class DependencyFile;

// A list of file identities kept for the whole run, in the long-lived pool.
class FileIdList {
 public:
  void Add(BumpPool& pool, const platform::FileId& id) {
    Node* node = NewInPool<Node>(pool);
    node->next = head_;
    node->id = id;
    head_ = node;
  }
  bool Contains(const platform::FileId& id) const {
    for (const Node* n = head_; n != nullptr; n = n->next) {
      if (n->id == id) return true;
    }
    return false;
  }

 private:
  struct Node {
    Node* next;
    platform::FileId id;
  };
  Node* head_ = nullptr;
};

struct RunContext {
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
  // tpx32's own "--" options.
  LongOptions longOptions;
  // The current file name and message line, kept by the source input.
  SourcePosition position;
  // The configuration and response files the options were read from: no output of the run
  // may replace one of them.
  FileIdList optionFiles;

  Diagnostics& diag;
  Memory& memory;
  OutputFile& output;
  IdentTable& idents;
  SourceStack& source;
  Scanner& scanner;
  OutputWriter& writer;
  Macros& macros;
  Directives& directives;
  DependencyFile& deps;

 protected:
  RunContext(Diagnostics& diagnostics, Memory& pools, OutputFile& outputFile,
             IdentTable& identTable, SourceStack& sourceStack, Scanner& tokenScanner,
             OutputWriter& outputWriter, Macros& macroTable, Directives& directiveDispatch,
             DependencyFile& dependencyFile)
      : diag(diagnostics),
        memory(pools),
        output(outputFile),
        idents(identTable),
        source(sourceStack),
        scanner(tokenScanner),
        writer(outputWriter),
        macros(macroTable),
        directives(directiveDispatch),
        deps(dependencyFile) {}
  ~RunContext() = default;
};

}  // namespace tpx
