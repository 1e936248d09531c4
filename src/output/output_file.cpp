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

// Length of the folder part of a path (up to and including its last separator).
std::size_t FolderLength(const char* path) {
  std::size_t end = platform::DrivePrefixLength(path);
  for (std::size_t i = end; path[i] != 0; ++i) {
    if (platform::IsDirectorySeparator(path[i])) end = i + 1;
  }
  return end;
}

constexpr char kTemporaryMark[] = ".tpx32-";
constexpr char kTemporaryEnd[] = ".tmp";
constexpr std::size_t kTemporaryBase = 120;

// A copy of `text` in the per-file arena.
char* CopyToArena(SaveArena& arena, const char* text) {
  std::size_t length = std::strlen(text);
  char* copy = static_cast<char*>(arena.BlobAllocate(length + 1));
  std::memcpy(copy, text, length + 1);
  return copy;
}

struct SweepState {
  const char* folder;
  std::size_t folderLength;
};

bool RemoveIfStale(void* context, const char* foundName) {
  auto* state = static_cast<SweepState*>(context);
  unsigned long id = 0;
  if (!temporary::IsTemporaryName(foundName, &id) || id == platform::ProcessId() ||
      platform::ProcessExists(id))
    return true;
  char path[4096];
  std::size_t nameLength = std::strlen(foundName);
  if (state->folderLength + nameLength + 1 > sizeof path) return true;
  std::memcpy(path, state->folder, state->folderLength);
  std::memcpy(path + state->folderLength, foundName, nameLength + 1);
  platform::DeleteFile(path);
  return true;
}

}  // namespace

std::size_t temporary::NameFor(const char* target, unsigned long processId, char* out,
                               std::size_t size) {
  if (size != 0) out[0] = 0;
  std::size_t length = 0;
  const std::size_t folder = FolderLength(target);
  Append(out, size, &length, target, folder);
  Append(out, size, &length, ".", 1);
  // Long names are cut (never inside a character of two bytes), so that the temporary's name
  // is not longer than a name may be.
  const char* base = target + folder;
  std::size_t baseLength = std::strlen(base);
  if (baseLength > kTemporaryBase) {
    baseLength = kTemporaryBase;
    while (baseLength > 0 && static_cast<unsigned char>(base[baseLength - 1]) >= 0x80) --baseLength;
  }
  Append(out, size, &length, base, baseLength);
  char number[32];
  std::snprintf(number, sizeof number, "%s%lu%s", kTemporaryMark, processId, kTemporaryEnd);
  Append(out, size, &length, number, std::strlen(number));
  return length;
}

bool temporary::IsTemporaryName(const char* path, unsigned long* id) {
  const char* name = path + FolderLength(path);
  const std::size_t length = std::strlen(name);
  const std::size_t endLength = sizeof kTemporaryEnd - 1;
  if (name[0] != '.' || length <= endLength ||
      std::strcmp(name + length - endLength, kTemporaryEnd) != 0)
    return false;
  // The digits before ".tmp", and the mark before them.
  const char* digitsEnd = name + length - endLength;
  const char* digits = digitsEnd;
  while (digits > name && *(digits - 1) >= '0' && *(digits - 1) <= '9') --digits;
  const std::size_t markLength = sizeof kTemporaryMark - 1;
  if (digits == digitsEnd || digitsEnd - digits > 10 ||
      static_cast<std::size_t>(digits - name) < markLength + 1 ||
      std::memcmp(digits - markLength, kTemporaryMark, markLength) != 0)
    return false;
  unsigned long value = 0;
  for (const char* p = digits; p < digitsEnd; ++p)
    value = value * 10 + static_cast<unsigned>(*p - '0');
  *id = value;
  return true;
}

void temporary::SweepFolderOf(const char* target, FileIdList& swept, BumpPool& pool) {
  const std::size_t folderLength = FolderLength(target);
  char pattern[4096];
  const char kPattern[] = ".*.tpx32-*.tmp";
  if (folderLength + sizeof kPattern > sizeof pattern) return;
  std::memcpy(pattern, target, folderLength);
  std::memcpy(pattern + folderLength, kPattern, sizeof kPattern);
  // The folder is known by its identity, whatever path names it.
  platform::FileId folder;
  char self[4096];
  std::memcpy(self, target, folderLength);
  std::memcpy(self + folderLength, ".", 2);
  if (!platform::IdentifyPath(self, &folder) || swept.Contains(folder)) return;
  swept.Add(pool, folder);
  SweepState state{target, folderLength};
  platform::FindFiles(pattern, RemoveIfStale, &state);
}

FileReplacement::Opened FileReplacement::Open(const char* name, SaveArena& arena, FileIdList& swept,
                                              BumpPool& pool) {
  way_ = Way::kClosed;
  handle_ = -1;
  hadOld_ = false;
  writtenIdKnown_ = false;
  char followed[4096];
  target_ =
      platform::FollowLinks(name, followed, sizeof followed) ? CopyToArena(arena, followed) : name;
  switch (platform::KindOfPath(target_)) {
    case platform::PathKind::kOther: {
      // A device or a FIFO: written as it is. (A folder cannot be opened for writing.)
      int handle = platform::CreateForWriting(target_);
      if (handle < 0) return platform::LastOpenFailedForHandles() ? Opened::kNoHandle : Opened::kNo;
      handle_ = handle;
      way_ = Way::kDevice;
      return Opened::kYes;
    }
    case platform::PathKind::kRegular:
      hadOld_ = platform::IdentifyPath(target_, &oldId_);
      break;
    case platform::PathKind::kNone:
      break;
  }
  temporary::SweepFolderOf(target_, swept, pool);
  std::size_t length = temporary::NameFor(target_, platform::ProcessId(), nullptr, 0);
  char* temporaryName = static_cast<char*>(arena.BlobAllocate(length + 1));
  temporary::NameFor(target_, platform::ProcessId(), temporaryName, length + 1);
  // Known before the file exists, so that an interrupt at any moment removes it.
  temporary_ = temporaryName;
  way_ = Way::kTemporary;
  int handle = platform::CreateNewForWriting(temporary_);
  if (handle < 0 && !platform::LastOpenFailedForHandles() &&
      platform::KindOfPath(temporary_) == platform::PathKind::kRegular) {
    // Left by an earlier process with this process's id, which is gone: it is not wanted.
    platform::DeleteFile(temporary_);
    handle = platform::CreateNewForWriting(temporary_);
  }
  if (handle >= 0) {
    if (hadOld_) platform::TakePermissions(handle, target_);
    handle_ = handle;
    writtenIdKnown_ = platform::IdentifyHandle(handle, &writtenId_);
    return Opened::kYes;
  }
  way_ = Way::kClosed;
  if (platform::LastOpenFailedForHandles()) return Opened::kNoHandle;
  // No temporary can be made beside the file (a folder that cannot be written): the file is
  // written in place, emptied now.
  handle = platform::CreateForWriting(target_);
  if (handle < 0) return platform::LastOpenFailedForHandles() ? Opened::kNoHandle : Opened::kNo;
  handle_ = handle;
  writtenIdKnown_ = platform::IdentifyHandle(handle, &writtenId_);
  way_ = Way::kInPlace;
  return Opened::kYes;
}

bool FileReplacement::OldId(platform::FileId* id) const {
  if (!hadOld_) return false;
  *id = oldId_;
  return true;
}

bool FileReplacement::WrittenId(platform::FileId* id) const {
  if (!writtenIdKnown_) return false;
  *id = writtenId_;
  return true;
}

bool FileReplacement::Commit(bool* deleted) {
  *deleted = true;
  if (way_ == Way::kClosed) return true;
  const Way way = way_;
  bool ok = platform::CloseFile(handle_);
  handle_ = -1;
  if (ok && way == Way::kTemporary) ok = platform::ReplaceFile(temporary_, target_);
  if (ok) {
    way_ = Way::kClosed;
    return true;
  }
  // The handle is closed already; what remains is to remove what was written.
  *deleted = Abandon(true);
  return false;
}

// Deletes the file written in place, if it is still the one written; when that fails it is
// emptied, so that what is left cannot pass for a complete file.
bool FileReplacement::RemoveWritten() {
  platform::FileId now;
  if (!platform::IdentifyPath(target_, &now) || !writtenIdKnown_ || !(now == writtenId_))
    return true;
  if (platform::DeleteFile(target_)) return true;
  int handle = platform::CreateForWriting(target_);
  if (handle >= 0) platform::CloseFile(handle);
  return false;
}

bool FileReplacement::Finish(bool written, Diagnostics& diag) {
  bool deleted = true;
  if (written) {
    if (Commit(&deleted)) return true;
  } else {
    deleted = Abandon(true);
  }
  // The write error first, then what is left of it; after an earlier fatal error only that.
  try {
    diag.ReportFatal(msg::ErrorWritingOutput);
  } catch (const FatalError&) {
    if (!deleted) diag.ReportWhileFinishing(msg::CannotDeleteOutput, Target());
    throw;
  }
  if (!deleted) diag.ReportWhileFinishing(msg::CannotDeleteOutput, Target());
  return false;
}

bool FileReplacement::Abandon(bool removeOld) {
  const Way way = way_;
  way_ = Way::kClosed;
  if (handle_ >= 0) {
    if (way == Way::kInPlace) platform::EmptyFile(handle_);
    platform::CloseFile(handle_);
    handle_ = -1;
  }
  bool ok = true;
  switch (way) {
    case Way::kClosed:
    case Way::kDevice:
      return true;
    case Way::kInPlace:
      return RemoveWritten();
    case Way::kTemporary:
      platform::DeleteFile(temporary_);
      break;
  }
  if (removeOld && hadOld_) {
    // Only the file that was there, and only while it is: another run may have put its own
    // complete output there since.
    platform::FileId now;
    if (platform::IdentifyPath(target_, &now) && now == oldId_ &&
        platform::KindOfPath(target_) == platform::PathKind::kRegular)
      ok = platform::DeleteFile(target_);
  }
  return ok;
}

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
  refused_ = false;
  // The name lives in the per-file arena: the run deletes the file by it until the file ends.
  std::size_t length = FormName(mainFile_, nullptr, 0);
  char* name = static_cast<char*>(ctx_.memory.arena.BlobAllocate(length + 1));
  FormName(mainFile_, name, length + 1);
  name_ = name;
  ResetState();
  if (IsConsoleName(name_)) {
    SetConsole(true);
    consoleFailed_ = false;
    handle_ = kConsoleOutput;
  } else {
    // A file this run reads is never its output: compared by identity, so that no other
    // spelling of the name and no link gets round it.
    platform::FileId existing;
    if (platform::IdentifyPath(name_, &existing) &&
        (ctx_.source.HasOpened(existing) || ctx_.optionFiles.Contains(existing))) {
      refused_ = true;
      ctx_.diag.ReportFatal(msg::CannotCreateOutput, name_);
      return;  // after an earlier fatal error the report does nothing more
    }
    if (OpenReplacement(file_, name_) != FileReplacement::Opened::kYes) {
      ctx_.diag.ReportFatal(msg::CannotCreateOutput, name_);
      return;
    }
    handle_ = file_.Handle();
    SetConsole(false);
    // From now on the input file may read neither the old output nor the one being written.
    platform::FileId id;
    if (file_.OldId(&id)) ctx_.source.ForbidReading(id, name_);
    if (file_.WrittenId(&id)) ctx_.source.ForbidReading(id, name_);
  }
  // A fresh line state for the writer and, with -Sd, the macros known at this moment.
  ctx_.writer.OnOpened();
  if (ctx_.options.DefinesInOutput) ctx_.macros.WriteDefineList();
}

FileReplacement::Opened OutputFile::OpenReplacement(FileReplacement& file, const char* name) {
  FileReplacement::Opened opened;
  // Out of handles: the source input gives up the handle of a suspended include file, as long
  // as it has one.
  while ((opened = file.Open(name, ctx_.memory.arena, swept_, ctx_.memory.bump)) ==
             FileReplacement::Opened::kNoHandle &&
         ctx_.source.ReleaseOneHandle()) {
  }
  return opened;
}

bool OutputFile::Refused() const {
  return refused_ || (name_ != nullptr && ctx_.source.RefusedName() == name_);
}

bool OutputFile::HasWritten(const platform::FileId& id) const { return written_.Contains(id); }

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
    if (!consoleFailed_ && std::fputc(static_cast<unsigned char>(c), stdout) == EOF)
      ConsoleFailed();
    return;
  }
  if (handle_ == kClosed) return;
  if (fill_ == kBufferSize) FlushFull();
  buffer_[fill_++] = c;
  if (fill_ == kBufferSize) FlushFull();
}

void OutputFile::WriteSlow(const char* text, std::size_t length) {
  if (console_) {
    if (!consoleFailed_ && std::fwrite(text, 1, length, stdout) != length) ConsoleFailed();
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

// Standard output could not be written. When its reader has gone (a pipe to a program that
// ended), the run ends quietly, as other tools end then; otherwise it is the fatal "Error
// writing output file", reported on standard error, where messages go from now on.
void OutputFile::ConsoleFailed() {
  platform::NoteWriteFailure();
  consoleFailed_ = true;
  ctx_.diag.LeaveStandardOutput();
  if (platform::LastWriteBrokenPipe()) {
    brokenPipe_ = true;
    ctx_.diag.AbandonQuietly();
  }
  ctx_.diag.ReportFatal(msg::ErrorWritingOutput);
  throw FatalError{2};  // only after an earlier fatal error, which has ended the file already
}

// Console output has nothing to delete: it is flushed and the state reset. A failure to write
// it is reported when `report` is set.
bool OutputFile::EndConsole(bool report) {
  if (!console_) return false;
  const bool failed = !consoleFailed_ && (std::fflush(stdout) != 0 || std::ferror(stdout) != 0);
  SetConsole(false);
  handle_ = kClosed;
  if (failed) {
    if (report) ConsoleFailed();
    platform::NoteWriteFailure();
    if (platform::LastWriteBrokenPipe()) brokenPipe_ = true;
  }
  return true;
}

void OutputFile::Close() {
  if (handle_ == kClosed || EndConsole(true)) return;
  std::size_t n = fill_;
  fill_ = 0;
  bool ok = platform::WriteFile(handle_, buffer_, n) == static_cast<long>(n);
  handle_ = kClosed;
  if (file_.Finish(ok, ctx_.diag)) {
    platform::FileId id;
    if (platform::IdentifyPath(file_.Target(), &id)) written_.Add(ctx_.memory.bump, id);
  }
}

void OutputFile::Discard() {
  if (handle_ == kClosed || EndConsole(false)) return;
  fill_ = 0;
  handle_ = kClosed;
  if (!file_.Abandon(!Refused()))
    ctx_.diag.ReportWhileFinishing(msg::CannotDeleteOutput, file_.Target());
}

// The file is dropped whatever state it is in, also while it is being opened: the temporary's
// name is known before the file is made.
void OutputFile::DiscardAtInterrupt() {
  const bool console = console_;
  SetConsole(false);
  handle_ = kClosed;
  if (!console) file_.Abandon(!Refused());
}

}  // namespace tpx
