/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */a  b
/* main.c 5: */a  b
/* main.c 6: */a  b
/* main.c 7: */a  b
/* main.c 8: */a  b
/* main.c 9: */a  b
/* main.c 10: */a  b
/* main.c 11: */a 
/* main.c 12: */
/* main.c 13: */ b
/* main.c 14: */ok (1+1) 0 [1|2]
/* main.c 15: */tail 
/* main.c 16: */
/* main.c 17: */