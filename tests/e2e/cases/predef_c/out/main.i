/* define _INTEGRAL_MAX_BITS */
/* define __TLS__ */
/* define __FLAT__ */
/* define _Windows */
/* define __CDECL__ */
/* define __CONSOLE__ */
/* define _MT */
/* define __CGVER__ */
/* define __MT__ */
/* define __KESTRELC__ */
/* define _CPPUNWIND */
/* define __RAPIDC__ */
/* define _WIN32 */
/* define _M_IX86 */
/* define __KCOPT__ */
/* define __WIN32__ */
/* main.c 1: */1 64 1 1 1 1 1 1
/* main.c 2: */1 300 1 0x0530 0x0530 1 0x0200 1
/* main.c 3: */__XDLLMT__ _CHAR_UNSIGNED _WCHAR_T _WCHAR_T_DEFINED __UNIX__ __KR__ __DPMI32__
/* main.c 4: */__DLL__ _DLL __MEMSENTRY__ __RCPLUSPLUS__ __KCPLUSPLUS__ __TEMPLATES__ __BOOL__
/* main.c 5: */__PASCAL__ __FASTCALL__ __MFC_COMPAT__ _UNICODE __KESPACKAGE__ __USING_STD_NAMES__
/* main.c 6: */
/* main.c 7: */
/* main.c 8: */
/* main.c 9: */not_cplusplus
/* main.c 10: */
/* main.c 11: */
/* main.c 12: */
/* main.c 13: */
/* main.c 14: */not_stdc
/* main.c 15: */
/* main.c 16: */
/* main.c 17: */file "main.c" 17
/* main.c 18: */
/* main.c 19: */__cplusplus __STDC__
/* main.c 20: */
/* main.c 21: */