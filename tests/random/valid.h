// Valid mode: random but valid C90 (or C++98) preprocessor input, for the differential test
// against gcc (difftest.cpp). Every tree it writes is meant to be preprocessed without a message
// by a standard preprocessor, and to give the same tokens in tpx32 and in gcc; the constructs
// where tpx32 differs from gcc on purpose are left out (tests/random/intended_differences.md
// lists them, each with the rule it rests on).
//
// A tree is a main file ("m.c", or "m.cpp" for C++) and up to six headers, in the main folder
// and in "inc/", each guarded and generated when it is first included. The generator keeps the
// macro table as the preprocessor will see it at every point of the text it writes (it knows
// the value of every #if it writes, so it knows which groups are live), and uses that table to
// keep each construct valid:
//   - #if expressions are built from numbers, character constants, `defined`, value macros
//     (object-like, with expression bodies), value functions (function-like macros that
//     parenthesise their parameters, and ones that paste digits or names) and every operator;
//     every subexpression is evaluated and kept within the values that 32-bit and 64-bit
//     arithmetic give alike;
//   - text macros take parameters of a kind (any tokens, one name, digits, a name or digits,
//     one given operator), so that every `##` forms one valid token: names, numbers, suffixed
//     and floating numbers, operators, wide literals;
//   - macro names keep their kind for the whole tree (object- or function-like, the number and
//     kinds of parameters), so a call written in a body stays valid whatever the body meets;
//   - a function-like macro name written without a call is followed at once, on its line, by
//     another token;
//   - expansions are kept small (an estimate of each use's size), far from any length limit.
//
// Parameters: lang=c|cpp (drawn per tree otherwise), size=small|big, known-faults=1 (writes the
// constructs of the known faults listed in tests/random/README.md, left out otherwise).
#ifndef TPX32_TESTS_RANDOM_VALID_H_
#define TPX32_TESTS_RANDOM_VALID_H_

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "pp_tokens.h"
#include "source_writer.h"
#include "tree.h"

namespace tpxgen {

namespace valid {

// ---------------------------------------------------------------------------------------------
// #if arithmetic. tpx32 computes in 32 bits (int and long), gcc in 64 bits (intmax_t); they give
// the same result as long as no value leaves the range of its type in 32 bits and no negative
// value is converted to unsigned. Apply() refuses every operation that would.

struct IfValue {
  std::int64_t v = 0;
  bool isUnsigned = false;
};

constexpr std::int64_t kIntMin = -2147483647LL - 1;
constexpr std::int64_t kIntMax = 2147483647LL;
constexpr std::int64_t kUintMax = 4294967295LL;

inline bool InRange(const IfValue& x) {
  return x.isUnsigned ? (x.v >= 0 && x.v <= kUintMax) : (x.v >= kIntMin && x.v <= kIntMax);
}

// The usual arithmetic conversions: whether the common type is unsigned; nothing when a
// negative value would be converted to unsigned.
inline std::optional<bool> CommonType(const IfValue& a, const IfValue& b) {
  bool u = a.isUnsigned || b.isUnsigned;
  if (u && ((!a.isUnsigned && a.v < 0) || (!b.isUnsigned && b.v < 0))) return std::nullopt;
  return u;
}

inline std::optional<IfValue> ApplyUnary(const std::string& op, IfValue a) {
  IfValue r = a;
  if (op == "!") return IfValue{a.v == 0 ? 1 : 0, false};
  if (op == "+") return a;
  if (op == "-") {
    if (a.isUnsigned && a.v != 0) return std::nullopt;
    r.v = -a.v;
  } else if (op == "~") {
    if (a.isUnsigned) return std::nullopt;
    r.v = ~a.v;
  }
  if (!InRange(r)) return std::nullopt;
  return r;
}

inline std::optional<IfValue> ApplyBinary(const std::string& op, IfValue a, IfValue b) {
  if (op == "&&") return IfValue{(a.v != 0 && b.v != 0) ? 1 : 0, false};
  if (op == "||") return IfValue{(a.v != 0 || b.v != 0) ? 1 : 0, false};
  if (op == "<<" || op == ">>") {
    // The type is the left operand's; the count stays below the width, the value positive.
    if (b.v < 0 || b.v > 30 || a.v < 0) return std::nullopt;
    IfValue r{op == "<<" ? a.v << b.v : a.v >> b.v, a.isUnsigned};
    if (!InRange(r)) return std::nullopt;
    return r;
  }
  std::optional<bool> u = CommonType(a, b);
  if (!u) return std::nullopt;
  IfValue r{0, *u};
  if (op == "<" || op == ">" || op == "<=" || op == ">=" || op == "==" || op == "!=") {
    bool t = op == "<"    ? a.v < b.v
             : op == ">"  ? a.v > b.v
             : op == "<=" ? a.v <= b.v
             : op == ">=" ? a.v >= b.v
             : op == "==" ? a.v == b.v
                          : a.v != b.v;
    return IfValue{t ? 1 : 0, false};
  }
  if (op == "+") {
    r.v = a.v + b.v;
  } else if (op == "-") {
    // tpx32 subtracts a signed constant by adding its negation, which the smallest int does not
    // have: left out (see intended_differences.md).
    if (!r.isUnsigned && b.v == kIntMin) return std::nullopt;
    r.v = a.v - b.v;
  } else if (op == "*") {
    if (__builtin_mul_overflow(a.v, b.v, &r.v)) return std::nullopt;  // far out of range anyway
  } else if (op == "/" || op == "%") {
    if (b.v == 0) return std::nullopt;
    r.v = op == "/" ? a.v / b.v : a.v % b.v;  // both truncate toward zero
  } else if (op == "&" || op == "|" || op == "^") {
    if (a.v < 0 || b.v < 0) return std::nullopt;  // bits of negative values: left out
    r.v = op == "&" ? (a.v & b.v) : op == "|" ? (a.v | b.v) : (a.v ^ b.v);
  } else {
    return std::nullopt;
  }
  if (!InRange(r)) return std::nullopt;
  return r;
}

// ---------------------------------------------------------------------------------------------
// #if expressions as trees, so that one can be evaluated against the macro table of the moment
// and written out.

struct Expr;
using ExprPtr = std::shared_ptr<const Expr>;

struct Expr {
  enum class Kind {
    kLiteral,      // text, value
    kName,         // text: an identifier; a value macro's name, or a name that is none (0)
    kDefined,      // text: the name; paren: written with parentheses
    kUnary,        // text: operator; operands[0]
    kBinary,       // text: operator; operands[0], operands[1]
    kCond,         // operands: condition, then, else
    kCall,         // text: a value function's name; operands: its arguments
    kPasteNumber,  // text: a pasting value function; left and right: the digits pasted
    kPasteName,    // text: a pasting value function; left and right: the name's two parts
    kParen,        // operands[0] in parentheses
  };
  Kind kind = Kind::kLiteral;
  std::string text;
  IfValue value;
  std::vector<ExprPtr> operands;
  std::string left, right;
  bool paren = false;
};

inline ExprPtr MakeExpr(Expr e) { return std::make_shared<const Expr>(std::move(e)); }

// ---------------------------------------------------------------------------------------------
// Macros.

enum class ParamKind {
  kAny,     // any balanced tokens, not empty
  kIdent,   // one name that is never a macro
  kDigits,  // decimal digits, the first not 0
  kIdTail,  // a name that is never a macro, or digits
  kToken,   // exactly the token `token` (an operand of an operator paste)
};

struct Param {
  std::string name;
  ParamKind kind = ParamKind::kAny;
  std::string token;
  // The macro's bodies may stringize it. Its argument, where a body passes one, then never
  // holds that body's own parameters: the text of an expanded argument carries blanks where
  // the tools need not agree (tpx32 puts one after a function-like macro's name left without
  // a call).
  bool stringized = false;
};

// What a value function computes from its arguments.
enum class ValueFn { kUnary, kBinary, kCond, kIdentity, kPaste };

enum class Role {
  kValue,    // object-like; body: an expression (parenthesised unless a literal)
  kValueFn,  // function-like; a ValueFn over its parameters
  kText,     // object- or function-like; any tokens
  kAlias,    // object-like; body: the name of a function-like text macro
  kGuard,    // a header's include guard
};

// One item of a text macro's body, kept for the estimate of expansion sizes.
struct BodyRef {
  std::string macro;  // a macro named in the body (expanded when defined at use time)
  int paramUses = 0;  // how many times parameters are substituted
};

struct Macro {
  std::string name;
  Role role = Role::kText;
  bool functionLike = false;
  std::vector<Param> params;
  // Fixed for the whole tree:
  ValueFn fn = ValueFn::kIdentity;
  std::string op;         // kValueFn: the operator of kUnary and kBinary
  std::string target;     // kAlias: the function-like macro it names
  bool mayUndef = false;  // #undef and a different redefinition are allowed
  // The definition of the moment:
  bool defined = false;
  ExprPtr value;         // kValue
  std::string bodyText;  // the body as written, for identical redefinitions
  std::size_t bodyBytes = 0;
  std::vector<std::string> refs;  // macros the body names
  int paramUses = 0;
};

// ---------------------------------------------------------------------------------------------
// Words.

// Keywords of C and C++ in the spelling tpx32 writes them, and words gcc treats as ordinary
// names. Alias spellings (cdecl, _cdecl, pascal, ...) and asm are left out: tpx32 writes the
// first by their canonical spelling and copies the statement after the second as it stands.
inline const std::vector<std::string>& CKeywords() {
  static const std::vector<std::string> words = {
      "auto",    "break",   "case",      "char",   "const",      "continue",  "default",  "do",
      "double",  "else",    "enum",      "extern", "float",      "for",       "goto",     "if",
      "int",     "long",    "register",  "return", "short",      "signed",    "sizeof",   "static",
      "struct",  "switch",  "typedef",   "union",  "unsigned",   "void",      "volatile", "while",
      "__int64", "__cdecl", "__stdcall", "__int8", "__declspec", "__fastcall"};
  return words;
}
inline const std::vector<std::string>& CppKeywords() {
  static const std::vector<std::string> words = {
      "bool",        "catch",    "class",   "const_cast", "delete",  "dynamic_cast",
      "explicit",    "false",    "friend",  "inline",     "mutable", "namespace",
      "new",         "operator", "private", "protected",  "public",  "reinterpret_cast",
      "static_cast", "template", "this",    "throw",      "true",    "try",
      "typeid",      "typename", "using",   "virtual",    "wchar_t"};
  return words;
}

// Names a generated name must never be: every keyword and alias spelling of either tool, the
// names of C++'s alternative operator spellings, and names with a meaning of their own.
inline bool ReservedName(const std::string& n) {
  static const std::set<std::string> reserved = [] {
    std::set<std::string> s = {
        "and",       "and_eq",   "bitand",   "bitor",   "compl",      "not",       "not_eq",
        "or",        "or_eq",    "xor",      "xor_eq",  "defined",    "L",         "asm",
        "_asm",      "cdecl",    "_cdecl",   "pascal",  "_pascal",    "_fastcall", "_export",
        "_import",   "_fortran", "_stdcall", "fortran", "_Pragma",    "export",    "u",
        "U",         "u8",       "R",        "LR",      "uR",         "UR",        "u8R",
        "_Bool",     "_Complex", "restrict", "inline",  "_Imaginary", "__try",     "__except",
        "__finally", "__inline"};
    for (const std::string& w : CKeywords()) s.insert(w);
    for (const std::string& w : CppKeywords()) s.insert(w);
    return s;
  }();
  if (reserved.count(n)) return true;
  // Names that begin with two underscores or with an underscore and a capital are the
  // implementation's (gcc's __has_include, tpx32's predefined _WIN32 and __FLAT__, ...).
  if (n.size() >= 2 && n[0] == '_' && (n[1] == '_' || (n[1] >= 'A' && n[1] <= 'Z'))) return true;
  return false;
}

// Predefined macros of tpx32 with their values under the default options (C and C++), given
// to gcc by the harness; #if and #ifdef may name them.
inline const std::vector<std::pair<std::string, std::int64_t>>& KnownPredefined() {
  static const std::vector<std::pair<std::string, std::int64_t>> names = {
      {"_WIN32", 1},    {"__FLAT__", 1}, {"_M_IX86", 300},    {"_INTEGRAL_MAX_BITS", 64},
      {"__WIN32__", 1}, {"_Windows", 1}, {"__CGVER__", 0x200}};
  return names;
}

// ---------------------------------------------------------------------------------------------

// `text` with each of its line ends (CR LF, CR or LF) written as `eol`.
inline std::string WithLineEnds(const std::string& text, const std::string& eol) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += eol;
    } else {
      out += text[i];
    }
  }
  return out;
}

class Builder {
 public:
  Builder(std::uint64_t seed, const Params& params)
      : rng_(seed * 0xD1B54A32D192ED03ull + 0x51ED27ull), params_(params) {}

  Tree Build() {
    std::string lang = params_.Text("lang", "");
    cpp_ = lang == "cpp" ? true : lang == "c" ? false : rng_.Chance(1, 3);
    avoidKnown_ = params_.Int("known-faults", 0) == 0;
    big_ =
        params_.Text("size", "") == "big" || (params_.Text("size", "") == "" && rng_.Chance(1, 8));
    MakeNames();
    tree_.main = cpp_ ? "m.cpp" : "m.c";
    std::uint32_t headerCount = rng_.Below(7);
    for (std::uint32_t i = 0; i < headerCount; ++i) {
      Header h;
      h.path = (rng_.Chance(1, 2) ? "inc/" : "") + std::string("h") + std::to_string(i) + ".h";
      h.guard = NewName(3, 12, Case::kMacro) + "_H";
      headers_.push_back(h);
    }
    std::string mainText = FileText(0, big_ ? rng_.Between(250, 700) : rng_.Between(15, 140));
    tree_.files.push_back({tree_.main, mainText});
    for (const Header& h : headers_) {
      if (h.written) tree_.files.push_back({h.path, h.text});
    }
    return tree_;
  }

 private:
  struct Header {
    std::string path;
    std::string guard;
    bool written = false;
    std::string text;
  };

  // ---- names ----

  // A fresh name. Names of macros hold a capital letter and other names none, so that no paste
  // of names and digits forms the name of a function-like macro.
  enum class Case { kLower, kMacro };
  std::string NewName(std::uint32_t minLen, std::uint32_t maxLen, Case nameCase) {
    // Long names up to tpx32's limit of 250 characters; names that may be pasted to others
    // (those without capitals) up to 60, so that no paste makes a longer one.
    const std::uint32_t longest = nameCase == Case::kLower ? 60 : 250;
    static const char kLower[] = "abcdefghijkmnopqrstuvwxyz_";
    static const char kLowerRest[] = "abcdefghijklmnopqrstuvwxyz_0123456789";
    static const char kAny[] = "abcdefghijkmnopqrstuvwxyzABCDEFGHIJKMNOPQRSTUVWXYZ_";
    static const char kAnyRest[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789";
    const bool lower = nameCase == Case::kLower;
    for (;;) {
      std::uint32_t len = rng_.Between(minLen, maxLen);
      if (rng_.Chance(1, 60)) len = rng_.Between(30, longest);
      std::string s;
      s += lower ? kLower[rng_.Below(sizeof kLower - 1)] : kAny[rng_.Below(sizeof kAny - 1)];
      while (s.size() < len) {
        s += lower ? kLowerRest[rng_.Below(sizeof kLowerRest - 1)]
                   : kAnyRest[rng_.Below(sizeof kAnyRest - 1)];
      }
      // A name ending in a digit could be formed by pasting a value macro's prefix and digits.
      if (s.back() >= '0' && s.back() <= '9') s.back() = 'q';
      if (!lower && s.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos) {
        s[rng_.Below(static_cast<std::uint32_t>(s.size()))] = 'Q';
      }
      if (ReservedName(s) || used_.count(s)) continue;
      if (!valuePrefix_.empty() && s.compare(0, valuePrefix_.size(), valuePrefix_) == 0) continue;
      used_.insert(s);
      return s;
    }
  }

  void MakeNames() {
    // Value macros are named by one prefix and a number, so that pasting the two forms them.
    do {
      valuePrefix_ = "v";
      valuePrefix_ += static_cast<char>('a' + rng_.Below(26));
      valuePrefix_ += static_cast<char>('a' + rng_.Below(26));
    } while (ReservedName(valuePrefix_));
    used_.insert(valuePrefix_);
    for (int i = 0; i < 24; ++i) plain_.push_back(NewName(2, 10, Case::kLower));
    std::uint32_t values = rng_.Between(3, 9);
    for (std::uint32_t i = 0; i < values; ++i) {
      Macro m;
      m.name = valuePrefix_ + std::to_string(i);
      m.role = Role::kValue;
      m.mayUndef = rng_.Chance(1, 3);
      AddMacro(m);
    }
    // Value functions: one of each shape, and a few more.
    std::vector<ValueFn> shapes = {ValueFn::kBinary, ValueFn::kBinary,   ValueFn::kUnary,
                                   ValueFn::kCond,   ValueFn::kIdentity, ValueFn::kPaste};
    for (std::uint32_t i = rng_.Below(3); i > 0; --i) shapes.push_back(ValueFn::kBinary);
    for (ValueFn shape : shapes) {
      Macro m;
      m.name = NewName(1, 8, Case::kMacro);
      m.role = Role::kValueFn;
      m.functionLike = true;
      m.fn = shape;
      int n = shape == ValueFn::kUnary || shape == ValueFn::kIdentity ? 1
              : shape == ValueFn::kCond                               ? 3
                                                                      : 2;
      // The pasting one takes digits (a caller may pass its own parameters on to it).
      ParamKind kind = shape == ValueFn::kPaste ? ParamKind::kDigits : ParamKind::kAny;
      for (int k = 0; k < n; ++k) m.params.push_back(Param{ParamName(m, k), kind, ""});
      if (shape == ValueFn::kUnary) m.op = rng_.Pick(std::vector<std::string>{"-", "+", "~", "!"});
      if (shape == ValueFn::kBinary) m.op = rng_.Pick(BinaryOperators());
      AddMacro(m);
    }
    // Text macros: object-like and function-like with parameters of every kind.
    std::uint32_t texts = rng_.Between(4, 12);
    for (std::uint32_t i = 0; i < texts; ++i) {
      Macro m;
      m.name = NewName(1, 9, Case::kMacro);
      m.role = Role::kText;
      m.functionLike = rng_.Chance(3, 5);
      m.mayUndef = rng_.Chance(1, 3);
      if (m.functionLike) {
        std::uint32_t n = rng_.Weighted({2, 6, 5, 3, 1});
        for (std::uint32_t k = 0; k < n; ++k) {
          Param p{ParamName(m, static_cast<int>(k)), ParamKind::kAny, ""};
          std::uint32_t r = rng_.Below(10);
          p.kind = r < 5   ? ParamKind::kAny
                   : r < 7 ? ParamKind::kIdent
                   : r < 8 ? ParamKind::kDigits
                   : r < 9 ? ParamKind::kIdTail
                           : ParamKind::kToken;
          if (p.kind == ParamKind::kToken) p.token = rng_.Pick(PasteOperands());
          p.stringized = rng_.Chance(1, 3);
          m.params.push_back(p);
        }
      }
      AddMacro(m);
    }
    // Aliases: an object-like macro whose body names a function-like one.
    for (std::uint32_t i = rng_.Below(3); i > 0; --i) {
      std::vector<std::string> fns;
      for (const std::string& n : order_) {
        if (macros_[n].role == Role::kText && macros_[n].functionLike) fns.push_back(n);
      }
      if (fns.empty()) break;
      Macro m;
      m.name = NewName(1, 8, Case::kMacro);
      m.role = Role::kAlias;
      m.target = rng_.Pick(fns);
      AddMacro(m);
    }
  }

  std::string ParamName(const Macro& m, int k) {
    if (rng_.Chance(2, 3)) {
      std::string n(1, static_cast<char>('a' + k));
      if (n != m.name) return n;
    }
    return NewName(2, 12, Case::kLower);
  }

  void AddMacro(const Macro& m) {
    order_.push_back(m.name);
    macros_[m.name] = m;
  }

  static const std::vector<std::string>& BinaryOperators() {
    static const std::vector<std::string> ops = {
        "*",  "/",  "%",  "+",  "-", "<<", ">>", "<",  ">",
        "<=", ">=", "==", "!=", "&", "^",  "|",  "&&", "||"};
    return ops;
  }

  // The single operator tokens a parameter of kind kToken may stand for; each is the left or
  // right part of some operator formed by pasting (see OperatorPastes).
  std::vector<std::string> PasteOperands() const {
    std::vector<std::string> v = {"+", "-", "<", ">", "&",  "|",  "=",  "!",
                                  "*", "/", "%", "^", "<<", ">>", "<=", ">="};
    return v;
  }
  // Operators made by pasting two operator tokens: {left, right}.
  std::vector<std::pair<std::string, std::string>> OperatorPastes() const {
    std::vector<std::pair<std::string, std::string>> v = {
        {"+", "+"}, {"+", "="},  {"-", "-"},  {"-", "="},  {"-", ">"}, {"<", "<"},
        {"<", "="}, {">", ">"},  {">", "="},  {"&", "&"},  {"&", "="}, {"|", "|"},
        {"|", "="}, {"=", "="},  {"!", "="},  {"*", "="},  {"/", "="}, {"%", "="},
        {"^", "="}, {"<<", "="}, {">>", "="}, {"<", "<="}, {">", ">="}};
    if (cpp_) {
      v.push_back({":", ":"});
      v.push_back({"->", "*"});
      v.push_back({".", "*"});
    }
    return v;
  }

  // ---- files ----

  // The text of one file: `lines` lines of any kind, conditionals closed at the end.
  std::string FileText(int depth, std::uint32_t lines) {
    SourceWriter w(rng_);
    static const std::vector<std::string> eols = {"\n", "\n", "\r\n", "\r"};
    w.SetMainLineEnd(rng_.Pick(eols));
    w.SetOnlyMainLineEnd(true);
    w.SetAvoidKnown(true);  // no zero bytes among the blanks
    writers_.push_back(&w);
    std::vector<Frame> frames;
    frames_.swap(frames);
    for (std::uint32_t i = 0; i < lines; ++i) {
      Line(w, depth);
      w.LineEnd();
    }
    while (!frames_.empty()) {
      EndIf(w);
      w.LineEnd();
    }
    frames_.swap(frames);
    writers_.pop_back();
    // Some files lack the last line end. None ends in a line splice: gcc warns about that.
    std::string text = w.Text();
    for (;;) {
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
      if (text.empty() || text.back() != '\\') break;
      text.pop_back();  // the backslash of a splice between tokens
    }
    // gcc also warns when the last line, left without its line end, was continued by a splice.
    std::size_t lastEnd = text.find_last_of("\r\n");
    bool continued =
        lastEnd != std::string::npos && lastEnd > 0 &&
        (text[lastEnd - 1] == '\\' || (text[lastEnd] == '\n' && text[lastEnd - 1] == '\r' &&
                                       lastEnd > 1 && text[lastEnd - 2] == '\\'));
    if (!text.empty() && (continued || !rng_.Chance(1, 10))) text += w.LineEndText();
    return text;
  }

  bool Live() const {
    for (const Frame& f : frames_) {
      if (!f.live) return false;
    }
    return true;
  }

  void Line(SourceWriter& w, int depth) {
    std::size_t kind = rng_.Weighted({30, 16, 10, 8, 5, 5, 3, 2, 2, 2, 3});
    switch (kind) {
      case 0:
        TextLine(w);
        break;
      case 1:
        Define(w);
        break;
      case 2:
        If(w);
        break;
      case 3:
        if (!frames_.empty()) {
          ElseOrElif(w);
        } else {
          Define(w);
        }
        break;
      case 4:
        if (!frames_.empty() && frames_.size() > (rng_.Chance(1, 2) ? 0u : 1u)) {
          EndIf(w);
        } else {
          TextLine(w);
        }
        break;
      case 5:
        Undef(w);
        break;
      case 6:
        Include(w, depth);
        break;
      case 7:
        DirectiveStart(w);  // the null directive
        break;
      case 8:
        LineDirective(w);
        break;
      case 9:
        CommentLine(w);
        break;
      default:
        Ifdef(w);
        break;
    }
  }

  // ---- token emission ----

  // Writes tokens into a writer with what may stand between them: blanks, comments, line
  // splices, and, outside directives, line ends. A blank is written between two tokens that
  // would otherwise run together.
  class Emitter {
   public:
    Emitter(Builder& b, SourceWriter& w, bool directive) : b_(b), w_(w), directive_(directive) {}

    void Tok(const std::string& t) {
      if (!last_.empty() && tpxdiff::RunTogether(last_, t)) {
        w_.Raw(' ');
      } else if (apart_ && b_.avoidKnown_ && !t.empty() &&
                 (tpxdiff::IsIdentChar(static_cast<unsigned char>(t[0])) || t[0] == '.' ||
                  t[0] == '+' || t[0] == '-')) {
        // Known fault: after a comment, or after a macro use whose expansion may end in a
        // number, tpx32 writes no blank before text that continues a preprocessing number.
        w_.Raw(' ');
      } else if (apart_ && b_.cpp_ && !t.empty() && t[0] == '*') {
        // gcc's output writes a `.` that ends an expansion and a `*` after it side by side,
        // which reads as `.*` in C++; a blank in the source keeps them apart there.
        w_.Raw(' ');
      }
      WriteToken(t);
      last_ = t;
      apart_ = false;
    }
    // The text written before the next token may end in a number that the output writer does
    // not keep apart from it (see Tok).
    void MayEndInNumber() { apart_ = true; }
    // Something that keeps the next token apart from the last one.
    void Blank() {
      w_.Raw(' ');
      last_.clear();
    }
    // What may stand between two tokens, drawn; `weight` scales how often it is not nothing.
    void Gap(std::uint32_t weight = 1) {
      std::uint32_t r = b_.rng_.Below(100);
      if (r < 100 - std::min<std::uint32_t>(60, 25 * weight)) {
        if (b_.rng_.Chance(1, 2)) Blank();
        return;
      }
      r = b_.rng_.Below(100);
      if (r < 50) {
        w_.Blanks(false);
        last_.clear();
      } else if (r < 70) {
        if (!last_.empty() && last_.back() == '/') w_.Raw(' ');  // not a `//`
        b_.BlockComment(w_, !directive_ && b_.rng_.Chance(1, 4));
        last_.clear();
        apart_ = true;
      } else if (r < 82) {
        w_.Splice();  // the tokens on both sides still meet
      } else if (!directive_) {
        if (b_.cpp_ && b_.rng_.Chance(1, 3)) {
          w_.Raw(' ');
          b_.LineComment(w_);
        }
        w_.LineEnd();
        w_.LineStartBlanks();
        last_.clear();
      } else {
        w_.Raw(' ');
        last_.clear();
      }
    }
    SourceWriter& Writer() { return w_; }
    // The last token written, or nothing when a blank or a comment followed it.
    const std::string& Last() const { return last_; }
    bool Directive() const { return directive_; }

   private:
    // A name or a spliceable operator is sometimes split by a line splice; a string literal
    // sometimes holds one.
    void WriteToken(const std::string& t) {
      const bool name =
          std::all_of(t.begin(), t.end(),
                      [](char c) { return tpxdiff::IsIdentChar(static_cast<unsigned char>(c)); }) &&
          tpxdiff::IsIdentStart(static_cast<unsigned char>(t[0]));
      if (name && t.size() > 1 && b_.rng_.Chance(1, 30)) {
        std::size_t at = 1 + b_.rng_.Below(static_cast<std::uint32_t>(t.size() - 1));
        w_.Raw(t.substr(0, at));
        w_.Splice();
        w_.Raw(t.substr(at));
        return;
      }
      if (t.size() == 2 && b_.rng_.Chance(1, 12)) {
        for (const std::string& op : SpliceableOperators()) {
          if (op == t) {
            w_.Raw(t[0]);
            w_.Splice();
            w_.Raw(t[1]);
            return;
          }
        }
      }
      if (t.size() > 3 && t.back() == '"' && b_.rng_.Chance(1, 10)) {
        // A splice inside a string literal, between two characters that are no backslash.
        std::size_t open = t.find('"');
        std::size_t at = open + 1 + b_.rng_.Below(static_cast<std::uint32_t>(t.size() - open - 1));
        if (at > open + 1 && at < t.size() && t[at - 1] != '\\' && t[at] != '\\') {
          w_.Raw(t.substr(0, at));
          w_.Splice();
          w_.Raw(t.substr(at));
          return;
        }
      }
      w_.Raw(t);
    }

    Builder& b_;
    SourceWriter& w_;
    bool directive_;
    std::string last_;
    bool apart_ = false;
  };

  void BlockComment(SourceWriter& w, bool multiLine) {
    w.Raw("/*");
    std::uint32_t n = rng_.Below(4);
    static const char kText[] = "abc xyz 0123 ;:,.()+-#'\"\\\t";
    for (std::uint32_t i = 0; i < n; ++i) {
      std::uint32_t r = rng_.Below(10);
      if (r < 6) {
        for (std::uint32_t k = rng_.Between(1, 20); k > 0; --k) {
          w.Raw(kText[rng_.Below(sizeof kText - 1)]);
        }
      } else if (r < 8) {
        w.Raw(std::string(rng_.Between(1, 5), '*'));
        w.Raw(' ');
      } else if (r < 9 && multiLine) {
        // gcc joins a backslash and a line end with only blanks between them (and warns);
        // tpx32 wants them side by side: no backslash ends a comment's line.
        const std::string& text = w.Text();
        std::size_t last = text.find_last_not_of(" \t");
        if (last != std::string::npos && text[last] == '\\') w.Raw('.');
        w.LineEnd();
      } else {
        w.Raw(HighByte());
      }
    }
    if (rng_.Chance(1, 10)) {
      w.Raw('*');
      w.Splice();
      w.Raw('/');
    } else {
      w.Raw("*/");
    }
  }
  void LineComment(SourceWriter& w) {
    w.Raw("//");
    static const char kText[] = "abc xyz 0123 ;:,.()/*#'\"";
    for (std::uint32_t k = rng_.Below(25); k > 0; --k) w.Raw(kText[rng_.Below(sizeof kText - 1)]);
  }

  void CommentLine(SourceWriter& w) {
    w.LineStartBlanks();
    if (cpp_ && rng_.Chance(1, 3)) {
      LineComment(w);
    } else {
      BlockComment(w, rng_.Chance(1, 3));
    }
  }

  // ---- tokens ----

  std::string Number() {
    static const std::vector<std::string> intSuffixes = {"",  "",   "",   "",   "u",  "U",  "l",
                                                         "L", "ul", "UL", "lu", "LU", "uL", "Lu"};
    static const std::vector<std::string> floatSuffixes = {"", "", "", "f", "F", "l", "L"};
    static const char kHex[] = "0123456789abcdefABCDEF";
    std::string s;
    switch (rng_.Below(7)) {
      case 0:
      case 1:
        s = std::to_string(rng_.Below(rng_.Chance(1, 2) ? 10 : 100000));
        if (rng_.Chance(1, 8)) s = std::to_string(rng_.Next() % 4294967296ull);
        s += rng_.Pick(intSuffixes);
        break;
      case 2:
        s = "0";
        for (std::uint32_t n = rng_.Between(1, 11); n > 0; --n)
          s += static_cast<char>('0' + rng_.Below(8));
        s += rng_.Pick(intSuffixes);
        break;
      case 3:
      case 4:
        s = rng_.Chance(1, 2) ? "0x" : "0X";
        for (std::uint32_t n = rng_.Between(1, 8); n > 0; --n)
          s += kHex[rng_.Below(sizeof kHex - 1)];
        s += rng_.Pick(intSuffixes);
        break;
      default: {
        std::string d1 = std::to_string(rng_.Below(100000) >> rng_.Below(17));
        std::string d2 = std::to_string(rng_.Below(1000000));
        switch (rng_.Below(4)) {
          case 0:
            s = d1 + "." + d2;
            break;
          case 1:
            s = "." + d2;
            break;
          case 2:
            s = d1 + ".";
            break;
          default:
            s = d1;
            break;
        }
        if (rng_.Chance(1, 2) || s == d1) {
          s += rng_.Chance(1, 2) ? "e" : "E";
          if (rng_.Chance(1, 2)) s += rng_.Chance(1, 2) ? "+" : "-";
          s += std::to_string(rng_.Below(40));
        }
        s += rng_.Pick(floatSuffixes);
        break;
      }
    }
    return s;
  }

  // A byte of 0x80 and above for a literal; 0xFB is tpx32's own blank that is never written
  // (a literal of an argument loses it when stringized).
  char HighByte() {
    unsigned b = 0x80 + rng_.Below(127);
    if (b >= 0xFB) ++b;
    return static_cast<char>(b);
  }

  // The body of a literal: plain characters, escapes, bytes of 0x80 and above; `quote` is the
  // quote that closes it.
  std::string LiteralBody(char quote, std::uint32_t length) {
    static const std::vector<std::string> escapes = {
        "\\n", "\\t", "\\\\",  "\\\"",  "\\'", "\\?", "\\a",   "\\b",  "\\f",
        "\\r", "\\v", "\\x41", "\\101", "\\0", "\\7", "\\x7f", "\\377"};
    static const char kPlain[] = "abcdefghijklmnopqrstuvwxyz0123456789 ,.;:+-*/%()[]{}<>#!=&|^~";
    std::string s;
    for (std::uint32_t i = 0; i < length; ++i) {
      std::uint32_t r = rng_.Below(100);
      if (r < 70) {
        s += kPlain[rng_.Below(sizeof kPlain - 1)];
      } else if (r < 85) {
        s += rng_.Pick(escapes);
      } else if (r < 92) {
        s += HighByte();
      } else {
        s += quote == '"' ? '\'' : '"';
      }
    }
    // "/*" in a literal is no comment, but keep gcc's and tpx32's comment warnings away.
    for (std::size_t at = s.find("/*"); at != std::string::npos; at = s.find("/*")) s[at] = '-';
    return s;
  }
  std::string StringLiteral() {
    std::uint32_t r = rng_.Below(100);
    std::uint32_t n = r < 85 ? rng_.Below(10) : rng_.Between(10, 80);
    return std::string(rng_.Chance(1, 8) ? "L" : "") + '"' + LiteralBody('"', n) + '"';
  }
  // A character constant of one to four characters. A hexadecimal escape is followed by the
  // closing quote or another escape (tpx32 reads the digits of a hexadecimal escape in a
  // character constant only up to a quote or a backslash, and reports anything else).
  std::string CharLiteral() {
    static const std::vector<std::string> escapes = {"\\n", "\\t",   "\\\\", "\\\"", "\\'",
                                                     "\\?", "\\a",   "\\b",  "\\f",  "\\r",
                                                     "\\v", "\\101", "\\0",  "\\7",  "\\377"};
    static const std::vector<std::string> hex = {"\\x41", "\\x7f", "\\x0", "\\xff", "\\xA"};
    static const char kPlain[] = "abcdefghijklmnopqrstuvwxyz0123456789 ,.;:+-*/%()[]{}<>#!=&|^~\"";
    std::uint32_t n = rng_.Chance(9, 10) ? 1 : rng_.Between(2, 4);
    std::string body;
    bool afterHex = false;
    for (std::uint32_t i = 0; i < n; ++i) {
      std::uint32_t r = rng_.Below(100);
      // An octal escape of fewer than three digits takes the digits after it: \7 and 35 would
      // be \735, too large.
      bool afterShortOctal = body.size() >= 2 && body[body.size() - 2] == '\\' &&
                             body.back() >= '0' && body.back() <= '7';
      if (afterHex || (r >= 60 && r < 80)) {
        body += rng_.Pick(escapes);
        afterHex = false;
      } else if (r < 60) {
        char c = kPlain[rng_.Below(sizeof kPlain - 1)];
        if (afterShortOctal && c >= '0' && c <= '9') c = 'z';
        body += c;
      } else if (r < 90) {
        body += rng_.Pick(hex);
        afterHex = true;
      } else {
        body += HighByte();
      }
    }
    return std::string(rng_.Chance(1, 8) ? "L" : "") + '\'' + body + '\'';
  }

  // Operators and punctuators of the language; `#` and `##` are left out (outside directives
  // tpx32 reports them as illegal characters).
  const std::vector<std::string>& TextOperators() const {
    static const std::vector<std::string> c = {
        "[",   "]",   "{",  "}", ";", "...", "=",  "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=",
        "<<=", ">>=", "+",  "-", "*", "/",   "%",  "&",  "|",  "^",  "<<", ">>", "?",  ":",  "||",
        "&&",  "==",  "!=", "<", ">", "<=",  ">=", "!",  "~",  "++", "--", ".",  "->", ","};
    static const std::vector<std::string> cpp = [] {
      std::vector<std::string> v = c;
      v.push_back("::");
      v.push_back(".*");
      v.push_back("->*");
      return v;
    }();
    return cpp_ ? cpp : c;
  }

  std::string Keyword() {
    if (cpp_ && rng_.Chance(1, 2)) return rng_.Pick(CppKeywords());
    return rng_.Pick(CKeywords());
  }

  // ---- macro table queries ----

  Macro& M(const std::string& name) { return macros_.at(name); }

  std::vector<std::string> MacrosOf(Role role, int functionLike = -1, bool definedOnly = false) {
    std::vector<std::string> v;
    for (const std::string& n : order_) {
      const Macro& m = macros_[n];
      if (m.role != role) continue;
      if (functionLike >= 0 && m.functionLike != (functionLike == 1)) continue;
      if (definedOnly && !m.defined) continue;
      v.push_back(n);
    }
    return v;
  }

  // An estimate of the bytes a use of `name` expands to, with the macros being expanded
  // left out as the preprocessor leaves them.
  std::size_t ExpansionSize(const std::string& name, std::set<std::string>& active,
                            std::size_t argBytes = 16) {
    auto it = macros_.find(name);
    if (it == macros_.end() || !it->second.defined || active.count(name)) return name.size();
    const Macro& m = it->second;
    if (m.role == Role::kValue) return ExprSize(m.value, active);
    if (m.role == Role::kAlias) return m.target.size();
    active.insert(name);
    std::size_t n = m.bodyBytes + static_cast<std::size_t>(m.paramUses) * argBytes;
    for (const std::string& r : m.refs) {
      n += ExpansionSize(r, active);
      if (n > 100000) break;
    }
    active.erase(name);
    return n;
  }
  std::size_t ExprSize(const ExprPtr& e, std::set<std::string>& active) {
    if (!e) return 1;
    std::size_t n = e->text.size() + e->left.size() + e->right.size() + 4;
    if (e->kind == Expr::Kind::kName) return ExpansionSize(e->text, active);
    for (const ExprPtr& o : e->operands) n += ExprSize(o, active);
    return n;
  }
  std::size_t UseSize(const std::string& name) {
    std::set<std::string> active;
    return ExpansionSize(name, active);
  }
  static constexpr std::size_t kUseBudget = 1500;

  // ---- #if expressions ----

  // The value of an expression against the macro table of the moment; nothing when the
  // expression is one the tools need not agree on, or no valid expression. `active` holds the
  // macros being expanded where the expression is read: their names stay as they are (a name
  // is then 0, a call a syntax error), as in a name formed by a paste, read again inside the
  // pasting macro's expansion.
  std::optional<IfValue> Eval(const ExprPtr& e, int depth = 0,
                              const std::vector<std::string>& active = {}) {
    if (depth > 40) return std::nullopt;
    auto isActive = [&](const std::string& n) {
      return std::find(active.begin(), active.end(), n) != active.end();
    };
    switch (e->kind) {
      case Expr::Kind::kLiteral:
        return e->value;
      case Expr::Kind::kName: {
        for (const auto& [n, v] : KnownPredefined()) {
          if (n == e->text) return IfValue{v, false};
        }
        auto it = macros_.find(e->text);
        if (it == macros_.end() || !it->second.defined || isActive(e->text)) {
          return IfValue{0, false};
        }
        if (it->second.role != Role::kValue) return std::nullopt;
        std::vector<std::string> inner = active;
        inner.push_back(e->text);
        return Eval(it->second.value, depth + 1, inner);
      }
      case Expr::Kind::kDefined:
        return IfValue{IsDefined(e->text) ? 1 : 0, false};
      case Expr::Kind::kParen:
        return Eval(e->operands[0], depth + 1, active);
      case Expr::Kind::kUnary: {
        auto a = Eval(e->operands[0], depth + 1, active);
        if (!a) return std::nullopt;
        return ApplyUnary(e->text, *a);
      }
      case Expr::Kind::kBinary: {
        auto a = Eval(e->operands[0], depth + 1, active);
        auto b = Eval(e->operands[1], depth + 1, active);
        if (!a || !b) return std::nullopt;
        return ApplyBinary(e->text, *a, *b);
      }
      case Expr::Kind::kCond: {
        auto c = Eval(e->operands[0], depth + 1, active);
        auto a = Eval(e->operands[1], depth + 1, active);
        auto b = Eval(e->operands[2], depth + 1, active);
        if (!c || !a || !b) return std::nullopt;
        auto u = CommonType(*a, *b);
        if (!u) return std::nullopt;
        IfValue r = c->v != 0 ? *a : *b;
        r.isUnsigned = *u;
        return r;
      }
      case Expr::Kind::kCall: {
        auto it = macros_.find(e->text);
        if (it == macros_.end() || !it->second.defined || isActive(e->text)) return std::nullopt;
        const Macro& m = it->second;
        std::vector<IfValue> args;
        for (const ExprPtr& o : e->operands) {
          auto v = Eval(o, depth + 1, active);
          if (!v) return std::nullopt;
          args.push_back(*v);
        }
        switch (m.fn) {
          case ValueFn::kUnary:
            return ApplyUnary(m.op, args[0]);
          case ValueFn::kBinary:
            return ApplyBinary(m.op, args[0], args[1]);
          case ValueFn::kCond: {
            auto u = CommonType(args[1], args[2]);
            if (!u) return std::nullopt;
            IfValue r = args[0].v != 0 ? args[1] : args[2];
            r.isUnsigned = *u;
            return r;
          }
          default:
            return args[0];
        }
      }
      case Expr::Kind::kPasteNumber: {
        auto it = macros_.find(e->text);
        if (it == macros_.end() || !it->second.defined || isActive(e->text)) return std::nullopt;
        std::string digits = e->left + e->right;
        if (digits.size() > 10) return std::nullopt;
        IfValue r{std::stoll(digits), false};
        if (!InRange(r)) return std::nullopt;
        return r;
      }
      case Expr::Kind::kPasteName: {
        auto it = macros_.find(e->text);
        if (it == macros_.end() || !it->second.defined || isActive(e->text)) return std::nullopt;
        Expr name;
        name.kind = Expr::Kind::kName;
        name.text = e->left + e->right;
        std::vector<std::string> inner = active;
        inner.push_back(e->text);  // the name formed is read again inside the paste's expansion
        return Eval(MakeExpr(name), depth + 1, inner);
      }
    }
    return std::nullopt;
  }

  bool IsDefined(const std::string& name) {
    for (const auto& [n, v] : KnownPredefined()) {
      if (n == name) return true;
    }
    if (name == "__cplusplus") return cpp_;
    auto it = macros_.find(name);
    return it != macros_.end() && it->second.defined;
  }

  ExprPtr Literal() {
    Expr e;
    e.kind = Expr::Kind::kLiteral;
    std::uint32_t r = rng_.Below(100);
    if (r < 12) {
      // A character constant: one character or an escape, maybe wide.
      static const std::vector<std::pair<std::string, std::int64_t>> chars = {
          {"'a'", 97},     {"'0'", 48},       {"'Z'", 90},    {"'\\n'", 10},   {"'\\0'", 0},
          {"'\\''", 39},   {"'\"'", 34},      {"'\\\\'", 92}, {"'\\x41'", 65}, {"'\\101'", 65},
          {"'\\377'", -1}, {"'\\x80'", -128}, {"'\\t'", 9},   {"'\\?'", 63},   {"' '", 32},
          {"'\\a'", 7},    {"'\\b'", 8},      {"'\\f'", 12},  {"'\\v'", 11},   {"'\\r'", 13}};
      const auto& c = rng_.Pick(chars);
      e.text = c.first;
      e.value = IfValue{c.second, false};
      // Wide ones only below 0x80: tpx32 converts the bytes of a wide constant from its code
      // page, gcc takes the value as it stands.
      if (e.value.v >= 0 && rng_.Chance(1, 5)) e.text = "L" + e.text;
      return MakeExpr(e);
    }
    std::int64_t v = r < 50 ? rng_.Below(10) : r < 80 ? rng_.Below(1000) : rng_.Below(0x7FFFFFFF);
    if (rng_.Chance(1, 30)) v = kIntMax;
    std::uint32_t form = rng_.Below(10);
    char buf[32];
    if (form < 6 || v == 0) {
      std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(v));
    } else if (form < 8) {
      std::snprintf(buf, sizeof buf, rng_.Chance(1, 2) ? "0x%llx" : "0X%llX",
                    static_cast<long long>(v));
    } else {
      std::snprintf(buf, sizeof buf, "0%llo", static_cast<long long>(v));
    }
    e.text = buf;
    e.value = IfValue{v, false};
    std::uint32_t s = rng_.Below(12);
    if (s == 0) {
      e.text += rng_.Chance(1, 2) ? "u" : "U";
      e.value.isUnsigned = true;
    } else if (s == 1) {
      e.text += rng_.Chance(1, 2) ? "l" : "L";
    } else if (s == 2) {
      e.text += rng_.Pick(std::vector<std::string>{"ul", "UL", "lu", "LU", "uL", "Lu"});
      e.value.isUnsigned = true;
    }
    return MakeExpr(e);
  }

  // A random expression; `names` says whether macros may be named.
  ExprPtr RandomExpr(int depth, bool names, bool allowDefined) {
    std::uint32_t r = rng_.Below(depth >= 4 ? 8 : 20);
    Expr e;
    switch (r) {
      case 0:
      case 1:
      case 2:
      case 3:
        return Literal();
      case 4:
      case 5:
      case 6: {
        if (!names) return Literal();
        e.kind = Expr::Kind::kName;
        std::uint32_t k = rng_.Below(10);
        std::vector<std::string> values = MacrosOf(Role::kValue);
        if (k < 7 && !values.empty()) {
          e.text = rng_.Pick(values);
        } else if (k < 8) {
          e.text = rng_.Pick(KnownPredefined()).first;
        } else {
          e.text = rng_.Pick(plain_);  // a name that is no macro: 0
        }
        return MakeExpr(e);
      }
      case 7: {
        if (!allowDefined) return Literal();
        e.kind = Expr::Kind::kDefined;
        std::uint32_t k = rng_.Below(10);
        if (k < 6) {
          e.text = order_[rng_.Below(static_cast<std::uint32_t>(order_.size()))];
        } else if (k < 8) {
          e.text = rng_.Pick(KnownPredefined()).first;
        } else if (k < 9) {
          e.text = rng_.Pick(plain_);
        } else {
          e.text = cpp_ ? "__cplusplus" : "__KR__";  // __KR__ only under -AK
          if (!cpp_) {
            e.kind = Expr::Kind::kLiteral;
            e.text = "0";
            e.value = IfValue{0, false};
          }
        }
        e.paren = rng_.Chance(1, 2);
        return MakeExpr(e);
      }
      case 8:
      case 9:
        e.kind = Expr::Kind::kUnary;
        e.text = rng_.Pick(std::vector<std::string>{"-", "+", "!", "~"});
        e.operands.push_back(RandomExpr(depth + 1, names, allowDefined));
        return MakeExpr(e);
      case 10:
        e.kind = Expr::Kind::kCond;
        for (int i = 0; i < 3; ++i)
          e.operands.push_back(RandomExpr(depth + 1, names, allowDefined));
        return MakeExpr(e);
      case 11:
      case 12: {
        if (!names) return Literal();
        std::vector<std::string> fns = MacrosOf(Role::kValueFn, 1, true);
        if (fns.empty()) return Literal();
        const Macro& m = M(rng_.Pick(fns));
        if (m.fn == ValueFn::kPaste) {
          e.text = m.name;
          std::vector<std::string> values = MacrosOf(Role::kValue);
          if (rng_.Chance(1, 2) && !values.empty()) {
            e.kind = Expr::Kind::kPasteName;
            std::string full = rng_.Pick(values);
            std::size_t cut = 1 + rng_.Below(static_cast<std::uint32_t>(full.size() - 1));
            // The left part must be a name, the right a name or digits: cut after the prefix
            // or inside it.
            cut = std::min(cut, valuePrefix_.size());
            e.left = full.substr(0, cut);
            e.right = full.substr(cut);
          } else {
            e.kind = Expr::Kind::kPasteNumber;
            e.left = std::to_string(rng_.Between(1, 99999));
            e.right = std::to_string(rng_.Below(rng_.Chance(1, 2) ? 10 : 10000));
          }
          return MakeExpr(e);
        }
        e.kind = Expr::Kind::kCall;
        e.text = m.name;
        // No `defined` in arguments: they are macro-expanded before the call.
        for (std::size_t i = 0; i < m.params.size(); ++i) {
          e.operands.push_back(RandomExpr(depth + 1, names, false));
        }
        return MakeExpr(e);
      }
      case 13:
        e.kind = Expr::Kind::kParen;
        e.operands.push_back(RandomExpr(depth + 1, names, allowDefined));
        return MakeExpr(e);
      default:
        e.kind = Expr::Kind::kBinary;
        e.text = rng_.Pick(BinaryOperators());
        e.operands.push_back(RandomExpr(depth + 1, names, allowDefined));
        e.operands.push_back(RandomExpr(depth + 1, names, allowDefined));
        return MakeExpr(e);
    }
  }

  // An expression that evaluates now, or a literal when none of a few tries does.
  ExprPtr GoodExpr(bool names, bool allowDefined) {
    for (int tries = 0; tries < 12; ++tries) {
      ExprPtr e = RandomExpr(0, names, allowDefined);
      std::set<std::string> active;
      if (Eval(e) && ExprSize(e, active) < kUseBudget) return e;
    }
    return Literal();
  }

  static bool Primary(const ExprPtr& e) {
    switch (e->kind) {
      case Expr::Kind::kLiteral:
      case Expr::Kind::kName:
      case Expr::Kind::kDefined:
      case Expr::Kind::kParen:
      case Expr::Kind::kCall:
      case Expr::Kind::kPasteNumber:
      case Expr::Kind::kPasteName:
        return true;
      default:
        return false;
    }
  }

  // Writes an expression; operands that are not primary go in parentheses, so the text reads
  // as the tree.
  void WriteExpr(Emitter& out, const ExprPtr& e) {
    auto operand = [&](const ExprPtr& o) {
      if (Primary(o)) {
        WriteExpr(out, o);
      } else {
        out.Tok("(");
        out.Gap();
        WriteExpr(out, o);
        out.Gap();
        out.Tok(")");
      }
    };
    switch (e->kind) {
      case Expr::Kind::kLiteral:
        out.Tok(e->text);
        break;
      case Expr::Kind::kName:
        out.Tok(e->text);
        out.MayEndInNumber();  // a value macro: its expansion may end in a number
        break;
      case Expr::Kind::kDefined:
        out.Tok("defined");
        out.Gap();
        if (e->paren) {
          out.Tok("(");
          out.Gap();
          out.Tok(e->text);
          out.Gap();
          out.Tok(")");
        } else {
          out.Blank();
          out.Tok(e->text);
        }
        break;
      case Expr::Kind::kParen:
        out.Tok("(");
        out.Gap();
        WriteExpr(out, e->operands[0]);
        out.Gap();
        out.Tok(")");
        break;
      case Expr::Kind::kUnary:
        out.Tok(e->text);
        out.Gap();
        operand(e->operands[0]);
        break;
      case Expr::Kind::kBinary:
        operand(e->operands[0]);
        out.Gap();
        out.Tok(e->text);
        out.Gap();
        operand(e->operands[1]);
        break;
      case Expr::Kind::kCond:
        operand(e->operands[0]);
        out.Gap();
        out.Tok("?");
        out.Gap();
        operand(e->operands[1]);
        out.Gap();
        out.Tok(":");
        out.Gap();
        operand(e->operands[2]);
        break;
      case Expr::Kind::kCall:
        out.Tok(e->text);
        out.Gap();
        out.Tok("(");
        for (std::size_t i = 0; i < e->operands.size(); ++i) {
          if (i > 0) out.Tok(",");
          out.Gap();
          WriteExpr(out, e->operands[i]);
          out.Gap();
        }
        out.Tok(")");
        break;
      case Expr::Kind::kPasteNumber:
      case Expr::Kind::kPasteName:
        out.Tok(e->text);
        out.Gap();
        out.Tok("(");
        out.Gap();
        out.Tok(e->left);
        out.Gap();
        out.Tok(",");
        out.Gap();
        out.Tok(e->right);
        out.Gap();
        out.Tok(")");
        break;
    }
  }

  // ---- directives ----

  void DirectiveStart(SourceWriter& w) {
    w.LineStartBlanks();
    if (rng_.Chance(1, 15)) BlockComment(w, false);
    w.Raw('#');
    if (rng_.Chance(1, 6)) w.Blanks();
  }
  // The directive's name, then what separates it from the rest.
  void DirectiveName(SourceWriter& w, const std::string& name) {
    w.Raw(name);
    if (rng_.Chance(1, 10)) {
      w.Raw(' ');
      BlockComment(w, false);
    }
    w.Raw(' ');
    if (rng_.Chance(1, 8)) w.Blanks();
  }
  void DirectiveEnd(SourceWriter& w) {
    std::uint32_t r = rng_.Below(20);
    if (r == 0) {
      w.Raw(' ');
      BlockComment(w, false);
    } else if (r == 1 && cpp_) {
      w.Raw(' ');
      LineComment(w);
    } else if (r == 2) {
      w.Blanks();
    }
  }

  struct Frame {
    bool live = true;    // the group being written is processed
    bool taken = false;  // a group of the chain was taken
    bool outerLive = true;
    bool sawElse = false;
  };

  void If(SourceWriter& w) {
    if (frames_.size() >= 6) {
      TextLine(w);
      return;
    }
    DirectiveStart(w);
    DirectiveName(w, "if");
    bool outer = Live();
    ExprPtr e = GoodExpr(true, true);
    bool value = outer ? Eval(e)->v != 0 : rng_.Chance(1, 2);
    Emitter out(*this, w, true);
    WriteExpr(out, e);
    DirectiveEnd(w);
    frames_.push_back(Frame{outer && value, value, outer, false});
  }

  void Ifdef(SourceWriter& w) {
    if (frames_.size() >= 6) {
      TextLine(w);
      return;
    }
    DirectiveStart(w);
    bool positive = rng_.Chance(1, 2);
    DirectiveName(w, positive ? "ifdef" : "ifndef");
    std::string name;
    std::uint32_t k = rng_.Below(10);
    if (k < 7) {
      name = order_[rng_.Below(static_cast<std::uint32_t>(order_.size()))];
    } else if (k < 9) {
      name = rng_.Pick(KnownPredefined()).first;
    } else {
      name = rng_.Pick(plain_);
    }
    w.Raw(name);
    DirectiveEnd(w);
    bool outer = Live();
    bool value = IsDefined(name) == positive;
    frames_.push_back(Frame{outer && value, value, outer, false});
  }

  void ElseOrElif(SourceWriter& w) {
    Frame& f = frames_.back();
    if (f.sawElse) {
      EndIf(w);
      return;
    }
    DirectiveStart(w);
    if (rng_.Chance(1, 2)) {
      DirectiveName(w, "else");
      DirectiveEnd(w);
      f.sawElse = true;
      f.live = f.outerLive && !f.taken;
      f.taken = true;
      return;
    }
    DirectiveName(w, "elif");
    bool evaluated = f.outerLive && !f.taken;
    ExprPtr e = GoodExpr(true, true);
    bool value = evaluated ? Eval(e)->v != 0 : false;
    Emitter out(*this, w, true);
    WriteExpr(out, e);
    DirectiveEnd(w);
    f.live = evaluated && value;
    f.taken = f.taken || value;
  }

  void EndIf(SourceWriter& w) {
    DirectiveStart(w);
    w.Raw("endif");
    DirectiveEnd(w);
    frames_.pop_back();
  }

  void Undef(SourceWriter& w) {
    std::vector<std::string> candidates;
    for (const std::string& n : order_) {
      if (macros_[n].mayUndef) candidates.push_back(n);
    }
    std::string name =
        candidates.empty() || rng_.Chance(1, 5) ? rng_.Pick(plain_) : rng_.Pick(candidates);
    DirectiveStart(w);
    DirectiveName(w, "undef");
    w.Raw(name);
    DirectiveEnd(w);
    if (Live() && macros_.count(name)) macros_[name].defined = false;
  }

  void LineDirective(SourceWriter& w) {
    DirectiveStart(w);
    DirectiveName(w, "line");
    w.Raw(std::to_string(rng_.Between(1, 100000)));
    // A file name only in the main file: the folder of the name could steer the include search.
    if (writers_.size() == 1 && rng_.Chance(1, 2)) {
      w.Raw(" \"" + NewName(1, 8, Case::kLower) + ".c\"");
    }
    DirectiveEnd(w);
  }

  void Include(SourceWriter& w, int depth) {
    if (headers_.empty() || depth >= 4) {
      TextLine(w);
      return;
    }
    std::size_t index = rng_.Below(static_cast<std::uint32_t>(headers_.size()));
    Header& h = headers_[index];
    bool angle = rng_.Chance(1, 3);
    std::string dir = CurrentDir();
    std::string spelled = h.path;
    // A quoted name may be written relative to the including file's folder.
    if (!angle && !dir.empty() && h.path.compare(0, dir.size(), dir) == 0 && rng_.Chance(1, 2)) {
      spelled = h.path.substr(dir.size());
    }
    DirectiveStart(w);
    DirectiveName(w, "include");
    w.Raw(angle ? "<" + spelled + ">" : "\"" + spelled + "\"");
    DirectiveEnd(w);
    if (!Live() || h.written || inProgress_.count(index)) return;
    // The header is written now, with the macro table of this point.
    inProgress_.insert(index);
    includeDirs_.push_back(h.path.find('/') == std::string::npos ? "" : "inc/");
    std::string text;
    text += "#ifndef " + h.guard + "\n#define " + h.guard + "\n";
    macros_[h.guard].name = h.guard;
    macros_[h.guard].role = Role::kGuard;
    macros_[h.guard].defined = true;
    text += FileText(depth + 1, rng_.Between(3, 40));
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\n";
    text += "#endif\n";
    includeDirs_.pop_back();
    inProgress_.erase(index);
    h.text = text;
    h.written = true;
  }
  std::string CurrentDir() const { return includeDirs_.empty() ? "" : includeDirs_.back(); }

  // ---- definitions ----

  void Define(SourceWriter& w) {
    // Mostly macros not defined yet, so the table fills; then redefinitions.
    std::vector<std::string> candidates;
    for (const std::string& n : order_) {
      const Macro& m = macros_[n];
      if (m.role == Role::kGuard) continue;
      if (!m.defined || m.mayUndef || rng_.Chance(1, 6)) candidates.push_back(n);
    }
    if (candidates.empty()) {
      TextLine(w);
      return;
    }
    std::vector<std::string> fresh;
    for (const std::string& n : candidates) {
      if (!macros_[n].defined) fresh.push_back(n);
    }
    const std::string name =
        !fresh.empty() && rng_.Chance(3, 4) ? rng_.Pick(fresh) : rng_.Pick(candidates);
    Macro& m = M(name);
    bool live = Live();
    // A defined macro that may not change gets its own body again.
    if (m.defined && !m.mayUndef) {
      DirectiveStart(w);
      // Its splices take this file's line end: one of another file's, before this file's line
      // end, could make a pair that tpx32 reads as one line break (a line feed, then a
      // carriage return) and gcc as two.
      w.Raw(WithLineEnds(m.bodyText, w.LineEndText()));
      DirectiveEnd(w);
      return;
    }
    // A new body for a defined macro: #undef first, since gcc warns about a definition that
    // is not identical.
    if (m.defined) {
      DirectiveStart(w);
      DirectiveName(w, "undef");
      w.Raw(m.name);
      DirectiveEnd(w);
      w.LineEnd();
    }
    DirectiveStart(w);
    std::size_t from = w.Text().size();
    Macro next = m;
    switch (m.role) {
      case Role::kValue:
        DefineValue(w, next);
        break;
      case Role::kValueFn:
        DefineValueFn(w, next);
        break;
      case Role::kAlias:
        DirectiveName(w, "define");
        w.Raw(m.name);
        w.Raw(' ');
        w.Blanks(false);
        w.Raw(m.target);
        next.refs = {m.target};
        next.bodyBytes = m.target.size();
        break;
      default:
        DefineText(w, next);
        break;
    }
    DirectiveEnd(w);
    next.bodyText = w.Text().substr(from);
    // A redefinition that is not identical is allowed by gcc with a warning only for macros
    // that may change; the body as written is kept for identical ones.
    if (live) {
      next.bodyText = "define" + next.bodyText.substr(next.bodyText.find("define") + 6);
      next.defined = true;
      m = next;
    }
  }

  // A value macro: the body is an expression over value macros defined before it (by number),
  // value functions and predefined names; it is checked when used, not here.
  void DefineValue(SourceWriter& w, Macro& m) {
    DirectiveName(w, "define");
    w.Raw(m.name);
    w.Raw(' ');
    if (rng_.Chance(1, 6)) w.Blanks();
    std::size_t index = std::stoul(m.name.substr(valuePrefix_.size()));
    ExprPtr e;
    for (int tries = 0; tries < 12; ++tries) {
      e = RandomExpr(1, true, false);
      if (ValueRefsBelow(e, index) && Eval(e)) break;
      e = nullptr;
    }
    if (!e) e = Literal();
    if (!Primary(e) || e->kind == Expr::Kind::kLiteral) {
      if (!Primary(e) || rng_.Chance(1, 3)) {
        Expr p;
        p.kind = Expr::Kind::kParen;
        p.operands.push_back(e);
        e = MakeExpr(p);
      }
    }
    Emitter out(*this, w, true);
    WriteExpr(out, e);
    m.value = e;
    m.bodyBytes = 0;
  }
  bool ValueRefsBelow(const ExprPtr& e, std::size_t index) {
    if (e->kind == Expr::Kind::kName &&
        e->text.compare(0, valuePrefix_.size(), valuePrefix_) == 0) {
      if (std::stoul(e->text.substr(valuePrefix_.size())) >= index) return false;
    }
    if (e->kind == Expr::Kind::kPasteName) return false;
    for (const ExprPtr& o : e->operands) {
      if (!ValueRefsBelow(o, index)) return false;
    }
    return true;
  }

  // A value function: its parameters in parentheses around its operator, or pasted.
  void DefineValueFn(SourceWriter& w, Macro& m) {
    DirectiveName(w, "define");
    w.Raw(m.name);
    WriteParams(w, m);
    w.Raw(' ');
    Emitter out(*this, w, true);
    auto param = [&](int i) {
      out.Tok("(");
      out.Gap();
      out.Tok(m.params[static_cast<std::size_t>(i)].name);
      out.Gap();
      out.Tok(")");
    };
    out.Tok("(");
    switch (m.fn) {
      case ValueFn::kUnary:
        out.Tok(m.op);
        out.Gap();
        param(0);
        break;
      case ValueFn::kBinary:
        param(0);
        out.Gap();
        out.Tok(m.op);
        out.Gap();
        param(1);
        break;
      case ValueFn::kCond:
        param(0);
        out.Tok("?");
        param(1);
        out.Tok(":");
        param(2);
        break;
      case ValueFn::kIdentity:
        param(0);
        break;
      case ValueFn::kPaste:
        out.Blank();
        out.Tok(m.params[0].name);
        if (rng_.Chance(1, 2)) out.Blank();
        out.Tok("##");
        if (rng_.Chance(1, 2)) out.Blank();
        out.Tok(m.params[1].name);
        out.Blank();
        break;
    }
    out.Tok(")");
    m.paramUses = 2;
    m.bodyBytes = 16;
  }

  void WriteParams(SourceWriter& w, const Macro& m) {
    w.Raw('(');
    for (std::size_t i = 0; i < m.params.size(); ++i) {
      if (i > 0) w.Raw(',');
      if (rng_.Chance(1, 4)) w.Blanks();
      w.Raw(m.params[i].name);
      if (rng_.Chance(1, 4)) w.Blanks();
    }
    w.Raw(')');
  }

  // A text macro: tokens, uses of other macros, parameters plain and stringized, and chains
  // of `##` that form one valid token.
  void DefineText(SourceWriter& w, Macro& m) {
    DirectiveName(w, "define");
    w.Raw(m.name);
    if (m.functionLike) {
      WriteParams(w, m);
    }
    w.Raw(' ');
    if (rng_.Chance(1, 6)) w.Blanks();
    Emitter out(*this, w, true);
    m.refs.clear();
    m.paramUses = 0;
    std::size_t before = w.Text().size();
    std::uint32_t items = rng_.Below(8);
    for (std::uint32_t i = 0; i < items; ++i) {
      BodyItem(out, m);
      if (rng_.Chance(1, 5)) out.Gap();
    }
    m.bodyBytes = w.Text().size() - before;
  }

  // One item of a text macro's body.
  void BodyItem(Emitter& out, Macro& m) {
    std::uint32_t r = rng_.Below(100);
    if (m.functionLike && !m.params.empty() && r < 30) {
      const Param& p = m.params[rng_.Below(static_cast<std::uint32_t>(m.params.size()))];
      if (p.stringized && rng_.Chance(1, 2)) {
        // Stringized: any kind.
        out.Blank();
        out.Tok("#");
        if (rng_.Chance(1, 2)) out.Blank();
        out.Tok(p.name);
        out.Blank();
        return;
      }
      // Substituted: kept apart from its neighbours, since the argument's text meets them.
      out.Blank();
      out.Tok(p.name);
      out.Blank();
      ++m.paramUses;
      return;
    }
    if (r < 45) {
      PasteChain(out, m);
      return;
    }
    if (r < 65) {
      // A use of another macro (itself and later ones too: they are left alone when being
      // expanded).
      const std::string& name = order_[rng_.Below(static_cast<std::uint32_t>(order_.size()))];
      const Macro& u = macros_[name];
      if (u.role == Role::kGuard) return;
      if (UseSize(name) > kUseBudget / 4) {
        out.Tok(rng_.Pick(plain_));
        return;
      }
      m.refs.push_back(name);
      UseMacro(out, u, /*directive=*/true, m.functionLike ? &m : nullptr, 1);
      return;
    }
    PlainToken(out, /*commas=*/false);
    return;
  }

  // A chain of operands joined by `##` whose result is one valid token.
  void PasteChain(Emitter& out, Macro& m) {
    auto paramOf = [&](ParamKind kind, const std::string& token = "") -> const Param* {
      std::vector<const Param*> v;
      for (const Param& p : m.params) {
        if (p.kind == kind && (kind != ParamKind::kToken || p.token == token)) v.push_back(&p);
      }
      if (v.empty() || rng_.Chance(1, 3)) return nullptr;
      return v[rng_.Below(static_cast<std::uint32_t>(v.size()))];
    };
    std::vector<std::string> operands;
    std::uint32_t shape = rng_.Below(cpp_ ? 10 : 9);
    if (shape < 4) {
      // A name: a name first, then names and digits.
      const Param* p = paramOf(ParamKind::kIdent);
      operands.push_back(p ? p->name : rng_.Pick(plain_));
      for (std::uint32_t n = rng_.Between(1, 3); n > 0; --n) {
        std::uint32_t k = rng_.Below(5);
        const Param* q = k == 0   ? paramOf(ParamKind::kIdent)
                         : k == 1 ? paramOf(ParamKind::kDigits)
                         : k == 2 ? paramOf(ParamKind::kIdTail)
                                  : nullptr;
        if (q) {
          operands.push_back(q->name);
        } else if (rng_.Chance(1, 2)) {
          operands.push_back(std::to_string(rng_.Below(1000)));
        } else {
          operands.push_back(rng_.Pick(plain_));
        }
      }
    } else if (shape < 6) {
      // A number: digits, more digits, maybe a suffix or an exponent.
      const Param* p = paramOf(ParamKind::kDigits);
      operands.push_back(p ? p->name : std::to_string(rng_.Between(1, 999)));
      for (std::uint32_t n = rng_.Below(3); n > 0; --n) {
        const Param* q = paramOf(ParamKind::kDigits);
        operands.push_back(q ? q->name : std::to_string(rng_.Below(1000)));
      }
      std::uint32_t end = rng_.Below(5);
      if (end == 0) {
        operands.push_back(rng_.Pick(std::vector<std::string>{"u", "L", "UL", "lu"}));
      } else if (end == 1) {
        operands.push_back("e" + std::to_string(rng_.Below(30)));
      } else if (end == 2) {
        operands.push_back(".");
        operands.push_back(std::to_string(rng_.Below(1000)));
      }
    } else if (shape < 8) {
      // An operator of two parts.
      auto pick = rng_.Pick(OperatorPastes());
      const Param* a = paramOf(ParamKind::kToken, pick.first);
      const Param* b = paramOf(ParamKind::kToken, pick.second);
      operands.push_back(a ? a->name : pick.first);
      operands.push_back(b ? b->name : pick.second);
    } else if (shape < 9) {
      // A wide literal, or a floating number that starts with a dot.
      if (rng_.Chance(1, 2)) {
        operands.push_back("L");
        operands.push_back(rng_.Chance(1, 2) ? StringLiteral().substr(0) : CharLiteral());
        if (operands.back()[0] == 'L') operands.back().erase(0, 1);
      } else {
        operands.push_back(".");
        const Param* q = paramOf(ParamKind::kDigits);
        operands.push_back(q ? q->name : std::to_string(rng_.Below(1000)));
      }
    } else {
      // `::`, `->*`, `.*` (C++).
      static const std::vector<std::pair<std::string, std::string>> cppPastes = {
          {":", ":"}, {"->", "*"}, {".", "*"}};
      auto pick = rng_.Pick(cppPastes);
      operands.push_back(pick.first);
      operands.push_back(pick.second);
    }
    out.Blank();
    for (std::size_t i = 0; i < operands.size(); ++i) {
      if (i > 0) {
        if (rng_.Chance(1, 2)) out.Blank();
        out.Tok("##");
        if (rng_.Chance(1, 2)) out.Blank();
      }
      out.Tok(operands[i]);
    }
    out.Blank();
  }

  // ---- text ----

  // A token that is not a macro use: a name, keyword, number, literal or operator; a comma
  // only with `commas` (a comma in a body or an argument could end up between the arguments of
  // a call it is passed on to).
  void PlainToken(Emitter& out, bool commas) {
    std::uint32_t r = rng_.Below(100);
    if (r < 25) {
      out.Tok(rng_.Pick(plain_));
    } else if (r < 33) {
      out.Tok(Keyword());
    } else if (r < 48) {
      out.Tok(Number());
    } else if (r < 56) {
      out.Tok(StringLiteral());
    } else if (r < 61) {
      out.Tok(CharLiteral());
    } else {
      std::string op = rng_.Pick(TextOperators());
      if (!commas && op == ",") op = ";";
      out.Tok(op);
    }
  }

  // A use of a macro, written through `out`. In a body (`owner` set) the arguments may name
  // the owner's parameters. `depth` limits nested calls.
  void UseMacro(Emitter& out, const Macro& m, bool directive, const Macro* owner, int depth) {
    // In a body or an argument the expansion may be made as text that is read again (the
    // expansion of an argument): a blank keeps the token before it from joining its start. In
    // C++ a blank also keeps a `.` before it apart from a `*` it may start with, in gcc's output.
    if (depth > 0 || (cpp_ && out.Last() == ".")) out.Blank();
    UseMacroOnly(out, m, directive, owner, depth);
    out.MayEndInNumber();
    // And after it: an expansion made inside an argument does not keep its last token apart
    // from the argument's text that follows.
    if (depth > 0) out.Blank();
  }
  void UseMacroOnly(Emitter& out, const Macro& m, bool directive, const Macro* owner, int depth) {
    if (m.role == Role::kAlias) {
      out.Tok(m.name);
      const Macro& target = macros_[m.target];
      if (rng_.Chance(3, 4)) {
        Arguments(out, target, directive, owner, depth);
      } else {
        Filler(out, directive);
      }
      return;
    }
    if (!m.functionLike) {
      out.Tok(m.name);
      return;
    }
    out.Tok(m.name);
    if (rng_.Chance(1, 8)) {
      Filler(out, directive);  // no call: the name stays
      return;
    }
    Arguments(out, m, directive, owner, depth);
  }

  // The token that follows a function-like macro's name written without a call, on its line.
  void Filler(Emitter& out, bool directive) {
    if (rng_.Chance(1, 4)) {
      out.Blank();
      BlockComment(out.Writer(), false);
      out.Blank();
    }
    static const std::vector<std::string> fillers = {";", "+", "]", "-", "*", "=", "[", "{"};
    std::string f = rng_.Pick(fillers);
    if (directive && f == ";") f = "+";
    out.Tok(f);
  }

  void Arguments(Emitter& out, const Macro& m, bool directive, const Macro* owner, int depth) {
    if (rng_.Chance(1, 5)) out.Gap(2);
    out.Tok("(");
    for (std::size_t i = 0; i < m.params.size(); ++i) {
      if (i > 0) out.Tok(",");
      if (rng_.Chance(1, 3)) out.Gap();
      Argument(out, m.params[i], m, directive, owner, depth);
      if (rng_.Chance(1, 3)) out.Gap();
    }
    out.Tok(")");
  }

  void Argument(Emitter& out, const Param& p, const Macro& m, bool directive, const Macro* owner,
                int depth) {
    if (p.stringized) owner = nullptr;  // see Param::stringized
    // In a body, the only argument of a macro of one parameter starts with a token of its own:
    // a parameter passed on, or a macro, could expand to nothing, and `f()` gives a macro of
    // one parameter no argument at all in tpx32.
    if (owner && m.params.size() == 1 && p.kind == ParamKind::kAny) {
      PlainToken(out, /*commas=*/false);
      out.Blank();
    }
    // A parameter of the macro being defined may be passed on when its kind fits.
    if (owner) {
      std::vector<const Param*> fit;
      for (const Param& q : owner->params) {
        if (Fits(q, p)) fit.push_back(&q);
      }
      if (!fit.empty() && rng_.Chance(1, 3)) {
        out.Blank();
        out.Tok(fit[rng_.Below(static_cast<std::uint32_t>(fit.size()))]->name);
        out.Blank();
        return;
      }
    }
    if (m.role == Role::kValueFn) {
      if (m.fn == ValueFn::kPaste) {
        out.Tok(std::to_string(rng_.Between(1, 999)));
        return;
      }
      std::set<std::string> active;
      ExprPtr e = RandomExpr(2, depth < 3, false);
      if (ExprSize(e, active) > kUseBudget / 4) e = Literal();
      WriteExpr(out, e);
      return;
    }
    switch (p.kind) {
      case ParamKind::kIdent:
        out.Tok(rng_.Pick(plain_));
        return;
      case ParamKind::kDigits:
        out.Tok(std::to_string(rng_.Between(1, 9999)));
        return;
      case ParamKind::kIdTail:
        out.Tok(rng_.Chance(1, 2) ? rng_.Pick(plain_) : std::to_string(rng_.Below(9999)));
        return;
      case ParamKind::kToken:
        out.Tok(p.token);
        return;
      case ParamKind::kAny:
        break;
    }
    AnyTokens(out, directive, owner, depth, rng_.Between(1, 5), false);
  }

  // Whether parameter `q` of a body may be passed on as the argument of parameter `p`.
  static bool Fits(const Param& q, const Param& p) {
    switch (p.kind) {
      case ParamKind::kAny:
        return true;
      case ParamKind::kIdent:
        return q.kind == ParamKind::kIdent;
      case ParamKind::kDigits:
        return q.kind == ParamKind::kDigits;
      case ParamKind::kIdTail:
        return q.kind == ParamKind::kIdent || q.kind == ParamKind::kDigits ||
               q.kind == ParamKind::kIdTail;
      case ParamKind::kToken:
        return q.kind == ParamKind::kToken && q.token == p.token;
    }
    return false;
  }

  // A run of balanced tokens, with macro uses; commas only inside parentheses unless
  // `commas` is set.
  void AnyTokens(Emitter& out, bool directive, const Macro* owner, int depth, std::uint32_t count,
                 bool commas) {
    for (std::uint32_t i = 0; i < count; ++i) {
      std::uint32_t r = rng_.Below(100);
      if (r < 22 && depth < 4) {
        const std::string& name = order_[rng_.Below(static_cast<std::uint32_t>(order_.size()))];
        const Macro& u = macros_[name];
        if (u.role != Role::kGuard && UseSize(name) < kUseBudget / 4) {
          if (owner) const_cast<Macro*>(owner)->refs.push_back(name);
          UseMacro(out, u, directive, owner, depth + 1);
          continue;
        }
      }
      if (r < 30 && depth < 4) {
        out.Tok("(");
        AnyTokens(out, directive, owner, depth + 1, rng_.Between(0, 3), true);
        out.Tok(")");
        continue;
      }
      if (r < 34 && owner && !owner->params.empty()) {
        out.Blank();
        out.Tok(owner->params[rng_.Below(static_cast<std::uint32_t>(owner->params.size()))].name);
        out.Blank();
        const_cast<Macro*>(owner)->paramUses++;
        continue;
      }
      if (!directive && rng_.Chance(1, 6)) out.Gap(2);
      PlainToken(out, commas);
    }
  }

  // A line of text: tokens and macro uses.
  void TextLine(SourceWriter& w) {
    w.LineStartBlanks();
    Emitter out(*this, w, false);
    std::uint32_t n = rng_.Between(1, 12);
    for (std::uint32_t i = 0; i < n; ++i) {
      std::uint32_t r = rng_.Below(100);
      if (r < 35) {
        const std::string& name = order_[rng_.Below(static_cast<std::uint32_t>(order_.size()))];
        const Macro& m = macros_[name];
        if (m.role != Role::kGuard && UseSize(name) < kUseBudget) {
          UseMacro(out, m, false, nullptr, 0);
          if (rng_.Chance(1, 3)) out.Gap();
          continue;
        }
      }
      if (r < 40) {
        out.Tok("(");
        AnyTokens(out, false, nullptr, 1, rng_.Between(0, 4), true);
        out.Tok(")");
        continue;
      }
      PlainToken(out, true);
      if (rng_.Chance(1, 4)) out.Gap();
    }
    if (cpp_ && rng_.Chance(1, 12)) {
      w.Raw(' ');
      LineComment(w);
    } else if (!avoidKnown_ && rng_.Chance(1, 10)) {
      // Known fault: a function-like macro's name without a call at the end of a line, before
      // a directive line.
      std::vector<std::string> fns = MacrosOf(Role::kText, 1);
      if (!fns.empty()) {
        out.Blank();
        out.Tok(rng_.Pick(fns));
        w.LineEnd();
        w.Raw("#undef " + rng_.Pick(plain_));
      }
    }
  }

  Rng rng_;
  const Params& params_;
  bool cpp_ = false;
  bool big_ = false;
  bool avoidKnown_ = true;
  Tree tree_;
  std::string valuePrefix_;
  std::set<std::string> used_;
  std::vector<std::string> plain_;
  std::map<std::string, Macro> macros_;
  std::vector<std::string> order_;
  std::vector<Header> headers_;
  std::set<std::size_t> inProgress_;
  std::vector<std::string> includeDirs_;
  std::vector<SourceWriter*> writers_;
  std::vector<Frame> frames_;
};

}  // namespace valid

inline Tree GenerateValid(std::uint64_t seed, const Params& params) {
  return valid::Builder(seed, params).Build();
}

}  // namespace tpxgen

#endif  // TPX32_TESTS_RANDOM_VALID_H_
