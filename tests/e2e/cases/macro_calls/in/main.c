#define f(x) (x+1)
#define g() 0
#define h(x) x
#define two(a,b) [a|b]
#define N 5
f(2) f (2) f	(2) f /* c */ (2)
f
(2)
f
  /* comment
  */ (3) tail
f  + 1 f/**/+1 f
f(N) two(N, f(N))
two((1,2), (3))
two(
  first,
  second
) after
g() g( ) f(f(f(1)))
two(,) two( , ) h((a,b))
two(1, two(2,3))
two(  spaced   out  ,	tab	)
