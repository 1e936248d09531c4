/* main.c 1: */

/* a.h 1: */
a1
/* a.h 2: */

/* nested.h 1: */


/* deep.h 1: */
d1
/* deep.h 2: */
/* deep.h 3: */
/* nested.h 2: */n2
/* nested.h 3: */
/* nested.h 4: */
/* a.h 3: */a3
/* a.h 4: */
/* a.h 5: */
/* main.c 2: */

/* b.h 1: */


/* nested.h 1: */


/* deep.h 1: */
d1
/* deep.h 2: */
/* deep.h 3: */
/* nested.h 2: */n2
/* nested.h 3: */
/* nested.h 4: */
/* b.h 2: */b2
/* b.h 3: */
/* b.h 4: */
/* main.c 3: */

/* a.h 1: */
a1
/* a.h 2: */

/* nested.h 1: */


/* deep.h 1: */
d1
/* deep.h 2: */
/* deep.h 3: */
/* nested.h 2: */n2
/* nested.h 3: */
/* nested.h 4: */
/* a.h 3: */a3
/* a.h 4: */
/* a.h 5: */
/* main.c 4: */main_line
/* main.c 5: */
/* main.c 6: */

/*
File: main.c  Total lines compiled: 41
  a.h: included:2, lines:5\12
    nested.h: included:3, lines:4\7
      deep.h: included:3, lines:3\3
  b.h: included:1, lines:4\11
    nested.h: included:3, lines:4\7

*/
