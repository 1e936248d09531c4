/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 1: */

/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 1: */
extern int a1;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 2: */extern int a2;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 3: */extern int a3;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 4: */extern int a4;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 5: */extern int a5;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 6: */extern int a6;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 7: */extern int a7;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 8: */extern int a8;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 9: */extern int a9;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 10: */extern int a10;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 11: */
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 12: */
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 13: */extern int last;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 14: */
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/h.h 15: */
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 2: */int a1 = 1;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 3: */int a2 = 2;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 4: */int a3 = 3;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 5: */int a4 = 4;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 6: */int a5 = 5;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 7: */int a6 = 6;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 8: */int a7 = 7;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 9: */int a8 = 8;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 10: */int a9 = 9;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 11: */int a10 = 10;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 12: */int a11 = 11;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 13: */
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 14: */int last = 2;
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 15: */
/* axxxxxxxx/axxxxxxxx/axxxxxxxx/axxxxxxxx/aaaaaaaaa/a.c 16: */