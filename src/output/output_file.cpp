#include "output/output_file.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "diagnostics/diagnostics.h"
#include "directives/macros.h"
#include "memory/memory.h"
#include "options/run_context.h"
#include "output/output_writer.h"
#include "platform/platform.h"
#include "source/source_stack.h"

namespace tpx {

namespace {

bool EqualsIgnoringCase(const char* a, const char* b) {
  for (; *a != 0 && *b != 0; ++a, ++b) {
    if (std::tolower(static_cast<unsigned char>(*a)) !=
        std::tolower(static_cast<unsigned char>(*b)))
      return false;
  }
  return *a == 0 && *b == 0;
}

// Appends `text` to the name being formed in `out` (capacity `size`, zero-terminated while it
// fits) and counts it in `*length` whether it fits or not.
void Append(char* out, std::size_t size, std::size_t* length, const char* text, std::size_t n) {
  if (*length + n + 1 <= size) {
    std::memcpy(out + *length, text, n);
    out[*length + n] = 0;
  }
  *length += n;
}

}  // namespace

bool IsConsoleName(const char* name) {
  return EqualsIgnoringCase(name, "con.") || EqualsIgnoringCase(name, "con.i") ||
         EqualsIgnoringCase(name, "conout$.") || EqualsIgnoringCase(name, "conout$.i");
}

void OutputFile::SetMainFileName(const char* path) { mainFile_ = path; }

std::size_t OutputFile::FormName(const char* mainFile, char* out, std::size_t size) const {
  if (size != 0) out[0] = 0;
  std::size_t length = 0;
  const OptionBlock& options = ctx_.options;
  if (options.OutputName == nullptr || options.OutputNameFromSource) {
    // The base name: no drive, directory or extension.
    const char* base = mainFile + platform::DrivePrefixLength(mainFile);
    for (const char* p = base; *p != 0; ++p) {
      if (platform::IsDirectorySeparator(*p)) base = p + 1;
    }
    // Where names written for Windows are read, "\" ends a directory as well.
    if (platform::ResolvesWindowsNames()) {
      const char* windowsBase = mainFile + platform::WindowsDirectoryLength(mainFile);
      if (windowsBase > base) base = windowsBase;
    }
    const char* dot = std::strrchr(base, '.');
    std::size_t baseLength =
        dot != nullptr ? static_cast<std::size_t>(dot - base) : std::strlen(base);

    const char* dir = options.OutputDirectory != nullptr ? options.OutputDirectory : "";
    std::size_t dirLength = std::strlen(dir);
    Append(out, size, &length, dir, dirLength);
    if (platform::FileNamesIgnoreCase() && dirLength < size) {
      // Where names are compared without regard to case the directory is written in upper case.
      for (std::size_t i = 0; i < dirLength; ++i)
        out[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[i])));
    }
    if (dirLength != 0) {
      char last = dir[dirLength - 1];
      if (last != '\\' && last != '/' && last != ':')
        Append(out, size, &length, &platform::kPathSeparator, 1);
    }
    Append(out, size, &length, base, baseLength);
    Append(out, size, &length, ".i", 2);
  } else {
    Append(out, size, &length, options.OutputName, std::strlen(options.OutputName));
  }
  return length;
}

void OutputFile::ResetState() { fill_ = 0; }

void OutputFile::Open() {
  if (ctx_.optionPhase >= 2) return;
  ctx_.optionPhase = 2;
  // The name lives in the per-file arena: the run deletes the file by it until the file ends.
  std::size_t length = FormName(mainFile_, nullptr, 0);
  char* name = static_cast<char*>(ctx_.memory.arena.BlobAllocate(length + 1));
  FormName(mainFile_, name, length + 1);
  name_ = name;
  ResetState();
  if (IsConsoleName(name_)) {
    SetConsole(true);
    handle_ = kConsoleOutput;
  } else {
    int handle = platform::CreateForWriting(name_);
    // Out of handles: the source input gives up the handle of a suspended include file, as
    // long as it has one.
    while (handle < 0 && platform::LastOpenFailedForHandles() && ctx_.source.ReleaseOneHandle())
      handle = platform::CreateForWriting(name_);
    if (handle < 0) ctx_.diag.ReportFatal(msg::CannotCreateOutput, name_);
    handle_ = handle;
    SetConsole(false);
  }
  // A fresh line state for the writer and, with -Sd, the macros known at this moment.
  ctx_.writer.OnOpened();
  if (ctx_.options.DefinesInOutput) ctx_.macros.WriteDefineList();
}

void OutputFile::WritePatchedSlow(const char* text, std::size_t length, std::size_t at, char byte) {
  Write(text, at);
  Write(&byte, 1);
  Write(text + at + 1, length - at - 1);
}

void OutputFile::FlushFull() {
  std::size_t n = fill_;
  fill_ = 0;
  if (platform::WriteFile(handle_, buffer_, n) != static_cast<long>(n))
    ctx_.diag.ReportFatal(msg::ErrorWritingOutput);
}

void OutputFile::PutSlow(char c) {
  if (console_) {
    std::fputc(static_cast<unsigned char>(c), stdout);
    return;
  }
  if (handle_ == kClosed) return;
  if (fill_ == kBufferSize) FlushFull();
  buffer_[fill_++] = c;
  if (fill_ == kBufferSize) FlushFull();
}

void OutputFile::WriteSlow(const char* text, std::size_t length) {
  if (console_) {
    std::fwrite(text, 1, length, stdout);
    return;
  }
  if (handle_ == kClosed) return;
  while (length != 0) {
    std::size_t room = kBufferSize - fill_;
    std::size_t n = length < room ? length : room;
    std::memcpy(buffer_ + fill_, text, n);
    fill_ += n;
    text += n;
    length -= n;
    if (fill_ == kBufferSize) FlushFull();
  }
}

void OutputFile::Write(const char* text) { Write(text, std::strlen(text)); }

// Console output has nothing to write or delete: only the state is reset.
bool OutputFile::EndConsole() {
  if (!console_) return false;
  std::fflush(stdout);
  SetConsole(false);
  handle_ = kClosed;
  return true;
}

void OutputFile::Close() {
  if (handle_ == kClosed || EndConsole()) return;
  std::size_t n = fill_;
  fill_ = 0;
  bool ok = platform::WriteFile(handle_, buffer_, n) == static_cast<long>(n);
  // A close that fails (or the cut of an older, longer file behind it) can lose data: it counts
  // as a failed write.
  ok = platform::CloseFile(handle_) && ok;
  handle_ = kClosed;
  if (!ok) {
    platform::DeleteFile(name_);
    ctx_.diag.ReportFatal(msg::ErrorWritingOutput);
  }
}

void OutputFile::Discard() {
  if (handle_ == kClosed || EndConsole()) return;
  fill_ = 0;
  platform::CloseFile(handle_);
  handle_ = kClosed;
  platform::DeleteFile(name_);
}

}  // namespace tpx
