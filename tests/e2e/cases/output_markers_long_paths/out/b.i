/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 1: */

/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 1: */
extern int b1;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 2: */extern int b2;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 3: */extern int b3;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 4: */extern int b4;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 5: */extern int b5;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 6: */extern int b6;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 7: */extern int b7;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 8: */extern int b8;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 9: */extern int b9;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 10: */extern int b10;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 11: */
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 12: */
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 13: */extern int last;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 14: */
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/h.h 15: */
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 2: */int b1 = 1;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 3: */int b2 = 2;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 4: */int b3 = 3;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 5: */int b4 = 4;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 6: */int b5 = 5;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 7: */int b6 = 6;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 8: */int b7 = 7;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 9: */int b8 = 8;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 10: */int b9 = 9;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 11: */int b10 = 10;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 12: */int b11 = 11;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 13: */
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 14: */int last = 2;
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 15: */
/* bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bxxxxxxxx/bbbbbbbbbb/b.c 16: */