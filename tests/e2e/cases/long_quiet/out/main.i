/* main.c 1: */
/* main.c 2: */
/* main.c 3: */int x = 2;
/* main.c 4: */
/* main.c 5: */