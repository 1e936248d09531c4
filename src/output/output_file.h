// The output file of one run: its name, the open handle or the console, and the 3,584-byte
// buffer through which every output byte passes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tpx {

struct RunContext;

class OutputFile {
 public:
  static constexpr std::size_t kBufferSize = 3584;
  static constexpr int kClosed = -1;
  static constexpr int kConsoleOutput = 0x12345678;

  explicit OutputFile(RunContext& ctx) : ctx_(ctx) {}

  // Records the main source file of the run; the output name is formed from it.
  void SetMainFileName(const char* path);

  // Opens the output when it is not open yet in this run (OptionPhase below 2): sets the phase
  // to 2, forms the name and creates the file, or selects the console. A fatal error when the
  // file cannot be created.
  void Open();
  bool IsOpen() const { return handle_ != kClosed; }
  bool IsConsole() const { return console_; }
  const char* Name() const { return name_; }

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

  // Writes what remains, closes the file; a short write deletes it and is the fatal "Error
  // writing output file". In console mode only the state is reset.
  void Close();
  // Closes and deletes the file without writing what remains; in console mode only resets.
  void Discard();

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
  bool EndConsole();

  RunContext& ctx_;
  int handle_ = kClosed;
  bool console_ = false;
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
};

// True when an output name designates the console: "con.", "con.i", "conout$." or "conout$.i",
// compared without regard to case.
bool IsConsoleName(const char* name);

}  // namespace tpx
