#include "source/ident_table.h"

#include <algorithm>
#include <cstring>

#include "memory/memory.h"

namespace tpx {

namespace {

// The tag byte written before each entry, so the arena can be walked record by record.
constexpr unsigned char kEntryTag = 0xFA;

struct Keyword {
  const char* spelling;
  std::uint8_t code;
};

const Keyword kGroup0[] = {
    {"__automated", 125}, {"__published", 126}, {"__dispid", 127}, {"__closure", 89},
    {"__property", 90},   {"__int8", 77},       {"__int16", 78},   {"__int32", 79},
    {"__int64", 80},      {"_fastcall", 84},    {"asm", 97},       {"_asm", 97},
    {"cdecl", 83},        {"_cdecl", 83},       {"_export", 92},   {"_import", 93},
    {"pascal", 82},       {"_pascal", 82},      {"_fortran", 85},  {"_stdcall", 86},
};
const Keyword kGroup1[] = {
    {"const", 87},      {"signed", 69},     {"volatile", 88},  {"__thread", 140}, {"__import", 93},
    {"__declspec", 94}, {"__fastcall", 84}, {"__asm", 97},     {"__cdecl", 83},   {"__export", 92},
    {"__pascal", 82},   {"__fortran", 85},  {"__stdcall", 86},
};
const Keyword kGroup2[] = {{"enum", 75}, {"void", 76}};
const Keyword kGroup3[] = {
    {"auto", 63},     {"break", 106},   {"case", 109},   {"char", 64},    {"continue", 107},
    {"default", 108}, {"do", 103},      {"double", 72},  {"else", 100},   {"extern", 60},
    {"float", 71},    {"for", 101},     {"goto", 98},    {"if", 99},      {"int", 67},
    {"long", 70},     {"register", 62}, {"return", 105}, {"short", 66},   {"sizeof", 46},
    {"static", 59},   {"struct", 73},   {"switch", 104}, {"typedef", 61}, {"union", 74},
    {"unsigned", 68}, {"while", 102},
};
// Group 4 holds the operator spellings, each with its own code; no identifier can match them,
// so installing them only adds entries that the scanner never finds.
const Keyword kGroup4[] = {
    {"(", 1},    {")", 2},   {"[", 3},       {"]", 4},   {"{", 5},    {"}", 6},    {";", 7},
    {",", 8},    {"...", 9}, {"=", 11},      {"+=", 12}, {"-=", 13},  {"*=", 14},  {"/=", 15},
    {"%=", 16},  {"&=", 17}, {"|=", 18},     {"^=", 19}, {"<<=", 20}, {">>=", 21}, {"+", 22},
    {"-", 23},   {"*", 24},  {"/", 25},      {"%", 26},  {"&", 27},   {"|", 28},   {"^", 29},
    {"<<", 30},  {">>", 31}, {"?", 32},      {":", 33},  {"||", 34},  {"&&", 35},  {".*", 36},
    {"->*", 37}, {"==", 38}, {"!=", 39},     {"<", 40},  {">", 41},   {"<=", 42},  {">=", 43},
    {"!", 44},   {"~", 45},  {"sizeof", 46}, {"++", 47}, {"--", 48},  {".", 49},   {"->", 50},
    {"::", 115},
};
const Keyword kGroup5[] = {
    {"catch", 111},      {"class", 116},       {"delete", 117},       {"friend", 118},
    {"inline", 119},     {"mutable", 135},     {"namespace", 134},    {"new", 120},
    {"operator", 121},   {"private", 122},     {"protected", 123},    {"public", 124},
    {"template", 132},   {"this", 130},        {"throw", 112},        {"try", 110},
    {"using", 133},      {"virtual", 131},     {"wchar_t", 65},       {"__rtti", 95},
    {"typeid", 96},      {"bool", 81},         {"true", 128},         {"false", 129},
    {"const_cast", 136}, {"static_cast", 137}, {"dynamic_cast", 138}, {"reinterpret_cast", 139},
    {"explicit", 141},   {"typename", 142},    {"__classid", 143},    {"export", 91},
};

struct KeywordGroup {
  const Keyword* words;
  std::size_t count;
};
template <std::size_t N>
constexpr KeywordGroup Group(const Keyword (&words)[N]) {
  return {words, N};
}
const KeywordGroup kGroups[6] = {Group(kGroup0), Group(kGroup1), Group(kGroup2),
                                 Group(kGroup3), Group(kGroup4), Group(kGroup5)};

}  // namespace

CharHash::CharHash() {
  std::memset(values_, 0, sizeof values_);
  std::uint32_t seed = 1;
  auto draw = [&seed]() {
    for (;;) {
      seed = seed * 1664525u + 1u;
      std::int32_t value = static_cast<std::int32_t>(seed) >> 16;
      if (value != 0) return value;
    }
  };
  for (int c = '0'; c <= '9'; ++c) values_[c] = draw();
  for (int c = 'A'; c <= 'Z'; ++c) values_[c] = draw();
  for (int c = 'a'; c <= 'z'; ++c) values_[c] = draw();
  values_['_'] = draw();
}

const CharHash kCharHash;

std::uint32_t HashName(const char* name, std::size_t length) {
  std::uint32_t hash = 0;
  for (std::size_t i = 0; i < length; ++i)
    hash += static_cast<std::uint32_t>(kCharHash[static_cast<unsigned char>(name[i])]);
  return hash - static_cast<std::uint32_t>(length);
}

static_assert(SaveArena::kReservation <= (std::size_t{1} << 28),
              "arena offsets must fit the bucket's head field");

void IdentTable::Clear() {
  for (unsigned w = 0; w < kBuckets / 64; ++w) {
    std::uint64_t bits = used_[w];
    while (bits != 0) {
      unsigned bit = static_cast<unsigned>(__builtin_ctzll(bits));
      buckets_[w * 64 + bit] = Bucket{0, 0};
      bits &= bits - 1;
    }
    used_[w] = 0;
  }
  if (indexed_ != 0) {
    std::fill(index_.begin(), index_.end(), Slot{0, 0});
    indexed_ = 0;
  }
}

void IdentTable::Setup(int level, bool cplusplus, bool compatLevelSet) {
  Clear();
  int lastGroup = cplusplus ? 5 : 3;
  for (int g = level; g <= lastGroup; ++g) {
    for (std::size_t i = 0; i < kGroups[g].count; ++i)
      Install(kGroups[g].words[i].spelling, kGroups[g].words[i].code);
  }
  if (compatLevelSet) Install("__inline", 119);
  if (cplusplus && level != 0) Install("asm", 97);
  if (!cplusplus) Install("__try", 110);
  if (!(cplusplus && level == 1)) {
    Install("__except", 113);
    Install("__finally", 114);
  }
}

void IdentTable::Install(const char* spelling, std::uint8_t code) {
  LookupName(spelling)->keyword = code;
}

IdentEntry* IdentTable::MakeEntry(const char* spelling, std::size_t length) {
  // Each entry sits on a pointer boundary with its tag byte just before it.
  constexpr std::size_t kAlign = alignof(IdentEntry);
  char* at = arena_.AllocationPointer();
  char* record = reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(at) + 1 + kAlign - 1) &
                                         ~(std::uintptr_t{kAlign} - 1));
  std::size_t size = offsetof(IdentEntry, name) + length + 1;
  char* end = record + ((size + kAlign - 1) & ~(kAlign - 1));
  if (end > arena_.CommitEnd()) arena_.Grow(static_cast<std::size_t>(end - arena_.CommitEnd()));
  record[-1] = static_cast<char>(kEntryTag);
  arena_.SetAllocationPointer(end);
  auto* entry = reinterpret_cast<IdentEntry*>(record);
  entry->reserved = 0;
  entry->definition = kNotMacro;
  entry->keyword = 0;
  entry->length = static_cast<std::uint16_t>(length);
  std::memcpy(entry->name, spelling, length);
  entry->name[length] = 0;
  return entry;
}

namespace {

// Whether the first and the last `sizeof(Word)` bytes of two spellings are equal; together they
// cover spellings of up to twice that length.
template <typename Word>
bool SameEnds(const char* a, const char* b, std::size_t length) {
  Word a0, a1, b0, b1;
  std::memcpy(&a0, a, sizeof(Word));
  std::memcpy(&b0, b, sizeof(Word));
  std::memcpy(&a1, a + length - sizeof(Word), sizeof(Word));
  std::memcpy(&b1, b + length - sizeof(Word), sizeof(Word));
  return ((a0 ^ b0) | (a1 ^ b1)) == 0;
}

// Whether two spellings of the same length are equal. Names are short: up to 16 bytes they are
// compared as two pieces of 8, 4 or 1 bytes that may overlap, without a call.
bool SameSpelling(const char* a, const char* b, std::size_t length) {
  if (length > 16) return std::memcmp(a, b, length) == 0;
  if (length >= 8) return SameEnds<std::uint64_t>(a, b, length);
  if (length >= 4) return SameEnds<std::uint32_t>(a, b, length);
  for (std::size_t i = 0; i < length; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

}  // namespace

// A multiplicative hash of the spelling taken eight bytes at a time; unlike the bucket hash it
// depends on the order of the bytes.
std::uint32_t IdentTable::SpellingKey(const char* spelling, std::size_t length) {
  constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
  std::uint64_t h = length * kMul;
  std::size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, spelling + i, 8);
    h = (h ^ word) * kMul;
    h ^= h >> 32;
  }
  if (i < length) {
    std::uint64_t word = 0;
    std::memcpy(&word, spelling + i, length - i);
    h = (h ^ word) * kMul;
    h ^= h >> 32;
  }
  return static_cast<std::uint32_t>(h);
}

IdentEntry* IdentTable::IndexFind(const char* spelling, std::size_t length,
                                  std::uint32_t key) const {
  std::size_t mask = index_.size() - 1;
  char* base = arena_.Base();
  for (std::size_t i = key & mask;; i = (i + 1) & mask) {
    const Slot& slot = index_[i];
    if (slot.offset == 0) return nullptr;
    if (slot.key == key) {
      auto* e = reinterpret_cast<IdentEntry*>(base + slot.offset);
      if (e->length == length && SameSpelling(e->name, spelling, length)) return e;
    }
  }
}

void IdentTable::IndexAdd(IdentEntry* entry, std::uint32_t key) {
  // Kept at most half full, so a probe ends soon at an empty slot.
  if (2 * (indexed_ + 1) > index_.size()) {
    std::vector<Slot> old(std::max<std::size_t>(4096, 2 * index_.size()), Slot{0, 0});
    old.swap(index_);
    std::size_t mask = index_.size() - 1;
    for (const Slot& slot : old) {
      if (slot.offset == 0) continue;
      std::size_t i = slot.key & mask;
      while (index_[i].offset != 0) i = (i + 1) & mask;
      index_[i] = slot;
    }
  }
  std::size_t mask = index_.size() - 1;
  std::size_t i = key & mask;
  while (index_[i].offset != 0) i = (i + 1) & mask;
  index_[i] = Slot{key, OffsetOf(entry)};
  ++indexed_;
}

IdentEntry* IdentTable::Lookup(const char* spelling, std::size_t length, std::uint32_t hash) {
  Bucket bucket = buckets_[hash & (kBuckets - 1)];
  std::uint32_t key = 0;
  if (bucket.chainLength < kCrowded) {
    for (IdentEntry* e = At(bucket.head); e != nullptr; e = e->next) {
      if (e->hash == hash && e->length == length && SameSpelling(e->name, spelling, length))
        return e;
    }
  } else {
    key = SpellingKey(spelling, length);
    if (IdentEntry* e = IndexFind(spelling, length, key)) return e;
  }
  return Add(spelling, length, hash, key);
}

IdentEntry* IdentTable::Add(const char* spelling, std::size_t length, std::uint32_t hash,
                            std::uint32_t key) {
  unsigned number = hash & (kBuckets - 1);
  Bucket& bucket = buckets_[number];
  used_[number / 64] |= std::uint64_t{1} << (number % 64);
  IdentEntry* entry = MakeEntry(spelling, length);
  entry->hash = hash;
  entry->next = At(bucket.head);
  bucket.head = OffsetOf(entry);
  if (bucket.chainLength == kCrowded) {
    IndexAdd(entry, key);
  } else if (++bucket.chainLength == kCrowded) {
    for (IdentEntry* e = entry; e != nullptr; e = e->next)
      IndexAdd(e, SpellingKey(e->name, e->length));
  }
  return entry;
}

IdentEntry* IdentTable::LookupName(const char* name) {
  std::size_t length = std::strlen(name);
  if (length > 0xFFFF) length = 0xFFFF;
  return Lookup(name, length, HashName(name, length));
}

bool IdentTable::IsDefined(const char* name) { return LookupName(name)->IsMacro(); }

void IdentTable::ForEachMacro(MacroVisitor visit, void* owner) const {
  for (const Bucket& bucket : buckets_) {
    for (IdentEntry* e = At(bucket.head); e != nullptr; e = e->next) {
      if (e->IsMacro() && !visit(owner, e)) return;
    }
  }
}

}  // namespace tpx
