/* ok.c 1: */int ok;
/* ok.c 2: */
/* ok.c 3: */