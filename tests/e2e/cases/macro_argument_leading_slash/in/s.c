#define K(q,x) q|#x
#define D(y) K(y, y)
#define F(a) [a]
#define AP(f, x) f x
D(/) D(/x) D(/ /) D(/**/x) D(/\
x)
AP(F, /) AP(F, /(1)) AP(F, /x) AP(F, /*c*/(2))
#define S(q) # q q
#define T(y) S(y)
T(/=) T(/ *p)
