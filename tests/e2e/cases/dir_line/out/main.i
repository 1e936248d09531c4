/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */5
/* main.c 6: */
/* main.c 7: */
/* main.c 8: */
/* macro.c 50: */50 "macro.c"
/* macro.c 51: */
/* main.c 7: */7
/* main.c 8: */
/* main.c 10: */10
/* main.c 11: */
/* spaced.c 20: */20 "spaced.c"
/* spaced.c 21: */
/* spaced.c 22: */