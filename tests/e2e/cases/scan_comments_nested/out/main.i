/* main.c 1: */z
/* main.c 2: */
/* main.c 3: */y
/* main.c 4: */
/* main.c 5: */