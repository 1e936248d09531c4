/* main.c 1: */kept
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */