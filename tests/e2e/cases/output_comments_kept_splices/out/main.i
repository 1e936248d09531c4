/* main.c 1: */a \
/* main.c 2: */  b
/* main.c 3: */
/* main.c 4: */  c
/* main.c 5: */
/* main.c 6: */