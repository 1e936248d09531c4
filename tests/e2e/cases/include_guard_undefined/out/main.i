/* main.c 1: */

/* g.h 1: */

/* g.h 2: */
/* g.h 3: */g_body
/* g.h 4: */
/* g.h 5: */
/* g.h 6: */
/* main.c 2: */
/* main.c 3: */

/* g.h 1: */

/* g.h 2: */
/* g.h 3: */g_body
/* g.h 4: */
/* g.h 5: */
/* g.h 6: */
/* main.c 4: */
/* main.c 5: */end
/* main.c 6: */
/* main.c 7: */

/*
File: main.c  Total lines compiled: 19
  g.h: included:2, lines:6\6

*/
