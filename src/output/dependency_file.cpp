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

// Where the last component of a path starts.
std::size_t LastComponent(const std::string& path) {
  std::size_t start = platform::DrivePrefixLength(path.c_str());
  for (std::size_t i = start; i < path.size(); ++i) {
    if (platform::IsDirectorySeparator(path[i])) start = i + 1;
  }
  return start;
}

}  // namespace

bool DependencyFile::Enabled() const { return ctx_.longOptions.deps != LongOptions::Deps::Off; }

std::vector<std::string> DependencyFile::Files() const {
  std::vector<std::string> files;
  for (const OpenedFile* f = ctx_.source.OpenedFiles(); f != nullptr; f = f->next)
    files.emplace_back(f->name);
  return files;
}

std::string DependencyFile::WithDependencyExtension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot < LastComponent(name)) return name + ".d";
  if (name.compare(dot, std::string::npos, ".d") == 0) return name + ".d";
  return name.substr(0, dot) + ".d";
}

// The name the output file has when neither -o nor the console is chosen: formed by the output
// file itself, with the -o name set aside for the call.
std::string DependencyFile::DefaultOutputName() const {
  OptionBlock& options = ctx_.options;
  const char* outputName = options.OutputName;
  options.OutputName = nullptr;
  char name[1024];
  const OpenedFile* main = ctx_.source.OpenedFiles();
  ctx_.output.FormName(main == nullptr ? "" : main->name, name, sizeof name);
  options.OutputName = outputName;
  return name;
}

std::string DependencyFile::Target() const {
  return ctx_.output.IsConsole() ? DefaultOutputName() : std::string(ctx_.output.Name());
}

std::string DependencyFile::Name() const {
  const LongOptions& options = ctx_.longOptions;
  if (options.deps == LongOptions::Deps::Named) return options.depsFile;
  if (ctx_.output.IsConsole()) return WithDependencyExtension(DefaultOutputName());
  const bool outputNamed =
      ctx_.options.OutputName != nullptr && ctx_.options.OutputNameFromSource == 0;
  if (outputNamed && options.severalInputs) {
    // Each input's dependency file beside the one -o file, named after the input.
    const std::string output = ctx_.output.Name();
    const OpenedFile* main = ctx_.source.OpenedFiles();
    const std::string source = main == nullptr ? std::string() : std::string(main->name);
    const std::string base = source.substr(LastComponent(source));
    return output.substr(0, LastComponent(output)) + WithDependencyExtension(base);
  }
  return WithDependencyExtension(ctx_.output.Name());
}

void DependencyFile::AppendEscaped(std::string& out, const std::string& path) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (c == ' ' || c == '\t' || c == '#') {
      // Backslashes right before such a character would escape it: each is doubled.
      for (std::size_t j = i; j > 0 && path[j - 1] == '\\'; --j) out += '\\';
      out += '\\';
      out += c;
    } else if (c == '$') {
      out += "$$";
    } else {
      out += c;
    }
  }
}

std::string DependencyFile::Text() const {
  const std::vector<std::string> files = Files();
  std::string text;
  AppendEscaped(text, Target());
  text += ':';
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (i != 0) text += " \\\n";
    text += ' ';
    AppendEscaped(text, files[i]);
  }
  text += '\n';
  // An empty rule for each header: make then treats a header that no longer exists as a
  // target that is out of date, instead of stopping for want of a rule to make it.
  for (std::size_t i = 1; i < files.size(); ++i) {
    text += '\n';
    AppendEscaped(text, files[i]);
    text += ":\n";
  }
  return text;
}

// Compared by identity, so that no other spelling of the name and no link gets round it.
bool DependencyFile::IsReadByThisRun(const std::string& name) const {
  platform::FileId id;
  return platform::IdentifyPath(name.c_str(), &id) &&
         (ctx_.source.HasOpened(id) || ctx_.optionFiles.Contains(id));
}

void DependencyFile::Write() {
  if (!Enabled()) return;
  const std::string name = Name();
  const bool overOutput =
      !ctx_.output.IsConsole() &&
      (name == ctx_.output.Name() || platform::SameFile(name.c_str(), ctx_.output.Name()));
  if (overOutput || IsReadByThisRun(name)) {
    ctx_.diag.ReportFatal(msg::CannotCreateOutput, name.c_str());
    return;  // after an earlier fatal error the report does nothing more
  }
  const std::string text = Text();
  char* stored = static_cast<char*>(ctx_.memory.arena.BlobAllocate(name.size() + 1));
  std::memcpy(stored, name.c_str(), name.size() + 1);
  if (ctx_.output.OpenReplacement(file_, stored) != FileReplacement::Opened::kYes) {
    ctx_.diag.ReportFatal(msg::CannotCreateOutput, stored);
    return;
  }
  bool deleted = true;
  bool ok = platform::WriteFile(file_.Handle(), text.data(), text.size()) ==
            static_cast<long>(text.size());
  if (ok) {
    ok = file_.Commit(&deleted);
  } else {
    deleted = file_.Abandon(true);
  }
  if (ok) return;
  // The write error first, then what is left of it; after an earlier fatal error only that.
  try {
    ctx_.diag.ReportFatal(msg::ErrorWritingOutput);
  } catch (const FatalError&) {
    if (!deleted) ctx_.diag.ReportWhileFinishing(msg::CannotDeleteOutput, file_.Target());
    throw;
  }
  if (!deleted) ctx_.diag.ReportWhileFinishing(msg::CannotDeleteOutput, file_.Target());
}

void DependencyFile::Remove() {
  if (!Enabled() || ctx_.source.OpenedFiles() == nullptr) return;
  const std::string name = Name();
  if (IsReadByThisRun(name)) return;
  // Through a link, the file it leads to; never a device, a FIFO or the link itself.
  char target[4096];
  if (!platform::FollowLinks(name.c_str(), target, sizeof target) ||
      platform::KindOfPath(target) != platform::PathKind::kRegular)
    return;
  if (!platform::DeleteFile(target))
    ctx_.diag.ReportWhileFinishing(msg::CannotDeleteOutput, name.c_str());
}

}  // namespace tpx
