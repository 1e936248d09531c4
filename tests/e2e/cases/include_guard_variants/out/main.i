/* main.c 1: */

/* text_after.h 1: */

/* text_after.h 2: */
/* text_after.h 3: */
/* text_after.h 4: */trailing_text
/* text_after.h 5: */
/* text_after.h 6: */
/* main.c 2: */

/* text_after.h 1: */

/* text_after.h 2: */
/* text_after.h 3: */
/* text_after.h 4: */trailing_text
/* text_after.h 5: */
/* text_after.h 6: */
/* main.c 3: */

/* nested.h 1: */

/* nested.h 2: */
/* nested.h 3: */
/* nested.h 4: */inner
/* nested.h 5: */
/* nested.h 6: */
/* nested.h 7: */
/* nested.h 8: */
/* main.c 4: */
/* main.c 5: */

/* nodefine.h 1: */

/* nodefine.h 2: */nd_body
/* nodefine.h 3: */
/* nodefine.h 4: */
/* nodefine.h 5: */
/* main.c 6: */

/* nodefine.h 1: */

/* nodefine.h 2: */nd_body
/* nodefine.h 3: */
/* nodefine.h 4: */
/* nodefine.h 5: */
/* main.c 7: */

/* ifdef_first.h 1: */

/* ifdef_first.h 2: */
/* ifdef_first.h 3: */
/* ifdef_first.h 4: */
/* ifdef_first.h 5: */
/* ifdef_first.h 6: */
/* ifdef_first.h 7: */
/* main.c 8: */

/* ifdef_first.h 1: */

/* ifdef_first.h 2: */
/* ifdef_first.h 3: */
/* ifdef_first.h 4: */
/* ifdef_first.h 5: */
/* ifdef_first.h 6: */
/* ifdef_first.h 7: */
/* main.c 9: */

/* comment_after.h 1: */

/* comment_after.h 2: */
/* comment_after.h 3: */
/* comment_after.h 4: */
/* comment_after.h 5: */
/* comment_after.h 6: */
/* comment_after.h 7: */
/* comment_after.h 8: */
/* main.c 10: */
/* main.c 11: */
/* main.c 12: */

/*
File: main.c  Total lines compiled: 64
  text_after.h: included:2, lines:6\6
  nested.h: included:1, lines:8\8
  nodefine.h: included:2, lines:5\5
  ifdef_first.h: included:2, lines:7\7
  comment_after.h: included:1, lines:8\8

*/
