/* main.c 1: */a
/* main.c 2: */b  c
/* main.c 3: */d
/* main.c 4: */
/* main.c 5: */