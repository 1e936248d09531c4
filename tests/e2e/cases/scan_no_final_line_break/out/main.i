/* main.c 1: */a
/* main.c 2: */b
/* main.c 3: */