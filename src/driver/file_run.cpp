#include "driver/file_run.h"

#include <cstring>
#include <new>

#include "diagnostics/diagnostics.h"
#include "directives/directives.h"
#include "directives/macros.h"
#include "memory/memory.h"
#include "options/run_context.h"
#include "output/dependency_file.h"
#include "output/output_file.h"
#include "output/output_writer.h"
#include "platform/platform.h"
#include "source/ident_table.h"
#include "source/scanner.h"
#include "source/source_stack.h"

namespace tpx {

void FileRun::ResetIncludeGuards() { ctx_.source.ResetGuards(); }

void FileRun::InitFile(const char* path) {
  ctx_.scanner.SetTextPosition(0);
  ctx_.position.messageLine = 0;
  const OptionBlock& o = ctx_.options;
  ctx_.idents.Setup(o.LanguageMode <= 3 ? o.LanguageMode : 0, ctx_.frontEndCpp, o.CompatLevel != 0);
  ctx_.diag.ResetFileCounters();
  ctx_.diag.LoadWarningEnable();
  ctx_.scanner.Initialise();
  ctx_.macros.Reset();
  ctx_.directives.ResetConditionals();
  ctx_.position.fileName = path;
  if (ctx_.source.OpenSourceFile(path) == SourceStack::Opened::kNot) ctx_.diag.ReportFatal(msg::CannotOpenInput, path);
  ctx_.optionPhase = 1;
  ctx_.output.SetMainFileName(path);
  ctx_.macros.DefineCommandLineMacros();
}

void FileRun::CloseSourcesQuietly() {
  while (ctx_.source.EndOfFile(true) != 0) {
  }
}

// After a fatal error: the open sources are closed and the file is finished with errors. Should
// that fail in turn (memory for the dependency file's names running out, say), the output is
// dropped without further messages and the file's storage released all the same.
void FileRun::AbandonFile() {
  try {
    CloseSourcesQuietly();
    FinishFile(1);
  } catch (const FatalError&) {
    ReleaseAfterFailure();
  } catch (const std::bad_alloc&) {
    ReleaseAfterFailure();
  }
}

void FileRun::ReleaseAfterFailure() {
  ctx_.deps.AbandonAtInterrupt();
  ctx_.output.DiscardAtInterrupt();
  ReleaseFile();
}

void FileRun::FinishFile(std::uint32_t errorCount) {
  if (errorCount == 0) ctx_.writer.EnsureOpen();
  if (ctx_.output.IsOpen()) {
    // The dependency file (--deps) follows the output: written when it is kept, removed when
    // it is discarded. An output refused because the input file read it is never kept.
    if ((errorCount != 0 && !ctx_.options.KeepOutputOnErrors) || ctx_.output.Refused()) {
      ctx_.deps.Remove();
      ctx_.output.Discard();
    } else {
      ctx_.deps.Write();
      try {
        ctx_.output.Close();
      } catch (const FatalError&) {
        ctx_.deps.Remove();
        throw;
      }
    }
  }
  ReleaseFile();
}

void FileRun::ReleaseFile() {
  ctx_.memory.EndOfFileRelease();
  ctx_.idents.Clear();
  ctx_.scanner.SetTextPosition(0);
  ctx_.source.Reset();
  ctx_.position.messageLine = 0;
}

int FileRun::PreprocessFile(const char* path) {
  ctx_.frontEndCpp = (ctx_.options.Language & 1) != 0;
  ctx_.memory.StartOfFile();
  ctx_.savedOptions = ctx_.options;
  ResetIncludeGuards();
  if (ctx_.options.CodePage == 0) {
    if (ctx_.activeCodePage == 0) ctx_.activeCodePage = platform::ActiveCodePage();
    ctx_.options.CodePage = ctx_.activeCodePage;
  }
  ctx_.scanner.RebuildLeadBytes();
  int result;
  try {
    try {
      InitFile(path);
      ctx_.macros.DefinePredefinedMacros();
      ctx_.writer.WriteTokenStream();
      if ((ctx_.options.OutputFlags & kHeaderStatistics) && ctx_.source.Statistics() != nullptr)
        WriteStatistics();
      std::uint32_t errors = ctx_.diag.ErrorCount();
      FinishFile(errors);
      result = errors != 0 ? 2 : 0;
    } catch (const std::bad_alloc&) {
      // Memory taken from the general heap (by the standard library's containers, which a few
      // paths still use) ran out: that is "Out of memory" as for the pools.
      ctx_.diag.ReportFatal(msg::OutOfMemory, "operator new");
      throw FatalError{2};  // only after an earlier fatal error, which has ended the file already
    }
  } catch (const FatalError&) {
    AbandonFile();
    result = 2;
  }
  ctx_.optionPhase = 0;
  ctx_.options = ctx_.savedOptions;
  ctx_.position.fileName = nullptr;
  ctx_.position.messageLine = 0;
  return result;
}

// The -Ss trailer: the main file, the lines read, and the tree of included files.
void FileRun::WriteStatistics() {
  OutputWriter& writer = ctx_.writer;
  HeaderStatEntry* first = ctx_.source.Statistics();
  char line[64];
  writer.PutOutputText("\n\n/*\nFile: ");
  writer.PutOutputText(first->name);
  writer.PutOutputText("  Total lines compiled: ");
  std::snprintf(line, sizeof line, "%d",
                static_cast<int>(static_cast<std::uint32_t>(ctx_.source.TotalLines())));
  writer.PutOutputText(line);
  writer.PutOutputText("\n");
  HeaderStatNode* list = first->included;
  first->included = nullptr;
  WriteStatisticsTree(list, 0);
  writer.PutOutputText("\n*/\n");
}

void FileRun::WriteStatisticsTree(HeaderStatNode* list, int depth) {
  OutputWriter& writer = ctx_.writer;
  for (HeaderStatNode* node = list; node != nullptr; node = node->next) {
    HeaderStatEntry* e = node->entry;
    for (int i = 0; i < 2 * (depth + 1); ++i) writer.PutOutputChar(' ');
    char numbers[64];
    writer.PutOutputText(e->name);
    std::snprintf(numbers, sizeof numbers, ": included:%d, lines:%d\\%d\n",
                  static_cast<int>(e->timesOpened), static_cast<int>(e->lines),
                  static_cast<int>(e->totalAtClose - e->totalAtOpen));
    writer.PutOutputText(numbers);
    if (e->included != nullptr) {
      HeaderStatNode* sub = e->included;
      e->included = nullptr;
      WriteStatisticsTree(sub, depth + 1);
    }
  }
}

}  // namespace tpx
