#define ID(x) x
int e = f ID(/)ID(/)g; int a = b ID(/)ID(*)p; double h = ID(.)ID(5);
