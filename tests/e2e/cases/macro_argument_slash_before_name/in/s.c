#define V ( 7 )
#define I(q) q
#define J(a,b) [a|b]
I(I(V/s)) I(I(V/V)) I(I(V/ V)) I(I(V/**/V)) J(I(V/s),V/t)
#define P P/P
#define Q(x) I(x/Q)
I(I(P)) I(Q(V)) I(I(V/P/V))
