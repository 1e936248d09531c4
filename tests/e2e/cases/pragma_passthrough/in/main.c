#define N 4
#define PACK pack
#pragma once
#pragma  once
#pragma pack(N)
#pragma
#pragma PACK(push, N) /* comment */ trailing
#ifdef NOPE
#pragma once
#pragma pack(8)
#endif
#pragma anything at all ( ] "string" 'c'
#  pragma   indented
#pragma warn -dup
#define N 5
#pragma N
