/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */
/* main.c 6: */1 2 3
/* main.c 7: */
/* main.c 8: */
/* main.c 9: */
/* main.c 10: */Q
/* main.c 11: */x  y
/* main.c 12: */
/* main.c 13: */