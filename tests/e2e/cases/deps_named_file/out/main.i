/* main.c 1: */

/* h.h 1: */
int h;
/* h.h 2: */
/* h.h 3: */
/* main.c 2: */int m;
/* main.c 3: */
/* main.c 4: */