/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */
/* main.c 6: */
/* main.c 7: */
/* main.c 8: */

/* quoted.h 1: */
quoted
/* quoted.h 2: */
/* quoted.h 3: */
/* main.c 9: */

/* angle.h 1: */
angle
/* angle.h 2: */
/* angle.h 3: */
/* main.c 10: */

/* built.h 1: */
built
/* built.h 2: */
/* built.h 3: */
/* main.c 11: */

/* quoted.h 1: */
quoted
/* quoted.h 2: */
/* quoted.h 3: */
/* main.c 12: */

/* angle.h 1: */
angle
/* angle.h 2: */
/* angle.h 3: */
/* main.c 13: */after
/* main.c 14: */
/* main.c 15: */