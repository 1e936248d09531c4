#define TWO 2
