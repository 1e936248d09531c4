#include "source/source_stack.h"

#include <cstddef>
#include <cstring>

#include "diagnostics/diagnostics.h"
#include "directives/directives.h"
#include "directives/macros.h"
#include "memory/memory.h"
#include "options/run_context.h"
#include "platform/platform.h"
#include "source/count_line.h"
#include "source/ident_table.h"
#include "source/markers.h"

namespace tpx {

namespace {

// What a file reads after its last byte: a line feed, then the end-of-input byte.
const unsigned char kEndOfData[2] = {'\n', mark::kEndOfInput};

std::uint32_t GuardHash(const char* name) {
  std::uint32_t hash = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p != 0; ++p)
    hash += static_cast<std::uint32_t>((*p & ~0x20u)) - 1u;
  return hash;
}

bool EqualIgnoringCase(const char* a, const char* b) {
  for (; *a != 0 && *b != 0; ++a, ++b) {
    unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
    if (x != y) return false;
  }
  return *a == 0 && *b == 0;
}

}  // namespace

void SourceStack::Reset() {
  top_ = nullptr;
  currentFile_ = nullptr;
  depth_ = 0;
  fileName_ = nullptr;
  line_ = 0;
  totalLines_ = 0;
  stats_ = nullptr;
  statsTail_ = nullptr;
  opened_ = nullptr;
  openedTail_ = nullptr;
  openedBuckets_ = nullptr;
  openedIds_ = nullptr;
  forbiddenCount_ = 0;
  refusedName_ = nullptr;
  cursor = nullptr;
  limit = nullptr;
}

// Keeps the path of a file just opened, once, in the per-file arena. A name found by reading it
// as on Windows is kept as it stands on disk, so that a build tool can find the file by it.
void SourceStack::NoteOpened(const char* name, platform::NameLookup lookup) {
  char resolved[4096];
  if (lookup != platform::NameLookup::kAsWritten &&
      platform::ResolveWindowsName(name, resolved, sizeof resolved))
    name = resolved;
  std::size_t length = std::strlen(name);
  std::uint32_t hash = 0;
  for (std::size_t i = 0; i < length; ++i) hash = hash * 31 + static_cast<unsigned char>(name[i]);
  SaveArena& arena = ctx_.memory.arena;
  if (openedBuckets_ == nullptr) {
    openedBuckets_ =
        static_cast<OpenedFile**>(arena.BlobAllocate(kOpenedBuckets * sizeof(OpenedFile*)));
    std::memset(openedBuckets_, 0, kOpenedBuckets * sizeof(OpenedFile*));
  }
  OpenedFile** bucket = &openedBuckets_[hash % kOpenedBuckets];
  for (OpenedFile* f = *bucket; f != nullptr; f = f->chain) {
    if (f->hash == hash && std::strcmp(f->name, name) == 0) return;
  }
  auto* file =
      static_cast<OpenedFile*>(arena.BlobAllocate(offsetof(OpenedFile, name) + length + 1));
  file->next = nullptr;
  file->chain = *bucket;
  file->hash = hash;
  std::memcpy(file->name, name, length + 1);
  *bucket = file;
  if (openedTail_ != nullptr)
    openedTail_->next = file;
  else
    opened_ = file;
  openedTail_ = file;
}

void SourceStack::SetLine(std::uint32_t line) {
  line_ = line;
  ctx_.position.messageLine = static_cast<std::int32_t>(line);
}

void SourceStack::SetFileName(const char* name) {
  std::size_t length = std::strlen(name);
  char* copy = static_cast<char*>(ctx_.memory.arena.BlobAllocate(length + 1));
  std::memcpy(copy, name, length + 1);
  fileName_ = copy;
  ctx_.position.fileName = copy;
}

bool SourceStack::ReleaseOneHandle() {
  SourceFile* outermost = nullptr;
  for (SourceFile* r = top_; r != nullptr; r = r->below) {
    if (r->kind == SourceFile::kOpenFile) outermost = r;
  }
  if (outermost == nullptr) return false;
  platform::CloseFile(outermost->handle);
  outermost->handle = -1;
  outermost->kind = SourceFile::kReleased;
  return true;
}

int SourceStack::OpenWithRetry(const char* name, platform::NameLookup lookup) {
  int handle = platform::OpenForReading(name, lookup);
  while (handle < 0 && platform::LastOpenFailedForHandles() && ReleaseOneHandle())
    handle = platform::OpenForReading(name, lookup);
  return handle;
}

void SourceStack::ForbidReading(const platform::FileId& id, const char* name) {
  if (forbiddenCount_ < kMaxForbidden) forbidden_[forbiddenCount_++] = Forbidden{id, name};
}

bool SourceStack::HasOpened(const platform::FileId& id) const {
  for (const OpenedId* o = openedIds_; o != nullptr; o = o->next) {
    if (o->id == id) return true;
  }
  return false;
}

// Compares a file just opened with the files this input file must not read, by identity, so
// that no name, spelling or link gets round it, and notes it among the files opened. A file
// that must not be read is closed again (false).
bool SourceStack::CheckAllowed(int handle) {
  platform::FileId id;
  if (!platform::IdentifyHandle(handle, &id)) return true;
  for (int i = 0; i < forbiddenCount_; ++i) {
    if (forbidden_[i].id == id) {
      platform::CloseFile(handle);
      refusedName_ = forbidden_[i].name;
      ctx_.diag.ReportFatal(msg::CannotCreateOutput, refusedName_);
      return false;  // after an earlier fatal error the report does nothing more
    }
  }
  auto* opened = static_cast<OpenedId*>(ctx_.memory.arena.BlobAllocate(sizeof(OpenedId)));
  opened->next = openedIds_;
  opened->id = id;
  openedIds_ = opened;
  return true;
}

bool SourceStack::GuardedAndDefined(const char* name) const {
  std::uint32_t hash = GuardHash(name);
  for (IncludeGuardEntry* g = guards_; g != nullptr; g = g->next) {
    if (g->hash == hash && EqualIgnoringCase(g->fileName, name))
      return ctx_.idents.IsDefined(g->macroName);
  }
  return false;
}

SourceStack::Opened SourceStack::OpenSourceFile(const char* name, platform::NameLookup lookup) {
  int handle = OpenWithRetry(name, lookup);
  if (handle < 0 || !CheckAllowed(handle)) return Opened::kNot;
  if (depth_ != 0 && GuardedAndDefined(name)) {
    platform::CloseFile(handle);
    return Opened::kSkippedByGuard;
  }
  ++depth_;
  if (depth_ >= kMaxDepth) {
    platform::CloseFile(handle);
    --depth_;
    ctx_.diag.ReportFatal(msg::IncludeTooDeep);
  }
  auto* record = static_cast<SourceFile*>(ctx_.memory.blocks.Allocate(kFileRecordSize));
  std::memset(record, 0, sizeof(SourceFile));
  record->kind = SourceFile::kOpenFile;
  record->handle = handle;
  record->buffer = reinterpret_cast<const unsigned char*>(record + 1);
  PushRecord(record);
  currentFile_ = record;
  record->includerName = fileName_;
  record->includerLine = line_;
  record->includerConditionals = ctx_.directives.SetAsideConditionals();
  if (ctx_.options.OutputFlags & kHeaderStatistics) UpdateStatisticsAtOpen(name);
  SetFileName(name);
  if (ctx_.longOptions.deps != LongOptions::Deps::Off) NoteOpened(name, lookup);
  line_ = 0;
  PushText("\n");
  return Opened::kPushed;
}

void SourceStack::PushText(const char* text) { PushText(text, std::strlen(text)); }

void SourceStack::PushText(const char* text, std::size_t length) {
  auto* record = static_cast<SourceFile*>(ctx_.memory.blocks.Allocate(sizeof(SourceFile)));
  record->kind = SourceFile::kPushedText;
  record->count = static_cast<std::uint32_t>(length);
  record->offset = 0;
  record->buffer = reinterpret_cast<const unsigned char*>(text);
  PushRecord(record);
}

void SourceStack::PushRecord(SourceFile* record) {
  if (top_ != nullptr) top_->offset = static_cast<std::uint32_t>(cursor - top_->buffer);
  record->below = top_;
  top_ = record;
  cursor = record->buffer + record->offset;
  limit = record->buffer + record->count;
}

void SourceStack::PopRecord() {
  top_ = top_->below;
  if (top_ != nullptr) {
    cursor = top_->buffer + top_->offset;
    limit = top_->buffer + top_->count;
  } else {
    cursor = limit = kEndOfData + 2;
  }
}

int SourceStack::Refill() {
  for (;;) {
    SourceFile* record = top_;
    if (record == nullptr) {
      // An empty stack reads as the end of input, and one byte can still be put back.
      cursor = limit = kEndOfData + 2;
      return mark::kEndOfInput;
    }
    if (record->kind == SourceFile::kPushedText) {
      PopRecord();
      ctx_.memory.blocks.Free(record);
      if (cursor < limit) return *cursor++;
      continue;
    }
    if (record->kind == SourceFile::kMacroText) {
      return ctx_.macros.MacroTextEnd();
    }
    unsigned char* data = reinterpret_cast<unsigned char*>(record + 1);
    if (record->buffer != data) {
      // The record was pointing at the end-of-data text: the file is exhausted.
      cursor = kEndOfData + 1;
      limit = kEndOfData + 2;
      return mark::kEndOfInput;
    }
    if (record->kind == SourceFile::kReleased) {
      // The name as written: it is looked up again the way it may have been found.
      int handle = OpenWithRetry(fileName_, platform::NameLookup::kAsWrittenThenWindowsStyle);
      if (handle < 0 || !platform::SeekFile(handle, record->fileOffset + record->count)) {
        if (handle >= 0) platform::CloseFile(handle);
        // The file cannot be read again (no handle is to be had, or it is gone): the rest of it
        // would be lost, so the input file ends with that failure, never as if the file ended
        // here. The main file is the bottom file record.
        ctx_.diag.ReportFatal(depth_ == 1 ? msg::CannotOpenInput : msg::CannotOpenInclude,
                              fileName_);
        handle = -1;
      }
      if (handle < 0 || !CheckAllowed(handle)) {
        // Only after an earlier fatal error, whose report does nothing more: the file ends.
        record->buffer = kEndOfData;
        record->count = 2;
        cursor = kEndOfData + 1;
        limit = kEndOfData + 2;
        return '\n';
      }
      record->kind = SourceFile::kOpenFile;
      record->handle = handle;
    }
    long n = platform::ReadFile(record->handle, data, kReadSize);
    if (n >= 1) {
      record->fileOffset += record->count;
      record->count = static_cast<std::uint32_t>(n);
      cursor = data + 1;
      limit = data + n;
      return data[0];
    }
    record->buffer = kEndOfData;
    record->count = 2;
    cursor = kEndOfData + 1;
    limit = kEndOfData + 2;
    return '\n';
  }
}

int SourceStack::EndOfFile(bool quiet) {
  if (top_ == nullptr) return 0;
  if (!top_->IsFile()) {
    SourceFile* record = top_;
    PopRecord();
    if (record->kind == SourceFile::kPushedText) ctx_.memory.blocks.Free(record);
    return 1;
  }
  SourceFile* record = top_;
  ctx_.directives.EndConditionals(quiet);
  if (ctx_.options.OutputFlags & kHeaderStatistics) UpdateStatisticsAtClose();
  if (record->kind == SourceFile::kOpenFile) platform::CloseFile(record->handle);
  ctx_.directives.RestoreConditionals(record->includerConditionals);
  --depth_;
  if (record->below != nullptr) {
    line_ = record->includerLine;
    ctx_.position.messageLine = static_cast<std::int32_t>(line_);
    fileName_ = const_cast<char*>(record->includerName);
    ctx_.position.fileName = fileName_;
    PopRecord();
    ctx_.memory.blocks.Free(record);
    RecomputeCurrentFile();
    ApplyStandardNames();
    return 1;
  }
  PopRecord();
  ctx_.memory.blocks.Free(record);
  top_ = nullptr;
  currentFile_ = nullptr;
  return 0;
}

void SourceStack::RecomputeCurrentFile() {
  currentFile_ = top_;
  while (currentFile_ != nullptr && currentFile_->kind == SourceFile::kPushedText)
    currentFile_ = currentFile_->below;
}

void SourceStack::ApplyStandardNames() {
  if (currentFile_ != nullptr) ctx_.macros.SetStandardNames(currentFile_->standardNames != 0);
}

void SourceStack::CountNewline(int c) {
  if (c != 0) {
    int next = NextByte();
    if (!IsBreakPair(c, next)) Unget();
  }
  CountLine();
}

void SourceStack::ResetGuards() { guards_ = nullptr; }

void SourceStack::RecordGuard(const char* macroName) {
  std::uint32_t hash = GuardHash(fileName_);
  for (IncludeGuardEntry* g = guards_; g != nullptr; g = g->next) {
    if (g->hash == hash && EqualIgnoringCase(g->fileName, fileName_)) return;
  }
  std::size_t fileLength = std::strlen(fileName_);
  std::size_t macroLength = std::strlen(macroName);
  auto* entry = static_cast<IncludeGuardEntry*>(
      ctx_.memory.arena.BlobAllocate(sizeof(IncludeGuardEntry) + fileLength + macroLength + 2));
  char* strings = reinterpret_cast<char*>(entry + 1);
  entry->hash = hash;
  entry->fileName = strings;
  std::memcpy(strings, fileName_, fileLength + 1);
  entry->macroName = strings + fileLength + 1;
  std::memcpy(entry->macroName, macroName, macroLength + 1);
  entry->next = guards_;
  guards_ = entry;
}

void SourceStack::UpdateStatisticsAtOpen(const char* name) {
  HeaderStatEntry* entry = nullptr;
  for (HeaderStatEntry* e = stats_; e != nullptr; e = e->next) {
    if (std::strcmp(e->name, name) == 0) {
      entry = e;
      break;
    }
  }
  if (entry != nullptr) {
    ++entry->timesOpened;
  } else {
    std::size_t length = std::strlen(name);
    entry = static_cast<HeaderStatEntry*>(
        ctx_.memory.arena.BlobAllocate(sizeof(HeaderStatEntry) + length + 1));
    entry->name = reinterpret_cast<char*>(entry + 1);
    std::memcpy(entry->name, name, length + 1);
    entry->lines = 0;
    entry->totalAtOpen = static_cast<std::uint32_t>(totalLines_);
    entry->totalAtClose = 0;
    entry->timesOpened = 1;
    entry->included = nullptr;
    entry->next = nullptr;
    if (statsTail_ != nullptr)
      statsTail_->next = entry;
    else
      stats_ = entry;
    statsTail_ = entry;
  }
  if (stats_ == statsTail_ || fileName_ == nullptr) return;
  for (HeaderStatEntry* e = stats_; e != nullptr; e = e->next) {
    if (std::strcmp(e->name, fileName_) != 0) continue;
    HeaderStatNode** link = &e->included;
    for (; *link != nullptr; link = &(*link)->next) {
      if ((*link)->entry == entry) return;
    }
    auto* node =
        static_cast<HeaderStatNode*>(ctx_.memory.arena.BlobAllocate(sizeof(HeaderStatNode)));
    node->entry = entry;
    node->next = nullptr;
    *link = node;
    return;
  }
}

void SourceStack::UpdateStatisticsAtClose() {
  for (HeaderStatEntry* e = stats_; e != nullptr; e = e->next) {
    if (std::strcmp(e->name, fileName_) != 0) continue;
    if (e->lines == 0) e->lines = line_;
    if (e->totalAtClose == 0) e->totalAtClose = static_cast<std::uint32_t>(totalLines_);
    return;
  }
}

void SourceStack::LineDirective(const char* text) {
  // Blanks are those of the scanner: space, tab, vertical tab and form feed.
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
  while (blank(*text)) ++text;
  if (*text < '0' || *text > '9') {
    ctx_.diag.ReportError(msg::BadDirectiveSyntax, "line");
    return;
  }
  std::uint32_t number = 0;
  while (*text >= '0' && *text <= '9')
    number = number * 10 + static_cast<std::uint32_t>(*text++ - '0');
  while (blank(*text)) ++text;
  if (*text != 0) {
    std::size_t length = std::strlen(text);
    // Blanks (and comments, which expansion turned into blanks) after the name are not part
    // of it.
    while (length > 0 && (blank(text[length - 1]) ||
                          static_cast<unsigned char>(text[length - 1]) == mark::kEndByte))
      --length;
    if (length < 2 || text[0] != '"' || text[length - 1] != '"') {
      ctx_.diag.ReportError(msg::BadFileNameFormat, "line");
      return;
    }
    // The name is never longer than the text between the quotes.
    char* name = static_cast<char*>(ctx_.memory.arena.BlobAllocate(length));
    std::size_t n = 0;
    bool strict = ctx_.options.LanguageMode == 1;
    for (std::size_t i = 1; i + 1 < length; ++i) {
      unsigned char b = static_cast<unsigned char>(text[i]);
      // In strict mode the name goes through the string reader, which drops the marker bytes
      // that macro expansion leaves in text.
      if (strict && (b == mark::kEndByte || b == mark::kNoExpand)) continue;
      if (strict && b == mark::kEscape && i + 2 < length) b = static_cast<unsigned char>(text[++i]);
      name[n++] = static_cast<char>(b);
    }
    name[n] = 0;
    if (!EqualIgnoringCase(name, fileName_ != nullptr ? fileName_ : "")) SetFileName(name);
  }
  SetLine(number - 1);
}

}  // namespace tpx
