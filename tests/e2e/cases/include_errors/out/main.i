/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */
/* main.c 6: */
/* main.c 7: */
/* main.c 8: */
/* main.c 9: */
/* main.c 10: */
/* main.c 11: */
/* main.c 12: */

/* ok.h 1: */
ok
/* ok.h 2: */
/* ok.h 3: */
/* main.c 13: */end
/* main.c 14: */
/* main.c 15: */