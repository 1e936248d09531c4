#include "h.h"
int b1 = 1;
int b2 = 2;
int b3 = 3;
int b4 = 4;
int b5 = 5;
int b6 = 6;
int b7 = 7;
int b8 = 8;
int b9 = 9;
int b10 = 10;
int b11 = 11;
#define TWO 2
int last = TWO;
