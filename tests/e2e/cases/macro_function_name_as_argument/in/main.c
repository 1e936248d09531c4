#define call(fn) fn(9)
#define h(x) [x]
#define twice(f, v) f(f(v))
call(h)
twice(h, 1)
h
