#define NULL ((void *)0)
#define ID(a) a
#define GET4(name) ID(x##name NULL)
#define GET5(name) ID(name##x NULL)
#define P(a,b) ID(a##b NULL)
#define N(a) ID(1##a NULL)
GET4(Foo);
GET5(Foo);
P(x,y);
N(2);
ID(xFoo NULL);
