// The output file of one run: its name, the open handle or the console, and the 3,584-byte
// buffer through which every output byte passes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "options/run_context.h"
#include "platform/platform.h"

namespace tpx {

// Names of the temporary files that outputs are written to: "." and the name of the file they
// will replace (its first 120 bytes), ".tpx32-", the id of the process that writes it, ".tmp".
// The leading dot hides them from listings and from wild cards on POSIX.
namespace temporary {
// Writes the temporary's name for the file `target` into `out` (capacity `size`, cut short when
// it does not fit) and returns the full length.
std::size_t NameFor(const char* target, unsigned long processId, char* out, std::size_t size);
// Whether the last component of `path` is the name of a temporary; its process id in `*id`.
bool IsTemporaryName(const char* path, unsigned long* id);
// Removes the temporaries in the folder of `target` that were left by processes that no longer
// exist (a run killed while it wrote). Each folder is swept once per process: `swept` keeps
// the folders done, in `pool`.
void SweepFolderOf(const char* target, FileIdList& swept, BumpPool& pool);
}  // namespace temporary

// A file written whole and put in place at the end, so that its name never shows a part of it.
//
// It is written to a temporary file in the folder of its name, which is renamed over the name
// once the file is complete (Commit); a run that fails or is interrupted removes the temporary
// instead (Abandon). A run killed outright leaves the name as it was and a temporary whose
// name tells what it is, which the next run writing into that folder removes.
//
// A symbolic link is followed: the temporary goes beside the file it leads to, which is
// replaced, and the link stays. A device or a FIFO is written as it is, never replaced or
// deleted. Where no temporary can be made (a folder that can be read but not written, holding
// a file that can be written), the file is written in place, emptied when it is opened.
class FileReplacement {
 public:
  enum class Way { kClosed, kTemporary, kInPlace, kDevice };
  enum class Opened { kYes, kNoHandle, kNo };

  // Opens the file `name` (which must live while the file is open) for writing; the names it
  // needs are placed in `arena`. kNoHandle when the process has no free handle (nothing is
  // left behind then: the caller may free one and try again), kNo when the file cannot be made.
  Opened Open(const char* name, SaveArena& arena, FileIdList& swept, BumpPool& pool);
  int Handle() const { return handle_; }
  Way How() const { return way_; }
  // The name that is written (links followed).
  const char* Target() const { return target_; }
  // The identity of the file that stood at the name when it was opened; false when none did.
  bool OldId(platform::FileId* id) const;
  // The identity of the file being written.
  bool WrittenId(platform::FileId* id) const;

  // Closes the complete file and puts it in place. False when closing or renaming failed: the
  // file is then abandoned as by Abandon(true), and `*deleted` tells whether all went.
  bool Commit(bool* deleted);
  // Closes the file and drops it: the temporary is removed; a file written in place is
  // deleted; with `removeOld`, the file that stood at the name when it was opened is deleted
  // too, if it is still there (a regular file only). A device is only closed. False when a
  // file that was to be deleted could not be; a file written in place is emptied then, so that
  // nothing that looks complete is left. Uses only calls that are safe in a signal handler.
  bool Abandon(bool removeOld);
  // Ends a file whose bytes have all been handed to the handle (`written` false when a write
  // failed): commits it, or abandons it as by Abandon(true). A failure is reported as the
  // write error (fatal), then the file that could not be deleted. True when it was committed.
  bool Finish(bool written, Diagnostics& diag);

 private:
  bool RemoveWritten();

  Way way_ = Way::kClosed;
  int handle_ = -1;
  const char* target_ = "";
  const char* temporary_ = "";
  bool hadOld_ = false;
  platform::FileId oldId_;
  platform::FileId writtenId_;
  bool writtenIdKnown_ = false;
};

class OutputFile {
 public:
  static constexpr std::size_t kBufferSize = 3584;
  static constexpr int kClosed = -1;
  static constexpr int kConsoleOutput = 0x12345678;

  explicit OutputFile(RunContext& ctx) : ctx_(ctx) {}

  // Records the main source file of the run; the output name is formed from it.
  void SetMainFileName(const char* path);

  // Opens the output when it is not open yet in this run (OptionPhase below 2): sets the phase
  // to 2, forms the name and creates the file (see FileReplacement), or selects the console.
  // A fatal error "Unable to create output file" when the file cannot be created, and when the
  // file at the name is one this run has read (the main file, a configuration or response
  // file): that one is left exactly as it is. From then on every file the input file opens is
  // compared with the output, and reading it is refused the same way.
  void Open();
  bool IsOpen() const { return handle_ != kClosed; }
  bool IsConsole() const { return console_; }
  const char* Name() const { return name_; }
  // Whether the output was refused because the input file read it: nothing may touch the file
  // at its name then (it is only closed and its temporary removed).
  bool Refused() const;
  // Whether this run has written an output file of this identity (for the wild cards, whose
  // matches never include the run's own outputs).
  bool HasWritten(const platform::FileId& id) const;
  // Whether writing to standard output failed because its reader went away: the run ends.
  bool BrokenPipe() const { return brokenPipe_; }
  // Opens another file of the run (the dependency file) the way the output is opened, with
  // the same sweep of old temporaries and the same release of handles when none is free.
  FileReplacement::Opened OpenReplacement(FileReplacement& file, const char* name);

  // Writes one byte.
  void Put(char c) {
    if (fill_ < bufferEnd_) {
      buffer_[fill_++] = c;
      if (fill_ == kBufferSize) FlushFull();
    } else {
      PutSlow(c);
    }
  }
  void Write(const char* text, std::size_t length) {
    if (length <= bufferEnd_ - fill_) {
      char* to = buffer_ + fill_;
      // Token texts are short: up to 16 bytes they are moved as two pieces that may overlap,
      // without a call or a string instruction (whose start-up costs more than such a move).
      if (length <= 16) {
        CopyShort(to, text, length);
      } else {
        std::memcpy(to, text, length);
      }
      fill_ += length;
      if (fill_ == kBufferSize) FlushFull();
      return;
    }
    WriteSlow(text, length);
  }
  void Write(const char* text);
  // Writes `length` bytes of a text that has at least kSpan readable bytes. A text no longer
  // than kSpan, with that much room left in the buffer, is copied in one move of fixed size,
  // whatever its length; a longer text, or one near the end of the buffer, is written by Write.
  // Token texts come with kShortText readable bytes, the line marker with kPaddedText.
  static constexpr std::size_t kShortText = 16;
  static constexpr std::size_t kPaddedText = 64;
  template <std::size_t kSpan>
  void WriteSpan(const char* text, std::size_t length) {
    if (length <= kSpan && fill_ + kSpan <= spanEnd_) {
      CopySpan<kSpan>(buffer_ + fill_, text);
      fill_ += length;
      if (fill_ == kBufferSize) FlushFull();
      return;
    }
    Write(text, length);
  }
  void WriteShort(const char* text, std::size_t length) { WriteSpan<kShortText>(text, length); }
  void WritePadded(const char* text, std::size_t length) { WriteSpan<kPaddedText>(text, length); }
  // The same with the byte at `at` (before `length`) written as `byte` instead.
  void WritePadded(const char* text, std::size_t length, std::size_t at, char byte) {
    if (length <= kPaddedText && fill_ + kPaddedText <= spanEnd_) {
      char* to = buffer_ + fill_;
      CopySpan<kPaddedText>(to, text);
      to[at] = byte;
      fill_ += length;
      if (fill_ == kBufferSize) FlushFull();
      return;
    }
    WritePatchedSlow(text, length, at, byte);
  }

  // Moves 0 to 16 bytes.
  static void CopyShort(char* to, const char* from, std::size_t length) {
    if (length >= 8) {
      CopyEnds<std::uint64_t>(to, from, length);
    } else if (length >= 4) {
      CopyEnds<std::uint32_t>(to, from, length);
    } else if (length >= 2) {
      CopyEnds<std::uint16_t>(to, from, length);
    } else if (length != 0) {
      *to = *from;
    }
  }
  // Moves the first and the last sizeof(Word) bytes of a text of `length` bytes, which is
  // between one and two words long.
  template <typename Word>
  static void CopyEnds(char* to, const char* from, std::size_t length) {
    Word head, tail;
    std::memcpy(&head, from, sizeof head);
    std::memcpy(&tail, from + length - sizeof tail, sizeof tail);
    std::memcpy(to, &head, sizeof head);
    std::memcpy(to + length - sizeof tail, &tail, sizeof tail);
  }
  // Moves kSpan bytes (a multiple of 16) as 16-byte pieces where the processor has them.
  template <std::size_t kSpan>
  static void CopySpan(char* to, const char* from) {
    static_assert(kSpan % 16 == 0);
#if defined(__SSE2__)
    for (std::size_t i = 0; i < kSpan; i += 16) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i)));
    }
#else
    std::memcpy(to, from, kSpan);
#endif
  }

  // Writes what remains, closes the file and puts it in place. A failure deletes it (and the
  // old output) and is the fatal "Error writing output file". In console mode the console is
  // flushed, with the same error when that fails.
  void Close();
  // Closes the file without writing what remains, removes it and (unless the output was
  // refused) the old output; a file that could not be deleted is reported. In console mode only
  // resets.
  void Discard();
  // Discard for the interrupt handler: reports nothing.
  void DiscardAtInterrupt();

  // With `on` false the span writes take the general write (to compare both).
  void SetSpanWrites(bool on) {
    spanWrites_ = on;
    SetConsole(console_);
  }

  // Forms the output name for the main file `mainFile` from the options into `out` (capacity
  // `size`, cut short when it does not fit) and returns its full length (exposed for tests).
  std::size_t FormName(const char* mainFile, char* out, std::size_t size) const;

 private:
  void FlushFull();
  void PutSlow(char c);
  void WriteSlow(const char* text, std::size_t length);
  void WritePatchedSlow(const char* text, std::size_t length, std::size_t at, char byte);
  void ResetState();
  void SetConsole(bool on) {
    console_ = on;
    bufferEnd_ = on ? 0 : kBufferSize;
    spanEnd_ = spanWrites_ ? bufferEnd_ : 0;
  }
  bool EndConsole(bool report);
  [[noreturn]] void ConsoleFailed();

  RunContext& ctx_;
  FileReplacement file_;
  int handle_ = kClosed;
  bool console_ = false;
  bool consoleFailed_ = false;
  bool brokenPipe_ = false;
  bool refused_ = false;
  std::size_t fill_ = 0;
  // Where buffered writing has to stop: the buffer's size for a file, 0 on the console, which
  // is written unbuffered. With it the fast paths test the room left and the mode in one go.
  std::size_t bufferEnd_ = kBufferSize;
  // The same for the fixed-span writes: 0 when they are switched off.
  std::size_t spanEnd_ = kBufferSize;
  bool spanWrites_ = true;
  char buffer_[kBufferSize];
  const char* name_ = "";
  const char* mainFile_ = "";
  // For the whole run: the outputs written, and the folders swept of old temporaries.
  FileIdList written_;
  FileIdList swept_;
};

// True when an output name designates the console: "con.", "con.i", "conout$." or "conout$.i",
// compared without regard to case.
bool IsConsoleName(const char* name);

}  // namespace tpx
