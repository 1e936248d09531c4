#define X 1
int a = X;
