cppunwind=_CPPUNWIND char_unsigned=_CHAR_UNSIGNED unix=__UNIX__ kr=__KR__
mt=__MT__ _MT dpmi=__DPMI32__ ix86=_M_IX86 dll=__DLL__ _DLL console=__CONSOLE__
memsentry=__MEMSENTRY__ pascal=__PASCAL__ fastcall=__FASTCALL__ cdecl=__CDECL__
mfc=__MFC_COMPAT__ unicode=_UNICODE package=__KESPACKAGE__ flat=__FLAT__
