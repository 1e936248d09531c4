// The per-file run: everything one input file goes through, from initialising the subsystems to
// closing or discarding its output, with the recovery point for fatal errors.
#pragma once

#include <cstdint>

namespace tpx {

struct RunContext;
struct HeaderStatNode;

class FileRun {
 public:
  explicit FileRun(RunContext& ctx) : ctx_(ctx) {}

  // Returns 0 when the file was preprocessed without errors, 2 when errors were reported or a
  // fatal error ended it.
  int PreprocessFile(const char* path);

  // Empties the per-run list of include-guarded files.
  void ResetIncludeGuards();

 private:
  void InitFile(const char* path);
  void FinishFile(std::uint32_t errorCount);
  void CloseSourcesQuietly();
  void AbandonFile();
  void ReleaseAfterFailure();
  void ReleaseFile();
  void WriteStatistics();
  void WriteStatisticsTree(HeaderStatNode* list, int depth);

  RunContext& ctx_;
};

}  // namespace tpx
