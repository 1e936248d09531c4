_CPPUNWIND _INTEGRAL_MAX_BITS __FLAT__ __TLS__ __MT__ _MT _Windows __WIN32__
_WIN32 _M_IX86 __CONSOLE__ __RAPIDC__ __KESTRELC__ __KCOPT__ __CGVER__ __CDECL__
__XDLLMT__ _CHAR_UNSIGNED _WCHAR_T _WCHAR_T_DEFINED __UNIX__ __KR__ __DPMI32__
__DLL__ _DLL __MEMSENTRY__ __RCPLUSPLUS__ __KCPLUSPLUS__ __TEMPLATES__ __BOOL__
__PASCAL__ __FASTCALL__ __MFC_COMPAT__ _UNICODE __KESPACKAGE__ __USING_STD_NAMES__
#ifdef __cplusplus
cplusplus
#else
not_cplusplus
#endif
#ifdef __STDC__
stdc
#else
not_stdc
#endif
#ifdef __FILE__
file __FILE__ __LINE__
#endif
__cplusplus __STDC__
