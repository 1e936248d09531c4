int x;
#bad
int y;
