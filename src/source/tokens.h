// Token codes of the scanner and their spellings.
#pragma once

#include <cstdint>

namespace tpx {

using TokenCode = unsigned;

namespace tok {
inline constexpr TokenCode EndOfInput = 0;
inline constexpr TokenCode LParen = 1;
inline constexpr TokenCode RParen = 2;
inline constexpr TokenCode LBracket = 3;
inline constexpr TokenCode RBracket = 4;
inline constexpr TokenCode LBrace = 5;
inline constexpr TokenCode RBrace = 6;
inline constexpr TokenCode Semicolon = 7;
inline constexpr TokenCode Comma = 8;
inline constexpr TokenCode Ellipsis = 9;
inline constexpr TokenCode EndOfLine = 10;
inline constexpr TokenCode Assign = 11;
inline constexpr TokenCode PlusAssign = 12;
inline constexpr TokenCode MinusAssign = 13;
inline constexpr TokenCode StarAssign = 14;
inline constexpr TokenCode SlashAssign = 15;
inline constexpr TokenCode PercentAssign = 16;
inline constexpr TokenCode AmpAssign = 17;
inline constexpr TokenCode BarAssign = 18;
inline constexpr TokenCode CaretAssign = 19;
inline constexpr TokenCode ShlAssign = 20;
inline constexpr TokenCode ShrAssign = 21;
inline constexpr TokenCode Plus = 22;
inline constexpr TokenCode Minus = 23;
inline constexpr TokenCode Star = 24;
inline constexpr TokenCode Slash = 25;
inline constexpr TokenCode Percent = 26;
inline constexpr TokenCode Amp = 27;
inline constexpr TokenCode Bar = 28;
inline constexpr TokenCode Caret = 29;
inline constexpr TokenCode Shl = 30;
inline constexpr TokenCode Shr = 31;
inline constexpr TokenCode Question = 32;
inline constexpr TokenCode Colon = 33;
inline constexpr TokenCode OrOr = 34;
inline constexpr TokenCode AndAnd = 35;
inline constexpr TokenCode DotStar = 36;
inline constexpr TokenCode ArrowStar = 37;
inline constexpr TokenCode Equal = 38;
inline constexpr TokenCode NotEqual = 39;
inline constexpr TokenCode Less = 40;
inline constexpr TokenCode Greater = 41;
inline constexpr TokenCode LessEqual = 42;
inline constexpr TokenCode GreaterEqual = 43;
inline constexpr TokenCode Not = 44;
inline constexpr TokenCode Tilde = 45;
inline constexpr TokenCode Sizeof = 46;
inline constexpr TokenCode PlusPlus = 47;
inline constexpr TokenCode MinusMinus = 48;
inline constexpr TokenCode Dot = 49;
inline constexpr TokenCode Arrow = 50;
inline constexpr TokenCode Hash = 51;
inline constexpr TokenCode Identifier = 52;
inline constexpr TokenCode QualIdentifier = 53;
inline constexpr TokenCode CharConst = 54;
inline constexpr TokenCode IntConst = 55;
inline constexpr TokenCode LongConst = 56;
inline constexpr TokenCode FloatConst = 57;
inline constexpr TokenCode String = 58;
inline constexpr TokenCode FirstKeyword = 59;
inline constexpr TokenCode ColonColon = 115;
inline constexpr TokenCode LastKeyword = 143;
inline constexpr TokenCode NoToken = 158;
inline constexpr TokenCode Count = 162;
}  // namespace tok

// The keyword codes, in the order of the token name table.
namespace kw {
inline constexpr TokenCode Static = 59;     // static
inline constexpr TokenCode Extern = 60;     // extern
inline constexpr TokenCode Typedef = 61;    // typedef
inline constexpr TokenCode Register = 62;   // register
inline constexpr TokenCode Auto = 63;       // auto
inline constexpr TokenCode Char = 64;       // char
inline constexpr TokenCode WChar = 65;      // wchar_t
inline constexpr TokenCode Short = 66;      // short
inline constexpr TokenCode Int = 67;        // int
inline constexpr TokenCode Unsigned = 68;   // unsigned
inline constexpr TokenCode Signed = 69;     // signed
inline constexpr TokenCode Long = 70;       // long
inline constexpr TokenCode Float = 71;      // float
inline constexpr TokenCode Double = 72;     // double
inline constexpr TokenCode Struct = 73;     // struct
inline constexpr TokenCode Union = 74;      // union
inline constexpr TokenCode Enum = 75;       // enum
inline constexpr TokenCode Void = 76;       // void
inline constexpr TokenCode Int8 = 77;       // __int8
inline constexpr TokenCode Int16 = 78;      // __int16
inline constexpr TokenCode Int32 = 79;      // __int32
inline constexpr TokenCode Int64 = 80;      // __int64
inline constexpr TokenCode Bool = 81;       // bool
inline constexpr TokenCode Pascal = 82;     // __pascal
inline constexpr TokenCode Cdecl = 83;      // __cdecl
inline constexpr TokenCode Fastcall = 84;   // __fastcall
inline constexpr TokenCode Fortran = 85;    // __fortran
inline constexpr TokenCode Stdcall = 86;    // __stdcall
inline constexpr TokenCode Const = 87;      // const
inline constexpr TokenCode Volatile = 88;   // volatile
inline constexpr TokenCode Closure = 89;    // __closure
inline constexpr TokenCode Property = 90;   // __property
inline constexpr TokenCode Export = 91;     // export
inline constexpr TokenCode DllExport = 92;  // __export
inline constexpr TokenCode DllImport = 93;  // __import
inline constexpr TokenCode Declspec = 94;   // __declspec
inline constexpr TokenCode Rtti = 95;       // __rtti
inline constexpr TokenCode Typeid = 96;     // typeid
inline constexpr TokenCode Asm = 97;        // asm
inline constexpr TokenCode Goto = 98;       // goto
inline constexpr TokenCode If = 99;         // if
inline constexpr TokenCode Else = 100;      // else
inline constexpr TokenCode For = 101;       // for
inline constexpr TokenCode While = 102;     // while
inline constexpr TokenCode Do = 103;        // do
inline constexpr TokenCode Switch = 104;    // switch
inline constexpr TokenCode Return = 105;    // return
inline constexpr TokenCode Break = 106;     // break
inline constexpr TokenCode Continue = 107;  // continue
inline constexpr TokenCode Default = 108;   // default
inline constexpr TokenCode Case = 109;      // case
inline constexpr TokenCode Try = 110;       // try
inline constexpr TokenCode Catch = 111;     // catch
inline constexpr TokenCode Throw = 112;     // throw
inline constexpr TokenCode Except = 113;    // __except
inline constexpr TokenCode Finally = 114;   // __finally
// 115 is "::" (tok::ColonColon), which the scanner makes as an operator.
inline constexpr TokenCode Class = 116;            // class
inline constexpr TokenCode Delete = 117;           // delete
inline constexpr TokenCode Friend = 118;           // friend
inline constexpr TokenCode Inline = 119;           // inline
inline constexpr TokenCode New = 120;              // new
inline constexpr TokenCode Operator = 121;         // operator
inline constexpr TokenCode Private = 122;          // private
inline constexpr TokenCode Protected = 123;        // protected
inline constexpr TokenCode Public = 124;           // public
inline constexpr TokenCode Automated = 125;        // __automated
inline constexpr TokenCode Published = 126;        // __published
inline constexpr TokenCode Dispid = 127;           // __dispid
inline constexpr TokenCode True = 128;             // true
inline constexpr TokenCode False = 129;            // false
inline constexpr TokenCode This = 130;             // this
inline constexpr TokenCode Virtual = 131;          // virtual
inline constexpr TokenCode Template = 132;         // template
inline constexpr TokenCode Using = 133;            // using
inline constexpr TokenCode Namespace = 134;        // namespace
inline constexpr TokenCode Mutable = 135;          // mutable
inline constexpr TokenCode ConstCast = 136;        // const_cast
inline constexpr TokenCode StaticCast = 137;       // static_cast
inline constexpr TokenCode DynamicCast = 138;      // dynamic_cast
inline constexpr TokenCode ReinterpretCast = 139;  // reinterpret_cast
inline constexpr TokenCode Thread = 140;           // __thread
inline constexpr TokenCode Explicit = 141;         // explicit
inline constexpr TokenCode Typename = 142;         // typename
inline constexpr TokenCode Classid = 143;          // __classid
}  // namespace kw

// The spelling of each token code, as the output writer and messages use it.
extern const char* const kTokenNames[tok::Count];

}  // namespace tpx
