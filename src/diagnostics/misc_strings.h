// Fixed texts shared by the driver and the reporters, indexed as the message machinery expects.
#pragma once

namespace tpx {

inline constexpr int kMiscStringCount = 38;
// Entries never printed by this program are empty texts.
const char* MiscString(int index);

namespace misc {
inline constexpr int True = 0;
inline constexpr int False = 1;
inline constexpr int CommandLine = 2;
inline constexpr int ConfigurationFile = 3;
inline constexpr int ArrayBounds = 14;
inline constexpr int BannerName = 24;
inline constexpr int BannerNotice = 25;
inline constexpr int ErrorSummary = 28;
inline constexpr int KindError = 29;
inline constexpr int KindFatal = 30;
inline constexpr int KindWarning = 31;
inline constexpr int MonthNames = 35;
inline constexpr int Usage = 36;
inline constexpr int BannerPlatform = 37;
}  // namespace misc

// The version printed after the banner's first piece.
inline constexpr const char* kVersionText = "5.3";

}  // namespace tpx
