// Types in constant expressions: the per-code table, the basic types of one evaluation, unique
// pointer types, arrays and functions, the reading of a type name in a cast or sizeof, and the
// size of a type.
#include <cstring>

#include "constexpr/evaluator.h"
#include "diagnostics/diagnostics.h"
#include "diagnostics/misc_strings.h"
#include "memory/memory.h"
#include "options/run_context.h"
#include "source/scanner.h"
#include "source/tokens.h"

namespace tpx {

// same representation, alignment, size, class flags
const TypeInfo TypeInfoTable[tc::Count] = {
    {0, 0, 0, 0x21},    // 0 error type
    {1, 1, 1, 0x01},    // 1 char
    {1, 1, 1, 0x01},    // 2 signed char
    {3, 1, 1, 0x21},    // 3 unsigned char
    {6, 2, 2, 0x21},    // 4 wchar_t
    {5, 2, 2, 0x01},    // 5 short
    {6, 2, 2, 0x21},    // 6 unsigned short
    {9, 4, 4, 0x01},    // 7 int
    {10, 4, 4, 0x21},   // 8 unsigned int
    {9, 4, 4, 0x01},    // 9 long
    {10, 4, 4, 0x21},   // 10 unsigned long
    {11, 8, 8, 0x01},   // 11 __int64
    {12, 8, 8, 0x21},   // 12 unsigned __int64
    {13, 4, 4, 0x02},   // 13 float
    {14, 8, 8, 0x02},   // 14 double
    {15, 8, 10, 0x02},  // 15 long double
    {16, 1, 0, 0x00},   // 16 void
    {17, 4, 4, 0x0C},   // 17 pointer
    {18, 2, 2, 0x10},   // 18 short pointer
    {19, 4, 6, 0x10},   // 19 far pointer
    {20, 4, 4, 0x0C},   // 20 further pointer kind
    {21, 1, 0, 0x00},   // 21 array
    {22, 1, 0, 0x00},   // 22 function
    {23, 4, 0, 0x00},   // 23 structure
    {24, 4, 0, 0x01},   // 24 enumeration
    {25, 4, 0, 0x80},   // 25 member pointer
    {2, 1, 1, 0x21},    // 26 bool
    {27, 4, 0, 0x80},   // 27 closure
    {28, 4, 0, 0x80},   // 28 member-pointer kind
    {29, 4, 0, 0x80},   // 29 member-pointer kind
};

std::uint32_t NormalizeToType(int code, std::uint32_t value, bool plainCharUnsigned) {
  switch (code) {
    case tc::Char:
      if (plainCharUnsigned) return value & 0xFF;
      [[fallthrough]];
    case tc::SignedChar:
      return static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<std::int8_t>(value)));
    case tc::UnsignedChar:
      return value & 0xFF;
    case tc::WChar:
    case tc::UnsignedShort:
      return value & 0xFFFF;
    case tc::Short:
      return static_cast<std::uint32_t>(
          static_cast<std::int32_t>(static_cast<std::int16_t>(value)));
    case tc::Bool:
      // A truth value: anything but 0 is true.
      return value != 0 ? 1 : 0;
    default:
      return value;
  }
}

// ---------------------------------------------------------------------------------------------
// Node pool.

ExprNodePool::~ExprNodePool() {
  while (head_ != nullptr) {
    Block* next = head_->next;
    blocks_.Free(head_);
    head_ = next;
  }
}

void* ExprNodePool::Allocate(std::size_t n) {
  n = (n + kAlign - 1) & ~(kAlign - 1);
  if (current_ != nullptr && n <= static_cast<std::size_t>(limit_ - current_)) {
    char* p = current_;
    current_ += n;
    std::memset(p, 0, n);
    return p;
  }
  return AllocateSlow(n);
}

void* ExprNodePool::AllocateSlow(std::size_t n) {
  // Blocks of the block pool are 8-byte aligned; the slack makes room to align to 16. A large
  // request gets a block of its own and leaves the current block current.
  bool own = n > kBlockSize / 2;
  std::size_t size = own ? n + sizeof(Block) + kAlign : kBlockSize;
  auto* block = static_cast<Block*>(blocks_.Allocate(size));
  block->next = head_;
  head_ = block;
  ++count_;
  char* start = reinterpret_cast<char*>(block) + sizeof(Block);
  std::uintptr_t misalignment = reinterpret_cast<std::uintptr_t>(start) % kAlign;
  if (misalignment != 0) start += kAlign - misalignment;
  if (!own) {
    current_ = start + n;
    limit_ = reinterpret_cast<char*>(block) + size;
  }
  std::memset(start, 0, n);
  return start;
}

// ---------------------------------------------------------------------------------------------
// Type records.

TypeRec* ExprEvaluator::BasicType(int code) {
  if (code < 0 || code >= tc::Count) return basic_[tc::Error];
  TypeRec* t = basic_[code];
  return t != nullptr ? t : basic_[tc::Error];
}

TypeRec* ExprEvaluator::PointerTo(TypeRec* target, std::uint8_t attributes) {
  if (pointerChains_ == nullptr)
    pointerChains_ = static_cast<TypeRec**>(pool_.Allocate(kPointerChains * sizeof(TypeRec*)));
  std::uintptr_t identity = reinterpret_cast<std::uintptr_t>(target);
  std::size_t chain = ((identity >> 4) ^ (identity >> 16) ^ attributes) % kPointerChains;
  for (TypeRec* t = pointerChains_[chain]; t != nullptr; t = t->nextInChain) {
    if (t->kind == tc::Pointer && t->referenced == target && t->attributes == attributes &&
        t->modifier == 0)
      return t;
  }
  auto* t = static_cast<TypeRec*>(pool_.Allocate(sizeof(TypeRec)));
  t->kind = tc::Pointer;
  t->attributes = attributes;
  t->referenced = target;
  t->nextInChain = pointerChains_[chain];
  pointerChains_[chain] = t;
  return t;
}

TypeRec* ExprEvaluator::ArrayOf(TypeRec* element, std::uint32_t count) {
  auto* t = static_cast<TypeRec*>(pool_.Allocate(sizeof(TypeRec)));
  t->kind = tc::Array;
  t->referenced = element;
  t->count = count;
  return t;
}

TypeRec* ExprEvaluator::FunctionReturning(TypeRec* result) {
  auto* t = static_cast<TypeRec*>(pool_.Allocate(sizeof(TypeRec)));
  t->kind = tc::Function;
  t->referenced = result;
  return t;
}

std::uint32_t ExprEvaluator::TypeSize(const TypeRec* type) {
  if (type == nullptr) return 1;
  switch (type->kind) {
    case tc::Array: {
      std::uint32_t count = 1;
      while (type->kind == tc::Array) {
        count *= type->count;
        type = type->referenced;
      }
      return count * TypeSize(type);
    }
    case tc::Struct:
      return type->size;
    case tc::Enum:
      return TypeSize(type->referenced);
    default:
      return InfoOf(type->kind).size;
  }
}

bool ExprEvaluator::CanBeginTypeName(TokenCode code) const {
  switch (code) {
    case kw::Char:
    case kw::WChar:
    case kw::Short:
    case kw::Int:
    case kw::Unsigned:
    case kw::Signed:
    case kw::Long:
    case kw::Float:
    case kw::Double:
    case kw::Void:
    case kw::Bool:
    case kw::Int8:
    case kw::Int16:
    case kw::Int32:
    case kw::Int64:
    case kw::Struct:
    case kw::Union:
    case kw::Enum:
    case kw::Class:
    case kw::Typename:
    case kw::Const:
    case kw::Volatile:
    case kw::Static:
    case kw::Extern:
    case kw::Typedef:
    case kw::Register:
    case kw::Auto:
    case kw::Friend:
    case kw::Inline:
    case kw::Virtual:
    case kw::Mutable:
    case kw::Explicit:
    case kw::Property:
    case kw::Declspec:
      return true;
    default:
      return false;
  }
}

// ---------------------------------------------------------------------------------------------
// Type names.

// One step of an abstract declarator, in the order in which the steps apply to the base type.
struct ExprEvaluator::Derivation {
  enum Kind : std::uint8_t { Pointer, Array, Function } kind;
  std::uint8_t attributes;
  std::uint32_t count;
  Derivation* next;
};

namespace {

enum class TypeWord { None, Int, Char, Int64, Float, Double, WChar, Void, Bool };

}  // namespace

// What the specifiers of a type name have said so far.
struct ExprEvaluator::Specifiers {
  TypeWord word = TypeWord::None;
  bool isShort = false, isLong = false, isSigned = false, isUnsigned = false;
  std::uint8_t qualifiers = 0;
  TokenCode storage = 0;
};

TypeRec* ExprEvaluator::ParseTypeName(std::uint8_t& qualifiers) {
  DepthGuard guard(*this);
  Specifiers specifiers;
  if (!ReadSpecifiers(specifiers)) return nullptr;
  int code = SpecifiedType(specifiers);
  qualifiers = specifiers.qualifiers;
  TypeRec* base = BasicType(code);

  Derivation* list = nullptr;
  if (!ParseDeclarator(list)) {
    if (Code() == tok::RParen) Next();
    return nullptr;
  }
  if (Code() != tok::RParen) {
    ErrorWithRecovery(msg::CloseParenExpected);
    return nullptr;
  }
  Next();
  return BuildType(base, list);
}

bool ExprEvaluator::ReadSpecifiers(Specifiers& s) {
  Diagnostics& diag = ctx_.diag;
  for (bool more = true; more;) {
    TokenCode code = Code();
    bool anyWord = s.word != TypeWord::None;
    auto setWord = [&](bool conflict, TypeWord w) {
      if (conflict)
        diag.ReportError(msg::TooManyTypes);
      else
        s.word = w;
    };
    switch (code) {
      case kw::Int:
      case kw::Int32:
        setWord(anyWord, TypeWord::Int);
        break;
      case kw::Char:
      case kw::Int8:
        setWord(anyWord || s.isShort || s.isLong, TypeWord::Char);
        break;
      case kw::Short:
      case kw::Int16:
        if (s.isShort || s.isLong)
          diag.ReportError(msg::TooManyTypes);
        else
          s.isShort = true;
        break;
      case kw::Long:
        if (s.isShort || s.isLong)
          diag.ReportError(msg::TooManyTypes);
        else
          s.isLong = true;
        break;
      case kw::Signed:
        s.isSigned = true;
        break;
      case kw::Unsigned:
        s.isUnsigned = true;
        break;
      case kw::Int64:
        setWord(anyWord || s.isShort || s.isLong, TypeWord::Int64);
        break;
      case kw::Float:
        setWord(anyWord || s.isShort || s.isLong, TypeWord::Float);
        break;
      case kw::Double:
        setWord(anyWord || s.isShort, TypeWord::Double);
        break;
      case kw::WChar:
        setWord(anyWord, TypeWord::WChar);
        break;
      case kw::Void:
        setWord(anyWord || s.isShort || s.isLong || s.isSigned || s.isUnsigned, TypeWord::Void);
        break;
      case kw::Bool:
        setWord(anyWord, TypeWord::Bool);
        break;
      case kw::Const:
      case kw::Volatile: {
        std::uint8_t bit = code == kw::Const ? ta::Const : ta::Volatile;
        if (s.qualifiers & bit) diag.ReportError(msg::AlreadyIncluded, kTokenNames[code]);
        s.qualifiers |= bit;
        break;
      }
      case kw::Extern:
      case kw::Static:
      case kw::Auto:
      case kw::Typedef:
      case kw::Register:
      case kw::Inline:
      case kw::Mutable:
        if (s.storage != 0)
          diag.ReportError(msg::TooManyStorageClasses);
        else
          s.storage = code;
        break;
      case kw::Friend:
      case kw::Virtual:
      case kw::Explicit:
        diag.ReportError(msg::StorageClassNotAllowed, kTokenNames[code]);
        break;
      case kw::Property:
        diag.ReportError(msg::StorageClassNotAllowed, "property");
        break;
      case kw::Pascal:
      case kw::Cdecl:
      case kw::Fastcall:
      case kw::Fortran:
      case kw::Stdcall:
        // Calling conventions do not change a value.
        break;
      case kw::Declspec:
        // __declspec(...) only modifies declarations; its argument is passed over.
        if (ctx_.scanner.PeekToken() == tok::LParen) {
          Next();  // the "("
          Next();
          if (!SkipParameterList()) return false;
          continue;  // the current token already follows the group
        }
        break;
      default:
        more = false;
        continue;
    }
    Next();
  }
  return true;
}

int ExprEvaluator::SpecifiedType(const Specifiers& s) {
  Diagnostics& diag = ctx_.diag;
  if ((s.isShort && s.isLong) || (s.isSigned && s.isUnsigned)) diag.ReportError(msg::TooManyTypes);
  int code = tc::Int;
  switch (s.word) {
    case TypeWord::None:
    case TypeWord::Int:
      code = s.isShort ? tc::Short : s.isLong ? tc::Long : tc::Int;
      if (s.isUnsigned) ++code;
      break;
    case TypeWord::Char:
      code = s.isUnsigned ? tc::UnsignedChar : s.isSigned ? tc::SignedChar : tc::Char;
      break;
    case TypeWord::Int64:
      code = s.isUnsigned ? tc::UnsignedInt64 : tc::Int64;
      break;
    case TypeWord::Float:
      if (s.isSigned || s.isUnsigned) diag.ReportError(msg::TooManyTypes);
      code = tc::Float;
      break;
    case TypeWord::Double:
      if (s.isSigned || s.isUnsigned) diag.ReportError(msg::TooManyTypes);
      code = s.isLong ? tc::LongDouble : tc::Double;
      break;
    case TypeWord::WChar:
      if (s.isShort || s.isLong || s.isSigned || s.isUnsigned) diag.ReportError(msg::TooManyTypes);
      code = tc::WChar;
      break;
    case TypeWord::Void:
      code = tc::Void;
      break;
    case TypeWord::Bool:
      code = tc::Bool;
      break;
  }
  if (s.storage != 0) diag.ReportError(msg::StorageClassNotAllowed, kTokenNames[s.storage]);
  return code;
}

bool ExprEvaluator::ParseDeclarator(Derivation*& list) {
  DepthGuard guard(*this);
  Derivation* head = nullptr;
  Derivation** tail = &head;
  auto append = [&](Derivation* d) {
    *tail = d;
    while (*tail != nullptr) tail = &(*tail)->next;
  };
  auto make = [&](Derivation::Kind kind, std::uint8_t attributes, std::uint32_t count) {
    auto* d = static_cast<Derivation*>(pool_.Allocate(sizeof(Derivation)));
    d->kind = kind;
    d->attributes = attributes;
    d->count = count;
    return d;
  };

  // Pointers apply first, from left to right.
  while (Code() == tok::Star) {
    Next();
    std::uint8_t attributes = 0;
    while (Code() == kw::Const || Code() == kw::Volatile) {
      std::uint8_t bit = Code() == kw::Const ? ta::Const : ta::Volatile;
      if ((attributes & bit) && !cpp_) ctx_.diag.ReportError(msg::ConflictingModifiers);
      attributes |= bit;
      Next();
    }
    append(make(Derivation::Pointer, attributes, 0));
  }

  // A nested declarator applies after the suffixes that follow it.
  Derivation* inner = nullptr;
  Derivation* suffixes = nullptr;
  if (Code() == tok::LParen) {
    Next();
    if (Code() == tok::RParen) {
      Next();
      suffixes = make(Derivation::Function, 0, 0);
    } else {
      if (!ParseDeclarator(inner)) return false;
      if (Code() != tok::RParen) {
        ErrorWithRecovery(msg::CloseParenExpected);
        return false;
      }
      Next();
    }
  }
  Derivation* more = nullptr;
  if (!ParseSuffixes(more)) return false;
  // Suffixes apply from the rightmost one outward.
  if (suffixes != nullptr) {
    suffixes->next = more;
    more = suffixes;
  }
  Derivation* reversed = nullptr;
  while (more != nullptr) {
    Derivation* next = more->next;
    more->next = reversed;
    reversed = more;
    more = next;
  }
  append(reversed);
  append(inner);
  list = head;
  return true;
}

bool ExprEvaluator::ParseSuffixes(Derivation*& list) {
  Derivation* head = nullptr;
  Derivation** tail = &head;
  for (;;) {
    Derivation d{};
    if (Code() == tok::LParen) {
      Next();
      if (!SkipParameterList()) return false;
      d.kind = Derivation::Function;
    } else if (Code() == tok::LBracket) {
      Next();
      d.kind = Derivation::Array;
      if (Code() == tok::RBracket) {
        d.count = 0;
      } else {
        std::uint32_t value = 0;
        bool isSigned = true;
        EvaluateConstantExpression(value, true, &isSigned);
        if (isSigned && static_cast<std::int32_t>(value) < 1) {
          ctx_.diag.ReportError(msg::ArrayNeedsElement);
          value = 1;
        }
        d.count = value;
        if (Code() != tok::RBracket) {
          ErrorWithRecovery(msg::MissingBracket, MiscString(misc::ArrayBounds));
          return false;
        }
      }
      Next();
    } else {
      break;
    }
    auto* step = static_cast<Derivation*>(pool_.Allocate(sizeof(Derivation)));
    *step = d;
    *tail = step;
    tail = &step->next;
  }
  list = head;
  return true;
}

// Passes over a parenthesised group whose "(" has been read, up to and including its ")".
bool ExprEvaluator::SkipParameterList() {
  int depth = 0;
  for (;;) {
    TokenCode code = Code();
    if (code == tok::EndOfLine || code == tok::EndOfInput) {
      ErrorWithRecovery(msg::CloseParenExpected);
      return false;
    }
    Next();
    if (code == tok::LParen) {
      ++depth;
    } else if (code == tok::RParen) {
      if (depth == 0) return true;
      --depth;
    }
  }
}

TypeRec* ExprEvaluator::BuildType(TypeRec* type, Derivation* list) {
  for (Derivation* d = list; d != nullptr; d = d->next) {
    switch (d->kind) {
      case Derivation::Pointer:
        type = PointerTo(type, d->attributes);
        break;
      case Derivation::Array: {
        if (type->kind == tc::Function || type->kind == tc::Void) {
          ErrorWithRecovery(msg::NotAllowedType);
          return nullptr;
        }
        if (type->kind == tc::Array && type->count == 0) {
          ErrorWithRecovery(msg::UnknownSize);
          return nullptr;
        }
        std::uint64_t bytes = static_cast<std::uint64_t>(TypeSize(type)) * d->count;
        if (bytes > 0xFFFFFFFFu) {
          ErrorWithRecovery(msg::ArrayTooLarge);
          return nullptr;
        }
        type = ArrayOf(type, d->count);
        break;
      }
      case Derivation::Function:
        if (type->kind == tc::Function || type->kind == tc::Array) {
          ErrorWithRecovery(msg::FunctionReturnsArray);
          return nullptr;
        }
        type = FunctionReturning(type);
        break;
    }
  }
  return type;
}

}  // namespace tpx
