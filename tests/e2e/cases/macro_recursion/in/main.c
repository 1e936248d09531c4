#define m m+1
#define a b
#define b a
#define f(x) f(x) g
#define g f
#define h(x) x
#define self(x) self(x)+x
#define AA BB
#define BB AA + AA
#define call(fn) fn(9)
m
a b
f(1)
h(h(2)) h(m)
self(self(1))
AA BB
call(call)
