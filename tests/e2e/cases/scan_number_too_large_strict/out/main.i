/* main.c 1: */x = 1e99999;
/* main.c 2: */y = 1.0e99999f;
/* main.c 3: */
/* main.c 4: */