// The program driver: banner and usage, option processing, the walk over input names and the
// per-file run with its recovery from fatal errors.
#pragma once

namespace tpx {

// How a run is carried out, apart from its options. Not reachable from the command line: the
// tests use it to run the same inputs through the general paths.
struct RunSettings {
  // The speed shortcuts beside the scanner's, the writer's and macro expansion's general
  // paths. Off, every input takes the general path; the output must be the same bytes.
  bool shortcuts = true;
  // Whether the interrupt, termination and fault handlers of the process are installed. A
  // harness that runs the program many times in one process (the fuzz target) keeps its own.
  bool processHandlers = true;
};

// Runs the whole program and returns the exit status.
int RunProgram(int argc, char** argv, const RunSettings& settings = {});

}  // namespace tpx
