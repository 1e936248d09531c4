/* main.c 1: */cfg
/* main.c 2: */
/* main.c 3: */