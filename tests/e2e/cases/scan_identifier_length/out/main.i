/* main.c 1: */abcdefgh abcdefgh abcdefg 
/* main.c 2: */abcdefgh
/* main.c 3: */
/* main.c 4: */