/* main.c 1: */a 
/* main.c 2: */++ b
/* main.c 3: */c -
/* main.c 4: */ > d
/* main.c 5: */
/* main.c 6: */abcd
/* main.c 7: */s = 
/* main.c 8: */"abcd";
/* main.c 9: */e
/* main.c 10: */
/* main.c 11: */f
/* main.c 12: */g 
/* main.c 13: */+= 1 
/* main.c 14: */&& h 
/* main.c 15: */|| i 
/* main.c 16: */== j
/* main.c 17: */1
/* main.c 18: */2
/* main.c 19: */
/* main.c 20: */k
/* main.c 21: */
/* main.c 22: */