// Sweeps over runs of ordinary bytes: comment text, skipped lines. A sweep stops at the first
// byte of a small set; where SSE2 is available it tests sixteen bytes at a time, otherwise (and
// for the last bytes of a buffer) one table lookup per byte.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#include "source/markers.h"
#endif

namespace tpx {

// A set of N stop bytes, with the same set as a lookup table.
template <std::size_t N>
struct StopSet {
  bool table[256] = {};
  unsigned char bytes[N] = {};
  constexpr StopSet(const unsigned char (&stops)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
      bytes[i] = stops[i];
      table[stops[i]] = true;
    }
  }
};

// The first position in [p, end) holding a byte of `set`, or `end`.
template <std::size_t N>
inline const unsigned char* SweepTo(const unsigned char* p, const unsigned char* end,
                                    const StopSet<N>& set) {
#if defined(__SSE2__)
  if (end - p >= 16) {
    __m128i wanted[N];
    for (std::size_t i = 0; i < N; ++i) wanted[i] = _mm_set1_epi8(static_cast<char>(set.bytes[i]));
    do {
      __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      __m128i hit = _mm_cmpeq_epi8(block, wanted[0]);
      for (std::size_t i = 1; i < N; ++i) hit = _mm_or_si128(hit, _mm_cmpeq_epi8(block, wanted[i]));
      if (int mask = _mm_movemask_epi8(hit); mask != 0)
        return p + __builtin_ctz(static_cast<unsigned>(mask));
      p += 16;
    } while (end - p >= 16);
  }
#endif
  while (p < end && !set.table[*p]) ++p;
  return p;
}

// The first position in [p, end) that matters inside a block comment that does not nest: a
// line break, the end of input (0x1A), or a star followed by '/' or by a backslash (which may
// splice a '/' to it), or by nothing yet read. The other stars are passed over, so the star
// rows of a comment block do not stop the sweep.
inline const unsigned char* SweepFlatComment(const unsigned char* p, const unsigned char* end) {
#if defined(__SSE2__)
  const __m128i star = _mm_set1_epi8('*');
  const __m128i slash = _mm_set1_epi8('/');
  const __m128i backslash = _mm_set1_epi8('\\');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i eof = _mm_set1_epi8(static_cast<char>(mark::kEndOfInput));
  while (end - p > 16) {
    __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
    __m128i closing =
        _mm_and_si128(_mm_cmpeq_epi8(here, star),
                      _mm_or_si128(_mm_cmpeq_epi8(next, slash), _mm_cmpeq_epi8(next, backslash)));
    __m128i hit = _mm_or_si128(_mm_or_si128(closing, _mm_cmpeq_epi8(here, eof)),
                               _mm_or_si128(_mm_cmpeq_epi8(here, lf), _mm_cmpeq_epi8(here, cr)));
    if (int mask = _mm_movemask_epi8(hit); mask != 0)
      return p + __builtin_ctz(static_cast<unsigned>(mask));
    p += 16;
  }
#endif
  for (; p < end; ++p) {
    unsigned char c = *p;
    if (c == '\n' || c == '\r' || c == mark::kEndOfInput) return p;
    if (c == '*' && (p + 1 == end || p[1] == '/' || p[1] == '\\')) return p;
  }
  return p;
}

// The same, also stopping at the lead bytes of a double-byte code page: `leadBytes` is the
// code page's lead-byte table, or null when it has none.
template <std::size_t N>
inline const unsigned char* SweepTo(const unsigned char* p, const unsigned char* end,
                                    const StopSet<N>& set, const bool* leadBytes) {
  if (leadBytes == nullptr) return SweepTo(p, end, set);
  while (p < end && !set.table[*p] && !leadBytes[*p]) ++p;
  return p;
}

// The first position in [p, end) that holds neither a space nor a tab, or `end`. Indentation
// and blanks between tokens vary in length from line to line, so where SSE2 is available the
// run is measured sixteen bytes at a time, which spares the mispredicted end of a byte loop.
inline const unsigned char* SkipBlankRun(const unsigned char* p, const unsigned char* end) {
#if defined(__SSE2__)
  while (end - p >= 16) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i blank = _mm_or_si128(_mm_cmpeq_epi8(block, _mm_set1_epi8(' ')),
                                 _mm_cmpeq_epi8(block, _mm_set1_epi8('\t')));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(blank)) ^ 0xFFFFu;
    if (mask != 0) return p + __builtin_ctz(mask);
    p += 16;
  }
#endif
  while (p < end && (*p == ' ' || *p == '\t')) ++p;
  return p;
}

#if defined(__SSE2__)
// How many of the sixteen bytes at `p` (all readable) are identifier characters (letters,
// digits, '_') before the first one that is not; 16 when all are.
inline unsigned LeadingWordBytes(const unsigned char* p) {
  __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  // Shifting a range to start at -128 turns "lo <= b <= hi" into one signed comparison.
  auto in = [](__m128i b, char lo, int count) {
    __m128i shifted = _mm_add_epi8(b, _mm_set1_epi8(static_cast<char>(-128 - lo)));
    return _mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(-128 + count)));
  };
  __m128i letter = in(_mm_or_si128(block, _mm_set1_epi8(0x20)), 'a', 26);
  __m128i digit = in(block, '0', 10);
  __m128i underscore = _mm_cmpeq_epi8(block, _mm_set1_epi8('_'));
  unsigned word = static_cast<unsigned>(
      _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(letter, digit), underscore)));
  return static_cast<unsigned>(__builtin_ctz(~word));
}
#endif

// Measures the rest of a name in a buffer: `length` and `sum` hold the part already taken (the
// name's length and the sum of its bytes' values in `values`, non-zero exactly for the bytes of
// names), and the rest starts at `p`. Adds the rest and returns true when the name ends before
// `end` with 16 readable bytes after every part looked at, is at most `limit` long, and is not
// followed by a backslash, which could splice it to the next line. Otherwise returns false,
// with `length` and `sum` of no use.
inline bool MeasureNameRest(const unsigned char* p, const unsigned char* end, std::size_t limit,
                            const std::int32_t* values, std::size_t& length, std::uint32_t& sum) {
  for (;;) {
    std::size_t n;
#if defined(__SSE2__)
    if (end - p < 16) return false;
    n = LeadingWordBytes(p);
#else
    n = 0;
    while (p + n < end && values[p[n]] != 0 && n < 16) ++n;
    if (p + n == end) return false;
#endif
    for (std::size_t i = 0; i < n; ++i) sum += static_cast<std::uint32_t>(values[p[i]]);
    length += n;
    p += n;
    if (length > limit) return false;
    if (n < 16) return *p != '\\';
  }
}

}  // namespace tpx
