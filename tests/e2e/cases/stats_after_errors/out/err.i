/* err.c 1: */

/* h.h 1: */
h
/* h.h 2: */
/* h.h 3: */
/* err.c 2: */
/* err.c 3: */text
/* err.c 4: */
/* err.c 5: */

/*
File: err.c  Total lines compiled: 8
  h.h: included:1, lines:3\3

*/
