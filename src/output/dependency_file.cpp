#include "output/dependency_file.h"

#include <cstring>

#include "diagnostics/diagnostics.h"
#include "memory/memory.h"
#include "options/run_context.h"
#include "output/output_file.h"
#include "platform/platform.h"
#include "source/source_stack.h"

namespace tpx {

namespace {

// Where the last component of a path of `length` bytes starts.
std::size_t LastComponent(const char* path, std::size_t length) {
  std::size_t start = platform::DrivePrefixLength(path);
  for (std::size_t i = start; i < length; ++i) {
    if (platform::IsDirectorySeparator(path[i])) start = i + 1;
  }
  return start;
}

}  // namespace

bool DependencyFile::Enabled() const { return ctx_.longOptions.deps != LongOptions::Deps::Off; }

void DependencyFile::AppendWithDependencyExtension(ArenaText& out, const char* name,
                                                   std::size_t length) {
  std::size_t dot = length;
  for (std::size_t i = LastComponent(name, length); i < length; ++i) {
    if (name[i] == '.') dot = i;
  }
  const bool keep = dot == length || (length - dot == 2 && name[dot + 1] == 'd');
  out.Append(name, keep ? length : dot);
  out.Append(".d", 2);
}

// The name the output file has when neither -o nor the console is chosen: formed by the output
// file itself, with the -o name set aside for the call.
void DependencyFile::DefaultOutputName(ArenaText& out) const {
  OptionBlock& options = ctx_.options;
  const char* outputName = options.OutputName;
  options.OutputName = nullptr;
  const OpenedFile* main = ctx_.source.OpenedFiles();
  const char* source = main == nullptr ? "" : main->name;
  const std::size_t length = ctx_.output.FormName(source, nullptr, 0);
  char* name = static_cast<char*>(ctx_.memory.arena.BlobAllocate(length + 1));
  ctx_.output.FormName(source, name, length + 1);
  options.OutputName = outputName;
  out.Append(name, length);
}

void DependencyFile::Target(ArenaText& out) const {
  if (ctx_.output.IsConsole())
    DefaultOutputName(out);
  else
    out.Append(ctx_.output.Name());
}

void DependencyFile::Name(ArenaText& out) const {
  const LongOptions& options = ctx_.longOptions;
  if (options.deps == LongOptions::Deps::Named) {
    out.Append(options.depsFile);
    return;
  }
  if (ctx_.output.IsConsole()) {
    ArenaText output(ctx_.memory.arena);
    DefaultOutputName(output);
    AppendWithDependencyExtension(out, output.Data(), output.Size());
    return;
  }
  const char* output = ctx_.output.Name();
  const std::size_t outputLength = std::strlen(output);
  const bool outputNamed =
      ctx_.options.OutputName != nullptr && ctx_.options.OutputNameFromSource == 0;
  if (outputNamed && options.severalInputs) {
    // Each input's dependency file beside the one -o file, named after the input.
    const OpenedFile* main = ctx_.source.OpenedFiles();
    const char* source = main == nullptr ? "" : main->name;
    const std::size_t sourceLength = std::strlen(source);
    const std::size_t base = LastComponent(source, sourceLength);
    out.Append(output, LastComponent(output, outputLength));
    AppendWithDependencyExtension(out, source + base, sourceLength - base);
    return;
  }
  AppendWithDependencyExtension(out, output, outputLength);
}

void DependencyFile::AppendEscaped(ArenaText& out, const char* path) {
  for (std::size_t i = 0; path[i] != 0; ++i) {
    const char c = path[i];
    if (c == ' ' || c == '\t' || c == '#') {
      // Backslashes right before such a character would escape it: each is doubled.
      for (std::size_t j = i; j > 0 && path[j - 1] == '\\'; --j) out.Append('\\');
      out.Append('\\');
      out.Append(c);
    } else if (c == '$') {
      out.Append("$$", 2);
    } else {
      out.Append(c);
    }
  }
}

void DependencyFile::Text(ArenaText& out) const {
  const OpenedFile* main = ctx_.source.OpenedFiles();
  ArenaText target(ctx_.memory.arena);
  Target(target);
  AppendEscaped(out, target.Data());
  out.Append(':');
  for (const OpenedFile* f = main; f != nullptr; f = f->next) {
    if (f != main) out.Append(" \\\n", 3);
    out.Append(' ');
    AppendEscaped(out, f->name);
  }
  out.Append('\n');
  // An empty rule for each header: make then treats a header that no longer exists as a
  // target that is out of date, instead of stopping for want of a rule to make it.
  for (const OpenedFile* f = main == nullptr ? nullptr : main->next; f != nullptr; f = f->next) {
    out.Append('\n');
    AppendEscaped(out, f->name);
    out.Append(":\n", 2);
  }
}

// Compared by identity, so that no other spelling of the name and no link gets round it.
bool DependencyFile::IsReadByThisRun(const char* name) const {
  platform::FileId id;
  return platform::IdentifyPath(name, &id) &&
         (ctx_.source.HasOpened(id) || ctx_.optionFiles.Contains(id));
}

void DependencyFile::Write() {
  if (!Enabled()) return;
  ArenaText name(ctx_.memory.arena);
  Name(name);
  const bool overOutput =
      !ctx_.output.IsConsole() && (std::strcmp(name.Data(), ctx_.output.Name()) == 0 ||
                                   platform::SameFile(name.Data(), ctx_.output.Name()));
  if (overOutput || IsReadByThisRun(name.Data())) {
    ctx_.diag.ReportFatal(msg::CannotCreateOutput, name.Data());
    return;  // after an earlier fatal error the report does nothing more
  }
  ArenaText text(ctx_.memory.arena);
  Text(text);
  if (ctx_.output.OpenReplacement(file_, name.Data()) != FileReplacement::Opened::kYes) {
    ctx_.diag.ReportFatal(msg::CannotCreateOutput, name.Data());
    return;
  }
  file_.Finish(platform::WriteFile(file_.Handle(), text.Data(), text.Size()) ==
                   static_cast<long>(text.Size()),
               ctx_.diag);
}

void DependencyFile::Remove() {
  if (!Enabled() || ctx_.source.OpenedFiles() == nullptr) return;
  ArenaText name(ctx_.memory.arena);
  Name(name);
  if (IsReadByThisRun(name.Data())) return;
  // Through a link, the file it leads to; never a device, a FIFO or the link itself.
  char target[4096];
  if (!platform::FollowLinks(name.Data(), target, sizeof target) ||
      platform::KindOfPath(target) != platform::PathKind::kRegular)
    return;
  if (!platform::DeleteFile(target))
    ctx_.diag.ReportWhileFinishing(msg::CannotDeleteOutput, name.Data());
}

}  // namespace tpx
