/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */1 y
/* main.c 5: */
/* main.c 6: */y
/* main.c 7: */1 y
/* main.c 8: */y
/* main.c 9: */
/* main.c 10: */
/* main.c 11: */z
/* main.c 12: */end
/* main.c 13: */
/* main.c 14: */