/* ok.c 1: */ok
/* ok.c 2: */
/* ok.c 3: */