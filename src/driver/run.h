// The run: owns every subsystem of one process run and joins them up through the run context.
#pragma once

#include "diagnostics/diagnostics.h"
#include "directives/directives.h"
#include "directives/macros.h"
#include "memory/memory.h"
#include "options/run_context.h"
#include "output/dependency_file.h"
#include "output/output_file.h"
#include "output/output_writer.h"
#include "source/ident_table.h"
#include "source/scanner.h"
#include "source/source_stack.h"

namespace tpx {

class Run : public RunContext {
 public:
  Run();

  // Switches the speed shortcuts on or off (see RunSettings); before the first file.
  void SetShortcuts(bool on);

 private:
  Diagnostics diag_{options.ErrorLimit, options.WarningLimit, options.LanguageMode, position};
  Memory memory_{diag_};
  OutputFile output_{*this};
  IdentTable idents_{memory_.arena, memory_.blocks};
  SourceStack source_{*this};
  Scanner scanner_{*this};
  OutputWriter writer_{*this};
  Macros macros_{*this};
  Directives directives_{*this};
  DependencyFile deps_{*this};
};

}  // namespace tpx
