/* main.c 1: */cppunwind=1 char_unsigned=_CHAR_UNSIGNED unix=__UNIX__ kr=1
/* main.c 2: */mt=1 1 dpmi=1 ix86=600 dll=1 _DLL console=1
/* main.c 3: */memsentry=__MEMSENTRY__ pascal=__PASCAL__ fastcall=1 cdecl=__CDECL__
/* main.c 4: */mfc=0x0400 unicode=_UNICODE package=1 flat=1
/* main.c 5: */
/* main.c 6: */