#define f(x) (x+1)
#define g() 0
#define two(a,b) [a|b]
a f() b
a f( ) b
a f(1,2) b
a g(1) b
a two(1) b
a two(1,2,3) b
a two((1,2)) b
a two(1,
2,
3) b
ok f(1) g() two(1,2)
tail f(1
