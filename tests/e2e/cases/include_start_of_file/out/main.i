/* main.c 1: */

/* blank.h 1: */

/* blank.h 2: */

/* blank.h 3: */

/* blank.h 4: */

/* blank.h 5: */1
/* blank.h 6: */
/* blank.h 7: */
/* main.c 2: */

/* empty.h 1: */

/* empty.h 2: */

/* main.c 3: */

/* nonl.h 1: */
x
/* nonl.h 2: */
/* main.c 4: */

/* dir.h 1: */

/* dir.h 2: */
/* main.c 5: */2 end
/* main.c 6: */
/* main.c 7: */