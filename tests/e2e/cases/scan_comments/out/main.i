/* main.c 1: */a b a  b
/* main.c 2: */x
/* main.c 3: */
/* main.c 4: */y
/* main.c 5: */c */z
/* main.c 6: */d 
/* main.c 7: */e
/* main.c 8: */f
/* main.c 9: */
/* main.c 10: */