// The make-style dependency file of one input file (--deps): the output file as the target, the
// source and every file opened by #include as its prerequisites, each once in the order first
// opened, then an empty rule for each header, so that a build whose header was deleted does not
// stop at the missing file but runs the preprocessor again.
#pragma once

#include <cstddef>

#include "output/output_file.h"

namespace tpx {

struct RunContext;
class ArenaText;

class DependencyFile {
 public:
  explicit DependencyFile(RunContext& ctx) : ctx_(ctx) {}

  // Whether dependency files are asked for.
  bool Enabled() const;

  // Both are called while the output is still open (its name, or the console, is known).
  // After the output was kept: writes the dependency file, which appears under its name only
  // complete, as the output does (see FileReplacement). Fatal error 4 when it cannot be
  // created or is a file this run read (which is left as it is), 12 when it cannot be written.
  void Write();
  // After the output was discarded: removes the dependency file an earlier run left, unless
  // it is a file this run read, or not a regular file.
  void Remove();
  // For the interrupt handler: drops the dependency file being written, if one is.
  void AbandonAtInterrupt() { file_.Abandon(false); }

  // Each of these appends to `out`, which lives in the per-file arena. The name of the
  // dependency file of the current run: the --deps=FILE name; else the output name with ".d"
  // for its extension (with -o and several inputs: the input's base name in the -o file's
  // directory); with console output, the name the output file would have had.
  void Name(ArenaText& out) const;
  // The target: the output file's name, or with console output the name it would have had.
  void Target(ArenaText& out) const;
  // The whole text of the dependency file.
  void Text(ArenaText& out) const;

  // Appends a path escaped as make reads it: blanks, "#" and "$" (and backslashes before a
  // blank or "#") keep their meaning as part of the name.
  static void AppendEscaped(ArenaText& out, const char* path);
  // Appends `name` with its extension replaced by ".d" (".d" appended when it already has that
  // one or none).
  static void AppendWithDependencyExtension(ArenaText& out, const char* name, std::size_t length);

 private:
  void DefaultOutputName(ArenaText& out) const;
  bool IsReadByThisRun(const char* name) const;

  RunContext& ctx_;
  FileReplacement file_;
};

}  // namespace tpx
