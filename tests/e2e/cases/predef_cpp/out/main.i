/* define _INTEGRAL_MAX_BITS */
/* define __TLS__ */
/* define __FLAT__ */
/* define _Windows */
/* define __TEMPLATES__ */
/* define __CDECL__ */
/* define __CONSOLE__ */
/* define _MT */
/* define __KCPLUSPLUS__ */
/* define __CGVER__ */
/* define _WCHAR_T */
/* define __MT__ */
/* define __KESTRELC__ */
/* define _CPPUNWIND */
/* define __RAPIDC__ */
/* define _WIN32 */
/* define __XDLLMT__ */
/* define __RCPLUSPLUS__ */
/* define _WCHAR_T_DEFINED */
/* define _M_IX86 */
/* define __KCOPT__ */
/* define __WIN32__ */
/* define __BOOL__ */
/* main.cpp 1: */1 64 1 1 1 1 1 1
/* main.cpp 2: */1 300 1 0x0530 0x0530 1 0x0200 1
/* main.cpp 3: */ _CHAR_UNSIGNED   __UNIX__ __KR__ __DPMI32__
/* main.cpp 4: */__DLL__ _DLL __MEMSENTRY__ 0x0530 0x0530 1 1
/* main.cpp 5: */__PASCAL__ __FASTCALL__ __MFC_COMPAT__ _UNICODE __KESPACKAGE__ __USING_STD_NAMES__
/* main.cpp 6: */
/* main.cpp 7: */cplusplus
/* main.cpp 8: */
/* main.cpp 9: */
/* main.cpp 10: */
/* main.cpp 11: */
/* main.cpp 12: */
/* main.cpp 13: */
/* main.cpp 14: */not_stdc
/* main.cpp 15: */
/* main.cpp 16: */
/* main.cpp 17: */file "main.cpp" 17
/* main.cpp 18: */
/* main.cpp 19: */1 __STDC__
/* main.cpp 20: */
/* main.cpp 21: */