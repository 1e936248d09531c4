#include "h.h"
int c1 = 1;
int c2 = 2;
int c3 = 3;
int c4 = 4;
int c5 = 5;
int c6 = 6;
int c7 = 7;
int c8 = 8;
int c9 = 9;
int c10 = 10;
int c11 = 11;
#define TWO 2
int last = TWO;
