// The program driver: banner and usage, option processing, the walk over input names and the
// per-file run with its recovery from fatal errors.
#pragma once

namespace tpx {

// Runs the whole program and returns the exit status.
int RunProgram(int argc, char** argv);

}  // namespace tpx
