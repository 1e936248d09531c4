#include "source/ident_table.h"

#include <algorithm>
#include <cstring>

#include "memory/memory.h"
#include "source/markers.h"
#include "source/tokens.h"

namespace tpx {

namespace {

// The tag byte written before each entry, so the arena can be walked record by record.
constexpr unsigned char kEntryTag = mark::kIdentTag;

struct Keyword {
  const char* spelling;
  TokenCode code;
};

const Keyword kGroup0[] = {
    {"__automated", kw::Automated},
    {"__published", kw::Published},
    {"__dispid", kw::Dispid},
    {"__closure", kw::Closure},
    {"__property", kw::Property},
    {"__int8", kw::Int8},
    {"__int16", kw::Int16},
    {"__int32", kw::Int32},
    {"__int64", kw::Int64},
    {"_fastcall", kw::Fastcall},
    {"asm", kw::Asm},
    {"_asm", kw::Asm},
    {"cdecl", kw::Cdecl},
    {"_cdecl", kw::Cdecl},
    {"_export", kw::DllExport},
    {"_import", kw::DllImport},
    {"pascal", kw::Pascal},
    {"_pascal", kw::Pascal},
    {"_fortran", kw::Fortran},
    {"_stdcall", kw::Stdcall},
};
const Keyword kGroup1[] = {
    {"const", kw::Const},         {"signed", kw::Signed},      {"volatile", kw::Volatile},
    {"__thread", kw::Thread},     {"__import", kw::DllImport}, {"__declspec", kw::Declspec},
    {"__fastcall", kw::Fastcall}, {"__asm", kw::Asm},          {"__cdecl", kw::Cdecl},
    {"__export", kw::DllExport},  {"__pascal", kw::Pascal},    {"__fortran", kw::Fortran},
    {"__stdcall", kw::Stdcall},
};
const Keyword kGroup2[] = {{"enum", kw::Enum}, {"void", kw::Void}};
const Keyword kGroup3[] = {
    {"auto", kw::Auto},
    {"break", kw::Break},
    {"case", kw::Case},
    {"char", kw::Char},
    {"continue", kw::Continue},
    {"default", kw::Default},
    {"do", kw::Do},
    {"double", kw::Double},
    {"else", kw::Else},
    {"extern", kw::Extern},
    {"float", kw::Float},
    {"for", kw::For},
    {"goto", kw::Goto},
    {"if", kw::If},
    {"int", kw::Int},
    {"long", kw::Long},
    {"register", kw::Register},
    {"return", kw::Return},
    {"short", kw::Short},
    {"sizeof", tok::Sizeof},
    {"static", kw::Static},
    {"struct", kw::Struct},
    {"switch", kw::Switch},
    {"typedef", kw::Typedef},
    {"union", kw::Union},
    {"unsigned", kw::Unsigned},
    {"while", kw::While},
};
// Group 4 holds the operator spellings, each with its own code; no identifier can match them,
// so installing them only adds entries that the scanner never finds.
const Keyword kGroup4[] = {
    {"(", tok::LParen},      {")", tok::RParen},       {"[", tok::LBracket},
    {"]", tok::RBracket},    {"{", tok::LBrace},       {"}", tok::RBrace},
    {";", tok::Semicolon},   {",", tok::Comma},        {"...", tok::Ellipsis},
    {"=", tok::Assign},      {"+=", tok::PlusAssign},  {"-=", tok::MinusAssign},
    {"*=", tok::StarAssign}, {"/=", tok::SlashAssign}, {"%=", tok::PercentAssign},
    {"&=", tok::AmpAssign},  {"|=", tok::BarAssign},   {"^=", tok::CaretAssign},
    {"<<=", tok::ShlAssign}, {">>=", tok::ShrAssign},  {"+", tok::Plus},
    {"-", tok::Minus},       {"*", tok::Star},         {"/", tok::Slash},
    {"%", tok::Percent},     {"&", tok::Amp},          {"|", tok::Bar},
    {"^", tok::Caret},       {"<<", tok::Shl},         {">>", tok::Shr},
    {"?", tok::Question},    {":", tok::Colon},        {"||", tok::OrOr},
    {"&&", tok::AndAnd},     {".*", tok::DotStar},     {"->*", tok::ArrowStar},
    {"==", tok::Equal},      {"!=", tok::NotEqual},    {"<", tok::Less},
    {">", tok::Greater},     {"<=", tok::LessEqual},   {">=", tok::GreaterEqual},
    {"!", tok::Not},         {"~", tok::Tilde},        {"sizeof", tok::Sizeof},
    {"++", tok::PlusPlus},   {"--", tok::MinusMinus},  {".", tok::Dot},
    {"->", tok::Arrow},      {"::", tok::ColonColon},
};
const Keyword kGroup5[] = {
    {"catch", kw::Catch},
    {"class", kw::Class},
    {"delete", kw::Delete},
    {"friend", kw::Friend},
    {"inline", kw::Inline},
    {"mutable", kw::Mutable},
    {"namespace", kw::Namespace},
    {"new", kw::New},
    {"operator", kw::Operator},
    {"private", kw::Private},
    {"protected", kw::Protected},
    {"public", kw::Public},
    {"template", kw::Template},
    {"this", kw::This},
    {"throw", kw::Throw},
    {"try", kw::Try},
    {"using", kw::Using},
    {"virtual", kw::Virtual},
    {"wchar_t", kw::WChar},
    {"__rtti", kw::Rtti},
    {"typeid", kw::Typeid},
    {"bool", kw::Bool},
    {"true", kw::True},
    {"false", kw::False},
    {"const_cast", kw::ConstCast},
    {"static_cast", kw::StaticCast},
    {"dynamic_cast", kw::DynamicCast},
    {"reinterpret_cast", kw::ReinterpretCast},
    {"explicit", kw::Explicit},
    {"typename", kw::Typename},
    {"__classid", kw::Classid},
    {"export", kw::Export},
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
  index_ = nullptr;
  indexSize_ = 0;
  indexed_ = 0;
}

void IdentTable::Setup(int level, bool cplusplus, bool compatLevelSet) {
  Clear();
  int lastGroup = cplusplus ? 5 : 3;
  for (int g = level; g <= lastGroup; ++g) {
    for (std::size_t i = 0; i < kGroups[g].count; ++i)
      Install(kGroups[g].words[i].spelling, kGroups[g].words[i].code);
  }
  if (compatLevelSet) Install("__inline", kw::Inline);
  if (cplusplus && level != 0) Install("asm", kw::Asm);
  if (!cplusplus) Install("__try", kw::Try);
  if (!(cplusplus && level == 1)) {
    Install("__except", kw::Except);
    Install("__finally", kw::Finally);
  }
}

void IdentTable::Install(const char* spelling, TokenCode code) {
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
  std::size_t mask = indexSize_ - 1;
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
  // Kept at most half full, so a probe ends soon at an empty slot. It grows inside the block
  // pool, so that running out of memory is the fatal "Out of memory" like any other.
  if (2 * (indexed_ + 1) > indexSize_) {
    const std::size_t size = indexSize_ < 4096 ? 4096 : 2 * indexSize_;
    auto* grown = static_cast<Slot*>(blocks_.Allocate(size * sizeof(Slot)));
    std::memset(grown, 0, size * sizeof(Slot));
    const std::size_t mask = size - 1;
    for (std::size_t k = 0; k < indexSize_; ++k) {
      const Slot& slot = index_[k];
      if (slot.offset == 0) continue;
      std::size_t i = slot.key & mask;
      while (grown[i].offset != 0) i = (i + 1) & mask;
      grown[i] = slot;
    }
    blocks_.Free(index_);
    index_ = grown;
    indexSize_ = size;
  }
  std::size_t mask = indexSize_ - 1;
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
