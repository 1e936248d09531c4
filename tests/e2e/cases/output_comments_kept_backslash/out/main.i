/* main.c 1: */a \? b \ c
/* main.c 2: */
/* main.c 3: */d