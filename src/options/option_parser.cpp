// The option matcher and the generic handler kinds.
#include <cstring>

#include "diagnostics/diagnostics.h"
#include "memory/memory.h"
#include "options/options.h"
#include "options/run_context.h"

namespace tpx {

namespace {

std::uint8_t* BlockBytes(OptionBlock& block) { return reinterpret_cast<std::uint8_t*>(&block); }

void StoreByte(RunContext& ctx, const OptionEntry& entry, std::uint8_t value) {
  BlockBytes(ctx.options)[entry.target] = value;
}

std::uint8_t SavedByte(RunContext& ctx, const OptionEntry& entry) {
  return BlockBytes(ctx.savedOptions)[entry.target];
}

void StorePointer(RunContext& ctx, const OptionEntry& entry, const char* text) {
  std::memcpy(BlockBytes(ctx.options) + entry.target, &text, sizeof text);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the leading decimal digits of `text`; values beyond `cap` are reported as cap + 1 so
// that a long run of digits cannot overflow.
std::uint32_t LeadingNumber(const char* text, std::uint32_t cap) {
  std::uint64_t n = 0;
  for (; IsDigit(*text); ++text) {
    n = n * 10 + static_cast<unsigned>(*text - '0');
    if (n > cap) return cap + 1;
  }
  return static_cast<std::uint32_t>(n);
}

// The common part of the switch kinds: `sign` is 0 (no sign), '+', '-' or '.', and `tail` is
// what follows the sign, which must be empty.
int ApplySwitch(RunContext& ctx, char sign, const char* tail, const OptionEntry& entry) {
  std::uint8_t value;
  switch (sign) {
    case 0:
    case '+':
      value = 1;
      break;
    case '-':
      value = 0;
      break;
    case '.':
      if (ctx.optionPhase == 0) return 0;
      value = SavedByte(ctx, entry);
      break;
    default:
      return 0;
  }
  if (*tail != 0) return 0;
  StoreByte(ctx, entry, value);
  return 1;
}

}  // namespace

int MatchOption(RunContext& ctx, const char* text, const OptionEntry* table) {
  int result = 0;
  const unsigned char first = static_cast<unsigned char>(*text);
  // The text after the selecting character; at the end of the text it stays on the end.
  const char* rest = first != 0 ? text + 1 : text;
  for (const OptionEntry* entry = table; entry->handler != nullptr; ++entry) {
    const bool exact = entry->letter == first;
    if (!exact && entry->letter != kAnyLetter) continue;
    if (ctx.optionPhase > static_cast<int>(entry->level)) continue;
    if (entry->handler(ctx, rest, *entry) == 0) return 0;
    if (exact) result = 1;
  }
  return result;
}

int ParseOption(RunContext& ctx, int level, const char* text) {
  if (*text == 'I' || *text == 'L') {
    // Directory options are taken in the early pass, so that command-line directories come
    // before those of the configuration file.
    if (level == kCommandLine) return 1;
  } else if (level == kEarlyPass) {
    return 1;
  }
  return MatchOption(ctx, text, TopOptionTable());
}

namespace handlers {

int Descend(RunContext& ctx, const char* rest, const OptionEntry& entry) {
  return MatchOption(ctx, rest, entry.table);
}

int SetValue(RunContext& ctx, const char*, const OptionEntry& entry) {
  StoreByte(ctx, entry, static_cast<std::uint8_t>(entry.value));
  return 1;
}

int Switch(RunContext& ctx, const char* rest, const OptionEntry& entry) {
  const char sign = *rest;
  return ApplySwitch(ctx, sign, sign != 0 ? rest + 1 : rest, entry);
}

int SwitchSign(RunContext& ctx, const char* rest, const OptionEntry& entry) {
  return ApplySwitch(ctx, static_cast<char>(entry.letter), rest, entry);
}

// The switch whose byte decides the basic types of conditions (-K, plain char unsigned). The
// retune has nothing left to do here: the evaluator of #if builds its basic types from the
// option block each time it starts, so a change shows in the next condition whenever it is
// made.
int SwitchAndRetune(RunContext& ctx, const char* rest, const OptionEntry& entry) {
  return Switch(ctx, rest, entry);
}

int Restore(RunContext& ctx, const char*, const OptionEntry& entry) {
  if (ctx.optionPhase == 0) return 0;
  StoreByte(ctx, entry, SavedByte(ctx, entry));
  return 1;
}

int InvertedSwitch(RunContext& ctx, const char* rest, const OptionEntry& entry) {
  switch (*rest) {
    case 0:
    case '+':
      StoreByte(ctx, entry, 0);
      return 1;
    case '-':
      StoreByte(ctx, entry, 1);
      return 1;
    default:
      return 0;
  }
}

int BoundedNumber(RunContext& ctx, const char* rest, const OptionEntry& entry) {
  if (!IsDigit(*rest)) return 0;
  const std::uint32_t n = LeadingNumber(rest, entry.value);
  if (n > entry.value) return 0;
  StoreByte(ctx, entry, static_cast<std::uint8_t>(n));
  return 1;
}

int IdentifierLength(RunContext& ctx, const char* rest, const OptionEntry& entry) {
  if (!IsDigit(*rest)) return 0;
  std::uint32_t n = LeadingNumber(rest, 250);
  if (n == 0) n = 250;
  if (n < 8 || n > 250) return 0;
  StoreByte(ctx, entry, static_cast<std::uint8_t>(n));
  ctx.scannerIdentifierLength = static_cast<unsigned char>(n);
  return 1;
}

int String(RunContext& ctx, const char* rest, const OptionEntry& entry) {
  const char* start = rest;
  std::size_t length = std::strlen(rest);
  if (length >= 4 && rest[0] == '\\' && rest[1] == '"' && rest[length - 2] == '\\' &&
      rest[length - 1] == '"') {
    start += 2;
    length -= 4;
  } else if (length >= 2 && rest[0] == '"' && rest[length - 1] == '"') {
    start += 1;
    length -= 2;
  }
  StorePointer(ctx, entry, ctx.memory.bump.CopyText(start, length));
  return 1;
}

int Path(RunContext& ctx, const char* rest, const OptionEntry& entry) {
  char* copy = ctx.memory.bump.CopyText(rest);
  char* out = copy;
  for (const char* in = copy; *in != 0; ++in)
    if (*in != '"') *out++ = *in;
  *out = 0;
  StorePointer(ctx, entry, copy);
  return 1;
}

int Warnings(RunContext& ctx, const char* rest, const OptionEntry&) {
  bool on = true;
  bool restore = false;
  switch (*rest) {
    case '-':
      on = false;
      ++rest;
      break;
    case '.':
      if (ctx.optionPhase == 0) return 0;
      restore = true;
      ++rest;
      break;
    case '!':
      ++rest;
      if (*rest == '-') {
        ++rest;
        ctx.options.WarningsAreFailures = 0;
      } else {
        ctx.options.WarningsAreFailures = 1;
      }
      return *rest == 0 ? 1 : 0;
    case '+':
      ++rest;
      break;
    default:
      break;
  }
  for (int i = 0; i < kWarningSwitchCount; ++i) {
    // A code is three characters; anything after them is ignored, and a code that names no
    // switch changes nothing.
    if (*rest != 0 && std::strncmp(kWarningSwitches[i].code, rest, 3) != 0) continue;
    ctx.diag.SetSwitch(i, restore ? ctx.diag.CommandLineSwitch(i) : on);
  }
  return 1;
}

int Accept(RunContext&, const char*, const OptionEntry&) { return 1; }

}  // namespace handlers

}  // namespace tpx
