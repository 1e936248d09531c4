/* main.c 1: */

/* elif.h 1: */

/* elif.h 2: */
/* elif.h 3: */
/* elif.h 4: */
/* elif.h 5: */
/* elif.h 6: */
/* main.c 2: */

/* elif.h 1: */

/* elif.h 2: */
/* elif.h 3: */
/* elif.h 4: */
/* elif.h 5: */
/* elif.h 6: */
/* main.c 3: */
/* main.c 4: */

/*
File: main.c  Total lines compiled: 16
  elif.h: included:2, lines:6\6

*/
