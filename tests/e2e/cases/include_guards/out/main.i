/* main.c 1: */

/* guard.h 1: */

/* guard.h 2: */

/* guard.h 3: */
/* guard.h 4: */
/* guard.h 5: */int g;
/* guard.h 6: */
/* guard.h 7: */
/* guard.h 8: */
/* guard.h 9: */
/* guard.h 10: */
/* guard.h 11: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */

/* noguard.h 1: */
int before;
/* noguard.h 2: */
/* noguard.h 3: */
/* noguard.h 4: */int n;
/* noguard.h 5: */
/* noguard.h 6: */
/* noguard.h 7: */
/* main.c 5: */

/* noguard.h 1: */
int before;
/* noguard.h 2: */
/* noguard.h 3: */
/* noguard.h 4: */
/* noguard.h 5: */
/* noguard.h 6: */
/* noguard.h 7: */
/* main.c 6: */

/* else.h 1: */

/* else.h 2: */
/* else.h 3: */int e;
/* else.h 4: */
/* else.h 5: */
/* else.h 6: */
/* else.h 7: */
/* else.h 8: */
/* main.c 7: */

/* else.h 1: */

/* else.h 2: */
/* else.h 3: */
/* else.h 4: */
/* else.h 5: */int e2;
/* else.h 6: */
/* else.h 7: */
/* else.h 8: */
/* main.c 8: */

/* after.h 1: */

/* after.h 2: */
/* after.h 3: */int a;
/* after.h 4: */
/* after.h 5: */
/* after.h 6: */
/* after.h 7: */
/* main.c 9: */

/* after.h 1: */

/* after.h 2: */
/* after.h 3: */
/* after.h 4: */
/* after.h 5: */
/* after.h 6: */
/* after.h 7: */
/* main.c 10: */42
/* main.c 11: */
/* main.c 12: */

/*
File: main.c  Total lines compiled: 67
  guard.h: included:1, lines:11\11
  noguard.h: included:2, lines:7\7
  else.h: included:2, lines:8\8
  after.h: included:2, lines:7\7

*/
