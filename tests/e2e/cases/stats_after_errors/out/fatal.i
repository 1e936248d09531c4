/* fatal.c 1: */

/* h.h 1: */
h
/* h.h 2: */
/* h.h 3: */
/* fatal.c 2: */before
/* fatal.c 3: */