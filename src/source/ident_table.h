// The identifier table: one hash table for keywords, macro names and plain identifiers. Entries
// live in the per-file arena and are never removed; undefining a macro only clears its
// definition.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "memory/memory.h"
#include "source/tokens.h"

namespace tpx {

struct MacroDef;

struct IdentEntry {
  IdentEntry* next;        // next entry of the same bucket
  std::uint32_t reserved;  // set to 0 when the entry is made
  std::uint32_t hash;      // the name's hash, compared before the spelling
  MacroDef* definition;    // the macro definition, or kNotMacro
  std::uint8_t keyword;    // token code of the keyword, 0 for none
  std::uint16_t length;
  char name[1];  // the name's bytes and a terminating zero

  bool IsMacro() const;
};

// The definition of a name that is not a macro: all bits set.
MacroDef* const kNotMacro = reinterpret_cast<MacroDef*>(~std::uintptr_t{0});
inline bool IdentEntry::IsMacro() const { return definition != kNotMacro; }

// The per-character hash values: non-zero exactly for digits, letters and '_'.
class CharHash {
 public:
  CharHash();
  std::int32_t operator[](unsigned char c) const { return values_[c]; }
  const std::int32_t* Values() const { return values_; }

 private:
  std::int32_t values_[256];
};
extern const CharHash kCharHash;

// Hash of a name: the sum of its bytes' values minus its length, modulo 2^32.
std::uint32_t HashName(const char* name, std::size_t length);

// Whether a name begins with "__" or "_W": the special macros are among these names, and the
// output file is opened before one of them is looked at.
inline bool StartsSpecialName(const char* name, std::size_t length) {
  return length >= 2 && name[0] == '_' && (name[1] == '_' || name[1] == 'W');
}

class IdentTable {
 public:
  static constexpr unsigned kBuckets = 32768;

  IdentTable(SaveArena& arena, BlockPool& blocks) : arena_(arena), blocks_(blocks) {}

  // Empties the table and installs the keywords for a file. `level` is the language level
  // (0 default, 1 -A, 2 -AU, 3 -AK).
  void Setup(int level, bool cplusplus, bool compatLevelSet);
  // Forgets every entry without touching the arena or the block pool, which are emptied at the
  // end of every file (the index of crowded buckets lives there).
  void Clear();

  // Finds the entry with this spelling, making a new one when there is none.
  IdentEntry* Lookup(const char* spelling, std::size_t length, std::uint32_t hash);
  // The same for a spelling followed by at least 16 readable bytes, as in a source buffer:
  // names of up to 16 bytes are then compared in one piece. The walk of an ordinary chain is
  // inline, for the names of the source text; everything else takes the way above.
  IdentEntry* LookupPadded(const char* spelling, std::size_t length, std::uint32_t hash) {
#if defined(__SSE2__)
    Bucket bucket = buckets_[hash & (kBuckets - 1)];
    if (bucket.chainLength < kCrowded && length <= 16) {
      // An entry's 16 bytes from its name on are read when they are committed; past the name
      // they belong to the next records or to free space, and the mask leaves them out. The
      // name's length varies from one name to the next, so comparing a length-dependent
      // number of pieces would mispredict often.
      const __m128i wanted = _mm_loadu_si128(reinterpret_cast<const __m128i*>(spelling));
      const unsigned mask = (1u << length) - 1;
      const char* readable = arena_.CommitEnd() - 16;
      for (IdentEntry* e = At(bucket.head); e != nullptr; e = e->next) {
        if (e->hash != hash || e->length != length) continue;
        if (e->name > readable) break;
        __m128i name = _mm_loadu_si128(reinterpret_cast<const __m128i*>(e->name));
        unsigned same = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(name, wanted)));
        if ((~same & mask) == 0) return e;
      }
    }
#endif
    return Lookup(spelling, length, hash);
  }
  IdentEntry* LookupName(const char* name);
  bool IsDefined(const char* name);

  // Calls `visit` for every entry that is a macro, bucket by bucket and each chain from its
  // head; stops when `visit` returns false.
  using MacroVisitor = bool (*)(void* owner, IdentEntry* entry);
  void ForEachMacro(MacroVisitor visit, void* owner) const;

 private:
  // Makes a new entry at the head of a chain that does not hold the spelling; `key` is the
  // spelling key when the bucket is crowded already.
  IdentEntry* Add(const char* spelling, std::size_t length, std::uint32_t hash, std::uint32_t key);
  void Install(const char* spelling, TokenCode code);
  IdentEntry* MakeEntry(const char* spelling, std::size_t length);

  // The hash of a name is a plain sum, so names made of the same characters in another order
  // (P12_3 and P21_3) share a bucket, and inputs with many such names grow long chains. A
  // bucket whose chain reaches kCrowded entries gets its entries entered in a second index as
  // well, keyed by a hash that depends on the order of the bytes; lookups in that bucket probe
  // the index instead of walking the chain. The chains stay as they are: they fix the order in
  // which macros are visited.
  static constexpr std::uint8_t kCrowded = 8;
  // A slot holds the key and the entry's offset in the arena; offset 0 marks an empty slot
  // (an entry never starts there, its tag byte comes first). Eight bytes a slot keep the index
  // small, so a probe costs few cache misses.
  struct Slot {
    std::uint32_t key;
    std::uint32_t offset;
  };
  static std::uint32_t SpellingKey(const char* spelling, std::size_t length);
  IdentEntry* IndexFind(const char* spelling, std::size_t length, std::uint32_t key) const;
  void IndexAdd(IdentEntry* entry, std::uint32_t key);

  // A bucket holds its chain's head as an offset in the arena (0: empty) and the number of
  // entries in the chain, counted up to kCrowded, in one word: a lookup finds both in one
  // cache line, and the whole array takes 128 KiB.
  struct Bucket {
    std::uint32_t head : 28;
    std::uint32_t chainLength : 4;
  };
  IdentEntry* At(std::uint32_t offset) const {
    return offset == 0 ? nullptr : reinterpret_cast<IdentEntry*>(arena_.Base() + offset);
  }
  std::uint32_t OffsetOf(const IdentEntry* entry) const {
    return static_cast<std::uint32_t>(reinterpret_cast<const char*>(entry) - arena_.Base());
  }

  SaveArena& arena_;
  BlockPool& blocks_;
  Bucket buckets_[kBuckets] = {};
  // Open addressing, a power of two of slots in a block of the per-file block pool; none until
  // a bucket is crowded.
  Slot* index_ = nullptr;
  std::size_t indexSize_ = 0;
  std::size_t indexed_ = 0;
  // One bit per bucket that holds entries, so emptying the table touches only those.
  std::uint64_t used_[kBuckets / 64] = {};
};

}  // namespace tpx
