/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */
/* main.c 6: */
/* main.c 7: */
/* main.c 8: */
/* main.c 9: */
/* main.c 10: */
/* main.c 11: */m+1
/* main.c 12: */a b
/* main.c 13: */f(1) f
/* main.c 14: */2 m+1
/* main.c 15: */self(self(1)+1)+self(1)+1
/* main.c 16: */AA + AA BB + BB
/* main.c 17: */call(9)
/* main.c 18: */
/* main.c 19: */