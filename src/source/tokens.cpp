#include "source/tokens.h"

namespace tpx {

const char* const kTokenNames[tok::Count] = {
    "*EOF*", "(", ")", "[", "]", "{", "}", ";", ",", "...",
    "*EOL*", "=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=",
    "<<=", ">>=", "+", "-", "*", "/", "%", "&", "|", "^",
    "<<", ">>", "?", ":", "||", "&&", ".*", "->*", "==", "!=",
    "<", ">", "<=", ">=", "!", "~", "sizeof", "++", "--", ".",
    "->", "#", "ident", "qual-ident", "ccon", "icon", "lcon", "fcon", "string",
    // 59: keywords
    "static", "extern", "typedef", "register", "auto", "char", "wchar_t", "short", "int",
    "unsigned", "signed", "long", "float", "double", "struct", "union", "enum", "void",
    "__int8", "__int16", "__int32", "__int64", "bool", "__pascal", "__cdecl", "__fastcall",
    "__fortran", "__stdcall", "const", "volatile", "__closure", "__property", "export",
    "__export", "__import", "__declspec", "__rtti", "typeid", "asm", "goto", "if", "else",
    "for", "while", "do", "switch", "return", "break", "continue", "default", "case", "try",
    "catch", "throw", "__except", "__finally", "::", "class", "delete", "friend", "inline",
    "new", "operator", "private", "protected", "public", "__automated", "__published",
    "__dispid", "true", "false", "this", "virtual", "template", "using", "namespace",
    "mutable", "const_cast", "static_cast", "dynamic_cast", "reinterpret_cast", "__thread",
    "explicit", "typename", "__classid",
    // 144: inline-assembly token kinds
    "asm instruction", "asm call instruction", "asm rep prefix", "asm string function",
    "asm jump instruction", "asm size operator", "asm register name", "asm punctuation text",
    "asm end of statement", "asm lock prefix", "asm distance operator",
    "asm distance operator", "asm distance operator", "asm ptr modifier",
    "*NOTOKEN*", "*TOKEN STREAM: END*", "*TOKEN STREAM: LINE-ADD*", "*TOKEN STREAM: FILE_NEW*",
};

static_assert(sizeof kTokenNames / sizeof kTokenNames[0] == tok::Count);

}  // namespace tpx
