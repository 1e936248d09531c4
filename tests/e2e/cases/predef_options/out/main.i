/* main.c 1: */cppunwind=_CPPUNWIND char_unsigned=1 unix=1 kr=__KR__
/* main.c 2: */mt=__MT__ _MT dpmi=__DPMI32__ ix86=500 dll=1 1 console=__CONSOLE__
/* main.c 3: */memsentry=1 pascal=1 fastcall=__FASTCALL__ cdecl=__CDECL__
/* main.c 4: */mfc=0x0320 unicode=1 package=__KESPACKAGE__ flat=1
/* main.c 5: */
/* main.c 6: */