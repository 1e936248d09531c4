/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */
/* main.c 6: */(2+1) (2+1) (2+1) (2+1)
/* main.c 7: */
/* main.c 8: */(2+1)
/* main.c 9: */
/* main.c 10: */
/* main.c 11: */(3+1) tail
/* main.c 12: */f + 1 f +1 
/* main.c 13: */f (5+1) [5|(5+1)]
/* main.c 14: */[(1,2)|(3)]
/* main.c 15: */
/* main.c 16: */
/* main.c 17: */
/* main.c 18: */[first|second] after
/* main.c 19: */0 0 (((1+1)+1)+1)
/* main.c 20: */[|] [|] (a,b)
/* main.c 21: */[1|[2|3]]
/* main.c 22: */[spaced out|tab]
/* main.c 23: */
/* main.c 24: */