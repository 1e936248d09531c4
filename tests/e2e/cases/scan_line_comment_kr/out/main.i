/* main.c 1: */a // b
/* main.c 2: */c/ /d
/* main.c 3: */
/* main.c 4: */