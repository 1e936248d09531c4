#ifndef PLATFORM_H
#define PLATFORM_H
#pragma pack(push, 8)
#ifdef __cplusplus
#define EXTERN_C extern "C"
#define NOTHROW throw()
#else
#define EXTERN_C extern
#define NOTHROW
#endif
#ifdef _M_IX86
#define ARCH x86
#endif
#pragma pack(pop)
#endif
