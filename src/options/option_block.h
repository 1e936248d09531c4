// The option block: every option variable in one plain, trivially copyable record, so a file run
// can copy it aside at its start and back at its end (nothing a file does survives it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace tpx {

struct OptionBlock {
  // Honoured options.
  std::uint8_t CpuLevel = 3;
  std::uint8_t LineInfo = 1;
  std::uint8_t OutputFlags = 0;         // bit 0 -Sc, bit 1 -Sr, bit 2 -Ss
  std::uint8_t DefinesInOutput = 0;     // -Sd
  std::uint8_t KeepOutputOnErrors = 0;  // -Sk
  std::uint8_t LanguageMode = 0;        // 0 extensions, 1 strict ANSI, 2 UNIX, 3 K&R
  std::uint8_t UnsignedChar = 0;
  std::uint8_t NestedComments = 0;
  std::uint8_t ErrorLimit = 25;
  std::uint8_t WarningLimit = 100;
  std::uint8_t IdentifierLength = 250;
  std::uint8_t CallingConvention = 0;
  std::uint8_t MultiThread = 1;
  std::uint8_t OutputNameFromSource = 0;
  std::uint8_t AssembleVia = 0;
  std::uint8_t Language = 0;  // bit 0: C++
  std::uint8_t TargetKind = 0;
  std::uint8_t ConsoleKind = 1;
  std::uint8_t ConsoleTarget = 0;
  std::uint8_t WarningsAreFailures = 0;
  std::uint8_t Unwinding = 1;
  std::uint8_t MemCheck[3] = {0, 0, 0};
  std::uint8_t CompatLevel = 0;
  std::uint8_t UnicodeTarget = 0;
  std::uint8_t IncluderSearch = 1;
  std::uint8_t RuntimeKind = 0;
  std::uint32_t CodePage = 0;
  const char* OutputDirectory = "";
  const char* OutputName = nullptr;
  const char* AngleSearchMode = "";

  // Options of the sibling compiler that are accepted and stored but never read.
  std::uint8_t Ignored[64] = {};
  const char* IgnoredText[16] = {};
};

static_assert(std::is_trivially_copyable_v<OptionBlock>);

// OutputFlags bits.
inline constexpr std::uint8_t kKeepComments = 1;
inline constexpr std::uint8_t kReadableOutput = 2;
inline constexpr std::uint8_t kHeaderStatistics = 4;

}  // namespace tpx
