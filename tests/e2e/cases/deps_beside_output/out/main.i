/* main.c 1: */

/* one.h 1: */

/* one.h 2: */
/* one.h 3: */

/* two.h 1: */

/* two.h 2: */
/* two.h 3: */
/* one.h 4: */
/* one.h 5: */
/* one.h 6: */
/* one.h 7: */
/* main.c 2: */

/* two.h 1: */

/* two.h 2: */
/* two.h 3: */
/* main.c 3: */
/* main.c 4: */int m = 1 + 2;
/* main.c 5: */
/* main.c 6: */