int before;
#error stopped in __FILE__
int after;
