// The output writer: the character and text sinks (with the readable-mode filter), the new-line
// hook that ends each output line and writes its line marker, and the token output loop with
// its spacing rules.
#pragma once

#include <cstddef>
#include <cstdint>

#include "output/output_file.h"
#include "source/tokens.h"

namespace tpx {

struct RunContext;

class OutputWriter {
 public:
  static constexpr unsigned kWrapColumn = 150;

  explicit OutputWriter(RunContext& ctx);

  // Per input file: the next new-line hook writes no line break, and no file is marked yet.
  void SetLineStart() {
    lineStart_ = true;
    markerNext_ = -1;
    lastMarked_ = "";
  }

  // Opens the output when this run has not opened it yet.
  void EnsureOpen();

  void PutOutputChar(int c) {
    if (!out_.IsOpen()) return;
    if (readable_) {
      PutReadable(c);
      return;
    }
    lastWritten_ = static_cast<unsigned char>(c);
    out_.Put(static_cast<char>(c));
  }
  // White space copied from the source (its first byte may be any blank, the rest spaces and
  // tabs).
  void PutBlanks(const char* s, std::size_t length) {
    if (readable_) {
      for (std::size_t i = 0; i < length; ++i) PutOutputChar(static_cast<unsigned char>(s[i]));
    } else if (out_.IsOpen()) {
      lastWritten_ = static_cast<unsigned char>(s[length - 1]);
      out_.Write(s, length);
    }
  }
  void PutOutputText(const char* s);
  void PutOutputText(const char* s, std::size_t length) {
    if (!readable_ && length != 0) {
      // Without the readable filter the text goes into the buffer (or to the console) whole.
      if (!out_.IsOpen()) return;
      lastWritten_ = static_cast<unsigned char>(s[length - 1]);
      out_.Write(s, length);
      return;
    }
    PutReadableText(s, length);
  }
  void StartOutputLine();
  // The new-line hook as the source input calls it, with the current file name, line and
  // line-information switch. The common case, the next line of the file marked last with a
  // line number that does not gain a digit, counts the number up and writes the marker here.
  void StartOutputLine(const char* fileName, std::uint32_t line, bool lineInfo) {
    if (fileName == markerName_ && std::int64_t{line} == markerNext_ && lineInfo && out_.IsOpen() &&
        shortcuts_) {
      std::size_t at = markerPrefix_ + markerDigits_ - 1;
      char last = marker_[at];
      if (last != '9') {
        // The new digit is stored after the marker has been read for the copy: reading it
        // back right after storing it would stall the copy.
        markerNext_ = std::int64_t{line} + 1;
        heldBlanks_ = 0;
        lastWritten_ = kAfterMarker;
        out_.WritePadded(marker_, markerPrefix_ + markerDigits_ + 4, at, last + 1);
        marker_[at] = static_cast<char>(last + 1);
        return;
      }
    }
    StartOutputLine();
  }
  void WriteTokenStream();

  unsigned char LastWritten() const { return lastWritten_; }
  // After a comment written to the output: what comes next is not joined to the token before
  // the comment (which a comment's closing slash could otherwise seem to be).
  void EndOfComment() {
    if (lastWritten_ == '/') lastWritten_ = kAfterMarker;
  }
  void ClearHeldBlanks() { heldBlanks_ = 0; }

  // Called by the output file when it has just been opened.
  void OnOpened();

 private:
  void PutReadable(int c);
  void PutReadableText(const char* s, std::size_t length);
  void PutNumber(std::uint32_t n);
  void WriteLongMarker(const char* name, std::size_t length);
  struct PlainSink;
  bool BlankBefore(unsigned char last, TokenCode previous, TokenCode current, const char* head,
                   std::size_t length);
  bool RunsTogether(unsigned char last, TokenCode previous, const char* head, std::size_t length);
  bool ContinuesNumber(const char* head, std::size_t length);
  // The text of the last number written, for RunsTogether. A `padded` text has kShortText
  // readable bytes from its start.
  void RememberNumber(const char* text, std::size_t length, bool padded);
  static constexpr std::size_t kKeptNumber = 64;
  static constexpr std::size_t kJoinedHead = 8;
  static_assert(kKeptNumber >= OutputFile::kShortText, "a short number is copied whole");
  char lastNumber_[kKeptNumber] = {};
  std::size_t lastNumberLength_ = 0;
  unsigned char lastNumberEnd_ = 0;  // its last byte
  void WriteString(TokenCode previous);
  void KeepPending(int c);
  void WriteAsm();

  // What `lastWritten_` holds after a line marker or a kept comment: like the marker's closing
  // slash it is no word character and starts no readable-mode line, and unlike it, it is not
  // taken for the slash token that the spacing rule keeps from a star.
  static constexpr unsigned char kAfterMarker = 0;

  RunContext& ctx_;
  OutputFile& out_;
  // The body of a string literal read ahead of writing it (in the per-file block pool).
  char* pending_ = nullptr;
  std::size_t pendingLength_ = 0;
  std::size_t pendingCapacity_ = 0;
  // A copy of the run's shortcut switch, read on every line.
  bool shortcuts_ = true;
  bool readable_ = false;
  bool lineStart_ = true;
  unsigned char lastWritten_ = '\n';
  std::uint32_t heldBlanks_ = 0;
  std::uint32_t column_ = 0;
  // The file named by the last #line marker.
  const char* lastMarked_ = "";
  // The line marker being built: the part up to the line number is kept while the file name
  // stays the same.
  const char* markerName_ = nullptr;
  std::size_t markerPrefix_ = 0;
  unsigned markerDigits_ = 0;
  // The next line, whose marker is made by counting up the number in `marker_`, or -1 when
  // there is none to count up from: set wherever a marker has just gone into the buffer as it
  // is (a file's first line break writes none, the readable filter none at all).
  std::int64_t markerNext_ = -1;
  char marker_[4200] = {};
  // The longest file name that the marker buffer takes, with room for the rest of the marker.
  static constexpr std::size_t kMarkerNameRoom = sizeof marker_ - 32;
};

}  // namespace tpx
