// Conditions of #if: the folding core driven directly (conversions between the basic types,
// arithmetic at the 32-bit and 64-bit boundaries) and whole conditions read through a real run
// context's scanner in directive-line mode, with the messages they print.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <list>
#include <string>

#include "constexpr/condition.h"
#include "constexpr/evaluator.h"
#include "driver/run.h"
#include "options/options.h"

namespace tpx {
namespace {

class ConditionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx_.memory.Startup();
    ctx_.memory.StartOfFile();
  }
  void TearDown() override {
    ctx_.memory.EndOfFileRelease();
    ctx_.memory.Shutdown();
  }

  // Sets the file up for C or C++ with the current options.
  void Start(bool cpp = false) {
    ctx_.frontEndCpp = cpp;
    ctx_.options.CodePage = 1252;
    ctx_.options.ErrorLimit = 0;
    ctx_.options.WarningLimit = 0;
    ctx_.idents.Setup(ctx_.options.LanguageMode, cpp, ctx_.options.CompatLevel != 0);
    ctx_.diag.LoadSwitchDefaults();
    ctx_.diag.CommitCommandLineSwitches();
    ctx_.diag.ResetFileCounters();
    ctx_.diag.LoadWarningEnable();
    ctx_.scanner.Initialise();
    ctx_.scanner.RebuildLeadBytes();
    ctx_.position.fileName = "t.c";
  }

  struct Result {
    bool value;
    std::string messages;
  };

  // Evaluates `expression` as the rest of a directive line.
  Result Eval(const std::string& expression) {
    texts_.push_back(expression + "\n");
    ctx_.source.PushText(texts_.back().c_str());
    ctx_.position.messageLine = 0;
    ctx_.scanner.SetDirectiveLine(true);
    testing::internal::CaptureStdout();
    bool value = EvaluateCondition(ctx_);
    std::string messages = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(ctx_.scanner.InDirectiveLine());
    return {value, messages};
  }

  // True when `expression` holds without any message; the whole line is read, its
  // end-of-line token included.
  bool Holds(const std::string& expression) {
    Result r = Eval(expression);
    EXPECT_EQ(r.messages, "") << expression;
    EXPECT_EQ(ctx_.scanner.Current().code, tok::EndOfLine) << expression;
    return r.value;
  }

  tpx::Run ctx_;
  std::list<std::string> texts_;
};

std::string Error(const char* text) { return std::string("Error t.c: ") + text + "\n"; }
std::string Warning(const char* text) { return std::string("Warning t.c: ") + text + "\n"; }

// ---------------------------------------------------------------------------------------------
// Conversions between the basic types, checked against the host's own integer and floating
// conversions.

struct Basic {
  int code;
  int bits;  // 0 for floating types, 1 for bool
  bool isUnsigned;
};

const Basic kBasics[] = {
    {tc::Char, 8, false},         {tc::SignedChar, 8, false},  {tc::UnsignedChar, 8, true},
    {tc::WChar, 16, true},        {tc::Short, 16, false},      {tc::UnsignedShort, 16, true},
    {tc::Int, 32, false},         {tc::UnsignedInt, 32, true}, {tc::Long, 32, false},
    {tc::UnsignedLong, 32, true}, {tc::Int64, 64, false},      {tc::UnsignedInt64, 64, true},
    {tc::Float, 0, false},        {tc::Double, 0, false},      {tc::LongDouble, 0, false},
    {tc::Bool, 1, true},
};

// An exact integer: its 64-bit two's-complement bits and whether they read as signed.
struct Exact {
  std::uint64_t bits;
  bool isSigned;
};

// The bits of `v` reduced to an integral type and extended back to 64 bits by the type.
std::uint64_t Wrap(Exact v, const Basic& b) {
  if (b.bits == 1) return v.bits != 0;
  if (b.bits == 64) return v.bits;
  std::uint64_t mask = (std::uint64_t{1} << b.bits) - 1;
  std::uint64_t u = v.bits & mask;
  if (!b.isUnsigned && (u >> (b.bits - 1)) != 0) u |= ~mask;
  return u;
}

long double Real(Exact v) {
  return v.isSigned ? static_cast<long double>(static_cast<std::int64_t>(v.bits))
                    : static_cast<long double>(v.bits);
}

long double Round(long double v, int code) {
  if (code == tc::Float) return static_cast<float>(v);
  if (code == tc::Double) return static_cast<double>(v);
  return v;
}

class ConversionTest : public ConditionTest {
 protected:
  // A constant of type `b` holding `v` (already in the type's range).
  ExprNode* Constant(ExprEvaluator& e, const Basic& b, std::uint64_t v, long double real) {
    TypeRec* type = e.BasicType(b.code);
    if (b.bits == 0) return e.MakeFloating(Round(real, b.code), type);
    if (b.bits == 64) return e.MakeInt64(v, type);
    return e.MakeInt32(static_cast<std::uint32_t>(v), type);
  }

  // The value of a converted integral node, extended to 64 bits by its type.
  static std::uint64_t BitsOf(const ExprNode* n, const Basic& b) {
    if (n->kind == nk::Int64) return n->Value64();
    if (b.isUnsigned) return n->value;
    return static_cast<std::uint64_t>(
        static_cast<std::int64_t>(static_cast<std::int32_t>(n->value)));
  }
};

TEST_F(ConversionTest, EveryPairOfBasicTypes) {
  Start(true);  // C++: plain char and bool are types of their own
  ExprEvaluator e(ctx_);
  const long double reals[] = {0.0L,     1.0L,      -1.0L,          3.75L,         -3.75L, 200.5L,
                               65535.0L, 70000.25L, -2147483648.0L, 4294967295.0L, 1e15L};
  const std::int64_t integers[] = {0,
                                   1,
                                   -1,
                                   127,
                                   128,
                                   200,
                                   255,
                                   300,
                                   32767,
                                   40000,
                                   65535,
                                   70000,
                                   2147483647,
                                   -2147483647 - 1,
                                   4294967295LL,
                                   0x123456789LL,
                                   -0x123456789LL,
                                   INT64_MAX,
                                   INT64_MIN};
  int checked = 0;
  for (const Basic& from : kBasics) {
    for (const Basic& to : kBasics) {
      // `exact` is the source value for integral sources; `real` for floating ones.
      auto check = [&](ExprNode* source, Exact exact, long double real, bool isReal) {
        ExprNode* r = e.ConvertConstant(e.BasicType(to.code), source);
        ASSERT_EQ(r->typeCode, to.code) << from.code << " -> " << to.code;
        if (to.bits == 0) {
          ASSERT_EQ(r->kind, nk::Floating);
          EXPECT_EQ(r->real, Round(isReal ? real : Real(exact), to.code))
              << from.code << " -> " << to.code;
          ++checked;
          return;
        }
        ASSERT_EQ(r->kind, to.bits == 64 ? nk::Int64 : nk::Int32) << from.code << " -> " << to.code;
        Exact expected = exact;
        if (isReal) {
          // Truncation toward zero; a bool target is a truth test of the value itself.
          expected = {static_cast<std::uint64_t>(static_cast<std::int64_t>(real)), true};
          if (to.bits == 1) expected = {real != 0 ? 1u : 0u, true};
        }
        EXPECT_EQ(BitsOf(r, to), Wrap(expected, to)) << from.code << " -> " << to.code;
        ++checked;
      };
      if (from.bits == 0) {
        for (long double real : reals) {
          long double source = Round(real, from.code);
          check(Constant(e, from, 0, source), Exact{0, true}, source, true);
        }
      } else {
        for (std::int64_t v : integers) {
          Exact in = {Wrap({static_cast<std::uint64_t>(v), true}, from), !from.isUnsigned};
          check(Constant(e, from, in.bits, 0), in, 0, false);
        }
      }
    }
  }
  EXPECT_EQ(checked, 16 * (12 * 19 + 3 * 11 + 19));
}

// -K is the switch that retunes the basic types: the evaluator builds them from the option
// block each time it starts, so the switch shows in the very next condition, within one file,
// with nothing to recompute in between.
TEST_F(ConditionTest, UnsignedCharSwitchShowsInTheNextCondition) {
  Start();
  EXPECT_TRUE(Holds("(char)255 < 0"));
  ASSERT_EQ(ParseOption(ctx_, 0, "K"), 1);
  EXPECT_FALSE(Holds("(char)255 < 0"));
  EXPECT_TRUE(Holds("(char)255 == 255"));
  ASSERT_EQ(ParseOption(ctx_, 0, "K-"), 1);
  EXPECT_TRUE(Holds("(char)255 < 0"));
}

TEST_F(ConversionTest, PlainCharFollowsTheOption) {
  Start(true);
  {
    ExprEvaluator e(ctx_);
    ExprNode* n = e.ConvertConstant(e.BasicType(tc::Char), e.MakeInt32(200, e.BasicType(tc::Int)));
    EXPECT_EQ(static_cast<std::int32_t>(n->value), -56);
  }
  ctx_.options.UnsignedChar = 1;
  {
    ExprEvaluator e(ctx_);
    ExprNode* n = e.ConvertConstant(e.BasicType(tc::Char), e.MakeInt32(200, e.BasicType(tc::Int)));
    EXPECT_EQ(n->value, 200u);
  }
  // In C the keyword char names one of the two explicit char types.
  Start(false);
  ExprEvaluator e(ctx_);
  EXPECT_EQ(e.BasicType(tc::Char)->kind, tc::UnsignedChar);
  ctx_.options.UnsignedChar = 0;
  ExprEvaluator f(ctx_);
  EXPECT_EQ(f.BasicType(tc::Char)->kind, tc::SignedChar);
}

TEST_F(ConversionTest, NormalizeToType) {
  EXPECT_EQ(NormalizeToType(tc::SignedChar, 0x1FF, false), 0xFFFFFFFFu);
  EXPECT_EQ(NormalizeToType(tc::UnsignedChar, 0x1FF, false), 0xFFu);
  EXPECT_EQ(NormalizeToType(tc::Char, 0x80, false), 0xFFFFFF80u);
  EXPECT_EQ(NormalizeToType(tc::Char, 0x80, true), 0x80u);
  EXPECT_EQ(NormalizeToType(tc::Short, 0x18000, false), 0xFFFF8000u);
  EXPECT_EQ(NormalizeToType(tc::UnsignedShort, 0x18000, false), 0x8000u);
  EXPECT_EQ(NormalizeToType(tc::WChar, 0x12345, false), 0x2345u);
  EXPECT_EQ(NormalizeToType(tc::Int, 0x87654321, false), 0x87654321u);
  EXPECT_EQ(NormalizeToType(tc::Pointer, 0x87654321, false), 0x87654321u);
  EXPECT_EQ(NormalizeToType(tc::Bool, 42, false), 1u);
}

TEST_F(ConversionTest, FloatingOutOfRangeGivesTheIndefiniteInteger) {
  Start();
  ExprEvaluator e(ctx_);
  ExprNode* n =
      e.ConvertConstant(e.BasicType(tc::Int64), e.MakeFloating(1e30L, e.BasicType(tc::Double)));
  EXPECT_EQ(n->Value64(), 0x8000000000000000u);
  ExprNode* u =
      e.ConvertConstant(e.BasicType(tc::UnsignedInt64),
                        e.MakeFloating(18446744073709549568.0L, e.BasicType(tc::LongDouble)));
  EXPECT_EQ(u->Value64(), 18446744073709549568u);
  ExprNode* i =
      e.ConvertConstant(e.BasicType(tc::Int), e.MakeFloating(NAN, e.BasicType(tc::Double)));
  EXPECT_EQ(i->value, 0u);  // the low word of the indefinite integer
}

// ---------------------------------------------------------------------------------------------
// Arithmetic.

TEST_F(ConditionTest, ThirtyTwoBitBoundaries) {
  Start();
  EXPECT_TRUE(Holds("2147483647 == 0x7FFFFFFF"));
  EXPECT_TRUE(Holds("-2147483647 - 1 < 0"));
  EXPECT_TRUE(Holds("2147483647 - 1 == 2147483646"));
  EXPECT_TRUE(Holds("0xFFFFFFFFu + 1 == 0"));
  EXPECT_TRUE(Holds("0u - 1 == 0xFFFFFFFF"));
  EXPECT_TRUE(Holds("65536 * 32767 == 2147418112"));
  EXPECT_TRUE(Holds("65536u * 65536u == 0"));
  // The overflowing result is replaced by 1.
  Result r = Eval("2147483647 + 1 == 1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Integer arithmetic overflow"));
  r = Eval("(-2147483647 - 1) - 1 == 1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Integer arithmetic overflow"));
  r = Eval("65536 * 65536 == 1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Integer arithmetic overflow"));
  // Negation is not checked.
  EXPECT_TRUE(Holds("-(-2147483647 - 1) < 0"));
}

TEST_F(ConditionTest, OverflowIsAnErrorInStrictMode) {
  ctx_.options.LanguageMode = 1;
  Start();
  Result r = Eval("2147483647 + 1 < 0");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Numeric constant too large"));
}

TEST_F(ConditionTest, DivisionAndRemainderSigns) {
  Start();
  EXPECT_TRUE(Holds("-7 / 2 == -3 && -7 % 2 == -1"));
  EXPECT_TRUE(Holds("7 / -2 == -3 && 7 % -2 == 1"));
  EXPECT_TRUE(Holds("-7 / -2 == 3 && -7 % -2 == -1"));
  EXPECT_TRUE(Holds("0xFFFFFFF9 / 2 == 0x7FFFFFFC && 0xFFFFFFF9 % 2 == 1"));
  EXPECT_TRUE(Holds("-7i64 / 2 == -3 && -7i64 % 2 == -1"));
  EXPECT_TRUE(Holds("0xFFFFFFFFFFFFFFF9ui64 % 16 == 9"));
  EXPECT_TRUE(Holds("-8 / 4 == -2 && -9 / 4 == -2 && -9 % 4 == -1"));
  EXPECT_TRUE(Holds("17u / 4 == 4 && 17u % 4 == 1"));
  EXPECT_TRUE(Holds("(1, 2) % 1 == 0"));
  // The most negative value divided by -1 wraps instead of trapping.
  EXPECT_TRUE(Holds("(-2147483647 - 1) / -1 == -2147483647 - 1"));
  EXPECT_TRUE(Holds("(-2147483647 - 1) % -1 == 0"));
  EXPECT_TRUE(Holds("(-9223372036854775807i64 - 1) / -1 < 0"));
  EXPECT_TRUE(Holds("(-9223372036854775807i64 - 1) % -1 == 0"));
}

TEST_F(ConditionTest, DivisionByZeroGivesTheDividend) {
  Start();
  Result r = Eval("7 / 0 == 7");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Division by zero"));
  r = Eval("7i64 % 0 == 7");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Division by zero"));
  r = Eval("0 && 1 / 0");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Warning("Division by zero"));
  ctx_.diag.SetWarningEnabled(449, false);
  r = Eval("1 % 0");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, "");
}

TEST_F(ConditionTest, Shifts) {
  Start();
  EXPECT_TRUE(Holds("1 << 31 < 0"));
  EXPECT_TRUE(Holds("-8 >> 1 == -4"));
  EXPECT_TRUE(Holds("0xFFFFFFF0u >> 4 == 0x0FFFFFFF"));
  EXPECT_TRUE(Holds("(char)1 << 8 == 256"));
  EXPECT_TRUE(Holds("1i64 << 40 == 0x10000000000i64"));
  EXPECT_TRUE(Holds("-1i64 >> 63 == -1"));
  EXPECT_TRUE(Holds("0x8000000000000000ui64 >> 63 == 1"));
  Result r = Eval("1 << 32 == 1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Possible overflow in shift operation"));
  r = Eval("1 >> -1 == 0");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Possible overflow in shift operation"));
  // Counts from 64 give 0, or all sign bits.
  r = Eval("1i64 << 64 == 0 && -4i64 >> 70 == -1 && 4ui64 >> 64 == 0");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Possible overflow in shift operation") +
                            Warning("Possible overflow in shift operation") +
                            Warning("Possible overflow in shift operation"));
}

TEST_F(ConditionTest, SixtyFourBitArithmetic) {
  Start();
  EXPECT_TRUE(Holds("0x100000000i64 + 1 > 0x100000000i64"));
  EXPECT_TRUE(Holds("0x7FFFFFFFFFFFFFFFi64 + 1 < 0"));
  EXPECT_TRUE(Holds("0xFFFFFFFFFFFFFFFFui64 + 1 == 0"));
  EXPECT_TRUE(Holds("-1 == -1i64 && 0xFFFFFFFFu != -1i64"));
  EXPECT_TRUE(Holds("0x100000000i64 * 0x100000000i64 == 0"));
  EXPECT_TRUE(Holds("(int)0x123456789i64 == 0x23456789"));
  EXPECT_TRUE(Holds("(unsigned char)0x1FFi64 == 255"));
  EXPECT_TRUE(Holds("~0i64 == -1 && !0i64"));
  // A 64-bit result is too large for a condition; its low word decides.
  Result r = Eval("0x100000001i64 + 0");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Numeric constant too large"));
  r = Eval("4294967296");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Numeric constant too large"));
}

TEST_F(ConditionTest, FloatingArithmetic) {
  Start();
  EXPECT_TRUE(Holds("3.5 * 2 == 7"));
  EXPECT_TRUE(Holds("(int)3.9 == 3 && (int)-3.9 == -3"));
  EXPECT_TRUE(Holds("1.5 + 0.25 == 1.75 && 1.0 / 4 == 0.25 && -(0.5) < 0"));
  EXPECT_TRUE(Holds("0.1f != 0.1"));
  EXPECT_TRUE(Holds("0.1L != 0.1"));
  EXPECT_TRUE(Holds("(float)0.1 == 0.1f"));
  // Extended precision keeps the low bit that double would lose.
  EXPECT_TRUE(Holds("9007199254740993.0L - 9007199254740992.0L == 1"));
  EXPECT_TRUE(Holds("9007199254740993.0 - 9007199254740992.0 == 0"));
  EXPECT_TRUE(Holds("-0.0 == 0.0"));
  EXPECT_TRUE(Holds("(1 ? 2 : 3.0) == 2"));
  EXPECT_TRUE(Holds("(__int64)1e18 == 1000000000000000000i64"));
  // An unordered difference counts as negative.
  EXPECT_TRUE(Holds("0.0 / 0.0 < 0"));
  EXPECT_FALSE(Holds("0.0 / 0.0 == 0.0 / 0.0"));
  Result r = Eval("1.5");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Constant expression required"));
  r = Eval("1.0 % 2");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Illegal use of floating point"));
  r = Eval("~1.0");
  EXPECT_EQ(r.messages, Error("Illegal use of floating point"));
  r = Eval("1.0 << 1");
  EXPECT_EQ(r.messages, Error("Illegal use of floating point"));
}

// ---------------------------------------------------------------------------------------------
// Comparisons and their warnings.

TEST_F(ConditionTest, SignedAndUnsignedComparisons) {
  Start();
  Result r = Eval("-1 < 0u");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Warning("Comparing signed and unsigned values"));
  EXPECT_FALSE(Holds("1 < 0u"));
  EXPECT_TRUE(Holds("0xFFFFFFFF > 1"));
  r = Eval("0xFFFFFFFF > -1");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Warning("Comparing signed and unsigned values"));
  // long against unsigned int compares as unsigned long.
  r = Eval("-1L > 1u");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Comparing signed and unsigned values"));
  // Narrow types are promoted first.
  EXPECT_TRUE(Holds("(unsigned char)1 > -1"));
  EXPECT_TRUE(Holds("(unsigned short)65535 > (short)-1"));
  r = Eval("-1u");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Negating unsigned value"));
  EXPECT_TRUE(Holds("-(unsigned char)1 == -1"));
}

TEST_F(ConditionTest, RangeOfTheNonConstantSide) {
  Start();
  // A comma expression never reduces, so the other side is checked against its type.
  Result r = Eval("(1, (unsigned char)2) < 0");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages,
            Warning("Condition is always false") + Error("Constant expression required"));
  r = Eval("(1, (unsigned char)2) >= 0");
  EXPECT_EQ(r.messages,
            Warning("Condition is always true") + Error("Constant expression required"));
  r = Eval("(1, (signed char)2) > 127");
  EXPECT_EQ(r.messages,
            Warning("Condition is always false") + Error("Constant expression required"));
  r = Eval("(1, (short)2) <= 32767");
  EXPECT_EQ(r.messages,
            Warning("Condition is always true") + Error("Constant expression required"));
  // A constant on the left is checked with the mirrored operator.
  r = Eval("0 > (1, (unsigned short)2)");
  EXPECT_EQ(r.messages,
            Warning("Condition is always false") + Error("Constant expression required"));
  r = Eval("(1, (unsigned char)2) == 256");
  EXPECT_EQ(r.messages,
            Warning("Constant out of range in comparison") + Error("Constant expression required"));
  r = Eval("(1, 2u) == -1");
  EXPECT_EQ(r.messages, Warning("Constant out of range in comparison") +
                            Warning("Comparing signed and unsigned values") +
                            Error("Constant expression required"));
  r = Eval("(1, (unsigned char)2) < 5");
  EXPECT_EQ(r.messages, Error("Constant expression required"));
  // Between constants there is nothing to check.
  EXPECT_FALSE(Holds("(unsigned char)2 < 0"));
}

// ---------------------------------------------------------------------------------------------
// Syntax, precedence and the result rules.

TEST_F(ConditionTest, SyntaxErrorsAndTheirResults) {
  Start();
  Result r = Eval("");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Expression syntax"));
  r = Eval("1 2");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Expression syntax"));
  // What is left of the line is the directive layer's to skip.
  EXPECT_EQ(ctx_.scanner.Current().code, tok::IntConst);
  r = Eval("(1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error(") expected"));
  r = Eval("1, 0");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Expression syntax"));
  r = Eval("(1, 0)");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Expression syntax"));
  r = Eval("(1, 0) + 1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Constant expression required"));
  r = Eval("1 ? 2");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("No : following the ?"));
  r = Eval("x = 1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Lvalue required"));
  r = Eval("0 + (x += 1) / 0");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Lvalue required"));  // one error node, one message
  r = Eval("sizeof(1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Expression syntax"));
  r = Eval("1 +) 2 3");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Expression syntax"));
  r = Eval("1 .* 2");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Constant expression required"));
}

TEST_F(ConditionTest, PrecedenceAndAssociativity) {
  Start();
  EXPECT_TRUE(Holds("1 + 2 * 3 == 7"));
  EXPECT_TRUE(Holds("10 - 4 - 3 == 3"));
  EXPECT_TRUE(Holds("64 / 4 / 2 == 8"));
  EXPECT_FALSE(Holds("1 ? 0 : 1 ? 1 : 1"));
  EXPECT_TRUE(Holds("0 ? 0 : 0 ? 0 : 2"));
  EXPECT_TRUE(Holds("(1 | 2 ^ 3 & 4) == 3"));
  EXPECT_TRUE(Holds("(1 || 0 && 0) == 1"));
  EXPECT_TRUE(Holds("!0 + ~0 == 0"));
  EXPECT_TRUE(Holds("- - 1 == 1 && + 1 == 1"));
  EXPECT_FALSE(Holds("UNDEFINED"));
  EXPECT_TRUE(Holds("!UNDEFINED"));
}

TEST_F(ConditionTest, AmbiguousOperatorsWhenAsked) {
  Start();
  EXPECT_TRUE(Holds("1 & 2 == 2"));  // off by default
  ctx_.diag.SetWarningEnabled(435, true);
  std::string amb = Warning("Ambiguous operators need parentheses");
  EXPECT_EQ(Eval("a & b == c").messages, amb);
  EXPECT_EQ(Eval("a == b & c").messages, amb);
  EXPECT_EQ(Eval("a + b << c").messages, amb);
  EXPECT_EQ(Eval("a << b + c").messages, amb);
  EXPECT_EQ(Eval("a | b ^ c").messages, amb);
  EXPECT_EQ(Eval("a + b * c").messages, "");
  EXPECT_EQ(Eval("a - b + c").messages, "");
  EXPECT_EQ(Eval("a && b || c").messages, "");
  EXPECT_EQ(Eval("a == b && c").messages, "");
}

TEST_F(ConditionTest, CastsAndSizeof) {
  Start();
  EXPECT_TRUE(Holds("sizeof(int) == 4 && sizeof(char) == 1 && sizeof(long double) == 10"));
  EXPECT_TRUE(Holds("sizeof(unsigned) == 4 && sizeof(short int) == 2 && sizeof(__int64) == 8"));
  EXPECT_TRUE(Holds("sizeof(char *) == 4 && sizeof(int[3][5]) == 60 && sizeof(double[2]) == 16"));
  EXPECT_TRUE(Holds("sizeof(int *[3]) == 12 && sizeof(int (*)[3]) == 4"));
  EXPECT_TRUE(Holds("sizeof(int (*[2])[5]) == 8 && sizeof(char (*)(int)) == 4"));
  EXPECT_TRUE(
      Holds("sizeof 1.0f == 4 && sizeof 1.0 == 8 && sizeof(1 == 1) == 4 && sizeof 'a' == 4"));
  EXPECT_TRUE(Holds("sizeof((char)1) == 1 && sizeof -(char)1 == 4 && sizeof(1i64) == 8"));
  EXPECT_TRUE(Holds("sizeof(long double) > sizeof(double) && sizeof(double) > 0"));
  EXPECT_TRUE(Holds("(unsigned char)300 == 44 && (signed char)255 == -1 && (char)255 < 0"));
  EXPECT_TRUE(Holds("(short)0x18000 == -32768 && (unsigned short)-1 == 65535"));
  EXPECT_TRUE(Holds("(unsigned)-1 == 0xFFFFFFFF && (long)0xFFFFFFFF == -1"));
  EXPECT_TRUE(Holds("(const volatile int)1 == 1"));
  EXPECT_TRUE(Holds("sizeof(__declspec(dllimport) int) == 4 && (__declspec(a(b)) char)300 == 44"));
  EXPECT_TRUE(Holds("sizeof(int __cdecl) == 4"));
  Result r = Eval("sizeof(void)");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Not an allowed type"));
  r = Eval("sizeof(int[0]) == 4");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Array must have at least one element"));
  r = Eval("sizeof(int[])");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Not an allowed type"));
  r = Eval("sizeof(int())");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Not an allowed type"));
  r = Eval("(long long)1");
  EXPECT_EQ(r.messages, Error("Too many types in declaration"));
  r = Eval("(unsigned signed)1");
  EXPECT_EQ(r.messages, Error("Too many types in declaration"));
  r = Eval("(unsigned float)1 == 1");
  EXPECT_EQ(r.messages, Error("Too many types in declaration"));
  r = Eval("(int char)1");
  EXPECT_EQ(r.messages, Error("Too many types in declaration"));
  r = Eval("(const const int)1");
  EXPECT_EQ(r.messages, Error("'const' has already been included"));
  r = Eval("(static int)1");
  EXPECT_EQ(r.messages, Error("Storage class 'static' is not allowed here"));
  r = Eval("(static extern int)1");
  EXPECT_EQ(r.messages, Error("Too many storage classes in declaration") +
                            Error("Storage class 'static' is not allowed here"));
  r = Eval("(int * const const)0");
  EXPECT_EQ(r.messages, Error("Conflicting type modifiers"));
  r = Eval("(struct s)1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error(") expected"));
  r = Eval("(int x)1");
  EXPECT_EQ(r.messages, Error(") expected"));
  // The bound's error skips the line, so the bracket is missing too.
  r = Eval("sizeof(int[2 + ])");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Expression syntax") + Error("Array bounds missing ]"));
  r = Eval("sizeof(int[2)");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Array bounds missing ]"));
  r = Eval("sizeof(void[2])");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Not an allowed type"));
  r = Eval("sizeof(int[2][])");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Size of the type is unknown or zero"));
  r = Eval("sizeof(char[65536][65536])");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Array size too large"));
  r = Eval("(int[2])1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Incompatible type conversion"));
  r = Eval("(void)0");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Constant expression required"));
  r = Eval("(int)(void)0");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Value of type void is not allowed"));
  r = Eval("(void)0 + 1");
  EXPECT_EQ(r.messages, Error("Not an allowed type"));
}

TEST_F(ConditionTest, PointersInConditions) {
  Start();
  EXPECT_FALSE(Holds("(char *)0"));
  EXPECT_TRUE(Holds("(int *)0 + 1 == (int *)4"));
  EXPECT_TRUE(Holds("!(char *)0"));
  Result r = Eval("+(char *)0");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Illegal use of pointer"));
  r = Eval("(char *)0 + (char *)0");
  EXPECT_EQ(r.messages, Error("Invalid pointer addition"));
  r = Eval("1 - (char *)0");
  EXPECT_EQ(r.messages, Error("Illegal pointer subtraction"));
  r = Eval("(char *)0 - (char *)0");
  EXPECT_EQ(r.messages, Error("Constant expression required"));
  r = Eval("(void *)0 + 1");
  EXPECT_EQ(r.messages, Error("Size of the type is unknown or zero"));
  r = Eval("(char *)0 + 1i64");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Suspicious pointer arithmetic"));
  r = Eval("(float)(char *)0");
  EXPECT_EQ(r.messages, Error("Incompatible type conversion"));
  r = Eval("(char *)1.0");
  EXPECT_EQ(r.messages, Error("Incompatible type conversion"));
  r = Eval("(char *)0 * 2");
  EXPECT_EQ(r.messages, Error("Illegal use of pointer"));
  r = Eval("1 ? (char *)0 : 1.0");
  EXPECT_EQ(r.messages, Error("Illegal use of floating point"));
}

TEST_F(ConditionTest, StrictAnsiConditions) {
  ctx_.options.LanguageMode = 1;
  Start();
  Result r = Eval("1.5 > 1");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Illegal use of floating point"));
  r = Eval("sizeof(int)");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Expression syntax"));
  r = Eval("(int)1");
  EXPECT_FALSE(r.value);
  EXPECT_EQ(r.messages, Error("Expression syntax"));
  EXPECT_FALSE(Holds("int"));
}

TEST_F(ConditionTest, CAndCppDiffer) {
  Start(false);
  EXPECT_FALSE(Holds("true"));
  EXPECT_TRUE(Holds("sizeof(1 == 1) == 4 && sizeof 'a' == 4"));
  Result r = Eval("0 ? 1 : x = 2");
  EXPECT_EQ(r.messages, Error("Lvalue required"));

  Start(true);
  r = Eval("true");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Expression syntax"));
  EXPECT_TRUE(Holds("sizeof(1 == 1) == 1 && sizeof 'a' == 1 && sizeof(bool) == 1"));
  EXPECT_TRUE(Holds("sizeof(!0) == 1 && sizeof(1 && 1) == 1 && sizeof(wchar_t) == 2"));
  EXPECT_TRUE(Holds("(bool)5 == 1 && (bool)0.5 && !(bool)0"));
  EXPECT_TRUE(Holds("(1 < 2) + (3 < 4) == 2"));
  EXPECT_TRUE(Holds("0.5 && 1"));
  EXPECT_TRUE(Holds("!5 == 0 && !!5 == 1"));
  EXPECT_TRUE(Holds("+(char *)0 == 0"));
  r = Eval("(float)(char *)0");
  EXPECT_EQ(r.messages, Error("Incompatible type conversion"));
}

TEST_F(ConditionTest, StringLiterals) {
  Start();
  Result r = Eval("\"\"");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Error("Constant expression required"));
}

// ---------------------------------------------------------------------------------------------
// Order of messages: operands are folded when an operator needs them, the rest at the end.

TEST_F(ConditionTest, MessagesComeInFoldingOrder) {
  Start();
  // The cast folds its operand while the line is read, before the comma is reduced.
  Result r = Eval("(2147483647 + 1, 0) + (char)(1 / 0)");
  EXPECT_EQ(r.messages, Warning("Division by zero") + Warning("Integer arithmetic overflow") +
                            Error("Constant expression required"));
  // Without a cast both are reduced at the end, left first.
  r = Eval("(2147483647 + 1, 0) + (1 / 0, 0)");
  EXPECT_EQ(r.messages, Warning("Integer arithmetic overflow") + Warning("Division by zero") +
                            Error("Constant expression required"));
  // No short cut: every operand is reduced.
  r = Eval("1 ? 1 : 1 / 0");
  EXPECT_TRUE(r.value);
  EXPECT_EQ(r.messages, Warning("Division by zero"));
}

// ---------------------------------------------------------------------------------------------
// Limits and storage.

TEST_F(ConditionTest, DeepNestingEndsTheFileAsOutOfMemory) {
  Start();
  std::string deep(3000, '(');
  deep += "1";
  deep += std::string(3000, ')');
  texts_.push_back(deep + "\n");
  ctx_.source.PushText(texts_.back().c_str());
  ctx_.scanner.SetDirectiveLine(true);
  testing::internal::CaptureStdout();
  EXPECT_THROW(EvaluateCondition(ctx_), FatalError);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Fatal t.c: Out of memory\n");
}

TEST_F(ConditionTest, ModerateNestingIsFine) {
  Start();
  std::string nested(1500, '(');
  nested += "2";
  nested += std::string(1500, ')');
  EXPECT_TRUE(Holds(nested + " == 2"));
  std::string sum = "1";
  for (int i = 0; i < 3000; ++i) sum += "+1";
  EXPECT_TRUE(Holds(sum + " == 3001"));
}

TEST_F(ConditionTest, NodesGoBackToTheBlockPool) {
  Start();
  auto inUse = [this] {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < ctx_.memory.blocks.ChunkCount(); ++i)
      bytes += ctx_.memory.blocks.ChunkSize(i) - BlockPool::kChunkOverhead -
               ctx_.memory.blocks.ChunkFreeCount(i);
    return bytes;
  };
  EXPECT_TRUE(Holds("sizeof(char *) == 4"));
  std::size_t before = inUse();
  std::string sum = "1";
  for (int i = 0; i < 2000; ++i) sum += "+1";
  EXPECT_TRUE(Holds(sum + " == 2001"));
  EXPECT_TRUE(Holds("sizeof(int **) == 4"));
  EXPECT_EQ(ctx_.memory.blocks.CheckIntegrity(), nullptr);
  // Only the records of the two pushed lines are still held.
  EXPECT_LE(inUse(), before + 2 * 128);
}

TEST(ExprNodePoolTest, AlignedZeroedAndReturned) {
  tpx::Run ctx;
  ctx.memory.Startup();
  ctx.memory.StartOfFile();
  {
    ExprNodePool pool(ctx.memory.blocks);
    for (int i = 0; i < 1000; ++i) {
      auto* p = static_cast<unsigned char*>(pool.Allocate(40));
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 16, 0u);
      for (int j = 0; j < 40; ++j) ASSERT_EQ(p[j], 0);
      std::memset(p, 0xAB, 40);
    }
    void* big = pool.Allocate(40000);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(big) % 16, 0u);
    EXPECT_GT(pool.BlockCount(), 10u);
  }
  // Every block is free again: the standard chunks hold no block in use.
  EXPECT_EQ(ctx.memory.blocks.CheckIntegrity(), nullptr);
  for (std::size_t i = 0; i < ctx.memory.blocks.ChunkCount(); ++i)
    EXPECT_EQ(ctx.memory.blocks.ChunkFreeCount(i),
              ctx.memory.blocks.ChunkSize(i) - BlockPool::kChunkOverhead);
  ctx.memory.EndOfFileRelease();
  ctx.memory.Shutdown();
}

}  // namespace
}  // namespace tpx
