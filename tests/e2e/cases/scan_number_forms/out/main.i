/* main.c 1: */a = 1..2;
/* main.c 2: */b = 0x1p3 + 1E5E + 1ul + 1lu + 1LL;
/* main.c 3: */c = 1i16 + 1i32 + 1ui64 + 1i128;
/* main.c 4: */d = 1i6;
/* main.c 5: */e = 1i;
/* main.c 6: */f = 08 + 0779 + 1f + 1.5ff + 1.5lf + 1e5f;
/* main.c 7: */g = .e5 + 0xE+1 + 0x1e+1 + 0xAi8;
/* main.c 8: */h = 0xAi7;
/* main.c 9: */i = 1.5e+;
/* main.c 10: */j = 1e-5 + 2.5E-3L;
/* main.c 11: */k = 'abcd' + '\x41\x42\x43\x44' + L'ab';
/* main.c 12: */l = '\x41\x42\x43\x44\x45';
/* main.c 13: */m = L'abcde';
/* main.c 14: */
/* main.c 15: */