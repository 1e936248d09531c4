/* main.c 1: */a = 0x1.5;
/* main.c 2: */b = 1.2.3;
/* main.c 3: */c = 1e+x;
/* main.c 4: */d = 12i7;
/* main.c 5: */e = '';
/* main.c 6: */f = 'abcde';
/* main.c 7: */g = '\x0041';
/* main.c 8: */h = '\400';
/* main.c 9: */i = '\x100';
/* main.c 10: */k = "ab\"c;"
/* main.c 11: */l = 09 + 0x1F + 0XffffFFFF + 4294967296 + 1.5e+3 + 12i64 + 3ui8 + 7Lu + .5f + 1.5L;
/* main.c 12: */m = a.b;
/* main.c 13: */n = 1.5e3e4;
/* main.c 14: */o = 1e5.0;
/* main.c 15: */p = 'ab' + '\x41' + '\101' + '\'' + '\"' + L'a' + L"w" + "q\\" + "\\\"";
/* main.c 16: */q = 1e99999 + 1.0e99999f;
/* main.c 17: */
/* main.c 18: */