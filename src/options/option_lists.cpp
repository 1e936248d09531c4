// The lists kept beside the option block: -D definitions and the -I and -L directories.
#include <cstdint>
#include <cstring>

#include "diagnostics/diagnostics.h"
#include "memory/memory.h"
#include "options/option_memory.h"
#include "options/options.h"
#include "options/run_context.h"
#include "platform/platform.h"
#include "source/markers.h"

namespace tpx {

namespace {

// The stored form of a definition's value: 0xFF before every byte of 128 or more, then the end
// byte 0xFB and a zero byte.
char* EncodeDefineValue(BumpPool& pool, const char* value, std::size_t length) {
  std::size_t high = 0;
  for (std::size_t i = 0; i < length; ++i)
    if (static_cast<unsigned char>(value[i]) >= 0x80) ++high;
  char* stored = static_cast<char*>(pool.Allocate(length + high + 2));
  char* out = stored;
  for (std::size_t i = 0; i < length; ++i) {
    if (static_cast<unsigned char>(value[i]) >= 0x80) *out++ = static_cast<char>(mark::kEscape);
    *out++ = value[i];
  }
  *out++ = static_cast<char>(mark::kEndByte);
  *out = 0;
  return stored;
}

// Compares a stored value with the plain text of a new one.
bool SameDefineValue(const char* stored, const char* value, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char c = static_cast<unsigned char>(value[i]);
    if (c >= 0x80) {
      if (static_cast<unsigned char>(*stored) != mark::kEscape) return false;
      ++stored;
    }
    if (static_cast<unsigned char>(*stored) != c) return false;
    ++stored;
  }
  return static_cast<unsigned char>(stored[0]) == mark::kEndByte && stored[1] == 0;
}

// The index of the warning switch that controls a message, or -1.
int SwitchOfMessage(MessageNumber number) {
  const int index = number - kFirstWarning;
  return index >= 0 && index < kWarningSwitchCount ? index : -1;
}

// Reports the redefinition warning while no file is open. The per-file enable bytes are only
// loaded when a file starts, so the current state of the warning's switch decides here; both
// message limits are 0 for the report, as for every message outside a file.
void ReportRedefinition(RunContext& ctx, const char* name) {
  const int index = SwitchOfMessage(msg::Redefinition);
  if (index < 0 || !ctx.diag.SwitchOn(index)) return;
  const bool wasEnabled = ctx.diag.WarningEnabled(msg::Redefinition);
  const std::uint8_t errorLimit = ctx.options.ErrorLimit;
  const std::uint8_t warningLimit = ctx.options.WarningLimit;
  ctx.options.ErrorLimit = 0;
  ctx.options.WarningLimit = 0;
  ctx.diag.SetWarningEnabled(msg::Redefinition, true);
  ctx.diag.ReportWarning(msg::Redefinition, name);
  ctx.diag.SetWarningEnabled(msg::Redefinition, wasEnabled);
  ctx.options.ErrorLimit = errorLimit;
  ctx.options.WarningLimit = warningLimit;
}

// Splits a directory option at ";" and adds every non-empty piece at the front of the list.
void AddDirectories(RunContext& ctx, const char* rest, DirectoryRecord*& list) {
  while (*rest != 0) {
    const char* end = std::strchr(rest, ';');
    if (end == nullptr) end = rest + std::strlen(rest);
    if (end != rest) {
      // Room for the piece, a separator and the end.
      char* directory = static_cast<char*>(ctx.memory.bump.Allocate((end - rest) + 2));
      char* out = directory;
      for (const char* in = rest; in != end; ++in)
        if (*in != '"') *out++ = *in;
      if (out != directory && out[-1] != '/' && out[-1] != '\\' && out[-1] != ':')
        *out++ = platform::kPathSeparator;
      *out = 0;
      DirectoryRecord* record = NewInPool<DirectoryRecord>(ctx.memory.bump);
      record->directory = directory;
      record->next = list;
      list = record;
    }
    rest = *end == ';' ? end + 1 : end;
  }
}

DirectoryRecord* Reversed(DirectoryRecord* list) {
  DirectoryRecord* reversed = nullptr;
  while (list != nullptr) {
    DirectoryRecord* next = list->next;
    list->next = reversed;
    reversed = list;
    list = next;
  }
  return reversed;
}

}  // namespace

void AddDefine(RunContext& ctx, const char* name, std::size_t nameLength, const char* value,
               std::size_t valueLength) {
  DefineRecord** link = &ctx.lists.defines;
  for (; *link != nullptr; link = &(*link)->next) {
    const DefineRecord* record = *link;
    if (std::strlen(record->name) != nameLength || std::memcmp(record->name, name, nameLength) != 0)
      continue;
    if (!SameDefineValue(record->value, value, valueLength)) ReportRedefinition(ctx, record->name);
    return;
  }
  DefineRecord* record = NewInPool<DefineRecord>(ctx.memory.bump);
  record->name = ctx.memory.bump.CopyText(name, nameLength);
  record->value = EncodeDefineValue(ctx.memory.bump, value, valueLength);
  record->next = nullptr;
  *link = record;
}

bool RemoveDefine(RunContext& ctx, const char* name) {
  for (DefineRecord** link = &ctx.lists.defines; *link != nullptr; link = &(*link)->next) {
    if (std::strcmp((*link)->name, name) == 0) {
      *link = (*link)->next;
      return true;
    }
  }
  return false;
}

const DefineRecord* FindDefine(const RunContext& ctx, const char* name) {
  for (const DefineRecord* record = ctx.lists.defines; record != nullptr; record = record->next)
    if (std::strcmp(record->name, name) == 0) return record;
  return nullptr;
}

void ReverseDirectoryLists(RunContext& ctx) {
  ctx.lists.includeDirs = Reversed(ctx.lists.includeDirs);
  ctx.lists.libraryDirs = Reversed(ctx.lists.libraryDirs);
}

const char* DefaultSourceExtension(const RunContext& ctx) { return ctx.lists.defaultExtension; }

namespace handlers {

int IncludeDirectories(RunContext& ctx, const char* rest, const OptionEntry&) {
  AddDirectories(ctx, rest, ctx.lists.includeDirs);
  ctx.options.AngleSearchMode = kAngleSearchGiven;
  return 1;
}

int LibraryDirectories(RunContext& ctx, const char* rest, const OptionEntry&) {
  AddDirectories(ctx, rest, ctx.lists.libraryDirs);
  return 1;
}

int Define(RunContext& ctx, const char* rest, const OptionEntry&) {
  while (true) {
    // One definition runs to the next ";" that no backslash protects.
    const char* start = rest;
    const char* equals = nullptr;
    while (*rest != 0 && *rest != ';') {
      if (*rest == '=' && equals == nullptr) equals = rest;
      if (*rest == '\\' && rest[1] != 0) ++rest;
      ++rest;
    }
    const char* nameEnd = equals != nullptr ? equals : rest;
    // A definition without a name (an empty piece such as "-DA;;B") defines nothing.
    if (nameEnd != start) {
      const char* value = equals != nullptr ? equals + 1 : rest;
      AddDefine(ctx, start, nameEnd - start, value, rest - value);
    }
    if (*rest == 0) break;
    ++rest;
  }
  return 1;
}

int Undefine(RunContext& ctx, const char* rest, const OptionEntry&) {
  RemoveDefine(ctx, rest);
  return 1;
}

}  // namespace handlers

}  // namespace tpx
