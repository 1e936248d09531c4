// The plain-token shortcut of the token loop: reads the tokens that need no care straight from
// the input buffer and hands each to a sink, which writes it. It reads the way the token loop
// (Scanner::Scan) reads, with the same class table, operator forms, name measure, number rule
// and macro-text ends, and hands everything else to the token loop: it stops, and the caller
// goes on with Scanner::GetToken.
//
// The sink is the output writer's (a template parameter, so every call is inline):
//   Token(code)                          a token spelled by its entry in the token name table
//   Text(code, text, length, padded)     an identifier or number spelled by its own text
//   Blanks(text, length, padded)         blanks between tokens, written as they are
//   Suspend(), Resume()                  around a call that may write output itself (a comment
//                                        reader, a counted line, an expanded macro name)
// `padded` says the text has at least 16 readable bytes from its start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "directives/macros.h"
#include "source/count_line.h"
#include "source/ident_table.h"
#include "source/markers.h"
#include "source/scanner.h"
#include "source/source_stack.h"
#include "source/sweep.h"

namespace tpx {

// The bytes after a line break (and the blanks that follow it) that the start of a line treats
// apart from the token loop: more blanks of other kinds, a dropped zero byte or end byte,
// comments, splices and directives.
struct LineStartStops {
  bool stop[256] = {};
  constexpr LineStartStops() {
    for (unsigned char c : {'\v', '\f', '\0', '/', '\\', '#'}) stop[c] = true;
    stop[mark::kEndByte] = true;
  }
};
inline constexpr LineStartStops kLineStartStops;

template <class Sink>
TokenCode Scanner::ScanPlainTokens(Sink& sink) {
  // The longest name taken here; longer ones go to the token loop.
  static constexpr std::size_t kPlainNameLimit = 64;
  const std::int32_t* values = kCharHash.Values();
  auto limitOfNames = [this]() {
    std::size_t limit = IdentifierLimit();
    return limit < kPlainNameLimit ? limit : kPlainNameLimit;
  };
  std::size_t nameLimit = limitOfNames();
  const bool cpp = ctx_.frontEndCpp;
  // The cursor is kept here and stored back when the loop ends or the source input needs it.
  const unsigned char* p = src_.cursor;
  const unsigned char* end = src_.limit;
  // Whether `q` is the end of the segment in hand and that end is the end byte of a macro
  // text: a name or number that reaches it ends there, as in the token loop.
  auto closedByEndByte = [this, &end](const unsigned char* q) {
    return q == end && src_.Top()->kind == SourceFile::kMacroText && *q == mark::kEndByte;
  };
  for (;;) {
    if (p >= end) {
      // The end of a segment. Where macro text only drops its end byte, ends, or goes on with
      // the expansion of an argument that is not pasted, the loop goes on with the next
      // segment or record; anything else (a refill, a pasted parameter, a mark) is for the
      // token loop.
      src_.cursor = p;
      if (!ctx_.macros.PassTextEnd()) break;
      p = src_.cursor;
      end = src_.limit;
      continue;
    }
    unsigned char c = *p;
    int k = kTokenTable[c];
    if (k > 0) {
      // A token of one character.
      sink.Token(static_cast<TokenCode>(k));
      ++p;
      continue;
    }
    if (c == ' ' || c == '\t') {
      const unsigned char* q = SkipBlankRun(p + 1, end);
      sink.Blanks(reinterpret_cast<const char*>(p), static_cast<std::size_t>(q - p), end - p >= 16);
      p = q;
      continue;
    }
    if (k == cls::Letter || k == cls::WidePrefix) {
      // A name. The token loop takes names that reach a splice or the end of the buffer, long
      // ones, special ones and wide literals.
      if (end - p < 2) break;
      if (k == cls::WidePrefix && (p[1] == '"' || p[1] == '\'')) break;
      std::size_t length = 1;
      std::uint32_t hash = static_cast<std::uint32_t>(values[c]);
      bool padded = MeasureNameRest(p + 1, end, nameLimit, values, length, hash);
      if (!padded) {
        // Fewer than 16 bytes are readable after some part of the name: it is measured byte
        // by byte. It must end on a byte in hand, or on the end byte of a macro text, which
        // the token loop too takes as the end of a name.
        const unsigned char* q = p + 1;
        hash = static_cast<std::uint32_t>(values[c]);
        while (q < end && values[*q] != 0) hash += static_cast<std::uint32_t>(values[*q++]);
        if (q < end ? *q == '\\' : !closedByEndByte(q)) break;
        length = static_cast<std::size_t>(q - p);
        if (length > nameLimit) break;
      }
      if (StartsSpecialName(reinterpret_cast<const char*>(p), length)) break;
      hash -= static_cast<std::uint32_t>(length);
      IdentEntry* entry =
          padded ? ctx_.idents.LookupPadded(reinterpret_cast<const char*>(p), length, hash)
                 : ctx_.idents.Lookup(reinterpret_cast<const char*>(p), length, hash);
      if (entry->IsMacro()) {
        // The name is taken as the token loop takes it, without reading and looking it up
        // again. When its expansion has been pushed, the expansion's text is read on here as
        // long as nothing is held back or marked; otherwise the token loop goes on.
        sink.Suspend();
        TokenCode taken = TakeName(p, length, hash, entry);
        if (taken != tok::NoToken || !PlainTokensAllowed()) return taken;
        sink.Resume();
        nameLimit = limitOfNames();
        p = src_.cursor;
        end = src_.limit;
        continue;
      }
      TokenCode current = entry->keyword != 0 ? entry->keyword : tok::Identifier;
      if (current == kw::Asm || current == kw::Try) break;
      // The name's bytes in the buffer are the entry's spelling.
      if (current == tok::Identifier)
        sink.Text(current, reinterpret_cast<const char*>(p), length, end - p >= 16);
      else
        sink.Token(current);
      p += length;
      continue;
    }
    if (k == cls::Digit) {
      // A plain integer constant: its text is its spelling. A pending wide mark would be
      // written before it, so that case goes the long way.
      std::size_t length = PlainNumber(p, end);
      if (length == 0 && closedByEndByte(end)) length = PlainNumber(p, end, true);
      if (length == 0 || wideChar_) break;
      sink.Text(tok::IntConst, reinterpret_cast<const char*>(p), length, end - p >= 16);
      p += length;
      continue;
    }
    if (k == cls::Slash) {
      // A comment is read by the comment readers, which may refill the buffer; a slash or
      // "/=" is an operator.
      if (end - p < 3 || p[1] == '\\') break;
      if (p[1] == '*' || (p[1] == '/' && LineCommentsAllowed())) {
        src_.cursor = p + 2;
        sink.Suspend();
        if (p[1] == '*')
          BlockComment();
        else
          LineComment();
        sink.Resume();
        p = src_.cursor;
        end = src_.limit;
        continue;
      }
      TokenCode current = p[1] == '=' ? tok::SlashAssign : tok::Slash;
      sink.Token(current);
      p += current == tok::Slash ? 1 : 2;
      continue;
    }
    if (k == cls::LineBreak) {
      // A line break, when the next line starts with something the token loop would take as
      // it comes: the break is counted and the blanks after it dropped.
      if (end - p < 2) break;
      const unsigned char* q = SkipBlankRun(p + SourceStack::BreakLength(p), end);
      if (q >= end || kLineStartStops.stop[*q]) break;
      src_.cursor = q;
      sink.Suspend();
      src_.CountLine();
      sink.Resume();
      p = q;
      continue;
    }
    // An operator.
    std::size_t length;
    TokenCode current = PlainOperator(p, end, cpp, length);
    if (current == tok::NoToken && end - p == 2 && src_.Top()->kind == SourceFile::kMacroText &&
        (*end == mark::kEndByte || *end == mark::kNoExpand)) {
      // Two bytes before the end of a segment of macro text that ends at its end byte or at a
      // no-expand mark: a third byte would not be '=' or '*', so the two decide.
      current = PlainOperator(p, end + 1, cpp, length);
    }
    if (current == tok::NoToken) {
      // The end byte of macro text (put back after a name that ended on it) is a blank that
      // is never written, wherever it comes from; anything else is for the token loop.
      if (c != mark::kEndByte) break;
      ++p;
      continue;
    }
    sink.Token(current);
    p += length;
  }
  src_.cursor = p;
  sink.Suspend();
  return tok::NoToken;
}

}  // namespace tpx
