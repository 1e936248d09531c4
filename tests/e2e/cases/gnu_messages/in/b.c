int b;
#error stop here
int c;
