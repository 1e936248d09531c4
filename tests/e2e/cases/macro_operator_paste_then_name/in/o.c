#define P(a) a
#define M(a) M(1) *##=
#define N(a, b) # a N(x, y) a + ## + b
#define O(a) (O(a) <<##= O)
P(M(d)) P(P(M(d))) M(d)
P(N(d, e)) N(d, e)
P(O(1)) O(2)
