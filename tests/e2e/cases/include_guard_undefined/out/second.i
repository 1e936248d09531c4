/* second.c 1: */

/* g.h 1: */

/* g.h 2: */
/* g.h 3: */g_body
/* g.h 4: */
/* g.h 5: */
/* g.h 6: */
/* second.c 2: */
/* second.c 3: */
/* second.c 4: */

/*
File: second.c  Total lines compiled: 10
  g.h: included:1, lines:6\6

*/
