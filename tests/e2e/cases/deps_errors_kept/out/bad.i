/* bad.c 1: */

/* h.h 1: */
int h;
/* h.h 2: */
/* h.h 3: */
/* bad.c 2: */
/* bad.c 3: */
/* bad.c 4: */
/* bad.c 5: */