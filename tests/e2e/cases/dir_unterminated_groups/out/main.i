/* main.c 1: */
/* main.c 2: */
/* main.c 3: */

/* open.h 1: */
x
/* open.h 2: */
/* open.h 3: */y
/* open.h 4: */
/* open.h 5: */
/* main.c 4: */after
/* main.c 5: */
/* main.c 6: */
/* main.c 7: */
/* main.c 8: */
/* main.c 9: */
/* main.c 10: */
/* main.c 11: */