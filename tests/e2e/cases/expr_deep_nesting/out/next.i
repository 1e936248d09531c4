/* next.c 1: */
/* next.c 2: */ok
/* next.c 3: */
/* next.c 4: */
/* next.c 5: */