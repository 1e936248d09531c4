/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */[9]
/* main.c 5: */[[1]]
/* main.c 6: */
/* main.c 7: */
/* main.c 8: */h 