/* main.c 1: */a b
/* main.c 2: */c
/* main.c 3: */def	g
/* main.c 4: */h
/* main.c 5: */i j
/* main.c 6: */
/* main.c 7: */